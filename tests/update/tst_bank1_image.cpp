// SPDX-License-Identifier: MIT
// Bank 1: the parameter block compiled from ParGen.xml.
#include "image_test_support.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace ImageTest;

namespace {

// ParGen.xml as the parameter form saves its defaults.
const QByteArray FormDefaults = parGen(
    "<Eth_Conn_Device_Name></Eth_Conn_Device_Name><Eth_Conn_DHCP_Cable>0</Eth_Conn_DHCP_Cable>"
    "<Eth_Conn_DHCP_WiFi>0</Eth_Conn_DHCP_WiFi><Eth_Conn_Enable_DNS>0</Eth_Conn_Enable_DNS>"
    "<Eth_Conn_Primary_DNS1>8</Eth_Conn_Primary_DNS1><Eth_Conn_Primary_DNS2>8</Eth_Conn_Primary_DNS2>"
    "<Eth_Conn_Primary_DNS3>8</Eth_Conn_Primary_DNS3><Eth_Conn_Primary_DNS4>8</Eth_Conn_Primary_DNS4>"
    "<Eth_Conn_Secondary_DNS1>8</Eth_Conn_Secondary_DNS1><Eth_Conn_Secondary_DNS2>8</Eth_Conn_Secondary_DNS2>"
    "<Eth_Conn_Secondary_DNS3>4</Eth_Conn_Secondary_DNS3><Eth_Conn_Secondary_DNS4>4</Eth_Conn_Secondary_DNS4>"
    "<IOLink_Slave_Baudrate>COM1</IOLink_Slave_Baudrate><CANopen_IDDev>1</CANopen_IDDev>"
    "<CANopen_BAUDRATE>5</CANopen_BAUDRATE><CANopen_Set_Operational>0</CANopen_Set_Operational>"
    "<CANopen_Network_Start>0</CANopen_Network_Start><CANopen_Delay>0</CANopen_Delay>"
    "<CANopen_SDO_TimeOut>10000</CANopen_SDO_TimeOut>"
    "<Ethernet_IP1>192</Ethernet_IP1><Ethernet_IP2>168</Ethernet_IP2><Ethernet_IP3>0</Ethernet_IP3>"
    "<Ethernet_IP4>5</Ethernet_IP4><Ethernet_SM1>255</Ethernet_SM1><Ethernet_SM2>255</Ethernet_SM2>"
    "<Ethernet_SM3>255</Ethernet_SM3><Ethernet_SM4>0</Ethernet_SM4><Ethernet_GAT1>192</Ethernet_GAT1>"
    "<Ethernet_GAT2>168</Ethernet_GAT2><Ethernet_GAT3>0</Ethernet_GAT3><Ethernet_GAT4>1</Ethernet_GAT4>"
    "<Ethernet_EN_GAT>0</Ethernet_EN_GAT>");

// Bank 1 of a project with only the given ParGen.xml; fails the test on a compile error.
QByteArray bank1Of(const std::optional<QByteArray> &parGenFile)
{
    const CompileResult result = Compile_Images(ProjectSources{.parGen = parGenFile});
    if (!result.ok())
        qWarning("%s", qPrintable(result.error));
    return result.images.bank1;
}

// Compares whole images and names the first offset that differs.
void compareImages(const QByteArray &actual, const QByteArray &expected)
{
    QCOMPARE(actual.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i) {
        if (actual.at(i) != expected.at(i)) {
            QFAIL(qPrintable(u"first difference at 0x%1: 0x%2, expected 0x%3"_s.arg(qlonglong(i), 3, 16, QChar(u'0'))
                                 .arg(uint(std::uint8_t(actual.at(i))), 2, 16, QChar(u'0'))
                                 .arg(uint(std::uint8_t(expected.at(i))), 2, 16, QChar(u'0'))));
        }
    }
}

} // namespace

class TestBank1Image : public QObject
{
    Q_OBJECT

private slots:
    void withoutParGenEveryByteIsTheCompileDefault();
    void formDefaultsSavedUnchanged();
    void parGenFields_data();
    void parGenFields();
    void ioLinkRateCode_data();
    void ioLinkRateCode();
    void checksumFollowsEveryByte();
    void parGenThatIsNotXmlIsAnError();
};

void TestBank1Image::withoutParGenEveryByteIsTheCompileDefault()
{
    QByteArray expected(2048, '\0');
    auto place = [&expected](qsizetype at, const char *pairs) { expected.replace(at, hex(pairs).size(), hex(pairs)); };
    place(0x000, "90D00300");          // 250000 bit/s
    place(0x004, "90D00300");          // fixed 250000
    place(0x00C, "80250000");          // fixed 9600
    place(0x028, "C0A802CD");          // 192.168.2.205
    place(0x02C, "FFFFFF00");          // 255.255.255.0
    place(0x030, "FFFFFFFF");          // no gateway
    place(0x034, "1027 1127 1127");    // fixed 10000, 10001, 10001
    place(0x0E0, "00000800 00400800 00800800 00A00800 00C00800 00D00800"); // table addresses
    place(0x1B4, "0808080808080808");
    place(0x660, "00E00800");          // IO-Link area
    place(0x7FC, "8A110000");          // checksum 4490

    compareImages(bank1Of(std::nullopt), expected);
}

void TestBank1Image::formDefaultsSavedUnchanged()
{
    const CompileResult result = Compile_Images(ProjectSources{.parGen = FormDefaults});
    QVERIFY2(result.ok(), qPrintable(result.error));
    const QByteArray &bank1 = result.images.bank1;

    QCOMPARE(bank1.size(), 2048);
    QCOMPARE(u32(bank1, 0x000), 250000u);
    QCOMPARE(bank1.mid(0x028, 12), hex("C0A80005 FFFFFF00 FFFFFFFF"));
    QCOMPARE(u32(bank1, 0x09C), 1u);        // node ID
    QCOMPARE(u32(bank1, 0x0A0), 0u);        // flags
    QCOMPARE(u32(bank1, 0x0A4), 0u);        // start delay
    QCOMPARE(u32(bank1, 0x0A8), 10000u);    // SDO time-out
    QCOMPARE(u16(bank1, 0x4E8), 0u);        // no DHCP
    QCOMPARE(bank1.mid(0x514, 32), QByteArray(32, '\0'));
    QCOMPARE(u32(bank1, 0x53C), 0u);        // DNS disabled
    QCOMPARE(u32(bank1, 0x58C), 0u);
    QCOMPARE(bank1.mid(0x66C, 8), QByteArray("1.003\0\0\0", 8));
    QCOMPARE(u32(bank1, 0x7FC), byteSum(bank1));
    QCOMPARE(result.images.bank2.at(0xE000), '\x01'); // COM1
}

void TestBank1Image::parGenFields_data()
{
    QTest::addColumn<QByteArray>("elements");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray gateway10001 =
        "<Ethernet_GAT1>10</Ethernet_GAT1><Ethernet_GAT2>0</Ethernet_GAT2><Ethernet_GAT3>0</Ethernet_GAT3>"
        "<Ethernet_GAT4>1</Ethernet_GAT4>";
    const QByteArray dns =
        "<Eth_Conn_Primary_DNS1>1</Eth_Conn_Primary_DNS1><Eth_Conn_Primary_DNS2>1</Eth_Conn_Primary_DNS2>"
        "<Eth_Conn_Primary_DNS3>1</Eth_Conn_Primary_DNS3><Eth_Conn_Primary_DNS4>1</Eth_Conn_Primary_DNS4>"
        "<Eth_Conn_Secondary_DNS1>9</Eth_Conn_Secondary_DNS1><Eth_Conn_Secondary_DNS2>9</Eth_Conn_Secondary_DNS2>"
        "<Eth_Conn_Secondary_DNS3>9</Eth_Conn_Secondary_DNS3><Eth_Conn_Secondary_DNS4>9</Eth_Conn_Secondary_DNS4>";

    // A file without elements: each field takes the compiler's own default.
    QTest::newRow("empty file: address 192.168.0.10") << QByteArray() << 0x028 << hex("C0A8000A");
    QTest::newRow("empty file: mask") << QByteArray() << 0x02C << hex("FFFFFF00");
    QTest::newRow("empty file: no gateway") << QByteArray() << 0x030 << hex("FFFFFFFF");
    QTest::newRow("empty file: node ID 1") << QByteArray() << 0x09C << hex("01000000");
    QTest::newRow("empty file: 1000 kbit/s") << QByteArray() << 0x000 << hex("40420F00");
    QTest::newRow("empty file: delay 10 s") << QByteArray() << 0x0A4 << hex("10270000");
    QTest::newRow("empty file: SDO time-out 10000") << QByteArray() << 0x0A8 << hex("10270000");
    QTest::newRow("empty file: version text") << QByteArray() << 0x66C << hex("312E303033000000");

    QTest::newRow("gateway enabled 10.0.0.1")
        << "<Ethernet_EN_GAT>1</Ethernet_EN_GAT>" + gateway10001 << 0x030 << hex("0A000001");
    QTest::newRow("gateway disabled") << "<Ethernet_EN_GAT>0</Ethernet_EN_GAT>" + gateway10001 << 0x030
                                      << hex("FFFFFFFF");
    QTest::newRow("gateway enabled without octets") << QByteArray("<Ethernet_EN_GAT>1</Ethernet_EN_GAT>") << 0x030
                                                    << hex("C0A80001");

    QTest::newRow("DNS enabled: primary") << "<Eth_Conn_Enable_DNS>1</Eth_Conn_Enable_DNS>" + dns << 0x58C
                                          << hex("01010101");
    QTest::newRow("DNS enabled: secondary") << "<Eth_Conn_Enable_DNS>1</Eth_Conn_Enable_DNS>" + dns << 0x53C
                                            << hex("09090909");
    QTest::newRow("DNS disabled: primary") << "<Eth_Conn_Enable_DNS>0</Eth_Conn_Enable_DNS>" + dns << 0x58C
                                           << hex("00000000");
    QTest::newRow("DNS disabled: secondary") << "<Eth_Conn_Enable_DNS>0</Eth_Conn_Enable_DNS>" + dns << 0x53C
                                             << hex("00000000");
    QTest::newRow("DNS flag other than 1") << "<Eth_Conn_Enable_DNS>true</Eth_Conn_Enable_DNS>" + dns << 0x58C
                                           << hex("00000000");
    QTest::newRow("DNS enabled without octets: primary")
        << QByteArray("<Eth_Conn_Enable_DNS>1</Eth_Conn_Enable_DNS>") << 0x58C << hex("08080808");
    QTest::newRow("DNS enabled without octets: secondary")
        << QByteArray("<Eth_Conn_Enable_DNS>1</Eth_Conn_Enable_DNS>") << 0x53C << hex("08080404");

    const QByteArray name40 = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789abcd";
    QTest::newRow("host name of 40 characters")
        << "<Eth_Conn_Device_Name>" + name40 + "</Eth_Conn_Device_Name>" << 0x514 << name40.left(31) + '\0';
    QTest::newRow("host name: low 8 bits of each character")
        << QByteArray("<Eth_Conn_Device_Name>\xC5\x81\xC3\xA9-x</Eth_Conn_Device_Name>") // U+0141, U+00E9
        << 0x514 << hex("41E92D78 00");

    QTest::newRow("DHCP on cable") << QByteArray("<Eth_Conn_DHCP_Cable>1</Eth_Conn_DHCP_Cable>") << 0x4E8
                                   << hex("0100");
    QTest::newRow("DHCP on Wi-Fi only") << QByteArray("<Eth_Conn_DHCP_WiFi>1</Eth_Conn_DHCP_WiFi>") << 0x4E8
                                        << hex("0000");

    QTest::newRow("delay 255 s") << QByteArray("<CANopen_Delay>255</CANopen_Delay>") << 0x0A4 << hex("18E40300");
    QTest::newRow("set operational") << QByteArray("<CANopen_Set_Operational>1</CANopen_Set_Operational>")
                                     << 0x0A0 << hex("01000000");
    QTest::newRow("network start") << QByteArray("<CANopen_Network_Start>1</CANopen_Network_Start>") << 0x0A0
                                   << hex("02000000");
    QTest::newRow("flag text with a blank") << QByteArray("<CANopen_Network_Start>1 </CANopen_Network_Start>")
                                            << 0x0A0 << hex("00000000");
    QTest::newRow("node ID 127") << QByteArray("<CANopen_IDDev>127</CANopen_IDDev>") << 0x09C << hex("7F000000");
    QTest::newRow("SDO time-out 100000") << QByteArray("<CANopen_SDO_TimeOut>100000</CANopen_SDO_TimeOut>")
                                         << 0x0A8 << hex("A0860100");

    QTest::newRow("bit rate index 0") << QByteArray("<CANopen_BAUDRATE>0</CANopen_BAUDRATE>") << 0x000
                                      << hex("10270000");
    QTest::newRow("bit rate index 7") << QByteArray("<CANopen_BAUDRATE>7</CANopen_BAUDRATE>") << 0x000
                                      << hex("00350C00");
    QTest::newRow("bit rate index in hexadecimal") << QByteArray("<CANopen_BAUDRATE>$5</CANopen_BAUDRATE>")
                                                   << 0x000 << hex("90D00300");
    QTest::newRow("bit rate index 9") << QByteArray("<CANopen_BAUDRATE>9</CANopen_BAUDRATE>") << 0x000
                                      << hex("40420F00");
    QTest::newRow("bit rate index -1") << QByteArray("<CANopen_BAUDRATE>-1</CANopen_BAUDRATE>") << 0x000
                                       << hex("40420F00");
    QTest::newRow("bit rate index not a number") << QByteArray("<CANopen_BAUDRATE>250K</CANopen_BAUDRATE>")
                                                 << 0x000 << hex("40420F00");

    QTest::newRow("address octet keeps its low 8 bits")
        << QByteArray("<Ethernet_IP1>300</Ethernet_IP1><Ethernet_IP2>-1</Ethernet_IP2>") << 0x028
        << hex("2CFF000A");
    QTest::newRow("address octets in hexadecimal")
        << QByteArray("<Ethernet_IP1>0xC0</Ethernet_IP1><Ethernet_IP2>$A8</Ethernet_IP2><Ethernet_IP3> 7</Ethernet_IP3>")
        << 0x028 << hex("C0A8070A");
    QTest::newRow("address octet with a trailing blank")
        << QByteArray("<Ethernet_IP1>7 </Ethernet_IP1>") << 0x028 << hex("C0A8000A");
}

void TestBank1Image::parGenFields()
{
    QFETCH(QByteArray, elements);
    QFETCH(int, offset);
    QFETCH(QByteArray, expected);

    const QByteArray bank1 = bank1Of(parGen(elements));
    QCOMPARE(bank1.size(), 2048);
    QCOMPARE(bank1.mid(offset, expected.size()).toHex(' '), expected.toHex(' '));
    QCOMPARE(u32(bank1, 0x7FC), byteSum(bank1));
}

void TestBank1Image::ioLinkRateCode_data()
{
    QTest::addColumn<std::optional<QByteArray>>("parGenFile");
    QTest::addColumn<char>("com");

    QTest::newRow("no ParGen.xml") << std::optional<QByteArray>() << '\0';
    QTest::newRow("element missing") << std::optional(parGen({})) << '\1';
    QTest::newRow("COM2") << std::optional(parGen("<IOLink_Slave_Baudrate>COM2</IOLink_Slave_Baudrate>")) << '\2';
    QTest::newRow("COM3 with blanks")
        << std::optional(parGen("<IOLink_Slave_Baudrate> COM3 </IOLink_Slave_Baudrate>")) << '\3';
    QTest::newRow("com3 in lower case")
        << std::optional(parGen("<IOLink_Slave_Baudrate>com3</IOLink_Slave_Baudrate>")) << '\1';
}

void TestBank1Image::ioLinkRateCode()
{
    QFETCH(std::optional<QByteArray>, parGenFile);
    QFETCH(char, com);

    const CompileResult result = Compile_Images(ProjectSources{.parGen = parGenFile});
    QVERIFY2(result.ok(), qPrintable(result.error));
    QCOMPARE(result.images.bank2.at(0xE000), com);
}

void TestBank1Image::checksumFollowsEveryByte()
{
    // One octet 5 higher: the checksum rises by 5 and nothing else changes.
    const QByteArray before = bank1Of(parGen("<Ethernet_IP4>200</Ethernet_IP4><Eth_Conn_Device_Name>\xC3\xBF</Eth_Conn_Device_Name>"));
    const QByteArray after = bank1Of(parGen("<Ethernet_IP4>205</Ethernet_IP4><Eth_Conn_Device_Name>\xC3\xBF</Eth_Conn_Device_Name>"));
    QCOMPARE(u32(after, 0x7FC) - u32(before, 0x7FC), 5u);
    QCOMPARE(u32(before, 0x7FC), byteSum(before)); // 0xFF bytes count as 255
    QCOMPARE(before.first(0x02B), after.first(0x02B));
    QCOMPARE(before.sliced(0x02C, 0x7FC - 0x02C), after.sliced(0x02C, 0x7FC - 0x02C));
}

void TestBank1Image::parGenThatIsNotXmlIsAnError()
{
    for (const QByteArray &bytes : {QByteArray("<Par_Gen><CANopen_IDDev>5</Par_Gen>"), QByteArray()}) {
        const CompileResult result = Compile_Images(ProjectSources{.parGen = bytes, .sdoServer = sdoServer({})});
        QVERIFY(!result.ok());
        QVERIFY2(result.error.contains(u"ParGen.xml: not well-formed XML"_s), qPrintable(result.error));
        QVERIFY(result.images.bank1.isEmpty());
        QVERIFY(result.images.bank2.isEmpty());
    }
}

QTEST_GUILESS_MAIN(TestBank1Image)
#include "tst_bank1_image.moc"

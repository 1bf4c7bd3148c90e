// SPDX-License-Identifier: MIT
// Bank 2: the CANopen rule tables and the IO-Link slave area, and the counts bank 1 keeps of them.
#include "image_test_support.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace ImageTest;

namespace {

CompileResult compiled(const ProjectSources &sources)
{
    const CompileResult result = Compile_Images(sources);
    if (!result.ok())
        qWarning("%s", qPrintable(result.error));
    return result;
}

enum class File { SdoServer, SdoClient, Pdo };

// A project whose only file is the CANopen file `file` with rows in its first or second list.
ProjectSources canopenProject(File file, bool secondList, const QByteArray &rows)
{
    const QByteArray first = secondList ? QByteArray() : rows;
    const QByteArray second = secondList ? rows : QByteArray();
    switch (file) {
    case File::SdoServer: return {.sdoServer = sdoServer(first, second)};
    case File::SdoClient: return {.sdoClient = sdoClient(first, second)};
    case File::Pdo: return {.pdo = pdo(first, second)};
    }
    return {};
}

} // namespace

class TestBank2Image : public QObject
{
    Q_OBJECT

private slots:
    void emptyProject();
    void ruleBytes_data();
    void ruleBytes();
    void countsAndPlacement();
    void fullTablesFit_data();
    void fullTablesFit();
    void ioLinkVariablesBeyondTheDialogsRows();
    void compileErrors_data();
    void compileErrors();
    void processDataBits();
    void minCycleTime_data();
    void minCycleTime();
    void variableRecords();
};

void TestBank2Image::emptyProject()
{
    const CompileResult result = compiled({});
    QVERIFY(result.ok());
    const QByteArray &bank2 = result.images.bank2;

    QCOMPARE(bank2.size(), 57372);
    const QByteArray unused = unusedEntry();
    for (qsizetype at = 0; at < 0xE000; at += 32) {
        if (bank2.sliced(at, 32) != unused)
            QFAIL(qPrintable(u"entry at 0x%1 is not the unused pattern"_s.arg(qlonglong(at), 4, 16, QChar(u'0'))));
    }
    // com 0, cycle time 0, no records, no events, first record at 0x8E01C, no process data.
    QCOMPARE(bank2.sliced(0xE000).toHex(' '),
             hex("00 00 0000 00000000 00000000 1CE00800 00000000 00000000 00000000").toHex(' '));
    for (qsizetype at = 0x0AC; at < 0x0C4; at += 4)
        QCOMPARE(u32(result.images.bank1, at), 0u);
}

void TestBank2Image::ruleBytes_data()
{
    QTest::addColumn<int>("file");
    QTest::addColumn<bool>("secondList");
    QTest::addColumn<QByteArray>("row");
    QTest::addColumn<int>("tableOffset");
    QTest::addColumn<int>("countOffset");
    QTest::addColumn<QByteArray>("expected");

    const int server = int(File::SdoServer);
    const int client = int(File::SdoClient);
    const int pdo = int(File::Pdo);

    //                                 cob_id   index sub dev time     slots 1 to 8                             n  mode
    QTest::newRow("SDO server read, 2 bytes")
        << server << false
        << QByteArray(R"(<row Index="0x2000" SubIndex="1" NByte="2" Address_B1="10" Address_B2="11" Address_B3="" Address_B4="" Mnemonic=""/>)")
        << 0x0000 << 0x0AC << hex("00000000 0020 01 00 00000000 0000 0000 0000 0000 0A00 0B00 0000 0000 02 00 0000");
    QTest::newRow("SDO server read, 1 byte, other positions not read")
        << server << false << QByteArray(R"(<row Index="$2001" SubIndex="0" NByte="1" Address_B1="1499" Address_B2="junk"/>)")
        << 0x0000 << 0x0AC << hex("00000000 0120 00 00 00000000 0000 0000 0000 0000 DB05 0000 0000 0000 01 00 0000");
    QTest::newRow("SDO server read, 3 bytes reads two positions")
        << server << false << QByteArray(R"(<row Index="0x2000" SubIndex="0" NByte="3" Address_B1="1" Address_B2="2" Address_B3="3" Address_B4="4"/>)")
        << 0x0000 << 0x0AC << hex("00000000 0020 00 00 00000000 0000 0000 0000 0000 0100 0200 0000 0000 03 00 0000");
    QTest::newRow("SDO server write, 4 bytes")
        << server << true
        << QByteArray(R"(<row Index="24575" SubIndex="255" NByte="4" Address_B1="0" Address_B2="1" Address_B3="2" Address_B4="3"/>)")
        << 0x4000 << 0x0B0 << hex("00000000 FF5F FF 00 00000000 0000 0000 0000 0000 0000 0100 0200 0300 04 01 0000");
    QTest::newRow("SDO client read")
        << client << false
        << QByteArray(R"(<row Device_ID="5" Index="0x1018" SubIndex="1" NByte="4" Poll_Time="1000" Address_B1="20" Address_B2="21" Address_B3="22" Address_B4="23"/>)")
        << 0x8000 << 0x0B4 << hex("00000000 1810 01 05 E8030000 0000 0000 0000 0000 1400 1500 1600 1700 04 00 0000");
    QTest::newRow("SDO client write, on change")
        << client << true
        << QByteArray(R"(<row Device_ID="127" Index="0x6200" SubIndex="1" NByte="1" Poll_Time="0" On_Change="Y" Address_B1="30"/>)")
        << 0xA000 << 0x0B8 << hex("00000000 0062 01 7F 00000000 0000 0000 0000 0000 1E00 0000 0000 0000 01 03 0000");
    for (const char *text : {"N", "", "y", " Y"}) {
        QTest::addRow("SDO client write, On_Change \"%s\"", text)
            << client << true
            << R"(<row Device_ID="2" Index="0x6200" SubIndex="1" NByte="1" Poll_Time="100" On_Change=")" + QByteArray(text)
                   + R"(" Address_B1="30"/>)"
            << 0xA000 << 0x0B8 << hex("00000000 0062 01 02 64000000 0000 0000 0000 0000 1E00 0000 0000 0000 01 01 0000");
    }
    QTest::newRow("SDO client write without On_Change")
        << client << true
        << QByteArray(R"(<row Device_ID="2" Index="0x6200" SubIndex="1" NByte="1" Poll_Time="100" Address_B1="30"/>)")
        << 0xA000 << 0x0B8 << hex("00000000 0062 01 02 64000000 0000 0000 0000 0000 1E00 0000 0000 0000 01 01 0000");
    QTest::newRow("PDO receive, 8 bytes")
        << pdo << false
        << QByteArray(R"(<row COB-ID="0x181" Dimension="8" Address_B1="1" Address_B2="2" Address_B3="3" Address_B4="4" Address_B5="5" Address_B6="6" Address_B7="7" Address_B8="1499" TimeOut="500" Mnemonic="x"/>)")
        << 0xC000 << 0x0BC << hex("81010000 0000 00 00 F4010000 0100 0200 0300 0400 0500 0600 0700 DB05 08 00 0000");
    QTest::newRow("PDO transmit, 3 bytes, other positions not read")
        << pdo << true
        << QByteArray(R"(<row COB-ID="513" Dimension="3" Address_B1="100" Address_B2="101" Address_B3="102" Address_B4="x" Address_B5="" Address_B6="-" Address_B7="9999" Send_Time="100" On_Change="Y"/>)")
        << 0xD000 << 0x0C0 << hex("01020000 0000 00 00 64000000 6400 6500 6600 0000 0000 0000 0000 0000 03 03 0000");
    QTest::newRow("PDO transmit, not on change")
        << pdo << true
        << QByteArray(R"(<row COB-ID="0x7FF" Dimension="1" Address_B1="7" Send_Time="0" On_Change="N"/>)")
        << 0xD000 << 0x0C0 << hex("FF070000 0000 00 00 00000000 0700 0000 0000 0000 0000 0000 0000 0000 01 01 0000");
    QTest::newRow("PDO with dimension 0 still reads slot 1")
        << pdo << false << QByteArray(R"(<row COB-ID="1" Dimension="0" Address_B1="9" TimeOut="0"/>)")
        << 0xC000 << 0x0BC << hex("01000000 0000 00 00 00000000 0900 0000 0000 0000 0000 0000 0000 0000 00 00 0000");
    QTest::newRow("64-bit values keep their low 32 bits")
        << pdo << false
        << QByteArray(R"(<row COB-ID="0x100000181" Dimension="1" Address_B1="1" TimeOut="4294967297"/>)")
        << 0xC000 << 0x0BC << hex("81010000 0000 00 00 01000000 0100 0000 0000 0000 0000 0000 0000 0000 01 00 0000");
    QTest::newRow("64-bit poll time")
        << client << false
        << QByteArray(R"(<row Device_ID="1" Index="0x1000" SubIndex="0" NByte="1" Poll_Time="-1" Address_B1="0"/>)")
        << 0x8000 << 0x0B4 << hex("00000000 0010 00 01 FFFFFFFF 0000 0000 0000 0000 0000 0000 0000 0000 01 00 0000");
    // n_byte is 258 & 0xFF = 2: two positions are read.
    QTest::newRow("32-bit values keep the low bits of their field")
        << server << false
        << QByteArray(R"(<row Index="0x12000" SubIndex="0x101" NByte="258" Address_B1="65546" Address_B2="-1" Address_B3="x"/>)")
        << 0x0000 << 0x0AC << hex("00000000 0020 01 00 00000000 0000 0000 0000 0000 0A00 FFFF 0000 0000 02 00 0000");
    QTest::newRow("numbers with leading blanks and signs")
        << server << false
        << QByteArray(R"(<row Index="  8192" SubIndex="+1" NByte="X1" Address_B1=" 0x0A"/>)")
        << 0x0000 << 0x0AC << hex("00000000 0020 01 00 00000000 0000 0000 0000 0000 0A00 0000 0000 0000 01 00 0000");
}

void TestBank2Image::ruleBytes()
{
    QFETCH(int, file);
    QFETCH(bool, secondList);
    QFETCH(QByteArray, row);
    QFETCH(int, tableOffset);
    QFETCH(int, countOffset);
    QFETCH(QByteArray, expected);

    const CompileResult result = compiled(canopenProject(File(file), secondList, row));
    QVERIFY(result.ok());
    QCOMPARE(result.images.bank2.sliced(tableOffset, 32).toHex(' '), expected.toHex(' '));
    QCOMPARE(result.images.bank2.sliced(tableOffset + 32, 32), unusedEntry());
    QCOMPARE(u32(result.images.bank1, countOffset), 1u);
    QCOMPARE(u32(result.images.bank1, 0x7FC), byteSum(result.images.bank1));
}

void TestBank2Image::countsAndPlacement()
{
    // Every child element is a rule whatever its name; comments between them are not.
    const QByteArray serverRow = R"(<row Index="0x2000" SubIndex="1" NByte="1" Address_B1="5"/>)";
    const QByteArray serverRows = serverRow + "<!-- note -->" + R"(<item Index="0x2001" SubIndex="2" NByte="1" Address_B1="6"/>)"
        + R"(<row Index="0x2002" SubIndex="3" NByte="1" Address_B1="7"/>)";
    const QByteArray clientRow = R"(<row Device_ID="3" Index="0x1000" SubIndex="0" NByte="1" Poll_Time="10" Address_B1="1"/>)";
    const QByteArray pdoRow = R"(<row COB-ID="0x181" Dimension="1" Address_B1="1" TimeOut="0" Send_Time="0"/>)";

    const CompileResult result = compiled({
        .sdoServer = sdoServer(serverRows, repeated(serverRow, 2)),
        .sdoClient = sdoClient(repeated(clientRow, 4), repeated(clientRow, 5)),
        .pdo = pdo(repeated(pdoRow, 6), repeated(pdoRow, 7)),
    });
    QVERIFY(result.ok());
    const QByteArray &bank1 = result.images.bank1;
    const QByteArray &bank2 = result.images.bank2;

    QCOMPARE(bank1.sliced(0x0AC, 24), hex("03000000 02000000 04000000 05000000 06000000 07000000"));
    QCOMPARE(bank2.sliced(0x0020, 8), hex("00000000 0120 02 00")); // second rule, the <item>
    QCOMPARE(bank2.sliced(0x0040, 8), hex("00000000 0220 03 00"));
    QCOMPARE(bank2.sliced(0x0060, 32), unusedEntry());
    QCOMPARE(bank2.sliced(0x4040, 32), unusedEntry());
    QCOMPARE(bank2.sliced(0x8060, 8), hex("00000000 0010 00 03"));
    QCOMPARE(bank2.sliced(0x8080, 32), unusedEntry());
    QCOMPARE(bank2.sliced(0xA0A0, 32), unusedEntry());
    QCOMPARE(bank2.sliced(0xC0A0, 4), hex("81010000"));
    QCOMPARE(bank2.sliced(0xC0C0, 32), unusedEntry());
    QCOMPARE(bank2.sliced(0xD0E0, 32), unusedEntry());
    QCOMPARE(bank2.size(), 57372);
}

void TestBank2Image::fullTablesFit_data()
{
    QTest::addColumn<QList<int>>("rows"); // per list, in table order

    QTest::newRow("the most the dialogs hold") << QList<int>{500, 500, 256, 256, 30, 30};
    // Files not written by the dialogs may fill the device's tables to the last entry.
    QTest::newRow("the device's tables full") << QList<int>{512, 512, 256, 256, 128, 128};
}

void TestBank2Image::fullTablesFit()
{
    QFETCH(QList<int>, rows);

    const QByteArray serverRow = R"(<row Index="0x2000" SubIndex="1" NByte="1" Address_B1="5"/>)";
    const QByteArray clientRow = R"(<row Device_ID="3" Index="0x1000" SubIndex="0" NByte="1" Poll_Time="10" Address_B1="1"/>)";
    const QByteArray pdoRow = R"(<row COB-ID="0x181" Dimension="1" Address_B1="1" TimeOut="0" Send_Time="0"/>)";

    const CompileResult result = compiled({
        .sdoServer = sdoServer(repeated(serverRow, rows[0]), repeated(serverRow, rows[1])),
        .sdoClient = sdoClient(repeated(clientRow, rows[2]), repeated(clientRow, rows[3])),
        .pdo = pdo(repeated(pdoRow, rows[4]), repeated(pdoRow, rows[5])),
    });
    QVERIFY(result.ok());
    const QByteArray &bank1 = result.images.bank1;
    const QByteArray &bank2 = result.images.bank2;

    const int tableOffset[] = {0x0000, 0x4000, 0x8000, 0xA000, 0xC000, 0xD000, 0xE000};
    const QByteArray firstBytes[] = {hex("00000000 0020 01 00"), hex("00000000 0020 01 00"),
                                     hex("00000000 0010 00 03"), hex("00000000 0010 00 03"),
                                     hex("81010000 0000 00 00"), hex("81010000 0000 00 00")};
    for (int t = 0; t < 6; ++t) {
        QCOMPARE(u32(bank1, 0x0AC + 4 * t), quint32(rows[t]));
        const int lastUsed = tableOffset[t] + (rows[t] - 1) * 32;
        QCOMPARE(bank2.sliced(lastUsed, 8), firstBytes[t]);
        if (lastUsed + 32 < tableOffset[t + 1])
            QCOMPARE(bank2.sliced(lastUsed + 32, 32), unusedEntry());
    }
    QCOMPARE(bank2.size(), 57372);
    QCOMPARE(bank2.sliced(0xE00C, 4), hex("1CE00800"));
}

void TestBank2Image::ioLinkVariablesBeyondTheDialogsRows()
{
    // The records follow the header: a file with more rows than the dialog shows still compiles.
    const QByteArray variable = R"(<row Enable="Y" Index="100" Access="Read Write" Length="8"/>)";
    const CompileResult result = compiled({.ioLinkSlave = ioLinkSlave(repeated(variable, 600))});
    QVERIFY(result.ok());
    QCOMPARE(result.images.bank2.size(), 57372 + 600 * 20);
    QCOMPARE(u32(result.images.bank2, 0xE004), 600u);
    QCOMPARE(result.images.bank2.sliced(0xE01C + 599 * 20, 4), hex("6400 00 03"));
}

void TestBank2Image::compileErrors_data()
{
    QTest::addColumn<ProjectSources>("sources");
    QTest::addColumn<QStringList>("mentions");

    const QByteArray serverRow = R"(<row Index="0x2000" SubIndex="1" NByte="2" Address_B1="1" Address_B2="2"/>)";
    const QByteArray pdoRow = R"(<row COB-ID="0x181" Dimension="1" Address_B1="1" TimeOut="0" Send_Time="0"/>)";

    QTest::newRow("SDO server file not well-formed")
        << ProjectSources{.sdoServer = "<SDO_Server_CANopen><SDO_Read></SDO_Server_CANopen>"}
        << QStringList{u"SDO_Server_CANopen.xml"_s, u"not well-formed"_s};
    QTest::newRow("SDO client file without SDO_Write")
        << ProjectSources{.sdoClient = "<SDO_Client_CANopen><SDO_Read/></SDO_Client_CANopen>"}
        << QStringList{u"SDO_Client_CANopen.xml"_s, u"SDO_Write"_s};
    QTest::newRow("PDO file without Receive_PDO")
        << ProjectSources{.pdo = "<PDO_CANopen><Transmit_PDO/></PDO_CANopen>"}
        << QStringList{u"PDO_CANopen.xml"_s, u"Receive_PDO"_s};
    QTest::newRow("attribute missing")
        << ProjectSources{.sdoServer = sdoServer(R"(<row SubIndex="1" NByte="1" Address_B1="1"/>)")}
        << QStringList{u"SDO_Server_CANopen.xml: row 1 of SDO_Read"_s, u"Index is missing"_s};
    QTest::newRow("attribute not a number")
        << ProjectSources{.sdoServer = sdoServer({}, serverRow + R"(<row Index="0x2000" SubIndex="1" NByte="two" Address_B1="1"/>)")}
        << QStringList{u"row 2 of SDO_Write"_s, u"NByte holds \"two\""_s};
    QTest::newRow("position needed by NByte is empty")
        << ProjectSources{.sdoServer = sdoServer(R"(<row Index="0x2000" SubIndex="1" NByte="2" Address_B1="1" Address_B2=""/>)")}
        << QStringList{u"Address_B2"_s};
    QTest::newRow("32-bit value beyond its range")
        << ProjectSources{.sdoServer = sdoServer(R"(<row Index="4294967296" SubIndex="1" NByte="1" Address_B1="1"/>)")}
        << QStringList{u"Index holds \"4294967296\""_s};
    QTest::newRow("64-bit value beyond its range")
        << ProjectSources{.sdoClient = sdoClient(R"(<row Device_ID="1" Index="0x1000" SubIndex="0" NByte="1" Poll_Time="0x10000000000000000" Address_B1="0"/>)")}
        << QStringList{u"SDO_Client_CANopen.xml: row 1 of SDO_Read"_s, u"Poll_Time"_s};
    QTest::newRow("number with a trailing blank")
        << ProjectSources{.pdo = pdo(R"(<row COB-ID="0x181 " Dimension="1" Address_B1="1" TimeOut="0"/>)")}
        << QStringList{u"row 1 of Receive_PDO"_s, u"COB-ID"_s};
    QTest::newRow("transmit time missing")
        << ProjectSources{.pdo = pdo({}, R"(<row COB-ID="0x181" Dimension="1" Address_B1="1" TimeOut="5"/>)")}
        << QStringList{u"row 1 of Transmit_PDO"_s, u"Send_Time is missing"_s};
    QTest::newRow("SDO server list longer than its table")
        << ProjectSources{.sdoServer = sdoServer(repeated(serverRow, 513))}
        << QStringList{u"SDO_Server_CANopen.xml"_s, u"SDO_Read"_s, u"513"_s};
    QTest::newRow("PDO list longer than its table")
        << ProjectSources{.pdo = pdo({}, repeated(pdoRow, 129))} << QStringList{u"Transmit_PDO"_s, u"129"_s};
    QTest::newRow("IOLink_Slave.xml not well-formed")
        << ProjectSources{.ioLinkSlave = "<IOLinkSlave><Variables>"}
        << QStringList{u"IOLink_Slave.xml"_s, u"not well-formed"_s};
}

void TestBank2Image::compileErrors()
{
    QFETCH(ProjectSources, sources);
    QFETCH(QStringList, mentions);

    const CompileResult result = Compile_Images(sources);
    QVERIFY(!result.ok());
    for (const QString &mention : mentions)
        QVERIFY2(result.error.contains(mention), qPrintable(result.error));
    QVERIFY(result.images.bank1.isEmpty());
    QVERIFY(result.images.bank2.isEmpty());
}

void TestBank2Image::processDataBits()
{
    const QByteArray input = R"(<row Enable="Y" Name="a" Length="3"/>)"
                             R"(<row Enable="N" Name="b" Length="8"/>)"
                             R"(<row Enable="Y" Name="c" Length="6"/>)";
    const QByteArray output = R"(<row Enable="y" Length="16"/>)"    // upper-cased: enabled
                              R"(<row Enable=" Y" Length="32"/>)"   // not trimmed: disabled
                              R"(<row Length="64"/>)"               // no Enable: disabled
                              R"(<row Enable="Y" Length="x"/>)";    // unreadable: 0
    const CompileResult result = compiled({.ioLinkSlave = ioLinkSlave({}, input, output)});
    QVERIFY(result.ok());
    QCOMPARE(u32(result.images.bank2, 0xE014), 9u);
    QCOMPARE(u32(result.images.bank2, 0xE018), 16u);
}

void TestBank2Image::minCycleTime_data()
{
    QTest::addColumn<std::optional<QByteArray>>("parGenFile");
    QTest::addColumn<QByteArray>("ioLinkFile");
    QTest::addColumn<char>("code");

    const QByteArray bits16in8out =
        ioLinkSlave({}, R"(<row Enable="Y" Length="16"/>)", R"(<row Enable="Y" Length="8"/>)");
    // 12 x 2 + 14 x 1 + 61 = 99 bit times of 4340 ns: 429 660 ns, 0.5 ms, code 5.
    QTest::newRow("COM3, 16 bits in, 8 out")
        << std::optional(parGen("<IOLink_Slave_Baudrate>COM3</IOLink_Slave_Baudrate>")) << bits16in8out << '\x05';
    // 99 bit times of 26 040 ns: 2 577 960 ns, 2.6 ms.
    QTest::newRow("COM2, 16 bits in, 8 out")
        << std::optional(parGen("<IOLink_Slave_Baudrate>COM2</IOLink_Slave_Baudrate>")) << bits16in8out << '\x1A';
    // Without ParGen.xml the COM1 bit time: 61 x 208 330 ns = 12.7 ms, 6.4 ms + 16 x 0.4 ms.
    QTest::newRow("no ParGen.xml, no process data")
        << std::optional<QByteArray>() << ioLinkSlave({}) << '\x50';
    QTest::newRow("no IOLink_Slave.xml")
        << std::optional(parGen("<IOLink_Slave_Baudrate>COM3</IOLink_Slave_Baudrate>")) << QByteArray() << '\0';
}

void TestBank2Image::minCycleTime()
{
    QFETCH(std::optional<QByteArray>, parGenFile);
    QFETCH(QByteArray, ioLinkFile);
    QFETCH(char, code);

    ProjectSources sources{.parGen = parGenFile};
    if (!ioLinkFile.isEmpty())
        sources.ioLinkSlave = ioLinkFile;
    const CompileResult result = compiled(sources);
    QVERIFY(result.ok());
    QCOMPARE(result.images.bank2.at(0xE001), code);
}

void TestBank2Image::variableRecords()
{
    const QByteArray variables =
        R"(<row Enable="Y" Index="0x1234" Name="v" Access="Read Write" Length="16" DefaultValue="-2" PositionRead="2" StartBitRead="3" PositionWrite="4" StartBitWrite="5"/>)"
        R"(<row Enable="N" Index="70"/>)"
        R"(<row Enable=" Y" Index="71"/>)"
        R"(<row Index="72"/>)"
        R"(<row Enable="Y" Index="80" Access="read write" Length="1" DefaultValue="0x7FFFFFFF" PositionRead="1399" StartBitRead="7" PositionWrite="1399" StartBitWrite="0"/>)"
        R"(<other Enable="y" Index="x90" Access="Write Only" Length="" PositionRead="70000"/>)";

    const CompileResult result = compiled({.ioLinkSlave = ioLinkSlave(variables)});
    QVERIFY(result.ok());
    const QByteArray &bank2 = result.images.bank2;

    QCOMPARE(bank2.size(), 57372 + 3 * 20);
    QCOMPARE(u32(bank2, 0xE004), 3u); // n_par
    QCOMPARE(u32(bank2, 0xE00C), 0x8E01Cu);
    //                                         idx sub acc bw br spare pr   pw   length   default
    QCOMPARE(bank2.sliced(0xE01C, 20).toHex(' '), hex("3412 00 03 05 03 0000 0200 0400 10000000 FEFFFFFF").toHex(' '));
    QCOMPARE(bank2.sliced(0xE030, 20).toHex(' '), hex("5000 00 02 00 07 0000 7705 7705 01000000 FFFFFF7F").toHex(' '));
    QCOMPARE(bank2.sliced(0xE044, 20).toHex(' '), hex("9000 00 01 00 00 0000 7011 0000 00000000 00000000").toHex(' '));
}

QTEST_GUILESS_MAIN(TestBank2Image)
#include "tst_bank2_image.moc"

// SPDX-License-Identifier: MIT
#include "params/par_gen.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using Overrides = QList<std::pair<QString, QString>>;

ParGenValues withOverrides(const Overrides &overrides)
{
    ParGenValues values;
    for (const auto &[element, text] : overrides) {
        QString *field = values.text(element);
        Q_ASSERT(field);
        *field = text;
    }
    return values;
}

QByteArray parGenDocument(const QByteArray &children)
{
    return "<Par_Gen>" + children + "</Par_Gen><!--SW_VERSION = 1.003-->";
}

} // namespace

class TestParGen : public QObject
{
    Q_OBJECT
private slots:
    void checks_data();
    void checks();
    void loadRules_data();
    void loadRules();
    void loadKeepsRawTextsForOtherReaders();
    void malformedDocumentGivesDefaults();
    void writtenDocument();
    void roundTripThroughFile();
    void failedWriteReportsReason();
};

void TestParGen::checks_data()
{
    QTest::addColumn<Overrides>("overrides");
    QTest::addColumn<int>("message"); // 0: every rule holds
    QTest::addColumn<QString>("element");

    const QString on = u"1"_s;
    QTest::newRow("defaults pass") << Overrides{} << 0 << QString();
    QTest::newRow("node ID empty") << Overrides{{u"CANopen_IDDev"_s, u""_s}} << 1124 << u"CANopen_IDDev"_s;
    QTest::newRow("node ID 0") << Overrides{{u"CANopen_IDDev"_s, u"0"_s}} << 1124 << u"CANopen_IDDev"_s;
    QTest::newRow("node ID 128") << Overrides{{u"CANopen_IDDev"_s, u"128"_s}} << 1124 << u"CANopen_IDDev"_s;
    QTest::newRow("node ID 127") << Overrides{{u"CANopen_IDDev"_s, u"127"_s}} << 0 << QString();
    QTest::newRow("node ID in hex $7F") << Overrides{{u"CANopen_IDDev"_s, u"$7F"_s}} << 0 << QString();
    QTest::newRow("node ID with trailing blank")
        << Overrides{{u"CANopen_IDDev"_s, u"5 "_s}} << 1124 << u"CANopen_IDDev"_s;
    QTest::newRow("delay 300 without network start") << Overrides{{u"CANopen_Delay"_s, u"300"_s}} << 0 << QString();
    QTest::newRow("delay 300 with network start")
        << Overrides{{u"CANopen_Network_Start"_s, on}, {u"CANopen_Delay"_s, u"300"_s}} << 1125 << u"CANopen_Delay"_s;
    QTest::newRow("delay 255 with network start")
        << Overrides{{u"CANopen_Network_Start"_s, on}, {u"CANopen_Delay"_s, u"255"_s}} << 0 << QString();
    QTest::newRow("SDO time-out 100000") << Overrides{{u"CANopen_SDO_TimeOut"_s, u"100000"_s}} << 0 << QString();
    QTest::newRow("SDO time-out 100001")
        << Overrides{{u"CANopen_SDO_TimeOut"_s, u"100001"_s}} << 1126 << u"CANopen_SDO_TimeOut"_s;
    QTest::newRow("SDO time-out -1")
        << Overrides{{u"CANopen_SDO_TimeOut"_s, u"-1"_s}} << 1126 << u"CANopen_SDO_TimeOut"_s;
    QTest::newRow("DNS 999 while DNS disabled")
        << Overrides{{u"Eth_Conn_Primary_DNS1"_s, u"999"_s}, {u"Eth_Conn_Secondary_DNS4"_s, u"999"_s}} << 0
        << QString();
    QTest::newRow("DNS enabled: primary before secondary")
        << Overrides{{u"Eth_Conn_Enable_DNS"_s, on},
                     {u"Eth_Conn_Secondary_DNS1"_s, u"999"_s},
                     {u"Eth_Conn_Primary_DNS3"_s, u"256"_s}}
        << 1407 << u"Eth_Conn_Primary_DNS3"_s;
    QTest::newRow("DNS enabled: secondary octet 4 not a number")
        << Overrides{{u"Eth_Conn_Enable_DNS"_s, on}, {u"Eth_Conn_Secondary_DNS4"_s, u"x"_s}} << 1412
        << u"Eth_Conn_Secondary_DNS4"_s;
    QTest::newRow("DNS rules come before the node ID")
        << Overrides{{u"Eth_Conn_Enable_DNS"_s, on}, {u"Eth_Conn_Primary_DNS1"_s, u""_s}, {u"CANopen_IDDev"_s, u"0"_s}}
        << 1405 << u"Eth_Conn_Primary_DNS1"_s;
    QTest::newRow("address octet 300 with DHCP on")
        << Overrides{{u"Eth_Conn_DHCP_Cable"_s, on}, {u"Ethernet_IP3"_s, u"300"_s}} << 1136 << u"Ethernet_IP3"_s;
    QTest::newRow("mask octet 4 empty") << Overrides{{u"Ethernet_SM4"_s, u""_s}} << 1141 << u"Ethernet_SM4"_s;
    QTest::newRow("gateway 999 while disabled") << Overrides{{u"Ethernet_GAT2"_s, u"999"_s}} << 0 << QString();
    QTest::newRow("gateway octet 2 256 while enabled")
        << Overrides{{u"Ethernet_EN_GAT"_s, on}, {u"Ethernet_GAT2"_s, u"256"_s}} << 1143 << u"Ethernet_GAT2"_s;
    QTest::newRow("host name never checked")
        << Overrides{{u"Eth_Conn_Device_Name"_s, QString(80, u'#')}} << 0 << QString();
}

void TestParGen::checks()
{
    QFETCH(Overrides, overrides);
    QFETCH(int, message);
    QFETCH(QString, element);
    const std::optional<ParGenCheckFailure> failure = Controllo_Dati(withOverrides(overrides));
    if (message == 0) {
        QVERIFY2(!failure, qPrintable(u"message %1"_s.arg(failure ? failure->message : 0)));
        return;
    }
    QVERIFY(failure);
    QCOMPARE(failure->message, message);
    QCOMPARE(failure->element, element);
}

void TestParGen::loadRules_data()
{
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("expected");

    auto row = [](const char *name, const QByteArray &children, const QString &element, const QString &expected) {
        QTest::newRow(name) << parGenDocument(children) << element << expected;
    };
    row("flag 1", "<Eth_Conn_DHCP_Cable>1</Eth_Conn_DHCP_Cable>", u"Eth_Conn_DHCP_Cable"_s, u"1"_s);
    row("flag true", "<Eth_Conn_DHCP_Cable>true</Eth_Conn_DHCP_Cable>", u"Eth_Conn_DHCP_Cable"_s, u"0"_s);
    row("flag with blank", "<Ethernet_EN_GAT> 1</Ethernet_EN_GAT>", u"Ethernet_EN_GAT"_s, u"0"_s);
    row("rate COM3 with blanks", "<IOLink_Slave_Baudrate>  COM3 </IOLink_Slave_Baudrate>",
        u"IOLink_Slave_Baudrate"_s, u"COM3"_s);
    row("rate com3 lower case", "<IOLink_Slave_Baudrate>com3</IOLink_Slave_Baudrate>",
        u"IOLink_Slave_Baudrate"_s, u"COM1"_s);
    row("rate COM2", "<IOLink_Slave_Baudrate>COM2</IOLink_Slave_Baudrate>", u"IOLink_Slave_Baudrate"_s, u"COM2"_s);
    row("bit rate missing", "", u"CANopen_BAUDRATE"_s, u"5"_s);
    row("bit rate not a number", "<CANopen_BAUDRATE>fast</CANopen_BAUDRATE>", u"CANopen_BAUDRATE"_s, u"5"_s);
    row("bit rate 3", "<CANopen_BAUDRATE>3</CANopen_BAUDRATE>", u"CANopen_BAUDRATE"_s, u"3"_s);
    row("bit rate 9 shows 1000K", "<CANopen_BAUDRATE>9</CANopen_BAUDRATE>", u"CANopen_BAUDRATE"_s, u"8"_s);
    row("bit rate -1 shows 1000K", "<CANopen_BAUDRATE>-1</CANopen_BAUDRATE>", u"CANopen_BAUDRATE"_s, u"8"_s);
    row("edit text kept untrimmed", "<Ethernet_IP1> 10 </Ethernet_IP1>", u"Ethernet_IP1"_s, u" 10 "_s);
    row("empty edit text", "<CANopen_Delay></CANopen_Delay>", u"CANopen_Delay"_s, QString());
    row("missing edit gets default", "<Ethernet_IP1>10</Ethernet_IP1>", u"Ethernet_IP4"_s, u"5"_s);
    row("element order does not matter",
        "<Ethernet_EN_GAT>1</Ethernet_EN_GAT><Eth_Conn_Device_Name>plc</Eth_Conn_Device_Name>",
        u"Eth_Conn_Device_Name"_s, u"plc"_s);
    QTest::newRow("root name not compared")
        << QByteArray("<Other><CANopen_IDDev>7</CANopen_IDDev></Other>") << u"CANopen_IDDev"_s << u"7"_s;
    QTest::newRow("non-ASCII host name")
        << parGenDocument("<Eth_Conn_Device_Name>Pr\xC3\xBC" "fstand</Eth_Conn_Device_Name>")
        << u"Eth_Conn_Device_Name"_s << u"Pr\u00FCfstand"_s;
}

void TestParGen::loadRules()
{
    QFETCH(QByteArray, document);
    QFETCH(QString, element);
    QFETCH(QString, expected);
    const ParGenReadResult read = readParGen(document);
    QCOMPARE(read.status, ParGenFileStatus::Loaded);
    QCOMPARE(*read.values.text(element), expected);
}

void TestParGen::loadKeepsRawTextsForOtherReaders()
{
    const ParGenReadResult read =
        readParGen(parGenDocument("<CANopen_BAUDRATE>fast</CANopen_BAUDRATE><CANopen_Delay></CANopen_Delay>"));
    QCOMPARE(read.elementTexts.size(), 2);
    QCOMPARE(read.elementTexts.value(u"CANopen_BAUDRATE"_s), u"fast"_s);
    QVERIFY(read.elementTexts.contains(u"CANopen_Delay"_s));
    QVERIFY(!read.elementTexts.contains(u"Ethernet_IP4"_s));
}

void TestParGen::malformedDocumentGivesDefaults()
{
    for (const QByteArray &bytes : {QByteArray("<Par_Gen><CANopen_IDDev>7</Par_Gen>"), QByteArray()}) {
        const ParGenReadResult read = readParGen(bytes);
        QCOMPARE(read.status, ParGenFileStatus::Malformed);
        QVERIFY(!read.ok());
        QVERIFY(!read.error.isEmpty());
        QCOMPARE(read.values, ParGenValues{});
    }
    QTemporaryDir dir;
    const ParGenReadResult missing = readParGenFile(dir.filePath(u"ParGen.xml"_s));
    QCOMPARE(missing.status, ParGenFileStatus::NotFound);
    QVERIFY(missing.ok());
    QCOMPARE(missing.values, ParGenValues{});
}

void TestParGen::writtenDocument()
{
    ParGenValues values;
    values.Eth_Conn_Device_Name = u"A&B <\u00FC>"_s;
    values.Eth_Conn_DHCP_Cable = u"1"_s;
    values.IOLink_Slave_Baudrate = u"COM3"_s;
    values.CANopen_BAUDRATE = u"8"_s;
    values.CANopen_Delay = QString();
    values.Ethernet_IP1 = u" 10"_s;

    const QByteArray expected = "<Par_Gen>"
                                "<Eth_Conn_Device_Name>A&amp;B &lt;\xC3\xBC&gt;</Eth_Conn_Device_Name>"
                                "<Eth_Conn_DHCP_Cable>1</Eth_Conn_DHCP_Cable>"
                                "<Eth_Conn_DHCP_WiFi>0</Eth_Conn_DHCP_WiFi>"
                                "<Eth_Conn_Enable_DNS>0</Eth_Conn_Enable_DNS>"
                                "<Eth_Conn_Primary_DNS1>8</Eth_Conn_Primary_DNS1>"
                                "<Eth_Conn_Primary_DNS2>8</Eth_Conn_Primary_DNS2>"
                                "<Eth_Conn_Primary_DNS3>8</Eth_Conn_Primary_DNS3>"
                                "<Eth_Conn_Primary_DNS4>8</Eth_Conn_Primary_DNS4>"
                                "<Eth_Conn_Secondary_DNS1>8</Eth_Conn_Secondary_DNS1>"
                                "<Eth_Conn_Secondary_DNS2>8</Eth_Conn_Secondary_DNS2>"
                                "<Eth_Conn_Secondary_DNS3>4</Eth_Conn_Secondary_DNS3>"
                                "<Eth_Conn_Secondary_DNS4>4</Eth_Conn_Secondary_DNS4>"
                                "<IOLink_Slave_Baudrate>COM3</IOLink_Slave_Baudrate>"
                                "<CANopen_IDDev>1</CANopen_IDDev>"
                                "<CANopen_BAUDRATE>8</CANopen_BAUDRATE>"
                                "<CANopen_Set_Operational>0</CANopen_Set_Operational>"
                                "<CANopen_Network_Start>0</CANopen_Network_Start>"
                                "<CANopen_Delay></CANopen_Delay>"
                                "<CANopen_SDO_TimeOut>10000</CANopen_SDO_TimeOut>"
                                "<Ethernet_IP1> 10</Ethernet_IP1>"
                                "<Ethernet_IP2>168</Ethernet_IP2>"
                                "<Ethernet_IP3>0</Ethernet_IP3>"
                                "<Ethernet_IP4>5</Ethernet_IP4>"
                                "<Ethernet_SM1>255</Ethernet_SM1>"
                                "<Ethernet_SM2>255</Ethernet_SM2>"
                                "<Ethernet_SM3>255</Ethernet_SM3>"
                                "<Ethernet_SM4>0</Ethernet_SM4>"
                                "<Ethernet_GAT1>192</Ethernet_GAT1>"
                                "<Ethernet_GAT2>168</Ethernet_GAT2>"
                                "<Ethernet_GAT3>0</Ethernet_GAT3>"
                                "<Ethernet_GAT4>1</Ethernet_GAT4>"
                                "<Ethernet_EN_GAT>0</Ethernet_EN_GAT>"
                                "</Par_Gen>"
                                "<!--SW_VERSION = 1.003-->";
    QCOMPARE(writeParGen(values), expected);
}

void TestParGen::roundTripThroughFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"ParGen.xml"_s);
    ParGenValues values;
    for (const ParGenElement &element : parGenElements())
        values.*element.member = u"v "_s + QString::fromLatin1(element.name); // any text survives
    values.Eth_Conn_DHCP_Cable = u"1"_s;
    values.IOLink_Slave_Baudrate = u"COM2"_s;
    values.CANopen_BAUDRATE = u"0"_s;
    for (QString *flag : {&values.Eth_Conn_DHCP_WiFi, &values.Eth_Conn_Enable_DNS, &values.CANopen_Set_Operational,
                          &values.CANopen_Network_Start, &values.Ethernet_EN_GAT})
        *flag = u"0"_s;
    QVERIFY(writeParGenFile(path, values).ok);
    const ParGenReadResult read = readParGenFile(path);
    QCOMPARE(read.status, ParGenFileStatus::Loaded);
    QCOMPARE(read.values, values);
    QCOMPARE(read.elementTexts.size(), ParGenElementCount);
}

void TestParGen::failedWriteReportsReason()
{
    QTemporaryDir dir;
    const FileResult written = writeParGenFile(dir.filePath(u"missing/ParGen.xml"_s), ParGenValues{});
    QVERIFY(!written.ok);
    QVERIFY(!written.error.isEmpty());
}

QTEST_GUILESS_MAIN(TestParGen)
#include "tst_par_gen.moc"

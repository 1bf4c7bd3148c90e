// SPDX-License-Identifier: MIT
#include "tables/iolink_slave_file.h"
#include "tables/pdo_file.h"
#include "tables/sdo_client_file.h"
#include "tables/sdo_server_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(TableFileStatus)

char *toString(TableFileStatus status)
{
    switch (status) {
    case TableFileStatus::Loaded: return qstrdup("Loaded");
    case TableFileStatus::NotFound: return qstrdup("NotFound");
    case TableFileStatus::Unreadable: return qstrdup("Unreadable");
    case TableFileStatus::Malformed: return qstrdup("Malformed");
    case TableFileStatus::ListMissing: return qstrdup("ListMissing");
    case TableFileStatus::TooManyRows: return qstrdup("TooManyRows");
    }
    return qstrdup("?");
}

namespace {

// A value per format that exercises what cells may hold: blanks kept, XML special characters,
// non-ASCII, tabs and line breaks, empty cells, garbage beyond the used bytes.
const QString oddText = u" a&b <c> \"d\" 'e' \t f\r\ng Grüße € "_s;

IOLinkSlaveData sampleIOLink()
{
    IOLinkSlaveData data;
    IOLinkVariableRow variable;
    variable.Index = u"0x40"_s;
    variable.Name = u"Speed"_s;
    variable.Access = u"Read Write"_s;
    variable.Length = u"16"_s;
    variable.Gradient = u"0,5"_s;
    variable.Offset = u"-3"_s;
    variable.UnitCode = u"1000"_s;
    variable.DefaultValue = u"$FF"_s;
    variable.PositionRead = u"2"_s;
    variable.StartBitRead = u"0"_s;
    variable.PositionWrite = u"0"_s;
    variable.StartBitWrite = u"7"_s;
    variable.Description = oddText;
    data.Variables << variable;
    IOLinkVariableRow disabled;
    disabled.Enable = u"N"_s;
    disabled.Index = u"not a number"_s;
    disabled.Access = u"read only"_s; // kept as stored; only the dialog filters it
    data.Variables << disabled;
    IOLinkProcessDataRow input;
    input.Name = u"Flags"_s;
    input.Length = u" 3"_s;
    input.Gradient = u"1"_s;
    input.Offset = u"0"_s;
    input.UnitCode = u"1000"_s;
    input.Position = u"0"_s;
    input.StartBit = u"0"_s;
    input.Mnemonic = oddText;
    data.Process_Data_Input << input << IOLinkProcessDataRow{};
    IOLinkProcessDataRow output = input;
    output.Enable = u" y "_s;
    data.Process_Data_Output << output;
    return data;
}

SdoServerData sampleSdoServer()
{
    SdoServerData data;
    SdoServerRow row;
    row.Index = u"0x2000"_s;
    row.SubIndex = u"1"_s;
    row.NByte = u"2"_s;
    row.Address_B1 = u"10"_s;
    row.Address_B2 = u"11"_s;
    row.Address_B3 = u"garbage"_s;
    row.Mnemonic = oddText;
    data.SDO_Read << row;
    row.Index = u"$2001 "_s;
    data.SDO_Write << row << row;
    return data;
}

SdoClientData sampleSdoClient()
{
    SdoClientData data;
    SdoClientReadRow read;
    read.Device_ID = u"5"_s;
    read.Index = u"0x1000"_s;
    read.SubIndex = u"0"_s;
    read.NByte = u"4"_s;
    read.Poll_Time = u"100000000"_s;
    read.Address_B1 = u"1"_s;
    read.Address_B2 = u"2"_s;
    read.Address_B3 = u"3"_s;
    read.Address_B4 = u"1499"_s;
    read.Mnemonic = oddText;
    data.SDO_Read << read;
    SdoClientWriteRow write;
    write.Device_ID = u"127"_s;
    write.Index = u"0xFFFF"_s;
    write.NByte = u"1"_s;
    write.Poll_Time = u"0"_s;
    write.Address_B1 = u"0"_s;
    data.SDO_Write << write; // On_Change never touched: empty
    write.On_Change = u"Y"_s;
    data.SDO_Write << write;
    return data;
}

PdoData samplePdo()
{
    PdoData data;
    PdoReceiveRow receive;
    receive.COB_ID = u"0x181"_s;
    receive.Dimension = u"3"_s;
    receive.Address_B1 = u"0"_s;
    receive.Address_B2 = u"1"_s;
    receive.Address_B3 = u"2"_s;
    receive.Address_B8 = u"junk"_s;
    receive.TimeOut = u"65535"_s;
    receive.Mnemonic = oddText;
    data.Receive_PDO << receive;
    PdoTransmitRow transmit;
    transmit.COB_ID = u"2047"_s;
    transmit.Dimension = u"8"_s;
    transmit.Address_B1 = u"100"_s;
    transmit.Address_B5 = u"104"_s;
    transmit.Address_B8 = u"107"_s;
    transmit.Send_Time = u"0"_s;
    transmit.On_Change = u"N"_s;
    data.Transmit_PDO << transmit;
    return data;
}

// Reads bytes as the named format and gives what every result shares.
struct Outcome {
    TableFileStatus status;
    QString error;
};

Outcome readAs(const QString &format, const QByteArray &bytes)
{
    if (format == u"iolink") {
        const IOLinkSlaveReadResult read = readIOLinkSlave(bytes);
        return {read.status, read.error};
    }
    if (format == u"sdo server") {
        const SdoServerReadResult read = readSdoServer(bytes);
        return {read.status, read.error};
    }
    if (format == u"sdo client") {
        const SdoClientReadResult read = readSdoClient(bytes);
        return {read.status, read.error};
    }
    const PdoReadResult read = readPdo(bytes);
    return {read.status, read.error};
}

// count row elements, each with a distinct first attribute.
QByteArray rows(int count, const char *attribute)
{
    QByteArray bytes;
    for (int i = 1; i <= count; ++i)
        bytes += "<row " + QByteArray(attribute) + "=\"" + QByteArray::number(i) + "\"/>";
    return bytes;
}

template <typename Row>
QList<Row> rowsWithKeys(const QStringList &keys)
{
    QList<Row> list;
    for (const QString &key : keys) {
        QStringList cells(qsizetype(Row::attributes().size()), u"x"_s);
        cells[Row::keyAttribute] = key;
        list << rowFromCells<Row>(cells);
    }
    return list;
}

} // namespace

class TestTableFiles : public QObject
{
    Q_OBJECT

private slots:
    void writtenBytes_data();
    void writtenBytes();
    void roundTrip();
    void readStatus_data();
    void readStatus();
    void missingAttributesGiveDefaults();
    void tooManyRowsKeepsEveryRow();
    void truncatedDocuments();
    void files();
    void usedRowCount_data();
    void usedRowCount();
    void cellRules();
};

void TestTableFiles::writtenBytes_data()
{
    QTest::addColumn<QByteArray>("written");
    QTest::addColumn<QByteArray>("expected");

    {
        IOLinkSlaveData data;
        IOLinkVariableRow variable;
        variable.Index = u"64"_s;
        variable.Name = u"Temp"_s;
        variable.Access = u"Read Only"_s;
        variable.Length = u"8"_s;
        variable.Description = u"T<1>"_s;
        data.Variables << variable;
        IOLinkProcessDataRow input;
        input.Enable = u"N"_s;
        input.Length = u"3"_s;
        input.Mnemonic = u"m"_s;
        data.Process_Data_Input << input;
        QTest::newRow("IOLink_Slave.xml") << writeIOLinkSlave(data)
            << QByteArray("<IOLinkSlave><Variables>"
                          "<row Enable=\"Y\" Index=\"64\" Name=\"Temp\" Access=\"Read Only\" Length=\"8\" "
                          "Gradient=\"\" Offset=\"\" UnitCode=\"\" DefaultValue=\"\" PositionRead=\"\" "
                          "StartBitRead=\"\" PositionWrite=\"\" StartBitWrite=\"\" Description=\"T&lt;1>\" "
                          "Mnemonic=\"\"></row></Variables>"
                          "<Process_Data><Process_Data_Input>"
                          "<row Enable=\"N\" Name=\"\" Length=\"3\" Gradient=\"\" Offset=\"\" UnitCode=\"\" "
                          "Position=\"\" StartBit=\"\" Description=\"\" Mnemonic=\"m\"></row>"
                          "</Process_Data_Input><Process_Data_Output></Process_Data_Output></Process_Data>"
                          "</IOLinkSlave><!--SW_VERSION = 1.003-->");
        QTest::newRow("IOLink_Slave.xml, empty tables") << writeIOLinkSlave({})
            << QByteArray("<IOLinkSlave><Variables></Variables><Process_Data><Process_Data_Input>"
                          "</Process_Data_Input><Process_Data_Output></Process_Data_Output></Process_Data>"
                          "</IOLinkSlave><!--SW_VERSION = 1.003-->");
    }
    {
        SdoServerData data;
        SdoServerRow row;
        row.Index = u"0x2000"_s;
        row.SubIndex = u"1"_s;
        row.NByte = u"2"_s;
        row.Address_B1 = u"10"_s;
        row.Address_B2 = u" 11 "_s;
        row.Mnemonic = u"Speed & \"dir\""_s;
        data.SDO_Write << row;
        QTest::newRow("SDO_Server_CANopen.xml") << writeSdoServer(data)
            << QByteArray("<SDO_Server_CANopen><SDO_Read></SDO_Read><SDO_Write>"
                          "<row Index=\"0x2000\" SubIndex=\"1\" NByte=\"2\" Address_B1=\"10\" Address_B2=\" 11 \" "
                          "Address_B3=\"\" Address_B4=\"\" Mnemonic=\"Speed &amp; &quot;dir&quot;\"></row>"
                          "</SDO_Write></SDO_Server_CANopen><!--SW_VERSION = 1.003-->");
    }
    {
        SdoClientData data;
        SdoClientReadRow read;
        read.Device_ID = u"1"_s;
        read.Index = u"0x1017"_s;
        read.Mnemonic = u"é"_s;
        data.SDO_Read << read;
        SdoClientWriteRow write;
        write.Device_ID = u"2"_s;
        write.Poll_Time = u"50"_s;
        write.On_Change = u"Y"_s;
        write.Address_B1 = u"7"_s;
        data.SDO_Write << write;
        QTest::newRow("SDO_Client_CANopen.xml") << writeSdoClient(data)
            << QByteArray("<SDO_Client_CANopen><SDO_Read>"
                          "<row Device_ID=\"1\" Index=\"0x1017\" SubIndex=\"\" NByte=\"\" Poll_Time=\"\" "
                          "Address_B1=\"\" Address_B2=\"\" Address_B3=\"\" Address_B4=\"\" Mnemonic=\"\xC3\xA9\"></row>"
                          "</SDO_Read><SDO_Write>"
                          "<row Device_ID=\"2\" Index=\"\" SubIndex=\"\" NByte=\"\" Poll_Time=\"50\" On_Change=\"Y\" "
                          "Address_B1=\"7\" Address_B2=\"\" Address_B3=\"\" Address_B4=\"\" Mnemonic=\"\"></row>"
                          "</SDO_Write></SDO_Client_CANopen><!--SW_VERSION = 1.003-->");
    }
    {
        PdoData data;
        PdoReceiveRow receive;
        receive.COB_ID = u"0x181"_s;
        receive.Dimension = u"1"_s;
        receive.Address_B1 = u"0"_s;
        receive.TimeOut = u"0"_s;
        data.Receive_PDO << receive;
        PdoTransmitRow transmit;
        transmit.COB_ID = u"0x201"_s;
        transmit.Dimension = u"2"_s;
        transmit.Address_B8 = u"9"_s;
        transmit.Send_Time = u"100"_s;
        transmit.On_Change = u"N"_s;
        data.Transmit_PDO << transmit;
        QTest::newRow("PDO_CANopen.xml") << writePdo(data)
            << QByteArray("<PDO_CANopen><Receive_PDO>"
                          "<row COB-ID=\"0x181\" Dimension=\"1\" Address_B1=\"0\" Address_B2=\"\" Address_B3=\"\" "
                          "Address_B4=\"\" Address_B5=\"\" Address_B6=\"\" Address_B7=\"\" Address_B8=\"\" "
                          "TimeOut=\"0\" Mnemonic=\"\"></row></Receive_PDO><Transmit_PDO>"
                          "<row COB-ID=\"0x201\" Dimension=\"2\" Address_B1=\"\" Address_B2=\"\" Address_B3=\"\" "
                          "Address_B4=\"\" Address_B5=\"\" Address_B6=\"\" Address_B7=\"\" Address_B8=\"9\" "
                          "Send_Time=\"100\" On_Change=\"N\" Mnemonic=\"\"></row>"
                          "</Transmit_PDO></PDO_CANopen><!--SW_VERSION = 1.003-->");
    }
}

void TestTableFiles::writtenBytes()
{
    QFETCH(QByteArray, written);
    QFETCH(QByteArray, expected);
    QCOMPARE(written, expected);
}

void TestTableFiles::roundTrip()
{
    const IOLinkSlaveData ioLink = sampleIOLink();
    const IOLinkSlaveReadResult ioLinkRead = readIOLinkSlave(writeIOLinkSlave(ioLink));
    QCOMPARE(ioLinkRead.status, TableFileStatus::Loaded);
    QVERIFY(ioLinkRead.error.isEmpty());
    QCOMPARE(ioLinkRead.data, ioLink);

    const SdoServerData server = sampleSdoServer();
    const SdoServerReadResult serverRead = readSdoServer(writeSdoServer(server));
    QCOMPARE(serverRead.status, TableFileStatus::Loaded);
    QCOMPARE(serverRead.data, server);

    const SdoClientData client = sampleSdoClient();
    const SdoClientReadResult clientRead = readSdoClient(writeSdoClient(client));
    QCOMPARE(clientRead.status, TableFileStatus::Loaded);
    QCOMPARE(clientRead.data, client);

    const PdoData pdo = samplePdo();
    const PdoReadResult pdoRead = readPdo(writePdo(pdo));
    QCOMPARE(pdoRead.status, TableFileStatus::Loaded);
    QCOMPARE(pdoRead.data, pdo);
}

void TestTableFiles::readStatus_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<TableFileStatus>("status");
    QTest::addColumn<QString>("errorPart"); // a piece the error text must hold

    const auto loaded = TableFileStatus::Loaded;
    const auto malformed = TableFileStatus::Malformed;
    const auto missing = TableFileStatus::ListMissing;
    const auto tooMany = TableFileStatus::TooManyRows;

    QTest::newRow("sdo server: unclosed list") << u"sdo server"_s
        << QByteArray("<SDO_Server_CANopen><SDO_Read></SDO_Server_CANopen>") << malformed << u"at byte"_s;
    QTest::newRow("iolink: unquoted attribute") << u"iolink"_s
        << QByteArray("<IOLinkSlave><Variables><row Enable=Y/></Variables></IOLinkSlave>") << malformed
        << u"IOLink_Slave.xml: not well-formed"_s;
    QTest::newRow("pdo: empty file") << u"pdo"_s << QByteArray() << malformed << u"PDO_CANopen.xml"_s;
    QTest::newRow("sdo client: only the comment") << u"sdo client"_s
        << QByteArray("<!--SW_VERSION = 1.003-->") << malformed << u"SDO_Client_CANopen.xml"_s;

    QTest::newRow("sdo server: no SDO_Write") << u"sdo server"_s
        << QByteArray("<SDO_Server_CANopen><SDO_Read/></SDO_Server_CANopen>") << missing << u"SDO_Write"_s;
    QTest::newRow("sdo client: no SDO_Read") << u"sdo client"_s
        << QByteArray("<SDO_Client_CANopen><SDO_Write/></SDO_Client_CANopen>") << missing << u"SDO_Read"_s;
    QTest::newRow("pdo: lists one level too deep") << u"pdo"_s
        << QByteArray("<PDO_CANopen><x><Receive_PDO/><Transmit_PDO/></x></PDO_CANopen>") << missing
        << u"Receive_PDO"_s;
    QTest::newRow("pdo: list names differ in case") << u"pdo"_s
        << QByteArray("<PDO_CANopen><Receive_PDO/><transmit_pdo/></PDO_CANopen>") << missing
        << u"Transmit_PDO"_s;

    QTest::newRow("iolink: root without lists") << u"iolink"_s << QByteArray("<IOLinkSlave/>") << loaded
        << QString();
    QTest::newRow("iolink: Process_Data without output") << u"iolink"_s
        << QByteArray("<IOLinkSlave><Process_Data><Process_Data_Input/></Process_Data></IOLinkSlave>") << loaded
        << QString();
    QTest::newRow("sdo server: declaration, other root name") << u"sdo server"_s
        << QByteArray("<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<Other>\r\n  <SDO_Write/>\r\n  <SDO_Read/>\r\n</Other>")
        << loaded << QString();

    QTest::newRow("pdo: 30 rows each") << u"pdo"_s
        << "<PDO_CANopen><Receive_PDO>" + rows(30, "COB-ID") + "</Receive_PDO><Transmit_PDO>"
               + rows(30, "COB-ID") + "</Transmit_PDO></PDO_CANopen>"
        << loaded << QString();
    QTest::newRow("pdo: 31 transmit rows") << u"pdo"_s
        << "<PDO_CANopen><Receive_PDO/><Transmit_PDO>" + rows(31, "COB-ID") + "</Transmit_PDO></PDO_CANopen>"
        << tooMany << u"Transmit_PDO holds 31 rows"_s;
    QTest::newRow("sdo server: 501 read rows") << u"sdo server"_s
        << "<SDO_Server_CANopen><SDO_Read>" + rows(501, "Index") + "</SDO_Read><SDO_Write/></SDO_Server_CANopen>"
        << tooMany << u"SDO_Read holds 501 rows"_s;
    QTest::newRow("sdo client: 257 write rows") << u"sdo client"_s
        << "<SDO_Client_CANopen><SDO_Read/><SDO_Write>" + rows(257, "Device_ID")
               + "</SDO_Write></SDO_Client_CANopen>"
        << tooMany << u"SDO_Write holds 257 rows"_s;
    QTest::newRow("iolink: 513 output rows") << u"iolink"_s
        << "<IOLinkSlave><Process_Data><Process_Data_Output>" + rows(513, "Length")
               + "</Process_Data_Output></Process_Data></IOLinkSlave>"
        << tooMany << u"Process_Data_Output holds 513 rows"_s;
}

void TestTableFiles::readStatus()
{
    QFETCH(QString, format);
    QFETCH(QByteArray, bytes);
    QFETCH(TableFileStatus, status);
    QFETCH(QString, errorPart);

    const Outcome outcome = readAs(format, bytes);
    QCOMPARE(outcome.status, status);
    if (errorPart.isEmpty())
        QVERIFY2(outcome.error.isEmpty(), qPrintable(outcome.error));
    else
        QVERIFY2(outcome.error.contains(errorPart), qPrintable(outcome.error));
}

void TestTableFiles::missingAttributesGiveDefaults()
{
    const IOLinkSlaveReadResult ioLink = readIOLinkSlave(
        "<IOLinkSlave><Variables><row Index=\"100\" Access=\"read only\"/></Variables>"
        "<Process_Data><Process_Data_Input><item Length=\"8\"/><!--kept out-->text<row Enable=\"N\"/>"
        "</Process_Data_Input></Process_Data></IOLinkSlave>");
    QCOMPARE(ioLink.status, TableFileStatus::Loaded);
    QCOMPARE(ioLink.data.Variables.size(), 1);
    const IOLinkVariableRow &variable = ioLink.data.Variables.first();
    QCOMPARE(variable.Enable, u"Y"_s); // shown enabled, though the generators leave it out
    QVERIFY(!attributePresent(variable, u"Enable"));
    QVERIFY(attributePresent(variable, u"Index"));
    QCOMPARE(variable.Access, u"read only"_s);
    QCOMPARE(Get_Var_Access(variable.Access), QString());
    QCOMPARE(variable.Name, QString());
    QCOMPARE(variable.missingAttributes.size(), 13);
    // Every element child is a row whatever its name; comments and text are not.
    QCOMPARE(ioLink.data.Process_Data_Input.size(), 2);
    QCOMPARE(ioLink.data.Process_Data_Input.at(0).Length, u"8"_s);
    QCOMPARE(ioLink.data.Process_Data_Input.at(0).Enable, u"Y"_s);
    QCOMPARE(ioLink.data.Process_Data_Input.at(1).Enable, u"N"_s);
    QVERIFY(ioLink.data.Process_Data_Output.isEmpty());

    const SdoClientReadResult client = readSdoClient(
        "<SDO_Client_CANopen><SDO_Read><row Device_ID=\"5\"/></SDO_Read>"
        "<SDO_Write><row On_Change=\"\"/><row Device_ID=\"6\"/></SDO_Write></SDO_Client_CANopen>");
    QCOMPARE(client.status, TableFileStatus::Loaded);
    QCOMPARE(client.data.SDO_Read.first().Index, QString());
    QVERIFY(!attributePresent(client.data.SDO_Read.first(), u"Index"));
    // An empty On_Change is a stored value; a missing one is not.
    QVERIFY(attributePresent(client.data.SDO_Write.at(0), u"On_Change"));
    QVERIFY(!attributePresent(client.data.SDO_Write.at(1), u"On_Change"));
    QCOMPARE(client.data.SDO_Write.at(1).On_Change, QString());

    const PdoReadResult pdo = readPdo("<PDO_CANopen><Receive_PDO><row COB-ID=\"0x181\" Address_B8=\"8\"/>"
                                      "</Receive_PDO><Transmit_PDO/></PDO_CANopen>");
    QCOMPARE(pdo.data.Receive_PDO.first().COB_ID, u"0x181"_s);
    QCOMPARE(pdo.data.Receive_PDO.first().address(8), u"8"_s);
    QCOMPARE(pdo.data.Receive_PDO.first().Dimension, QString());
}

void TestTableFiles::tooManyRowsKeepsEveryRow()
{
    const PdoReadResult pdo = readPdo("<PDO_CANopen><Receive_PDO>" + rows(40, "COB-ID")
                                      + "</Receive_PDO><Transmit_PDO>" + rows(2, "COB-ID")
                                      + "</Transmit_PDO></PDO_CANopen>");
    QCOMPARE(pdo.status, TableFileStatus::TooManyRows);
    QVERIFY(!pdo.ok());
    QVERIFY2(pdo.error.contains(u"40 rows, more than the 30"_s), qPrintable(pdo.error));
    QCOMPARE(pdo.data.Receive_PDO.size(), 40);
    QCOMPARE(pdo.data.Receive_PDO.last().COB_ID, u"40"_s);
    QCOMPARE(pdo.data.Transmit_PDO.size(), 2); // the other list is read all the same

    // A list found before the missing one is kept.
    const SdoServerReadResult server =
        readSdoServer("<SDO_Server_CANopen><SDO_Read>" + rows(3, "Index") + "</SDO_Read></SDO_Server_CANopen>");
    QCOMPARE(server.status, TableFileStatus::ListMissing);
    QCOMPARE(server.data.SDO_Read.size(), 3);
}

// A written document cut anywhere is refused as not well-formed and gives no rows, except a cut
// right after the root's end tag, which reads in full.
void TestTableFiles::truncatedDocuments()
{
    const QList<std::pair<QString, QByteArray>> documents{
        {u"iolink"_s, writeIOLinkSlave(sampleIOLink())},
        {u"sdo server"_s, writeSdoServer(sampleSdoServer())},
        {u"sdo client"_s, writeSdoClient(sampleSdoClient())},
        {u"pdo"_s, writePdo(samplePdo())},
    };
    for (const auto &[format, bytes] : documents) {
        const qsizetype rootEnd = bytes.indexOf("<!--");
        QVERIFY(rootEnd > 0);
        for (qsizetype size = 0; size <= bytes.size(); ++size) {
            const Outcome outcome = readAs(format, bytes.first(size));
            const bool complete = size >= rootEnd && (size == rootEnd || size == bytes.size());
            if (complete)
                QCOMPARE(outcome.status, TableFileStatus::Loaded);
            else
                QCOMPARE(outcome.status, TableFileStatus::Malformed);
        }
    }
}

void TestTableFiles::files()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(u"PDO_CANopen.xml"_s);

    const PdoReadResult absent = readPdoFile(path);
    QCOMPARE(absent.status, TableFileStatus::NotFound);
    QVERIFY(absent.ok());
    QCOMPARE(absent.data, PdoData{});

    const PdoData data = samplePdo();
    QVERIFY(writePdoFile(path, data).ok);
    const PdoReadResult present = readPdoFile(path);
    QCOMPARE(present.status, TableFileStatus::Loaded);
    QCOMPARE(present.data, data);

    // A parse error names the file by its path.
    const QString brokenPath = folder.filePath(u"SDO_Server_CANopen.xml"_s);
    QFile broken(brokenPath);
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("<SDO_Server_CANopen>");
    broken.close();
    const SdoServerReadResult malformed = readSdoServerFile(brokenPath);
    QCOMPARE(malformed.status, TableFileStatus::Malformed);
    QVERIFY2(malformed.error.startsWith(brokenPath), qPrintable(malformed.error));

    QVERIFY(QDir(folder.path()).mkdir(u"IOLink_Slave.xml"_s));
    const IOLinkSlaveReadResult unreadable = readIOLinkSlaveFile(folder.filePath(u"IOLink_Slave.xml"_s));
    QCOMPARE(unreadable.status, TableFileStatus::Unreadable);
    QVERIFY(!unreadable.ok());

    const QString nowhere = folder.filePath(u"no such folder/SDO_Client_CANopen.xml"_s);
    const FileResult failed = writeSdoClientFile(nowhere, sampleSdoClient());
    QVERIFY(!failed.ok);
    QVERIFY(!failed.error.isEmpty());
}

void TestTableFiles::usedRowCount_data()
{
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<qsizetype>("expected");

    QTest::newRow("no rows") << QStringList() << qsizetype(0);
    QTest::newRow("every key filled") << QStringList{u"1"_s, u"2"_s, u"3"_s} << qsizetype(3);
    QTest::newRow("empty key ends the table") << QStringList{u"1"_s, u"2"_s, QString(), u"4"_s} << qsizetype(2);
    QTest::newRow("blank and tab key ends it") << QStringList{u"1"_s, u" \t "_s, u"3"_s} << qsizetype(1);
    QTest::newRow("first key empty") << QStringList{QString(), u"2"_s} << qsizetype(0);
    QTest::newRow("key that is not a number counts") << QStringList{u"abc"_s, u" 0x2000 "_s} << qsizetype(2);
}

void TestTableFiles::usedRowCount()
{
    QFETCH(QStringList, keys);
    QFETCH(qsizetype, expected);

    // Each table's own key column: Length, Index, Index, Device_ID, COB-ID.
    QCOMPARE(::usedRowCount(rowsWithKeys<IOLinkProcessDataRow>(keys)), expected);
    QCOMPARE(::usedRowCount(rowsWithKeys<IOLinkVariableRow>(keys)), expected);
    QCOMPARE(::usedRowCount(rowsWithKeys<SdoServerRow>(keys)), expected);
    QCOMPARE(::usedRowCount(rowsWithKeys<SdoClientWriteRow>(keys)), expected);
    QCOMPARE(::usedRowCount(rowsWithKeys<PdoTransmitRow>(keys)), expected);
    QCOMPARE(usedPart(rowsWithKeys<PdoReceiveRow>(keys)).size(), expected);
}

void TestTableFiles::cellRules()
{
    QVERIFY(checkBoxChecked(u"Y"_s));
    QVERIFY(checkBoxChecked(u" y\t"_s));
    QVERIFY(!checkBoxChecked(u"N"_s));
    QVERIFY(!checkBoxChecked(QString()));
    QVERIFY(!checkBoxChecked(u"Yes"_s));

    QCOMPARE(Get_Var_Access(u"Write Only"_s), u"Write Only"_s);
    QCOMPARE(Get_Var_Access(u"Read Write "_s), QString());
    QCOMPARE(Get_Var_Access(u"READ ONLY"_s), QString());

    // A short list of cells keeps the row's defaults: a new IO-Link row is enabled.
    const IOLinkVariableRow row = rowFromCells<IOLinkVariableRow>({});
    QCOMPARE(row.Enable, u"Y"_s);
    QCOMPARE(rowCells(row).size(), 15);
}

QTEST_GUILESS_MAIN(TestTableFiles)
#include "tst_table_files.moc"

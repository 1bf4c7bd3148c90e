// SPDX-License-Identifier: MIT
// The IODD: records from IOLink_Slave.xml, the refusals, the text and its CRC stamp.
#include "devicefiles/iodd_document.h"
#include "devicefiles/iodd_generator.h"
#include "devicefiles/iodd_project.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <pugixml.hpp>

#include <string>

using namespace Qt::StringLiterals;

namespace {

const QDate Today(2024, 5, 7);

TVariable variable(int index, int length, int row)
{
    TVariable v;
    v.Index = index;
    v.Name = u"V%1"_s.arg(row);
    v.Access = u"rw"_s;
    v.Length = length;
    v.UnitCode = 1000;
    v.row = row;
    return v;
}

TProcessData item(int length, int row)
{
    TProcessData pd;
    pd.Name = u"P%1"_s.arg(row);
    pd.Length = length;
    pd.UnitCode = 1000;
    pd.row = row;
    return pd;
}

// A project as ioddProjectFrom would give it, totals and cycle time included.
IoddProject project(QList<TVariable> variables, QList<TProcessData> inputs, QList<TProcessData> outputs)
{
    IoddProject p;
    p.variables = std::move(variables);
    p.inputs = std::move(inputs);
    p.outputs = std::move(outputs);
    for (const TProcessData &pd : std::as_const(p.inputs))
        p.bitsIn += pd.Length;
    for (const TProcessData &pd : std::as_const(p.outputs))
        p.bitsOut += pd.Length;
    p.cycleTime = IOLink_Min_Cycle_Time(p.IODD_Rate_Text, p.bitsIn, p.bitsOut);
    return p;
}

QString text(const IoddProject &p)
{
    return QString::fromUtf8(ioddText(p, Today, QString()));
}

// The line as the file holds it: its tabs, the text, CR LF.
QString line(int level, const QString &content)
{
    return QString(level, u'\t') + content + u"\r\n";
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class TestIodd : public QObject
{
    Q_OBJECT

private slots:
    void recordsFromTables();
    void accessRights_data();
    void accessRights();
    void readProjectFiles_data();
    void readProjectFiles();
    void refusals_data();
    void refusals();

    void decimalText_data();
    void decimalText();
    void crc();
    void names();
    void stampHoldsCrcOfFirstPass();
    void processDataRecord_data();
    void processDataRecord();
    void valueTypes_data();
    void valueTypes();
    void emptyProject();
    void insertedTextsStayWellFormed();
    void goldenFile();
};

void TestIodd::recordsFromTables()
{
    // Rows: disabled, without Enable, enabled with blanks and lower case, unreadable numbers.
    const QByteArray file =
        "<IOLinkSlave><Variables>"
        "<row Enable=\"N\" Index=\"70\" Name=\"off\" Access=\"Read Only\" Length=\"8\"/>"
        "<row Index=\"71\" Name=\"no enable\" Access=\"Read Only\" Length=\"8\"/>"
        "<row Enable=\" y \" Index=\"0x48\" Name=\"a &amp; b\" Access=\"Read Write\" Length=\"16\" Gradient=\"0,5\""
        " Offset=\"-3\" UnitCode=\"1001\" DefaultValue=\"7\" Description=\"first\"/>"
        "<row Enable=\"Y\" Index=\"sixty\" Name=\"second\" Access=\"read write\" Length=\"x\" Gradient=\"fast\""
        " Offset=\"\" UnitCode=\"\" DefaultValue=\"\"/>"
        "</Variables><Process_Data><Process_Data_Input>"
        "<row Enable=\"Y\" Name=\"in0\" Length=\"3\" Gradient=\"0.5\" Offset=\"1\" UnitCode=\"1000\" Description=\"d\"/>"
        "<row Enable=\"N\" Name=\"skipped\" Length=\"100\"/>"
        "<row Enable=\"Y\" Name=\"in1\" Length=\"6\"/>"
        "</Process_Data_Input><Process_Data_Output>"
        "<row Enable=\"Y\" Name=\"out0\" Length=\"16\"/>"
        "</Process_Data_Output></Process_Data></IOLinkSlave>";
    const IOLinkSlaveReadResult read = readIOLinkSlave(file);
    QVERIFY(read.ok());
    const IoddProject p = ioddProjectFrom(read.data, u"COM2"_s, u'.');

    QCOMPARE(p.variables.size(), 2);
    const TVariable &first = p.variables.at(0);
    QCOMPARE(first.row, 3);
    QCOMPARE(first.Index, 72);
    QCOMPARE(first.Name, u"a & b"_s);
    QCOMPARE(first.Access, u"rw"_s);
    QCOMPARE(first.Length, 16);
    QCOMPARE(first.Gradient, 0.5f);
    QCOMPARE(first.Offset, -3);
    QCOMPARE(first.UnitCode, 1001);
    QCOMPARE(first.DefaultValue, 7);
    QCOMPARE(first.Description, u"first"_s);
    const TVariable &second = p.variables.at(1);
    QCOMPARE(second.row, 4);
    QCOMPARE(second.Index, 60);
    QCOMPARE(second.Access, u"ro"_s);
    QCOMPARE(second.Length, 0);
    QCOMPARE(second.Gradient, 1.0f);
    QCOMPARE(second.Offset, 0);
    QCOMPARE(second.DefaultValue, 0);

    QCOMPARE(p.inputs.size(), 2);
    QCOMPARE(p.inputs.at(1).Name, u"in1"_s);
    QCOMPARE(p.inputs.at(1).row, 3);
    QCOMPARE(p.bitsIn, 9);
    QCOMPARE(p.bitsOut, 16);
    QCOMPARE(p.IODD_Rate_Text, u"COM2"_s);
    // 12 x 2 + 14 x 2 + 61 bit times of 26 040 ns: 2.94 ms, coded up to 3 ms.
    QCOMPARE(p.cycleTime.microseconds, 3000);

    // The PAR_ numbers run without gaps over the enabled variables.
    const QString document = text(p);
    QVERIFY(document.contains(u"<Variable id=\"PAR_0\" accessRights=\"rw\"  index=\"72\" defaultValue=\"7\">"_s));
    QVERIFY(document.contains(u"<Variable id=\"PAR_1\" accessRights=\"ro\"  index=\"60\" defaultValue=\"0\">"_s));
    QVERIFY(!document.contains(u"PAR_2"_s));
}

void TestIodd::accessRights_data()
{
    QTest::addColumn<QString>("access");
    QTest::addColumn<QString>("expected");
    QTest::newRow("read only") << u"Read Only"_s << u"ro"_s;
    QTest::newRow("write only") << u"Write Only"_s << u"wo"_s;
    QTest::newRow("read write") << u"Read Write"_s << u"rw"_s;
    // What the image compiler gives the device for any other text.
    QTest::newRow("other case") << u"read write"_s << u"ro"_s;
    QTest::newRow("blank around") << u" Write Only"_s << u"ro"_s;
    QTest::newRow("empty") << QString() << u"ro"_s;
}

void TestIodd::accessRights()
{
    QFETCH(QString, access);
    QFETCH(QString, expected);
    QCOMPARE(Access_To_IODD(access), expected);
}

void TestIodd::readProjectFiles_data()
{
    QTest::addColumn<QByteArray>("parGen");       // null: no file
    QTest::addColumn<QByteArray>("ioLinkSlave");  // null: no file
    QTest::addColumn<QString>("rate");
    QTest::addColumn<int>("variables");
    QTest::addColumn<QString>("errorNames");      // empty: read

    const QByteArray oneVariable = "<IOLinkSlave><Variables><row Enable=\"Y\" Index=\"60\" Length=\"8\"/></Variables></IOLinkSlave>";
    QTest::newRow("no files") << QByteArray() << QByteArray() << u"COM1"_s << 0 << QString();
    QTest::newRow("rate COM3") << QByteArray("<Par_Gen><IOLink_Slave_Baudrate>COM3</IOLink_Slave_Baudrate></Par_Gen>")
                               << oneVariable << u"COM3"_s << 1 << QString();
    QTest::newRow("rate missing") << QByteArray("<Par_Gen><CANopen_IDDev>4</CANopen_IDDev></Par_Gen>") << oneVariable
                                  << u"COM1"_s << 1 << QString();
    // The schema knows only the three rates; the device runs COM1 for any other text.
    QTest::newRow("rate unknown") << QByteArray("<Par_Gen><IOLink_Slave_Baudrate>com3</IOLink_Slave_Baudrate></Par_Gen>")
                                  << QByteArray() << u"COM1"_s << 0 << QString();
    QTest::newRow("ParGen malformed") << QByteArray("<Par_Gen><IOLink_Slave_Baudrate>") << oneVariable << QString()
                                      << 0 << u"ParGen.xml"_s;
    QTest::newRow("IOLink_Slave malformed") << QByteArray() << QByteArray("<IOLinkSlave><Variables>") << QString() << 0
                                            << u"IOLink_Slave.xml"_s;
    QByteArray tooMany = "<IOLinkSlave><Variables>";
    for (int i = 0; i < 513; ++i)
        tooMany += "<row Enable=\"N\"/>";
    tooMany += "</Variables></IOLinkSlave>";
    QTest::newRow("IOLink_Slave too many rows") << QByteArray() << tooMany << QString() << 0 << u"IOLink_Slave.xml"_s;
}

void TestIodd::readProjectFiles()
{
    QFETCH(QByteArray, parGen);
    QFETCH(QByteArray, ioLinkSlave);
    QFETCH(QString, rate);
    QFETCH(int, variables);
    QFETCH(QString, errorNames);

    QTemporaryDir dir;
    ProjectState state;
    state.Project_Dir = QDir::toNativeSeparators(dir.path());
    state.Set_Files();
    if (!parGen.isNull())
        writeFile(state.files.File_ParGen, parGen);
    if (!ioLinkSlave.isNull())
        writeFile(state.files.File_IOLink_Slave, ioLinkSlave);

    const IoddProjectReading reading = Read_IODD_Project(state.files, u',');
    if (!errorNames.isEmpty()) {
        QVERIFY(!reading.ok);
        QVERIFY2(reading.error.contains(errorNames), qPrintable(reading.error));
        return;
    }
    QVERIFY2(reading.ok, qPrintable(reading.error));
    QCOMPARE(reading.project.IODD_Rate_Text, rate);
    QCOMPARE(reading.project.variables.size(), variables);
    QCOMPARE(reading.project.cycleTime.microseconds, IOLink_Min_Cycle_Time(rate, 0, 0).microseconds);
}

void TestIodd::refusals_data()
{
    QTest::addColumn<IoddProject>("input");
    QTest::addColumn<QString>("refusal"); // start of the reason; empty: accepted

    QTest::newRow("lengths at the limits")
        << project({variable(60, 1, 1), variable(61, 64, 2), variable(62, 72, 3), variable(65535, 1856, 4),
                    variable(0, 8, 5)},
                   {item(64, 1), item(128, 2), item(64, 3)}, {item(1, 1)})
        << QString();
    QList<TProcessData> most;
    for (int i = 0; i < 254; ++i)
        most.append(item(1, i + 1));
    most.append(item(2, 255));
    QTest::newRow("255 items in 256 bits") << project({}, most, most) << QString();
    QList<TProcessData> tooMany = most;
    tooMany[254].Length = 1;
    tooMany.append(item(1, 256));
    QTest::newRow("256 items") << project({}, {}, tooMany)
                               << u"[Process Data Output] row 256: more than 255 items"_s;

    QTest::newRow("index above 65535") << project({variable(60, 8, 1), variable(65536, 8, 2)}, {}, {})
                                       << u"[Variables] row 2: Index 65536 lies outside 0 to 65535"_s;
    QTest::newRow("index negative") << project({variable(-1, 8, 3)}, {}, {})
                                    << u"[Variables] row 3: Index -1 lies outside"_s;
    QTest::newRow("index used twice") << project({variable(100, 8, 2), variable(101, 8, 3), variable(100, 8, 5)}, {}, {})
                                      << u"[Variables] row 5: Index 100 is already used by row 2"_s;
    QTest::newRow("variable length 0") << project({variable(60, 0, 1)}, {}, {})
                                       << u"[Variables] row 1: a Length of 0 bits"_s;
    QTest::newRow("variable length not whole bytes") << project({variable(60, 65, 4)}, {}, {})
                                                     << u"[Variables] row 4: a Length of 65 bits"_s;
    QTest::newRow("variable beyond 232 bytes") << project({variable(60, 1864, 1)}, {}, {})
                                               << u"[Variables] row 1: a Length of 1864 bits"_s;
    QTest::newRow("input length not whole bytes") << project({}, {item(8, 1), item(70, 2)}, {})
                                                  << u"[Process Data Input] row 2: a Length of 70 bits"_s;
    QTest::newRow("input above 256 bits") << project({}, {item(128, 1), item(128, 2), item(1, 4)}, {})
                                          << u"[Process Data Input] row 4: the process data reach 257 bits"_s;
    QTest::newRow("output negative length") << project({}, {}, {item(-8, 2)})
                                            << u"[Process Data Output] row 2: a Length of -8 bits"_s;

    // A gradient is written as a plain decimal, whose whole part may have at most 24 digits.
    auto scaled = [](auto value, float gradient) {
        value.Gradient = gradient;
        return value;
    };
    QTest::newRow("gradients below the limit, or not shown")
        << project({scaled(variable(60, 16, 1), 9.9e23f), scaled(variable(61, 1, 2), 1e30f),
                    scaled(variable(62, 72, 3), -1e30f)},
                   {scaled(item(8, 1), -9.9e23f), scaled(item(1, 2), 3e38f)}, {})
        << QString();
    QTest::newRow("variable gradient 1e24") << project({variable(60, 8, 1), scaled(variable(61, 64, 3), 1e24f)}, {}, {})
                                            << u"[Variables] row 3: a Gradient of 1e+24 cannot be written"_s;
    QTest::newRow("output gradient -1e30") << project({}, {}, {item(8, 1), scaled(item(2, 4), -1e30f)})
                                           << u"[Process Data Output] row 4: a Gradient of -1e+30 cannot be written"_s;
}

void TestIodd::refusals()
{
    QFETCH(IoddProject, input);
    QFETCH(QString, refusal);
    const std::optional<QString> refused = checkIoddProject(input);
    if (refusal.isEmpty()) {
        QVERIFY2(!refused, qPrintable(refused.value_or(QString())));
        return;
    }
    QVERIFY(refused);
    QVERIFY2(refused->startsWith(refusal), qPrintable(*refused));

    // Nothing is written for a refused project.
    QTemporaryDir dir;
    const QString path = dir.filePath(u"refused.xml"_s);
    const FileResult written = Write_IODD_File(path, input, Today);
    QVERIFY(!written.ok);
    QCOMPARE(written.error, *refused);
    QVERIFY(!QFile::exists(path));
}

void TestIodd::decimalText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("0.1 typed, widened from float") << double(0.1f) << u"0.100000001490116"_s;
    QTest::newRow("0.5") << 0.5 << u"0.5"_s;
    QTest::newRow("1") << 1.0 << u"1"_s;
    QTest::newRow("negative") << -2.25 << u"-2.25"_s;
    QTest::newRow("zero") << 0.0 << u"0"_s;
    QTest::newRow("whole number with zeros") << 1500.0 << u"1500"_s;
    // Values whose general form would use an exponent: the same 15 digits, laid out plainly.
    QTest::newRow("small") << double(1e-7f) << u"0.00000010000000116861"_s;
    QTest::newRow("large") << double(1e20f) << u"100000002004088000000"_s;
    QTest::newRow("rounds up a digit") << 9.9999999999999999e-6 << u"0.00001"_s;
    // At most 24 digits after the point: schema validators refuse longer decimals.
    QTest::newRow("small, all 15 digits fit") << double(1e-10f) << u"0.000000000100000001335143"_s;
    QTest::newRow("tiny, rounded to the 24th place") << double(1.5e-20f) << u"0.000000000000000000015"_s;
    QTest::newRow("tiny, rounds up into the 24th place") << 6e-25 << u"0.000000000000000000000001"_s;
    QTest::newRow("tiny negative, below the 24th place") << -4e-25 << u"0"_s;
}

void TestIodd::decimalText()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(ioddDecimalText(value), expected);
}

void TestIodd::crc()
{
    QCOMPARE(ioddCrc32("123456789"), 0xCBF43926u);
    QCOMPARE(ioddCrc32(QByteArray()), 0u);

    QTemporaryDir dir;
    QCOMPARE(IODD_File_CRC(dir.filePath(u"missing.xml"_s)), 0u);
    writeFile(dir.filePath(u"check.txt"_s), "123456789");
    QCOMPARE(IODD_File_CRC(dir.filePath(u"check.txt"_s)), 0xCBF43926u);

    // Only the first 10,000,000 bytes count.
    QByteArray big(10'000'000, 'a');
    const quint32 limited = ioddCrc32(big);
    big.append("tail");
    QCOMPARE(ioddCrc32(big), limited);
}

void TestIodd::names()
{
    QCOMPARE(IODD_Base_Name(Today), u"Talvex-HD48213-20240507-IODD1.1"_s);
    const QString folder = QDir::toNativeSeparators(u"/data/out"_s);
    QCOMPARE(ioddArchivePath(folder, Today), folder + QDir::separator() + u"Talvex-HD48213-20240507-IODD1.1.zip");
    QCOMPARE(ioddFilePath(folder, Today), folder + QDir::separator() + u"Talvex-HD48213-20240507-IODD1.1.xml");

    // The document's release date is the date of its name.
    QVERIFY(text(project({}, {}, {})).contains(u" releaseDate=\"2024-05-07\" "_s));
}

void TestIodd::stampHoldsCrcOfFirstPass()
{
    const IoddProject p = project({variable(60, 16, 1)}, {item(3, 1)}, {item(8, 1)});
    const QByteArray firstPass = ioddText(p, Today, QString());
    QVERIFY(firstPass.contains("\r\n\t<Stamp crc=\"\"><Checker name=\"IODD-Checker V1.1.6\" version=\"V1.1.6.0\"/>"
                               "</Stamp>\r\n</IODevice>\r\n"));

    QTemporaryDir dir;
    const QString path = dir.filePath(u"iodd.xml"_s);
    QVERIFY(Write_IODD_File(path, p, Today).ok);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray written = file.readAll();
    QCOMPARE(written, ioddFileBytes(p, Today));

    // Emptying the stamp's value again gives back the text whose CRC the stamp holds.
    static const QRegularExpression stamp(u"<Stamp crc=\"(\\d+)\">"_s);
    const QRegularExpressionMatch match = stamp.match(QString::fromUtf8(written));
    QVERIFY(match.hasMatch());
    QByteArray emptied = written;
    emptied.replace(QByteArray("<Stamp crc=\"" + match.captured(1).toUtf8() + "\">"), QByteArray("<Stamp crc=\"\">"));
    QCOMPARE(emptied, firstPass);
    QCOMPARE(match.captured(1), QString::number(ioddCrc32(firstPass)));

    // Every line ends with CR LF, no byte-order mark precedes the declaration.
    QVERIFY(written.startsWith("<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<IODevice xmlns="));
    QCOMPARE(written.count('\n'), written.count("\r\n"));
    QCOMPARE(written.count('\r'), written.count("\r\n"));
}

void TestIodd::processDataRecord_data()
{
    QTest::addColumn<QList<int>>("lengths");
    QTest::addColumn<QString>("bitLength");
    QTest::addColumn<QStringList>("offsets");
    QTest::newRow("3 and 6 bits") << QList<int>{3, 6} << u"9"_s << QStringList{u"0"_s, u"3"_s};
    QTest::newRow("20 bits raised to 24") << QList<int>{4, 16} << u"24"_s << QStringList{u"0"_s, u"4"_s};
    QTest::newRow("16 bits stay") << QList<int>{9, 7} << u"16"_s << QStringList{u"0"_s, u"9"_s};
    QTest::newRow("whole bytes stay") << QList<int>{24} << u"24"_s << QStringList{u"0"_s};
}

void TestIodd::processDataRecord()
{
    QFETCH(QList<int>, lengths);
    QFETCH(QString, bitLength);
    QFETCH(QStringList, offsets);

    QList<TProcessData> items;
    for (int length : lengths)
        items.append(item(length, int(items.size()) + 1));
    const QString document = text(project({}, {}, items));

    QVERIFY(document.contains(line(5, u"<ProcessDataOut id=\"PD_OUT\" bitLength=\"%1\">"_s.arg(bitLength))));
    QVERIFY(document.contains(
        line(6, u"<Datatype xsi:type=\"RecordT\" bitLength=\"%1\" subindexAccessSupported=\"false\">"_s.arg(bitLength))));
    for (qsizetype k = 0; k < offsets.size(); ++k) {
        QVERIFY(document.contains(
            line(7, u"<RecordItem subindex=\"%1\" bitOffset=\"%2\">"_s.arg(k + 1).arg(offsets.at(k)))));
        QVERIFY(document.contains(line(8, u"<Name textId=\"TN_PDOut_%1\"></Name>"_s.arg(k))));
    }
    QVERIFY(document.contains(line(6, u"<Name textId=\"TN_PD_Out\"/>"_s)));
    QVERIFY(document.contains(u"<Text id=\"TN_PD_Out\" value=\"Process data output\"/>"_s));
    QVERIFY(document.contains(line(4, u"<StdVariableRef id=\"V_ProcessDataOutput\"/>"_s)));
    // No input: neither its process data nor its variable and text.
    QVERIFY(!document.contains(u"PD_IN"_s));
    QVERIFY(!document.contains(u"V_ProcessDataInput"_s));
    QVERIFY(!document.contains(u"TN_PD_In"_s));
}

void TestIodd::valueTypes_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("unitCode");
    QTest::addColumn<QString>("datatype");   // the lines of the variable's Datatype
    QTest::addColumn<QString>("menuEntry");  // its M_Par line
    QTest::addColumn<QString>("observeEntry"); // the M_Observe line of an input of that length

    QTest::newRow("1 bit: switch")
        << 1 << 1000 << line(5, u"<Datatype xsi:type=\"BooleanT\">"_s) + line(5, u"</Datatype>"_s)
        << line(6, u"<VariableRef variableId=\"PAR_0\" displayFormat=\"Dec\"/>"_s)
        << line(6, u"<RecordItemRef variableId=\"V_ProcessDataInput\" subindex=\"1\" displayFormat=\"Dec\"/>"_s);
    QTest::newRow("16 bits: number")
        << 16 << 1001 << line(5, u"<Datatype xsi:type=\"UIntegerT\" bitLength=\"16\">"_s) + line(5, u"</Datatype>"_s)
        << line(6, u"<VariableRef variableId=\"PAR_0\" displayFormat=\"Dec\" gradient=\"0.100000001490116\""
                   u" offset=\"-4\" unitCode=\"1001\"/>"_s)
        << line(6, u"<RecordItemRef variableId=\"V_ProcessDataInput\" subindex=\"1\" displayFormat=\"Dec\""
                   u" gradient=\"0.100000001490116\" offset=\"-4\"/>"_s);
    QTest::newRow("unit code beyond 16 bits left out")
        << 8 << 70000 << line(5, u"<Datatype xsi:type=\"UIntegerT\" bitLength=\"8\">"_s) + line(5, u"</Datatype>"_s)
        << line(6, u"<VariableRef variableId=\"PAR_0\" displayFormat=\"Dec\" gradient=\"0.100000001490116\""
                   u" offset=\"-4\"/>"_s)
        << QString();
    QTest::newRow("unit code 0 left out")
        << 8 << 0 << QString()
        << line(6, u"<VariableRef variableId=\"PAR_0\" displayFormat=\"Dec\" gradient=\"0.100000001490116\""
                   u" offset=\"-4\"/>"_s)
        << QString();
    QTest::newRow("72 bits: octet string")
        << 72 << 1000 << line(5, u"<Datatype xsi:type=\"OctetStringT\" fixedLength=\"9\"/>"_s)
        << line(6, u"<VariableRef variableId=\"PAR_0\" displayFormat=\"Dec\"/>"_s)
        << line(6, u"<RecordItemRef variableId=\"V_ProcessDataInput\" subindex=\"1\" displayFormat=\"Dec\"/>"_s);
}

void TestIodd::valueTypes()
{
    QFETCH(int, length);
    QFETCH(int, unitCode);
    QFETCH(QString, datatype);
    QFETCH(QString, menuEntry);
    QFETCH(QString, observeEntry);

    TVariable v = variable(60, length, 1);
    v.Gradient = 0.1f;
    v.Offset = -4;
    v.UnitCode = unitCode;
    TProcessData pd = item(length, 1);
    pd.Gradient = 0.1f;
    pd.Offset = -4;
    const QString document = text(project({v}, {pd}, {}));

    if (!datatype.isEmpty())
        QVERIFY2(document.contains(datatype), qPrintable(datatype));
    QVERIFY2(document.contains(menuEntry), qPrintable(menuEntry));
    if (!observeEntry.isEmpty())
        QVERIFY2(document.contains(observeEntry), qPrintable(observeEntry));
}

void TestIodd::emptyProject()
{
    const QString document = text(project({}, {}, {}));

    QVERIFY(!document.contains(u"<Variable "_s));
    QVERIFY(document.contains(line(4, u"<StdVariableRef id=\"V_ApplicationSpecificTag\" fixedLengthRestriction=\"16\""
                                      u" defaultValue=\"***\"/>"_s)
                              + u"\r\n" + line(3, u"</VariableCollection>"_s)));
    QVERIFY(document.contains(u"<StdVariableRef id=\"V_ProductID\" fixedLengthRestriction=\"32\" defaultValue=\"HD48213\"/>"_s));
    QVERIFY(document.contains(line(4, u"<ProcessData id=\"PD\"/>"_s)));
    QVERIFY(!document.contains(u"V_ProcessData"_s));
    QVERIFY(!document.contains(u"TN_PD_"_s));
    // Menus without entries are left out together with their references.
    QVERIFY(!document.contains(u"M_Par"_s));
    QVERIFY(!document.contains(u"M_Observe"_s));
    QVERIFY(document.contains(line(4, u"<MaintenanceRoleMenuSet>"_s) + line(5, u"<IdentificationMenu menuId=\"M_Ident\"/>"_s)
                              + line(4, u"</MaintenanceRoleMenuSet>"_s)));
    QVERIFY(document.contains(u"<PhysicalLayer minCycleTime=\"12800\" sioSupported=\"true\" bitrate=\"COM1\""
                              u" mSequenceCapability=\"41\">"_s));
}

void TestIodd::insertedTextsStayWellFormed()
{
    const QString name = u"A&B <x> \"quoted\"\ttab\r\nline"_s + QChar(0x01) + u"end";
    TVariable v = variable(60, 8, 1);
    v.Name = name;
    v.Description = u"&amp; stays text"_s;
    TProcessData pd = item(8, 1);
    pd.Name = u"</Text>"_s;
    const QByteArray bytes = ioddFileBytes(project({v}, {pd}, {}), Today);

    pugi::xml_document document;
    const pugi::xml_parse_result parsed = document.load_buffer(bytes.constData(), size_t(bytes.size()));
    QVERIFY2(parsed, parsed.description());
    auto textValue = [&](const char *id) {
        const pugi::xml_node node = document.select_node(
            (std::string("//Text[@id='") + id + "']").c_str()).node();
        return QString::fromUtf8(node.attribute("value").value());
    };
    QCOMPARE(textValue("TN_par_0"), u"A&B <x> \"quoted\"\ttab\r\nlineend"_s);
    QCOMPARE(textValue("TD_par_0"), u"&amp; stays text"_s);
    QCOMPARE(textValue("TN_PDIn_0"), u"</Text>"_s);
    // Still one element per line.
    QVERIFY(bytes.contains("\t\t\t<Text id=\"TN_par_0\" value=\"A&amp;B &lt;x&gt; &quot;quoted&quot;&#9;tab&#13;&#10;lineend\"/>\r\n"));
}

void TestIodd::goldenFile()
{
    // Every kind of entry once: a number with scaling, a switch with an unknown access text,
    // an octet string, inputs of 3 and 6 bits (record of 9) and a 1-bit output, at COM3.
    TVariable number = variable(100, 16, 1);
    number.Name = u"Speed"_s;
    number.Description = u"Motor speed"_s;
    number.Gradient = 0.1f;
    number.Offset = -40;
    number.DefaultValue = 12;
    TVariable flag = variable(101, 1, 3);
    flag.Name = u"Enable"_s;
    flag.Access = Access_To_IODD(u"enabled"_s);
    TVariable serial = variable(2000, 128, 4);
    serial.Name = u"Serial"_s;
    serial.Access = u"wo"_s;
    TProcessData in0 = item(3, 1);
    in0.Name = u"Mode"_s;
    TProcessData in1 = item(6, 2);
    in1.Name = u"Level"_s;
    in1.Gradient = 0.5f;
    in1.Offset = 10;
    TProcessData out0 = item(1, 1);
    out0.Name = u"Run"_s;
    out0.Description = u"Start & stop"_s;
    IoddProject p = project({number, flag, serial}, {in0, in1}, {out0});
    p.IODD_Rate_Text = u"COM3"_s;
    p.cycleTime = IOLink_Min_Cycle_Time(p.IODD_Rate_Text, p.bitsIn, p.bitsOut);

    QFile golden(QFINDTESTDATA("tst_iodd_golden/Talvex-HD48213-20240507-IODD1.1.xml"));
    QVERIFY(golden.open(QIODevice::ReadOnly));
    const QByteArray expected = golden.readAll();
    const QByteArray actual = ioddFileBytes(p, Today);
    if (actual != expected) {
        const QList<QByteArray> expectedLines = expected.split('\n');
        const QList<QByteArray> actualLines = actual.split('\n');
        for (qsizetype i = 0; i < qMin(expectedLines.size(), actualLines.size()); ++i)
            QCOMPARE(actualLines.at(i), expectedLines.at(i));
        QCOMPARE(actualLines.size(), expectedLines.size());
    }
}

QTEST_GUILESS_MAIN(TestIodd)
#include "tst_iodd.moc"

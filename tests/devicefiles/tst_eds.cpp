// SPDX-License-Identifier: MIT
// The EDS file of small projects written as byte literals into a temporary project folder.
#include "devicefiles/eds_project.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A fixed instant: the date pads month and day, the time is past noon.
const QDateTime Now(QDate(2025, 3, 7), QTime(12, 30));

// The data sheet of a project without PDO and SDO server files, stamped with Now.
const QByteArray EmptyProject = R"([FileInfo]
FileName=IOLinkSlave_CANopen.eds
FileVersion=1
FileRevision=0
EDSVersion=4.0
Description=IO-Link Slave / CANopen - Converter
CreationTime=12:30PM
CreationDate=03-07-2025
CreatedBy=Talvex
ModificationTime=12:30PM
ModificationDate=03-07-2025
ModifiedBy=Talvex

[DeviceInfo]
VendorName=Talvex
VendorNumber=0x00
ProductName=IO-Link Slave / CANopen - Converter
ProductNumber=213
RevisionNumber=0x0
OrderCode=HD48213
BaudRate_10=1
BaudRate_20=1
BaudRate_50=1
BaudRate_125=1
BaudRate_250=1
BaudRate_500=1
BaudRate_800=0
BaudRate_1000=1
DynamicChannelsSupported=0
GroupMessaging=0
LSS_Supported=0
Granularity=0
SimpleBootUpSlave=1
SimpleBootUpMaster=0
NrOfRXPDO=0
NrOfTXPDO=0

[Comments]
Lines=0

[DummyUsage]
Dummy0001=0
Dummy0002=0
Dummy0003=0
Dummy0004=0
Dummy0005=0
Dummy0006=0
Dummy0007=0

[MandatoryObjects]
SupportedObjects=3
1=0x1000
2=0x1001
3=0x1018

[OptionalObjects]
SupportedObjects=8
1=0x1005
2=0x1006
3=0x1008
4=0x1014
5=0x1016
6=0x1017
7=0x1029
8=0x1280

[ManufacturerObjects]
SupportedObjects=0

[1000]
ParameterName=Device Type
ObjectType=0x07
DataType=0x0007
AccessType=const
DefaultValue=0x000101A4
PDOMapping=0

[1001]
ParameterName=Error Register
ObjectType=0x07
DataType=0x0005
AccessType=ro
DefaultValue=0x00
PDOMapping=0

[1005]
ParameterName=COB-ID SYNC
ObjectType=0x07
DataType=0x0007
AccessType=rw
DefaultValue=0x80000080
PDOMapping=0

[1006]
ParameterName=Communication Cycle Period
ObjectType=0x07
DataType=0x0007
AccessType=rw
DefaultValue=0x00000000
PDOMapping=0

[1008]
ParameterName=Manufacturer Device Name
ObjectType=0x07
DataType=0x0009
AccessType=const
DefaultValue=s1
PDOMapping=0

[1014]
ParameterName=COB-ID EMCY
ObjectType=0x07
DataType=0x0007
AccessType=ro
DefaultValue=$NODEID+0x80
PDOMapping=0

[1016]
SubNumber=3
ParameterName=Heartbeat Consumer Entries
ObjectType=0x08

[1016sub0]
ParameterName=Number of Entries
ObjectType=0x07
DataType=0x0005
AccessType=ro
DefaultValue=0x02
PDOMapping=0

[1016sub1]
ParameterName=Consumer Heartbeat Time 1
ObjectType=0x07
DataType=0x0007
AccessType=rw
DefaultValue=0x00000000
PDOMapping=0

[1016sub2]
ParameterName=Consumer Heartbeat Time 2
ObjectType=0x07
DataType=0x0007
AccessType=rw
DefaultValue=0x00000000
PDOMapping=0

[1017]
ParameterName=Producer Heartbeat Time
ObjectType=0x07
DataType=0x0006
AccessType=rw
DefaultValue=0x000003E8
PDOMapping=0

[1018]
SubNumber=5
ParameterName=Identity Object
ObjectType=0x09

[1018sub0]
ParameterName=number of entries
ObjectType=0x07
DataType=0x0005
AccessType=ro
DefaultValue=0x4
PDOMapping=0

[1018sub1]
ParameterName=Vendor Id
ObjectType=0x07
DataType=0x0007
AccessType=ro
PDOMapping=0

[1018sub2]
ParameterName=Product Code
ObjectType=0x07
DataType=0x0007
AccessType=ro
PDOMapping=0

[1018sub3]
ParameterName=Revision number
ObjectType=0x07
DataType=0x0007
AccessType=ro
PDOMapping=0

[1018sub4]
ParameterName=Serial number
ObjectType=0x07
DataType=0x0007
AccessType=ro
PDOMapping=0

[1029]
SubNumber=2
ParameterName=Error Behaviour
ObjectType=0x08

[1029sub0]
ParameterName=Number of Entries
ObjectType=0x07
DataType=0x0005
AccessType=ro
DefaultValue=1
PDOMapping=0

[1029sub1]
ParameterName=Communication Error
ObjectType=0x07
DataType=0x0005
AccessType=rw
DefaultValue=0x0
PDOMapping=0

[1280]
SubNumber=4
ParameterName=Client SDO Parameter 1
ObjectType=0x09

[1280sub0]
ParameterName=Number of Entries
ObjectType=0x07
DataType=0x0005
AccessType=ro
DefaultValue=0x03
PDOMapping=0

[1280sub1]
ParameterName=COB-ID Client -> Server
ObjectType=0x07
DataType=0x0007
AccessType=rw
PDOMapping=0

[1280sub2]
ParameterName=COB-ID Server -> Client
ObjectType=0x07
DataType=0x0007
AccessType=rw
PDOMapping=0

[1280sub3]
ParameterName=Node ID of the SDO Server
ObjectType=0x07
DataType=0x0005
AccessType=rw
PDOMapping=0


)";

QByteArray withoutCr(QByteArray text)
{
    return text.replace("\r\n", "\n");
}

// The block of one section, without CR: its lines up to and including the empty line ending it.
QByteArray section(const QByteArray &eds, const QByteArray &name)
{
    const QByteArray text = "\n" + withoutCr(eds);
    const qsizetype start = text.indexOf(QByteArray("\n[" + name + "]\n"));
    if (start < 0)
        return {};
    const qsizetype end = text.indexOf("\n\n", start + 1);
    return text.mid(start + 1, end + 1 - start);
}

// Names of all sections, in file order.
QByteArrayList sectionNames(const QByteArray &eds)
{
    QByteArrayList names;
    for (const QByteArray &line : withoutCr(eds).split('\n')) {
        if (line.startsWith('[') && line.endsWith(']'))
            names.append(line.mid(1, line.size() - 2));
    }
    return names;
}

// [ManufacturerObjects], then everything after the fixed objects' last block (1280sub3).
QByteArray manufacturerPart(const QByteArray &eds)
{
    const QByteArray text = withoutCr(eds);
    const qsizetype objects = text.indexOf("\n\n", text.indexOf("[1280sub3]\n")) + 2;
    return section(eds, "ManufacturerObjects") + text.mid(objects);
}

struct Project {
    QTemporaryDir dir;
    ProjectFiles files;

    Project()
    {
        ProjectState state;
        state.Project_Dir = dir.path();
        state.Set_Files();
        files = state.files;
    }
    void write(const QString &path, const QByteArray &bytes) const
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }
};

const QByteArray NoPdos = "<PDO_CANopen><Receive_PDO/><Transmit_PDO/></PDO_CANopen>";

QByteArray pdoFile(const QByteArray &receiveRows, const QByteArray &transmitRows)
{
    return "<PDO_CANopen><Receive_PDO>" + receiveRows + "</Receive_PDO><Transmit_PDO>" + transmitRows
        + "</Transmit_PDO></PDO_CANopen><!--SW_VERSION = 1.003-->";
}

QByteArray sdoFile(const QByteArray &readRows, const QByteArray &writeRows)
{
    return "<SDO_Server_CANopen><SDO_Read>" + readRows + "</SDO_Read><SDO_Write>" + writeRows
        + "</SDO_Write></SDO_Server_CANopen><!--SW_VERSION = 1.003-->";
}

QByteArray sdoRow(const char *index, const char *sub, const char *size)
{
    return QByteArray(R"(<row Index=")") + index + R"(" SubIndex=")" + sub + R"(" NByte=")" + size
        + R"(" Address_B1="0" Address_B2="1" Address_B3="2" Address_B4="3" Mnemonic=""/>)";
}

QByteArray pdoRow(const char *cobId, const char *dimension)
{
    return QByteArray(R"(<row COB-ID=")") + cobId + R"(" Dimension=")" + dimension
        + R"(" Address_B1="0" Address_B2="1" Address_B3="2" Address_B4="3" Address_B5="4" Address_B6="5" Address_B7="6" Address_B8="7" TimeOut="0" Mnemonic=""/>)";
}

} // namespace

class TestEds : public QObject
{
    Q_OBJECT

private slots:
    void timeText_data();
    void timeText();
    void emptyProject_data();
    void emptyProject();
    void pdoObjects_data();
    void pdoObjects();
    void thirtyReceivePdos();
    void applicationObjects_data();
    void applicationObjects();
    void applicationDataTypes_data();
    void applicationDataTypes();
    void unusableFiles_data();
    void unusableFiles();
    void writeEdsFileReplacesOrReports();
};

void TestEds::timeText_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("midnight hour is 12 AM") << QTime(0, 5) << QByteArray("12:05AM");
    QTest::newRow("morning") << QTime(1, 0) << QByteArray("01:00AM");
    QTest::newRow("last minute before noon") << QTime(11, 59, 59) << QByteArray("11:59AM");
    QTest::newRow("noon is 12 PM") << QTime(12, 0) << QByteArray("12:00PM");
    QTest::newRow("half past noon") << QTime(12, 30) << QByteArray("12:30PM");
    QTest::newRow("afternoon") << QTime(17, 45) << QByteArray("05:45PM");
    QTest::newRow("last minute of the day") << QTime(23, 59) << QByteArray("11:59PM");
}

void TestEds::timeText()
{
    QFETCH(QTime, time);
    QFETCH(QByteArray, text);
    QCOMPARE(edsTimeText(time), text);
}

// A project without the two files and one whose files hold empty lists give the same sheet.
void TestEds::emptyProject_data()
{
    QTest::addColumn<bool>("withFiles");
    QTest::newRow("no files") << false;
    QTest::newRow("files with empty lists") << true;
}

void TestEds::emptyProject()
{
    QFETCH(bool, withFiles);
    Project project;
    if (withFiles) {
        project.write(project.files.File_PDO, NoPdos);
        project.write(project.files.File_SDO_Server, sdoFile({}, {}));
    }
    const EdsResult eds = Make_EDS(project.files, Now);
    QVERIFY2(eds.ok(), qPrintable(eds.error));
    QCOMPARE(eds.bytes.count('\n'), eds.bytes.count("\r\n")); // CR LF after every line
    QCOMPARE(withoutCr(eds.bytes), EmptyProject);
}

// One PDO table for every row: receive 0x181 with 1 byte; transmit 0x281 with 3 bytes, then a
// row whose cells are no numbers (COB-ID 0, 8 bytes).
void TestEds::pdoObjects_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("block");

    QTest::newRow("optional objects") << QByteArray("OptionalObjects") << QByteArray(R"([OptionalObjects]
SupportedObjects=17
1=0x1005
2=0x1006
3=0x1008
4=0x1014
5=0x1016
6=0x1017
7=0x1029
8=0x1280
9=0x1400
10=0x1600
11=0x1800
12=0x1801
13=0x1A00
14=0x1A01
15=0x7000
16=0x7050
17=0x7051

)");
    QTest::newRow("receive communication head") << QByteArray("1400") << QByteArray(R"([1400]
SubNumber=4
ParameterName=Receive PDO Communication Parameter 1
ObjectType=0x09

)");
    QTest::newRow("COB-ID as default") << QByteArray("1400sub1") << QByteArray(R"([1400sub1]
ParameterName=COB-ID
ObjectType=0x07
DataType=0x0007
AccessType=rw
DefaultValue=0x00000181
PDOMapping=0

)");
    QTest::newRow("COB-ID not a number is 0") << QByteArray("1801sub1") << QByteArray(R"([1801sub1]
ParameterName=COB-ID
ObjectType=0x07
DataType=0x0007
AccessType=rw
DefaultValue=0x00000000
PDOMapping=0

)");
    QTest::newRow("transmission and inhibit") << QByteArray("1800sub3") << QByteArray(R"([1800sub3]
ParameterName=Inhibit Time
ObjectType=0x07
DataType=0x0006
AccessType=rw
DefaultValue=0x0
PDOMapping=0

)");
    QTest::newRow("receive mapping head has no number") << QByteArray("1600") << QByteArray(R"([1600]
SubNumber=2
ParameterName=Receive PDO Mapping Parameter
ObjectType=0x09

)");
    QTest::newRow("receive mapping entry") << QByteArray("1600sub1") << QByteArray(R"([1600sub1]
ParameterName=Mapping Entry 1
ObjectType=0x07
DataType=0x0007
AccessType=ro
DefaultValue=0x70000108
PDOMapping=0

)");
    QTest::newRow("transmit mapping head") << QByteArray("1A00") << QByteArray(R"([1A00]
SubNumber=4
ParameterName=Transmit PDO Mapping Parameter 1
ObjectType=0x09

)");
    QTest::newRow("Dimension not a number is 8") << QByteArray("1A01sub0") << QByteArray(R"([1A01sub0]
ParameterName=Number of Entries
ObjectType=0x07
DataType=0x0005
AccessType=ro
DefaultValue=0x08
PDOMapping=0

)");
    QTest::newRow("last mapping entry") << QByteArray("1A01sub8") << QByteArray(R"([1A01sub8]
ParameterName=Mapping Entry 8
ObjectType=0x07
DataType=0x0007
AccessType=ro
DefaultValue=0x70510808
PDOMapping=0

)");
    QTest::newRow("receive data head") << QByteArray("7000") << QByteArray(R"([7000]
SubNumber=2
ParameterName=RPDO1
ObjectType=0x08

)");
    QTest::newRow("receive data count") << QByteArray("7000sub0") << QByteArray(R"([7000sub0]
ParameterName=Number of Entries
ObjectType=0x07
DataType=0x0005
AccessType=ro
DefaultValue=0x01
PDOMapping=0

)");
    QTest::newRow("receive data entry") << QByteArray("7000sub1") << QByteArray(R"([7000sub1]
ParameterName=b1
ObjectType=0x07
DataType=0x0005
AccessType=rww
DefaultValue=0x00
PDOMapping=1

)");
    QTest::newRow("transmit data count is writable") << QByteArray("7050sub0") << QByteArray(R"([7050sub0]
ParameterName=Number of Entries
ObjectType=0x07
DataType=0x0005
AccessType=rw
DefaultValue=0x03
PDOMapping=0

)");
    QTest::newRow("second transmit data entry") << QByteArray("7051sub8") << QByteArray(R"([7051sub8]
ParameterName=m8
ObjectType=0x07
DataType=0x0005
AccessType=rwr
DefaultValue=0x00
PDOMapping=1

)");
}

void TestEds::pdoObjects()
{
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, block);
    Project project;
    project.write(project.files.File_PDO,
                  pdoFile(pdoRow("0x181", "1"), pdoRow("0x281", "3") + R"(<row COB-ID="Pump" Dimension=""/>)"));
    const EdsResult eds = Make_EDS(project.files, Now);
    QVERIFY2(eds.ok(), qPrintable(eds.error));
    QCOMPARE(section(eds.bytes, name), block);
}

void TestEds::thirtyReceivePdos()
{
    QByteArray receive;
    for (int i = 0; i < 30; ++i)
        receive += pdoRow(QByteArray::number(0x200 + i).constData(), "1");
    Project project;
    project.write(project.files.File_PDO, pdoFile(receive, pdoRow("0x181", "1")));
    const EdsResult eds = Make_EDS(project.files, Now);
    QVERIFY2(eds.ok(), qPrintable(eds.error));

    const QByteArrayList names = sectionNames(eds.bytes);
    QByteArrayList dataObjects;
    QByteArrayList entryNames;
    for (const QByteArray &name : names) {
        if (name.size() == 4 && name.startsWith('7')) {
            dataObjects.append(name);
            const QByteArray entry = section(eds.bytes, name + "sub1");
            entryNames.append(entry.mid(entry.indexOf("ParameterName=") + 14).split('\n').constFirst());
        }
    }
    QByteArrayList expectedObjects;
    for (int i = 0; i < 30; ++i)
        expectedObjects.append(QByteArray::number(0x7000 + i, 16).toUpper());
    expectedObjects.append("7050");
    QCOMPARE(dataObjects, expectedObjects);
    QCOMPARE(entryNames, QByteArray("b1 c1 d1 e1 f1 g1 h1 j1 k1 i1 aa1 ab1 ac1 ad1 ae1 af1 ag1 ah1 ai1 "
                                    "al1 am1 an1 ao1 ap1 aq1 ar1 as1 at1 au1 av1 l1")
                             .split(' '));
    QVERIFY(section(eds.bytes, "OptionalObjects").contains("SupportedObjects=101\n"));
    QVERIFY(section(eds.bytes, "OptionalObjects").endsWith("101=0x7050\n\n"));
    QVERIFY(section(eds.bytes, "DeviceInfo").endsWith("NrOfRXPDO=30\nNrOfTXPDO=1\n\n"));
}

// Rows of the SDO server file and the sheet's part from [ManufacturerObjects] to its end.
void TestEds::applicationObjects_data()
{
    QTest::addColumn<QByteArray>("sdo");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("sub-indices 1 and 3 get a generated sub-index 0")
        << sdoFile(sdoRow("0x2000", "1", "1") + sdoRow("0x2000", "3", "1"), {}) << QByteArray(R"([ManufacturerObjects]
SupportedObjects=1
1=0x2000

[2000]
SubNumber=3
ParameterName=App Vars
ObjectType=0x9

[2000sub0]
ParameterName=Largest Sub-Index supported
ObjectType=0x7
DataType=0x0005
AccessType=ro
DefaultValue=0x03
PDOMapping=0

[2000sub1]
ParameterName=Application Variable
ObjectType=0x7
DataType=0x0005
LowLimit=0x00
HighLimit=0xFF
DefaultValue=0x00
AccessType=ro
PDOMapping=0

[2000sub3]
ParameterName=Application Variable
ObjectType=0x7
DataType=0x0005
LowLimit=0x00
HighLimit=0xFF
DefaultValue=0x00
AccessType=ro
PDOMapping=0


)");

    QTest::newRow("sub-indices 0 and 1: sub-index 0 is the user's")
        << sdoFile({}, sdoRow("8192", "1", "1") + sdoRow("$2000", "0", "1")) << QByteArray(R"([ManufacturerObjects]
SupportedObjects=1
1=0x2000

[2000]
SubNumber=2
ParameterName=App Vars
ObjectType=0x9

[2000sub0]
ParameterName=Application Variable
ObjectType=0x7
DataType=0x0005
LowLimit=0x00
HighLimit=0xFF
DefaultValue=0x00
AccessType=rw
PDOMapping=0

[2000sub1]
ParameterName=Application Variable
ObjectType=0x7
DataType=0x0005
LowLimit=0x00
HighLimit=0xFF
DefaultValue=0x00
AccessType=rw
PDOMapping=0


)");

    // One index with sub-index 0 only is a plain value: a variable, not a record.
    QTest::newRow("a lone sub-index 0 is one variable")
        << sdoFile(sdoRow("0x5FFF", "0", "2"), {}) << QByteArray(R"([ManufacturerObjects]
SupportedObjects=1
1=0x5FFF

[5FFF]
ParameterName=Application Variable
ObjectType=0x7
DataType=0x0006
LowLimit=0x0000
HighLimit=0xFFFF
DefaultValue=0x0000
AccessType=ro
PDOMapping=0


)");

    // Read rows come first: the object takes its size from the Read row and is read-write.
    QTest::newRow("one object in both tables is written once")
        << sdoFile(sdoRow("0x2000", "0", "2"), sdoRow("0x2000", "0", "4")) << QByteArray(R"([ManufacturerObjects]
SupportedObjects=1
1=0x2000

[2000]
ParameterName=Application Variable
ObjectType=0x7
DataType=0x0006
LowLimit=0x0000
HighLimit=0xFFFF
DefaultValue=0x0000
AccessType=rw
PDOMapping=0


)");

    QTest::newRow("one object twice in one table is written once")
        << sdoFile(sdoRow("0x2000", "5", "1") + sdoRow("0x2000", "5", "4"), {}) << QByteArray(R"([ManufacturerObjects]
SupportedObjects=1
1=0x2000

[2000]
SubNumber=2
ParameterName=App Vars
ObjectType=0x9

[2000sub0]
ParameterName=Largest Sub-Index supported
ObjectType=0x7
DataType=0x0005
AccessType=ro
DefaultValue=0x05
PDOMapping=0

[2000sub5]
ParameterName=Application Variable
ObjectType=0x7
DataType=0x0005
LowLimit=0x00
HighLimit=0xFF
DefaultValue=0x00
AccessType=ro
PDOMapping=0


)");

    QTest::newRow("sub-indices sorted and in hexadecimal")
        << sdoFile({}, sdoRow("0x2000", "255", "1") + sdoRow("0x2000", "10", "1")) << QByteArray(R"([ManufacturerObjects]
SupportedObjects=1
1=0x2000

[2000]
SubNumber=3
ParameterName=App Vars
ObjectType=0x9

[2000sub0]
ParameterName=Largest Sub-Index supported
ObjectType=0x7
DataType=0x0005
AccessType=ro
DefaultValue=0xFF
PDOMapping=0

[2000subA]
ParameterName=Application Variable
ObjectType=0x7
DataType=0x0005
LowLimit=0x00
HighLimit=0xFF
DefaultValue=0x00
AccessType=rw
PDOMapping=0

[2000subFF]
ParameterName=Application Variable
ObjectType=0x7
DataType=0x0005
LowLimit=0x00
HighLimit=0xFF
DefaultValue=0x00
AccessType=rw
PDOMapping=0


)");

    QTest::newRow("indices in the order they first occur")
        << sdoFile(sdoRow("0x2001", "2", "1") + sdoRow("0x2000", "0", "1"), sdoRow("0x2001", "1", "1"))
        << QByteArray(R"([ManufacturerObjects]
SupportedObjects=2
1=0x2001
2=0x2000

[2001]
SubNumber=3
ParameterName=App Vars
ObjectType=0x9

[2001sub0]
ParameterName=Largest Sub-Index supported
ObjectType=0x7
DataType=0x0005
AccessType=ro
DefaultValue=0x02
PDOMapping=0

[2001sub1]
ParameterName=Application Variable
ObjectType=0x7
DataType=0x0005
LowLimit=0x00
HighLimit=0xFF
DefaultValue=0x00
AccessType=rw
PDOMapping=0

[2001sub2]
ParameterName=Application Variable
ObjectType=0x7
DataType=0x0005
LowLimit=0x00
HighLimit=0xFF
DefaultValue=0x00
AccessType=ro
PDOMapping=0

[2000]
ParameterName=Application Variable
ObjectType=0x7
DataType=0x0005
LowLimit=0x00
HighLimit=0xFF
DefaultValue=0x00
AccessType=ro
PDOMapping=0


)");
}

void TestEds::applicationObjects()
{
    QFETCH(QByteArray, sdo);
    QFETCH(QByteArray, expected);
    Project project;
    project.write(project.files.File_SDO_Server, sdo);
    const EdsResult eds = Make_EDS(project.files, Now);
    QVERIFY2(eds.ok(), qPrintable(eds.error));
    QCOMPARE(manufacturerPart(eds.bytes), expected);
}

void TestEds::applicationDataTypes_data()
{
    QTest::addColumn<QByteArray>("nbyte");
    QTest::addColumn<QByteArray>("lines");
    QTest::newRow("1 byte") << QByteArray("1")
                            << QByteArray("DataType=0x0005\nLowLimit=0x00\nHighLimit=0xFF\nDefaultValue=0x00\n");
    QTest::newRow("2 bytes") << QByteArray("0x2")
                             << QByteArray("DataType=0x0006\nLowLimit=0x0000\nHighLimit=0xFFFF\nDefaultValue=0x0000\n");
    const QByteArray unsigned32 = "DataType=0x0007\nLowLimit=0x00000000\nHighLimit=0xFFFFFFFF\nDefaultValue=0x00000000\n";
    QTest::newRow("4 bytes") << QByteArray("4") << unsigned32;
    QTest::newRow("any other size") << QByteArray("3") << unsigned32;
    QTest::newRow("257 is not 1") << QByteArray("257") << unsigned32;
}

void TestEds::applicationDataTypes()
{
    QFETCH(QByteArray, nbyte);
    QFETCH(QByteArray, lines);
    Project project;
    project.write(project.files.File_SDO_Server, sdoFile(sdoRow("0x3000", "1", nbyte.constData()), {}));
    const EdsResult eds = Make_EDS(project.files, Now);
    QVERIFY2(eds.ok(), qPrintable(eds.error));
    QVERIFY2(section(eds.bytes, "3000sub1").contains(QByteArray("ObjectType=0x7\n" + lines + "AccessType=ro\n")),
             section(eds.bytes, "3000sub1").constData());
}

// Files the sheet cannot be made from: an error naming the file and no bytes.
void TestEds::unusableFiles_data()
{
    QTest::addColumn<bool>("pdoFile");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("error");

    QByteArray thirtyOne;
    for (int i = 0; i < 31; ++i)
        thirtyOne += pdoRow("0x181", "1");
    QByteArray fiveHundredOne;
    for (int i = 0; i < 501; ++i)
        fiveHundredOne += sdoRow("0x2000", "1", "1");

    QTest::newRow("PDO file not XML") << true << QByteArray("<PDO_CANopen><Receive_PDO>") << u"not well-formed"_s;
    QTest::newRow("PDO file without Transmit_PDO")
        << true << QByteArray("<PDO_CANopen><Receive_PDO/></PDO_CANopen>") << u"Transmit_PDO is missing"_s;
    QTest::newRow("31 receive PDOs") << true << pdoFile(thirtyOne, {}) << u"holds 31 rows"_s;
    QTest::newRow("Dimension 9") << true << pdoFile({}, pdoRow("0x181", "9"))
                                 << u"row 1 of Transmit_PDO: Dimension 9 is not 1 to 8"_s;
    QTest::newRow("Dimension 0") << true << pdoFile(pdoRow("0x181", "1") + pdoRow("0x182", "0"), {})
                                 << u"row 2 of Receive_PDO: Dimension 0 is not 1 to 8"_s;
    QTest::newRow("huge Dimension") << true << pdoFile(pdoRow("0x181", "0x7FFFFFFF"), {})
                                    << u"Dimension 0x7FFFFFFF is not 1 to 8"_s;

    QTest::newRow("SDO file without SDO_Write")
        << false << QByteArray("<SDO_Server_CANopen><SDO_Read/></SDO_Server_CANopen>") << u"SDO_Write is missing"_s;
    QTest::newRow("501 SDO rows") << false << sdoFile(fiveHundredOne, {}) << u"holds 501 rows"_s;
    QTest::newRow("Index not a number")
        << false << sdoFile(sdoRow("0x2000", "1", "1"), sdoRow("0x2000 ", "1", "1"))
        << u"row 1 of SDO_Write: Index \"0x2000 \" is not an index from 0x2000 to 0x5FFF"_s;
    QTest::newRow("Index of a communication object")
        << false << sdoFile(sdoRow("0x1018", "1", "1"), {})
        << u"row 1 of SDO_Read: Index \"0x1018\" is not an index from 0x2000 to 0x5FFF"_s;
    QTest::newRow("Index of a PDO data object")
        << false << sdoFile(sdoRow("0x7000", "0", "1"), {}) << u"Index \"0x7000\" is not an index"_s;
    QTest::newRow("decimal 2000 is no index")
        << false << sdoFile(sdoRow("2000", "0", "1"), {}) << u"Index \"2000\" is not an index"_s;
    QTest::newRow("SubIndex 256") << false << sdoFile(sdoRow("0x2000", "256", "1"), {})
                                  << u"SubIndex \"256\" is not a sub-index from 0 to 255"_s;
    QTest::newRow("SubIndex negative") << false << sdoFile(sdoRow("0x2000", "-1", "1"), {})
                                       << u"SubIndex \"-1\" is not a sub-index from 0 to 255"_s;
    QTest::newRow("NByte missing")
        << false << sdoFile(R"(<row Index="0x2000" SubIndex="1"/>)", {}) << u"NByte \"\" is not a number"_s;
}

void TestEds::unusableFiles()
{
    QFETCH(bool, pdoFile);
    QFETCH(QByteArray, content);
    QFETCH(QString, error);
    Project project;
    project.write(pdoFile ? project.files.File_PDO : project.files.File_SDO_Server, content);
    const EdsResult eds = Make_EDS(project.files, Now);
    QVERIFY(!eds.ok());
    QVERIFY(eds.bytes.isEmpty());
    QVERIFY2(eds.error.contains(error), qPrintable(eds.error));
    const QString file = pdoFile ? project.files.File_PDO : project.files.File_SDO_Server;
    QVERIFY2(eds.error.contains(file), qPrintable(eds.error));
}

void TestEds::writeEdsFileReplacesOrReports()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"device.eds"_s);
    QVERIFY(writeEdsFile(path, "old").isEmpty());
    QVERIFY(writeEdsFile(path, "[FileInfo]\r\n").isEmpty());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("[FileInfo]\r\n"));

    const QString unwritable = dir.filePath(u"missing/device.eds"_s);
    const QString error = writeEdsFile(unwritable, "[FileInfo]\r\n");
    QVERIFY2(error.contains(unwritable), qPrintable(error));
    QVERIFY(!QFile::exists(unwritable));
}

QTEST_GUILESS_MAIN(TestEds)
#include "tst_eds.moc"

// SPDX-License-Identifier: MIT
#include "devicefiles/eds_generator.h"

#include <algorithm>
#include <array>

namespace {

constexpr char ProductText[] = "IO-Link Slave / CANopen - Converter";
constexpr char VendorText[] = "Talvex";

// Name prefixes of the data entries of PDO 1 to 30 (receive: note h, j, k, i).
constexpr std::array<const char *, EdsMaxPdos> ReceivePrefixes = {
    "b",  "c",  "d",  "e",  "f",  "g",  "h",  "j",  "k",  "i",  "aa", "ab", "ac", "ad", "ae",
    "af", "ag", "ah", "ai", "al", "am", "an", "ao", "ap", "aq", "ar", "as", "at", "au", "av"};
constexpr std::array<const char *, EdsMaxPdos> TransmitPrefixes = {
    "l",  "m",  "n",  "o",  "p",  "q",  "r",  "s",  "t",  "u",  "ca", "cb", "cc", "cd", "ce",
    "cf", "cg", "ch", "ci", "cl", "cm", "cn", "co", "cp", "cq", "cr", "cs", "ct", "cu", "cv"};

// CiA 301 data types.
constexpr char Unsigned8[] = "0x0005";
constexpr char Unsigned16[] = "0x0006";
constexpr char Unsigned32[] = "0x0007";
constexpr char VisibleString[] = "0x0009";

// Object types of the head blocks.
constexpr char ArrayType[] = "0x08";
constexpr char RecordType[] = "0x09";

QByteArray dec(qint64 value)
{
    return QByteArray::number(value);
}

// Upper-case hexadecimal, zero-padded to at least digits (never cut).
QByteArray hex(quint32 value, int digits)
{
    return QByteArray::number(value, 16).toUpper().rightJustified(digits, '0');
}

QByteArray objectSection(quint32 object)
{
    return hex(object, 4);
}

QByteArray subSection(quint32 object, quint32 sub)
{
    return hex(object, 4) + "sub" + hex(sub, 1);
}

class EdsText
{
public:
    void line(const QByteArray &text)
    {
        m_bytes += text;
        m_bytes += "\r\n";
    }
    void emptyLine() { m_bytes += "\r\n"; }

    // An object or sub-index of type VAR; an empty defaultValue writes no DefaultValue line.
    void variable(const QByteArray &section, const QByteArray &name, const char *dataType,
                  const char *access, const QByteArray &defaultValue, bool pdoMapping = false)
    {
        line("[" + section + "]");
        line("ParameterName=" + name);
        line("ObjectType=0x07");
        line(QByteArray("DataType=") + dataType);
        line(QByteArray("AccessType=") + access);
        if (!defaultValue.isEmpty())
            line("DefaultValue=" + defaultValue);
        line(pdoMapping ? "PDOMapping=1" : "PDOMapping=0");
        emptyLine();
    }

    // The head of an object with sub-indices.
    void head(const QByteArray &section, qint64 subNumber, const QByteArray &name, const char *objectType)
    {
        line("[" + section + "]");
        line("SubNumber=" + dec(subNumber));
        line("ParameterName=" + name);
        line(QByteArray("ObjectType=") + objectType);
        emptyLine();
    }

    [[nodiscard]] QByteArray bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

// One line of the fixed-object table: a head when subNumber > 0, else a variable.
struct FixedBlock {
    const char *section;
    int subNumber;
    const char *name;
    const char *typeOrObjectType; // DataType of a variable, ObjectType of a head
    const char *access;
    const char *defaultValue; // "" for none
};

constexpr FixedBlock FixedObjects[] = {
    {"1000", 0, "Device Type", Unsigned32, "const", "0x000101A4"},
    {"1001", 0, "Error Register", Unsigned8, "ro", "0x00"},
    {"1005", 0, "COB-ID SYNC", Unsigned32, "rw", "0x80000080"},
    {"1006", 0, "Communication Cycle Period", Unsigned32, "rw", "0x00000000"},
    {"1008", 0, "Manufacturer Device Name", VisibleString, "const", "s1"},
    {"1014", 0, "COB-ID EMCY", Unsigned32, "ro", "$NODEID+0x80"},
    {"1016", 3, "Heartbeat Consumer Entries", ArrayType, "", ""},
    {"1016sub0", 0, "Number of Entries", Unsigned8, "ro", "0x02"},
    {"1016sub1", 0, "Consumer Heartbeat Time 1", Unsigned32, "rw", "0x00000000"},
    {"1016sub2", 0, "Consumer Heartbeat Time 2", Unsigned32, "rw", "0x00000000"},
    {"1017", 0, "Producer Heartbeat Time", Unsigned16, "rw", "0x000003E8"},
    {"1018", 5, "Identity Object", RecordType, "", ""},
    {"1018sub0", 0, "number of entries", Unsigned8, "ro", "0x4"},
    {"1018sub1", 0, "Vendor Id", Unsigned32, "ro", ""},
    {"1018sub2", 0, "Product Code", Unsigned32, "ro", ""},
    {"1018sub3", 0, "Revision number", Unsigned32, "ro", ""},
    {"1018sub4", 0, "Serial number", Unsigned32, "ro", ""},
    {"1029", 2, "Error Behaviour", ArrayType, "", ""},
    {"1029sub0", 0, "Number of Entries", Unsigned8, "ro", "1"},
    {"1029sub1", 0, "Communication Error", Unsigned8, "rw", "0x0"},
    {"1280", 4, "Client SDO Parameter 1", RecordType, "", ""},
    {"1280sub0", 0, "Number of Entries", Unsigned8, "ro", "0x03"},
    {"1280sub1", 0, "COB-ID Client -> Server", Unsigned32, "rw", ""},
    {"1280sub2", 0, "COB-ID Server -> Client", Unsigned32, "rw", ""},
    {"1280sub3", 0, "Node ID of the SDO Server", Unsigned8, "rw", ""},
};

// The objects of one direction of PDOs.
struct PdoDirection {
    const QList<EdsPdo> &pdos;
    quint32 communication; // 0x1400 or 0x1800
    quint32 mapping;       // 0x1600 or 0x1A00
    quint32 data;          // 0x7000 or 0x7050
    bool receive;
};

void writeCommunicationObjects(EdsText &eds, const PdoDirection &direction)
{
    for (qsizetype i = 0; i < direction.pdos.size(); ++i) {
        const quint32 object = direction.communication + quint32(i);
        const QByteArray name = (direction.receive ? "Receive" : "Transmit")
            + QByteArray(" PDO Communication Parameter ") + dec(i + 1);
        eds.head(objectSection(object), 4, name, RecordType);
        eds.variable(subSection(object, 0), "Number of Entries", Unsigned8, "ro", "0x03");
        eds.variable(subSection(object, 1), "COB-ID", Unsigned32, "rw",
                     "0x" + hex(direction.pdos.at(i).cobId, 8));
        eds.variable(subSection(object, 2), "Transmission Type", Unsigned8, "rw", "0xFE");
        eds.variable(subSection(object, 3), "Inhibit Time", Unsigned16, "rw", "0x0");
    }
}

void writeMappingObjects(EdsText &eds, const PdoDirection &direction)
{
    for (qsizetype i = 0; i < direction.pdos.size(); ++i) {
        const quint32 object = direction.mapping + quint32(i);
        const quint32 data = direction.data + quint32(i);
        const int dimension = direction.pdos.at(i).dimension;
        // The receive side carries no number in this name; tools show it as it stands.
        const QByteArray name = direction.receive ? QByteArray("Receive PDO Mapping Parameter")
                                                  : "Transmit PDO Mapping Parameter " + dec(i + 1);
        eds.head(objectSection(object), dimension + 1, name, RecordType);
        eds.variable(subSection(object, 0), "Number of Entries", Unsigned8, "ro",
                     "0x" + hex(quint32(dimension), 2));
        // Each entry maps sub-index j of the PDO's data object, 8 bits long.
        for (int j = 1; j <= dimension; ++j) {
            eds.variable(subSection(object, quint32(j)), "Mapping Entry " + dec(j), Unsigned32, "ro",
                         "0x" + hex(data, 4) + hex(quint32(j), 2) + "08");
        }
    }
}

void writeDataObjects(EdsText &eds, const PdoDirection &direction)
{
    const auto &prefixes = direction.receive ? ReceivePrefixes : TransmitPrefixes;
    for (qsizetype i = 0; i < direction.pdos.size(); ++i) {
        const quint32 object = direction.data + quint32(i);
        const int dimension = direction.pdos.at(i).dimension;
        eds.head(objectSection(object), dimension + 1,
                 (direction.receive ? "RPDO" : "TPDO") + dec(i + 1), ArrayType);
        eds.variable(subSection(object, 0), "Number of Entries", Unsigned8,
                     direction.receive ? "ro" : "rw", "0x" + hex(quint32(dimension), 2));
        for (int j = 1; j <= dimension; ++j) {
            eds.variable(subSection(object, quint32(j)), prefixes[size_t(i)] + dec(j), Unsigned8,
                         direction.receive ? "rww" : "rwr", "0x00", true);
        }
    }
}

// The value lines of an SDO server object, by its size in bytes.
void writeApplicationValue(EdsText &eds, const SDO_Sub_Type &entry)
{
    eds.line("ParameterName=Application Variable");
    eds.line("ObjectType=0x7");
    if (entry.Quantity == 1) {
        eds.line("DataType=0x0005");
        eds.line("LowLimit=0x00");
        eds.line("HighLimit=0xFF");
        eds.line("DefaultValue=0x00");
    } else if (entry.Quantity == 2) {
        eds.line("DataType=0x0006");
        eds.line("LowLimit=0x0000");
        eds.line("HighLimit=0xFFFF");
        eds.line("DefaultValue=0x0000");
    } else {
        eds.line("DataType=0x0007");
        eds.line("LowLimit=0x00000000");
        eds.line("HighLimit=0xFFFFFFFF");
        eds.line("DefaultValue=0x00000000");
    }
    eds.line(entry.Readonly ? "AccessType=ro" : "AccessType=rw");
    eds.line("PDOMapping=0");
    eds.emptyLine();
}

void writeApplicationObject(EdsText &eds, const SDO_Index &record)
{
    const quint32 index = record.Index;
    const QList<SDO_Sub_Type> &subs = record.Sub_Indexs;
    if (subs.isEmpty())
        return;

    // A lone sub-index 0 is a plain value: one variable. As a record, its sub-index 0 would
    // have to be UNSIGNED8, which a 16- or 32-bit value is not.
    if (subs.size() == 1 && subs.constFirst().Sub == 0) {
        eds.line("[" + objectSection(index) + "]");
        writeApplicationValue(eds, subs.constFirst());
        return;
    }

    const bool hasSub0 = subs.constFirst().Sub == 0;
    eds.line("[" + objectSection(index) + "]");
    eds.line("SubNumber=" + dec(hasSub0 ? subs.size() : subs.size() + 1));
    eds.line("ParameterName=App Vars");
    eds.line("ObjectType=0x9");
    eds.emptyLine();
    if (!hasSub0) {
        eds.line("[" + subSection(index, 0) + "]");
        eds.line("ParameterName=Largest Sub-Index supported");
        eds.line("ObjectType=0x7");
        eds.line("DataType=0x0005");
        eds.line("AccessType=ro");
        eds.line("DefaultValue=0x" + hex(subs.constLast().Sub, 2));
        eds.line("PDOMapping=0");
        eds.emptyLine();
    }
    for (const SDO_Sub_Type &entry : subs) {
        eds.line("[" + subSection(index, entry.Sub) + "]");
        writeApplicationValue(eds, entry);
    }
}

} // namespace

qsizetype Find_SDO_Index(const QList<SDO_Index> &list, quint16 Index)
{
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (list.at(i).Index == Index)
            return i;
    }
    return -1;
}

void Add_SDO_Sub(QList<SDO_Index> &list, int Quantity, quint16 Index, quint8 Sub, bool Readonly)
{
    const SDO_Sub_Type entry{Sub, Quantity, Readonly};
    const qsizetype position = Find_SDO_Index(list, Index);
    if (position < 0) {
        list.append(SDO_Index{Index, {entry}});
        return;
    }
    QList<SDO_Sub_Type> &subs = list[position].Sub_Indexs;
    for (SDO_Sub_Type &known : subs) {
        if (known.Sub == Sub) {
            known.Readonly = known.Readonly && Readonly;
            return;
        }
    }
    subs.append(entry);
}

void Sort_SDO_Subs(QList<SDO_Index> &list)
{
    for (SDO_Index &record : list) {
        std::stable_sort(record.Sub_Indexs.begin(), record.Sub_Indexs.end(),
                         [](const SDO_Sub_Type &a, const SDO_Sub_Type &b) { return a.Sub < b.Sub; });
    }
}

QByteArray edsDateText(const QDate &date)
{
    return QByteArray::number(date.month()).rightJustified(2, '0') + '-'
        + QByteArray::number(date.day()).rightJustified(2, '0') + '-' + dec(date.year());
}

QByteArray edsTimeText(const QTime &time)
{
    const int hour = time.hour();
    const int shown = hour % 12 == 0 ? 12 : hour % 12;
    return QByteArray::number(shown).rightJustified(2, '0') + ':'
        + QByteArray::number(time.minute()).rightJustified(2, '0') + (hour < 12 ? "AM" : "PM");
}

QByteArray edsBytes(const EdsData &data, const QDateTime &now)
{
    const QList<EdsPdo> receive = data.receivePdos.first(qMin(data.receivePdos.size(), qsizetype(EdsMaxPdos)));
    const QList<EdsPdo> transmit = data.transmitPdos.first(qMin(data.transmitPdos.size(), qsizetype(EdsMaxPdos)));
    const QByteArray date = edsDateText(now.date());
    const QByteArray time = edsTimeText(now.time());
    EdsText eds;

    eds.line("[FileInfo]");
    eds.line("FileName=IOLinkSlave_CANopen.eds");
    eds.line("FileVersion=1");
    eds.line("FileRevision=0");
    eds.line("EDSVersion=4.0");
    eds.line(QByteArray("Description=") + ProductText);
    eds.line("CreationTime=" + time);
    eds.line("CreationDate=" + date);
    eds.line(QByteArray("CreatedBy=") + VendorText);
    eds.line("ModificationTime=" + time);
    eds.line("ModificationDate=" + date);
    eds.line(QByteArray("ModifiedBy=") + VendorText);
    eds.emptyLine();

    eds.line("[DeviceInfo]");
    eds.line(QByteArray("VendorName=") + VendorText);
    eds.line("VendorNumber=0x00");
    eds.line(QByteArray("ProductName=") + ProductText);
    eds.line("ProductNumber=213");
    eds.line("RevisionNumber=0x0");
    eds.line("OrderCode=HD48213");
    for (const char *rate : {"10=1", "20=1", "50=1", "125=1", "250=1", "500=1", "800=0", "1000=1"})
        eds.line(QByteArray("BaudRate_") + rate);
    eds.line("DynamicChannelsSupported=0");
    eds.line("GroupMessaging=0");
    eds.line("LSS_Supported=0");
    eds.line("Granularity=0");
    eds.line("SimpleBootUpSlave=1");
    eds.line("SimpleBootUpMaster=0");
    eds.line("NrOfRXPDO=" + dec(receive.size()));
    eds.line("NrOfTXPDO=" + dec(transmit.size()));
    eds.emptyLine();

    eds.line("[Comments]");
    eds.line("Lines=0");
    eds.emptyLine();

    eds.line("[DummyUsage]");
    for (int dummy = 1; dummy <= 7; ++dummy)
        eds.line("Dummy000" + dec(dummy) + "=0");
    eds.emptyLine();

    eds.line("[MandatoryObjects]");
    eds.line("SupportedObjects=3");
    eds.line("1=0x1000");
    eds.line("2=0x1001");
    eds.line("3=0x1018");
    eds.emptyLine();

    eds.line("[OptionalObjects]");
    eds.line("SupportedObjects=" + dec(8 + 3 * receive.size() + 3 * transmit.size()));
    int counter = 0;
    for (const quint32 object : {0x1005u, 0x1006u, 0x1008u, 0x1014u, 0x1016u, 0x1017u, 0x1029u, 0x1280u})
        eds.line(dec(++counter) + "=0x" + hex(object, 4));
    const auto listObjects = [&](quint32 first, qsizetype count) {
        for (qsizetype i = 0; i < count; ++i)
            eds.line(dec(++counter) + "=0x" + hex(first + quint32(i), 4));
    };
    listObjects(0x1400, receive.size());
    listObjects(0x1600, receive.size());
    listObjects(0x1800, transmit.size());
    listObjects(0x1A00, transmit.size());
    listObjects(0x7000, receive.size());
    listObjects(0x7050, transmit.size());
    eds.emptyLine();

    eds.line("[ManufacturerObjects]");
    eds.line("SupportedObjects=" + dec(data.SDO_Index_List.size()));
    for (qsizetype k = 0; k < data.SDO_Index_List.size(); ++k)
        eds.line(dec(k + 1) + "=0x" + hex(data.SDO_Index_List.at(k).Index, 4));
    eds.emptyLine();

    for (const FixedBlock &block : FixedObjects) {
        if (block.subNumber > 0)
            eds.head(block.section, block.subNumber, block.name, block.typeOrObjectType);
        else
            eds.variable(block.section, block.name, block.typeOrObjectType, block.access, block.defaultValue);
    }

    const PdoDirection receiveObjects{receive, 0x1400, 0x1600, 0x7000, true};
    const PdoDirection transmitObjects{transmit, 0x1800, 0x1A00, 0x7050, false};
    writeCommunicationObjects(eds, receiveObjects);
    writeMappingObjects(eds, receiveObjects);
    writeCommunicationObjects(eds, transmitObjects);
    writeMappingObjects(eds, transmitObjects);
    writeDataObjects(eds, receiveObjects);
    writeDataObjects(eds, transmitObjects);

    for (const SDO_Index &record : data.SDO_Index_List)
        writeApplicationObject(eds, record);

    eds.emptyLine(); // the file ends with two empty lines
    return eds.bytes();
}

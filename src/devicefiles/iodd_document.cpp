// SPDX-License-Identifier: MIT
#include "devicefiles/iodd_document.h"

#include "app/build_constants.h"

#include <QFile>

#include <zlib.h>

#include <charconv>
#include <system_error>

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype CrcByteLimit = 10'000'000;

const QString IoddNamespace = u"http://www.io-link.com/IODD/2010/10"_s;

// The text, one element per line, each line ended by CR LF and indented by one tab per level.
class IoddWriter
{
public:
    void line(int level, const QString &text)
    {
        m_text += QString(level, u'\t') + text + u"\r\n";
    }
    void emptyLine() { m_text += u"\r\n"_s; }
    [[nodiscard]] QByteArray bytes() const { return m_text.toUtf8(); }

private:
    QString m_text;
};

// name="value" with the value escaped, preceded by a blank.
QString attribute(const char *name, const QString &value)
{
    return u' ' + QLatin1String(name) + u"=\"" + ioddAttributeText(value) + u'"';
}

QString attribute(const char *name, qint64 value)
{
    return attribute(name, QString::number(value));
}

QString gradientText(float gradient)
{
    return ioddDecimalText(double(gradient)); // widened exactly
}

// Unit codes are positive 16-bit numbers; a hand-edited file may hold others.
bool isUnitCode(int code)
{
    return code >= 1 && code <= 65535;
}

// The Datatype of a variable or the SimpleDatatype of a record item: start and end tag on two
// lines, no content. An octet string is an empty-element tag: its type allows no content at
// all, not even the line break between the tags.
void writeValueType(IoddWriter &out, int level, const char *element, int lengthBits)
{
    QString start = u'<' + QLatin1String(element);
    switch (ioddValueType(lengthBits)) {
    case IoddValueType::Boolean:
        start += attribute("xsi:type", u"BooleanT"_s);
        break;
    case IoddValueType::OctetString:
        out.line(level, start + attribute("xsi:type", u"OctetStringT"_s) + attribute("fixedLength", lengthBits / 8)
                            + u"/>");
        return;
    case IoddValueType::UInteger:
    case IoddValueType::Unusable:
        start += attribute("xsi:type", u"UIntegerT"_s) + attribute("bitLength", lengthBits);
        break;
    }
    out.line(level, start + u'>');
    out.line(level, u"</" + QLatin1String(element) + u'>');
}

// A process data record above 16 bits takes whole bytes.
int recordBitLength(int bits)
{
    if (bits > 16 && bits % 8 != 0)
        return (bits / 8 + 1) * 8;
    return bits;
}

void writeIdentity(IoddWriter &out)
{
    out.line(2, u"<DeviceIdentity"_s + attribute("vendorId", Iodd::VendorId)
                    + attribute("vendorName", Iodd::VendorName) + attribute("deviceId", Iodd::DeviceId) + u'>');
    out.line(3, u"<VendorText textId=\"TI_VendorText\"/>"_s);
    out.line(3, u"<VendorUrl textId=\"TI_VendorUrl\"/>"_s);
    out.line(3, u"<VendorLogo"_s + attribute("name", Iodd::LogoFile) + u"/>");
    out.line(3, u"<DeviceName textId=\"TI_DeviceName\"/>"_s);
    out.line(3, u"<DeviceFamily textId=\"TI_DeviceFamily\"/>"_s);
    out.line(3, u"<DeviceVariantCollection>"_s);
    out.line(4, u"<DeviceVariant"_s + attribute("productId", Iodd::ProductId)
                    + attribute("deviceSymbol", Iodd::SymbolFile) + attribute("deviceIcon", Iodd::IconFile)
                    + u'>');
    out.line(5, u"<Name textId=\"TN_Product\"/>"_s);
    out.line(5, u"<Description textId=\"TD_Product\"/>"_s);
    out.line(4, u"</DeviceVariant>"_s);
    out.line(3, u"</DeviceVariantCollection>"_s);
    out.line(2, u"</DeviceIdentity>"_s);
}

void writeVariables(IoddWriter &out, const IoddProject &project)
{
    out.line(3, u"<VariableCollection>"_s);
    out.line(4, u"<StdVariableRef id=\"V_DirectParameters_1\"/>"_s);
    out.line(4, u"<StdVariableRef id=\"V_SystemCommand\">"_s);
    for (const char16_t *command : {u"129", u"130", u"131"})
        out.line(5, u"<StdSingleValueRef"_s + attribute("value", QString::fromUtf16(command)) + u"/>");
    out.line(4, u"</StdVariableRef>"_s);

    struct StdText {
        const char *id;
        int length;
        QString defaultValue;
    };
    const StdText texts[] = {
        {"V_VendorName", 32, Iodd::VendorName},
        {"V_VendorText", 32, Build::MakerWebAddress},
        {"V_ProductName", 32, {}},
        // A device with one variant reports its product ID here.
        {"V_ProductID", 32, Iodd::ProductId},
        {"V_ProductText", 32, {}},
        {"V_HardwareRevision", 32, {}},
        {"V_FirmwareRevision", 16, {}},
        {"V_ApplicationSpecificTag", 16, u"***"_s},
    };
    for (const StdText &text : texts) {
        out.line(4, u"<StdVariableRef"_s + attribute("id", QLatin1String(text.id))
                        + attribute("fixedLengthRestriction", text.length)
                        + attribute("defaultValue", text.defaultValue) + u"/>");
    }
    // The process data variables exist only with their process data.
    if (!project.inputs.isEmpty())
        out.line(4, u"<StdVariableRef id=\"V_ProcessDataInput\"/>"_s);
    if (!project.outputs.isEmpty())
        out.line(4, u"<StdVariableRef id=\"V_ProcessDataOutput\"/>"_s);
    out.emptyLine();

    for (qsizetype j = 0; j < project.variables.size(); ++j) {
        const TVariable &variable = project.variables.at(j);
        // Two blanks before index, as the file has always had them.
        out.line(4, u"<Variable"_s + attribute("id", u"PAR_"_s + QString::number(j))
                        + attribute("accessRights", variable.Access) + u' ' + attribute("index", variable.Index)
                        + attribute("defaultValue", variable.DefaultValue) + u'>');
        writeValueType(out, 5, "Datatype", variable.Length);
        out.line(5, u"<Name"_s + attribute("textId", u"TN_par_"_s + QString::number(j)) + u"/>");
        out.line(5, u"<Description"_s + attribute("textId", u"TD_par_"_s + QString::number(j)) + u"/>");
        out.line(4, u"</Variable>"_s);
    }
    out.line(3, u"</VariableCollection>"_s);
}

void writeProcessDataItem(IoddWriter &out, const QList<TProcessData> &items, int bits, bool input)
{
    const char *element = input ? "ProcessDataIn" : "ProcessDataOut";
    const QString textPrefix = input ? u"PDIn_"_s : u"PDOut_"_s;
    const int bitLength = recordBitLength(bits);

    out.line(5, u'<' + QLatin1String(element) + attribute("id", input ? u"PD_IN"_s : u"PD_OUT"_s)
                    + attribute("bitLength", bitLength) + u'>');
    out.line(6, u"<Datatype"_s + attribute("xsi:type", u"RecordT"_s) + attribute("bitLength", bitLength)
                    + attribute("subindexAccessSupported", u"false"_s) + u'>');
    int bitOffset = 0; // item offsets stay as packed, without the raise to whole bytes
    for (qsizetype k = 0; k < items.size(); ++k) {
        const TProcessData &item = items.at(k);
        out.line(7, u"<RecordItem"_s + attribute("subindex", k + 1) + attribute("bitOffset", bitOffset) + u'>');
        writeValueType(out, 8, "SimpleDatatype", item.Length);
        out.line(8, u"<Name"_s + attribute("textId", u"TN_"_s + textPrefix + QString::number(k)) + u"></Name>");
        out.line(8, u"<Description"_s + attribute("textId", u"TD_"_s + textPrefix + QString::number(k)) + u"/>");
        out.line(7, u"</RecordItem>"_s);
        bitOffset += item.Length;
    }
    out.line(6, u"</Datatype>"_s);
    out.line(6, u"<Name"_s + attribute("textId", input ? u"TN_PD_In"_s : u"TN_PD_Out"_s) + u"/>");
    out.line(5, u"</"_s + QLatin1String(element) + u'>');
}

void writeProcessData(IoddWriter &out, const IoddProject &project)
{
    out.line(3, u"<ProcessDataCollection>"_s);
    if (project.inputs.isEmpty() && project.outputs.isEmpty()) {
        out.line(4, u"<ProcessData id=\"PD\"/>"_s);
    } else {
        out.line(4, u"<ProcessData id=\"PD\">"_s);
        if (!project.inputs.isEmpty())
            writeProcessDataItem(out, project.inputs, project.bitsIn, true);
        if (!project.outputs.isEmpty())
            writeProcessDataItem(out, project.outputs, project.bitsOut, false);
        out.line(4, u"</ProcessData>"_s);
    }
    out.line(3, u"</ProcessDataCollection>"_s);
}

void writeErrorTypes(IoddWriter &out)
{
    struct ErrorType {
        int additionalCode;
        const char *comment; // as it stands between the comment marks
    };
    static constexpr ErrorType Types[] = {
        {0, " no detail "},
        {17, " Idx not avail. "},
        {18, " Subidx not avail. "},
        {32, " Service not avail. "},
        {35, " Access denied "},
        {48, " Para value out of range "},
        {51, " Para len overrun "},
        {52, " Para len underrun "},
        {53, " Function not avail."},
        {54, " Function temporarily not avail "},
        {64, " Para set invalid "},
        {65, " Para set inconsistent "},
        {130, " Application not ready "},
    };
    out.line(3, u"<ErrorTypeCollection>"_s);
    for (const ErrorType &type : Types) {
        out.line(4, u"<StdErrorTypeRef code=\"128\""_s + attribute("additionalCode", type.additionalCode)
                        + u"/><!--" + QLatin1String(type.comment) + u"-->");
    }
    out.line(3, u"</ErrorTypeCollection>"_s);
}

// gradient and offset of a menu entry; not for switches and octet strings.
QString scalingAttributes(int lengthBits, float gradient, int offset)
{
    if (ioddValueType(lengthBits) != IoddValueType::UInteger)
        return {};
    return attribute("gradient", gradientText(gradient)) + attribute("offset", offset);
}

void writeUserInterface(IoddWriter &out, const IoddProject &project)
{
    // A menu must hold at least one entry: an empty one is left out with its references.
    const bool parameterMenu = !project.variables.isEmpty();
    const bool observationMenu = !project.inputs.isEmpty() || !project.outputs.isEmpty();

    out.line(3, u"<UserInterface>"_s);
    out.line(4, u"<MenuCollection>"_s);
    out.line(5, u"<Menu id=\"M_Ident\">"_s);
    for (const char *id : {"V_VendorName", "V_VendorText", "V_ProductName", "V_ProductID", "V_ProductText",
                           "V_HardwareRevision", "V_FirmwareRevision", "V_ApplicationSpecificTag"})
        out.line(6, u"<VariableRef"_s + attribute("variableId", QLatin1String(id)) + u"/>");
    out.line(5, u"</Menu>"_s);

    if (parameterMenu) {
        out.line(5, u"<Menu id=\"M_Par\">"_s);
        for (qsizetype j = 0; j < project.variables.size(); ++j) {
            const TVariable &variable = project.variables.at(j);
            QString entry = u"<VariableRef"_s + attribute("variableId", u"PAR_"_s + QString::number(j))
                + attribute("displayFormat", u"Dec"_s)
                + scalingAttributes(variable.Length, variable.Gradient, variable.Offset);
            if (ioddValueType(variable.Length) == IoddValueType::UInteger && isUnitCode(variable.UnitCode))
                entry += attribute("unitCode", variable.UnitCode);
            out.line(6, entry + u"/>");
        }
        out.line(5, u"</Menu>"_s);
    }

    if (observationMenu) {
        out.line(5, u"<Menu id=\"M_Observe\">"_s);
        auto writeEntries = [&out](const QList<TProcessData> &items, const QString &variableId) {
            for (qsizetype k = 0; k < items.size(); ++k) {
                const TProcessData &item = items.at(k);
                out.line(6, u"<RecordItemRef"_s + attribute("variableId", variableId) + attribute("subindex", k + 1)
                                + attribute("displayFormat", u"Dec"_s)
                                + scalingAttributes(item.Length, item.Gradient, item.Offset) + u"/>");
            }
        };
        writeEntries(project.inputs, u"V_ProcessDataInput"_s);
        writeEntries(project.outputs, u"V_ProcessDataOutput"_s);
        out.line(5, u"</Menu>"_s);
    }
    out.line(4, u"</MenuCollection>"_s);

    auto writeMenuSet = [&](const char *element, bool withObservation) {
        out.line(4, u'<' + QLatin1String(element) + u'>');
        out.line(5, u"<IdentificationMenu menuId=\"M_Ident\"/>"_s);
        if (parameterMenu)
            out.line(5, u"<ParameterMenu menuId=\"M_Par\"/>"_s);
        if (withObservation && observationMenu)
            out.line(5, u"<ObservationMenu menuId=\"M_Observe\"/>"_s);
        out.line(4, u"</"_s + QLatin1String(element) + u'>');
    };
    writeMenuSet("ObserverRoleMenuSet", false);
    writeMenuSet("MaintenanceRoleMenuSet", true);
    writeMenuSet("SpecialistRoleMenuSet", true);
    out.line(3, u"</UserInterface>"_s);
}

void writeCommunication(IoddWriter &out, const IoddProject &project)
{
    out.line(1, u"<CommNetworkProfile xsi:type=\"IOLinkCommNetworkProfileT\" iolinkRevision=\"V1.1\">"_s);
    out.line(2, u"<TransportLayers>"_s);
    out.line(3, u"<PhysicalLayer"_s + attribute("minCycleTime", project.cycleTime.microseconds)
                    + attribute("sioSupported", u"true"_s) + attribute("bitrate", project.IODD_Rate_Text)
                    + attribute("mSequenceCapability", u"41"_s) + u'>');
    out.line(4, u"<Connection xsi:type=\"M12-4ConnectionT\">"_s);
    out.line(5, u"<ProductRef"_s + attribute("productId", Iodd::ProductId) + u"/>");
    out.line(5, u"<Wire1 function=\"L+\"/>"_s);
    out.line(5, u"<Wire2 function=\"NC\"/>"_s);
    out.line(5, u"<Wire3 function=\"L-\"/>"_s);
    out.line(5, u"<Wire4 function=\"C/Q\"/>"_s);
    out.line(4, u"</Connection>"_s);
    out.line(3, u"</PhysicalLayer>"_s);
    out.line(2, u"</TransportLayers>"_s);
    out.line(2, u"<Test>"_s);
    out.line(3, u"<Config1 index=\"241\" testValue=\"0xFE\"/>"_s);
    out.line(3, u"<Config3 index=\"24\" "
                u"testValue=\"0x31,0x32,0x33,0x34,0x35,0x36,0x37,0x38,0x39,0x41,0x42,0x43,0x44,0x45,0x46\"/>"_s);
    out.line(2, u"</Test>"_s);
    out.line(1, u"</CommNetworkProfile>"_s);
}

void writeTexts(IoddWriter &out, const IoddProject &project)
{
    auto text = [&out](const QString &id, const QString &value) {
        out.line(3, u"<Text"_s + attribute("id", id) + attribute("value", value) + u"/>");
    };
    out.line(1, u"<ExternalTextCollection>"_s);
    out.line(2, u"<PrimaryLanguage xml:lang=\"en\">"_s);
    text(u"TI_VendorText"_s, Build::MakerWebAddress);
    text(u"TI_VendorUrl"_s, Build::MakerWebAddress);
    text(u"TI_DeviceName"_s, Iodd::ProductId);
    text(u"TI_DeviceFamily"_s, Iodd::DeviceFamily);
    text(u"TN_Product"_s, Iodd::ProductId);
    text(u"TD_Product"_s, Iodd::DeviceFamily);
    for (qsizetype j = 0; j < project.variables.size(); ++j) {
        text(u"TN_par_"_s + QString::number(j), project.variables.at(j).Name);
        text(u"TD_par_"_s + QString::number(j), project.variables.at(j).Description);
    }
    for (qsizetype k = 0; k < project.inputs.size(); ++k) {
        text(u"TN_PDIn_"_s + QString::number(k), project.inputs.at(k).Name);
        text(u"TD_PDIn_"_s + QString::number(k), project.inputs.at(k).Description);
    }
    for (qsizetype k = 0; k < project.outputs.size(); ++k) {
        text(u"TN_PDOut_"_s + QString::number(k), project.outputs.at(k).Name);
        text(u"TD_PDOut_"_s + QString::number(k), project.outputs.at(k).Description);
    }
    if (!project.inputs.isEmpty())
        text(u"TN_PD_In"_s, u"Process data input"_s);
    if (!project.outputs.isEmpty())
        text(u"TN_PD_Out"_s, u"Process data output"_s);
    out.line(2, u"</PrimaryLanguage>"_s);
    out.line(1, u"</ExternalTextCollection>"_s);
}

} // namespace

QString IODD_Base_Name(const QDate &today)
{
    return u"Talvex-"_s + Iodd::ProductId + u'-' + today.toString(u"yyyyMMdd"_s) + u"-IODD1.1";
}

QString ioddDecimalText(double value)
{
    // Fifteen significant digits as d.dddddddddddddde±x, then laid out without exponent.
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    if (error != std::errc())
        return u"0"_s;
    const QByteArray scientific(buffer, end - buffer);
    const qsizetype e = scientific.indexOf('e');
    if (e < 0)
        return u"0"_s; // infinities and NaN never come from a gradient cell
    QByteArray mantissa = scientific.first(e);
    const int exponent = scientific.mid(e + 1).toInt();
    const bool negative = mantissa.startsWith('-');
    if (negative)
        mantissa.remove(0, 1);
    QByteArray digits = mantissa.replace(".", "");
    while (digits.size() > 1 && digits.endsWith('0'))
        digits.chop(1);
    if (digits == "0")
        return negative ? u"-0"_s : u"0"_s;

    if (exponent < 0 && -exponent - 1 + digits.size() > IoddMaxDecimalDigits) {
        // Too small for its fifteen digits within the digit limit: round to the last decimal
        // place the limit allows, which leaves fewer significant digits.
        const auto [fixedEnd, fixedError] =
            std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, IoddMaxDecimalDigits);
        if (fixedError != std::errc())
            return u"0"_s;
        QByteArray fixed(buffer, fixedEnd - buffer);
        while (fixed.endsWith('0'))
            fixed.chop(1);
        if (fixed.endsWith('.'))
            fixed.chop(1);
        return fixed == "-0" ? u"0"_s : QString::fromLatin1(fixed);
    }

    QByteArray plain;
    if (exponent < 0) {
        plain = "0." + QByteArray(-exponent - 1, '0') + digits;
    } else if (digits.size() <= exponent + 1) {
        plain = digits + QByteArray(exponent + 1 - digits.size(), '0');
    } else {
        plain = digits.first(exponent + 1) + '.' + digits.sliced(exponent + 1);
    }
    return QString::fromLatin1(negative ? "-" + plain : plain);
}

QString ioddAttributeText(const QString &text)
{
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'&': escaped += u"&amp;"_s; break;
        case u'<': escaped += u"&lt;"_s; break;
        case u'>': escaped += u"&gt;"_s; break;
        case u'"': escaped += u"&quot;"_s; break;
        // A parser turns these into blanks unless they are written as references.
        case u'\t': escaped += u"&#9;"_s; break;
        case u'\n': escaped += u"&#10;"_s; break;
        case u'\r': escaped += u"&#13;"_s; break;
        default:
            // Other control characters and the two non-characters are no XML at all.
            if (c.unicode() < 0x20 || c.unicode() == 0xFFFE || c.unicode() == 0xFFFF)
                break;
            escaped += c;
        }
    }
    return escaped;
}

QByteArray ioddText(const IoddProject &project, const QDate &releaseDate, const QString &crc)
{
    IoddWriter out;
    out.line(0, u"<?xml version=\"1.0\" encoding=\"utf-8\"?>"_s);
    out.line(0, u"<IODevice"_s + attribute("xmlns", IoddNamespace)
                    + attribute("xmlns:xsi", u"http://www.w3.org/2001/XMLSchema-instance"_s)
                    + attribute("xsi:schemaLocation", IoddNamespace + u" IODD1.1.xsd") + u'>');
    out.line(1, u"<DocumentInfo"_s + attribute("version", u'V' + Build::SW_Version)
                    + attribute("releaseDate", releaseDate.toString(Qt::ISODate))
                    + attribute("copyright", u"Copyright %1 %2. All rights reserved."_s.arg(
                                                 QString::number(releaseDate.year()), Iodd::VendorName))
                    + u"/>");

    out.line(1, u"<ProfileHeader>"_s);
    out.line(2, u"<ProfileIdentification>IO Device Profile</ProfileIdentification>"_s);
    out.line(2, u"<ProfileRevision>1.1</ProfileRevision>"_s);
    out.line(2, u"<ProfileName>Device Profile for IO Devices</ProfileName>"_s);
    out.line(2, u"<ProfileSource>IO-Link Consortium</ProfileSource>"_s);
    out.line(2, u"<ProfileClassID>Device</ProfileClassID>"_s);
    out.line(2, u"<ISO15745Reference>"_s);
    out.line(3, u"<ISO15745Part>1</ISO15745Part>"_s);
    out.line(3, u"<ISO15745Edition>1</ISO15745Edition>"_s);
    out.line(3, u"<ProfileTechnology>IODD</ProfileTechnology>"_s);
    out.line(2, u"</ISO15745Reference>"_s);
    out.line(1, u"</ProfileHeader>"_s);

    out.line(1, u"<ProfileBody>"_s);
    writeIdentity(out);
    out.line(2, u"<DeviceFunction>"_s);
    out.line(3, u"<Features blockParameter=\"true\" dataStorage=\"true\"/>"_s);
    writeVariables(out, project);
    writeProcessData(out, project);
    writeErrorTypes(out);
    writeUserInterface(out, project);
    out.line(2, u"</DeviceFunction>"_s);
    out.line(1, u"</ProfileBody>"_s);

    writeCommunication(out, project);
    writeTexts(out, project);

    out.line(1, u"<Stamp"_s + attribute("crc", crc) + u"><Checker name=\"IODD-Checker V1.1.6\" version=\"V1.1.6.0\"/></Stamp>");
    out.line(0, u"</IODevice>"_s);
    return out.bytes();
}

quint32 ioddCrc32(const QByteArray &bytes)
{
    const qsizetype size = qMin(bytes.size(), CrcByteLimit);
    return quint32(crc32(0L, reinterpret_cast<const Bytef *>(bytes.constData()), uInt(size)));
}

quint32 IODD_File_CRC(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    return ioddCrc32(file.read(CrcByteLimit));
}

QByteArray ioddFileBytes(const IoddProject &project, const QDate &releaseDate)
{
    // The checker recomputes the CRC over the file with the stamp's value emptied again.
    const quint32 crc = ioddCrc32(ioddText(project, releaseDate, QString()));
    return ioddText(project, releaseDate, QString::number(crc));
}

FileResult Write_IODD_File(const QString &path, const IoddProject &project, const QDate &releaseDate)
{
    if (const std::optional<QString> refused = checkIoddProject(project))
        return {false, *refused};
    return writeFileAtomically(path, ioddFileBytes(project, releaseDate));
}

// SPDX-License-Identifier: MIT
#include "params/par_gen.h"

#include "common/conversions.h"
#include "common/text_rules.h"
#include "common/xml_io.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

using V = ParGenValues;

const std::array<ParGenElement, ParGenElementCount> Elements = {{
    {"Eth_Conn_Device_Name", &V::Eth_Conn_Device_Name},
    {"Eth_Conn_DHCP_Cable", &V::Eth_Conn_DHCP_Cable},
    {"Eth_Conn_DHCP_WiFi", &V::Eth_Conn_DHCP_WiFi},
    {"Eth_Conn_Enable_DNS", &V::Eth_Conn_Enable_DNS},
    {"Eth_Conn_Primary_DNS1", &V::Eth_Conn_Primary_DNS1},
    {"Eth_Conn_Primary_DNS2", &V::Eth_Conn_Primary_DNS2},
    {"Eth_Conn_Primary_DNS3", &V::Eth_Conn_Primary_DNS3},
    {"Eth_Conn_Primary_DNS4", &V::Eth_Conn_Primary_DNS4},
    {"Eth_Conn_Secondary_DNS1", &V::Eth_Conn_Secondary_DNS1},
    {"Eth_Conn_Secondary_DNS2", &V::Eth_Conn_Secondary_DNS2},
    {"Eth_Conn_Secondary_DNS3", &V::Eth_Conn_Secondary_DNS3},
    {"Eth_Conn_Secondary_DNS4", &V::Eth_Conn_Secondary_DNS4},
    {"IOLink_Slave_Baudrate", &V::IOLink_Slave_Baudrate},
    {"CANopen_IDDev", &V::CANopen_IDDev},
    {"CANopen_BAUDRATE", &V::CANopen_BAUDRATE},
    {"CANopen_Set_Operational", &V::CANopen_Set_Operational},
    {"CANopen_Network_Start", &V::CANopen_Network_Start},
    {"CANopen_Delay", &V::CANopen_Delay},
    {"CANopen_SDO_TimeOut", &V::CANopen_SDO_TimeOut},
    {"Ethernet_IP1", &V::Ethernet_IP1},
    {"Ethernet_IP2", &V::Ethernet_IP2},
    {"Ethernet_IP3", &V::Ethernet_IP3},
    {"Ethernet_IP4", &V::Ethernet_IP4},
    {"Ethernet_SM1", &V::Ethernet_SM1},
    {"Ethernet_SM2", &V::Ethernet_SM2},
    {"Ethernet_SM3", &V::Ethernet_SM3},
    {"Ethernet_SM4", &V::Ethernet_SM4},
    {"Ethernet_GAT1", &V::Ethernet_GAT1},
    {"Ethernet_GAT2", &V::Ethernet_GAT2},
    {"Ethernet_GAT3", &V::Ethernet_GAT3},
    {"Ethernet_GAT4", &V::Ethernet_GAT4},
    {"Ethernet_EN_GAT", &V::Ethernet_EN_GAT},
}};

// Elements whose text is a check box state.
bool isFlagElement(QString V::*member)
{
    return member == &V::Eth_Conn_DHCP_Cable || member == &V::Eth_Conn_DHCP_WiFi
        || member == &V::Eth_Conn_Enable_DNS || member == &V::CANopen_Set_Operational
        || member == &V::CANopen_Network_Start || member == &V::Ethernet_EN_GAT;
}

// The value a control takes from an element's text, by the kind of control.
QString loadedText(QString V::*member, const QString &text)
{
    if (isFlagElement(member))
        return parGenFlagText(parGenFlag(text));
    if (member == &V::IOLink_Slave_Baudrate)
        return ioLinkRateItems()[size_t(Get_IOLink_Slave_Baudrate(text))];
    if (member == &V::CANopen_BAUDRATE)
        return QString::number(canopenBaudrateIndex(text));
    return text;
}

// One range rule: the element's text read as an integer (-1 when unreadable) within min..max.
struct RangeRule {
    QString V::*member;
    const char *element;
    int min;
    int max;
    int message;
};

std::optional<ParGenCheckFailure> firstOutOfRange(const V &values, std::initializer_list<RangeRule> rules)
{
    for (const RangeRule &rule : rules) {
        const int number = intFromText(values.*rule.member, -1);
        if (number < rule.min || number > rule.max)
            return ParGenCheckFailure{rule.message, QString::fromLatin1(rule.element)};
    }
    return std::nullopt;
}

} // namespace

const std::array<ParGenElement, ParGenElementCount> &parGenElements()
{
    return Elements;
}

const QString *ParGenValues::text(const QString &name) const
{
    for (const ParGenElement &element : Elements) {
        if (name == QLatin1String(element.name))
            return &(this->*element.member);
    }
    return nullptr;
}

QString *ParGenValues::text(const QString &name)
{
    return const_cast<QString *>(std::as_const(*this).text(name));
}

const std::array<QString, 3> &ioLinkRateItems()
{
    static const std::array<QString, 3> items = {u"COM1"_s, u"COM2"_s, u"COM3"_s};
    return items;
}

const std::array<QString, 9> &canopenBaudrateItems()
{
    static const std::array<QString, 9> items = {u"10K"_s,  u"20K"_s,  u"50K"_s,  u"100K"_s, u"125K"_s,
                                                 u"250K"_s, u"500K"_s, u"800K"_s, u"1000K"_s};
    return items;
}

int Get_IOLink_Slave_Baudrate(const QString &rateText)
{
    return COM_Mode_Code(rateText) - 1; // the drop-down lists COM1, COM2, COM3 in code order
}

int canopenBaudrateIndex(const QString &indexText)
{
    constexpr int DefaultIndex = 5;
    constexpr int LastIndex = 8;
    const int index = intFromText(indexText, DefaultIndex);
    return (index < 0 || index > LastIndex) ? LastIndex : index;
}

QString ParGenReadResult::problem(const QString &file) const
{
    switch (status) {
    case ParGenFileStatus::Malformed:
        return malformedXmlText(file, error);
    case ParGenFileStatus::Unreadable:
        return unreadableFileText(file, error);
    case ParGenFileStatus::Loaded:
    case ParGenFileStatus::NotFound:
        break;
    }
    return {};
}

ParGenReadResult readParGen(const QByteArray &bytes)
{
    ParGenReadResult result;
    pugi::xml_document document;
    const XmlReadResult parsed = parseXml(bytes, document);
    if (!parsed.ok) {
        result.status = ParGenFileStatus::Malformed;
        result.error = parsed.error;
        return result;
    }
    result.status = ParGenFileStatus::Loaded;
    const pugi::xml_node root = rootOf(document);
    for (const ParGenElement &element : Elements) {
        const pugi::xml_node node = root.child(element.name);
        if (!node)
            continue; // the default stays
        const QString text = elementText(node);
        result.elementTexts.insert(QString::fromLatin1(element.name), text);
        result.values.*element.member = loadedText(element.member, text);
    }
    return result;
}

ParGenReadResult readParGenFile(const QString &path)
{
    if (!QFileInfo::exists(path))
        return {};
    QByteArray bytes;
    const FileResult read = readWholeFile(path, bytes);
    if (!read.ok) {
        ParGenReadResult result;
        result.status = ParGenFileStatus::Unreadable;
        result.error = read.error;
        return result;
    }
    return readParGen(bytes);
}

QByteArray writeParGen(const ParGenValues &values)
{
    pugi::xml_document document;
    pugi::xml_node root = document.append_child("Par_Gen");
    document.append_child(pugi::node_comment).set_value("SW_VERSION = 1.003");
    for (const ParGenElement &element : Elements)
        addTextElement(root, element.name, values.*element.member);
    return xmlBytes(document);
}

FileResult writeParGenFile(const QString &path, const ParGenValues &values)
{
    return writeFileAtomically(path, writeParGen(values));
}

std::optional<ParGenCheckFailure> Controllo_Dati(const ParGenValues &values)
{
    if (parGenFlag(values.Eth_Conn_Enable_DNS)) {
        if (auto failure = firstOutOfRange(values, {
                {&V::Eth_Conn_Primary_DNS1, "Eth_Conn_Primary_DNS1", 0, 255, 1405},
                {&V::Eth_Conn_Primary_DNS2, "Eth_Conn_Primary_DNS2", 0, 255, 1406},
                {&V::Eth_Conn_Primary_DNS3, "Eth_Conn_Primary_DNS3", 0, 255, 1407},
                {&V::Eth_Conn_Primary_DNS4, "Eth_Conn_Primary_DNS4", 0, 255, 1408},
                {&V::Eth_Conn_Secondary_DNS1, "Eth_Conn_Secondary_DNS1", 0, 255, 1409},
                {&V::Eth_Conn_Secondary_DNS2, "Eth_Conn_Secondary_DNS2", 0, 255, 1410},
                {&V::Eth_Conn_Secondary_DNS3, "Eth_Conn_Secondary_DNS3", 0, 255, 1411},
                {&V::Eth_Conn_Secondary_DNS4, "Eth_Conn_Secondary_DNS4", 0, 255, 1412},
            }))
            return failure;
    }
    if (auto failure = firstOutOfRange(values, {{&V::CANopen_IDDev, "CANopen_IDDev", 1, 127, 1124}}))
        return failure;
    if (parGenFlag(values.CANopen_Network_Start)) {
        if (auto failure = firstOutOfRange(values, {{&V::CANopen_Delay, "CANopen_Delay", 0, 255, 1125}}))
            return failure;
    }
    if (auto failure = firstOutOfRange(values, {
            {&V::CANopen_SDO_TimeOut, "CANopen_SDO_TimeOut", 0, 100000, 1126},
            {&V::Ethernet_IP1, "Ethernet_IP1", 0, 255, 1134},
            {&V::Ethernet_IP2, "Ethernet_IP2", 0, 255, 1135},
            {&V::Ethernet_IP3, "Ethernet_IP3", 0, 255, 1136},
            {&V::Ethernet_IP4, "Ethernet_IP4", 0, 255, 1137},
            {&V::Ethernet_SM1, "Ethernet_SM1", 0, 255, 1138},
            {&V::Ethernet_SM2, "Ethernet_SM2", 0, 255, 1139},
            {&V::Ethernet_SM3, "Ethernet_SM3", 0, 255, 1140},
            {&V::Ethernet_SM4, "Ethernet_SM4", 0, 255, 1141},
        }))
        return failure;
    if (parGenFlag(values.Ethernet_EN_GAT)) {
        if (auto failure = firstOutOfRange(values, {
                {&V::Ethernet_GAT1, "Ethernet_GAT1", 0, 255, 1142},
                {&V::Ethernet_GAT2, "Ethernet_GAT2", 0, 255, 1143},
                {&V::Ethernet_GAT3, "Ethernet_GAT3", 0, 255, 1144},
                {&V::Ethernet_GAT4, "Ethernet_GAT4", 0, 255, 1145},
            }))
            return failure;
    }
    return std::nullopt;
}

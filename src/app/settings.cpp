// SPDX-License-Identifier: MIT
#include "app/settings.h"

#include "common/xml_io.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

// Text of parent/child/leaf, or fallback when any of them is missing.
QString leafText(const pugi::xml_node &root, const char *group, const char *leaf, const QString &fallback)
{
    const pugi::xml_node element = root.child(group).child(leaf);
    return element ? elementText(element) : fallback;
}

bool leafFlag(const pugi::xml_node &root, const char *leaf)
{
    return leafText(root, "lastinternet", leaf, QString()) == u"1"_s;
}

QString flagText(bool flag)
{
    return flag ? u"1"_s : u"0"_s;
}

} // namespace

SettingsReadResult readSettings(const QByteArray &bytes)
{
    SettingsReadResult result;
    pugi::xml_document document;
    const XmlReadResult parsed = parseXml(bytes, document);
    if (!parsed.ok) {
        result.malformed = true;
        result.error = parsed.error;
        return result;
    }
    const pugi::xml_node root = rootOf(document);
    Settings &s = result.settings;
    s.Project_Name = leafText(root, "lastproj", "projectname", QString());
    s.Last_IP_Address = leafText(root, "lastipadd", "ipaddress", s.Last_IP_Address);
    s.Language_Name = leafText(root, "lastlang", "language", s.Language_Name);
    s.Enable_Internet = leafFlag(root, "enable_internet");
    s.Enable_Update = leafFlag(root, "enable_update");
    s.Enable_Jump_Field_Tables = leafFlag(root, "enable_jump_field_tables");
    s.Double_Click_Auto_Size = leafFlag(root, "Double_Click_Auto_Size");
    return result;
}

SettingsReadResult readSettingsFile(const QString &path)
{
    if (!QFileInfo::exists(path))
        return {};
    QByteArray bytes;
    const FileResult read = readWholeFile(path, bytes);
    if (!read.ok) {
        SettingsReadResult result;
        result.malformed = true;
        result.error = read.error;
        return result;
    }
    return readSettings(bytes);
}

QByteArray writeSettings(const Settings &s)
{
    pugi::xml_document document;
    pugi::xml_node root = document.append_child("Conf_Settings");
    addTextElement(root.append_child("lastproj"), "projectname", s.Project_Name);
    addTextElement(root.append_child("lastipadd"), "ipaddress", s.Last_IP_Address);
    addTextElement(root.append_child("lastlang"), "language", s.Language_Name);
    pugi::xml_node internet = root.append_child("lastinternet");
    addTextElement(internet, "enable_internet", flagText(s.Enable_Internet));
    addTextElement(internet, "enable_update", flagText(s.Enable_Update));
    addTextElement(internet, "enable_jump_field_tables", flagText(s.Enable_Jump_Field_Tables));
    addTextElement(internet, "Double_Click_Auto_Size", flagText(s.Double_Click_Auto_Size));
    return xmlBytes(document);
}

FileResult writeSettingsFile(const QString &path, const Settings &settings)
{
    return writeFileAtomically(path, writeSettings(settings));
}

// SPDX-License-Identifier: MIT
#include "tables/iolink_slave_file.h"

#include "tables/table_xml.h"

using namespace Qt::StringLiterals;

namespace {

IOLinkSlaveReadResult readLabelled(const QByteArray &bytes, const QString &label)
{
    TableDocumentReader reader(label);
    IOLinkSlaveData data;
    if (reader.parse(bytes)) {
        // Every list is optional here: a missing one leaves its table empty.
        const pugi::xml_node root = reader.root();
        reader.readRows(reader.list(root, "Variables", false), data.Variables);
        const pugi::xml_node processData = reader.list(root, "Process_Data", false);
        reader.readRows(reader.list(processData, "Process_Data_Input", false), data.Process_Data_Input);
        reader.readRows(reader.list(processData, "Process_Data_Output", false), data.Process_Data_Output);
    }
    return reader.result(std::move(data));
}

} // namespace

const std::array<TableAttribute<IOLinkProcessDataRow>, 10> &IOLinkProcessDataRow::attributes()
{
    using R = IOLinkProcessDataRow;
    static const std::array<TableAttribute<R>, 10> list{{
        {"Enable", &R::Enable},
        {"Name", &R::Name},
        {"Length", &R::Length},
        {"Gradient", &R::Gradient},
        {"Offset", &R::Offset},
        {"UnitCode", &R::UnitCode},
        {"Position", &R::Position},
        {"StartBit", &R::StartBit},
        {"Description", &R::Description},
        {"Mnemonic", &R::Mnemonic},
    }};
    return list;
}

const std::array<TableAttribute<IOLinkVariableRow>, 15> &IOLinkVariableRow::attributes()
{
    using R = IOLinkVariableRow;
    static const std::array<TableAttribute<R>, 15> list{{
        {"Enable", &R::Enable},
        {"Index", &R::Index},
        {"Name", &R::Name},
        {"Access", &R::Access},
        {"Length", &R::Length},
        {"Gradient", &R::Gradient},
        {"Offset", &R::Offset},
        {"UnitCode", &R::UnitCode},
        {"DefaultValue", &R::DefaultValue},
        {"PositionRead", &R::PositionRead},
        {"StartBitRead", &R::StartBitRead},
        {"PositionWrite", &R::PositionWrite},
        {"StartBitWrite", &R::StartBitWrite},
        {"Description", &R::Description},
        {"Mnemonic", &R::Mnemonic},
    }};
    return list;
}

const std::array<QString, 3> &ioLinkAccessItems()
{
    static const std::array<QString, 3> items{u"Read Only"_s, u"Write Only"_s, u"Read Write"_s};
    return items;
}

QString Get_Var_Access(const QString &access)
{
    for (const QString &item : ioLinkAccessItems()) {
        if (access == item)
            return item;
    }
    return {};
}

IOLinkSlaveReadResult readIOLinkSlave(const QByteArray &bytes)
{
    return readLabelled(bytes, u"IOLink_Slave.xml"_s);
}

IOLinkSlaveReadResult readIOLinkSlaveFile(const QString &path)
{
    return readTableFile<IOLinkSlaveData>(path, readLabelled);
}

QByteArray writeIOLinkSlave(const IOLinkSlaveData &data)
{
    pugi::xml_document document;
    pugi::xml_node root = startTableDocument(document, "IOLinkSlave");
    writeRows(root, "Variables", data.Variables);
    pugi::xml_node processData = root.append_child("Process_Data");
    writeRows(processData, "Process_Data_Input", data.Process_Data_Input);
    writeRows(processData, "Process_Data_Output", data.Process_Data_Output);
    return xmlBytes(document);
}

FileResult writeIOLinkSlaveFile(const QString &path, const IOLinkSlaveData &data)
{
    return writeFileAtomically(path, writeIOLinkSlave(data));
}

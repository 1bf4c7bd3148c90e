// SPDX-License-Identifier: MIT
#include "tables/sdo_server_file.h"

#include "tables/table_xml.h"

using namespace Qt::StringLiterals;

namespace {

const QString &emptyText()
{
    static const QString empty;
    return empty;
}

SdoServerReadResult readLabelled(const QByteArray &bytes, const QString &label)
{
    TableDocumentReader reader(label);
    SdoServerData data;
    if (reader.parse(bytes)) {
        const pugi::xml_node root = reader.root();
        reader.readRows(reader.list(root, "SDO_Read", true), data.SDO_Read);
        reader.readRows(reader.list(root, "SDO_Write", true), data.SDO_Write);
    }
    return reader.result(std::move(data));
}

} // namespace

const std::array<TableAttribute<SdoServerRow>, 8> &SdoServerRow::attributes()
{
    static const std::array<TableAttribute<SdoServerRow>, 8> list{{
        {"Index", &SdoServerRow::Index},
        {"SubIndex", &SdoServerRow::SubIndex},
        {"NByte", &SdoServerRow::NByte},
        {"Address_B1", &SdoServerRow::Address_B1},
        {"Address_B2", &SdoServerRow::Address_B2},
        {"Address_B3", &SdoServerRow::Address_B3},
        {"Address_B4", &SdoServerRow::Address_B4},
        {"Mnemonic", &SdoServerRow::Mnemonic},
    }};
    return list;
}

const QString &SdoServerRow::address(int byte) const
{
    switch (byte) {
    case 1: return Address_B1;
    case 2: return Address_B2;
    case 3: return Address_B3;
    case 4: return Address_B4;
    default: return emptyText();
    }
}

SdoServerReadResult readSdoServer(const QByteArray &bytes)
{
    return readLabelled(bytes, u"SDO_Server_CANopen.xml"_s);
}

SdoServerReadResult readSdoServerFile(const QString &path)
{
    return readTableFile<SdoServerData>(path, readLabelled);
}

QByteArray writeSdoServer(const SdoServerData &data)
{
    pugi::xml_document document;
    pugi::xml_node root = startTableDocument(document, "SDO_Server_CANopen");
    writeRows(root, "SDO_Read", data.SDO_Read);
    writeRows(root, "SDO_Write", data.SDO_Write);
    return xmlBytes(document);
}

FileResult writeSdoServerFile(const QString &path, const SdoServerData &data)
{
    return writeFileAtomically(path, writeSdoServer(data));
}

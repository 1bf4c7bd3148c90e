// SPDX-License-Identifier: MIT
#include "tables/sdo_client_file.h"

#include "tables/table_xml.h"

using namespace Qt::StringLiterals;

namespace {

const QString &emptyText()
{
    static const QString empty;
    return empty;
}

template <typename Row>
const QString &addressOf(const Row &row, int byte)
{
    switch (byte) {
    case 1: return row.Address_B1;
    case 2: return row.Address_B2;
    case 3: return row.Address_B3;
    case 4: return row.Address_B4;
    default: return emptyText();
    }
}

SdoClientReadResult readLabelled(const QByteArray &bytes, const QString &label)
{
    TableDocumentReader reader(label);
    SdoClientData data;
    if (reader.parse(bytes)) {
        const pugi::xml_node root = reader.root();
        reader.readRows(reader.list(root, "SDO_Read", true), data.SDO_Read);
        reader.readRows(reader.list(root, "SDO_Write", true), data.SDO_Write);
    }
    return reader.result(std::move(data));
}

} // namespace

const std::array<TableAttribute<SdoClientReadRow>, 10> &SdoClientReadRow::attributes()
{
    using R = SdoClientReadRow;
    static const std::array<TableAttribute<R>, 10> list{{
        {"Device_ID", &R::Device_ID},
        {"Index", &R::Index},
        {"SubIndex", &R::SubIndex},
        {"NByte", &R::NByte},
        {"Poll_Time", &R::Poll_Time},
        {"Address_B1", &R::Address_B1},
        {"Address_B2", &R::Address_B2},
        {"Address_B3", &R::Address_B3},
        {"Address_B4", &R::Address_B4},
        {"Mnemonic", &R::Mnemonic},
    }};
    return list;
}

const QString &SdoClientReadRow::address(int byte) const
{
    return addressOf(*this, byte);
}

const std::array<TableAttribute<SdoClientWriteRow>, 11> &SdoClientWriteRow::attributes()
{
    using R = SdoClientWriteRow;
    static const std::array<TableAttribute<R>, 11> list{{
        {"Device_ID", &R::Device_ID},
        {"Index", &R::Index},
        {"SubIndex", &R::SubIndex},
        {"NByte", &R::NByte},
        {"Poll_Time", &R::Poll_Time},
        {"On_Change", &R::On_Change},
        {"Address_B1", &R::Address_B1},
        {"Address_B2", &R::Address_B2},
        {"Address_B3", &R::Address_B3},
        {"Address_B4", &R::Address_B4},
        {"Mnemonic", &R::Mnemonic},
    }};
    return list;
}

const QString &SdoClientWriteRow::address(int byte) const
{
    return addressOf(*this, byte);
}

SdoClientReadResult readSdoClient(const QByteArray &bytes)
{
    return readLabelled(bytes, u"SDO_Client_CANopen.xml"_s);
}

SdoClientReadResult readSdoClientFile(const QString &path)
{
    return readTableFile<SdoClientData>(path, readLabelled);
}

QByteArray writeSdoClient(const SdoClientData &data)
{
    pugi::xml_document document;
    pugi::xml_node root = startTableDocument(document, "SDO_Client_CANopen");
    writeRows(root, "SDO_Read", data.SDO_Read);
    writeRows(root, "SDO_Write", data.SDO_Write);
    return xmlBytes(document);
}

FileResult writeSdoClientFile(const QString &path, const SdoClientData &data)
{
    return writeFileAtomically(path, writeSdoClient(data));
}

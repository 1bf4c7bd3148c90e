// SPDX-License-Identifier: MIT
#include "tables/pdo_file.h"

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
    case 5: return row.Address_B5;
    case 6: return row.Address_B6;
    case 7: return row.Address_B7;
    case 8: return row.Address_B8;
    default: return emptyText();
    }
}

PdoReadResult readLabelled(const QByteArray &bytes, const QString &label)
{
    TableDocumentReader reader(label);
    PdoData data;
    if (reader.parse(bytes)) {
        const pugi::xml_node root = reader.root();
        reader.readRows(reader.list(root, "Receive_PDO", true), data.Receive_PDO);
        reader.readRows(reader.list(root, "Transmit_PDO", true), data.Transmit_PDO);
    }
    return reader.result(std::move(data));
}

} // namespace

const std::array<TableAttribute<PdoReceiveRow>, 12> &PdoReceiveRow::attributes()
{
    using R = PdoReceiveRow;
    static const std::array<TableAttribute<R>, 12> list{{
        {"COB-ID", &R::COB_ID},
        {"Dimension", &R::Dimension},
        {"Address_B1", &R::Address_B1},
        {"Address_B2", &R::Address_B2},
        {"Address_B3", &R::Address_B3},
        {"Address_B4", &R::Address_B4},
        {"Address_B5", &R::Address_B5},
        {"Address_B6", &R::Address_B6},
        {"Address_B7", &R::Address_B7},
        {"Address_B8", &R::Address_B8},
        {"TimeOut", &R::TimeOut},
        {"Mnemonic", &R::Mnemonic},
    }};
    return list;
}

const QString &PdoReceiveRow::address(int byte) const
{
    return addressOf(*this, byte);
}

const std::array<TableAttribute<PdoTransmitRow>, 13> &PdoTransmitRow::attributes()
{
    using R = PdoTransmitRow;
    static const std::array<TableAttribute<R>, 13> list{{
        {"COB-ID", &R::COB_ID},
        {"Dimension", &R::Dimension},
        {"Address_B1", &R::Address_B1},
        {"Address_B2", &R::Address_B2},
        {"Address_B3", &R::Address_B3},
        {"Address_B4", &R::Address_B4},
        {"Address_B5", &R::Address_B5},
        {"Address_B6", &R::Address_B6},
        {"Address_B7", &R::Address_B7},
        {"Address_B8", &R::Address_B8},
        {"Send_Time", &R::Send_Time},
        {"On_Change", &R::On_Change},
        {"Mnemonic", &R::Mnemonic},
    }};
    return list;
}

const QString &PdoTransmitRow::address(int byte) const
{
    return addressOf(*this, byte);
}

PdoReadResult readPdo(const QByteArray &bytes)
{
    return readLabelled(bytes, u"PDO_CANopen.xml"_s);
}

PdoReadResult readPdoFile(const QString &path)
{
    return readTableFile<PdoData>(path, readLabelled);
}

QByteArray writePdo(const PdoData &data)
{
    pugi::xml_document document;
    pugi::xml_node root = startTableDocument(document, "PDO_CANopen");
    writeRows(root, "Receive_PDO", data.Receive_PDO);
    writeRows(root, "Transmit_PDO", data.Transmit_PDO);
    return xmlBytes(document);
}

FileResult writePdoFile(const QString &path, const PdoData &data)
{
    return writeFileAtomically(path, writePdo(data));
}

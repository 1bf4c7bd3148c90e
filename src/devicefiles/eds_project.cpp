// SPDX-License-Identifier: MIT
#include "devicefiles/eds_project.h"

#include "common/file_io.h"
#include "common/text_rules.h"
#include "tables/pdo_file.h"
#include "tables/sdo_server_file.h"

#include <optional>

using namespace Qt::StringLiterals;

namespace {

// A cell's integer, or nothing when the text is not one. Two different fallbacks tell an
// unreadable text from one that happens to spell the fallback.
std::optional<int> integerCell(const QString &text)
{
    const int value = intFromText(text, 0);
    if (value != intFromText(text, 1))
        return std::nullopt;
    return value;
}

QString rowPlace(const QString &path, const char *list, qsizetype row)
{
    return u"%1: row %2 of %3"_s.arg(path).arg(row + 1).arg(QString::fromLatin1(list));
}

template <typename Row>
QString readPdoList(const QString &path, const char *listName, const QList<Row> &rows, QList<EdsPdo> &pdos)
{
    pdos.clear();
    for (qsizetype i = 0; i < rows.size(); ++i) {
        EdsPdo pdo;
        pdo.cobId = quint32(intFromText(rows.at(i).COB_ID, 0));
        pdo.dimension = intFromText(rows.at(i).Dimension, 8);
        // A CAN frame carries at most 8 bytes; each is one mapped entry of the PDO's data object.
        if (pdo.dimension < 1 || pdo.dimension > 8) {
            pdos.clear();
            return u"%1: Dimension %2 is not 1 to 8"_s.arg(rowPlace(path, listName, i), rows.at(i).Dimension);
        }
        pdos.append(pdo);
    }
    return {};
}

// Adds the rows of one SDO list to the index list; an error text for a row that names no object.
QString addSdoRows(const QString &path, const char *listName, const QList<SdoServerRow> &rows,
                   bool readOnly, QList<SDO_Index> &list)
{
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const SdoServerRow &row = rows.at(i);
        // The table takes only manufacturer-specific indices; any other could clash with the
        // communication and PDO objects the data sheet describes itself.
        const std::optional<int> index = integerCell(row.Index);
        if (!index || *index < 0x2000 || *index > 0x5FFF) {
            return u"%1: Index \"%2\" is not an index from 0x2000 to 0x5FFF"_s.arg(
                rowPlace(path, listName, i), row.Index);
        }
        const std::optional<int> sub = integerCell(row.SubIndex);
        if (!sub || *sub < 0 || *sub > 0xFF) {
            return u"%1: SubIndex \"%2\" is not a sub-index from 0 to 255"_s.arg(
                rowPlace(path, listName, i), row.SubIndex);
        }
        const std::optional<int> size = integerCell(row.NByte);
        if (!size)
            return u"%1: NByte \"%2\" is not a number"_s.arg(rowPlace(path, listName, i), row.NByte);
        Add_SDO_Sub(list, *size, quint16(*index), quint8(*sub), readOnly);
    }
    return {};
}

} // namespace

QString Read_EDS_PDOs(const QString &File_PDO, EdsData &data)
{
    data.receivePdos.clear();
    data.transmitPdos.clear();
    const PdoReadResult read = readPdoFile(File_PDO);
    if (read.status == TableFileStatus::NotFound)
        return {};
    if (!read.ok())
        return read.error;
    QString error = readPdoList(File_PDO, "Receive_PDO", read.data.Receive_PDO, data.receivePdos);
    if (error.isEmpty())
        error = readPdoList(File_PDO, "Transmit_PDO", read.data.Transmit_PDO, data.transmitPdos);
    if (!error.isEmpty()) {
        data.receivePdos.clear();
        data.transmitPdos.clear();
    }
    return error;
}

QString Read_EDS_SDOs(const QString &File_SDO_Server, EdsData &data)
{
    data.SDO_Index_List.clear();
    const SdoServerReadResult read = readSdoServerFile(File_SDO_Server);
    if (read.status == TableFileStatus::NotFound)
        return {};
    if (!read.ok())
        return read.error;
    QList<SDO_Index> list;
    QString error = addSdoRows(File_SDO_Server, "SDO_Read", read.data.SDO_Read, true, list);
    if (error.isEmpty())
        error = addSdoRows(File_SDO_Server, "SDO_Write", read.data.SDO_Write, false, list);
    if (!error.isEmpty())
        return error;
    Sort_SDO_Subs(list);
    data.SDO_Index_List = std::move(list);
    return {};
}

EdsResult Make_EDS(const ProjectFiles &files, const QDateTime &now)
{
    EdsData data;
    QString error = Read_EDS_PDOs(files.File_PDO, data);
    if (error.isEmpty())
        error = Read_EDS_SDOs(files.File_SDO_Server, data);
    if (!error.isEmpty())
        return {{}, u"The EDS file cannot be made: "_s + error};
    return {edsBytes(data, now), {}};
}

QString writeEdsFile(const QString &path, const QByteArray &bytes)
{
    const FileResult written = writeFileAtomically(path, bytes);
    if (written.ok)
        return {};
    return u"%1: the EDS file cannot be written: %2"_s.arg(path, written.error);
}

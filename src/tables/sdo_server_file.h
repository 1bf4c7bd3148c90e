// SPDX-License-Identifier: MIT
// The CANopen SDO server table and its project file SDO_Server_CANopen.xml.
// readSdoServer*() gives SdoServerReadResult: status, error text and data.SDO_Read /
// data.SDO_Write, one SdoServerRow per row element in file order, every cell the attribute's text.
#pragma once

#include "common/file_io.h"
#include "tables/table_file.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>

// Objects the converter serves in its object dictionary: at most 500 per list.
inline constexpr int SdoServerRowCapacity = 500;

// One object: index, sub-index, size in bytes (1, 2 or 4) and the position of each data byte
// in the internal data array; only the first NByte positions count. Texts as typed; a missing
// attribute reads as an empty text.
struct SdoServerRow {
    QString Index;
    QString SubIndex;
    QString NByte;
    QString Address_B1;
    QString Address_B2;
    QString Address_B3;
    QString Address_B4;
    QString Mnemonic;
    QStringList missingAttributes;

    // Index, SubIndex, NByte, Address_B1 to Address_B4, Mnemonic.
    [[nodiscard]] static const std::array<TableAttribute<SdoServerRow>, 8> &attributes();
    static constexpr int keyAttribute = 0; // Index
    static constexpr int rowCapacity = SdoServerRowCapacity;

    // Address_B1 to Address_B4 for byte 1 to 4; an empty text for any other byte.
    [[nodiscard]] const QString &address(int byte) const;

    friend bool operator==(const SdoServerRow &, const SdoServerRow &) = default;
};

// The document: the objects the master reads (SDO_Read) and writes (SDO_Write), in table order.
struct SdoServerData {
    QList<SdoServerRow> SDO_Read;
    QList<SdoServerRow> SDO_Write;

    friend bool operator==(const SdoServerData &, const SdoServerData &) = default;
};

using SdoServerReadResult = TableReadResult<SdoServerData>;

// Reads a document: root = first element whatever its name; SDO_Read and SDO_Write are found by
// name under it (either missing: ListMissing); every child element of a list is a row, whatever
// its name. More than 500 rows in a list: TooManyRows.
[[nodiscard]] SdoServerReadResult readSdoServer(const QByteArray &bytes);
// Reads the file; a missing file gives NotFound with empty lists.
[[nodiscard]] SdoServerReadResult readSdoServerFile(const QString &path);

// Root SDO_Server_CANopen, the comment "SW_VERSION = 1.003" after it, then SDO_Read and SDO_Write
// each with one row element per given row (every attribute written, in order, text unchanged).
// Writes the rows as given: pass the grids' used part.
[[nodiscard]] QByteArray writeSdoServer(const SdoServerData &data);
// Replaces the file atomically; on failure the old file stays as it was.
[[nodiscard]] FileResult writeSdoServerFile(const QString &path, const SdoServerData &data);

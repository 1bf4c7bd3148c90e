// SPDX-License-Identifier: MIT
// The CANopen PDO table and its project file PDO_CANopen.xml.
// readPdo*() gives PdoReadResult: status, error text and data.Receive_PDO (PdoReceiveRow) /
// data.Transmit_PDO (PdoTransmitRow), one row per row element in file order, cells as text.
// The number of PDOs of a direction is the size of its list.
#pragma once

#include "common/file_io.h"
#include "tables/table_file.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>

// PDOs per direction: at most 30.
inline constexpr int PdoRowCapacity = 30;

// One received PDO: 11-bit COB-ID, Dimension data bytes (1 to 8), where each data byte goes in the
// internal data array (only the first Dimension count) and the data time-out in ms (0: none).
// Texts as typed; a missing attribute reads as empty. The file attribute of COB_ID is "COB-ID".
struct PdoReceiveRow {
    QString COB_ID;
    QString Dimension;
    QString Address_B1;
    QString Address_B2;
    QString Address_B3;
    QString Address_B4;
    QString Address_B5;
    QString Address_B6;
    QString Address_B7;
    QString Address_B8;
    QString TimeOut;
    QString Mnemonic;
    QStringList missingAttributes;

    // COB-ID, Dimension, Address_B1 to Address_B8, TimeOut, Mnemonic.
    [[nodiscard]] static const std::array<TableAttribute<PdoReceiveRow>, 12> &attributes();
    static constexpr int keyAttribute = 0; // COB-ID
    static constexpr int rowCapacity = PdoRowCapacity;

    // Address_B1 to Address_B8 for byte 1 to 8; an empty text for any other byte.
    [[nodiscard]] const QString &address(int byte) const;

    friend bool operator==(const PdoReceiveRow &, const PdoReceiveRow &) = default;
};

// One transmitted PDO: as a received one, with Send_Time (ms between two sends) instead of
// TimeOut, and On_Change ("Y" also sends when a data byte changes; "N" or empty does not).
struct PdoTransmitRow {
    QString COB_ID;
    QString Dimension;
    QString Address_B1;
    QString Address_B2;
    QString Address_B3;
    QString Address_B4;
    QString Address_B5;
    QString Address_B6;
    QString Address_B7;
    QString Address_B8;
    QString Send_Time;
    QString On_Change;
    QString Mnemonic;
    QStringList missingAttributes;

    // COB-ID, Dimension, Address_B1 to Address_B8, Send_Time, On_Change, Mnemonic.
    [[nodiscard]] static const std::array<TableAttribute<PdoTransmitRow>, 13> &attributes();
    static constexpr int keyAttribute = 0; // COB-ID
    static constexpr int rowCapacity = PdoRowCapacity;

    // Address_B1 to Address_B8 for byte 1 to 8; an empty text for any other byte.
    [[nodiscard]] const QString &address(int byte) const;

    friend bool operator==(const PdoTransmitRow &, const PdoTransmitRow &) = default;
};

struct PdoData {
    QList<PdoReceiveRow> Receive_PDO;
    QList<PdoTransmitRow> Transmit_PDO;

    friend bool operator==(const PdoData &, const PdoData &) = default;
};

using PdoReadResult = TableReadResult<PdoData>;

// Reads a document: root = first element whatever its name; Receive_PDO and Transmit_PDO are
// found by name under it (either missing: ListMissing); every child element of a list is a row,
// whatever its name. More than 30 rows in a list: TooManyRows.
[[nodiscard]] PdoReadResult readPdo(const QByteArray &bytes);
// Reads the file; a missing file gives NotFound with empty lists.
[[nodiscard]] PdoReadResult readPdoFile(const QString &path);

// Root PDO_CANopen, the comment "SW_VERSION = 1.003" after it, then Receive_PDO and Transmit_PDO
// each with one row element per given row (all 12 or 13 attributes, in order, text unchanged).
// Writes the rows as given: pass the grids' used part.
[[nodiscard]] QByteArray writePdo(const PdoData &data);
// Replaces the file atomically; on failure the old file stays as it was.
[[nodiscard]] FileResult writePdoFile(const QString &path, const PdoData &data);

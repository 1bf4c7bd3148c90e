// SPDX-License-Identifier: MIT
// The CANopen SDO client table and its project file SDO_Client_CANopen.xml.
// readSdoClient*() gives SdoClientReadResult: status, error text and data.SDO_Read (SdoClientReadRow)
// / data.SDO_Write (SdoClientWriteRow), one row per row element in file order, cells as text.
#pragma once

#include "common/file_io.h"
#include "tables/table_file.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>

// Requests the converter sends to other devices: at most 256 per list.
inline constexpr int SdoClientRowCapacity = 256;

// One read request: node number, object, size in bytes, poll time in ms and where the answered
// bytes go in the internal data array. Texts as typed; a missing attribute reads as empty.
struct SdoClientReadRow {
    QString Device_ID;
    QString Index;
    QString SubIndex;
    QString NByte;
    QString Poll_Time;
    QString Address_B1;
    QString Address_B2;
    QString Address_B3;
    QString Address_B4;
    QString Mnemonic;
    QStringList missingAttributes;

    // Device_ID, Index, SubIndex, NByte, Poll_Time, Address_B1 to Address_B4, Mnemonic.
    [[nodiscard]] static const std::array<TableAttribute<SdoClientReadRow>, 10> &attributes();
    static constexpr int keyAttribute = 0; // Device_ID
    static constexpr int rowCapacity = SdoClientRowCapacity;

    // Address_B1 to Address_B4 for byte 1 to 4; an empty text for any other byte.
    [[nodiscard]] const QString &address(int byte) const;

    friend bool operator==(const SdoClientReadRow &, const SdoClientReadRow &) = default;
};

// One write request: as a read request, plus On_Change ("Y" also sends when a data byte
// changes; "N" or empty, the never-touched check box, does not). The bytes come from the positions.
struct SdoClientWriteRow {
    QString Device_ID;
    QString Index;
    QString SubIndex;
    QString NByte;
    QString Poll_Time;
    QString On_Change;
    QString Address_B1;
    QString Address_B2;
    QString Address_B3;
    QString Address_B4;
    QString Mnemonic;
    QStringList missingAttributes;

    // Device_ID, Index, SubIndex, NByte, Poll_Time, On_Change, Address_B1 to Address_B4, Mnemonic.
    [[nodiscard]] static const std::array<TableAttribute<SdoClientWriteRow>, 11> &attributes();
    static constexpr int keyAttribute = 0; // Device_ID
    static constexpr int rowCapacity = SdoClientRowCapacity;

    // Address_B1 to Address_B4 for byte 1 to 4; an empty text for any other byte.
    [[nodiscard]] const QString &address(int byte) const;

    friend bool operator==(const SdoClientWriteRow &, const SdoClientWriteRow &) = default;
};

struct SdoClientData {
    QList<SdoClientReadRow> SDO_Read;
    QList<SdoClientWriteRow> SDO_Write;

    friend bool operator==(const SdoClientData &, const SdoClientData &) = default;
};

using SdoClientReadResult = TableReadResult<SdoClientData>;

// Reads a document: root = first element whatever its name; SDO_Read and SDO_Write are found by
// name under it (either missing: ListMissing); every child element of a list is a row, whatever
// its name. More than 256 rows in a list: TooManyRows.
[[nodiscard]] SdoClientReadResult readSdoClient(const QByteArray &bytes);
// Reads the file; a missing file gives NotFound with empty lists.
[[nodiscard]] SdoClientReadResult readSdoClientFile(const QString &path);

// Root SDO_Client_CANopen, the comment "SW_VERSION = 1.003" after it, then SDO_Read and SDO_Write
// each with one row element per given row (every attribute written, in order, text unchanged).
// Writes the rows as given: pass the grids' used part.
[[nodiscard]] QByteArray writeSdoClient(const SdoClientData &data);
// Replaces the file atomically; on failure the old file stays as it was.
[[nodiscard]] FileResult writeSdoClientFile(const QString &path, const SdoClientData &data);

// SPDX-License-Identifier: MIT
// The EDS file of a project: its data read from the PDO and SDO server files, then written.
#pragma once

#include "app/project.h"
#include "devicefiles/eds_generator.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

// The data sheet's bytes, or why it could not be made.
struct EdsResult {
    QByteArray bytes;
    QString error; // names the file, the row and what is wrong; empty on success
    [[nodiscard]] bool ok() const { return error.isEmpty(); }
};

// Fills data's PDOs from the PDO file. A missing file gives no PDOs; a COB-ID that is not a
// number reads as 0, a Dimension that is not a number as 8. Returns an error text (and leaves
// the PDOs empty) for a file that cannot be read or parsed, a missing Receive_PDO or
// Transmit_PDO, more than 30 rows in a list or a Dimension outside 1 to 8; else an empty text.
[[nodiscard]] QString Read_EDS_PDOs(const QString &File_PDO, EdsData &data);

// Fills data's SDO_Index_List from the SDO server file, the SDO_Read rows first, then the
// SDO_Write rows, through Add_SDO_Sub, then sorts the sub-indices. A missing file gives no
// objects. Returns an error text (and leaves the list empty) for a file that cannot be read or
// parsed, a missing SDO_Read or SDO_Write, more than 500 rows in a list, or a row whose Index is
// not 0x2000 to 0x5FFF, whose SubIndex is not 0 to 255 or whose NByte is not a number.
[[nodiscard]] QString Read_EDS_SDOs(const QString &File_SDO_Server, EdsData &data);

// The project's data sheet, dated now: reads File_PDO and File_SDO_Server and builds the text.
[[nodiscard]] EdsResult Make_EDS(const ProjectFiles &files, const QDateTime &now);

// Replaces the file at path with bytes atomically (an existing file stays whole on failure).
// Returns an error text naming the file, or an empty text.
[[nodiscard]] QString writeEdsFile(const QString &path, const QByteArray &bytes);

// SPDX-License-Identifier: MIT
// The converter's IODD 1.1 file: its text, its CRC stamp and its name.
#pragma once

#include "common/file_io.h"
#include "devicefiles/iodd_project.h"

#include <QByteArray>
#include <QDate>
#include <QString>

// The converter's fixed identity as the IODD states it.
namespace Iodd {
inline const QString VendorId = QStringLiteral("5813");
inline const QString VendorName = QStringLiteral("Talvex");
inline const QString DeviceId = QStringLiteral("213");
inline const QString ProductId = QStringLiteral("HD48213");
inline const QString DeviceFamily = QStringLiteral("Talvex Gateways");
inline const QString LogoFile = QStringLiteral("Talvex-logo.png");    // 160 x 90
inline const QString SymbolFile = QStringLiteral("Talvex-pic.png");   // square, 160 to 320
inline const QString IconFile = QStringLiteral("Talvex-icon.png");    // 48 x 48
} // namespace Iodd

// "Talvex-HD48213-" + the date as yyyyMMdd + "-IODD1.1": the name of the IODD and its archive.
[[nodiscard]] QString IODD_Base_Name(const QDate &today);

// A number in plain decimal notation (never exponent form) with up to 15 significant digits
// and no trailing zeros: 0.1f widened gives "0.100000001490116", 1e-7 gives "0.0000001".
// No more than IoddMaxDecimalDigits digits after the point: smaller values lose digits and
// values below 5e-25 give "0". A whole part of more than 24 digits is written out in full.
[[nodiscard]] QString ioddDecimalText(double value);

// text made safe inside a double-quoted attribute: &, <, >, " and the line-break and tab
// characters become references; characters XML cannot hold at all are left out.
[[nodiscard]] QString ioddAttributeText(const QString &text);

// The IODD text (UTF-8, CR LF after every line, one tab per level) with crc as the stamp's
// value: empty for the first pass, the CRC in decimal for the file. The project must pass
// checkIoddProject. releaseDate is the date of the file name.
[[nodiscard]] QByteArray ioddText(const IoddProject &project, const QDate &releaseDate, const QString &crc);

// CRC-32 (ISO-HDLC, as zlib and zip) of at most the first 10,000,000 bytes; 0 for no bytes.
[[nodiscard]] quint32 ioddCrc32(const QByteArray &bytes);
// ioddCrc32 of a file's bytes; 0 for a file that cannot be opened or is empty.
[[nodiscard]] quint32 IODD_File_CRC(const QString &path);

// The stamped file: the CRC of the text with an empty stamp goes into the stamp.
[[nodiscard]] QByteArray ioddFileBytes(const IoddProject &project, const QDate &releaseDate);

// Writes the stamped IODD to path atomically. A project that fails checkIoddProject is
// refused with its reason and nothing is written.
[[nodiscard]] FileResult Write_IODD_File(const QString &path, const IoddProject &project,
                                         const QDate &releaseDate);

// SPDX-License-Identifier: MIT
// The IODD archive: the IODD and the three vendor pictures in one zip file.
#pragma once

#include "common/file_io.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

struct ZipEntry {
    QString name; // bare file name inside the archive
    QByteArray data;
};

struct ZipArchiveBytes {
    bool ok = true;
    QString error; // the zip library's reason when !ok
    QByteArray bytes;
};

// A zip archive holding the entries in order, each compressed with Deflate and dated
// modified (its date and time fields as they are; dates before 1980 give 1980-01-01).
[[nodiscard]] ZipArchiveBytes zipArchiveBytes(const QList<ZipEntry> &entries, const QDateTime &modified);

// Replaces the archive at archivePath with one holding, in this order, the IODD at ioddPath
// and the device picture, the icon and the logo of ioddDir, each under its bare file name. A file that cannot be read, or an archive that cannot be made or
// written, is reported and leaves an existing archive as it was.
[[nodiscard]] FileResult Pack_IODD_Zip(const QString &archivePath, const QString &ioddPath,
                                       const QString &ioddDir, const QDateTime &modified);

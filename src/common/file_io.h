// SPDX-License-Identifier: MIT
// Whole-file reads and atomic whole-file writes.
#pragma once

#include <QByteArray>
#include <QString>

struct FileResult {
    bool ok = true;
    QString error; // the system's reason when !ok
};

// Reads a whole file into bytes.
[[nodiscard]] FileResult readWholeFile(const QString &path, QByteArray &bytes);

// Replaces a file with bytes atomically: on any failure the old file stays as it was.
[[nodiscard]] FileResult writeFileAtomically(const QString &path, const QByteArray &bytes);

// "file: the file cannot be read: reason", the configurator's words for a failed read.
[[nodiscard]] QString unreadableFileText(const QString &file, const QString &reason);

// folder + the platform's separator + name; the folder is held without a trailing separator.
[[nodiscard]] QString joinPath(const QString &folder, const QString &name);

// SPDX-License-Identifier: MIT
#include "common/file_io.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

FileResult readWholeFile(const QString &path, QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {false, file.errorString()};
    QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {false, file.errorString()};
    bytes = std::move(data);
    return {};
}

FileResult writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {false, file.errorString()};
    if (file.write(bytes) != bytes.size()) {
        FileResult failed{false, file.errorString()};
        file.cancelWriting();
        return failed;
    }
    if (!file.commit())
        return {false, file.errorString()};
    return {};
}

QString unreadableFileText(const QString &file, const QString &reason)
{
    return QStringLiteral("%1: the file cannot be read: %2").arg(file, reason);
}

QString joinPath(const QString &folder, const QString &name)
{
    return folder + QDir::separator() + name;
}

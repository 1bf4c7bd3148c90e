// SPDX-License-Identifier: MIT
#include "devicefiles/iodd_pictures.h"

#include "devicefiles/iodd_document.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

// The pictures are compiled into the static core library; register them before first use.
// Outside any namespace: the resource's initialiser is a global function.
static void registerPictures()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(iodd_pictures);
        return true;
    }();
    Q_UNUSED(registered);
}

QStringList ioddPictureNames()
{
    return {Iodd::LogoFile, Iodd::SymbolFile, Iodd::IconFile};
}

QByteArray builtInIoddPicture(const QString &name)
{
    if (!ioddPictureNames().contains(name))
        return {};
    registerPictures();
    QFile file(u":/iodd/"_s + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

FileResult ensureIoddPictures(const QString &ioddDir)
{
    if (!QDir().mkpath(ioddDir))
        return {false, u"%1: the folder cannot be created"_s.arg(ioddDir)};
    for (const QString &name : ioddPictureNames()) {
        const QString path = joinPath(ioddDir, name);
        if (QFileInfo::exists(path))
            continue;
        const FileResult written = writeFileAtomically(path, builtInIoddPicture(name));
        if (!written.ok)
            return {false, u"%1: %2"_s.arg(path, written.error)};
    }
    return {};
}

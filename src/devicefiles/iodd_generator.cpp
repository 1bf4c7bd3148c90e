// SPDX-License-Identifier: MIT
#include "devicefiles/iodd_generator.h"

#include "common/file_io.h"
#include "devicefiles/iodd_document.h"
#include "devicefiles/iodd_pictures.h"
#include "devicefiles/iodd_project.h"
#include "devicefiles/iodd_zip.h"

#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

IoddGeneration failed(IoddGeneration generation, const QString &why)
{
    generation.ok = false;
    generation.error = u"The IODD file was not created. "_s + why;
    return generation;
}

} // namespace

QString ioddArchivePath(const QString &folder, const QDate &today)
{
    return joinPath(folder, IODD_Base_Name(today) + u".zip");
}

QString ioddFilePath(const QString &ioddDir, const QDate &today)
{
    return joinPath(ioddDir, IODD_Base_Name(today) + u".xml");
}

IoddGeneration generateIodd(const ProjectFiles &files, const QString &ioddDir, const QString &outputFolder,
                            const QDateTime &now)
{
    IoddGeneration generation;
    generation.ioddPath = ioddFilePath(ioddDir, now.date());
    generation.archivePath = ioddArchivePath(outputFolder, now.date());

    const IoddProjectReading reading = Read_IODD_Project(files);
    if (!reading.ok)
        return failed(generation, reading.error);
    if (const std::optional<QString> refused = checkIoddProject(reading.project))
        return failed(generation, u"%1: %2"_s.arg(files.File_IOLink_Slave, *refused));
    if (!QFileInfo(outputFolder).isDir())
        return failed(generation, u"%1: the folder does not exist"_s.arg(outputFolder));
    const FileResult pictures = ensureIoddPictures(ioddDir);
    if (!pictures.ok)
        return failed(generation, pictures.error);

    // An IODD of the same day is put back when the archive cannot be made.
    QByteArray previousIodd;
    const bool hadIodd = QFileInfo::exists(generation.ioddPath)
        && readWholeFile(generation.ioddPath, previousIodd).ok;

    const FileResult written = Write_IODD_File(generation.ioddPath, reading.project, now.date());
    if (!written.ok)
        return failed(generation, u"%1: %2"_s.arg(generation.ioddPath, written.error));

    const FileResult packed = Pack_IODD_Zip(generation.archivePath, generation.ioddPath, ioddDir, now);
    if (!packed.ok) {
        if (hadIodd)
            (void)writeFileAtomically(generation.ioddPath, previousIodd);
        else
            QFile::remove(generation.ioddPath);
        return failed(generation, packed.error);
    }
    return generation;
}

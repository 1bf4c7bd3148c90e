// SPDX-License-Identifier: MIT
// Making the IODD of a project and its archive in one step.
#pragma once

#include "app/project.h"

#include <QDate>
#include <QDateTime>
#include <QString>

// folder + IODD_Base_Name(today) + ".zip": where the archive for a chosen folder goes.
[[nodiscard]] QString ioddArchivePath(const QString &folder, const QDate &today);
// ioddDir + IODD_Base_Name(today) + ".xml": where the IODD itself stays.
[[nodiscard]] QString ioddFilePath(const QString &ioddDir, const QDate &today);

struct IoddGeneration {
    bool ok = true;
    QString error; // in the configurator's words, naming the file or the table and row
    QString ioddPath;
    QString archivePath;
};

// Reads the project's ParGen.xml and IOLink_Slave.xml, writes the stamped IODD into ioddDir
// and the archive (the IODD and the three pictures, which are put into ioddDir first when
// missing) into outputFolder, both replacing files of the same name. now gives the date of
// the names and of the document and the time of the archive entries. On failure neither
// file is changed.
[[nodiscard]] IoddGeneration generateIodd(const ProjectFiles &files, const QString &ioddDir,
                                          const QString &outputFolder, const QDateTime &now);

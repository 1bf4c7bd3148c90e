// SPDX-License-Identifier: MIT
// The folders and files beside the configurator's executable.
#pragma once

#include <QString>

struct Workspace {
    QString Exe_Dir;      // without a trailing separator
    QString Master_Dir;   // firmware file for the device update
    QString Projects_Dir; // one folder per project
    QString Language_Dir; // language files and their flag pictures
    QString IODD_Dir;     // generated IODD files and the vendor pictures

    // The workspace of an executable folder (a trailing separator is dropped).
    [[nodiscard]] static Workspace at(const QString &exeDir);

    // Creates MASTER, PROJECTS, LANGUAGE and IODD where missing; false when one could not be made.
    bool createFolders() const;

    [[nodiscard]] QString settingsFile() const;  // Tessaro.xml
    [[nodiscard]] QString updaterProgram() const; // Ethernet_Update(.exe)
    [[nodiscard]] QString updateJobFile() const;  // Ethernet_Update.xml
};

// SPDX-License-Identifier: MIT
// Projects: one folder per configuration under PROJECTS, with a bin folder for the images.
#pragma once

#include <QString>
#include <QStringList>

// Paths of the open project's files.
struct ProjectFiles {
    QString File_ParGen;
    QString File_IOLink_Slave;
    QString File_SDO_Server;
    QString File_SDO_Client;
    QString File_PDO;
};

// The open project; a project is open exactly when Project_Dir is not empty.
struct ProjectState {
    QString Project_Name;
    QString Project_Dir;
    ProjectFiles files;

    [[nodiscard]] bool isOpen() const { return !Project_Dir.isEmpty(); }
    // Recomputes the file paths from Project_Dir.
    void Set_Files();
};

// A name that stays inside PROJECTS: no path separator, not "." or "..", no NUL.
[[nodiscard]] bool isSafeProjectName(const QString &name);

// The folder of a project, or an empty text for an empty or unsafe name or a missing folder.
[[nodiscard]] QString existingProjectDir(const QString &projectsDir, const QString &name);

// Creates the project folder and its bin folder. Returns 0, or the message number of the
// refusal: 107 empty name, 106 folder exists, 105 name not usable as a folder.
[[nodiscard]] int createProjectFolders(const QString &projectsDir, const QString &name);

// Names of the folders directly under PROJECTS, in the order the file system lists them.
[[nodiscard]] QStringList Load_Existing_Configuration(const QString &projectsDir);

// Position of the first name equal to name ignoring letter case, or -1.
[[nodiscard]] int Search_Open_Conf(const QStringList &names, const QString &name);

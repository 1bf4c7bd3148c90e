// SPDX-License-Identifier: MIT
#include "app/workspace.h"

#include "common/file_io.h"

#include <QDir>

using namespace Qt::StringLiterals;

Workspace Workspace::at(const QString &exeDir)
{
    QString dir = QDir::toNativeSeparators(exeDir);
    while (dir.size() > 1 && dir.endsWith(QDir::separator()))
        dir.chop(1);
    Workspace workspace;
    workspace.Exe_Dir = dir;
    workspace.Master_Dir = joinPath(dir, u"MASTER"_s);
    workspace.Projects_Dir = joinPath(dir, u"PROJECTS"_s);
    workspace.Language_Dir = joinPath(dir, u"LANGUAGE"_s);
    workspace.IODD_Dir = joinPath(dir, u"IODD"_s);
    return workspace;
}

bool Workspace::createFolders() const
{
    bool all = true;
    for (const QString &folder : {Master_Dir, Projects_Dir, Language_Dir, IODD_Dir}) {
        if (!QDir(folder).exists() && !QDir().mkdir(folder))
            all = false;
    }
    return all;
}

QString Workspace::settingsFile() const
{
    return joinPath(Exe_Dir, u"Tessaro.xml"_s);
}

QString Workspace::updaterProgram() const
{
#ifdef Q_OS_WIN
    return joinPath(Exe_Dir, u"Ethernet_Update.exe"_s);
#else
    return joinPath(Exe_Dir, u"Ethernet_Update"_s);
#endif
}

QString Workspace::updateJobFile() const
{
    return joinPath(Exe_Dir, u"Ethernet_Update.xml"_s);
}

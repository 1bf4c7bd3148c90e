// SPDX-License-Identifier: MIT
#include "app/project.h"

#include "common/file_io.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

using namespace Qt::StringLiterals;

void ProjectState::Set_Files()
{
    if (Project_Dir.isEmpty()) { // no project: no file a step could write by mistake
        files = {};
        return;
    }
    files.File_ParGen = joinPath(Project_Dir, u"ParGen.xml"_s);
    files.File_IOLink_Slave = joinPath(Project_Dir, u"IOLink_Slave.xml"_s);
    files.File_SDO_Server = joinPath(Project_Dir, u"SDO_Server_CANopen.xml"_s);
    files.File_SDO_Client = joinPath(Project_Dir, u"SDO_Client_CANopen.xml"_s);
    files.File_PDO = joinPath(Project_Dir, u"PDO_CANopen.xml"_s);
}

bool isSafeProjectName(const QString &name)
{
    return !name.isEmpty() && name != u"."_s && name != u".."_s && !name.contains(u'/')
        && !name.contains(u'\\') && !name.contains(QChar(0));
}

QString existingProjectDir(const QString &projectsDir, const QString &name)
{
    if (!isSafeProjectName(name))
        return {};
    const QString dir = joinPath(projectsDir, name);
    return QFileInfo(dir).isDir() ? dir : QString();
}

int createProjectFolders(const QString &projectsDir, const QString &name)
{
    if (name.isEmpty())
        return 107;
    if (!isSafeProjectName(name))
        return 105;
    const QString dir = joinPath(projectsDir, name);
    if (QFileInfo::exists(dir))
        return 106;
    if (!QDir(projectsDir).mkdir(name))
        return 105;
    QDir(dir).mkdir(u"bin"_s); // the images are written into it later; its failure is not fatal
    return 0;
}

QStringList Load_Existing_Configuration(const QString &projectsDir)
{
    QStringList names;
    QDirIterator entries(projectsDir, QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    while (entries.hasNext()) {
        entries.next();
        names.append(entries.fileName());
    }
    return names;
}

int Search_Open_Conf(const QStringList &names, const QString &name)
{
    for (int i = 0; i < names.size(); ++i) {
        if (names.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

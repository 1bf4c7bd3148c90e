// SPDX-License-Identifier: MIT
#include "cli/commands.h"

#include "app/project.h"
#include "devicefiles/iodd_generator.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

int Cli::ioddCommand(const Workspace &workspace, const QStringList &arguments, CliOutput &output)
{
    if (arguments.size() != 2)
        return usageError(output, u"iodd takes a project folder and an output folder"_s);
    const QString projectDir = QDir::toNativeSeparators(QDir::cleanPath(arguments.at(0)));
    if (!QFileInfo(projectDir).isDir())
        return failure(output, u"%1: the project folder does not exist"_s.arg(projectDir));

    ProjectState project;
    project.Project_Dir = projectDir;
    project.Set_Files();
    const QString outputFolder = QDir::toNativeSeparators(QDir::cleanPath(arguments.at(1)));
    const IoddGeneration generation = generateIodd(project.files, workspace.IODD_Dir, outputFolder, now());
    if (!generation.ok)
        return failure(output, generation.error);
    return ExitOk;
}

// SPDX-License-Identifier: MIT
#include "cli/commands.h"

#include "app/project.h"
#include "devicefiles/eds_project.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

// eds PROJECT_DIR OUTPUT_FILE: the project's data sheet, written only when it could be made whole.
int Cli::edsCommand(const Workspace &, const QStringList &arguments, CliOutput &output)
{
    if (arguments.size() != 2)
        return usageError(output, u"eds needs PROJECT_DIR and OUTPUT_FILE"_s);

    ProjectState project;
    project.Project_Dir = arguments.at(0);
    // A mistyped folder would otherwise pass as a project without PDOs and objects.
    if (!QFileInfo(project.Project_Dir).isDir())
        return failure(output, u"%1: the project folder does not exist"_s.arg(project.Project_Dir));
    project.Set_Files();

    const EdsResult eds = Make_EDS(project.files, now());
    if (!eds.ok())
        return failure(output, eds.error);
    const QString error = writeEdsFile(arguments.at(1), eds.bytes);
    if (!error.isEmpty())
        return failure(output, error);
    return ExitOk;
}

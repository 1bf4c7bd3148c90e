// SPDX-License-Identifier: MIT
#include "cli/commands.h"

#include "app/project.h"
#include "update/image_compiler.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

// compile PROJECT_DIR: the project's two memory images into PROJECT_DIR/bin.
int Cli::compileCommand(const Workspace &, const QStringList &arguments, CliOutput &output)
{
    if (arguments.size() != 1)
        return usageError(output, u"compile takes one argument, the project folder"_s);

    ProjectState project;
    project.Project_Dir = arguments.constFirst();
    if (!QFileInfo(project.Project_Dir).isDir())
        return failure(output, u"%1: the project folder does not exist"_s.arg(project.Project_Dir));
    project.Set_Files();

    const CompileResult compiled = Compile_Images(project.files);
    if (!compiled.ok())
        return failure(output, compiled.error);
    const FileResult written = Write_Images(project.Project_Dir, compiled.images);
    if (!written.ok)
        return failure(output, written.error);
    return ExitOk;
}

// SPDX-License-Identifier: MIT
#include "cli/commands.h"

#include "app/project.h"
#include "app/settings.h"
#include "messages/messages.h"
#include "params/par_gen.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

// Checks the project's files as the forms' OK buttons do, stopping at the first broken rule.
int Cli::checkCommand(const Workspace &workspace, const QStringList &arguments, CliOutput &output)
{
    if (arguments.size() != 1)
        return usageError(output, u"check takes one project folder"_s);
    const QString projectDir = arguments.constFirst();
    if (!QFileInfo(projectDir).isDir())
        return failure(output, u"%1 is not a project folder"_s.arg(projectDir));

    Messages messages;
    const QString language = readSettingsFile(workspace.settingsFile()).settings.Language_Name;
    (void)Load_Language(messages, workspace.Language_Dir, language);

    ProjectState project;
    project.Project_Dir = QFileInfo(projectDir).absoluteFilePath();
    project.Set_Files();

    // A missing ParGen.xml is checked as the defaults the form would show.
    const ParGenReadResult parGen = readParGenFile(project.files.File_ParGen);
    if (!parGen.ok())
        return failure(output, u"%1 could not be read: %2"_s.arg(project.files.File_ParGen, parGen.error));
    if (const std::optional<ParGenCheckFailure> broken = Controllo_Dati(parGen.values)) {
        output.out += messages[broken->message].toUtf8() + '\n';
        return ExitFailed;
    }
    return ExitOk;
}

// SPDX-License-Identifier: MIT
#include "devicefiles/iodd_make.h"

#include "app/prompter.h"
#include "devicefiles/iodd_generator.h"
#include "messages/messages.h"

#include <QFileInfo>

void Make_IODD(Prompter &prompter, const Messages &messages, const ProjectState &project,
               const Workspace &workspace, const QDateTime &now)
{
    const QString folder = prompter.pickFolder(project.Project_Dir);
    if (folder.isEmpty())
        return;
    if (QFileInfo::exists(ioddArchivePath(folder, now.date())) && !prompter.askYesNo(messages[1505]))
        return;
    const IoddGeneration generation = generateIodd(project.files, workspace.IODD_Dir, folder, now);
    if (!generation.ok)
        prompter.showError(generation.error);
}

// SPDX-License-Identifier: MIT
// The main window's "IO-Link IODD File" step.
#pragma once

#include "app/project.h"
#include "app/workspace.h"

#include <QDateTime>

class Messages;
class Prompter;

// Asks for the archive's folder (starting in the project folder), asks message 1505 before
// replacing an archive of the same day, then writes the IODD into the workspace's IODD folder
// and the archive into the chosen folder. Cancel or No end it with nothing written; a failure
// is shown as an error; success is not announced. The project must be open.
void Make_IODD(Prompter &prompter, const Messages &messages, const ProjectState &project,
               const Workspace &workspace, const QDateTime &now);

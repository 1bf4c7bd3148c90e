// SPDX-License-Identifier: MIT
// The commands of tessaro-cli; each takes the arguments after its name.
#pragma once

#include "app/workspace.h"
#include "cli/cli.h"

#include <QDateTime>
#include <QStringList>

namespace Cli {
constexpr int ExitOk = 0;
constexpr int ExitFailed = 1;
constexpr int ExitUsage = 2;

// Prints why and the usage to stderr; returns ExitUsage.
int usageError(CliOutput &output, const QString &why);
// Prints "tessaro-cli: why" to stderr; returns ExitFailed.
int failure(CliOutput &output, const QString &why);

// "Now" for every date and time a command writes: SOURCE_DATE_EPOCH (UTC) when set, else the clock.
[[nodiscard]] QDateTime now();

int messagesCommand(const Workspace &workspace, const QStringList &arguments, CliOutput &output);
int checkCommand(const Workspace &workspace, const QStringList &arguments, CliOutput &output);
int compileCommand(const Workspace &workspace, const QStringList &arguments, CliOutput &output);
int edsCommand(const Workspace &workspace, const QStringList &arguments, CliOutput &output);
int ioddCommand(const Workspace &workspace, const QStringList &arguments, CliOutput &output);
} // namespace Cli

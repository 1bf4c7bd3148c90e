// SPDX-License-Identifier: MIT
// tessaro-cli: the configurator's work without windows, over the same core.
#pragma once

#include <QByteArray>
#include <QStringList>

struct CliOutput {
    QByteArray out;
    QByteArray err;
};

// Runs one command line (arguments without the programme name). defaultWorkspace stands for
// the executable's folder. Returns the exit code: 0 done, 1 failed, 2 usage error.
int runCli(const QStringList &arguments, const QString &defaultWorkspace, CliOutput &output);

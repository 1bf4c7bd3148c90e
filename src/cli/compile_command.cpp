// SPDX-License-Identifier: MIT
#include "cli/commands.h"

using namespace Qt::StringLiterals;

// TODO(#4): not built yet.
int Cli::compileCommand(const Workspace &, const QStringList &, CliOutput &output)
{
    return failure(output, u"compile is not available in this version"_s);
}

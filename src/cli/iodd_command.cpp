// SPDX-License-Identifier: MIT
#include "cli/commands.h"

using namespace Qt::StringLiterals;

// TODO(#4): not built yet.
int Cli::ioddCommand(const Workspace &, const QStringList &, CliOutput &output)
{
    return failure(output, u"iodd is not available in this version"_s);
}

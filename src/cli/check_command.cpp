// SPDX-License-Identifier: MIT
#include "cli/commands.h"

using namespace Qt::StringLiterals;

// TODO(#3): not built yet.
int Cli::checkCommand(const Workspace &, const QStringList &, CliOutput &output)
{
    return failure(output, u"check is not available in this version"_s);
}

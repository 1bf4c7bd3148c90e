// SPDX-License-Identifier: MIT
#include "cli/cli.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    CliOutput output;
    const int code = runCli(QCoreApplication::arguments().mid(1), QCoreApplication::applicationDirPath(), output);
    std::fwrite(output.out.constData(), 1, size_t(output.out.size()), stdout);
    std::fwrite(output.err.constData(), 1, size_t(output.err.size()), stderr);
    return code;
}

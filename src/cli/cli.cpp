// SPDX-License-Identifier: MIT
#include "cli/cli.h"

#include "cli/commands.h"

#include <QTimeZone>

using namespace Qt::StringLiterals;

namespace {

const QByteArray Usage =
    "Usage: tessaro-cli [--workspace DIR] COMMAND [ARGUMENTS]\n"
    "\n"
    "Commands:\n"
    "  messages [LANGUAGE]          print the message catalogue of LANGUAGE (default English) as\n"
    "                               a language file: one line STR<n> = \xC2\xB6<text>\xC2\xB6 per entry\n"
    "  check PROJECT_DIR            check the project's files as the forms' OK buttons do; print\n"
    "                               the first error and exit 1, or print nothing and exit 0\n"
    "  compile PROJECT_DIR          write the memory images PROJECT_DIR/bin/bank1.bin and bank2.bin\n"
    "  eds PROJECT_DIR OUTPUT_FILE  write the project's CANopen EDS file\n"
    "  iodd PROJECT_DIR OUTPUT_DIR  write the project's IODD into DIR/IODD and its archive into\n"
    "                               OUTPUT_DIR\n"
    "\n"
    "Options:\n"
    "  --workspace DIR              the configurator's folder (holding LANGUAGE, PROJECTS, IODD);\n"
    "                               default: the folder of this programme\n"
    "  --help                       show this text\n"
    "\n"
    "SOURCE_DATE_EPOCH, when set, is taken as the current time for every date written.\n";

using Command = int (*)(const Workspace &, const QStringList &, CliOutput &);

struct NamedCommand {
    const char16_t *name;
    Command run;
};

constexpr NamedCommand Commands[] = {
    {u"messages", Cli::messagesCommand}, {u"check", Cli::checkCommand}, {u"compile", Cli::compileCommand},
    {u"eds", Cli::edsCommand},           {u"iodd", Cli::ioddCommand},
};

} // namespace

int Cli::usageError(CliOutput &output, const QString &why)
{
    output.err += "tessaro-cli: " + why.toUtf8() + "\n\n" + Usage;
    return ExitUsage;
}

int Cli::failure(CliOutput &output, const QString &why)
{
    output.err += "tessaro-cli: " + why.toUtf8() + "\n";
    return ExitFailed;
}

QDateTime Cli::now()
{
    bool ok = false;
    const qint64 epoch = qEnvironmentVariable("SOURCE_DATE_EPOCH").toLongLong(&ok);
    if (ok)
        return QDateTime::fromSecsSinceEpoch(epoch, QTimeZone::utc());
    return QDateTime::currentDateTime();
}

int runCli(const QStringList &arguments, const QString &defaultWorkspace, CliOutput &output)
{
    QString workspaceDir = defaultWorkspace;
    QStringList rest = arguments;
    while (!rest.isEmpty() && rest.constFirst().startsWith(u"--"_s)) {
        const QString option = rest.takeFirst();
        if (option == u"--help"_s) {
            output.out += Usage;
            return Cli::ExitOk;
        }
        if (option == u"--workspace"_s) {
            if (rest.isEmpty())
                return Cli::usageError(output, u"--workspace needs a folder"_s);
            workspaceDir = rest.takeFirst();
            continue;
        }
        return Cli::usageError(output, u"unknown option %1"_s.arg(option));
    }
    if (rest.isEmpty())
        return Cli::usageError(output, u"no command given"_s);

    const Workspace workspace = Workspace::at(workspaceDir);
    const QString command = rest.takeFirst();
    for (const NamedCommand &named : Commands) {
        if (command == QStringView(named.name))
            return named.run(workspace, rest, output);
    }
    return Cli::usageError(output, u"unknown command %1"_s.arg(command));
}

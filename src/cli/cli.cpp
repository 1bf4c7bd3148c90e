// SPDX-License-Identifier: MIT
#include "cli/cli.h"

#include "app/workspace.h"
#include "messages/messages.h"

using namespace Qt::StringLiterals;

namespace {

const QByteArray Usage =
    "Usage: tessaro-cli [--workspace DIR] COMMAND [ARGUMENTS]\n"
    "\n"
    "Commands:\n"
    "  messages [LANGUAGE]  print the message catalogue of LANGUAGE (default English) as a\n"
    "                       language file: one line STR<n> = \xC2\xB6<text>\xC2\xB6 per entry\n"
    "\n"
    "Options:\n"
    "  --workspace DIR      the configurator's folder (holding LANGUAGE, PROJECTS, ...);\n"
    "                       default: the folder of this programme\n"
    "  --help               show this text\n";

constexpr int ExitOk = 0;
constexpr int ExitFailed = 1;
constexpr int ExitUsage = 2;

int usageError(CliOutput &output, const QString &why)
{
    output.err += "tessaro-cli: " + why.toUtf8() + "\n\n" + Usage;
    return ExitUsage;
}

// The catalogue in language-file form; the pilcrows keep every blank of every text.
QByteArray catalogueAsLanguageFile(const Messages &messages)
{
    QByteArray text;
    text.reserve(messages.size() * 48);
    for (int number = 0; number < messages.size(); ++number)
        text += u"STR%1 = \u00B6%2\u00B6\n"_s.arg(number).arg(messages[number]).toUtf8();
    return text;
}

int messagesCommand(const Workspace &workspace, const QStringList &arguments, CliOutput &output)
{
    if (arguments.size() > 1)
        return usageError(output, u"messages takes at most one language name"_s);
    const QString language = arguments.isEmpty() ? u"English"_s : arguments.constFirst();
    Messages messages;
    const LoadLanguageResult loaded = Load_Language(messages, workspace.Language_Dir, language);
    output.out = catalogueAsLanguageFile(messages);
    if (!loaded.file.ok) {
        output.err += u"tessaro-cli: the language file for \"%1\" could not be read (%2); "
                      u"the built-in English texts are printed\n"_s.arg(language, loaded.file.error)
                          .toUtf8();
        return ExitFailed;
    }
    return ExitOk;
}

} // namespace

int runCli(const QStringList &arguments, const QString &defaultWorkspace, CliOutput &output)
{
    QString workspaceDir = defaultWorkspace;
    QStringList rest = arguments;
    while (!rest.isEmpty() && rest.constFirst().startsWith(u"--"_s)) {
        const QString option = rest.takeFirst();
        if (option == u"--help"_s) {
            output.out += Usage;
            return ExitOk;
        }
        if (option == u"--workspace"_s) {
            if (rest.isEmpty())
                return usageError(output, u"--workspace needs a folder"_s);
            workspaceDir = rest.takeFirst();
            continue;
        }
        return usageError(output, u"unknown option %1"_s.arg(option));
    }
    if (rest.isEmpty())
        return usageError(output, u"no command given"_s);

    const Workspace workspace = Workspace::at(workspaceDir);
    const QString command = rest.takeFirst();
    if (command == u"messages"_s)
        return messagesCommand(workspace, rest, output);
    return usageError(output, u"unknown command %1"_s.arg(command));
}

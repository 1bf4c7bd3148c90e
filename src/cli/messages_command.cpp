// SPDX-License-Identifier: MIT
#include "cli/commands.h"

#include "messages/messages.h"

using namespace Qt::StringLiterals;

namespace {

// The catalogue in language-file form; the pilcrows keep every blank of every text.
QByteArray catalogueAsLanguageFile(const Messages &messages)
{
    QByteArray text;
    text.reserve(messages.size() * 48);
    for (int number = 0; number < messages.size(); ++number)
        text += u"STR%1 = \u00B6%2\u00B6\n"_s.arg(number).arg(messages[number]).toUtf8();
    return text;
}

} // namespace

int Cli::messagesCommand(const Workspace &workspace, const QStringList &arguments, CliOutput &output)
{
    if (arguments.size() > 1)
        return usageError(output, u"messages takes at most one language name"_s);
    const QString language = arguments.isEmpty() ? u"English"_s : arguments.constFirst();
    Messages messages;
    const LoadLanguageResult loaded = Load_Language(messages, workspace.Language_Dir, language);
    output.out = catalogueAsLanguageFile(messages);
    if (!loaded.file.ok) {
        return failure(output, u"the language file for \"%1\" could not be read (%2); "
                               u"the built-in English texts are printed"_s.arg(language, loaded.file.error));
    }
    return ExitOk;
}

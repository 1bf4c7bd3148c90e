// SPDX-License-Identifier: MIT
// tessaro-cli: command-line handling and the catalogue printed as a language file.
#include "cli/cli.h"
#include "messages/messages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

#include <map>

using namespace Qt::StringLiterals;

namespace {

struct CliRun {
    int code = -1;
    CliOutput output;
};

CliRun runIn(const QString &defaultWorkspace, const QStringList &arguments)
{
    CliRun run;
    run.code = runCli(arguments, defaultWorkspace, run.output);
    return run;
}

QStringList builtInTexts()
{
    Messages messages;
    messages.Fill_Default_Messages();
    return messages.texts();
}

QByteArray languageLine(int number, const QString &text)
{
    return u"STR%1 = \u00B6%2\u00B6\n"_s.arg(number).arg(text).toUtf8();
}

// The lines of a printed catalogue, each with its LF.
QList<QByteArray> linesOf(const QByteArray &bytes)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        end = end < 0 ? bytes.size() : end + 1;
        lines.append(bytes.mid(start, end - start));
        start = end;
    }
    return lines;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    QCOMPARE(file.write(bytes), bytes.size());
}

// The built-in catalogue as printed from a workspace without language files.
QByteArray englishOutput()
{
    QTemporaryDir empty;
    return runIn(empty.path(), {u"messages"_s}).output.out;
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void usageErrors_data();
    void usageErrors();
    void help_data();
    void help();
    void printsBuiltInCatalogue();
    void translationRoundTrip_data();
    void translationRoundTrip();
    void englishOutputReloadsToBuiltIn();
    void missingLanguageFallsBackToEnglishFile();
    void unreadableLanguageFile_data();
    void unreadableLanguageFile();
    void executableMatchesRunCli_data();
    void executableMatchesRunCli();
};

void TestCli::usageErrors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("no arguments") << QStringList{};
    QTest::newRow("options but no command") << QStringList{u"--workspace"_s, u"/tmp"_s};
    QTest::newRow("unknown command") << QStringList{u"frobnicate"_s};
    QTest::newRow("unknown option") << QStringList{u"--verbose"_s, u"messages"_s};
    QTest::newRow("--workspace without folder") << QStringList{u"--workspace"_s};
    QTest::newRow("two languages") << QStringList{u"messages"_s, u"Deutsch"_s, u"English"_s};
}

void TestCli::usageErrors()
{
    QFETCH(QStringList, arguments);
    QTemporaryDir workspace;
    const CliRun run = runIn(workspace.path(), arguments);
    QCOMPARE(run.code, 2);
    QVERIFY(run.output.out.isEmpty());
    QVERIFY2(run.output.err.startsWith("tessaro-cli: "), run.output.err.constData());
    QVERIFY(run.output.err.contains("\nUsage: tessaro-cli"));
}

void TestCli::help_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("alone") << QStringList{u"--help"_s};
    QTest::newRow("after --workspace") << QStringList{u"--workspace"_s, u"/nowhere"_s, u"--help"_s};
    QTest::newRow("before a command") << QStringList{u"--help"_s, u"messages"_s};
}

void TestCli::help()
{
    QFETCH(QStringList, arguments);
    const CliRun run = runIn(QDir::tempPath(), arguments);
    QCOMPARE(run.code, 0);
    QVERIFY(run.output.out.startsWith("Usage: tessaro-cli"));
    QVERIFY(run.output.out.contains("messages [LANGUAGE]"));
    QVERIFY(run.output.err.isEmpty());
}

void TestCli::printsBuiltInCatalogue()
{
    QTemporaryDir workspace; // no LANGUAGE folder at all
    const CliRun run = runIn(workspace.path(), {u"messages"_s});
    QCOMPARE(run.code, 0);
    QVERIFY(run.output.err.isEmpty());

    const QByteArray &out = run.output.out;
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = decoder.decode(out);
    QVERIFY2(!decoder.hasError(), "the output is not valid UTF-8");
    QVERIFY(!out.contains('\r'));
    QVERIFY(out.endsWith('\n'));

    const QStringList lines = text.chopped(1).split(u'\n');
    QCOMPARE(lines.size(), Messages::Count);
    const QStringList expected = builtInTexts();
    static const QRegularExpression form(u"^STR(\\d+) = \u00B6(.*)\u00B6$"_s);
    for (int number = 0; number < lines.size(); ++number) {
        const QRegularExpressionMatch match = form.match(lines[number]);
        QVERIFY2(match.hasMatch(), qPrintable(lines[number]));
        QCOMPARE(match.captured(1).toInt(), number);
        QCOMPARE(match.captured(2), expected[number]);
    }

    // Without a file the named language prints the same catalogue.
    QCOMPARE(runIn(workspace.path(), {u"messages"_s, u"English"_s}).output.out, out);
}

void TestCli::translationRoundTrip_data()
{
    // Whether the workspace is named on the command line or is the programme's own folder.
    QTest::addColumn<bool>("viaOption");
    QTest::newRow("--workspace") << true;
    QTest::newRow("programme folder") << false;
}

// A translation written from the printed catalogue, loaded and printed again, gives back the
// file as written: blanks at either end, non-ASCII letters and empty texts survive.
void TestCli::translationRoundTrip()
{
    QFETCH(bool, viaOption);
    const std::map<int, QString> translated = {
        {0, u"Beginn"_s},
        {9, u"  Keine Konfiguration geöffnet  "_s},
        {12, u"\tInfo\t"_s},
        {14, u"Schließen"_s},
        {15, QString()},
        {16, u"Größe = 5 € \U0001F600 Ωμ"_s},
        {306, u"   "_s},
        {5499, u"Letzter übersetzbarer Eintrag"_s},
        // The file may not replace entries from 5500 on; they keep the built-in text.
        {5500, u"Nicht übersetzbar"_s},
        {5599, u"Auch nicht"_s},
    };

    QList<QByteArray> written = linesOf(englishOutput());
    QCOMPARE(written.size(), Messages::Count);
    QList<QByteArray> expected = written;
    for (const auto &[number, text] : translated) {
        written[number] = languageLine(number, text);
        if (number < Messages::Lng_Index_Limit)
            expected[number] = written[number];
    }

    QTemporaryDir workspace;
    QTemporaryDir elsewhere;
    QVERIFY(QDir(workspace.path()).mkdir(u"LANGUAGE"_s));
    writeFile(workspace.filePath(u"LANGUAGE/Deutsch.lng"_s), written.join());

    const CliRun run = viaOption
        ? runIn(elsewhere.path(), {u"--workspace"_s, workspace.path(), u"messages"_s, u"Deutsch"_s})
        : runIn(workspace.path(), {u"messages"_s, u"Deutsch"_s});
    QCOMPARE(run.code, 0);
    QVERIFY(run.output.err.isEmpty());
    QCOMPARE(linesOf(run.output.out), expected);
}

// The printed English catalogue, read back as a language file, restores every entry exactly.
void TestCli::englishOutputReloadsToBuiltIn()
{
    QTemporaryDir workspace;
    const QString path = workspace.filePath(u"English.lng"_s);
    writeFile(path, englishOutput());

    // Start from a catalogue where every replaceable entry differs from the built-in one.
    Messages messages;
    messages.Fill_Default_Messages();
    QByteArray scrambled;
    for (int number = 0; number < Messages::Lng_Index_Limit; ++number)
        scrambled += languageLine(number, u"#"_s);
    QVERIFY(messages.loadLanguageBytes(scrambled).ok);
    QCOMPARE(messages.text(9), u"#"_s);

    const LanguageFileResult loaded = messages.Load_Lng_File(path);
    QVERIFY2(loaded.ok, qPrintable(loaded.error));
    QCOMPARE(messages.texts(), builtInTexts());
}

void TestCli::missingLanguageFallsBackToEnglishFile()
{
    QTemporaryDir workspace;
    QVERIFY(QDir(workspace.path()).mkdir(u"LANGUAGE"_s));
    writeFile(workspace.filePath(u"LANGUAGE/English.lng"_s), "STR0 = \xC2\xB6 Start \xC2\xB6\n");

    const CliRun run = runIn(workspace.path(), {u"messages"_s, u"Klingon"_s});
    QCOMPARE(run.code, 0);
    QVERIFY(run.output.err.isEmpty());
    QList<QByteArray> expected = linesOf(englishOutput());
    expected[0] = "STR0 = \xC2\xB6 Start \xC2\xB6\n";
    QCOMPARE(linesOf(run.output.out), expected);
}

void TestCli::unreadableLanguageFile_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<bool>("folder"); // a folder stands where the file should be
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("language");
    QTest::newRow("folder named Deutsch.lng") << u"Deutsch.lng"_s << true << QByteArray() << u"Deutsch"_s;
    QTest::newRow("English fallback is a folder") << u"English.lng"_s << true << QByteArray() << u"Klingon"_s;
    QTest::newRow("UTF-8 mark over bad bytes")
        << u"Deutsch.lng"_s << false << QByteArray("\xEF\xBB\xBFSTR0 = \xFF\xFE\n") << u"Deutsch"_s;
}

// A file that cannot be read still prints the built-in catalogue, reports why, and fails.
void TestCli::unreadableLanguageFile()
{
    QFETCH(QString, fileName);
    QFETCH(bool, folder);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, language);

    QTemporaryDir workspace;
    QDir languageDir(workspace.path());
    QVERIFY(languageDir.mkdir(u"LANGUAGE"_s) && languageDir.cd(u"LANGUAGE"_s));
    if (folder)
        QVERIFY(languageDir.mkdir(fileName));
    else
        writeFile(languageDir.filePath(fileName), bytes);

    const CliRun run = runIn(workspace.path(), {u"messages"_s, language});
    QCOMPARE(run.code, 1);
    QCOMPARE(run.output.out, englishOutput());
    QVERIFY(run.output.err.startsWith("tessaro-cli: "));
    QVERIFY2(run.output.err.contains(language.toUtf8()), run.output.err.constData());
}

void TestCli::executableMatchesRunCli_data()
{
    QTest::addColumn<QStringList>("arguments"); // %1 stands for the workspace
    QTest::addColumn<int>("code");
    QTest::newRow("translation") << QStringList{u"--workspace"_s, u"%1"_s, u"messages"_s, u"Deutsch"_s} << 0;
    QTest::newRow("unreadable") << QStringList{u"--workspace"_s, u"%1"_s, u"messages"_s, u"Polski"_s} << 1;
    QTest::newRow("usage error") << QStringList{u"--workspace"_s, u"%1"_s, u"frobnicate"_s} << 2;
    QTest::newRow("help") << QStringList{u"--help"_s} << 0;
}

// The executable writes runCli's bytes unchanged to stdout and stderr and exits with its code.
void TestCli::executableMatchesRunCli()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, code);

    QTemporaryDir workspace;
    QDir languageDir(workspace.path());
    QVERIFY(languageDir.mkdir(u"LANGUAGE"_s) && languageDir.cd(u"LANGUAGE"_s));
    writeFile(languageDir.filePath(u"Deutsch.lng"_s),
              "STR14 = \xC2\xB6 Schlie\xC3\x9F" "en \xC2\xB6\nSTR0 = Beginn\n");
    QVERIFY(languageDir.mkdir(u"Polski.lng"_s));
    for (QString &argument : arguments)
        argument.replace(u"%1"_s, workspace.path());

    const QString program = QString::fromUtf8(TESSARO_CLI);
    QProcess process;
    process.start(program, arguments);
    QVERIFY2(process.waitForFinished(30000), qPrintable(process.errorString()));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);

    const CliRun expected = runIn(QFileInfo(program).absolutePath(), arguments);
    QCOMPARE(expected.code, code);
    QCOMPARE(process.exitCode(), code);
    QCOMPARE(process.readAllStandardOutput(), expected.output.out);
    QCOMPARE(process.readAllStandardError(), expected.output.err);
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"

// SPDX-License-Identifier: MIT
// The message catalogue, the language-file reader and the choice of language file.
#include "messages/default_texts.h"
#include "messages/messages.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

QStringList builtInTexts()
{
    Messages messages;
    messages.Fill_Default_Messages();
    return messages.texts();
}

QByteArray utf8(const QString &text)
{
    return text.toUtf8();
}

QByteArray utf16WithBom(const QString &text, bool bigEndian)
{
    QStringEncoder encoder(bigEndian ? QStringConverter::Utf16BE : QStringConverter::Utf16LE);
    const QByteArray bom = bigEndian ? QByteArray("\xFE\xFF") : QByteArray("\xFF\xFE");
    return bom + QByteArray(encoder.encode(text));
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class TestMessages : public QObject
{
    Q_OBJECT

private slots:
    void fillDefaultMessages();
    void lineRules_data();
    void lineRules();
    void encodingsAndLineEnds_data();
    void encodingsAndLineEnds();
    void failedFileLeavesCatalogue_data();
    void failedFileLeavesCatalogue();
    void switchingLanguageRestoresEnglish();
    void missingLanguageFile_data();
    void missingLanguageFile();
    void unreadableLanguageFile_data();
    void unreadableLanguageFile();
};

void TestMessages::fillDefaultMessages()
{
    Messages messages;
    QCOMPARE(messages.size(), 0);
    messages.Fill_Default_Messages();
    QCOMPARE(messages.size(), Messages::Count);

    QStringList expected(Messages::Count, u" "_s);
    for (const DefaultText &entry : defaultTexts())
        expected[entry.number] = QString::fromUtf16(entry.text);
    QCOMPARE(messages.texts(), expected);

    // A second fill starts again from the built-in texts.
    QVERIFY(messages.loadLanguageBytes("STR0 = Inizio\nSTR5499 = y").ok);
    messages.Fill_Default_Messages();
    QCOMPARE(messages.texts(), expected);
}

void TestMessages::lineRules_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("number"); // -1: no entry may change
    QTest::addColumn<QString>("text");

    QTest::newRow("single line") << u"STR0 = Inizio"_s << 0 << u"Inizio"_s;
    QTest::newRow("last replaceable entry") << u"STR5499 = x"_s << 5499 << u"x"_s;
    QTest::newRow("first protected entry") << u"STR5500 = x"_s << -1 << QString();
    QTest::newRow("negative number") << u"STR-1 = x"_s << -1 << QString();
    QTest::newRow("no blanks around =") << u"STR12=x"_s << 12 << u"x"_s;
    QTest::newRow("blanks around number and =") << u"STR 12 \t=  x"_s << 12 << u"x"_s;
    QTest::newRow("line blanks and control characters") << u" \t\x01STR12 = x\t "_s << 12
                                                          << u"x"_s;
    QTest::newRow("trailing blank trimmed") << u"STR305 = Page "_s << 305 << u"Page"_s;
    QTest::newRow("pilcrows keep outer blanks") << u"STR305 = ¶Page ¶"_s << 305 << u"Page "_s;
    QTest::newRow("pilcrows and comment")
        << u"STR9 = ¶None Configuration Opened ¶ /#/ main window"_s << 9
        << u"None Configuration Opened "_s;
    QTest::newRow("leading pilcrow only") << u"STR304 = ¶ : "_s << 304 << u" :"_s;
    QTest::newRow("text after closing pilcrow dropped") << u"STR10 = ¶ a ¶ b"_s << 10
                                                          << u" a "_s;
    QTest::newRow("empty text keeps entry") << u"STR10 ="_s << -1 << QString();
    QTest::newRow("empty between pilcrows") << u"STR10 = ¶¶"_s << 10 << QString();
    QTest::newRow("comment cut and trimmed")
        << u"STR18 = Error! Project not Valid /#/ shown when no project is open"_s << 18
        << u"Error! Project not Valid"_s;
    QTest::newRow("only a comment keeps entry") << u"STR10 = /#/ note"_s << -1 << QString();
    QTest::newRow("pilcrows hide no comment") << u"STR10 = ¶a /#/ b¶"_s << 10 << u"a"_s;
    QTest::newRow("lower-case str") << u"str10 = x"_s << -1 << QString();
    QTest::newRow("STR not first") << u"; STR10 = x"_s << -1 << QString();
    QTest::newRow("no =") << u"STR10 x"_s << -1 << QString();
    QTest::newRow("number not a number") << u"STRten = x"_s << -1 << QString();
    QTest::newRow("blank inside number") << u"STR1 0 = x"_s << -1 << QString();
    QTest::newRow("hexadecimal number") << u"STR$1F = x"_s << 31 << u"x"_s;
    QTest::newRow("first = separates") << u"STR10 = a = b"_s << 10 << u"a = b"_s;
    QTest::newRow("later line wins") << u"STR10 = a\nSTR10 = b"_s << 10 << u"b"_s;
    QTest::newRow("empty later line keeps earlier") << u"STR10 = a\nSTR10 =\nSTR10 = /#/"_s
                                                      << 10 << u"a"_s;
    QTest::newRow("free lines around")
        << u"; Italiano\n\n   \nSTR10 = a\n/#/ end"_s << 10 << u"a"_s;
}

void TestMessages::lineRules()
{
    QFETCH(QString, file);
    QFETCH(int, number);
    QFETCH(QString, text);

    QStringList expected = builtInTexts();
    if (number >= 0)
        expected[number] = text;

    Messages messages;
    messages.Fill_Default_Messages();
    const LanguageFileResult result = messages.loadLanguageBytes(utf8(file));
    QVERIFY(result.ok);
    QCOMPARE(messages.texts(), expected);
}

void TestMessages::encodingsAndLineEnds_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text0");
    QTest::addColumn<QString>("text1");

    const QString lines = u"STR0 = Caffè €\r\nSTR1 = ¶Ω “b” ¶\r\n"_s;
    QTest::newRow("UTF-8 with BOM") << QByteArray("\xEF\xBB\xBF") + utf8(lines) << u"Caffè €"_s
                                    << u"Ω “b” "_s;
    QTest::newRow("UTF-8 without BOM") << utf8(lines) << u"Caffè €"_s << u"Ω “b” "_s;
    QTest::newRow("UTF-16 LE with BOM") << utf16WithBom(lines, false) << u"Caffè €"_s
                                        << u"Ω “b” "_s;
    QTest::newRow("UTF-16 BE with BOM") << utf16WithBom(lines, true) << u"Caffè €"_s
                                        << u"Ω “b” "_s;
    QTest::newRow("Windows-1252 without BOM")
        << QByteArray("STR0 = Caff\xE8 \x80\r\nSTR1 = \x93\x8A\x9F\x94 \xB6 /#/ \xFF")
        << u"Caffè €"_s << u"“ŠŸ” "_s;
    QTest::newRow("Windows-1252 bytes left undefined")
        << QByteArray("STR0 = \x81\x8D\x8F\x90\x9D\nSTR1 = b")
        << u"\u0081\u008D\u008F\u0090\u009D"_s << u"b"_s;

    QTest::newRow("CR LF") << QByteArray("STR0 = a\r\nSTR1 = b\r\n") << u"a"_s << u"b"_s;
    QTest::newRow("LF") << QByteArray("STR0 = a\nSTR1 = b") << u"a"_s << u"b"_s;
    QTest::newRow("CR") << QByteArray("STR0 = a\rSTR1 = b\r") << u"a"_s << u"b"_s;
    QTest::newRow("mixed, LF CR is two ends") << QByteArray("STR0 = a\n\rSTR1 = b\r\n")
                                              << u"a"_s << u"b"_s;
}

void TestMessages::encodingsAndLineEnds()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text0);
    QFETCH(QString, text1);

    QStringList expected = builtInTexts();
    expected[0] = text0;
    expected[1] = text1;

    Messages messages;
    messages.Fill_Default_Messages();
    QVERIFY(messages.loadLanguageBytes(bytes).ok);
    QCOMPARE(messages.texts(), expected);
}

void TestMessages::failedFileLeavesCatalogue_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content"); // null: the path is a directory or missing
    QTest::addColumn<bool>("directory");

    QTest::newRow("missing file") << u"Missing.lng"_s << QByteArray() << false;
    QTest::newRow("directory") << u"Folder.lng"_s << QByteArray() << true;
    QTest::newRow("UTF-8 BOM, invalid bytes")
        << u"Broken.lng"_s << QByteArray("\xEF\xBB\xBFSTR0 = x\nSTR1 = \xE8\n") << false;
    QTest::newRow("UTF-16 BOM, odd byte count")
        << u"Broken.lng"_s << QByteArray("\xFF\xFES\0T\0R\0" "0\0=\0x", 13) << false;
}

void TestMessages::failedFileLeavesCatalogue()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(bool, directory);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(name);
    if (directory)
        QVERIFY(QDir(dir.path()).mkdir(name));
    else if (!content.isNull())
        writeFile(path, content);

    // The catalogue already holds a language; a failed file must change none of it.
    Messages messages;
    messages.Fill_Default_Messages();
    QVERIFY(messages.loadLanguageBytes("STR0 = Inizio\nSTR1 = Fine").ok);
    const QStringList before = messages.texts();

    const LanguageFileResult result = messages.Load_Lng_File(path);
    QVERIFY(!result.ok);
    QVERIFY(!result.error.isEmpty());
    QCOMPARE(messages.texts(), before);
}

void TestMessages::switchingLanguageRestoresEnglish()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    writeFile(dir.filePath(u"Italiano.lng"_s), "STR0 = Inizio\nSTR1 = Uno\nSTR2 = Due");
    writeFile(dir.filePath(u"Deutsch.lng"_s), "STR1 = Eins");

    Messages messages;
    LoadLanguageResult result = Load_Language(messages, dir.path(), u"Italiano"_s);
    QCOMPARE(result.languageName, u"Italiano"_s);
    QVERIFY(result.file.ok);
    QCOMPARE(messages.text(0), u"Inizio"_s);

    result = Load_Language(messages, dir.path(), u"Deutsch"_s);
    QCOMPARE(result.languageName, u"Deutsch"_s);
    QVERIFY(result.file.ok);
    QStringList expected = builtInTexts();
    expected[1] = u"Eins"_s;
    QCOMPARE(messages.texts(), expected);
}

void TestMessages::missingLanguageFile_data()
{
    QTest::addColumn<bool>("englishFile");
    QTest::newRow("English.lng absent") << false;
    QTest::newRow("English.lng present") << true;
}

void TestMessages::missingLanguageFile()
{
    QFETCH(bool, englishFile);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QStringList expected = builtInTexts();
    if (englishFile) {
        writeFile(dir.filePath(u"English.lng"_s), "STR0 = Begin");
        expected[0] = u"Begin"_s;
    }

    // A catalogue left over from an earlier language must not survive.
    Messages messages;
    messages.Fill_Default_Messages();
    QVERIFY(messages.loadLanguageBytes("STR1 = Uno").ok);

    const LoadLanguageResult result = Load_Language(messages, dir.path(), u"Klingon"_s);
    QCOMPARE(result.languageName, u"English"_s);
    QVERIFY(result.file.ok);
    QCOMPARE(messages.texts(), expected);
}

void TestMessages::unreadableLanguageFile_data()
{
    QTest::addColumn<QString>("languageName");
    QTest::addColumn<QString>("unreadableFile");
    QTest::addColumn<bool>("asDirectory");
    QTest::addColumn<QString>("nameAfter");

    QTest::newRow("named file is a directory")
        << u"Italiano"_s << u"Italiano.lng"_s << true << u"Italiano"_s;
    QTest::newRow("English fallback is a directory")
        << u"Klingon"_s << u"English.lng"_s << true << u"English"_s;
    QTest::newRow("named file without read permission")
        << u"Italiano"_s << u"Italiano.lng"_s << false << u"Italiano"_s;
}

void TestMessages::unreadableLanguageFile()
{
    QFETCH(QString, languageName);
    QFETCH(QString, unreadableFile);
    QFETCH(bool, asDirectory);
    QFETCH(QString, nameAfter);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(unreadableFile);
    if (asDirectory) {
        QVERIFY(QDir(dir.path()).mkdir(unreadableFile));
    } else {
        if (geteuid() == 0)
            QSKIP("file permissions do not stop the superuser from reading");
        writeFile(path, "STR0 = Inizio");
        QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions()));
    }
    // A readable English.lng beside an unreadable named file must not be taken instead.
    if (unreadableFile != u"English.lng"_s)
        writeFile(dir.filePath(u"English.lng"_s), "STR0 = Begin");

    Messages messages;
    messages.Fill_Default_Messages();
    QVERIFY(messages.loadLanguageBytes("STR1 = Uno").ok);

    const LoadLanguageResult result = Load_Language(messages, dir.path(), languageName);
    QCOMPARE(result.languageName, nameAfter);
    QVERIFY(!result.file.ok);
    QVERIFY(!result.file.error.isEmpty());
    QCOMPARE(messages.texts(), builtInTexts());
}

QTEST_GUILESS_MAIN(TestMessages)
#include "tst_messages.moc"

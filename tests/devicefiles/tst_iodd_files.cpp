// SPDX-License-Identifier: MIT
// The IODD step on disk: the archive, the pictures, failures, the main window's step, the
// command line and validation against the IODD 1.1 schema.
#include "../app/recording_prompter.h"

#include "cli/cli.h"
#include "devicefiles/iodd_document.h"
#include "devicefiles/iodd_generator.h"
#include "devicefiles/iodd_make.h"
#include "devicefiles/iodd_pictures.h"
#include "messages/messages.h"
#include "params/par_gen.h"
#include "tables/iolink_slave_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

#include <zip.h>

using namespace Qt::StringLiterals;

namespace {

// An even second: zip entries keep time in steps of two seconds.
const QDateTime Now(QDate(2024, 5, 7), QTime(14, 30, 12), QTimeZone::utc());

IOLinkVariableRow variableRow(int index, const QString &name, const QString &access, int length,
                              const QString &gradient = u"1"_s)
{
    IOLinkVariableRow row;
    row.Index = QString::number(index);
    row.Name = name;
    row.Access = access;
    row.Length = QString::number(length);
    row.Gradient = gradient;
    row.Offset = u"0"_s;
    row.UnitCode = u"1000"_s;
    row.DefaultValue = u"0"_s;
    row.Description = name + u" description";
    return row;
}

IOLinkProcessDataRow processDataRow(const QString &name, int length, const QString &gradient = u"1"_s)
{
    IOLinkProcessDataRow row;
    row.Name = name;
    row.Length = QString::number(length);
    row.Gradient = gradient;
    row.Offset = u"0"_s;
    row.UnitCode = u"1000"_s;
    return row;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A workspace with a project folder and an output folder.
struct Fixture {
    QTemporaryDir root;
    Workspace workspace = Workspace::at(root.filePath(u"ws"_s));
    ProjectState project;
    QString output = QDir::toNativeSeparators(root.filePath(u"out"_s));

    Fixture()
    {
        project.Project_Name = u"Line1"_s;
        project.Project_Dir = QDir::toNativeSeparators(root.filePath(u"Line1"_s));
        project.Set_Files();
        QDir().mkpath(project.Project_Dir);
        QDir().mkpath(output);
        QDir().mkpath(workspace.Exe_Dir);
        workspace.createFolders();
    }
    bool save(const IOLinkSlaveData &tables, const QString &rate = u"COM1"_s) const
    {
        ParGenValues values;
        values.IOLink_Slave_Baudrate = rate;
        return writeIOLinkSlaveFile(project.files.File_IOLink_Slave, tables).ok
            && writeParGenFile(project.files.File_ParGen, values).ok;
    }
    [[nodiscard]] QString ioddPath() const { return ioddFilePath(workspace.IODD_Dir, Now.date()); }
    [[nodiscard]] QString archivePath() const { return ioddArchivePath(output, Now.date()); }
};

IOLinkSlaveData smallTables(const QString &variableName = u"Speed"_s)
{
    IOLinkSlaveData tables;
    tables.Variables = {variableRow(100, variableName, u"Read Write"_s, 16)};
    tables.Process_Data_Input = {processDataRow(u"Mode"_s, 3), processDataRow(u"Level"_s, 6)};
    tables.Process_Data_Output = {processDataRow(u"Run"_s, 1)};
    return tables;
}

struct ArchiveEntry {
    QString name;
    int method = -1;
    QDateTime modified;
    QByteArray data;
};

QList<ArchiveEntry> archiveEntries(const QString &path)
{
    QList<ArchiveEntry> entries;
    int error = 0;
    zip_t *archive = zip_open(path.toLocal8Bit().constData(), ZIP_RDONLY, &error);
    if (!archive)
        return entries;
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t stat;
        zip_stat_init(&stat);
        if (zip_stat_index(archive, zip_uint64_t(i), 0, &stat) < 0)
            break;
        ArchiveEntry entry;
        entry.name = QString::fromUtf8(stat.name);
        entry.method = stat.comp_method;
        // libzip reads the entry's date and time fields as local time.
        entry.modified = QDateTime::fromSecsSinceEpoch(stat.mtime);
        entry.data.resize(qsizetype(stat.size));
        zip_file_t *file = zip_fopen_index(archive, zip_uint64_t(i), 0);
        if (file) {
            if (zip_fread(file, entry.data.data(), stat.size) != zip_int64_t(stat.size))
                entry.data.clear();
            zip_fclose(file);
        }
        entries.append(entry);
    }
    zip_close(archive);
    return entries;
}

// Width and height from a PNG's header chunk, or (0, 0) when the bytes are no PNG.
QSize pngSize(const QByteArray &png)
{
    if (!png.startsWith("\x89PNG\r\n\x1a\n") || png.mid(12, 4) != "IHDR")
        return {};
    auto bigEndian = [&](qsizetype at) {
        return int((uchar(png[at]) << 24) | (uchar(png[at + 1]) << 16) | (uchar(png[at + 2]) << 8) | uchar(png[at + 3]));
    };
    return {bigEndian(16), bigEndian(20)};
}

} // namespace

class TestIoddFiles : public QObject
{
    Q_OBJECT

private slots:
    void archiveHoldsIoddAndPictures();
    void pictures();
    void failuresWriteNothing_data();
    void failuresWriteNothing();
    void makeIoddAsksBeforeReplacing();
    void commandLine_data();
    void commandLine();
    void validatesAgainstSchema_data();
    void validatesAgainstSchema();
};

void TestIoddFiles::archiveHoldsIoddAndPictures()
{
    Fixture fixture;
    QVERIFY(fixture.save(smallTables()));
    const IoddGeneration generation =
        generateIodd(fixture.project.files, fixture.workspace.IODD_Dir, fixture.output, Now);
    QVERIFY2(generation.ok, qPrintable(generation.error));
    QCOMPARE(generation.ioddPath, fixture.ioddPath());
    QCOMPARE(generation.archivePath, fixture.archivePath());

    const QByteArray iodd = readAll(fixture.ioddPath());
    QVERIFY(iodd.contains("<ProcessDataIn id=\"PD_IN\" bitLength=\"9\">"));
    const QList<ArchiveEntry> entries = archiveEntries(fixture.archivePath());
    QCOMPARE(entries.size(), 4);
    const QStringList names = {u"Talvex-HD48213-20240507-IODD1.1.xml"_s, u"Talvex-pic.png"_s,
                               u"Talvex-icon.png"_s, u"Talvex-logo.png"_s};
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const ArchiveEntry &entry = entries.at(i);
        QCOMPARE(entry.name, names.at(i));
        QCOMPARE(entry.method, ZIP_CM_DEFLATE);
        QCOMPARE(entry.modified.date(), Now.date());
        QCOMPARE(entry.modified.time(), Now.time());
        QCOMPARE(entry.data, i == 0 ? iodd : builtInIoddPicture(names.at(i)));
    }
}

void TestIoddFiles::pictures()
{
    // The checker's sizes: logo 160 x 90, icon 48 x 48, device picture square of 160 to 320.
    QCOMPARE(pngSize(builtInIoddPicture(Iodd::LogoFile)), QSize(160, 90));
    QCOMPARE(pngSize(builtInIoddPicture(Iodd::IconFile)), QSize(48, 48));
    const QSize symbol = pngSize(builtInIoddPicture(Iodd::SymbolFile));
    QCOMPARE(symbol.width(), symbol.height());
    QVERIFY(symbol.width() >= 160 && symbol.width() <= 320);

    // Missing pictures are put in, the folder too; pictures already there are kept.
    QTemporaryDir root;
    const QString dir = QDir::toNativeSeparators(root.filePath(u"IODD"_s));
    QVERIFY(ensureIoddPictures(dir).ok);
    for (const QString &name : ioddPictureNames())
        QCOMPARE(readAll(joinPath(dir, name)), builtInIoddPicture(name));
    QVERIFY(writeBytes(joinPath(dir, Iodd::LogoFile), "own logo"));
    QVERIFY(QFile::remove(joinPath(dir, Iodd::IconFile)));
    QVERIFY(ensureIoddPictures(dir).ok);
    QCOMPARE(readAll(joinPath(dir, Iodd::LogoFile)), QByteArray("own logo"));
    QCOMPARE(readAll(joinPath(dir, Iodd::IconFile)), builtInIoddPicture(Iodd::IconFile));
}

void TestIoddFiles::failuresWriteNothing_data()
{
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("errorNames");
    QTest::newRow("IOLink_Slave.xml not well-formed") << u"malformed tables"_s << u"IOLink_Slave.xml: not well-formed"_s;
    QTest::newRow("ParGen.xml not well-formed") << u"malformed parameters"_s << u"ParGen.xml: not well-formed"_s;
    QTest::newRow("index used twice") << u"refused"_s << u"[Variables] row 2: Index 100 is already used by row 1"_s;
    QTest::newRow("output folder missing") << u"no output folder"_s << u"the folder does not exist"_s;
    // The archive cannot replace a folder of its name: the IODD of that day is put back.
    QTest::newRow("archive not writable") << u"archive blocked"_s << u"Talvex-HD48213-20240507-IODD1.1.zip"_s;
}

void TestIoddFiles::failuresWriteNothing()
{
    QFETCH(QString, failure);
    QFETCH(QString, errorNames);

    Fixture fixture;
    IOLinkSlaveData tables = smallTables();
    if (failure == u"refused"_s)
        tables.Variables.append(variableRow(100, u"Again"_s, u"Read Only"_s, 8));
    QVERIFY(fixture.save(tables));
    if (failure == u"malformed tables"_s)
        QVERIFY(writeBytes(fixture.project.files.File_IOLink_Slave, "<IOLinkSlave><Variables>"));
    if (failure == u"malformed parameters"_s)
        QVERIFY(writeBytes(fixture.project.files.File_ParGen, "<Par_Gen"));
    if (failure == u"no output folder"_s)
        QVERIFY(QDir(fixture.output).removeRecursively());
    const QByteArray earlierIodd = "the IODD made earlier today";
    if (failure == u"archive blocked"_s) {
        QVERIFY(QDir().mkpath(fixture.archivePath()));
        QVERIFY(writeBytes(fixture.ioddPath(), earlierIodd));
    }

    const IoddGeneration generation =
        generateIodd(fixture.project.files, fixture.workspace.IODD_Dir, fixture.output, Now);
    QVERIFY(!generation.ok);
    QVERIFY2(generation.error.contains(errorNames), qPrintable(generation.error));
    QVERIFY(generation.error.startsWith(u"The IODD file was not created. "_s));

    if (failure == u"archive blocked"_s) {
        QCOMPARE(readAll(fixture.ioddPath()), earlierIodd);
        QVERIFY(QFileInfo(fixture.archivePath()).isDir());
    } else {
        QVERIFY(!QFile::exists(fixture.ioddPath()));
        QVERIFY(!QFile::exists(fixture.archivePath()));
    }
}

void TestIoddFiles::makeIoddAsksBeforeReplacing()
{
    Fixture fixture;
    Messages messages;
    messages.Fill_Default_Messages();
    RecordingPrompter prompter;
    QVERIFY(fixture.save(smallTables(u"First"_s)));

    // Cancelled folder dialog: nothing is read or written.
    Make_IODD(prompter, messages, fixture.project, fixture.workspace, Now);
    QVERIFY(!QFile::exists(fixture.ioddPath()));

    // First run into the folder: no question.
    prompter.folderAnswer = fixture.output;
    Make_IODD(prompter, messages, fixture.project, fixture.workspace, Now);
    QVERIFY(prompter.questions.isEmpty());
    QVERIFY(prompter.errors.isEmpty());
    const QByteArray firstIodd = readAll(fixture.ioddPath());
    const QByteArray firstArchive = readAll(fixture.archivePath());
    QVERIFY(firstIodd.contains("value=\"First\""));
    QVERIFY(!firstArchive.isEmpty());

    // Same day, same folder: message 1505; No leaves both files as they were.
    QVERIFY(fixture.save(smallTables(u"Second"_s)));
    prompter.answerYes = false;
    Make_IODD(prompter, messages, fixture.project, fixture.workspace, Now);
    QCOMPARE(prompter.questions, QStringList{u"File already exists. Do you want to overwrite?"_s});
    QCOMPARE(readAll(fixture.ioddPath()), firstIodd);
    QCOMPARE(readAll(fixture.archivePath()), firstArchive);

    // Yes replaces both.
    prompter.answerYes = true;
    Make_IODD(prompter, messages, fixture.project, fixture.workspace, Now);
    QCOMPARE(prompter.questions.size(), 2);
    const QByteArray secondIodd = readAll(fixture.ioddPath());
    QVERIFY(secondIodd.contains("value=\"Second\""));
    const QList<ArchiveEntry> entries = archiveEntries(fixture.archivePath());
    QCOMPARE(entries.size(), 4);
    QCOMPARE(entries.constFirst().data, secondIodd);

    // A failure is shown as an error.
    QVERIFY(writeBytes(fixture.project.files.File_IOLink_Slave, "<broken"));
    Make_IODD(prompter, messages, fixture.project, fixture.workspace, Now);
    QCOMPARE(prompter.errors.size(), 1);
    QVERIFY(prompter.errors.constFirst().contains(u"IOLink_Slave.xml"_s));
    QCOMPARE(readAll(fixture.ioddPath()), secondIodd);
}

void TestIoddFiles::commandLine_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("stderrHolds");
    QTest::newRow("written") << u"project"_s << 0 << QString();
    QTest::newRow("one argument") << u"one argument"_s << 2 << u"iodd takes a project folder and an output folder"_s;
    QTest::newRow("no project folder") << u"no project"_s << 1 << u"the project folder does not exist"_s;
    QTest::newRow("not well-formed") << u"malformed"_s << 1 << u"IOLink_Slave.xml: not well-formed"_s;
}

void TestIoddFiles::commandLine()
{
    QFETCH(QString, setup);
    QFETCH(int, exitCode);
    QFETCH(QString, stderrHolds);

    Fixture fixture;
    QVERIFY(fixture.save(smallTables()));
    if (setup == u"malformed"_s)
        QVERIFY(writeBytes(fixture.project.files.File_IOLink_Slave, "<IOLinkSlave>"));
    QStringList arguments = {u"--workspace"_s, fixture.workspace.Exe_Dir, u"iodd"_s, fixture.project.Project_Dir,
                             fixture.output};
    if (setup == u"one argument"_s)
        arguments.removeLast();
    if (setup == u"no project"_s)
        arguments[3] = fixture.root.filePath(u"Nowhere"_s);

    // 2024-05-07 14:30:12 UTC is "now" for every date the command writes.
    qputenv("SOURCE_DATE_EPOCH", QByteArray::number(Now.toSecsSinceEpoch()));
    CliOutput output;
    const int code = runCli(arguments, fixture.root.path(), output);
    qunsetenv("SOURCE_DATE_EPOCH");

    QCOMPARE(code, exitCode);
    QVERIFY2(output.err.contains(stderrHolds.toUtf8()), output.err.constData());
    QCOMPARE(QFile::exists(fixture.ioddPath()), exitCode == 0);
    QCOMPARE(QFile::exists(fixture.archivePath()), exitCode == 0);
    if (exitCode == 0) {
        QVERIFY(output.err.isEmpty());
        QVERIFY(readAll(fixture.ioddPath()).contains("releaseDate=\"2024-05-07\""));
        QCOMPARE(archiveEntries(fixture.archivePath()).size(), 4);
    }
}

void TestIoddFiles::validatesAgainstSchema_data()
{
    QTest::addColumn<IOLinkSlaveData>("tables");
    QTest::addColumn<QString>("rate");

    QTest::newRow("empty project") << IOLinkSlaveData() << u"COM1"_s;

    IOLinkSlaveData processDataOnly;
    processDataOnly.Process_Data_Input = {processDataRow(u"Mode"_s, 3), processDataRow(u"Level"_s, 6)};
    QTest::newRow("input process data only") << processDataOnly << u"COM2"_s;

    IOLinkSlaveData everyType;
    everyType.Variables = {variableRow(60, u"Switch"_s, u"Read Only"_s, 1),
                           variableRow(61, u"Byte"_s, u"Write Only"_s, 8, u"0,1"_s),
                           variableRow(62, u"Word"_s, u"Read Write"_s, 16, u"1e-7"_s),
                           variableRow(63, u"Long"_s, u"Read Write"_s, 64, u"1e20"_s),
                           variableRow(64, u"Block"_s, u"Read Only"_s, 256),
                           variableRow(65, u"Unknown access"_s, u"Sometimes"_s, 32)};
    everyType.Variables[2].UnitCode = u"70000"_s;
    everyType.Process_Data_Output = {processDataRow(u"Bit"_s, 1), processDataRow(u"Word"_s, 16, u"0.5"_s),
                                     processDataRow(u"Text"_s, 80)};
    QTest::newRow("variables of every type") << everyType << u"COM3"_s;

    // Gradients at the ends of what a plain decimal can show.
    IOLinkSlaveData extremeGradients;
    extremeGradients.Variables = {variableRow(60, u"Tiny"_s, u"Read Only"_s, 16, u"1.5e-20"_s),
                                  variableRow(61, u"Huge"_s, u"Read Only"_s, 32, u"-9.9e23"_s),
                                  variableRow(62, u"Switch"_s, u"Read Only"_s, 1, u"1e30"_s)};
    extremeGradients.Process_Data_Input = {processDataRow(u"Vanishing"_s, 8, u"-3e-30"_s)};
    QTest::newRow("extreme gradients") << extremeGradients << u"COM2"_s;

    // Full tables: 512 variables, 255 input items in 256 bits, 256 output bits; awkward texts.
    IOLinkSlaveData maximal;
    const int lengths[] = {1, 8, 16, 32, 64, 72, 256};
    const QString accesses[] = {u"Read Only"_s, u"Write Only"_s, u"Read Write"_s, QString()};
    for (int i = 0; i < 512; ++i) {
        maximal.Variables.append(variableRow(60 + i, u"Var <%1> & \"more\""_s.arg(i), accesses[i % 4],
                                             lengths[i % 7], i % 2 ? u"-0.001"_s : u"12345.678"_s));
        maximal.Variables.last().UnitCode = u"65535"_s;
    }
    for (int i = 0; i < 254; ++i)
        maximal.Process_Data_Input.append(processDataRow(u"In %1"_s.arg(i), 1));
    maximal.Process_Data_Input.append(processDataRow(u"In last"_s, 2));
    for (int i = 0; i < 4; ++i)
        maximal.Process_Data_Output.append(processDataRow(u"Out\t%1"_s.arg(i), 64));
    QTest::newRow("maximal") << maximal << u"COM1"_s;
}

void TestIoddFiles::validatesAgainstSchema()
{
    QFETCH(IOLinkSlaveData, tables);
    QFETCH(QString, rate);

    const QString xmllint = QStandardPaths::findExecutable(u"xmllint"_s);
    if (xmllint.isEmpty())
        QSKIP("xmllint is not installed (Debian: libxml2-utils)");
    const QString schema = QStringLiteral(TESSARO_IODD_SCHEMA_DIR "/IODD1.1.xsd");
    if (!QFile::exists(schema))
        QSKIP("the IODD 1.1 schema is not beside the checkout");

    Fixture fixture;
    QVERIFY(fixture.save(tables, rate));
    const IoddGeneration generation =
        generateIodd(fixture.project.files, fixture.workspace.IODD_Dir, fixture.output, Now);
    QVERIFY2(generation.ok, qPrintable(generation.error));

    QProcess lint;
    lint.setProcessChannelMode(QProcess::MergedChannels);
    lint.start(xmllint, {u"--noout"_s, u"--nonet"_s, u"--schema"_s, schema, generation.ioddPath});
    QVERIFY(lint.waitForFinished(60'000));
    const QByteArray report = lint.readAll();
    QVERIFY2(lint.exitStatus() == QProcess::NormalExit && lint.exitCode() == 0, report.constData());
}

QTEST_GUILESS_MAIN(TestIoddFiles)
#include "tst_iodd_files.moc"

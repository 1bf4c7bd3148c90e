// SPDX-License-Identifier: MIT
// tessaro-cli eds PROJECT_DIR OUTPUT_FILE.
#include "cli/cli.h"
#include "devicefiles/eds_project.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

using namespace Qt::StringLiterals;

namespace {

// 2025-03-07 00:05 UTC.
constexpr char Epoch[] = "1741305900";

struct CliRun {
    int code = -1;
    CliOutput output;
};

CliRun eds(const QStringList &arguments)
{
    CliRun run;
    run.code = runCli(QStringList{u"eds"_s} + arguments, QDir::tempPath(), run.output);
    return run;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Sets SOURCE_DATE_EPOCH for one test and removes it afterwards.
struct EpochGuard {
    EpochGuard() { qputenv("SOURCE_DATE_EPOCH", Epoch); }
    ~EpochGuard() { qunsetenv("SOURCE_DATE_EPOCH"); }
};

const QByteArray SdoFile = R"(<SDO_Server_CANopen><SDO_Read><row Index="0x2000" SubIndex="0" NByte="2"/></SDO_Read>)"
                           R"(<SDO_Write/></SDO_Server_CANopen>)";

} // namespace

class TestEdsCli : public QObject
{
    Q_OBJECT

private slots:
    void wrongArgumentCount_data();
    void wrongArgumentCount();
    void writesTheSheet();
    void failsAndWritesNothing_data();
    void failsAndWritesNothing();
};

void TestEdsCli::wrongArgumentCount_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("none") << QStringList{};
    QTest::newRow("project only") << QStringList{u"project"_s};
    QTest::newRow("three") << QStringList{u"project"_s, u"a.eds"_s, u"b.eds"_s};
}

void TestEdsCli::wrongArgumentCount()
{
    QFETCH(QStringList, arguments);
    const CliRun run = eds(arguments);
    QCOMPARE(run.code, 2);
    QVERIFY(run.output.err.contains("\nUsage: tessaro-cli"));
}

void TestEdsCli::writesTheSheet()
{
    const EpochGuard epoch;
    QTemporaryDir project;
    writeFile(project.filePath(u"SDO_Server_CANopen.xml"_s), SdoFile);
    const QString output = project.filePath(u"out.eds"_s);
    writeFile(output, "an older sheet");

    const CliRun run = eds({project.path(), output});
    QCOMPARE(run.code, 0);
    QVERIFY(run.output.out.isEmpty());
    QVERIFY(run.output.err.isEmpty());

    // The same bytes as the generator's, at SOURCE_DATE_EPOCH taken in UTC.
    ProjectState state;
    state.Project_Dir = project.path();
    state.Set_Files();
    const EdsResult expected = Make_EDS(state.files, QDateTime::fromSecsSinceEpoch(1741305900, QTimeZone::utc()));
    QVERIFY(expected.ok());
    const QByteArray written = readFile(output);
    QCOMPARE(written, expected.bytes);
    QVERIFY(written.contains("\r\nCreationTime=12:05AM\r\nCreationDate=03-07-2025\r\n"));
    QVERIFY(written.contains("\r\n[2000]\r\nParameterName=Application Variable\r\n"));
}

void TestEdsCli::failsAndWritesNothing_data()
{
    QTest::addColumn<QString>("projectName"); // folder under the temporary folder
    QTest::addColumn<QByteArray>("sdoFile");  // written into it when the folder exists
    QTest::addColumn<QString>("outputName");  // under the temporary folder
    QTest::addColumn<QByteArray>("reason");

    QTest::newRow("no project folder") << u"missing"_s << QByteArray() << u"out.eds"_s
                                       << QByteArray("the project folder does not exist");
    QTest::newRow("unusable SDO file") << u"project"_s << QByteArray("<SDO_Server_CANopen><SDO_Read/>") << u"out.eds"_s
                                       << QByteArray("SDO_Server_CANopen.xml: not well-formed XML");
    QTest::newRow("output folder missing") << u"project"_s << SdoFile << u"nowhere/out.eds"_s
                                           << QByteArray("nowhere/out.eds: the EDS file cannot be written");
}

void TestEdsCli::failsAndWritesNothing()
{
    QFETCH(QString, projectName);
    QFETCH(QByteArray, sdoFile);
    QFETCH(QString, outputName);
    QFETCH(QByteArray, reason);

    QTemporaryDir dir;
    if (projectName == u"project"_s) {
        QVERIFY(QDir(dir.path()).mkdir(projectName));
        writeFile(dir.filePath(projectName + u"/SDO_Server_CANopen.xml"_s), sdoFile);
    }
    const QString output = dir.filePath(outputName);
    const bool outputFolderExists = QFileInfo(output).dir().exists();
    if (outputFolderExists)
        writeFile(output, "kept");

    const CliRun run = eds({dir.filePath(projectName), output});
    QCOMPARE(run.code, 1);
    QVERIFY2(run.output.err.startsWith("tessaro-cli: "), run.output.err.constData());
    QVERIFY2(run.output.err.contains(reason), run.output.err.constData());
    if (outputFolderExists)
        QCOMPARE(readFile(output), QByteArray("kept"));
    else
        QVERIFY(!QFile::exists(output));
}

QTEST_GUILESS_MAIN(TestEdsCli)
#include "tst_eds_cli.moc"

// SPDX-License-Identifier: MIT
// Writing the two images into a project's bin folder, directly and through tessaro-cli.
#include "cli/cli.h"
#include "image_test_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace ImageTest;

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

CompiledImages sampleImages()
{
    const CompileResult result = Compile_Images(ProjectSources{
        .parGen = parGen("<CANopen_IDDev>9</CANopen_IDDev>"),
        .ioLinkSlave = ioLinkSlave(R"(<row Enable="Y" Index="100" Length="8"/>)"),
    });
    return result.images;
}

// Old images already in the bin folder, distinct from any compiled ones.
const QByteArray OldBank1 = "old bank 1";
const QByteArray OldBank2 = "old bank 2";

} // namespace

class TestWriteImages : public QObject
{
    Q_OBJECT

private slots:
    void writesBothImagesAndCreatesBin();
    void failedWriteReplacesNeither_data();
    void failedWriteReplacesNeither();
    void lastStepFailureRestoresBank1_data();
    void lastStepFailureRestoresBank1();
    void refusesImagesOfAFailedCompile();

    void cliCompile();
    void cliCompileErrorWritesNothing();
    void cliUsageAndMissingFolder_data();
    void cliUsageAndMissingFolder();
};

void TestWriteImages::writesBothImagesAndCreatesBin()
{
    QTemporaryDir project;
    const CompiledImages images = sampleImages();
    QCOMPARE(images.bank2.size(), 57372 + 20);

    const FileResult written = Write_Images(project.path(), images);
    QVERIFY2(written.ok, qPrintable(written.error));
    QCOMPARE(fileBytes(project.filePath(u"bin/bank1.bin"_s)), images.bank1);
    QCOMPARE(fileBytes(project.filePath(u"bin/bank2.bin"_s)), images.bank2);
    QCOMPARE(QDir(project.filePath(u"bin"_s)).entryList(QDir::Files), (QStringList{u"bank1.bin"_s, u"bank2.bin"_s}));
}

void TestWriteImages::failedWriteReplacesNeither_data()
{
    QTest::addColumn<QString>("blocked"); // made a folder so that it cannot be written as a file
    QTest::addColumn<QString>("named");   // what the error names

    QTest::newRow("bank1.bin cannot be written") << u"bin/bank1.bin"_s << u"bank1.bin"_s;
    QTest::newRow("bank2.bin cannot be written") << u"bin/bank2.bin"_s << u"bank2.bin"_s;
}

void TestWriteImages::failedWriteReplacesNeither()
{
    QFETCH(QString, blocked);
    QFETCH(QString, named);

    QTemporaryDir project;
    QVERIFY(QDir(project.path()).mkpath(blocked));
    const QString bank1 = project.filePath(u"bin/bank1.bin"_s);
    const QString bank2 = project.filePath(u"bin/bank2.bin"_s);
    if (!blocked.endsWith(u"bank1.bin"_s))
        writeFile(bank1, OldBank1);
    if (!blocked.endsWith(u"bank2.bin"_s))
        writeFile(bank2, OldBank2);

    const FileResult written = Write_Images(project.path(), sampleImages());
    QVERIFY(!written.ok);
    QVERIFY2(written.error.contains(named), qPrintable(written.error));
    if (!blocked.endsWith(u"bank1.bin"_s))
        QCOMPARE(fileBytes(bank1), OldBank1);
    if (!blocked.endsWith(u"bank2.bin"_s))
        QCOMPARE(fileBytes(bank2), OldBank2);
    QCOMPARE(QDir(project.filePath(u"bin"_s)).entryList(QDir::Files | QDir::Hidden).size(), 1); // no leftovers
}

void TestWriteImages::lastStepFailureRestoresBank1_data()
{
    QTest::addColumn<bool>("hadBank1");
    QTest::newRow("old bank 1 put back") << true;
    QTest::newRow("new bank 1 removed") << false;
}

void TestWriteImages::lastStepFailureRestoresBank1()
{
    QFETCH(bool, hadBank1);

    QTemporaryDir bin;
    const QString bank1 = bin.filePath(u"bank1.bin"_s);
    const QString bank2 = bin.filePath(u"bank2.bin"_s);
    if (hadBank1)
        writeFile(bank1, OldBank1);

    // Bank 2's place is taken by a folder after staging: bank 1 goes in, bank 2 cannot.
    const FileResult written =
        writeImageFiles(bank1, bank2, sampleImages(), [&] { QVERIFY(QDir(bin.path()).mkdir(u"bank2.bin"_s)); });
    QVERIFY(!written.ok);
    QVERIFY2(written.error.contains(u"bank2.bin"_s), qPrintable(written.error));
    if (hadBank1)
        QCOMPARE(fileBytes(bank1), OldBank1);
    else
        QVERIFY(!QFileInfo::exists(bank1));
    QCOMPARE(QDir(bin.path()).entryList(QDir::Files | QDir::Hidden).size(), hadBank1 ? 1 : 0); // no leftovers
}

void TestWriteImages::refusesImagesOfAFailedCompile()
{
    QTemporaryDir project;
    const CompileResult failed = Compile_Images(ProjectSources{.pdo = "<PDO_CANopen/>"});
    QVERIFY(!failed.ok());

    QVERIFY(!Write_Images(project.path(), failed.images).ok);
    QVERIFY(!QFileInfo::exists(project.filePath(u"bin/bank1.bin"_s)));
    QVERIFY(!QFileInfo::exists(project.filePath(u"bin/bank2.bin"_s)));
}

void TestWriteImages::cliCompile()
{
    QTemporaryDir workspace;
    QTemporaryDir project;
    writeFile(project.filePath(u"ParGen.xml"_s), parGen("<CANopen_IDDev>9</CANopen_IDDev>"));
    writeFile(project.filePath(u"IOLink_Slave.xml"_s), ioLinkSlave(R"(<row Enable="Y" Index="100" Length="8"/>)"));

    CliOutput output;
    QCOMPARE(runCli({u"compile"_s, project.path()}, workspace.path(), output), 0);
    QCOMPARE(output.err, QByteArray());
    const CompiledImages expected = sampleImages();
    QCOMPARE(fileBytes(project.filePath(u"bin/bank1.bin"_s)), expected.bank1);
    QCOMPARE(fileBytes(project.filePath(u"bin/bank2.bin"_s)), expected.bank2);
}

void TestWriteImages::cliCompileErrorWritesNothing()
{
    QTemporaryDir workspace;
    QTemporaryDir project;
    QVERIFY(QDir(project.path()).mkdir(u"bin"_s));
    writeFile(project.filePath(u"bin/bank1.bin"_s), OldBank1);
    writeFile(project.filePath(u"bin/bank2.bin"_s), OldBank2);
    writeFile(project.filePath(u"SDO_Client_CANopen.xml"_s),
              sdoClient(R"(<row Device_ID="1" Index="0x1000" SubIndex="0" NByte="1" Address_B1="0"/>)"));

    CliOutput output;
    QCOMPARE(runCli({u"compile"_s, project.path()}, workspace.path(), output), 1);
    const QString error = QString::fromUtf8(output.err);
    QVERIFY2(error.contains(project.filePath(u"SDO_Client_CANopen.xml"_s)), qPrintable(error));
    QVERIFY2(error.contains(u"Poll_Time is missing"_s), qPrintable(error));
    QCOMPARE(fileBytes(project.filePath(u"bin/bank1.bin"_s)), OldBank1);
    QCOMPARE(fileBytes(project.filePath(u"bin/bank2.bin"_s)), OldBank2);
}

void TestWriteImages::cliUsageAndMissingFolder_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");

    QTest::newRow("no project folder") << QStringList{u"compile"_s} << 2;
    QTest::newRow("two arguments") << QStringList{u"compile"_s, u"a"_s, u"b"_s} << 2;
    QTest::newRow("project folder missing") << QStringList{u"compile"_s, u"/nonexistent/project"_s} << 1;
}

void TestWriteImages::cliUsageAndMissingFolder()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);

    QTemporaryDir workspace;
    CliOutput output;
    QCOMPARE(runCli(arguments, workspace.path(), output), exitCode);
    QVERIFY(!output.err.isEmpty());
    QVERIFY(!QFileInfo::exists(u"/nonexistent/project/bin"_s));
}

QTEST_GUILESS_MAIN(TestWriteImages)
#include "tst_write_images.moc"

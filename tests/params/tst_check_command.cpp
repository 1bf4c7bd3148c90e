// SPDX-License-Identifier: MIT
#include "cli/cli.h"
#include "params/par_gen.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestCheckCommand : public QObject
{
    Q_OBJECT
private slots:
    void parGen_data();
    void parGen();
    void messageInTheSavedLanguage();
    void unreadableProject();
};

void TestCheckCommand::parGen_data()
{
    QTest::addColumn<QByteArray>("file"); // empty: no ParGen.xml
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("out");

    QTest::newRow("no file checks the defaults") << QByteArray() << 0 << QByteArray();
    QTest::newRow("valid file") << writeParGen(ParGenValues{}) << 0 << QByteArray();
    ParGenValues badNode;
    badNode.CANopen_IDDev = u"0"_s;
    badNode.Ethernet_IP1 = u"300"_s;
    QTest::newRow("first broken rule only")
        << writeParGen(badNode) << 1 << QByteArray("Error CANopen!! ID Device must be between 1 and 127\n");
    QTest::newRow("DNS octet of a hand-edited file")
        << QByteArray("<Par_Gen><Eth_Conn_Enable_DNS>1</Eth_Conn_Enable_DNS>"
                      "<Eth_Conn_Secondary_DNS2>x</Eth_Conn_Secondary_DNS2></Par_Gen>")
        << 1 << QByteArray("Error Secondary DNS!! DNS 2 must be between 0 and 255\n");
}

void TestCheckCommand::parGen()
{
    QFETCH(QByteArray, file);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, out);
    QTemporaryDir workspace;
    QTemporaryDir project;
    if (!file.isEmpty())
        writeBytes(project.filePath(u"ParGen.xml"_s), file);
    CliOutput output;
    QCOMPARE(runCli({u"--workspace"_s, workspace.path(), u"check"_s, project.path()}, QString(), output), exitCode);
    QCOMPARE(output.out, out);
    QCOMPARE(output.err, QByteArray());
}

void TestCheckCommand::messageInTheSavedLanguage()
{
    QTemporaryDir workspace;
    QVERIFY(QDir(workspace.path()).mkdir(u"LANGUAGE"_s));
    writeBytes(workspace.filePath(u"Tessaro.xml"_s),
               "<Conf_Settings><lastlang><language>Italiano</language></lastlang></Conf_Settings>");
    writeBytes(workspace.filePath(u"LANGUAGE/Italiano.lng"_s),
               "STR1126 = Errore CANopen!! TimeOut SDO tra 0 e 100000\n");
    QTemporaryDir project;
    ParGenValues values;
    values.CANopen_SDO_TimeOut = u"100001"_s;
    writeBytes(project.filePath(u"ParGen.xml"_s), writeParGen(values));
    CliOutput output;
    QCOMPARE(runCli({u"--workspace"_s, workspace.path(), u"check"_s, project.path()}, QString(), output), 1);
    QCOMPARE(output.out, QByteArray("Errore CANopen!! TimeOut SDO tra 0 e 100000\n"));
}

void TestCheckCommand::unreadableProject()
{
    QTemporaryDir workspace;
    QTemporaryDir project;
    writeBytes(project.filePath(u"ParGen.xml"_s), "<Par_Gen><CANopen_IDDev>");
    CliOutput output;
    QCOMPARE(runCli({u"--workspace"_s, workspace.path(), u"check"_s, project.path()}, QString(), output), 1);
    QVERIFY(output.out.isEmpty());
    QVERIFY(output.err.contains("ParGen.xml"));

    CliOutput missing;
    QCOMPARE(runCli({u"--workspace"_s, workspace.path(), u"check"_s, project.filePath(u"nothing"_s)}, QString(),
                    missing),
             1);
    CliOutput usage;
    QCOMPARE(runCli({u"--workspace"_s, workspace.path(), u"check"_s}, QString(), usage), 2);
}

QTEST_GUILESS_MAIN(TestCheckCommand)
#include "tst_check_command.moc"

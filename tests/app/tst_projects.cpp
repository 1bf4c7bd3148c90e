// SPDX-License-Identifier: MIT
#include "app/app_state.h"
#include "app/project.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestProjects : public QObject
{
    Q_OBJECT
private slots:
    void create_data();
    void create();
    void existingNameIsRefused();
    void listsFoldersOnly();
    void searchIgnoresCase();
    void setFilesFollowsTheProject();
    void startUpRestoresOnlyExistingSafeProjects_data();
    void startUpRestoresOnlyExistingSafeProjects();
};

void TestProjects::create_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("refusal");
    QTest::newRow("plain") << u"Plant A"_s << 0;
    QTest::newRow("leading blank kept") << u" Plant A"_s << 0;
    QTest::newRow("empty") << QString() << 107;
    QTest::newRow("slash") << u"a/b"_s << 105;
    QTest::newRow("backslash") << u"a\\b"_s << 105;
    QTest::newRow("parent") << u".."_s << 105;
    QTest::newRow("current") << u"."_s << 105;
    QTest::newRow("escape upwards") << u"../outside"_s << 105;
}

void TestProjects::create()
{
    QFETCH(QString, name);
    QFETCH(int, refusal);
    QTemporaryDir root;
    const QString projects = root.filePath(u"PROJECTS"_s);
    QVERIFY(QDir().mkdir(projects));

    QCOMPARE(createProjectFolders(projects, name), refusal);
    const QStringList created = QDir(projects).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    if (refusal == 0) {
        QCOMPARE(created, QStringList{name});
        QVERIFY(QDir(projects + u'/' + name + u"/bin"_s).exists());
    } else {
        QVERIFY(created.isEmpty());
        QCOMPARE(QDir(root.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{u"PROJECTS"_s});
    }
}

void TestProjects::existingNameIsRefused()
{
    QTemporaryDir projects;
    QCOMPARE(createProjectFolders(projects.path(), u"Plant"_s), 0);
    QCOMPARE(createProjectFolders(projects.path(), u"Plant"_s), 106);
}

void TestProjects::listsFoldersOnly()
{
    QTemporaryDir projects;
    QDir dir(projects.path());
    dir.mkdir(u"Alpha"_s);
    dir.mkdir(u"beta"_s);
    QFile file(dir.filePath(u"notes.txt"_s));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QStringList listed = Load_Existing_Configuration(projects.path());
    listed.sort();
    QCOMPARE(listed, (QStringList{u"Alpha"_s, u"beta"_s}));
}

void TestProjects::searchIgnoresCase()
{
    const QStringList names{u"Alpha"_s, u"beta"_s};
    QCOMPARE(Search_Open_Conf(names, u"BETA"_s), 1);
    QCOMPARE(Search_Open_Conf(names, u"alpha"_s), 0);
    QCOMPARE(Search_Open_Conf(names, u"gamma"_s), -1);
    QCOMPARE(Search_Open_Conf(names, QString()), -1);
}

void TestProjects::setFilesFollowsTheProject()
{
    ProjectState project;
    project.Project_Dir = u"/w/PROJECTS/P"_s;
    project.Set_Files();
    QCOMPARE(QDir::fromNativeSeparators(project.files.File_ParGen), u"/w/PROJECTS/P/ParGen.xml"_s);
    QCOMPARE(QDir::fromNativeSeparators(project.files.File_IOLink_Slave), u"/w/PROJECTS/P/IOLink_Slave.xml"_s);
    QCOMPARE(QDir::fromNativeSeparators(project.files.File_SDO_Server), u"/w/PROJECTS/P/SDO_Server_CANopen.xml"_s);
    QCOMPARE(QDir::fromNativeSeparators(project.files.File_SDO_Client), u"/w/PROJECTS/P/SDO_Client_CANopen.xml"_s);
    QCOMPARE(QDir::fromNativeSeparators(project.files.File_PDO), u"/w/PROJECTS/P/PDO_CANopen.xml"_s);
    project.Project_Dir.clear();
    project.Set_Files();
    QVERIFY(project.files.File_ParGen.isEmpty());
}

void TestProjects::startUpRestoresOnlyExistingSafeProjects_data()
{
    QTest::addColumn<QString>("savedName");
    QTest::addColumn<bool>("open");
    QTest::newRow("existing") << u"Plant A"_s << true;
    QTest::newRow("folder deleted") << u"Gone"_s << false;
    QTest::newRow("outside PROJECTS") << u".."_s << false;
}

void TestProjects::startUpRestoresOnlyExistingSafeProjects()
{
    QFETCH(QString, savedName);
    QFETCH(bool, open);
    QTemporaryDir exeDir;
    AppState first;
    startUp(first, exeDir.path());
    QCOMPARE(createProjectFolders(first.workspace.Projects_Dir, u"Plant A"_s), 0);
    first.project.Project_Name = savedName;
    QVERIFY(Save_Setting(first).ok);

    AppState state;
    startUp(state, exeDir.path());
    QCOMPARE(state.project.isOpen(), open);
    QCOMPARE(state.project.Project_Name, savedName); // kept for the next start either way
    QVERIFY(Save_Setting(state).ok);
    QCOMPARE(readSettingsFile(state.workspace.settingsFile()).settings.Project_Name, savedName);
}

QTEST_GUILESS_MAIN(TestProjects)
#include "tst_projects.moc"

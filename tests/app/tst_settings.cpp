// SPDX-License-Identifier: MIT
#include "app/settings.h"
#include "app/app_state.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestSettings : public QObject
{
    Q_OBJECT
private slots:
    void read_data();
    void read();
    void writesFixedDocument();
    void roundTrip();
    void malformedFileGivesDefaults();
    void firstStartWritesDefaults();
};

namespace {
Settings defaults() { return {}; }
} // namespace

void TestSettings::read_data()
{
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<Settings>("expected");

    Settings all;
    all.Project_Name = u" Plant A"_s;
    all.Last_IP_Address = u"10.0.0.7"_s;
    all.Language_Name = u"Deutsch"_s;
    all.Enable_Internet = all.Enable_Update = all.Enable_Jump_Field_Tables = all.Double_Click_Auto_Size = true;
    QTest::newRow("every value") << QByteArray(
        "<Conf_Settings><lastproj><projectname> Plant A</projectname></lastproj>"
        "<lastipadd><ipaddress>10.0.0.7</ipaddress></lastipadd><lastlang><language>Deutsch</language></lastlang>"
        "<lastinternet><enable_internet>1</enable_internet><enable_update>1</enable_update>"
        "<enable_jump_field_tables>1</enable_jump_field_tables><Double_Click_Auto_Size>1</Double_Click_Auto_Size>"
        "</lastinternet></Conf_Settings>") << all;

    QTest::newRow("empty root gives defaults") << QByteArray("<Conf_Settings/>") << defaults();

    Settings flagsNotExactlyOne;
    flagsNotExactlyOne.Enable_Internet = true;
    QTest::newRow("only exactly 1 is true") << QByteArray(
        "<Conf_Settings><lastinternet><enable_internet>1</enable_internet><enable_update>true</enable_update>"
        "<enable_jump_field_tables> 1</enable_jump_field_tables><Double_Click_Auto_Size>Y</Double_Click_Auto_Size>"
        "</lastinternet></Conf_Settings>") << flagsNotExactlyOne;

    Settings emptyIp;
    emptyIp.Last_IP_Address.clear();
    emptyIp.Language_Name.clear();
    QTest::newRow("empty elements stay empty") << QByteArray(
        "<Conf_Settings><lastipadd><ipaddress></ipaddress></lastipadd><lastlang><language/></lastlang></Conf_Settings>")
        << emptyIp;

    Settings blankName;
    blankName.Project_Name = u" "_s;
    QTest::newRow("blank project name kept, root name not compared") << QByteArray(
        "<?xml version=\"1.0\"?><Other><lastproj><projectname> </projectname></lastproj></Other>")
        << blankName;

    QTest::newRow("leaf under wrong parent is missing") << QByteArray(
        "<Conf_Settings><projectname>X</projectname><lastproj/><enable_internet>1</enable_internet></Conf_Settings>")
        << defaults();
}

void TestSettings::read()
{
    QFETCH(QByteArray, document);
    QFETCH(Settings, expected);
    const SettingsReadResult result = readSettings(document);
    QVERIFY(!result.malformed);
    QCOMPARE(result.settings, expected);
}

void TestSettings::writesFixedDocument()
{
    Settings settings;
    settings.Project_Name = u"Plant & Co"_s;
    settings.Enable_Update = true;
    QCOMPARE(writeSettings(settings),
             QByteArray("<Conf_Settings><lastproj><projectname>Plant &amp; Co</projectname></lastproj>"
                        "<lastipadd><ipaddress>192.168.2.205</ipaddress></lastipadd>"
                        "<lastlang><language>English</language></lastlang>"
                        "<lastinternet><enable_internet>0</enable_internet><enable_update>1</enable_update>"
                        "<enable_jump_field_tables>0</enable_jump_field_tables>"
                        "<Double_Click_Auto_Size>0</Double_Click_Auto_Size></lastinternet></Conf_Settings>"));
}

void TestSettings::roundTrip()
{
    Settings settings;
    settings.Project_Name = u"  Überdruck <2> "_s;
    settings.Last_IP_Address.clear();
    settings.Language_Name = u"italiano"_s;
    settings.Enable_Jump_Field_Tables = true;
    settings.Double_Click_Auto_Size = true;
    QCOMPARE(readSettings(writeSettings(settings)).settings, settings);
}

void TestSettings::malformedFileGivesDefaults()
{
    const SettingsReadResult result = readSettings("<Conf_Settings><lastproj>");
    QVERIFY(result.malformed);
    QVERIFY(!result.error.isEmpty());
    QCOMPARE(result.settings, defaults());
}

void TestSettings::firstStartWritesDefaults()
{
    QTemporaryDir exeDir;
    AppState state;
    const StartupNotices notices = startUp(state, exeDir.path());
    QVERIFY(notices.settingsError.isEmpty());
    for (const char *folder : {"MASTER", "PROJECTS", "LANGUAGE", "IODD"})
        QVERIFY2(QDir(exeDir.filePath(QString::fromLatin1(folder))).exists(), folder);
    QVERIFY(!state.project.isOpen());
    QCOMPARE(state.settings.Language_Name, u"English"_s);
    QCOMPARE(state.messages.size(), Messages::Count);
    QVERIFY(Save_Setting(state).ok);
    const SettingsReadResult saved = readSettingsFile(exeDir.filePath(u"Tessaro.xml"_s));
    QCOMPARE(saved.settings, defaults());

    // A malformed file: defaults, a notice, and the next save rewrites it.
    QFile broken(exeDir.filePath(u"Tessaro.xml"_s));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("<Conf_Settings><lastproj>");
    broken.close();
    AppState again;
    QVERIFY(!startUp(again, exeDir.path()).settingsError.isEmpty());
    QCOMPARE(again.settings, defaults());
    QVERIFY(Save_Setting(again).ok);
    QVERIFY(!readSettingsFile(exeDir.filePath(u"Tessaro.xml"_s)).malformed);
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"

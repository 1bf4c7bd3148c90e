// SPDX-License-Identifier: MIT
#include "app/app_state.h"
#include "app/main_window.h"
#include "app/new_project_dialog.h"
#include "app/open_conf_dialog.h"
#include "devicefiles/iodd_generator.h"
#include "recording_prompter.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// One configurator over a workspace folder, with recording doubles for its services.
struct Configurator {
    RecordingPrompter prompter;
    RecordingLauncher launcher;
    RecordingUrlOpener urlOpener;
    FixedVersionService versionService;
    AppState state;
    std::unique_ptr<TFTessaroneFirmWare> window;

    explicit Configurator(const QString &exeDir)
    {
        window = std::make_unique<TFTessaroneFirmWare>(
            state, exeDir, TFTessaroneFirmWare::Services{prompter, launcher, urlOpener, versionService});
        window->show();
        QCoreApplication::processEvents();
    }
};

// Runs action on the next modal dialog as soon as it is shown, then lets the caller's click go on.
void onNextDialog(const std::function<void(QWidget *)> &action)
{
    QTimer::singleShot(0, [action] {
        QWidget *dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        action(dialog);
    });
}

void clickOk(QWidget *dialog)
{
    auto *ok = dialog->findChild<QPushButton *>(u"Btn_OK"_s);
    QVERIFY(ok);
    ok->click();
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void stepsWithoutProjectShowMessage18();
    void newProjectOpensAndIsRestored();
    void newProjectRefusalsKeepTheDialogOpen();
    void openDialogPreselectsIgnoringCase();
    void openDialogWithEmptyListOpensNothing();
    void updateCheckShowsTheLink();
    void malformedSettingsAreToldOnce();
    void languageFileAndLanguageChange();
    void edsStepWritesTheChosenFile();
    void updateStepCompilesBothImages();
    void ioddStepPacksTheArchive();
};

void TestMainWindow::stepsWithoutProjectShowMessage18()
{
    QTemporaryDir exeDir;
    Configurator app(exeDir.path());
    QCOMPARE(app.window->L_Name_Conf->text(), u"None Configuration Opened "_s);
    QCOMPARE(app.window->L_Name_Conf_L2->text(), u"Use Step1 to open or create new configuration"_s);
    QVERIFY(!app.window->Timer_Update->isActive());
    for (QPushButton *step : {app.window->Btn_Prm_Gen, app.window->Btn_IOLink_Set_Access,
                              app.window->Btn_SDO_Server_CANopen, app.window->Btn_SDO_Client_CANopen,
                              app.window->Btn_PDO_CANopen, app.window->Btn_IOLink_IODD,
                              app.window->Btn_CANopen_EDS, app.window->Btn_CreateBin}) {
        step->click();
    }
    QCOMPARE(app.prompter.errors, QStringList(8, u"Error! Project not Valid"_s));
}

void TestMainWindow::newProjectOpensAndIsRestored()
{
    QTemporaryDir exeDir;
    {
        Configurator app(exeDir.path());
        onNextDialog([](QWidget *dialog) {
            QCOMPARE(dialog->objectName(), u"FNew_Project"_s);
            auto *name = dialog->findChild<QLineEdit *>(u"E_New_Proj"_s);
            QVERIFY(name->text().isEmpty());
            QTest::keyClicks(name, u"Plant A"_s);
            QTest::keyClick(name, Qt::Key_Return); // Enter acts as OK
        });
        app.window->Btn_New->click();
        QVERIFY(app.prompter.errors.isEmpty());
        QCOMPARE(app.window->L_Name_Conf->text(), u"Opened Configuration of the Converter : "_s);
        QCOMPARE(app.window->L_Name_Conf_L2->text(), u"Plant A"_s);
        QVERIFY(QDir(exeDir.filePath(u"PROJECTS/Plant A/bin"_s)).exists());

        // With a project open a step opens its form instead of message 18.
        QString shown;
        onNextDialog([&shown](QWidget *dialog) {
            shown = dialog->windowTitle();
            static_cast<QDialog *>(dialog)->reject();
        });
        app.window->Btn_Prm_Gen->click();
        QCOMPARE(shown, u"Set Communication"_s);
        QVERIFY(app.prompter.errors.isEmpty());
        app.window->close();
    }
    Configurator restarted(exeDir.path());
    QCOMPARE(restarted.window->L_Name_Conf_L2->text(), u"Plant A"_s);
    QVERIFY(restarted.state.project.isOpen());
}

void TestMainWindow::newProjectRefusalsKeepTheDialogOpen()
{
    QTemporaryDir exeDir;
    Configurator app(exeDir.path());
    QDir(exeDir.filePath(u"PROJECTS"_s)).mkdir(u"Taken"_s);
    bool stillOpen = false;
    onNextDialog([&](QWidget *dialog) {
        auto *name = dialog->findChild<QLineEdit *>(u"E_New_Proj"_s);
        QTest::keyClick(name, Qt::Key_Return);
        name->setText(u"Taken"_s);
        clickOk(dialog);
        name->setText(u"../Escape"_s);
        clickOk(dialog);
        stillOpen = dialog->isVisible();
        static_cast<QDialog *>(dialog)->reject();
    });
    app.window->Btn_New->click();
    QVERIFY(stillOpen);
    QCOMPARE(app.prompter.errors,
             (QStringList{u"Error! Name Project is not valid"_s,
                          u"Error! Name project is not valid because directory already exists"_s,
                          u"Error! Name project is not valid"_s}));
    QVERIFY(!app.state.project.isOpen());
    QVERIFY(!QDir(exeDir.filePath(u"Escape"_s)).exists());
}

void TestMainWindow::openDialogPreselectsIgnoringCase()
{
    QTemporaryDir exeDir;
    QDir().mkpath(exeDir.filePath(u"PROJECTS/Alpha"_s));
    QDir().mkpath(exeDir.filePath(u"PROJECTS/beta"_s));
    Configurator app(exeDir.path());
    app.state.project.Project_Name = u"BETA"_s; // as if opened under another spelling
    app.state.project.Project_Dir = exeDir.filePath(u"PROJECTS/BETA"_s);

    QString preselected;
    onNextDialog([&preselected](QWidget *dialog) {
        preselected = dialog->findChild<QListWidget *>(u"ListBox1"_s)->currentItem()->text();
        clickOk(dialog);
    });
    app.window->Btn_Open->click();
    QCOMPARE(preselected, u"beta"_s);
    QCOMPARE(app.window->L_Name_Conf_L2->text(), u"beta"_s);
    QVERIFY(app.state.project.isOpen());
}

void TestMainWindow::openDialogWithEmptyListOpensNothing()
{
    QTemporaryDir exeDir;
    QDir().mkpath(exeDir.filePath(u"PROJECTS/Old"_s));
    Configurator app(exeDir.path());
    onNextDialog(clickOk);
    app.window->Btn_Open->click();
    QVERIFY(app.state.project.isOpen());

    // The folder disappears outside the configurator; the stale name must not come back.
    QVERIFY(QDir(exeDir.filePath(u"PROJECTS/Old"_s)).removeRecursively());
    onNextDialog(clickOk);
    app.window->Btn_Open->click();
    QVERIFY(!app.state.project.isOpen());
    QCOMPARE(app.window->L_Name_Conf->text(), u"None Configuration Opened "_s);
}

void TestMainWindow::updateCheckShowsTheLink()
{
    QTemporaryDir exeDir;
    QFile settings(exeDir.filePath(u"Tessaro.xml"_s));
    QVERIFY(settings.open(QIODevice::WriteOnly));
    settings.write("<Conf_Settings><lastinternet><enable_internet>1</enable_internet>"
                   "<enable_update>1</enable_update></lastinternet></Conf_Settings>");
    settings.close();
    Configurator app(exeDir.path());
    QVERIFY(app.window->Timer_Update->isActive());
    QCOMPARE(app.window->Timer_Update->interval(), 60000);

    app.versionService.newer = true;
    app.window->Timer_UpdateTimer();
    QVERIFY(app.window->LL_Update->isVisible());
    QVERIFY(app.window->LL_Update->text().contains(u"New Version Available. Click Here for more Details"_s));
    QCOMPARE(app.window->Timer_Update->interval(), 2 * 60 * 60 * 1000);
    QVERIFY(app.window->Timer_Update->isActive());

    app.versionService.newer = false;
    app.window->Timer_UpdateTimer();
    QVERIFY(!app.window->LL_Update->isVisible());
}

void TestMainWindow::malformedSettingsAreToldOnce()
{
    QTemporaryDir exeDir;
    QFile settings(exeDir.filePath(u"Tessaro.xml"_s));
    QVERIFY(settings.open(QIODevice::WriteOnly));
    settings.write("<Conf_Settings><lastproj>");
    settings.close();
    Configurator app(exeDir.path());
    QTRY_COMPARE(app.prompter.warnings.size(), 1);
    app.window->hide();
    app.window->show();
    QCoreApplication::processEvents();
    QCOMPARE(app.prompter.warnings.size(), 1);
    app.window->close(); // rewrites the file with the defaults
    QVERIFY(!readSettingsFile(exeDir.filePath(u"Tessaro.xml"_s)).malformed);
}

void TestMainWindow::languageFileAndLanguageChange()
{
    QTemporaryDir exeDir;
    QDir().mkpath(exeDir.filePath(u"LANGUAGE"_s));
    QFile italian(exeDir.filePath(u"LANGUAGE/Italiano.lng"_s));
    QVERIFY(italian.open(QIODevice::WriteOnly));
    italian.write("STR0 = Inizio\r\nSTR100 = Nuova Configurazione\r\n");
    italian.close();
    QFile settings(exeDir.filePath(u"Tessaro.xml"_s));
    QVERIFY(settings.open(QIODevice::WriteOnly));
    settings.write("<Conf_Settings><lastlang><language>Italiano</language></lastlang></Conf_Settings>");
    settings.close();

    Configurator app(exeDir.path());
    QCOMPARE(app.window->L_Begin->text(), u"Inizio"_s);
    QCOMPARE(app.window->findChild<QLabel *>(u"L_Step_1"_s)->text(), u"Step 1"_s);
    auto *newProject = app.window->findChild<TFNew_Project *>();
    QCOMPARE(newProject->windowTitle(), u"Nuova Configurazione"_s);

    // Back to English: every window takes its texts again.
    const LoadLanguageResult english = Load_Language(app.state.messages, app.state.workspace.Language_Dir, u"English"_s);
    QCOMPARE(english.languageName, u"English"_s);
    app.window->Change_Language();
    QCOMPARE(app.window->L_Begin->text(), u"Begin"_s);
    QCOMPARE(newProject->windowTitle(), u"Create New Configuration"_s);
}

void TestMainWindow::edsStepWritesTheChosenFile()
{
    QTemporaryDir exeDir;
    QDir().mkpath(exeDir.filePath(u"PROJECTS/P"_s));
    Configurator app(exeDir.path());
    onNextDialog(clickOk);
    app.window->Btn_Open->click();
    QVERIFY(app.state.project.isOpen());
    const QString edsPath = exeDir.filePath(u"PROJECTS/P/device.eds"_s);

    app.window->Btn_CANopen_EDS->click(); // the user cancels the save dialog
    QVERIFY(!QFile::exists(edsPath));

    app.prompter.fileAnswer = edsPath;
    app.window->Btn_CANopen_EDS->click();
    QVERIFY(app.prompter.errors.isEmpty());
    QFile eds(edsPath);
    QVERIFY(eds.open(QIODevice::ReadOnly));
    QVERIFY(eds.readAll().contains("[FileInfo]"));
    eds.close();

    // A PDO file that is not well-formed is told, and the old data sheet stays.
    QFile pdo(app.state.project.files.File_PDO);
    QVERIFY(pdo.open(QIODevice::WriteOnly));
    pdo.write("<PDO_CANopen><Receive_PDO>");
    pdo.close();
    const QByteArray before = [&] { QFile f(edsPath); f.open(QIODevice::ReadOnly); return f.readAll(); }();
    app.window->Btn_CANopen_EDS->click();
    QCOMPARE(app.prompter.errors.size(), 1);
    QVERIFY(app.prompter.errors.constFirst().contains(u"PDO_CANopen.xml"_s));
    QFile after(edsPath);
    QVERIFY(after.open(QIODevice::ReadOnly));
    QCOMPARE(after.readAll(), before);
}

void TestMainWindow::updateStepCompilesBothImages()
{
    QTemporaryDir exeDir;
    Configurator app(exeDir.path());
    onNextDialog([](QWidget *dialog) {
        dialog->findChild<QLineEdit *>(u"E_New_Proj"_s)->setText(u"P"_s);
        clickOk(dialog);
    });
    app.window->Btn_New->click();
    const QString bank1 = exeDir.filePath(u"PROJECTS/P/bin/bank1.bin"_s);
    const QString bank2 = exeDir.filePath(u"PROJECTS/P/bin/bank2.bin"_s);

    // A broken SDO client file: told, no image written, no update form.
    QFile client(app.state.project.files.File_SDO_Client);
    QVERIFY(client.open(QIODevice::WriteOnly));
    client.write("<SDO_Client_CANopen>");
    client.close();
    app.window->Btn_CreateBin->click();
    QCOMPARE(app.prompter.errors.size(), 1);
    QVERIFY(!QFile::exists(bank1) && !QFile::exists(bank2));

    QVERIFY(QFile::remove(app.state.project.files.File_SDO_Client));
    QString shown;
    onNextDialog([&shown](QWidget *dialog) {
        shown = dialog->windowTitle();
        static_cast<QDialog *>(dialog)->reject();
    });
    app.window->Btn_CreateBin->click();
    QCOMPARE(app.prompter.errors.size(), 1);
    QCOMPARE(QFileInfo(bank1).size(), 2048);
    QCOMPARE(QFileInfo(bank2).size(), 57372);
    QCOMPARE(shown, u"Update Device UDP"_s);
}

void TestMainWindow::ioddStepPacksTheArchive()
{
    QTemporaryDir exeDir;
    QDir().mkpath(exeDir.filePath(u"PROJECTS/P"_s));
    Configurator app(exeDir.path());
    QCOMPARE(QDir(exeDir.filePath(u"IODD"_s)).entryList(QDir::Files).size(), 3); // vendor pictures
    onNextDialog(clickOk);
    app.window->Btn_Open->click();

    app.prompter.folderAnswer = exeDir.filePath(u"PROJECTS/P"_s);
    app.window->Btn_IOLink_IODD->click();
    QVERIFY2(app.prompter.errors.isEmpty(), qPrintable(app.prompter.errors.join(u'\n')));
    const QString archive = ioddArchivePath(app.prompter.folderAnswer, QDate::currentDate());
    QVERIFY(QFile::exists(archive));

    // A second run the same day asks before replacing; No keeps the archive as it is.
    const QDateTime written = QFileInfo(archive).lastModified();
    app.prompter.answerYes = false;
    app.window->Btn_IOLink_IODD->click();
    QCOMPARE(app.prompter.questions.size(), 1);
    QCOMPARE(QFileInfo(archive).lastModified(), written);
}

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"

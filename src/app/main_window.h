// SPDX-License-Identifier: MIT
// The main window: a column of eight numbered steps whose buttons open the configurator's forms.
#pragma once

#include "app/localizable.h"
#include "app/app_state.h"

#include <QWidget>

#include <vector>

struct AppState;
class ClickableLabel;
class Prompter;
class ProgramLauncher;
class QAbstractButton;
class QDialog;
class QFrame;
class QLabel;
class QPushButton;
class QTimer;
class QToolButton;
class TFNew_Project;
class TFOpenConf;
class UrlOpener;
class VersionService;

class TFTessaroneFirmWare final : public QWidget, public Localizable
{
    Q_OBJECT
public:
    struct Services {
        Prompter &prompter;
        ProgramLauncher &launcher;
        UrlOpener &urlOpener;
        VersionService &versionService;
    };

    // Runs the whole start-up: workspace, settings, catalogue, last project, every window.
    TFTessaroneFirmWare(AppState &state, const QString &exeDir, Services services, QWidget *parent = nullptr);
    ~TFTessaroneFirmWare() override;

    void Set_Lang() override;
    // Every window takes its texts again after a language change.
    void Change_Language();
    // Launches a programme and waits for it (at most 150 s).
    void Start_Program(const QString &NomeSW, const QString &Parameter, bool tipo);

    // Steps and tools, named as the window's components.
    QLabel *L_SW_Code = nullptr;
    QLabel *L_SW_Desc = nullptr;
    QLabel *L_Begin = nullptr;
    QLabel *L_Name_Conf = nullptr;
    QLabel *L_Name_Conf_L2 = nullptr;
    QLabel *LL_Update = nullptr;
    ClickableLabel *L_Talvex = nullptr;
    QToolButton *Btn_Info = nullptr;
    QToolButton *Btn_Opz = nullptr;
    QToolButton *Btn_Close = nullptr;
    QPushButton *Btn_New = nullptr;
    QPushButton *Btn_Open = nullptr;
    QPushButton *Btn_Prm_Gen = nullptr;
    QPushButton *Btn_IOLink_Set_Access = nullptr;
    QPushButton *Btn_SDO_Server_CANopen = nullptr;
    QPushButton *Btn_SDO_Client_CANopen = nullptr;
    QPushButton *Btn_PDO_CANopen = nullptr;
    QPushButton *Btn_IOLink_IODD = nullptr;
    QPushButton *Btn_CANopen_EDS = nullptr;
    QPushButton *Btn_CreateBin = nullptr;
    QTimer *Timer_Update = nullptr;

public slots:
    // One handler for every button, dispatching on the button pressed.
    void Btn_Click(QObject *Sender);
    void Timer_UpdateTimer();
    void LL_UpdateLinkClick(const QString &Link);
    void L_TalvexClick();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void FormCreate(const QString &exeDir);
    void buildLayout();
    void createWindows();
    void updateProjectLabels();
    void applyTimerSetting();
    void showStartupNotices();
    void saveSettingsOrTell();
    void Open_Project();
    void Create_New_Project();
    // Asks where to save the project's EDS file, then writes it.
    void Build_EDS_File();
    // Compiles the project into bin/bank1.bin and bin/bank2.bin, then shows the update form.
    void Update_Device();

    AppState &m_state;
    Services m_services;
    StartupNotices m_notices;
    bool m_noticesShown = false;
    std::vector<QLabel *> m_stepLabels;
    TFNew_Project *m_newProject = nullptr;
    TFOpenConf *m_openConf = nullptr;
    QDialog *m_about = nullptr;
    QDialog *m_options = nullptr;
    QDialog *m_parGen = nullptr;
    QDialog *m_ioLink = nullptr;
    QDialog *m_boot = nullptr;
    QDialog *m_pdo = nullptr;
    QDialog *m_sdoClient = nullptr;
    QDialog *m_sdoServer = nullptr;
    // Windows in the order they take a new language.
    std::vector<Localizable *> m_localizedWindows;
};

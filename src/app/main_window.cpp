// SPDX-License-Identifier: MIT
#include "app/main_window.h"

#include "app/app_state.h"
#include "app/build_constants.h"
#include "app/clickable_label.h"
#include "app/dialog_frame.h"
#include "app/new_project_dialog.h"
#include "app/open_conf_dialog.h"
#include "app/placeholder_dialog.h"
#include "app/prompter.h"
#include "devicefiles/eds_project.h"
#include "devicefiles/iodd_make.h"
#include "devicefiles/iodd_pictures.h"
#include "params/par_gen_form.h"
#include "platform/services.h"
#include "update/image_compiler.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

constexpr int FirstCheckMs = 60 * 1000;
constexpr int RecheckMs = 2 * 60 * 60 * 1000;
constexpr int StepButtonWidth = 170;
constexpr int StepButtonHeight = 36;

// A step button of the layout: where it stands and which texts it takes.
struct StepButtonLayout {
    QPushButton *TFTessaroneFirmWare::*member;
    const char16_t *name;
    int top;
    int left;
    int caption; // message number
    int hint;    // message number, -1 for none
};

constexpr StepButtonLayout StepButtons[] = {
    {&TFTessaroneFirmWare::Btn_New, u"Btn_New", 112, 80, 15, 22},
    {&TFTessaroneFirmWare::Btn_Open, u"Btn_Open", 112, 258, 16, 23},
    {&TFTessaroneFirmWare::Btn_Prm_Gen, u"Btn_Prm_Gen", 156, 80, 20, 24},
    {&TFTessaroneFirmWare::Btn_IOLink_Set_Access, u"Btn_IOLink_Set_Access", 200, 80, 21, 25},
    {&TFTessaroneFirmWare::Btn_SDO_Server_CANopen, u"Btn_SDO_Server_CANopen", 244, 80, 43, 44},
    {&TFTessaroneFirmWare::Btn_SDO_Client_CANopen, u"Btn_SDO_Client_CANopen", 288, 80, 45, 46},
    {&TFTessaroneFirmWare::Btn_PDO_CANopen, u"Btn_PDO_CANopen", 332, 80, 47, 48},
    {&TFTessaroneFirmWare::Btn_IOLink_IODD, u"Btn_IOLink_IODD", 376, 80, 26, 27},
    {&TFTessaroneFirmWare::Btn_CANopen_EDS, u"Btn_CANopen_EDS", 376, 258, 49, 50},
    {&TFTessaroneFirmWare::Btn_CreateBin, u"Btn_CreateBin", 420, 80, 17, -1},
};

constexpr int StepCount = 8;
constexpr int FirstStepTop = 128;
constexpr int StepPitch = 44;

QLabel *addLabel(QWidget *parent, const QString &name, int top, int left, bool bold)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->move(left, top);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    makeGrey(label);
    return label;
}

QToolButton *addPictureButton(QWidget *parent, const QString &name, int left, QStyle::StandardPixmap glyph)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setGeometry(left, 8, 50, 50);
    button->setIcon(parent->style()->standardIcon(glyph));
    button->setIconSize(QSize(32, 32));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

void placeLabelText(QLabel *label, const QString &text)
{
    label->setText(text);
    label->adjustSize();
}

} // namespace

TFTessaroneFirmWare::TFTessaroneFirmWare(AppState &state, const QString &exeDir, Services services,
                                         QWidget *parent)
    : QWidget(parent), m_state(state), m_services(services)
{
    FormCreate(exeDir);
}

TFTessaroneFirmWare::~TFTessaroneFirmWare() = default;

void TFTessaroneFirmWare::FormCreate(const QString &exeDir)
{
    setObjectName(u"FTessaroneFirmWare"_s);
    buildLayout();
    m_notices = startUp(m_state, exeDir);
    // The IODD archive packs the vendor pictures from the workspace; a missing one is put back.
    static_cast<void>(ensureIoddPictures(m_state.workspace.IODD_Dir));

    Timer_Update = new QTimer(this);
    Timer_Update->setObjectName(u"Timer_Update"_s);
    Timer_Update->setInterval(FirstCheckMs);
    connect(Timer_Update, &QTimer::timeout, this, &TFTessaroneFirmWare::Timer_UpdateTimer);
    applyTimerSetting();

    setWindowTitle(Build::Window_Title);
    placeLabelText(L_SW_Code, Build::SW_Code);
    placeLabelText(L_SW_Desc, Build::SW_Desc);
    Set_Lang();
    createWindows();
}

void TFTessaroneFirmWare::buildLayout()
{
    setFont(QFont(u"Verdana"_s, 8));
    setFixedSize(694, 572);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

    L_SW_Code = addLabel(this, u"L_SW_Code"_s, 8, 16, false);
    QFont codeFont = L_SW_Code->font();
    codeFont.setPixelSize(32);
    L_SW_Code->setFont(codeFont);
    L_SW_Desc = addLabel(this, u"L_SW_Desc"_s, 42, 16, true);
    L_Begin = addLabel(this, u"L_Begin"_s, 84, 16, true);

    auto *shape2 = new QFrame(this);
    shape2->setObjectName(u"Shape2"_s);
    shape2->setGeometry(80, 70, 348, 36);
    shape2->setStyleSheet(u"QFrame#Shape2 { border: 1px solid #c0c0c0; }"_s);
    L_Name_Conf = addLabel(this, u"L_Name_Conf"_s, 75, 87, false);
    L_Name_Conf_L2 = addLabel(this, u"L_Name_Conf_L2"_s, 88, 87, false);

    LL_Update = new QLabel(this);
    LL_Update->setObjectName(u"LL_Update"_s);
    LL_Update->move(208, 19);
    LL_Update->setTextFormat(Qt::RichText);
    LL_Update->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    LL_Update->hide();
    connect(LL_Update, &QLabel::linkActivated, this, &TFTessaroneFirmWare::LL_UpdateLinkClick);

    Btn_Info = addPictureButton(this, u"Btn_Info"_s, 516, QStyle::SP_MessageBoxInformation);
    Btn_Opz = addPictureButton(this, u"Btn_Opz"_s, 574, QStyle::SP_FileDialogDetailedView);
    Btn_Close = addPictureButton(this, u"Btn_Close"_s, 632, QStyle::SP_DialogCloseButton);

    for (int step = 1; step <= StepCount; ++step) {
        m_stepLabels.push_back(addLabel(this, u"L_Step_%1"_s.arg(step),
                                        FirstStepTop + (step - 1) * StepPitch, 16, true));
    }
    for (const StepButtonLayout &layout : StepButtons) {
        auto *button = new QPushButton(this);
        button->setObjectName(QString::fromUtf16(layout.name));
        button->setGeometry(layout.left, layout.top, StepButtonWidth, StepButtonHeight);
        button->setAutoDefault(false);
        this->*layout.member = button;
    }

    L_Talvex = new ClickableLabel(this);
    L_Talvex->setObjectName(u"L_Talvex"_s);
    L_Talvex->move(565, m_stepLabels.back()->y());
    placeLabelText(L_Talvex, Build::MakerWebAddress);
    connect(L_Talvex, &ClickableLabel::clicked, this, &TFTessaroneFirmWare::L_TalvexClick);

    auto *shape1 = new QFrame(this);
    shape1->setObjectName(u"Shape1"_s);
    shape1->setGeometry(10, Btn_CreateBin->y() + 51, 674, 1);
    shape1->setStyleSheet(u"QFrame#Shape1 { background: #a0a0a0; }"_s);

    // Keyboard order follows the steps, then the tools.
    QWidget *previous = nullptr;
    for (const StepButtonLayout &layout : StepButtons) {
        QWidget *button = this->*layout.member;
        if (previous)
            setTabOrder(previous, button);
        previous = button;
    }
    for (QWidget *tool : {static_cast<QWidget *>(Btn_Info), static_cast<QWidget *>(Btn_Opz),
                          static_cast<QWidget *>(Btn_Close)}) {
        setTabOrder(previous, tool);
        previous = tool;
    }

    for (QAbstractButton *button : findChildren<QAbstractButton *>()) {
        connect(button, &QAbstractButton::clicked, this, [this, button] { Btn_Click(button); });
    }
}

void TFTessaroneFirmWare::createWindows()
{
    Prompter &prompter = m_services.prompter;
    const Messages &m = m_state.messages;
    m_newProject = new TFNew_Project(m_state, prompter, this);
    m_openConf = new TFOpenConf(m_state, this);
    m_about = new TFPlaceholder(m, 12, u"FAbout"_s, this);
    auto *options = new TFPlaceholder(m, 13, u"FSoftOptions"_s, this);
    auto *parGen = new TFParGen(m_state, prompter, this);
    auto *ioLink = new TFPlaceholder(m, 21, u"FIOLinkSlave"_s, this);
    auto *boot = new TFPlaceholder(m, 17, u"FBoot"_s, this);
    auto *pdo = new TFPlaceholder(m, 47, u"FSet_PDO_Access"_s, this);
    auto *sdoClient = new TFPlaceholder(m, 45, u"FSet_SDO_Client_Access"_s, this);
    auto *sdoServer = new TFPlaceholder(m, 43, u"FSet_SDO_Server_Access"_s, this);
    m_options = options;
    m_parGen = parGen;
    m_ioLink = ioLink;
    m_boot = boot;
    m_pdo = pdo;
    m_sdoClient = sdoClient;
    m_sdoServer = sdoServer;
    m_localizedWindows = {this, m_newProject, m_openConf, options, boot, parGen, ioLink,
                          pdo, sdoClient, sdoServer};
}

void TFTessaroneFirmWare::Set_Lang()
{
    const Messages &m = m_state.messages;
    placeLabelText(L_Begin, m[0]);
    for (int step = 1; step <= StepCount; ++step)
        placeLabelText(m_stepLabels[size_t(step - 1)], m[step]);
    for (const StepButtonLayout &layout : StepButtons) {
        QPushButton *button = this->*layout.member;
        button->setText(m[layout.caption]);
        button->setToolTip(layout.hint >= 0 ? m[layout.hint] : QString());
    }
    Btn_Info->setToolTip(m[12]);
    Btn_Opz->setToolTip(m[13]);
    Btn_Close->setToolTip(m[14]);
    for (QToolButton *tool : {Btn_Info, Btn_Opz, Btn_Close})
        tool->setAccessibleName(tool->toolTip());
    updateProjectLabels();
}

void TFTessaroneFirmWare::Change_Language()
{
    for (Localizable *window : m_localizedWindows)
        window->Set_Lang();
}

void TFTessaroneFirmWare::updateProjectLabels()
{
    const Messages &m = m_state.messages;
    if (m_state.project.isOpen()) {
        placeLabelText(L_Name_Conf, m[11]);
        placeLabelText(L_Name_Conf_L2, m_state.project.Project_Name);
    } else {
        placeLabelText(L_Name_Conf, m[9]);
        placeLabelText(L_Name_Conf_L2, m[10]);
    }
}

void TFTessaroneFirmWare::applyTimerSetting()
{
    if (!m_state.settings.updateCheckEnabled())
        Timer_Update->stop();
    else if (!Timer_Update->isActive())
        Timer_Update->start();
}

void TFTessaroneFirmWare::Btn_Click(QObject *Sender)
{
    if (Sender == Btn_New) {
        Create_New_Project();
    } else if (Sender == Btn_Open) {
        Open_Project();
    } else if (Sender == Btn_Close) {
        close();
    } else if (Sender == Btn_Info) {
        m_about->exec();
    } else if (Sender == Btn_Opz) {
        if (m_options->exec() == QDialog::Accepted) {
            saveSettingsOrTell();
            applyTimerSetting();
        }
    } else if (!m_state.project.isOpen()) {
        m_services.prompter.showError(m_state.messages[18]);
    } else if (Sender == Btn_Prm_Gen) {
        m_parGen->exec();
    } else if (Sender == Btn_IOLink_Set_Access) {
        m_ioLink->exec();
    } else if (Sender == Btn_PDO_CANopen) {
        m_pdo->exec();
    } else if (Sender == Btn_SDO_Client_CANopen) {
        m_sdoClient->exec();
    } else if (Sender == Btn_SDO_Server_CANopen) {
        m_sdoServer->exec();
    } else if (Sender == Btn_CANopen_EDS) {
        Build_EDS_File();
    } else if (Sender == Btn_IOLink_IODD) {
        Make_IODD(m_services.prompter, m_state.messages, m_state.project, m_state.workspace,
                  QDateTime::currentDateTime());
    } else if (Sender == Btn_CreateBin) {
        Update_Device();
    }
}

void TFTessaroneFirmWare::Open_Project()
{
    if (m_openConf->exec() != QDialog::Accepted)
        return;
    ProjectState &project = m_state.project;
    project.Project_Name = m_openConf->Name_Conf;
    // A name whose folder has gone since the list was shown opens no project.
    project.Project_Dir = existingProjectDir(m_state.workspace.Projects_Dir, project.Project_Name);
    updateProjectLabels();
    project.Set_Files();
}

void TFTessaroneFirmWare::Create_New_Project()
{
    if (m_newProject->exec() == QDialog::Accepted)
        updateProjectLabels();
}

void TFTessaroneFirmWare::Build_EDS_File()
{
    const QString path = m_services.prompter.pickSaveFile(
        m_state.project.Project_Dir, u"Electronic Data Sheet (*.eds)"_s, u"eds"_s);
    if (path.isEmpty())
        return;
    const EdsResult eds = Make_EDS(m_state.project.files, QDateTime::currentDateTime());
    const QString error = eds.ok() ? writeEdsFile(path, eds.bytes) : eds.error;
    if (!error.isEmpty())
        m_services.prompter.showError(error);
}

void TFTessaroneFirmWare::Update_Device()
{
    const CompileResult compiled = Compile_Images(m_state.project.files);
    if (!compiled.ok()) {
        m_services.prompter.showError(compiled.error);
        return;
    }
    const FileResult written = Write_Images(m_state.project.Project_Dir, compiled.images);
    if (!written.ok) {
        m_services.prompter.showError(written.error);
        return;
    }
    m_boot->exec();
}

void TFTessaroneFirmWare::Start_Program(const QString &NomeSW, const QString &Parameter, bool tipo)
{
    m_services.launcher.Start_Program(NomeSW, Parameter, tipo);
}

void TFTessaroneFirmWare::Timer_UpdateTimer()
{
    Timer_Update->stop();
    if (m_services.versionService.newerVersionAvailable()) {
        LL_Update->setText(u"<a href=\"%1\">%2</a>"_s.arg(Build::DownloadPageUrl,
                                                          m_state.messages[19].toHtmlEscaped()));
        LL_Update->adjustSize();
        LL_Update->show();
    } else {
        LL_Update->hide();
    }
    Timer_Update->setInterval(RecheckMs);
    Timer_Update->start();
}

void TFTessaroneFirmWare::LL_UpdateLinkClick(const QString &Link)
{
    m_services.urlOpener.openUrl(Link);
}

void TFTessaroneFirmWare::L_TalvexClick()
{
    m_services.urlOpener.openUrl(Build::HomePageUrl);
}

void TFTessaroneFirmWare::saveSettingsOrTell()
{
    const FileResult saved = Save_Setting(m_state);
    if (!saved.ok) {
        m_services.prompter.showError(
            u"The settings could not be saved to %1: %2"_s.arg(m_state.workspace.settingsFile(), saved.error));
    }
}

void TFTessaroneFirmWare::closeEvent(QCloseEvent *event)
{
    saveSettingsOrTell(); // FormClose: always, also when nothing changed
    QWidget::closeEvent(event);
}

void TFTessaroneFirmWare::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_noticesShown) {
        m_noticesShown = true;
        Btn_New->setFocus(); // step 1 is where the keyboard starts

        QTimer::singleShot(0, this, &TFTessaroneFirmWare::showStartupNotices);
    }
}

void TFTessaroneFirmWare::showStartupNotices()
{
    if (!m_notices.settingsError.isEmpty()) {
        m_services.prompter.showWarning(
            u"The settings file %1 could not be read (%2). The configurator starts with its default "
            u"settings and rewrites the file when it closes."_s.arg(m_state.workspace.settingsFile(),
                                                                   m_notices.settingsError));
    }
    if (!m_notices.languageError.isEmpty()) {
        m_services.prompter.showWarning(
            u"The language file for \"%1\" could not be read (%2). The configurator shows its built-in "
            u"English texts."_s.arg(m_state.settings.Language_Name, m_notices.languageError));
    }
}

// SPDX-License-Identifier: MIT
#include "params/par_gen_form.h"

#include "app/app_state.h"
#include "app/prompter.h"
#include "params/category_panel.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

constexpr int FormHeight = 700;
constexpr int TitleHeight = 69;
constexpr int ButtonBarHeight = 40;
constexpr int H = CategoryPanel::HeaderHeight;
constexpr int WheelNotch = 120; // angle delta of one wheel notch
constexpr int DeviceNameMaxTyped = 31;
constexpr int OctetLefts[4] = {191, 252, 313, 374};
constexpr int DotLefts[3] = {247, 308, 369};

QLabel *addLabel(QWidget *parent, const QString &name, int left, int top)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->move(left, top);
    return label;
}

QLineEdit *addEdit(QWidget *parent, const QString &name, int left, int top, int width)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setGeometry(left, top, width, 21);
    return edit;
}

QCheckBox *addCheckBox(QWidget *parent, const QString &name, int left, int top, int width)
{
    auto *box = new QCheckBox(parent);
    box->setObjectName(name);
    box->setGeometry(left, top, width, 17);
    return box;
}

QComboBox *addList(QWidget *parent, const QString &name, int left, int top, const QStringList &items)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(name);
    list->setGeometry(left, top, 238, 22);
    list->addItems(items);
    return list;
}

// Four octet edits named prefix1 to prefix4 and the three full stops between them.
void addOctetRow(QWidget *parent, const QString &prefix, std::array<QLineEdit *, 4> &edits,
                 std::array<QLabel *, 3> *dots = nullptr)
{
    for (int i = 0; i < 4; ++i)
        edits[size_t(i)] = addEdit(parent, prefix + QString::number(i + 1), OctetLefts[i], 0, 55);
    for (size_t i = 0; i < 3; ++i) {
        QLabel *dot = addLabel(parent, QString(), DotLefts[i], 0);
        dot->setText(u"."_s);
        dot->adjustSize();
        if (dots)
            (*dots)[i] = dot;
    }
}

// Puts an octet row with its edits' tops at top (the dots 3 pixels lower).
void placeOctetRow(const std::array<QLineEdit *, 4> &edits, const std::array<QLabel *, 3> &dots, int top)
{
    for (size_t i = 0; i < 4; ++i)
        edits[i]->move(OctetLefts[i], top);
    for (size_t i = 0; i < 3; ++i)
        dots[i]->move(DotLefts[i], top + 3);
}

QStringList listItems(const auto &items)
{
    return QStringList(items.begin(), items.end());
}

} // namespace

TFParGen::TFParGen(AppState &state, Prompter &prompter, QWidget *parent)
    : QDialog(parent), m_state(state), m_prompter(prompter)
{
    FormCreate();
}

void TFParGen::FormCreate()
{
    setObjectName(u"FParGen"_s);
    setFont(QFont(u"Verdana"_s, 8));
    setModal(true);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(248, 247, 237));
    setPalette(background);
    setAutoFillBackground(true);
    resize(FormWidth, FormHeight);
    setMinimumSize(FormWidth, TitleHeight + ButtonBarHeight + 2 * H);
    setMaximumWidth(FormWidth);

    m_header = addDialogHeader(this);
    m_header.P_Title->setFixedHeight(TitleHeight);
    QFont codeFont(u"Verdana"_s);
    codeFont.setPixelSize(32);
    m_header.L_SW_Code->setFont(codeFont);
    m_header.L_SW_Code->adjustSize();
    m_header.L_SW_Code->move(16, 8);
    m_header.L_SW_Desc->move(16, 42);

    CPG = new CategoryPanelGroup(this);
    buildEthernetConnection();
    buildIOLinkSlave();
    buildCANopen();
    buildEthernet();

    m_buttons = addDialogButtons(this);
    m_buttons.P_Button->setFixedHeight(ButtonBarHeight);
    m_buttons.Btn_OK->setGeometry(218, 6, 110, 28);
    m_buttons.Btn_Cancel->setGeometry(336, 6, 110, 28);
    connect(m_buttons.Btn_OK, &QPushButton::clicked, this, &TFParGen::Btn_OKClick);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_header.P_Title);
    layout->addWidget(CPG, 1);
    layout->addWidget(m_buttons.P_Button);

    for (QCheckBox *box : {CB_EthConn_En_DHCP_Cable, CB_EthConn_En_DHCP_WiFi, CB_EthConn_Enable_DNS,
                           CB_CANopen_SetOpe, CB_CANopen_NetOpe, CB_Ethernet_En_GAT})
        connect(box, &QCheckBox::toggled, this, [this, box] { On_Click(box); });
    // The wheel anywhere over the form reaches FormMouseWheel before the control under it;
    // the octet edits' keys reach KeyPress.
    for (QWidget *child : findChildren<QWidget *>())
        child->installEventFilter(this);
    setTabOrders();

    for (CategoryPanel *panel : CPG->panels())
        panel->hide();
    Order_TAB_Panels();
    Move_GroupBoxs();
    Set_Lang();
}

void TFParGen::buildEthernetConnection()
{
    CP_Ethernet_Connection = CPG->addPanel(u"CP_Ethernet_Connection"_s);
    QWidget *body = CP_Ethernet_Connection->body();
    L_EthConn_Device_Name = addLabel(body, u"L_EthConn_Device_Name"_s, 14, 12);
    E_EthConn_Device_Name = addEdit(body, u"E_EthConn_Device_Name"_s, 191, 9, 238);
    // At most 31 characters can be typed; a longer name from the file is kept as it is, and
    // the limit tightens as the user shortens it.
    E_EthConn_Device_Name->setMaxLength(DeviceNameMaxTyped);
    connect(E_EthConn_Device_Name, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (E_EthConn_Device_Name->maxLength() > DeviceNameMaxTyped)
            E_EthConn_Device_Name->setMaxLength(qMax(DeviceNameMaxTyped, int(text.size())));
    });
    CB_EthConn_En_DHCP_Cable = addCheckBox(body, u"CB_EthConn_En_DHCP_Cable"_s, 14, 40, 415);
    CB_EthConn_En_DHCP_WiFi = addCheckBox(body, u"CB_EthConn_En_DHCP_WiFi"_s, 14, 68, 415);
    CB_EthConn_Enable_DNS = addCheckBox(body, u"CB_EthConn_Enable_DNS"_s, 14, 68, 415);
    L_EthConn_Primary_DNS = addLabel(body, u"L_EthConn_Primary_DNS"_s, 14, 0);
    addOctetRow(body, u"E_EthConn_Pri_DNS_IP"_s, E_EthConn_Pri_DNS_IP, &m_priDnsDots);
    L_EthConn_Secondary_DNS = addLabel(body, u"L_EthConn_Secondary_DNS"_s, 14, 0);
    addOctetRow(body, u"E_EthConn_Sec_DNS_IP"_s, E_EthConn_Sec_DNS_IP, &m_secDnsDots);

    m_edits.push_back({E_EthConn_Device_Name, &ParGenValues::Eth_Conn_Device_Name});
    m_flags.push_back({CB_EthConn_En_DHCP_Cable, &ParGenValues::Eth_Conn_DHCP_Cable});
    m_flags.push_back({CB_EthConn_En_DHCP_WiFi, &ParGenValues::Eth_Conn_DHCP_WiFi});
    m_flags.push_back({CB_EthConn_Enable_DNS, &ParGenValues::Eth_Conn_Enable_DNS});
    const std::array<QString ParGenValues::*, 4> primary = {
        &ParGenValues::Eth_Conn_Primary_DNS1, &ParGenValues::Eth_Conn_Primary_DNS2,
        &ParGenValues::Eth_Conn_Primary_DNS3, &ParGenValues::Eth_Conn_Primary_DNS4};
    const std::array<QString ParGenValues::*, 4> secondary = {
        &ParGenValues::Eth_Conn_Secondary_DNS1, &ParGenValues::Eth_Conn_Secondary_DNS2,
        &ParGenValues::Eth_Conn_Secondary_DNS3, &ParGenValues::Eth_Conn_Secondary_DNS4};
    for (size_t i = 0; i < 4; ++i) {
        m_edits.push_back({E_EthConn_Pri_DNS_IP[i], primary[i]});
        m_edits.push_back({E_EthConn_Sec_DNS_IP[i], secondary[i]});
    }

    // Full stops step through the eight DNS octets.
    const std::array<QLineEdit *, 8> dns = {E_EthConn_Pri_DNS_IP[0], E_EthConn_Pri_DNS_IP[1],
                                            E_EthConn_Pri_DNS_IP[2], E_EthConn_Pri_DNS_IP[3],
                                            E_EthConn_Sec_DNS_IP[0], E_EthConn_Sec_DNS_IP[1],
                                            E_EthConn_Sec_DNS_IP[2], E_EthConn_Sec_DNS_IP[3]};
    for (size_t i = 0; i < dns.size(); ++i)
        m_octetChain.emplace_back(dns[i], i + 1 < dns.size() ? dns[i + 1] : nullptr);
}

void TFParGen::buildIOLinkSlave()
{
    CP_IOLink_Slave = CPG->addPanel(u"CP_IOLink_Slave"_s);
    QWidget *body = CP_IOLink_Slave->body();
    L_IOLink_Slave_Baudrate = addLabel(body, u"L_IOLink_Slave_Baudrate"_s, 14, 12);
    CB_IOLink_Slave_Baudrate = addList(body, u"CB_IOLink_Slave_Baudrate"_s, 191, 9, listItems(ioLinkRateItems()));
}

void TFParGen::buildCANopen()
{
    CP_CANopen = CPG->addPanel(u"CP_CANopen"_s);
    QWidget *body = CP_CANopen->body();
    L_CANopen_IDDevice = addLabel(body, u"L_CANopen_IDDevice"_s, 14, 12);
    E_CANopen_IDDevice = addEdit(body, u"E_CANopen_IDDevice"_s, 191, 9, 238);
    L_CANopen_Baudrate = addLabel(body, u"L_CANopen_Baudrate"_s, 14, 40);
    CB_CANopen_Baudrate = addList(body, u"CB_CANopen_Baudrate"_s, 191, 37, listItems(canopenBaudrateItems()));
    CB_CANopen_SetOpe = addCheckBox(body, u"CB_CANopen_SetOpe"_s, 14, 68, 415);
    CB_CANopen_NetOpe = addCheckBox(body, u"CB_CANopen_NetOpe"_s, 14, 96, 293);
    E_CANopen_NetOpe_Delay = addEdit(body, u"E_CANopen_NetOpe_Delay"_s, 313, 94, 116);
    L_CANopen_SDO_Timeout = addLabel(body, u"L_CANopen_SDO_Timeout"_s, 14, 124);
    E_CANopen_SDO_Timeout = addEdit(body, u"E_CANopen_SDO_Timeout"_s, 252, 121, 177);

    m_edits.push_back({E_CANopen_IDDevice, &ParGenValues::CANopen_IDDev});
    m_edits.push_back({E_CANopen_NetOpe_Delay, &ParGenValues::CANopen_Delay});
    m_edits.push_back({E_CANopen_SDO_Timeout, &ParGenValues::CANopen_SDO_TimeOut});
    m_flags.push_back({CB_CANopen_SetOpe, &ParGenValues::CANopen_Set_Operational});
    m_flags.push_back({CB_CANopen_NetOpe, &ParGenValues::CANopen_Network_Start});
}

void TFParGen::buildEthernet()
{
    CP_Ethernet = CPG->addPanel(u"CP_Ethernet"_s);
    QWidget *body = CP_Ethernet->body();
    L_Ethernet_IP = addLabel(body, u"L_Ethernet_IP"_s, 14, 12);
    std::array<QLabel *, 3> dots{};
    addOctetRow(body, u"E_Ethernet_IP"_s, E_Ethernet_IP, &dots);
    placeOctetRow(E_Ethernet_IP, dots, 9);
    L_Ethernet_SM = addLabel(body, u"L_Ethernet_SM"_s, 14, 40);
    addOctetRow(body, u"E_Ethernet_SM"_s, E_Ethernet_SM, &dots);
    placeOctetRow(E_Ethernet_SM, dots, 37);
    E_Ethernet_SM[3]->move(374, 36);
    CB_Ethernet_En_GAT = addCheckBox(body, u"CB_Ethernet_En_GAT"_s, 14, 68, 175);
    addOctetRow(body, u"E_Ethernet_GAT"_s, E_Ethernet_GAT, &dots);
    placeOctetRow(E_Ethernet_GAT, dots, 66);
    L_Ethernet_TCP_Port = addLabel(body, u"L_Ethernet_TCP_Port"_s, 14, 96);
    E_Ethernet_TCP_Port = addEdit(body, u"E_Ethernet_TCP_Port"_s, 191, 94, 55);
    L_Ethernet_UDP_Port = addLabel(body, u"L_Ethernet_UDP_Port"_s, 14, 124);
    E_Ethernet_UDP_Port = addEdit(body, u"E_Ethernet_UDP_Port"_s, 191, 121, 55);

    const std::array<QString ParGenValues::*, 12> octets = {
        &ParGenValues::Ethernet_IP1,  &ParGenValues::Ethernet_IP2,  &ParGenValues::Ethernet_IP3,
        &ParGenValues::Ethernet_IP4,  &ParGenValues::Ethernet_SM1,  &ParGenValues::Ethernet_SM2,
        &ParGenValues::Ethernet_SM3,  &ParGenValues::Ethernet_SM4,  &ParGenValues::Ethernet_GAT1,
        &ParGenValues::Ethernet_GAT2, &ParGenValues::Ethernet_GAT3, &ParGenValues::Ethernet_GAT4};
    const std::array<QLineEdit *, 12> edits = {E_Ethernet_IP[0],  E_Ethernet_IP[1],  E_Ethernet_IP[2],
                                               E_Ethernet_IP[3],  E_Ethernet_SM[0],  E_Ethernet_SM[1],
                                               E_Ethernet_SM[2],  E_Ethernet_SM[3],  E_Ethernet_GAT[0],
                                               E_Ethernet_GAT[1], E_Ethernet_GAT[2], E_Ethernet_GAT[3]};
    for (size_t i = 0; i < edits.size(); ++i) {
        m_edits.push_back({edits[i], octets[i]});
        // Full stops step from the address through the mask to the gateway.
        m_octetChain.emplace_back(edits[i], i + 1 < edits.size() ? edits[i + 1] : nullptr);
    }
    m_flags.push_back({CB_Ethernet_En_GAT, &ParGenValues::Ethernet_EN_GAT});
}

void TFParGen::setTabOrders()
{
    const QList<QWidget *> chain = {
        E_EthConn_Device_Name, CB_EthConn_En_DHCP_Cable, CB_EthConn_En_DHCP_WiFi, CB_EthConn_Enable_DNS,
        E_EthConn_Pri_DNS_IP[0], E_EthConn_Pri_DNS_IP[1], E_EthConn_Pri_DNS_IP[2], E_EthConn_Pri_DNS_IP[3],
        E_EthConn_Sec_DNS_IP[0], E_EthConn_Sec_DNS_IP[1], E_EthConn_Sec_DNS_IP[2], E_EthConn_Sec_DNS_IP[3],
        CB_IOLink_Slave_Baudrate,
        E_CANopen_IDDevice, CB_CANopen_Baudrate, CB_CANopen_SetOpe, CB_CANopen_NetOpe,
        E_CANopen_NetOpe_Delay, E_CANopen_SDO_Timeout,
        E_Ethernet_IP[0], E_Ethernet_IP[1], E_Ethernet_IP[2], E_Ethernet_IP[3],
        E_Ethernet_SM[0], E_Ethernet_SM[1], E_Ethernet_SM[2], E_Ethernet_SM[3], CB_Ethernet_En_GAT,
        E_Ethernet_GAT[0], E_Ethernet_GAT[1], E_Ethernet_GAT[2], E_Ethernet_GAT[3],
        m_buttons.Btn_OK, m_buttons.Btn_Cancel};
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

void TFParGen::Set_Lang()
{
    const Messages &m = m_state.messages;
    if (m_texts.empty()) {
        m_texts = {
            {m_header.L_SW_Desc, 401, -1},
            {m_buttons.Btn_OK, 402, 404},
            {m_buttons.Btn_Cancel, 403, 405},
            {L_IOLink_Slave_Baudrate, 407, -1},
            {CB_IOLink_Slave_Baudrate, -1, 408},
            {L_CANopen_IDDevice, 574, -1},
            {E_CANopen_IDDevice, -1, 575},
            {L_CANopen_Baudrate, 576, -1},
            {CB_CANopen_Baudrate, -1, 577},
            {CB_CANopen_SetOpe, 578, 579},
            {CB_CANopen_NetOpe, 580, 581},
            {E_CANopen_NetOpe_Delay, -1, 582},
            {L_CANopen_SDO_Timeout, 583, -1},
            {E_CANopen_SDO_Timeout, -1, 584},
            {L_Ethernet_IP, 607, -1},
            {L_Ethernet_SM, 612, -1},
            {CB_Ethernet_En_GAT, 617, 618},
            {L_Ethernet_TCP_Port, 629, -1},
            {E_Ethernet_TCP_Port, -1, 630},
            {L_Ethernet_UDP_Port, 631, -1},
            {E_Ethernet_UDP_Port, -1, 632},
            {L_EthConn_Device_Name, 1308, -1},
            {E_EthConn_Device_Name, -1, 1309},
            {CB_EthConn_En_DHCP_Cable, 1310, 1311},
            {CB_EthConn_En_DHCP_WiFi, 1312, 1313},
            {CB_EthConn_Enable_DNS, 1314, 1315},
            {L_EthConn_Primary_DNS, 1316, -1},
            {L_EthConn_Secondary_DNS, 1321, -1},
        };
        // Octet rows: one hint per octet, first to fourth.
        const std::pair<const std::array<QLineEdit *, 4> *, int> rows[] = {
            {&E_Ethernet_IP, 608}, {&E_Ethernet_SM, 613}, {&E_Ethernet_GAT, 619},
            {&E_EthConn_Pri_DNS_IP, 1317}, {&E_EthConn_Sec_DNS_IP, 1322}};
        for (const auto &[edits, firstHint] : rows) {
            for (int i = 0; i < 4; ++i)
                m_texts.push_back({(*edits)[size_t(i)], -1, firstHint + i});
        }
    }

    setWindowTitle(m[400]);
    for (const TextBinding &binding : m_texts) {
        if (binding.caption >= 0) {
            if (auto *label = qobject_cast<QLabel *>(binding.widget)) {
                label->setText(m[binding.caption]);
                label->adjustSize();
            } else if (auto *button = qobject_cast<QAbstractButton *>(binding.widget)) {
                button->setText(m[binding.caption]);
            }
        }
        if (binding.hint >= 0)
            binding.widget->setToolTip(m[binding.hint]);
    }
}

void TFParGen::Order_TAB_Panels()
{
    Order_TAB_Panels_48213();
}

void TFParGen::Order_TAB_Panels_48213()
{
    // The numbered captions are composed here only: a later language change keeps them.
    const Messages &m = m_state.messages;
    const std::pair<CategoryPanel *, int> panels[] = {
        {CP_Ethernet_Connection, 1307}, {CP_IOLink_Slave, 406}, {CP_CANopen, 573}, {CP_Ethernet, 606}};
    QList<CategoryPanel *> order;
    int number = 1;
    for (const auto &[panel, caption] : panels) {
        panel->show();
        panel->setCaption(QString::number(number++) + u". "_s + m[caption]);
        order.append(panel);
    }
    CPG->setPanelOrder(order);
}

void TFParGen::Move_GroupBoxs()
{
    RePosition_Objects_48213();
}

void TFParGen::RePosition_Objects_48213()
{
    RePosition_Object_Ethernet_Connection();
    RePosition_Object_IOLink_Slave();
    RePosition_Object_CANopen();
    RePosition_Object_Ethernet();
}

void TFParGen::RePosition_Object_Ethernet_Connection()
{
    // No Wi-Fi interface on this converter: Enable DNS takes the Wi-Fi box's place.
    CB_EthConn_En_DHCP_WiFi->hide();
    const int y = CB_EthConn_En_DHCP_Cable->y() + 28;
    CB_EthConn_Enable_DNS->move(14, y);
    L_EthConn_Primary_DNS->move(14, y + 28);
    placeOctetRow(E_EthConn_Pri_DNS_IP, m_priDnsDots, y + 25);
    L_EthConn_Secondary_DNS->move(14, y + 56);
    placeOctetRow(E_EthConn_Sec_DNS_IP, m_secDnsDots, y + 53);
    const QLineEdit *last = E_EthConn_Sec_DNS_IP[3];
    CP_Ethernet_Connection->setPanelHeight(last->y() + last->height() + H + 12);
}

void TFParGen::RePosition_Object_IOLink_Slave()
{
    const QComboBox *last = CB_IOLink_Slave_Baudrate;
    CP_IOLink_Slave->setPanelHeight(last->y() + last->height() + H + 12);
}

void TFParGen::RePosition_Object_CANopen()
{
    const QLineEdit *last = E_CANopen_SDO_Timeout;
    CP_CANopen->setPanelHeight(last->y() + last->height() + H + 12);
}

void TFParGen::RePosition_Object_Ethernet()
{
    for (QWidget *port : {static_cast<QWidget *>(L_Ethernet_TCP_Port), static_cast<QWidget *>(E_Ethernet_TCP_Port),
                          static_cast<QWidget *>(L_Ethernet_UDP_Port), static_cast<QWidget *>(E_Ethernet_UDP_Port)})
        port->hide();
    const QLineEdit *last = E_Ethernet_GAT[3];
    CP_Ethernet->setPanelHeight(last->y() + last->height() + H + 12);

    // DHCP on the cable gives the address, mask and gateway; their texts stay as they are.
    const bool manualAddress = !CB_EthConn_En_DHCP_Cable->isChecked();
    for (const auto *row : {&E_Ethernet_IP, &E_Ethernet_SM, &E_Ethernet_GAT}) {
        for (QLineEdit *edit : *row)
            edit->setEnabled(manualAddress);
    }
    CB_Ethernet_En_GAT->setEnabled(manualAddress);
}

void TFParGen::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    if (!m_centred) {
        m_centred = true;
        if (const QScreen *screen = this->screen())
            move(screen->availableGeometry().center() - frameGeometry().center() + pos());
    }
    FormShow();
}

void TFParGen::FormShow()
{
    const QString &path = m_state.project.files.File_ParGen;
    const ParGenReadResult read = readParGenFile(path);
    if (!read.ok()) {
        // The file stays as it is until the user confirms the form with OK.
        m_pendingNotice = u"The communication parameters in %1 could not be read (%2). The form shows the "
                          u"default values; the file is replaced only when you confirm with OK."_s.arg(path, read.error);
        QMetaObject::invokeMethod(this, &TFParGen::showPendingNotice, Qt::QueuedConnection);
    }
    showValues(read.values);
    Move_GroupBoxs();
}

void TFParGen::showPendingNotice()
{
    if (m_pendingNotice.isEmpty())
        return;
    const QString notice = std::exchange(m_pendingNotice, QString());
    m_prompter.showError(notice);
}

void TFParGen::showValues(const ParGenValues &values)
{
    E_EthConn_Device_Name->setMaxLength(qMax(DeviceNameMaxTyped, int(values.Eth_Conn_Device_Name.size())));
    for (const auto &[edit, member] : m_edits)
        edit->setText(values.*member);
    for (const auto &[box, member] : m_flags)
        box->setChecked(parGenFlag(values.*member));
    CB_IOLink_Slave_Baudrate->setCurrentIndex(Get_IOLink_Slave_Baudrate(values.IOLink_Slave_Baudrate));
    CB_CANopen_Baudrate->setCurrentIndex(canopenBaudrateIndex(values.CANopen_BAUDRATE));
}

ParGenValues TFParGen::valuesFromControls() const
{
    ParGenValues values;
    for (const auto &[edit, member] : m_edits)
        values.*member = edit->text();
    for (const auto &[box, member] : m_flags)
        values.*member = parGenFlagText(box->isChecked());
    values.IOLink_Slave_Baudrate = CB_IOLink_Slave_Baudrate->currentText();
    values.CANopen_BAUDRATE = QString::number(CB_CANopen_Baudrate->currentIndex());
    return values;
}

bool TFParGen::Controllo_Dati()
{
    const std::optional<ParGenCheckFailure> failure = ::Controllo_Dati(valuesFromControls());
    if (!failure)
        return true;
    m_prompter.showError(m_state.messages[failure->message]);
    return false;
}

void TFParGen::Btn_OKClick()
{
    if (!Controllo_Dati())
        return;
    const QString &path = m_state.project.files.File_ParGen;
    const FileResult saved = writeParGenFile(path, valuesFromControls());
    if (!saved.ok) {
        m_prompter.showError(u"The communication parameters could not be saved to %1: %2"_s.arg(path, saved.error));
        return;
    }
    accept();
}

void TFParGen::On_Click(QObject *Sender)
{
    if (Sender == CB_EthConn_En_DHCP_Cable || Sender == CB_EthConn_En_DHCP_WiFi)
        Move_GroupBoxs();
}

bool TFParGen::KeyPress(QLineEdit *edit, QKeyEvent *event)
{
    if (event->text() != u"."_s)
        return false;
    for (const auto &[octet, successor] : m_octetChain) {
        if (octet == edit) {
            if (successor && successor->isVisible() && successor->isEnabled())
                successor->setFocus(Qt::TabFocusReason); // selects its text, so typing replaces it
            break;
        }
    }
    return true;
}

bool TFParGen::FormMouseWheel(QWheelEvent *event)
{
    const QPoint point = CPG->mapFromGlobal(event->globalPosition().toPoint());
    if (!CPG->rect().contains(point))
        return false;
    const int lines = QApplication::wheelScrollLines();
    if (lines < 1)
        return true;
    // A notch is 120; finer wheels and touch pads add up to whole notches.
    m_wheelRemainder += event->angleDelta().y();
    const int notches = m_wheelRemainder / WheelNotch;
    m_wheelRemainder -= notches * WheelNotch;
    CPG->scrollLines(-notches * lines); // away from the user scrolls up
    return true;
}

void TFParGen::wheelEvent(QWheelEvent *event)
{
    if (!FormMouseWheel(event))
        QDialog::wheelEvent(event);
}

bool TFParGen::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        if (auto *edit = qobject_cast<QLineEdit *>(watched))
            if (std::any_of(m_octetChain.begin(), m_octetChain.end(), [edit](const auto &link) { return link.first == edit; }))
                return KeyPress(edit, static_cast<QKeyEvent *>(event));
    } else if (event->type() == QEvent::Wheel) {
        // Popup lists are windows of their own and keep their wheel.
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && widget->window() == this)
            return FormMouseWheel(static_cast<QWheelEvent *>(event));
    }
    return QDialog::eventFilter(watched, event);
}

void TFParGen::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    FormResize();
}

void TFParGen::FormResize()
{
    // The width is fixed; the height follows the user.
    if (width() != FormWidth)
        resize(FormWidth, height());
}

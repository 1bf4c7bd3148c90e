// SPDX-License-Identifier: MIT
// The communication parameter form: Ethernet connection, IO-Link rate, CANopen node, Ethernet address.
#pragma once

#include "app/dialog_frame.h"
#include "app/localizable.h"
#include "params/par_gen.h"

#include <QDialog>

#include <array>
#include <vector>

struct AppState;
class CategoryPanel;
class CategoryPanelGroup;
class Prompter;
class QCheckBox;
class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QWheelEvent;

class TFParGen final : public QDialog, public Localizable
{
    Q_OBJECT
public:
    TFParGen(AppState &state, Prompter &prompter, QWidget *parent = nullptr);

    void Set_Lang() override;

    // The values the controls hold now, as they would be saved.
    [[nodiscard]] ParGenValues valuesFromControls() const;
    // Puts values on the controls.
    void showValues(const ParGenValues &values);

    static constexpr int FormWidth = 460;

    CategoryPanelGroup *CPG = nullptr;
    CategoryPanel *CP_Ethernet_Connection = nullptr;
    CategoryPanel *CP_IOLink_Slave = nullptr;
    CategoryPanel *CP_CANopen = nullptr;
    CategoryPanel *CP_Ethernet = nullptr;

    QLabel *L_EthConn_Device_Name = nullptr;
    QLineEdit *E_EthConn_Device_Name = nullptr;
    QCheckBox *CB_EthConn_En_DHCP_Cable = nullptr;
    QCheckBox *CB_EthConn_En_DHCP_WiFi = nullptr;
    QCheckBox *CB_EthConn_Enable_DNS = nullptr;
    QLabel *L_EthConn_Primary_DNS = nullptr;
    std::array<QLineEdit *, 4> E_EthConn_Pri_DNS_IP{}; // E_EthConn_Pri_DNS_IP1 to 4
    QLabel *L_EthConn_Secondary_DNS = nullptr;
    std::array<QLineEdit *, 4> E_EthConn_Sec_DNS_IP{}; // E_EthConn_Sec_DNS_IP1 to 4

    QLabel *L_IOLink_Slave_Baudrate = nullptr;
    QComboBox *CB_IOLink_Slave_Baudrate = nullptr;

    QLabel *L_CANopen_IDDevice = nullptr;
    QLineEdit *E_CANopen_IDDevice = nullptr;
    QLabel *L_CANopen_Baudrate = nullptr;
    QComboBox *CB_CANopen_Baudrate = nullptr;
    QCheckBox *CB_CANopen_SetOpe = nullptr;
    QCheckBox *CB_CANopen_NetOpe = nullptr;
    QLineEdit *E_CANopen_NetOpe_Delay = nullptr;
    QLabel *L_CANopen_SDO_Timeout = nullptr;
    QLineEdit *E_CANopen_SDO_Timeout = nullptr;

    QLabel *L_Ethernet_IP = nullptr;
    std::array<QLineEdit *, 4> E_Ethernet_IP{}; // E_Ethernet_IP1 to 4
    QLabel *L_Ethernet_SM = nullptr;
    std::array<QLineEdit *, 4> E_Ethernet_SM{}; // E_Ethernet_SM1 to 4
    QCheckBox *CB_Ethernet_En_GAT = nullptr;
    std::array<QLineEdit *, 4> E_Ethernet_GAT{}; // E_Ethernet_GAT1 to 4
    QLabel *L_Ethernet_TCP_Port = nullptr;
    QLineEdit *E_Ethernet_TCP_Port = nullptr;
    QLabel *L_Ethernet_UDP_Port = nullptr;
    QLineEdit *E_Ethernet_UDP_Port = nullptr;

public slots:
    // Checks, saves ParGen.xml and closes with OK; stays open when a check fails or the write fails.
    void Btn_OKClick();
    // The check boxes' click handler: a DHCP box re-runs the layout step.
    void On_Click(QObject *Sender);

public:
    // Shows the first broken rule in an error box; true when every rule holds.
    bool Controllo_Dati();
    // Arranges this model's panels: shown, stacked, numbered captions, tab order.
    void Order_TAB_Panels();
    // The layout step: panel heights and the enabling rule.
    void Move_GroupBoxs();
    // The octet edits' full-stop key: never typed, moves to the next octet edit. True when swallowed.
    bool KeyPress(QLineEdit *edit, QKeyEvent *event);
    // Scrolls the panel stack for a wheel turned over it; true when the wheel was over it.
    bool FormMouseWheel(QWheelEvent *event);

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormCreate();
    void FormShow();
    void FormResize();
    void Order_TAB_Panels_48213();
    void RePosition_Objects_48213();
    void RePosition_Object_Ethernet_Connection();
    void RePosition_Object_IOLink_Slave();
    void RePosition_Object_CANopen();
    void RePosition_Object_Ethernet();
    void buildEthernetConnection();
    void buildIOLinkSlave();
    void buildCANopen();
    void buildEthernet();
    void setTabOrders();
    void showPendingNotice();

    // A control with the catalogue texts it takes: caption (label, check box, button) and hint.
    struct TextBinding {
        QWidget *widget;
        int caption; // message number, -1 for none
        int hint;    // message number, -1 for none
    };
    // An edit or check box and the element whose text it holds.
    template<typename Widget>
    struct ValueBinding {
        Widget *widget;
        QString ParGenValues::*member;
    };

    AppState &m_state;
    Prompter &m_prompter;
    DialogHeader m_header{};
    DialogButtons m_buttons{};
    std::vector<TextBinding> m_texts;
    std::vector<ValueBinding<QLineEdit>> m_edits;
    std::vector<ValueBinding<QCheckBox>> m_flags;
    std::vector<std::pair<QLineEdit *, QLineEdit *>> m_octetChain; // edit and its successor (or nullptr)
    std::array<QLabel *, 3> m_priDnsDots{};
    std::array<QLabel *, 3> m_secDnsDots{};
    QString m_pendingNotice; // told once the form is on screen
    int m_wheelRemainder = 0; // wheel turn below one notch, in eighths of a degree
    bool m_centred = false;
};

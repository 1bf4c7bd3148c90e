// SPDX-License-Identifier: MIT
#include "app/app_state.h"
#include "params/category_panel.h"
#include "params/par_gen_form.h"
#include "recording_prompter.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// The form over a fresh project folder, with a recording prompter.
struct Fixture {
    QTemporaryDir projectDir;
    RecordingPrompter prompter;
    AppState state;
    std::unique_ptr<TFParGen> form;

    Fixture()
    {
        state.messages.Fill_Default_Messages();
        state.project.Project_Name = u"Plant"_s;
        state.project.Project_Dir = projectDir.path();
        state.project.Set_Files();
        form = std::make_unique<TFParGen>(state, prompter);
    }

    QString path() const { return state.project.files.File_ParGen; }

    QByteArray fileBytes() const
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void writeFile(const QByteArray &bytes) const
    {
        QFile file(path());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // Shows the form as the step button does, without blocking.
    void show()
    {
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }

    void clickOk() { form->findChild<QPushButton *>(u"Btn_OK"_s)->click(); }
    void clickCancel() { form->findChild<QPushButton *>(u"Btn_Cancel"_s)->click(); }
};

QStringList texts(const std::array<QLineEdit *, 4> &edits)
{
    QStringList result;
    for (const QLineEdit *edit : edits)
        result.append(edit->text());
    return result;
}

// Types text one key at a time into whichever widget has the focus.
void typeIntoFocus(const QString &text)
{
    for (const QChar c : text)
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
}

} // namespace

class TestParGenForm : public QObject
{
    Q_OBJECT
private slots:
    void layoutOfThisModel();
    void tabOrderRunsThroughThePanels();
    void newProjectShowsDefaultsAndOkWritesThem();
    void fileValuesShownAndSavedBack();
    void brokenRuleKeepsFormOpen();
    void cancelNeverWrites();
    void malformedFileOpensWithDefaults();
    void failedWriteKeepsFormOpen();
    void fullStopsSpreadAnAddress();
    void widthSnapsBack();
    void wheelScrollsOnlyOverThePanels();
    void panelCaptionsKeepTheirLanguage();
};

void TestParGenForm::layoutOfThisModel()
{
    Fixture f;
    f.show();
    TFParGen &form = *f.form;
    QCOMPARE(form.width(), 460);
    QCOMPARE(form.height(), 700);
    QStringList captions;
    QList<int> heights;
    for (CategoryPanel *panel : form.CPG->panelOrder()) {
        captions.append(panel->caption());
        heights.append(panel->height());
        QVERIFY(panel->isVisible());
    }
    QCOMPARE(captions, (QStringList{u"1. Ethernet Connection"_s, u"2. IO-Link Slave"_s, u"3. CANopen"_s,
                                    u"4. Ethernet"_s}));
    QCOMPARE(heights, (QList<int>{178, 67, 178, 123}));
    QCOMPARE(form.CP_Ethernet->y(), 178 + 67 + 178);
    QVERIFY(!form.CB_EthConn_En_DHCP_WiFi->isVisible());
    QCOMPARE(form.CB_EthConn_Enable_DNS->pos(), QPoint(14, 68));
    QCOMPARE(form.E_EthConn_Sec_DNS_IP[3]->geometry(), QRect(374, 121, 55, 21));
    QVERIFY(!form.E_Ethernet_TCP_Port->isVisible());
    QCOMPARE(form.windowTitle(), u"Set Communication"_s);
    QCOMPARE(form.CB_CANopen_NetOpe->toolTip(), f.state.messages[581]);

    QImage shot = form.grab().toImage();
    QVERIFY(!shot.isNull());
    shot.save(u"/tmp/tessaro_par_gen_form.png"_s);
}

void TestParGenForm::tabOrderRunsThroughThePanels()
{
    Fixture f;
    f.show();
    const QStringList expected = {
        u"E_EthConn_Device_Name"_s, u"CB_EthConn_En_DHCP_Cable"_s, u"CB_EthConn_Enable_DNS"_s,
        u"E_EthConn_Pri_DNS_IP1"_s, u"E_EthConn_Pri_DNS_IP2"_s, u"E_EthConn_Pri_DNS_IP3"_s, u"E_EthConn_Pri_DNS_IP4"_s,
        u"E_EthConn_Sec_DNS_IP1"_s, u"E_EthConn_Sec_DNS_IP2"_s, u"E_EthConn_Sec_DNS_IP3"_s, u"E_EthConn_Sec_DNS_IP4"_s,
        u"CB_IOLink_Slave_Baudrate"_s,
        u"E_CANopen_IDDevice"_s, u"CB_CANopen_Baudrate"_s, u"CB_CANopen_SetOpe"_s, u"CB_CANopen_NetOpe"_s,
        u"E_CANopen_NetOpe_Delay"_s, u"E_CANopen_SDO_Timeout"_s,
        u"E_Ethernet_IP1"_s, u"E_Ethernet_IP2"_s, u"E_Ethernet_IP3"_s, u"E_Ethernet_IP4"_s,
        u"E_Ethernet_SM1"_s, u"E_Ethernet_SM2"_s, u"E_Ethernet_SM3"_s, u"E_Ethernet_SM4"_s, u"CB_Ethernet_En_GAT"_s,
        u"E_Ethernet_GAT1"_s, u"E_Ethernet_GAT2"_s, u"E_Ethernet_GAT3"_s, u"E_Ethernet_GAT4"_s,
        u"Btn_OK"_s, u"Btn_Cancel"_s,
        u"E_EthConn_Device_Name"_s}; // and round again, with no stop in between
    QStringList visited;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(focus);
        visited.append(focus->objectName());
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    QCOMPARE(visited, expected); // the form opens in the host name
}

void TestParGenForm::newProjectShowsDefaultsAndOkWritesThem()
{
    Fixture f;
    f.show();
    TFParGen &form = *f.form;
    QVERIFY(form.E_EthConn_Device_Name->text().isEmpty());
    QVERIFY(!form.CB_EthConn_En_DHCP_Cable->isChecked());
    QVERIFY(!form.CB_EthConn_Enable_DNS->isChecked());
    QCOMPARE(texts(form.E_EthConn_Pri_DNS_IP), (QStringList{u"8"_s, u"8"_s, u"8"_s, u"8"_s}));
    QCOMPARE(texts(form.E_EthConn_Sec_DNS_IP), (QStringList{u"8"_s, u"8"_s, u"4"_s, u"4"_s}));
    QCOMPARE(form.CB_IOLink_Slave_Baudrate->currentText(), u"COM1"_s);
    QCOMPARE(form.E_CANopen_IDDevice->text(), u"1"_s);
    QCOMPARE(form.CB_CANopen_Baudrate->currentText(), u"250K"_s);
    QVERIFY(!form.CB_CANopen_SetOpe->isChecked());
    QVERIFY(!form.CB_CANopen_NetOpe->isChecked());
    QCOMPARE(form.E_CANopen_NetOpe_Delay->text(), u"0"_s);
    QCOMPARE(form.E_CANopen_SDO_Timeout->text(), u"10000"_s);
    QCOMPARE(texts(form.E_Ethernet_IP), (QStringList{u"192"_s, u"168"_s, u"0"_s, u"5"_s}));
    QCOMPARE(texts(form.E_Ethernet_SM), (QStringList{u"255"_s, u"255"_s, u"255"_s, u"0"_s}));
    QCOMPARE(texts(form.E_Ethernet_GAT), (QStringList{u"192"_s, u"168"_s, u"0"_s, u"1"_s}));
    QVERIFY(!form.CB_Ethernet_En_GAT->isChecked());
    QVERIFY(!QFile::exists(f.path()));

    f.clickOk();
    QVERIFY(f.prompter.errors.isEmpty());
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QCOMPARE(f.fileBytes(), writeParGen(ParGenValues{}));
}

void TestParGenForm::fileValuesShownAndSavedBack()
{
    Fixture f;
    const QString longName(40, u'n');
    f.writeFile("<Par_Gen><Eth_Conn_Device_Name>" + longName.toUtf8()
                + "</Eth_Conn_Device_Name><Eth_Conn_DHCP_Cable>true</Eth_Conn_DHCP_Cable>"
                  "<IOLink_Slave_Baudrate> COM3 </IOLink_Slave_Baudrate><CANopen_BAUDRATE>9</CANopen_BAUDRATE>"
                  "<Ethernet_IP4>7</Ethernet_IP4></Par_Gen>");
    f.show();
    TFParGen &form = *f.form;
    QCOMPARE(form.E_EthConn_Device_Name->text(), longName); // the typing limit does not cut a stored name
    QVERIFY(!form.CB_EthConn_En_DHCP_Cable->isChecked());
    QCOMPARE(form.CB_IOLink_Slave_Baudrate->currentText(), u"COM3"_s);
    QCOMPARE(form.CB_CANopen_Baudrate->currentText(), u"1000K"_s);
    f.clickOk();
    const ParGenReadResult saved = readParGenFile(f.path());
    QCOMPARE(saved.elementTexts.value(u"Eth_Conn_Device_Name"_s), longName);
    QCOMPARE(saved.elementTexts.value(u"Eth_Conn_DHCP_Cable"_s), u"0"_s);
    QCOMPARE(saved.elementTexts.value(u"IOLink_Slave_Baudrate"_s), u"COM3"_s);
    QCOMPARE(saved.elementTexts.value(u"CANopen_BAUDRATE"_s), u"8"_s);
    QCOMPARE(saved.elementTexts.value(u"Ethernet_IP4"_s), u"7"_s);
    QCOMPARE(saved.elementTexts.value(u"CANopen_IDDev"_s), u"1"_s); // missing element: its default
}

void TestParGenForm::brokenRuleKeepsFormOpen()
{
    Fixture f;
    f.show();
    f.form->E_CANopen_IDDevice->setText(u"128"_s);
    f.form->E_EthConn_Device_Name->setFocus();
    f.clickOk();
    QCOMPARE(f.prompter.errors, QStringList{u"Error CANopen!! ID Device must be between 1 and 127"_s});
    QVERIFY(f.form->isVisible());
    QVERIFY(!QFile::exists(f.path()));
}

void TestParGenForm::cancelNeverWrites()
{
    Fixture f;
    ParGenValues stored;
    stored.CANopen_IDDev = u"9"_s;
    f.writeFile(writeParGen(stored));
    const QByteArray before = f.fileBytes();
    f.show();
    QCOMPARE(f.form->E_CANopen_IDDevice->text(), u"9"_s);
    f.form->E_CANopen_IDDevice->setText(u"50"_s);
    f.form->CB_Ethernet_En_GAT->setChecked(true);
    f.clickCancel();
    QCOMPARE(f.form->result(), int(QDialog::Rejected));
    QCOMPARE(f.fileBytes(), before);

    f.show(); // every showing reloads the file
    QCOMPARE(f.form->E_CANopen_IDDevice->text(), u"9"_s);
    QVERIFY(!f.form->CB_Ethernet_En_GAT->isChecked());
}

void TestParGenForm::malformedFileOpensWithDefaults()
{
    Fixture f;
    const QByteArray broken = "<Par_Gen><CANopen_IDDev>9</CANopen_IDDev>";
    f.writeFile(broken);
    f.show();
    QTRY_COMPARE(f.prompter.errors.size(), 1);
    QVERIFY(f.prompter.errors.constFirst().contains(f.path()));
    QCOMPARE(f.form->valuesFromControls(), ParGenValues{});
    QCOMPARE(f.fileBytes(), broken);
    f.clickCancel();
    QCOMPARE(f.fileBytes(), broken);
}

void TestParGenForm::failedWriteKeepsFormOpen()
{
    Fixture f;
    f.state.project.files.File_ParGen = f.projectDir.filePath(u"gone/ParGen.xml"_s);
    f.show();
    f.clickOk();
    QCOMPARE(f.prompter.errors.size(), 1);
    QVERIFY(f.prompter.errors.constFirst().contains(u"gone/ParGen.xml"_s));
    QVERIFY(f.form->isVisible());
}

void TestParGenForm::fullStopsSpreadAnAddress()
{
    Fixture f;
    f.show();
    TFParGen &form = *f.form;
    form.E_Ethernet_IP[0]->setFocus(Qt::TabFocusReason);
    typeIntoFocus(u"10.1.2.3."_s);
    QCOMPARE(texts(form.E_Ethernet_IP), (QStringList{u"10"_s, u"1"_s, u"2"_s, u"3"_s}));
    QCOMPARE(QApplication::focusWidget(), form.E_Ethernet_SM[0]); // the chain goes on into the mask

    form.E_EthConn_Sec_DNS_IP[3]->setFocus(Qt::TabFocusReason);
    typeIntoFocus(u"4."_s); // the last octet of a chain swallows the full stop
    QCOMPARE(form.E_EthConn_Sec_DNS_IP[3]->text(), u"4"_s);
    QCOMPARE(QApplication::focusWidget(), form.E_EthConn_Sec_DNS_IP[3]);

    // DHCP disables the address edits: a full stop there is swallowed and the focus stays.
    form.CB_EthConn_En_DHCP_Cable->click();
    QVERIFY(!form.E_Ethernet_IP[1]->isEnabled());
    QVERIFY(!form.CB_Ethernet_En_GAT->isEnabled());
    QCOMPARE(form.E_Ethernet_IP[1]->text(), u"1"_s); // contents stay
    QApplication::focusWidget()->clearFocus();
    form.E_Ethernet_IP[0]->setEnabled(true); // as if the user were still in the first octet
    form.E_Ethernet_IP[0]->setFocus();
    QTest::keyClick(form.E_Ethernet_IP[0], '.');
    QCOMPARE(QApplication::focusWidget(), form.E_Ethernet_IP[0]);
    QCOMPARE(form.E_Ethernet_IP[0]->text(), u"10"_s);
}

void TestParGenForm::widthSnapsBack()
{
    Fixture f;
    f.show();
    f.form->resize(640, 820);
    QCOMPARE(f.form->width(), 460);
    QCOMPARE(f.form->height(), 820);
}

void TestParGenForm::wheelScrollsOnlyOverThePanels()
{
    Fixture f;
    f.show();
    f.form->resize(460, 400); // the panels no longer fit
    QApplication::setWheelScrollLines(3);
    QScrollBar *bar = f.form->CPG->verticalScrollBar();
    QVERIFY(bar->maximum() > 0);

    auto turn = [&f](QWidget *over, int delta) {
        const QPoint local = over->rect().center();
        QWheelEvent event(local, over->mapToGlobal(local), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(over, &event);
    };
    turn(f.form->E_CANopen_IDDevice, -120); // towards the user: down
    QCOMPARE(bar->value(), 3 * CategoryPanelGroup::LineStep);
    turn(f.form->CB_CANopen_Baudrate, 120); // a list under the pointer keeps its item
    QCOMPARE(bar->value(), 0);
    QCOMPARE(f.form->CB_CANopen_Baudrate->currentText(), u"250K"_s);
    turn(f.form->findChild<QPushButton *>(u"Btn_OK"_s), -120);
    QCOMPARE(bar->value(), 0);
}

void TestParGenForm::panelCaptionsKeepTheirLanguage()
{
    Fixture f;
    QVERIFY(f.state.messages.loadLanguageBytes("STR1307 = Connessione Ethernet\nSTR1314 = Abilita DNS\n"
                                               "STR575 = ID del nodo\n")
                .ok);
    f.form->Set_Lang();
    QCOMPARE(f.form->CB_EthConn_Enable_DNS->text(), u"Abilita DNS"_s);
    QCOMPARE(f.form->E_CANopen_IDDevice->toolTip(), u"ID del nodo"_s);
    QCOMPARE(f.form->CP_Ethernet_Connection->caption(), u"1. Ethernet Connection"_s);
}

QTEST_MAIN(TestParGenForm)
#include "tst_par_gen_form.moc"

// SPDX-License-Identifier: MIT
#include "app/open_conf_dialog.h"

#include "app/app_state.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>

using namespace Qt::StringLiterals;

TFOpenConf::TFOpenConf(AppState &state, QWidget *parent) : QDialog(parent), m_state(state)
{
    setObjectName(u"FOpenConf"_s);
    setUpFixedDialog(this, 377, 351);
    m_header = addDialogHeader(this);
    m_buttons = addDialogButtons(this);

    m_label1 = new QLabel(this);
    m_label1->setObjectName(u"Label1"_s);
    m_label1->setGeometry(12, 76, 353, 16);
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(u"ListBox1"_s);
    ListBox1->setGeometry(12, 94, 353, 209);
    m_label1->setBuddy(ListBox1);

    connect(ListBox1, &QListWidget::currentRowChanged, this, &TFOpenConf::ListBox1Click);
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(m_buttons.Btn_OK, &QPushButton::clicked, this, &QDialog::accept);
    m_buttons.Btn_OK->setDefault(true); // Enter in the list opens the chosen project
    setTabOrder(ListBox1, m_buttons.Btn_OK);
    setTabOrder(m_buttons.Btn_OK, m_buttons.Btn_Cancel);
    Set_Lang();
}

void TFOpenConf::Set_Lang()
{
    const Messages &m = m_state.messages;
    setWindowTitle(m[200]);
    m_header.L_SW_Desc->setText(m[201]);
    m_label1->setText(m[202]);
    ListBox1->setToolTip(m[205]);
    m_buttons.Btn_OK->setText(m[203]);
    m_buttons.Btn_OK->setToolTip(m[206]);
    m_buttons.Btn_Cancel->setText(m[204]);
    m_buttons.Btn_Cancel->setToolTip(m[207]);
}

void TFOpenConf::Load_Existing_Configuration()
{
    SL = ::Load_Existing_Configuration(m_state.workspace.Projects_Dir);
}

void TFOpenConf::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TFOpenConf::FormShow()
{
    Load_Existing_Configuration();
    const QSignalBlocker quiet(ListBox1);
    ListBox1->clear();
    ListBox1->addItems(SL);

    const QString openName = m_state.project.isOpen() ? m_state.project.Project_Name : QString();
    int row = Search_Open_Conf(SL, openName);
    if (row < 0 && !SL.isEmpty())
        row = 0;
    if (row >= 0) {
        ListBox1->setCurrentRow(row);
        Name_Conf = SL.at(row);
    } else {
        // No project folder is left: a name from an earlier showing would open a folder that is gone.
        Name_Conf.clear();
    }
    ListBox1->setFocus();
}

void TFOpenConf::ListBox1Click()
{
    if (QListWidgetItem *item = ListBox1->currentItem())
        Name_Conf = item->text();
}

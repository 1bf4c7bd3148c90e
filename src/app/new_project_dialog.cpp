// SPDX-License-Identifier: MIT
#include "app/new_project_dialog.h"

#include "app/app_state.h"
#include "app/prompter.h"
#include "common/file_io.h"

#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>
#include <QPushButton>

using namespace Qt::StringLiterals;

TFNew_Project::TFNew_Project(AppState &state, Prompter &prompter, QWidget *parent)
    : QDialog(parent), m_state(state), m_prompter(prompter)
{
    setObjectName(u"FNew_Project"_s);
    setUpFixedDialog(this, 331, 162);
    m_header = addDialogHeader(this);
    m_buttons = addDialogButtons(this);

    m_label1 = new QLabel(this);
    m_label1->setObjectName(u"Label1"_s);
    m_label1->setGeometry(12, 76, 307, 16);
    E_New_Proj = new QLineEdit(this);
    E_New_Proj->setObjectName(u"E_New_Proj"_s);
    E_New_Proj->setGeometry(12, 94, 307, 22);
    m_label1->setBuddy(E_New_Proj);

    // Enter in the name box acts as OK.
    connect(E_New_Proj, &QLineEdit::returnPressed, this, &TFNew_Project::Btn_OKClick);
    connect(m_buttons.Btn_OK, &QPushButton::clicked, this, &TFNew_Project::Btn_OKClick);
    setTabOrder(E_New_Proj, m_buttons.Btn_OK);
    setTabOrder(m_buttons.Btn_OK, m_buttons.Btn_Cancel);
    Set_Lang();
}

void TFNew_Project::Set_Lang()
{
    const Messages &m = m_state.messages;
    setWindowTitle(m[100]);
    m_header.L_SW_Desc->setText(m[101]);
    m_label1->setText(m[102]);
    E_New_Proj->setToolTip(m[108]);
    m_buttons.Btn_OK->setText(m[103]);
    m_buttons.Btn_OK->setToolTip(m[109]);
    m_buttons.Btn_Cancel->setText(m[104]);
    m_buttons.Btn_Cancel->setToolTip(m[110]);
}

void TFNew_Project::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TFNew_Project::FormShow()
{
    E_New_Proj->clear();
    E_New_Proj->setFocus();
}

void TFNew_Project::Btn_OKClick()
{
    const QString name = E_New_Proj->text(); // used as typed, blanks included
    const int refusal = createProjectFolders(m_state.workspace.Projects_Dir, name);
    if (refusal != 0) {
        m_prompter.showError(m_state.messages[refusal]);
        return;
    }
    m_state.project.Project_Name = name;
    m_state.project.Project_Dir = joinPath(m_state.workspace.Projects_Dir, name);
    m_state.project.Set_Files();
    accept();
}

// SPDX-License-Identifier: MIT
// The dialog that creates a new project folder.
#pragma once

#include "app/dialog_frame.h"
#include "app/localizable.h"

#include <QDialog>

struct AppState;
class Prompter;
class QLabel;
class QLineEdit;

class TFNew_Project final : public QDialog, public Localizable
{
    Q_OBJECT
public:
    TFNew_Project(AppState &state, Prompter &prompter, QWidget *parent = nullptr);

    void Set_Lang() override;

    QLineEdit *E_New_Proj = nullptr;

public slots:
    // Creates the project; on success the state names it as the open project and the dialog closes with OK.
    void Btn_OKClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();

    AppState &m_state;
    Prompter &m_prompter;
    DialogHeader m_header;
    DialogButtons m_buttons;
    QLabel *m_label1 = nullptr;
};

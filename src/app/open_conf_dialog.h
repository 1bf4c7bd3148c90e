// SPDX-License-Identifier: MIT
// The dialog that lists the existing projects and hands back the chosen name.
#pragma once

#include "app/dialog_frame.h"
#include "app/localizable.h"

#include <QDialog>
#include <QStringList>

struct AppState;
class QLabel;
class QListWidget;

class TFOpenConf final : public QDialog, public Localizable
{
    Q_OBJECT
public:
    explicit TFOpenConf(AppState &state, QWidget *parent = nullptr);

    void Set_Lang() override;

    // Fills SL with the project folders.
    void Load_Existing_Configuration();

    QStringList SL;     // project names found at the last showing
    QString Name_Conf;  // the name handed back; kept between showings
    QListWidget *ListBox1 = nullptr;

public slots:
    void ListBox1Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();

    AppState &m_state;
    DialogHeader m_header;
    DialogButtons m_buttons;
    QLabel *m_label1 = nullptr;
};

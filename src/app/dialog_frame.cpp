// SPDX-License-Identifier: MIT
#include "app/dialog_frame.h"

#include "app/build_constants.h"

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

void makeGrey(QWidget *widget)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, QColor(0x80, 0x80, 0x80));
    widget->setPalette(palette);
}

void setUpFixedDialog(QDialog *dialog, int width, int height)
{
    dialog->setFont(QFont(u"Verdana"_s, 8));
    dialog->setFixedSize(width, height);
    dialog->setModal(true);
    dialog->setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                           | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
}

DialogHeader addDialogHeader(QDialog *dialog)
{
    DialogHeader header{};
    header.P_Title = new QFrame(dialog);
    header.P_Title->setObjectName(u"P_Title"_s);
    header.P_Title->setGeometry(0, 0, dialog->width(), 69);
    header.P_Title->setAutoFillBackground(true);
    QPalette palette = header.P_Title->palette();
    palette.setColor(QPalette::Window, Qt::white);
    header.P_Title->setPalette(palette);

    header.L_SW_Code = new QLabel(Build::SW_Code, header.P_Title);
    header.L_SW_Code->setObjectName(u"L_SW_Code"_s);
    QFont codeFont = header.L_SW_Code->font();
    codeFont.setPixelSize(24);
    codeFont.setBold(true);
    header.L_SW_Code->setFont(codeFont);
    header.L_SW_Code->move(12, 6);
    makeGrey(header.L_SW_Code);

    header.L_SW_Desc = new QLabel(header.P_Title);
    header.L_SW_Desc->setObjectName(u"L_SW_Desc"_s);
    QFont descFont = header.L_SW_Desc->font();
    descFont.setBold(true);
    header.L_SW_Desc->setFont(descFont);
    header.L_SW_Desc->setGeometry(12, 42, dialog->width() - 24, 18);
    makeGrey(header.L_SW_Desc);
    return header;
}

DialogButtons addDialogButtons(QDialog *dialog)
{
    DialogButtons buttons{};
    buttons.P_Button = new QFrame(dialog);
    buttons.P_Button->setObjectName(u"P_Button"_s);
    buttons.P_Button->setFrameShape(QFrame::StyledPanel);
    buttons.P_Button->setGeometry(0, dialog->height() - 40, dialog->width(), 40);

    buttons.Btn_OK = new QPushButton(buttons.P_Button);
    buttons.Btn_OK->setObjectName(u"Btn_OK"_s);
    buttons.Btn_OK->setGeometry(dialog->width() - 196, 6, 90, 28);
    buttons.Btn_Cancel = new QPushButton(buttons.P_Button);
    buttons.Btn_Cancel->setObjectName(u"Btn_Cancel"_s);
    buttons.Btn_Cancel->setGeometry(dialog->width() - 100, 6, 90, 28);
    // Enter is handled by each dialog itself, so it never reaches OK twice.
    buttons.Btn_OK->setAutoDefault(false);
    buttons.Btn_Cancel->setAutoDefault(false);
    QObject::connect(buttons.Btn_Cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return buttons;
}

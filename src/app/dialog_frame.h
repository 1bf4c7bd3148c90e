// SPDX-License-Identifier: MIT
// The header and button panels that the configurator's dialogs share.
#pragma once

class QDialog;
class QFrame;
class QLabel;
class QPushButton;
class QWidget;

struct DialogHeader {
    QFrame *P_Title;
    QLabel *L_SW_Code;
    QLabel *L_SW_Desc;
};

struct DialogButtons {
    QFrame *P_Button;
    QPushButton *Btn_OK;
    QPushButton *Btn_Cancel; // closes the dialog with Cancel
};

// Gives the dialog a fixed client size, the Verdana font and the centred position.
void setUpFixedDialog(QDialog *dialog, int width, int height);

// Header panel, 69 pixels high across the top, with the software code and a description line.
DialogHeader addDialogHeader(QDialog *dialog);

// Button panel, 40 pixels high across the bottom, with OK and Cancel at its right.
DialogButtons addDialogButtons(QDialog *dialog);

// Shows label text in grey, as the configurator's labels are.
void makeGrey(QWidget *widget);

// SPDX-License-Identifier: MIT
#include "app/message_box_prompter.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

using namespace Qt::StringLiterals;

namespace {
const QString BoxTitle = u"Tessaro"_s;
}

QWidget *MessageBoxPrompter::parentWidget() const
{
    QWidget *active = QApplication::activeModalWidget();
    if (!active)
        active = QApplication::activeWindow();
    return active ? active : m_fallbackParent;
}

void MessageBoxPrompter::showError(const QString &text)
{
    QMessageBox::critical(parentWidget(), BoxTitle, text, QMessageBox::Ok);
}

void MessageBoxPrompter::showWarning(const QString &text)
{
    QMessageBox::warning(parentWidget(), BoxTitle, text, QMessageBox::Ok);
}

bool MessageBoxPrompter::askYesNo(const QString &text)
{
    return QMessageBox::question(parentWidget(), BoxTitle, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No)
        == QMessageBox::Yes;
}

QString MessageBoxPrompter::pickSaveFile(const QString &folder, const QString &filter,
                                         const QString &defaultSuffix)
{
    QFileDialog dialog(parentWidget(), BoxTitle, folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
        ? dialog.selectedFiles().constFirst()
        : QString();
}

QString MessageBoxPrompter::pickFolder(const QString &folder)
{
    return QFileDialog::getExistingDirectory(parentWidget(), BoxTitle, folder);
}

// SPDX-License-Identifier: MIT
// Prompter over the desktop's message boxes and file dialogs.
#pragma once

#include "app/prompter.h"

class QWidget;

class MessageBoxPrompter final : public Prompter
{
public:
    // Boxes are shown over the active window, else over fallbackParent.
    explicit MessageBoxPrompter(QWidget *fallbackParent = nullptr) : m_fallbackParent(fallbackParent) {}
    void setFallbackParent(QWidget *parent) { m_fallbackParent = parent; }

    void showError(const QString &text) override;
    void showWarning(const QString &text) override;
    [[nodiscard]] bool askYesNo(const QString &text) override;
    [[nodiscard]] QString pickSaveFile(const QString &folder, const QString &filter,
                                       const QString &defaultSuffix) override;
    [[nodiscard]] QString pickFolder(const QString &folder) override;

private:
    [[nodiscard]] QWidget *parentWidget() const;
    QWidget *m_fallbackParent;
};

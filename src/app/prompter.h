// SPDX-License-Identifier: MIT
// The one door through which the windows talk to the user in boxes and pickers.
#pragma once

#include <QString>

class Prompter
{
public:
    virtual ~Prompter() = default;
    // Error box with one OK button.
    virtual void showError(const QString &text) = 0;
    // Warning box with one OK button.
    virtual void showWarning(const QString &text) = 0;
    // Question box with Yes and No; true only for Yes.
    [[nodiscard]] virtual bool askYesNo(const QString &text) = 0;
    // Save-file dialog opening in folder; an empty text when the user cancels.
    [[nodiscard]] virtual QString pickSaveFile(const QString &folder, const QString &filter,
                                               const QString &defaultSuffix) = 0;
    // Folder picker opening in folder; an empty text when the user cancels.
    [[nodiscard]] virtual QString pickFolder(const QString &folder) = 0;
};

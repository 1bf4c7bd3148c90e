// SPDX-License-Identifier: MIT
// The programme-wide state: workspace, settings, open project, catalogue, row clipboard.
#pragma once

#include "app/project.h"
#include "app/settings.h"
#include "app/workspace.h"
#include "messages/messages.h"

#include <QStringList>

struct AppState {
    Workspace workspace;
    Settings settings;
    ProjectState project;
    Messages messages;
    QStringList Row_Clipboard;   // cells of the last copied table row
    bool Update_Read_Back = true; // the update form's choices, kept for the run only
    int Update_Option = 0;
};

// What start-up could not read, in plain words, for one warning each.
struct StartupNotices {
    QString settingsError; // Tessaro.xml exists but could not be read
    QString languageError; // the language file exists but could not be read
};

// Start-up without windows: workspace folders, settings, catalogue, last project, file paths.
StartupNotices startUp(AppState &state, const QString &exeDir);

// Writes Tessaro.xml from the state.
[[nodiscard]] FileResult Save_Setting(const AppState &state);

// SPDX-License-Identifier: MIT
#include "app/app_state.h"

StartupNotices startUp(AppState &state, const QString &exeDir)
{
    StartupNotices notices;
    state.workspace = Workspace::at(exeDir);
    state.workspace.createFolders(); // the configurator starts also when this fails

    const SettingsReadResult read = readSettingsFile(state.workspace.settingsFile());
    state.settings = read.settings;
    if (read.malformed)
        notices.settingsError = read.error;

    const LoadLanguageResult language =
        Load_Language(state.messages, state.workspace.Language_Dir, state.settings.Language_Name);
    state.settings.Language_Name = language.languageName;
    if (!language.file.ok)
        notices.languageError = language.file.error;

    // A project whose folder is gone keeps its name for the next start, but is not open.
    state.project.Project_Name = state.settings.Project_Name;
    state.project.Project_Dir =
        existingProjectDir(state.workspace.Projects_Dir, state.project.Project_Name);
    state.project.Set_Files();
    state.Row_Clipboard.clear();
    return notices;
}

FileResult Save_Setting(const AppState &state)
{
    Settings settings = state.settings;
    settings.Project_Name = state.project.Project_Name;
    return writeSettingsFile(state.workspace.settingsFile(), settings);
}

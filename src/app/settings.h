// SPDX-License-Identifier: MIT
// The programme settings kept in Tessaro.xml beside the executable.
#pragma once

#include "common/file_io.h"

#include <QByteArray>
#include <QString>

struct Settings {
    QString Project_Name;
    QString Last_IP_Address = QStringLiteral("192.168.2.205");
    QString Language_Name = QStringLiteral("English");
    bool Enable_Internet = false;
    bool Enable_Update = false;
    bool Enable_Jump_Field_Tables = false;
    bool Double_Click_Auto_Size = false;

    // The update check runs only while both internet options are on.
    [[nodiscard]] bool updateCheckEnabled() const { return Enable_Internet && Enable_Update; }

    friend bool operator==(const Settings &, const Settings &) = default;
};

struct SettingsReadResult {
    Settings settings;   // defaults for whatever is missing or unreadable
    bool malformed = false;
    QString error;       // why the file could not be read, when malformed
};

// Reads the settings document; each value has its own fallback.
[[nodiscard]] SettingsReadResult readSettings(const QByteArray &bytes);
// Reads the settings file; a missing file gives the defaults without complaint.
[[nodiscard]] SettingsReadResult readSettingsFile(const QString &path);

// The whole settings document, element by element in the fixed order.
[[nodiscard]] QByteArray writeSettings(const Settings &settings);
// Replaces the settings file atomically.
[[nodiscard]] FileResult writeSettingsFile(const QString &path, const Settings &settings);

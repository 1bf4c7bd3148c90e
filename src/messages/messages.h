// SPDX-License-Identifier: MIT
// The message catalogue: every text the configurator shows, by number.
#pragma once

#include <QString>
#include <QStringList>

// Outcome of reading a language file; the catalogue is untouched unless ok.
struct LanguageFileResult {
    bool ok = true;
    QString error; // why the file could not be read, in plain words
};

class Messages
{
public:
    static constexpr int Count = 5600;
    // A language file may replace entries below this number only.
    static constexpr int Lng_Index_Limit = 5500;

    // Empty until Fill_Default_Messages runs.
    Messages() = default;

    // Empties the catalogue and fills it with the 5600 built-in texts.
    void Fill_Default_Messages();

    // Replaces the entries a language file names. A file that cannot be opened or decoded
    // leaves every entry as it was and reports why.
    LanguageFileResult Load_Lng_File(const QString &path);
    // The same rules over the bytes of a language file.
    LanguageFileResult loadLanguageBytes(const QByteArray &bytes);

    // Text of entry number; an empty text outside 0 to size() - 1.
    [[nodiscard]] QString text(int number) const;
    [[nodiscard]] QString operator[](int number) const { return text(number); }
    [[nodiscard]] int size() const { return int(m_texts.size()); }
    [[nodiscard]] const QStringList &texts() const { return m_texts; }

private:
    QStringList m_texts;
};

// Outcome of Load_Language.
struct LoadLanguageResult {
    QString languageName;      // the name in force afterwards ("English" after a fallback)
    LanguageFileResult file;   // failure of a language file that exists but cannot be read
};

// Rebuilds the catalogue for a language: built-in texts, then languageDir/<name>.lng, or
// languageDir/English.lng with the name "English" when that file is missing.
[[nodiscard]] LoadLanguageResult Load_Language(Messages &messages, const QString &languageDir,
                                               const QString &languageName);

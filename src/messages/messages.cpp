// SPDX-License-Identifier: MIT
// The message catalogue and the reader of language files.
#include "messages/messages.h"

#include "common/file_io.h"
#include "common/text_rules.h"
#include "messages/default_texts.h"

#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>

#include <array>
#include <utility>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// Windows-1252 code points of the bytes 0x80 to 0x9F. The five bytes the code page leaves
// undefined map to the control character of the same value, as Windows itself reads them.
constexpr std::array<char16_t, 32> Cp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString fromWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        *out++ = (byte >= 0x80 && byte <= 0x9F) ? QChar(Cp1252High[byte - 0x80]) : QChar(char16_t(byte));
    }
    return text;
}

// Decodes a whole file with one converter; false when the bytes are not valid for it.
bool decodeStrict(QStringConverter::Encoding encoding, QByteArrayView bytes, QString &text)
{
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
    text = decoder.decode(bytes);
    return !decoder.hasError();
}

struct DecodedFile {
    bool ok = false;
    QString text;
    QString error;
};

// A byte-order mark selects UTF-8 or UTF-16 in either byte order. Files without one are
// taken as UTF-8 when they are valid UTF-8 and as Windows-1252 otherwise, so that files
// saved by any editor on either kind of desktop load.
DecodedFile decodeLanguageFile(QByteArrayView bytes)
{
    DecodedFile result;
    const auto withBom = [&](QStringConverter::Encoding encoding, qsizetype bomSize,
                             const QString &name) {
        const QByteArrayView body = bytes.sliced(bomSize);
        // The decoder lets a lone last byte of UTF-16 pass; such a file is cut short.
        const bool wholeUnits = encoding == QStringConverter::Utf8 || body.size() % 2 == 0;
        result.ok = wholeUnits && decodeStrict(encoding, body, result.text);
        if (!result.ok)
            result.error = u"The language file is marked as "_s + name
                + u" but holds bytes that are not valid "_s + name + u"."_s;
        return result;
    };

    if (bytes.startsWith("\xEF\xBB\xBF"))
        return withBom(QStringConverter::Utf8, 3, u"UTF-8"_s);
    if (bytes.startsWith("\xFF\xFE"))
        return withBom(QStringConverter::Utf16LE, 2, u"UTF-16"_s);
    if (bytes.startsWith("\xFE\xFF"))
        return withBom(QStringConverter::Utf16BE, 2, u"UTF-16"_s);

    result.ok = true;
    if (!decodeStrict(QStringConverter::Utf8, bytes, result.text))
        result.text = fromWindows1252(bytes);
    return result;
}

// Splits at CR LF, LF or CR.
std::vector<QStringView> splitLines(QStringView text)
{
    std::vector<QStringView> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        lines.push_back(text.sliced(start, i - start));
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.push_back(text.sliced(start));
    return lines;
}

constexpr QChar Pilcrow = QChar(0x00B6);

// One line of a language file: "STR" number "=" text, with an optional "/#/" comment and
// "¶" marks around a text that keeps its outer blanks. Lines of any other form, numbers
// out of range and texts that are empty (also once the comment is cut) give nothing.
bool parseLine(QStringView rawLine, int &number, QString &text)
{
    const QString line = trimText(rawLine.toString());
    if (!line.startsWith(u"STR", Qt::CaseSensitive))
        return false;

    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0)
        return false;
    number = intFromText(trimText(line.mid(3, equals - 3)), -1);
    if (number < 0 || number >= Messages::Lng_Index_Limit)
        return false;

    text = trimText(line.mid(equals + 1));
    const qsizetype comment = text.indexOf(u"/#/");
    if (comment >= 0)
        text = trimText(text.left(comment));
    if (text.isEmpty())
        return false;

    if (text.startsWith(Pilcrow))
        text.remove(0, 1);
    const qsizetype end = text.indexOf(Pilcrow);
    if (end >= 0)
        text.truncate(end);
    return true;
}

QString languageFilePath(const QString &languageDir, const QString &languageName)
{
    return joinPath(languageDir, languageName + u".lng"_s);
}

} // namespace

void Messages::Fill_Default_Messages()
{
    m_texts = QStringList(Count, u" "_s);
    for (const DefaultText &entry : defaultTexts()) {
        if (entry.number >= 0 && entry.number < Count)
            m_texts[entry.number] = QString::fromUtf16(entry.text);
    }
}

LanguageFileResult Messages::Load_Lng_File(const QString &path)
{
    QByteArray bytes;
    const FileResult read = readWholeFile(path, bytes);
    if (!read.ok)
        return {false, u"The language file "_s + QDir::toNativeSeparators(path) + u" cannot be read: "_s + read.error};
    return loadLanguageBytes(bytes);
}

LanguageFileResult Messages::loadLanguageBytes(const QByteArray &bytes)
{
    const DecodedFile decoded = decodeLanguageFile(bytes);
    if (!decoded.ok)
        return {false, decoded.error};

    // Every line is read before the first entry changes, so a file that fails leaves the
    // catalogue as it was. Numbers beyond the current catalogue (not filled yet) are skipped.
    std::vector<std::pair<int, QString>> entries;
    for (const QStringView line : splitLines(decoded.text)) {
        int number = -1;
        QString text;
        if (parseLine(line, number, text))
            entries.emplace_back(number, std::move(text));
    }
    for (auto &[number, text] : entries) {
        if (number < size())
            m_texts[number] = std::move(text);
    }
    return {};
}

QString Messages::text(int number) const
{
    if (number < 0 || number >= size())
        return {};
    return m_texts.at(number);
}

LoadLanguageResult Load_Language(Messages &messages, const QString &languageDir,
                                 const QString &languageName)
{
    LoadLanguageResult result;
    result.languageName = languageName;
    messages.Fill_Default_Messages();

    QString path = languageFilePath(languageDir, languageName);
    if (!QFileInfo::exists(path)) {
        result.languageName = u"English"_s;
        path = languageFilePath(languageDir, result.languageName);
        if (!QFileInfo::exists(path))
            return result;
    }

    // A file that cannot be read changes nothing, so the built-in texts stay in force.
    result.file = messages.Load_Lng_File(path);
    return result;
}

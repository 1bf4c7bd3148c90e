// SPDX-License-Identifier: MIT
#include "devicefiles/iodd_zip.h"

#include "devicefiles/iodd_document.h"

#include <QFileInfo>

#include <zip.h>

using namespace Qt::StringLiterals;

namespace {

QString zipErrorText(zip_error_t *error)
{
    return QString::fromLocal8Bit(zip_error_strerror(error));
}

// MS-DOS date and time fields of an entry; the format starts in 1980.
struct DosTime {
    zip_uint16_t time = 0;
    zip_uint16_t date = (1 << 5) | 1; // 1980-01-01
};

DosTime dosTimeOf(const QDateTime &moment)
{
    const QDate date = moment.date();
    const QTime time = moment.time();
    DosTime dos;
    if (!date.isValid() || date.year() < 1980 || date.year() > 2107)
        return dos;
    dos.date = zip_uint16_t(((date.year() - 1980) << 9) | (date.month() << 5) | date.day());
    dos.time = zip_uint16_t((time.hour() << 11) | (time.minute() << 5) | (time.second() / 2));
    return dos;
}

// The bytes a buffer source holds after the archive was written into it.
bool readSource(zip_source_t *source, QByteArray &bytes)
{
    if (zip_source_open(source) < 0)
        return false;
    bool ok = zip_source_seek(source, 0, SEEK_END) == 0;
    const zip_int64_t size = ok ? zip_source_tell(source) : -1;
    ok = size >= 0 && zip_source_seek(source, 0, SEEK_SET) == 0;
    if (ok) {
        bytes.resize(qsizetype(size));
        ok = zip_source_read(source, bytes.data(), zip_uint64_t(size)) == size;
    }
    zip_source_close(source);
    return ok;
}

} // namespace

ZipArchiveBytes zipArchiveBytes(const QList<ZipEntry> &entries, const QDateTime &modified)
{
    ZipArchiveBytes result;
    zip_error_t error;
    zip_error_init(&error);
    auto fail = [&](const QString &why) {
        result.ok = false;
        result.error = why;
        result.bytes.clear();
        return result;
    };

    zip_source_t *target = zip_source_buffer_create(nullptr, 0, 0, &error);
    if (!target) {
        const QString why = zipErrorText(&error);
        zip_error_fini(&error);
        return fail(why);
    }
    zip_t *archive = zip_open_from_source(target, ZIP_TRUNCATE, &error);
    if (!archive) {
        zip_source_free(target);
        const QString why = zipErrorText(&error);
        zip_error_fini(&error);
        return fail(why);
    }
    zip_error_fini(&error);
    zip_source_keep(target); // read back after the archive is closed

    const DosTime dos = dosTimeOf(modified);
    for (const ZipEntry &entry : entries) {
        // The data stays alive in entries until zip_close has compressed it.
        zip_source_t *source = zip_source_buffer(archive, entry.data.constData(), zip_uint64_t(entry.data.size()), 0);
        const zip_int64_t index =
            source ? zip_file_add(archive, entry.name.toUtf8().constData(), source, ZIP_FL_ENC_GUESS) : -1;
        if (index < 0) {
            if (source)
                zip_source_free(source);
            const QString why = u"%1: %2"_s.arg(entry.name, QString::fromLocal8Bit(zip_strerror(archive)));
            zip_discard(archive);
            zip_source_free(target);
            return fail(why);
        }
        if (zip_set_file_compression(archive, zip_uint64_t(index), ZIP_CM_DEFLATE, 0) < 0
            || zip_file_set_dostime(archive, zip_uint64_t(index), dos.time, dos.date, 0) < 0) {
            const QString why = u"%1: %2"_s.arg(entry.name, QString::fromLocal8Bit(zip_strerror(archive)));
            zip_discard(archive);
            zip_source_free(target);
            return fail(why);
        }
    }
    if (zip_close(archive) < 0) {
        const QString why = QString::fromLocal8Bit(zip_strerror(archive));
        zip_discard(archive);
        zip_source_free(target);
        return fail(why);
    }
    const bool read = readSource(target, result.bytes);
    zip_source_free(target);
    if (!read)
        return fail(u"the archive could not be read back from memory"_s);
    return result;
}

FileResult Pack_IODD_Zip(const QString &archivePath, const QString &ioddPath, const QString &ioddDir,
                         const QDateTime &modified)
{
    QList<ZipEntry> entries;
    const QStringList sources = {ioddPath, joinPath(ioddDir, Iodd::SymbolFile), joinPath(ioddDir, Iodd::IconFile),
                                 joinPath(ioddDir, Iodd::LogoFile)};
    for (const QString &path : sources) {
        ZipEntry entry;
        entry.name = QFileInfo(path).fileName();
        const FileResult read = readWholeFile(path, entry.data);
        if (!read.ok)
            return {false, u"%1: %2"_s.arg(path, read.error)};
        entries.append(std::move(entry));
    }
    const ZipArchiveBytes archive = zipArchiveBytes(entries, modified);
    if (!archive.ok)
        return {false, u"%1: %2"_s.arg(archivePath, archive.error)};
    const FileResult written = writeFileAtomically(archivePath, archive.bytes);
    if (!written.ok)
        return {false, u"%1: %2"_s.arg(archivePath, written.error)};
    return {};
}

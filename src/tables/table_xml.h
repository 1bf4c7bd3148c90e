// SPDX-License-Identifier: MIT
// Reading and writing the row lists of the table files; for the four file modules only.
#pragma once

#include "common/file_io.h"
#include "common/xml_io.h"
#include "tables/table_file.h"

#include <QByteArray>
#include <QFileInfo>
#include <QList>
#include <QString>

#include <pugixml.hpp>

#include <utility>

// Collects the first problem met while reading one document; later problems keep it.
class TableDocumentReader {
public:
    // label names the document in error texts: the path of a file, or the file's usual name.
    explicit TableDocumentReader(QString label) : m_label(std::move(label)) {}

    // Parses bytes; false (status Malformed) when they are not a well-formed document.
    [[nodiscard]] bool parse(const QByteArray &bytes);
    // The first element of the document, whatever its name.
    [[nodiscard]] pugi::xml_node root() const { return rootOf(m_document); }

    // The child element called name under parent; when it is missing and required, notes
    // ListMissing. An empty node when missing.
    pugi::xml_node list(const pugi::xml_node &parent, const char *name, bool required);

    // Reads every child element of list into rows, each attribute by itself: a missing one keeps
    // the row's default and is named in missingAttributes. More than Row::rowCapacity rows are
    // all kept and noted as TooManyRows: the grid cannot show them, while the device tables
    // the image compiler fills are larger.
    template <typename Row>
    void readRows(const pugi::xml_node &list, QList<Row> &rows)
    {
        rows.clear();
        if (!list)
            return;
        qsizetype count = 0;
        for (pugi::xml_node child = list.first_child(); child; child = child.next_sibling()) {
            if (child.type() != pugi::node_element)
                continue;
            ++count;
            Row row;
            for (const TableAttribute<Row> &attribute : Row::attributes()) {
                const pugi::xml_attribute value = child.attribute(attribute.name);
                if (value)
                    row.*attribute.cell = QString::fromUtf8(value.value());
                else
                    row.missingAttributes.append(QString::fromLatin1(attribute.name));
            }
            rows.append(std::move(row));
        }
        if (count > Row::rowCapacity)
            noteTooManyRows(list.name(), count, Row::rowCapacity);
    }

    template <typename Data>
    [[nodiscard]] TableReadResult<Data> result(Data data) const
    {
        TableReadResult<Data> read;
        read.status = m_status;
        read.error = m_error;
        if (m_status != TableFileStatus::Malformed)
            read.data = std::move(data);
        return read;
    }

private:
    void note(TableFileStatus status, const QString &error);
    void noteTooManyRows(const char *listName, qsizetype count, int capacity);

    QString m_label;
    pugi::xml_document m_document;
    TableFileStatus m_status = TableFileStatus::Loaded;
    QString m_error;
};

// Error text of a file that is missing.
[[nodiscard]] QString tableFileNotFoundText(const QString &path);

// Reads the file at path through readBytes(bytes, label): NotFound when there is no file,
// Unreadable when it exists but cannot be read.
template <typename Data>
[[nodiscard]] TableReadResult<Data> readTableFile(
    const QString &path, TableReadResult<Data> (*readBytes)(const QByteArray &, const QString &))
{
    TableReadResult<Data> read;
    if (!QFileInfo::exists(path)) {
        read.status = TableFileStatus::NotFound;
        read.error = tableFileNotFoundText(path);
        return read;
    }
    QByteArray bytes;
    const FileResult loaded = readWholeFile(path, bytes);
    if (!loaded.ok) {
        read.status = TableFileStatus::Unreadable;
        read.error = unreadableFileText(path, loaded.error);
        return read;
    }
    return readBytes(bytes, path);
}

// A new document: the root element called rootName, then the version comment after it.
pugi::xml_node startTableDocument(pugi::xml_document &document, const char *rootName);

// Adds the element name under parent with one row element per row, every attribute in order.
template <typename Row>
void writeRows(pugi::xml_node parent, const char *name, const QList<Row> &rows)
{
    pugi::xml_node list = parent.append_child(name);
    for (const Row &row : rows) {
        pugi::xml_node element = list.append_child("row");
        for (const TableAttribute<Row> &attribute : Row::attributes())
            element.append_attribute(attribute.name).set_value((row.*attribute.cell).toUtf8().constData());
    }
}

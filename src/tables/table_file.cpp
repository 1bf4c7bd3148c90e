// SPDX-License-Identifier: MIT
#include "tables/table_file.h"

#include "common/text_rules.h"
#include "tables/table_xml.h"

using namespace Qt::StringLiterals;

bool isBlankCell(const QString &text)
{
    return trimText(text).isEmpty();
}

bool checkBoxChecked(const QString &text)
{
    return trimText(text).toUpper() == CheckedText;
}

bool TableDocumentReader::parse(const QByteArray &bytes)
{
    const XmlReadResult parsed = parseXml(bytes, m_document);
    if (!parsed.ok) {
        note(TableFileStatus::Malformed, malformedXmlText(m_label, parsed.error));
        return false;
    }
    // A document with no element at all cannot hold the tables either.
    if (!root()) {
        note(TableFileStatus::Malformed, u"%1: the document has no root element"_s.arg(m_label));
        return false;
    }
    return true;
}

pugi::xml_node TableDocumentReader::list(const pugi::xml_node &parent, const char *name, bool required)
{
    const pugi::xml_node found = parent.child(name);
    if (!found && required) {
        note(TableFileStatus::ListMissing,
             u"%1: the element %2 is missing under %3"_s.arg(
                 m_label, QString::fromLatin1(name), QString::fromUtf8(parent.name())));
    }
    return found;
}

void TableDocumentReader::note(TableFileStatus status, const QString &error)
{
    if (m_status != TableFileStatus::Loaded)
        return;
    m_status = status;
    m_error = error;
}

void TableDocumentReader::noteTooManyRows(const char *listName, qsizetype count, int capacity)
{
    note(TableFileStatus::TooManyRows,
         u"%1: the element %2 holds %3 rows, more than the %4 its table takes"_s
             .arg(m_label, QString::fromUtf8(listName))
             .arg(count)
             .arg(capacity));
}

QString tableFileNotFoundText(const QString &path)
{
    return u"%1: the file does not exist"_s.arg(path);
}


pugi::xml_node startTableDocument(pugi::xml_document &document, const char *rootName)
{
    document.reset();
    pugi::xml_node root = document.append_child(rootName);
    document.append_child(pugi::node_comment).set_value(TableFileVersionComment);
    return root;
}

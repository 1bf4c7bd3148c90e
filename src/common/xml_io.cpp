// SPDX-License-Identifier: MIT
#include "common/xml_io.h"


using namespace Qt::StringLiterals;

XmlReadResult parseXml(const QByteArray &bytes, pugi::xml_document &document)
{
    const pugi::xml_parse_result parsed = document.load_buffer(
        bytes.constData(), size_t(bytes.size()), pugi::parse_default | pugi::parse_ws_pcdata_single);
    if (parsed)
        return {};
    return {false, u"%1 at byte %2"_s.arg(QString::fromUtf8(parsed.description())).arg(parsed.offset)};
}

QString malformedXmlText(const QString &file, const QString &reason)
{
    return u"%1: not well-formed XML: %2"_s.arg(file, reason);
}

namespace {
struct ByteArrayWriter final : pugi::xml_writer {
    QByteArray bytes;
    void write(const void *data, size_t size) override
    {
        bytes.append(static_cast<const char *>(data), qsizetype(size));
    }
};
} // namespace

QByteArray xmlBytes(const pugi::xml_document &document)
{
    ByteArrayWriter writer;
    document.save(writer, "",
                  pugi::format_raw | pugi::format_no_declaration | pugi::format_no_empty_element_tags,
                  pugi::encoding_utf8);
    return writer.bytes;
}

pugi::xml_node rootOf(const pugi::xml_document &document)
{
    return document.document_element();
}

QString elementText(const pugi::xml_node &element)
{
    return QString::fromUtf8(element.text().get());
}

void addTextElement(pugi::xml_node parent, const char *name, const QString &text)
{
    pugi::xml_node element = parent.append_child(name);
    if (!text.isEmpty())
        element.text().set(text.toUtf8().constData());
}

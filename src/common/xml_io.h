// SPDX-License-Identifier: MIT
// Reading and writing the configurator's XML files through pugixml.
#pragma once

#include <QByteArray>
#include <QString>

#include <pugixml.hpp>

struct XmlReadResult {
    bool ok = true;
    QString error; // parser's description with the byte offset when !ok
};

// Parses a document; blank-only element texts are kept (a project may be named " ").
[[nodiscard]] XmlReadResult parseXml(const QByteArray &bytes, pugi::xml_document &document);

// "file: not well-formed XML: reason", the configurator's words for a document that does not parse.
[[nodiscard]] QString malformedXmlText(const QString &file, const QString &reason);

// The document as the files hold it: UTF-8, no declaration, no indentation.
[[nodiscard]] QByteArray xmlBytes(const pugi::xml_document &document);

// The first top-level element, whatever its name; the files' readers do not compare it.
[[nodiscard]] pugi::xml_node rootOf(const pugi::xml_document &document);

// Text of an element as a QString (empty for a missing element).
[[nodiscard]] QString elementText(const pugi::xml_node &element);

// Adds <name>text</name> below parent.
void addTextElement(pugi::xml_node parent, const char *name, const QString &text);

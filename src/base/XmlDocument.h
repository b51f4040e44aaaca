#pragma once

#include <QString>

#include <memory>

#include <pugixml.hpp>

// The XML document service: every XML file the program reads and the XML it generates go
// through these classes. Nodes keep their document alive, so a node may outlive the
// XmlDocument object it came from.

struct XmlParseError {
    int errorCode = 0;  // 0 = success
    QString reason;
    int line = 0;     // 1-based
    int linepos = 0;  // 1-based position in the line
    QString srcText;  // the text of the failing line
};

class XmlNodeList;

class XmlNode {
public:
    XmlNode() = default;

    bool IsNull() const { return !m_node && !m_attribute; }
    explicit operator bool() const { return !IsNull(); }
    bool IsElement() const;
    bool IsAttribute() const { return static_cast<bool>(m_attribute); }

    // Element or attribute name; "#text", "#cdata-section", "#comment", "#document" otherwise.
    QString nodeName() const;
    // Attribute: its value, references resolved. Element or document: the text of all
    // descendants, outer white space trimmed. Text node: its text.
    QString text() const;
    // Attribute, text, comment: the value; element and document: "".
    QString nodeValue() const;
    QString namespaceURI() const;
    XmlNode lastChild() const;
    XmlNodeList childNodes() const;
    // First node matching the path (elements and attribute steps such as "THEME/@build");
    // a null node when nothing matches or the path is not valid.
    XmlNode selectSingleNode(const QString& xpath) const;

    // Convenience: the value of an attribute of this element, or fallback when absent.
    QString Attribute(const QString& name, const QString& fallback = QString()) const;

private:
    friend class XmlDocument;
    friend class XmlNodeList;
    XmlNode(std::shared_ptr<pugi::xml_document> doc, pugi::xml_node node, pugi::xml_attribute attribute = {});

    std::shared_ptr<pugi::xml_document> m_doc;
    pugi::xml_node m_node;
    pugi::xml_attribute m_attribute;
};

// Child nodes in document order.
class XmlNodeList {
public:
    int length() const { return static_cast<int>(m_nodes.size()); }
    XmlNode item(int index) const;

    auto begin() const { return m_nodes.begin(); }
    auto end() const { return m_nodes.end(); }

private:
    friend class XmlNode;
    std::vector<XmlNode> m_nodes;
};

class XmlDocument {
public:
    XmlDocument();

    // Reads a file, its path taken as given. False and parseError() set on failure.
    bool load(const QString& path);
    // Parses a document held in memory.
    bool loadXML(const QString& text);
    // Writes the document (UTF-8); false when the file cannot be written.
    bool save(const QString& path) const;

    const XmlParseError& parseError() const { return m_error; }

    XmlNode DocumentElement() const;
    XmlNode selectSingleNode(const QString& xpath) const;
    XmlNodeList childNodes() const;
    XmlNode AsNode() const;

private:
    bool Parse(const QByteArray& bytes, bool forceUtf8);

    std::shared_ptr<pugi::xml_document> m_doc;
    XmlParseError m_error;
};

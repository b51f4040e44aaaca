#include "base/XmlDocument.h"

#include <QFile>
#include <QSaveFile>

namespace {

constexpr unsigned kParseFlags = pugi::parse_default | pugi::parse_declaration;

QString FromUtf8(const char* text)
{
    return QString::fromUtf8(text);
}

// Reasons worded the way users of XML tools know them.
QString ReasonFor(pugi::xml_parse_status status)
{
    switch (status) {
    case pugi::status_file_not_found:
        return QStringLiteral("The system cannot locate the object specified.");
    case pugi::status_io_error:
        return QStringLiteral("The file could not be read.");
    case pugi::status_out_of_memory:
        return QStringLiteral("Not enough memory to read the document.");
    case pugi::status_unrecognized_tag:
        return QStringLiteral("A name was started with an invalid character.");
    case pugi::status_bad_pi:
        return QStringLiteral("Invalid processing instruction or XML declaration.");
    case pugi::status_bad_comment:
        return QStringLiteral("Invalid comment.");
    case pugi::status_bad_cdata:
        return QStringLiteral("Invalid CDATA section.");
    case pugi::status_bad_doctype:
        return QStringLiteral("Invalid document type declaration.");
    case pugi::status_bad_pcdata:
        return QStringLiteral("Invalid character data.");
    case pugi::status_bad_start_element:
        return QStringLiteral("Invalid start tag.");
    case pugi::status_bad_attribute:
        return QStringLiteral("Invalid attribute or missing quote.");
    case pugi::status_bad_end_element:
        return QStringLiteral("Invalid end tag.");
    case pugi::status_end_element_mismatch:
        return QStringLiteral("End tag does not match the start tag.");
    case pugi::status_append_invalid_root:
        return QStringLiteral("Invalid document root.");
    case pugi::status_no_document_element:
        return QStringLiteral("XML document must have a top level element.");
    default:
        return QStringLiteral("Unknown XML error.");
    }
}

void LocateOffset(const QByteArray& bytes, qsizetype offset, XmlParseError& error)
{
    offset = std::clamp<qsizetype>(offset, 0, bytes.size());
    qsizetype lineStart = 0;
    int line = 1;
    for (qsizetype i = 0; i < offset; ++i) {
        if (bytes[i] == '\n') {
            ++line;
            lineStart = i + 1;
        }
    }
    qsizetype lineEnd = bytes.indexOf('\n', lineStart);
    if (lineEnd < 0)
        lineEnd = bytes.size();
    QByteArray lineBytes = bytes.mid(lineStart, lineEnd - lineStart);
    if (lineBytes.endsWith('\r'))
        lineBytes.chop(1);
    error.line = line;
    error.linepos = static_cast<int>(QString::fromUtf8(bytes.mid(lineStart, offset - lineStart)).size()) + 1;
    error.srcText = QString::fromUtf8(lineBytes);
}

bool IsTextNode(pugi::xml_node node)
{
    return node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata;
}

// The descendants are walked without recursion: a deeply nested document must not exhaust the
// stack.
void CollectText(pugi::xml_node root, std::string& out)
{
    pugi::xml_node node = root.first_child();
    while (node) {
        if (IsTextNode(node))
            out += node.value();
        if (node.type() == pugi::node_element && node.first_child()) {
            node = node.first_child();
            continue;
        }
        while (node != root && !node.next_sibling())
            node = node.parent();
        node = node == root ? pugi::xml_node() : node.next_sibling();
    }
}

bool IsListedChild(pugi::xml_node node)
{
    switch (node.type()) {
    case pugi::node_element:
    case pugi::node_pcdata:
    case pugi::node_cdata:
    case pugi::node_comment:
    case pugi::node_pi:
        return true;
    default:
        return false;
    }
}

}  // namespace

// ---- XmlNode ----

XmlNode::XmlNode(std::shared_ptr<pugi::xml_document> doc, pugi::xml_node node, pugi::xml_attribute attribute)
    : m_doc(std::move(doc))
    , m_node(node)
    , m_attribute(attribute)
{
}

bool XmlNode::IsElement() const
{
    return !m_attribute && m_node.type() == pugi::node_element;
}

QString XmlNode::nodeName() const
{
    if (m_attribute)
        return FromUtf8(m_attribute.name());
    switch (m_node.type()) {
    case pugi::node_element:
    case pugi::node_pi:
        return FromUtf8(m_node.name());
    case pugi::node_pcdata:
        return QStringLiteral("#text");
    case pugi::node_cdata:
        return QStringLiteral("#cdata-section");
    case pugi::node_comment:
        return QStringLiteral("#comment");
    case pugi::node_document:
        return QStringLiteral("#document");
    default:
        return QString();
    }
}

QString XmlNode::text() const
{
    if (m_attribute)
        return FromUtf8(m_attribute.value());
    if (!m_node)
        return QString();
    if (m_node.type() == pugi::node_element || m_node.type() == pugi::node_document) {
        std::string collected;
        CollectText(m_node, collected);
        return QString::fromStdString(collected).trimmed();
    }
    return FromUtf8(m_node.value());
}

QString XmlNode::nodeValue() const
{
    if (m_attribute)
        return FromUtf8(m_attribute.value());
    if (!m_node || m_node.type() == pugi::node_element || m_node.type() == pugi::node_document)
        return QString();
    return FromUtf8(m_node.value());
}

QString XmlNode::namespaceURI() const
{
    if (IsNull())
        return QString();
    const QString name = nodeName();
    const qsizetype colon = name.indexOf(QLatin1Char(':'));
    if (m_attribute && colon < 0)
        return QString();  // unprefixed attributes are in no namespace
    if (!m_attribute && m_node.type() != pugi::node_element)
        return QString();
    const QString prefix = colon < 0 ? QString() : name.left(colon);
    if (prefix == QLatin1String("xml"))
        return QStringLiteral("http://www.w3.org/XML/1998/namespace");
    const std::string wanted = prefix.isEmpty() ? std::string("xmlns") : "xmlns:" + prefix.toStdString();
    for (pugi::xml_node n = m_attribute ? m_node : m_node; n; n = n.parent()) {
        if (pugi::xml_attribute decl = n.attribute(wanted.c_str()))
            return FromUtf8(decl.value());
    }
    return QString();
}

XmlNode XmlNode::lastChild() const
{
    if (m_attribute || !m_node)
        return XmlNode();
    for (pugi::xml_node child = m_node.last_child(); child; child = child.previous_sibling()) {
        if (IsListedChild(child))
            return XmlNode(m_doc, child);
    }
    return XmlNode();
}

XmlNodeList XmlNode::childNodes() const
{
    XmlNodeList list;
    if (m_attribute || !m_node)
        return list;
    for (pugi::xml_node child = m_node.first_child(); child; child = child.next_sibling()) {
        if (IsListedChild(child))
            list.m_nodes.push_back(XmlNode(m_doc, child));
    }
    return list;
}

XmlNode XmlNode::selectSingleNode(const QString& xpath) const
{
    if (m_attribute || !m_node || xpath.isEmpty())
        return XmlNode();
    try {
        const pugi::xpath_query query(xpath.toUtf8().constData());
        if (!query)
            return XmlNode();
        const pugi::xpath_node found = query.evaluate_node(m_node);
        if (found.attribute())
            return XmlNode(m_doc, found.parent(), found.attribute());
        if (found.node())
            return XmlNode(m_doc, found.node());
    } catch (const std::exception&) {
        // An invalid path selects nothing.
    }
    return XmlNode();
}

QString XmlNode::Attribute(const QString& name, const QString& fallback) const
{
    if (m_attribute || !m_node)
        return fallback;
    const pugi::xml_attribute a = m_node.attribute(name.toUtf8().constData());
    return a ? FromUtf8(a.value()) : fallback;
}

XmlNode XmlNodeList::item(int index) const
{
    if (index < 0 || index >= length())
        return XmlNode();
    return m_nodes[static_cast<size_t>(index)];
}

// ---- XmlDocument ----

XmlDocument::XmlDocument()
    : m_doc(std::make_shared<pugi::xml_document>())
{
}

bool XmlDocument::Parse(const QByteArray& bytes, bool forceUtf8)
{
    // A fresh document each time, so nodes handed out earlier stay valid.
    m_doc = std::make_shared<pugi::xml_document>();
    m_error = XmlParseError();
    const pugi::xml_parse_result result = m_doc->load_buffer(
        bytes.constData(), static_cast<size_t>(bytes.size()), kParseFlags, forceUtf8 ? pugi::encoding_utf8 : pugi::encoding_auto);
    if (!result) {
        m_error.errorCode = static_cast<int>(result.status);
        m_error.reason = ReasonFor(result.status);
        auto offset = static_cast<qsizetype>(result.offset);
        // The parser reports an element left open at the end as a mismatch at that element;
        // say what happened and point at the end of the text.
        if (result.status == pugi::status_end_element_mismatch && (offset < 2 || bytes.mid(offset - 2, 2) != "</")) {
            m_error.reason = QStringLiteral("Unexpected end of input: an element is not closed.");
            offset = bytes.size();
        }
        LocateOffset(bytes, offset, m_error);
        m_doc = std::make_shared<pugi::xml_document>();
        return false;
    }
    // A document holds exactly one top-level element.
    int elements = 0;
    for (pugi::xml_node child = m_doc->first_child(); child; child = child.next_sibling()) {
        if (child.type() != pugi::node_element)
            continue;
        if (++elements == 2) {
            m_error.errorCode = static_cast<int>(pugi::status_append_invalid_root);
            m_error.reason = QStringLiteral("Only one top level element is allowed in an XML document.");
            LocateOffset(bytes, std::max<qsizetype>(0, child.offset_debug() - 1), m_error);
            m_doc = std::make_shared<pugi::xml_document>();
            return false;
        }
    }
    if (elements == 0) {
        m_error.errorCode = static_cast<int>(pugi::status_no_document_element);
        m_error.reason = ReasonFor(pugi::status_no_document_element);
        LocateOffset(bytes, bytes.size(), m_error);
        return false;
    }
    return true;
}

bool XmlDocument::load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_doc = std::make_shared<pugi::xml_document>();
        m_error = XmlParseError();
        m_error.errorCode = static_cast<int>(file.exists() ? pugi::status_io_error : pugi::status_file_not_found);
        m_error.reason = ReasonFor(static_cast<pugi::xml_parse_status>(m_error.errorCode));
        return false;
    }
    return Parse(file.readAll(), false);
}

bool XmlDocument::loadXML(const QString& text)
{
    return Parse(text.toUtf8(), true);
}

namespace {

struct ByteWriter : pugi::xml_writer {
    QByteArray bytes;
    void write(const void* data, size_t size) override
    {
        bytes.append(static_cast<const char*>(data), static_cast<qsizetype>(size));
    }
};

}  // namespace

bool XmlDocument::save(const QString& path) const
{
    // Written in the encoding the declaration names, so that the file reads back the same.
    pugi::xml_encoding encoding = pugi::encoding_utf8;
    for (pugi::xml_node child = m_doc->first_child(); child; child = child.next_sibling()) {
        if (child.type() != pugi::node_declaration)
            continue;
        const QString declared = QString::fromUtf8(child.attribute("encoding").value()).toUpper();
        if (declared == QLatin1String("ISO-8859-1") || declared == QLatin1String("LATIN1"))
            encoding = pugi::encoding_latin1;
        else if (declared.startsWith(QLatin1String("UTF-16")))
            encoding = pugi::encoding_utf16_le;
    }
    ByteWriter writer;
    m_doc->save(writer, "", pugi::format_raw | (encoding == pugi::encoding_utf16_le ? pugi::format_write_bom : 0u), encoding);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(writer.bytes);
    return file.commit();
}

XmlNode XmlDocument::DocumentElement() const
{
    return XmlNode(m_doc, m_doc->document_element());
}

XmlNode XmlDocument::selectSingleNode(const QString& xpath) const
{
    return AsNode().selectSingleNode(xpath);
}

XmlNodeList XmlDocument::childNodes() const
{
    return AsNode().childNodes();
}

XmlNode XmlDocument::AsNode() const
{
    return XmlNode(m_doc, *m_doc);
}

#include "browser/RecentlyUsedFile.h"

#include "base/FileNames.h"
#include "base/Version.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QUrl>

#include <pugixml.hpp>

namespace {

constexpr const char* kBookmarkNamespace = "http://www.freedesktop.org/standards/desktop-bookmarks";
constexpr const char* kMimeNamespace = "http://www.freedesktop.org/standards/shared-mime-info";
constexpr const char* kMetadataOwner = "http://freedesktop.org";

struct MimeType {
    const char* extension;
    const char* type;
};

// The types the desktop knows our files by.
const MimeType kMimeTypes[] = {
    {".swf", "application/vnd.adobe.flash.movie"},
    {".flv", "video/x-flv"},
    {".vorlen", "application/x-vorlen-playlist"},
    {".exe", "application/x-ms-dos-executable"},
};

const char* MimeTypeOf(const QString& path)
{
    const QString ext = ExtensionOf(path);
    for (const MimeType& mime : kMimeTypes) {
        if (ext.compare(QLatin1String(mime.extension), Qt::CaseInsensitive) == 0)
            return mime.type;
    }
    return "application/octet-stream";
}

struct ByteWriter : pugi::xml_writer {
    QByteArray bytes;
    void write(const void* data, size_t size) override
    {
        bytes.append(static_cast<const char*>(data), static_cast<qsizetype>(size));
    }
};

pugi::xml_node ChildOrNew(pugi::xml_node parent, const char* name)
{
    pugi::xml_node child = parent.child(name);
    return child ? child : parent.append_child(name);
}

void SetAttribute(pugi::xml_node node, const char* name, const QByteArray& value)
{
    pugi::xml_attribute attribute = node.attribute(name);
    if (!attribute)
        attribute = node.append_attribute(name);
    attribute.set_value(value.constData());
}

// The list as it is on disk, or a new empty one; false when the file exists but is no such list.
bool LoadList(const QString& file, pugi::xml_document& document)
{
    if (QFileInfo::exists(file)) {
        QFile input(file);
        if (!input.open(QIODevice::ReadOnly))
            return false;
        const QByteArray bytes = input.readAll();
        const unsigned flags = pugi::parse_default | pugi::parse_declaration | pugi::parse_comments;
        if (!document.load_buffer(bytes.constData(), static_cast<size_t>(bytes.size()), flags, pugi::encoding_utf8))
            return false;
        pugi::xml_node root = document.document_element();
        if (qstrcmp(root.name(), "xbel") != 0)
            return false;
        // The prefixes used below must be declared.
        if (!root.attribute("xmlns:bookmark"))
            root.append_attribute("xmlns:bookmark").set_value(kBookmarkNamespace);
        if (!root.attribute("xmlns:mime"))
            root.append_attribute("xmlns:mime").set_value(kMimeNamespace);
        return true;
    }
    pugi::xml_node declaration = document.append_child(pugi::node_declaration);
    declaration.append_attribute("version").set_value("1.0");
    declaration.append_attribute("encoding").set_value("UTF-8");
    pugi::xml_node root = document.append_child("xbel");
    root.append_attribute("version").set_value("1.0");
    root.append_attribute("xmlns:bookmark").set_value(kBookmarkNamespace);
    root.append_attribute("xmlns:mime").set_value(kMimeNamespace);
    return true;
}

void UpdateBookmark(pugi::xml_node root, const QByteArray& href, const char* mimeType, const QByteArray& now)
{
    pugi::xml_node bookmark = root.find_child_by_attribute("bookmark", "href", href.constData());
    if (!bookmark) {
        bookmark = root.append_child("bookmark");
        bookmark.append_attribute("href").set_value(href.constData());
        bookmark.append_attribute("added").set_value(now.constData());
    }
    SetAttribute(bookmark, "modified", now);
    SetAttribute(bookmark, "visited", now);

    pugi::xml_node info = ChildOrNew(bookmark, "info");
    pugi::xml_node metadata = info.find_child_by_attribute("metadata", "owner", kMetadataOwner);
    if (!metadata) {
        metadata = info.append_child("metadata");
        metadata.append_attribute("owner").set_value(kMetadataOwner);
    }
    if (!metadata.child("mime:mime-type"))
        metadata.prepend_child("mime:mime-type").append_attribute("type").set_value(mimeType);
    pugi::xml_node applications = ChildOrNew(metadata, "bookmark:applications");
    pugi::xml_node application = applications.find_child_by_attribute("bookmark:application", "name", kAppName);
    if (!application) {
        application = applications.append_child("bookmark:application");
        application.append_attribute("name").set_value(kAppName);
        application.append_attribute("exec").set_value("'vorlen %f'");
        application.append_attribute("count").set_value(0);
    }
    SetAttribute(application, "modified", now);
    SetAttribute(application, "count", QByteArray::number(application.attribute("count").as_int() + 1));
}

}  // namespace

QString RecentlyUsedFilePath()
{
    QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (dataHome.isEmpty() || QDir::isRelativePath(dataHome))
        dataHome = QDir::homePath() + QStringLiteral("/.local/share");
    return WithTrailingSlash(dataHome) + QStringLiteral("recently-used.xbel");
}

bool AddToRecentlyUsed(const QString& path)
{
    const QString absolute = QFileInfo(NormalizePath(path)).absoluteFilePath();
    if (absolute.isEmpty())
        return false;
    const QString file = RecentlyUsedFilePath();
    pugi::xml_document document;
    if (!LoadList(file, document))
        return false;

    const QByteArray href = QUrl::fromLocalFile(absolute).toEncoded();
    const QByteArray now = QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs).toUtf8();
    UpdateBookmark(document.document_element(), href, MimeTypeOf(path), now);

    ByteWriter writer;
    document.save(writer, "  ", pugi::format_default, pugi::encoding_utf8);
    if (!QDir().mkpath(FolderOf(file)))
        return false;
    QSaveFile output(file);
    if (!output.open(QIODevice::WriteOnly))
        return false;
    output.write(writer.bytes);
    return output.commit();
}

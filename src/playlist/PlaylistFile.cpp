#include "playlist/PlaylistFile.h"

#include "base/FileNames.h"
#include "base/Version.h"
#include "base/XmlDocument.h"
#include "base/XmlText.h"

#include <QRegularExpression>

namespace {

// EscapeXml lets an ampersand followed by "#" pass, so that references already in a path stay
// as written. One that does not start a well-formed character reference would make the whole
// document unparseable and the playlist unsaved, so that ampersand is escaped as well.
QString EscapePath(const QString& path)
{
    QString escaped = EscapeXml(path);
    if (!escaped.contains(QStringLiteral("&#")))
        return escaped;
    static const QRegularExpression reference(QStringLiteral(R"(&#(?:[0-9]+|x[0-9A-Fa-f]+);)"));
    QString result;
    result.reserve(escaped.size() + 8);
    for (qsizetype i = 0; i < escaped.size(); ++i) {
        if (escaped.at(i) == QLatin1Char('&')
            && !reference.match(escaped, i, QRegularExpression::NormalMatch, QRegularExpression::AnchorAtOffsetMatchOption)
                    .hasMatch())
            result += QStringLiteral("&#38;");
        else
            result += escaped.at(i);
    }
    return result;
}

// The build attribute as a number; a text that is not a number counts as incompatible.
bool ParseBuild(const QString& text, double& build)
{
    bool ok = false;
    build = text.trimmed().toDouble(&ok);
    return ok;
}

}  // namespace

QString PlaylistFileText(const QStringList& entries, int current)
{
    QString text = QStringLiteral("<?xml version=\"1.0\"?><PLAYLIST app=\"%1\" build=\"%2\" play=\"%3\">")
                       .arg(QLatin1String(kAppName))
                       .arg(kPlaylistWriteBuild)
                       .arg(current);
    qsizetype size = text.size() + 16;
    for (const QString& entry : entries)
        size += entry.size() + 18;
    text.reserve(size);
    for (const QString& entry : entries) {
        text += QStringLiteral("\r\n\t<FILE>");
        text += EscapePath(entry);
        text += QStringLiteral("</FILE>");
    }
    text += QStringLiteral("\r\n\t</PLAYLIST>");
    return text;
}

QString PlaylistSavePath(const QString& path)
{
    return ExtensionOf(path).isEmpty() ? path + QLatin1String(kPlaylistExtension) : path;
}

PlaylistReadResult ReadPlaylistFile(const QString& path)
{
    PlaylistReadResult result;
    XmlDocument document;
    if (!document.load(path)) {
        result.status = PlaylistReadStatus::Unloadable;
        return result;
    }
    // A missing build reads as this program's build + 1, so such a file is refused.
    const XmlNode buildNode = document.selectSingleNode(QStringLiteral("PLAYLIST/@build"));
    const QString buildText = buildNode ? buildNode.text() : QString::number(kBuild + 1);
    double build = 0;
    if (!ParseBuild(buildText, build) || build > kBuild) {
        result.status = PlaylistReadStatus::Incompatible;
        return result;
    }
    const XmlNode root = document.selectSingleNode(QStringLiteral("PLAYLIST"));
    for (const XmlNode& child : root.childNodes())
        result.paths.append(child.text());
    result.status = PlaylistReadStatus::Ok;
    return result;
}

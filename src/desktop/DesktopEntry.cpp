#include "desktop/DesktopEntry.h"

#include "base/Version.h"
#include "desktop/DesktopTool.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

// The MIME types the player opens: its playlists, movies (the canonical name and the older
// alias) and Flash Video.
constexpr const char* kOpenedTypes
    = "application/vnd.adobe.flash.movie;application/x-shockwave-flash;video/x-flv;application/x-vorlen-playlist;";

// Characters that make an Exec argument need quotes.
constexpr const char* kReserved = " \t\n\"'\\><~|&;$*?#()`";

QString EscapeValue(QString text)
{
    text.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    text.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    text.replace(QLatin1Char('\t'), QLatin1String("\\t"));
    text.replace(QLatin1Char('\r'), QLatin1String("\\r"));
    return text;
}

QString EscapeXml(QString text)
{
    text.replace(QLatin1Char('&'), QLatin1String("&amp;"));
    text.replace(QLatin1Char('<'), QLatin1String("&lt;"));
    text.replace(QLatin1Char('>'), QLatin1String("&gt;"));
    text.replace(QLatin1Char('"'), QLatin1String("&quot;"));
    return text;
}

// Writes bytes unless the file already holds them. True when the file holds them afterwards;
// changed tells whether it was written.
bool WriteIfDifferent(const QString& path, const QByteArray& bytes, bool* changed = nullptr)
{
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == bytes)
        return true;
    existing.close();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return false;
    if (changed)
        *changed = true;
    return true;
}

bool CopyIfDifferent(const QString& from, const QString& to)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    return WriteIfDifferent(to, source.readAll());
}

void UpdateMimeDatabase(const DesktopFilePaths& paths)
{
    RunDesktopTool(QStringLiteral("update-mime-database"), {paths.mimeFolder}, 60000);
}

}  // namespace

DesktopFilePaths DesktopFilePathsIn(const QString& dataFolder)
{
    const QString root = dataFolder.endsWith(QLatin1Char('/')) ? dataFolder : dataFolder + QLatin1Char('/');
    DesktopFilePaths paths;
    paths.entry = root + QStringLiteral("applications/") + QLatin1String(kDesktopId);
    paths.mimeFolder = root + QStringLiteral("mime/");
    paths.mimePackage = paths.mimeFolder + QStringLiteral("packages/vorlen-playlist.xml");
    paths.appIcon = root + QStringLiteral("icons/hicolor/scalable/apps/") + QLatin1String(kAppIconName) + QStringLiteral(".svg");
    paths.playlistIcon
        = root + QStringLiteral("icons/hicolor/scalable/mimetypes/") + QLatin1String(kPlaylistIconName) + QStringLiteral(".svg");
    return paths;
}

DesktopFilePaths UserDesktopFilePaths()
{
    return DesktopFilePathsIn(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
}

QString DesktopExecArgument(const QString& argument)
{
    QString text = argument;
    text.replace(QLatin1Char('%'), QLatin1String("%%"));
    bool quote = text.isEmpty();
    for (const QChar c : text)
        quote = quote || QLatin1String(kReserved).contains(c);
    if (quote) {
        QString quoted;
        for (const QChar c : text) {
            if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
                quoted += QLatin1Char('\\');
            quoted += c;
        }
        text = QLatin1Char('"') + quoted + QLatin1Char('"');
    }
    return EscapeValue(text);
}

QString DesktopEntryText(const QString& programFile)
{
    QString text;
    text += QStringLiteral("[Desktop Entry]\n");
    text += QStringLiteral("Type=Application\n");
    text += QStringLiteral("Version=1.0\n");
    text += QStringLiteral("Name=") + QLatin1String(kAppName) + QLatin1Char('\n');
    text += QStringLiteral("GenericName=Flash Player\n");
    text += QStringLiteral("Comment=Plays Flash movies, Flash Video and projectors\n");
    text += QStringLiteral("Icon=") + QLatin1String(kAppIconName) + QLatin1Char('\n');
    text += QStringLiteral("TryExec=") + EscapeValue(programFile) + QLatin1Char('\n');
    text += QStringLiteral("Exec=") + DesktopExecArgument(programFile) + QStringLiteral(" %F\n");
    text += QStringLiteral("Terminal=false\n");
    text += QStringLiteral("Categories=AudioVideo;Video;Player;\n");
    text += QStringLiteral("MimeType=") + QLatin1String(kOpenedTypes) + QLatin1Char('\n');
    text += QStringLiteral("StartupWMClass=vorlen\n");
    return text;
}

QString PlaylistMimePackageText(const QString& comment)
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                          "  <mime-type type=\"%1\">\n"
                          "    <comment>%2</comment>\n"
                          "    <sub-class-of type=\"application/xml\"/>\n"
                          "    <glob pattern=\"*.vorlen\"/>\n"
                          "  </mime-type>\n"
                          "</mime-info>\n")
        .arg(QLatin1String(kPlaylistMimeType), EscapeXml(comment));
}

bool InstallDesktopFiles(const DesktopInstall& install, const DesktopFilePaths& paths)
{
    bool ok = WriteIfDifferent(paths.entry, DesktopEntryText(install.programFile).toUtf8());
    ok = CopyIfDifferent(install.imagesFolder + QStringLiteral("vorlen.svg"), paths.appIcon) && ok;
    ok = CopyIfDifferent(install.imagesFolder + QStringLiteral("vorlen-playlist.svg"), paths.playlistIcon) && ok;
    bool typeChanged = false;
    ok = WriteIfDifferent(paths.mimePackage, PlaylistMimePackageText(install.playlistComment).toUtf8(), &typeChanged) && ok;
    if (typeChanged || !QFileInfo::exists(paths.mimeFolder + QStringLiteral("mime.cache")))
        UpdateMimeDatabase(paths);
    return ok;
}

void RemoveDesktopFiles(const DesktopFilePaths& paths)
{
    QFile::remove(paths.entry);
    QFile::remove(paths.appIcon);
    QFile::remove(paths.playlistIcon);
    if (QFile::remove(paths.mimePackage))
        UpdateMimeDatabase(paths);
}

void RefreshApplicationsCache(const DesktopFilePaths& paths)
{
    RunDesktopTool(QStringLiteral("update-desktop-database"), {QStringLiteral("-q"), QFileInfo(paths.entry).absolutePath()});
}

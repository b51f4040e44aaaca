#include "desktop/MyFlashFolderLook.h"

#include "base/FileNames.h"
#include "base/ShellServices.h"
#include "lang/Language.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

namespace {

const QString kDesktopIni = QStringLiteral("Desktop.ini");
const QString kDirectoryFile = QStringLiteral(".directory");

// Moves a folder into place; across file systems, or onto a folder of that name, item by item.
void MoveFolder(const QString& from, const QString& to)
{
    if (!QFileInfo::exists(to) && QDir().rename(from, to))
        return;
    QDir().mkpath(to);
    for (const QFileInfo& item : QDir(from).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
        if (item.isDir())
            MoveFolder(item.filePath(), to + QLatin1Char('/') + item.fileName());
        else
            MoveFiles(item.filePath(), to + QLatin1Char('/') + item.fileName(), true);
    }
    QDir().rmdir(from);
}

bool WriteText(const QString& path, const QString& text)
{
    QSaveFile file(path);
    const QByteArray bytes = text.toUtf8();
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

}  // namespace

QString MyFlashInfoTip()
{
    const QString label = LangText(QStringLiteral("frmOptions/lblMyFlash"), QStringLiteral("Ve Zedaz Folder:"));
    const QString tip = GetXmlText(LangDoc().AsNode(), QStringLiteral("LANG/FRMOPTIONS/TXTMYFLASH/@tooltip"),
        QStringLiteral("Your default folder with Flash files"));
    return label + QLatin1Char(' ') + tip;
}

QString DesktopIniText(const MyFlashFolderLook& look)
{
    return QStringLiteral("[.ShellClassInfo]\r\nIconFile=") + look.programFile + QStringLiteral("\r\nIconIndex=4\r\nInfoTip=")
        + look.infoTip + QStringLiteral("\r\n");
}

QString DirectoryFileText(const QString& existing, const QString& icon)
{
    const QString iconLine = QStringLiteral("Icon=") + icon;
    QStringList lines = existing.split(QLatin1Char('\n'));
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    const auto isHeader = [](const QString& line) { return line.trimmed().startsWith(QLatin1Char('[')); };
    qsizetype header = 0;
    while (header < lines.size() && lines[header].trimmed() != QLatin1String("[Desktop Entry]"))
        ++header;
    if (header == lines.size()) {
        QStringList dressed{QStringLiteral("[Desktop Entry]"), iconLine};
        if (!lines.isEmpty())
            dressed << QString() << lines;
        return dressed.join(QLatin1Char('\n')) + QLatin1Char('\n');
    }
    qsizetype line = header + 1;
    while (line < lines.size() && !isHeader(lines[line]) && !lines[line].trimmed().startsWith(QLatin1String("Icon=")))
        ++line;
    if (line < lines.size() && !isHeader(lines[line]))
        lines[line] = iconLine;
    else
        lines.insert(header + 1, iconLine);
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void PrepareMyFlashFolder(const QString& folder, const MyFlashFolderLook& look)
{
    const QString ini = folder + kDesktopIni;
    if (QFileInfo::exists(ini)) {
        QFile::setPermissions(ini, QFile::permissions(ini) | QFileDevice::WriteOwner | QFileDevice::WriteUser);
        QFile::remove(ini);
    }
    if (WriteText(ini, DesktopIniText(look)))
        QFile::setPermissions(
            ini, QFileDevice::ReadOwner | QFileDevice::ReadUser | QFileDevice::ReadGroup | QFileDevice::ReadOther);

    const QString directory = folder + kDirectoryFile;
    QFile existing(directory);
    QString before;
    if (existing.open(QIODevice::ReadOnly))
        before = QString::fromUtf8(existing.readAll());
    existing.close();
    const QString after = DirectoryFileText(before, look.folderIcon);
    if (after != before)
        WriteText(directory, after);
}

void MoveMyFlashFolder(const QString& oldFolder, const QString& newFolder)
{
    if (!QFileInfo(newFolder).isDir())
        CreateFolder(newFolder);
    for (const QString& name : {QStringLiteral("ScreenShots"), kDesktopIni, kDirectoryFile}) {
        const QString from = oldFolder + name;
        if (!QFileInfo::exists(from))
            continue;
        const QString to = newFolder + name;
        // The folder's dress is read-only; the new folder gets it anew anyway.
        if (name == kDesktopIni) {
            QFile::setPermissions(from, QFile::permissions(from) | QFileDevice::WriteOwner | QFileDevice::WriteUser);
            if (QFileInfo::exists(to))
                QFile::setPermissions(to, QFile::permissions(to) | QFileDevice::WriteOwner | QFileDevice::WriteUser);
        }
        if (QFileInfo(from).isDir())
            MoveFolder(from, to);
        else
            MoveFiles(from, to, true);
    }
    QDir().rmdir(oldFolder);
}

#include "base/ShellServices.h"

#include "base/FileNames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>

#include <cmath>

namespace {

ShellConfirmation g_confirm;

bool Confirm(const QString& question)
{
    return g_confirm ? g_confirm(question) : true;
}

QString StripSlash(QString path)
{
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path;
}

}  // namespace

void SetShellConfirmation(ShellConfirmation handler)
{
    g_confirm = std::move(handler);
}

QString FormatByteSize(int64_t bytes)
{
    const QLocale locale;
    if (bytes < 0)
        bytes = 0;
    if (bytes < 1024)
        return QString::number(bytes) + QStringLiteral(" bytes");
    static const char* const kUnits[] = {"KB", "MB", "GB", "TB", "PB", "EB"};
    double value = static_cast<double>(bytes) / 1024.0;
    int unit = 0;
    while (value >= 1000.0 && unit < 5) {
        value /= 1024.0;
        ++unit;
    }
    // Three significant digits, cut: 1.456 -> 1.45, 14.56 -> 14.5, 145.6 -> 145.
    int decimals = value < 10.0 ? 2 : (value < 100.0 ? 1 : 0);
    double scale = decimals == 2 ? 100.0 : (decimals == 1 ? 10.0 : 1.0);
    double cut = std::floor(value * scale + 1e-9) / scale;
    QString number = locale.toString(cut, 'f', decimals);
    return number + QLatin1Char(' ') + QLatin1String(kUnits[unit]);
}

QString SpecialFolderPath(int folderId)
{
    QStandardPaths::StandardLocation location;
    switch (folderId) {
    case 0:
    case 16:
        location = QStandardPaths::DesktopLocation;
        break;
    case 5:
        location = QStandardPaths::DocumentsLocation;
        break;
    case 13:
        location = QStandardPaths::MusicLocation;
        break;
    case 14:
        location = QStandardPaths::MoviesLocation;
        break;
    case 26:
        location = QStandardPaths::GenericDataLocation;
        break;
    case 28:
        location = QStandardPaths::GenericConfigLocation;
        break;
    case 32:
        location = QStandardPaths::GenericCacheLocation;
        break;
    case 39:
        location = QStandardPaths::PicturesLocation;
        break;
    case 40:
        location = QStandardPaths::HomeLocation;
        break;
    default:
        return QString();
    }
    return StripSlash(QStandardPaths::writableLocation(location));
}

bool RecycleFile(const QString& path, bool confirm)
{
    const QString target = NormalizePath(path);
    if (!QFileInfo::exists(target))
        return false;
    if (confirm && !Confirm(QStringLiteral("Are you sure you want to move '%1' to the trash?").arg(FileNameOf(target))))
        return false;
    // The trash lives in the user's data folder. Qt does not create that folder when it is
    // missing (a fresh account) and then puts the trash beside the working folder instead.
    const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (dataFolder.isEmpty() || !QDir().mkpath(dataFolder))
        return false;
    return QFile::moveToTrash(target);
}

bool MoveFiles(const QString& from, const QString& to, bool silent)
{
    const QString source = StripSlash(NormalizePath(from));
    QString target = StripSlash(NormalizePath(to));
    const QFileInfo sourceInfo(source);
    if (!sourceInfo.exists())
        return false;
    if (QFileInfo(target).isDir() && !sourceInfo.isDir())
        target = WithTrailingSlash(target) + FileNameOf(source);
    if (QFileInfo(target).absoluteFilePath() == sourceInfo.absoluteFilePath())
        return true;
    if (QFileInfo::exists(target)) {
        if (!silent && !Confirm(QStringLiteral("'%1' already exists. Do you want to replace it?").arg(FileNameOf(target))))
            return false;
        if (QFileInfo(target).isDir())
            return false;
        if (!QFile::remove(target))
            return false;
    }
    if (QDir().rename(source, target))
        return true;
    // Across file systems: copy, then remove the source.
    if (sourceInfo.isDir())
        return false;
    if (!QFile::copy(source, target))
        return false;
    return QFile::remove(source);
}

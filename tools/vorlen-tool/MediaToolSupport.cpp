#include "MediaToolSupport.h"

#include "base/AppFolders.h"
#include "media/MediaFileInfo.h"

#include <QDir>
#include <QStringList>

#include <cmath>

namespace {

QString Flag(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

QString Number(double value)
{
    if (std::isfinite(value) && value == std::floor(value) && std::fabs(value) < 9e15)
        return QString::number(static_cast<qint64>(value));
    return QString::number(value, 'g', 15);
}

}  // namespace

void PrepareMediaCache()
{
    QDir().mkpath(Folders().cache);
}

QStringList MediaInfoLines(const MediaFileInfo& info)
{
    return {
        QStringLiteral("Version=") + QString::number(info.Version),
        QStringLiteral("Compressed=") + Flag(info.Compressed),
        QStringLiteral("UncompressedSize=") + Number(info.UncompressedSize),
        QStringLiteral("FileSize=") + QString::number(info.FileSize),
        QStringLiteral("Width=") + QString::number(info.Width),
        QStringLiteral("Height=") + QString::number(info.Height),
        QStringLiteral("FrameRate=") + Number(info.FrameRate),
        QStringLiteral("FrameCount=") + QString::number(info.FrameCount),
        QStringLiteral("WorkingPath=") + info.WorkingPath,
        QStringLiteral("SourcePath=") + info.SourcePath,
        QStringLiteral("FileName=") + info.FileName,
        QStringLiteral("IsProjector=") + Flag(info.IsProjector),
        QStringLiteral("IsVideo=") + Flag(info.IsVideo),
        QStringLiteral("BackgroundColor=") + info.BackgroundColor,
        QStringLiteral("FirstTagPosition=") + QString::number(info.FirstTagPosition),
    };
}

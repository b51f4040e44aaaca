#include "player/HelpPages.h"

#include "base/FileNames.h"

#include <QFileInfo>

QString HelpPagePath(const QString& helpFolder, const QString& topic)
{
    const QString start = helpFolder + QStringLiteral("index.htm");
    const QString name = FileNameOf(topic.trimmed());
    if (name.isEmpty() || name == QLatin1String("..") || name == QLatin1String("."))
        return start;
    const QString page = helpFolder + name + QStringLiteral(".htm");
    return QFileInfo::exists(page) ? page : start;
}

#include "player/FileFilter.h"

#include <QStringList>

QString OpenMediaFilter(const QString& allSupported, const QString& video, const QString& playlist)
{
    return allSupported + QStringLiteral("|*.swf;*.exe;*.flv;*.vorlen|Macromedia Flash (SWF)|*.swf|Flash Projector (EXE)|*.exe|")
        + video + QStringLiteral(" (FLV)|*.flv|") + playlist + QStringLiteral(" |*.vorlen");
}

QString QtFileFilter(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts).join(QLatin1Char(' '));
        entries << parts[i].trimmed() + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return entries.join(QStringLiteral(";;"));
}

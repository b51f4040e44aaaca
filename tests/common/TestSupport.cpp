#include "common/TestSupport.h"

#include "base/AppFolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString CorpusDir()
{
    const QString dir = QDir::cleanPath(QStringLiteral(VORLEN_SOURCE_DIR) + QStringLiteral("/../shared/corpus"));
    return QFileInfo(dir).isDir() ? dir : QString();
}

QList<CorpusRow> CorpusRows(const QString& manifest)
{
    QList<CorpusRow> rows;
    QFile file(CorpusDir() + QLatin1Char('/') + manifest);
    if (CorpusDir().isEmpty() || !file.open(QIODevice::ReadOnly))
        return rows;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const QStringList header = lines.value(0).split(QLatin1Char('\t'));
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QStringList cells = lines[i].split(QLatin1Char('\t'));
        CorpusRow row;
        for (qsizetype c = 0; c < header.size(); ++c)
            row.insert(header[c], cells.value(c));
        rows.append(row);
    }
    return rows;
}

bool HasDisplay()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

QString AppTreeDir()
{
    return QStringLiteral(VORLEN_APP_DIR);
}

QString SourceDir()
{
    return QStringLiteral(VORLEN_SOURCE_DIR);
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

bool WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(bytes) == bytes.size();
}

TempAppFolder::TempAppFolder()
{
    m_oldCache = qgetenv("XDG_CACHE_HOME");
    qputenv("XDG_CACHE_HOME", (m_dir.path() + QStringLiteral("/cache")).toUtf8());
    QDir().mkpath(m_dir.path() + QStringLiteral("/cache"));
    for (const char* sub : {"Data/Binary", "Data/Flash", "Data/Images", "Data/Menus", "Data/Gadgets", "Skins", "Languages"})
        QDir().mkpath(m_dir.path() + QLatin1Char('/') + QLatin1String(sub));
    InitApplicationFolders(Path(), QStringLiteral("Flash Player"));
}

TempAppFolder::~TempAppFolder()
{
    if (m_oldCache.isNull())
        qunsetenv("XDG_CACHE_HOME");
    else
        qputenv("XDG_CACHE_HOME", m_oldCache);
    ComputeApplicationFolders(QDir::tempPath());
}

QString TempAppFolder::Log() const
{
    return QString::fromUtf8(ReadAll(Folders().logFile));
}

QStringList TempAppFolder::LogBody() const
{
    QStringList lines = Log().split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines.mid(11);
}

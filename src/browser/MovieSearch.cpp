#include "browser/MovieSearch.h"

#include "base/FileNames.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace {

class Walk {
public:
    Walk(const QString& pattern, bool recursive, const std::function<bool()>& keepGoing)
        : m_pattern(pattern)
        , m_recursive(recursive)
        , m_keepGoing(keepGoing)
    {
    }

    void Visit(const QString& folder)
    {
        if (m_result.stopped)
            return;
        if (m_keepGoing && !m_keepGoing()) {
            m_result.stopped = true;
            return;
        }
        const QString canonical = QFileInfo(folder).canonicalFilePath();
        if (canonical.isEmpty() || m_seen.contains(canonical))
            return;
        m_seen.insert(canonical);
        ++m_result.folders;
        const QDir dir(folder);
        const QStringList files = dir.entryList({m_pattern}, QDir::Files, QDir::Name | QDir::IgnoreCase);
        for (const QString& name : files)
            m_result.files << folder + name;
        if (!m_recursive)
            return;
        const QStringList folders = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
        for (const QString& name : folders)
            Visit(folder + name + QLatin1Char('/'));
    }

    FileSearchResult m_result;

private:
    QString m_pattern;
    bool m_recursive;
    const std::function<bool()>& m_keepGoing;
    QSet<QString> m_seen;
};

}  // namespace

FileSearchResult FindFiles(const QString& folder, const QString& pattern, bool recursive, const std::function<bool()>& keepGoing)
{
    Walk walk(pattern, recursive, keepGoing);
    if (!folder.isEmpty())
        walk.Visit(WithTrailingSlash(NormalizePath(folder)));
    return walk.m_result;
}

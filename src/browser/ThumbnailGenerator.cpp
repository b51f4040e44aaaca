#include "browser/ThumbnailGenerator.h"

#include "browser/MovieSearch.h"
#include "browser/ThumbnailNames.h"
#include "browser/ThumbnailShooter.h"
#include "lang/Language.h"
#include "media/Projector.h"

#include <QFileInfo>

namespace {

QString Text(const char* key, const char* defaultText)
{
    return LangText(QStringLiteral("frmGenerator/") + QLatin1String(key), QLatin1String(defaultText));
}

}  // namespace

ThumbnailGenerator::ThumbnailGenerator(GeneratorJob job, ThumbnailShooter& shooter)
    : m_job(std::move(job))
    , m_shooter(shooter)
{
}

void ThumbnailGenerator::Cancel()
{
    m_cancelled = true;
    m_shooter.CancelShot();
}

bool ThumbnailGenerator::Skips(const QString& file, const QString& thumbnail) const
{
    if (!m_job.overwrite && QFileInfo::exists(thumbnail))
        return true;
    if (m_job.genericProjectors && file.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive))
        return !(m_job.isProjector ? m_job.isProjector(file) : IsGenericProjector(file, false));
    return false;
}

GeneratorResult ThumbnailGenerator::Run(const GeneratorWatch& watch)
{
    GeneratorResult result;
    auto status = [&watch](const QString& text) {
        if (watch.status)
            watch.status(text);
    };
    const std::function<bool()> keepGoing = [this, &watch] {
        if (watch.pump)
            watch.pump();
        return !m_cancelled;
    };

    status(Text("strMovie", "Searching for Movies..."));
    const FileSearchResult movies = FindFiles(m_job.source, QStringLiteral("*.swf"), m_job.recursive, keepGoing);
    status(Text("strProjector", "Searching for Projectors..."));
    const FileSearchResult projectors = FindFiles(m_job.source, QStringLiteral("*.exe"), m_job.recursive, keepGoing);
    result.files = movies.files + projectors.files;
    // Both searches visit the same folders.
    result.folders = movies.folders;

    const int n = static_cast<int>(result.files.size());
    status(Text("strThumbnail", "Creating Thumbnails") + QStringLiteral(" (") + QString::number(n) + QStringLiteral(")..."));
    for (int i = 0; i < n && !m_cancelled; ++i) {
        const QString& file = result.files[i];
        const QString thumbnail = GeneratorThumbnailPath(file);
        if (watch.file)
            watch.file(i + 1, n, file);
        if (m_cancelled)
            break;
        if (!Skips(file, thumbnail)) {
            m_shooter.TakeThumbnail(file, thumbnail, m_job.quality, m_job.show);
            // A shot cut short by Cancel leaves no thumbnail and is not counted.
            if (!m_cancelled)
                ++result.created;
        }
        if (watch.progress)
            watch.progress(double(i + 1) / n);
    }
    result.cancelled = m_cancelled;
    return result;
}

QString GeneratorSummaryText(const GeneratorResult& result, bool executed, const QString& application)
{
    const int n = static_cast<int>(result.files.size());
    QString text = result.cancelled ? Text("strCancel", "Thumbnail Generation Cancelled!")
                                    : Text("strDone", "Thumbnail Generation Complete!");
    text += QStringLiteral("\n\n") + Text("strCreated", "Thumbnails created:") + QLatin1Char(' ')
        + QString::number(result.created);
    if (result.created < n)
        text += QStringLiteral(" / ") + QString::number(n);
    text += QLatin1Char('\n') + Text("strDirs", "Folders Searched:") + QLatin1Char(' ') + QString::number(result.folders);
    if (executed)
        text += QLatin1Char('\n') + Text("strExe", "Executed:") + QLatin1Char(' ') + application;
    return text;
}

#include "MediaToolSupport.h"
#include "ToolCommand.h"
#include "ToolCommands.h"

#include "base/FileNames.h"
#include "browser/DecompilerOptions.h"
#include "browser/ExtractSummary.h"
#include "media/IdentifyMedia.h"
#include "media/MediaFileInfo.h"
#include "media/ResourceExtractor.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>

#include <unistd.h>

namespace {

constexpr int kBarWidth = 30;

// A one-line progress bar on a terminal, redrawn only when its text changes.
class TerminalProgress {
public:
    TerminalProgress()
        : m_enabled(isatty(fileno(stderr)) != 0)
    {
    }
    ~TerminalProgress() { Finish(); }

    void Show(double fraction, const QString& caption)
    {
        if (!m_enabled)
            return;
        fraction = std::clamp(fraction, 0.0, 1.0);
        const int filled = static_cast<int>(fraction * kBarWidth);
        const QString line = QStringLiteral("\r[%1%2] %3% %4")
                                 .arg(QString(filled, QLatin1Char('#')), QString(kBarWidth - filled, QLatin1Char(' ')))
                                 .arg(static_cast<int>(fraction * 100), 3)
                                 .arg(caption.leftJustified(18));
        if (line == m_last)
            return;
        m_last = line;
        std::fputs(line.toUtf8().constData(), stderr);
        std::fflush(stderr);
    }

    void Finish()
    {
        if (m_enabled && !m_last.isEmpty()) {
            std::fputc('\n', stderr);
            m_last.clear();
        }
    }

private:
    bool m_enabled;
    QString m_last;
};

}  // namespace

// vorlen-tool extract MOVIE DESTFOLDER [--jpeg] [--png] [--event] [--stream]: the resource
// extractor's walk; without a kind flag the kinds the options choose by default.
int RunExtract(const QStringList& arguments)
{
    QStringList paths;
    bool jpeg = false, png = false, event = false, stream = false;
    for (const QString& argument : arguments) {
        if (argument == QLatin1String("--jpeg"))
            jpeg = true;
        else if (argument == QLatin1String("--png"))
            png = true;
        else if (argument == QLatin1String("--event"))
            event = true;
        else if (argument == QLatin1String("--stream"))
            stream = true;
        else if (argument.startsWith(QLatin1String("--")))
            paths << QString();  // unknown flag: a usage error below
        else
            paths << argument;
    }
    if (paths.size() != 2 || paths.contains(QString())) {
        ToolErr(QStringLiteral("usage: vorlen-tool extract MOVIE DESTFOLDER [--jpeg] [--png] [--event] [--stream]"));
        return 2;
    }
    if (!jpeg && !png && !event && !stream) {
        const DecompilerOptions defaults = DefaultDecompilerOptions();
        jpeg = defaults.jpeg;
        png = defaults.png;
        event = defaults.event;
        stream = defaults.stream;
    }

    PrepareMediaCache();
    MediaFileInfo info;
    const QString error = IdentifyMedia(paths[0], info, true);
    if (!error.isEmpty()) {
        ToolErr(paths[0] + QStringLiteral(": ") + error);
        return 1;
    }
    const QString destination = WithTrailingSlash(paths[1]);
    if (!QDir().mkpath(destination)) {
        ToolErr(paths[1] + QStringLiteral(": cannot create the folder"));
        return 1;
    }

    ExtractCounters counters = ExtractCounters::Chosen(jpeg, png, event, stream, false);
    const bool cancel = false;
    TerminalProgress bar;
    ExtractProgress progress;
    progress.report = [&bar](double fraction, const QString& caption) { bar.Show(fraction, caption); };
    ExtractResources(info, destination, progress, counters, cancel);
    bar.Finish();
    for (const QString& line : ExtractSummaryMessage(counters, cancel).split(QStringLiteral("\r\n")))
        ToolOut(line);
    return 0;
}

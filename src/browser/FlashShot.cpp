#include "browser/FlashShot.h"

#include "base/ExecutionLog.h"
#include "base/FileNames.h"
#include "browser/BrowserPictures.h"
#include "browser/GeneratorSettings.h"
#include "browser/ShotFrameChoice.h"
#include "browser/ShotJpeg.h"
#include "engine/RuffleFlashControl.h"
#include "engine/ShotMachine.h"
#include "media/IdentifyMedia.h"
#include "media/MediaFileInfo.h"
#include "options/OptionsModule.h"

#include <algorithm>

namespace {

const QString kPlain = QStringLiteral("FFFFFF");
const QString kBlue = QStringLiteral("4974BA");

}  // namespace

FlashShot::FlashShot(const OptionsModule& options, const GeneratorSettings& generator, ShotMachine* machine)
    : m_options(options)
    , m_generator(generator)
    , m_machine(machine)
{
}

FlashShot::~FlashShot() = default;

ShotMachine& FlashShot::Machine()
{
    if (!m_machine) {
        m_ownMachine = std::make_unique<ShotMachine>();
        m_machine = m_ownMachine.get();
    }
    return *m_machine;
}

QSize FlashShot::ShotSize() const
{
    return QSize(std::clamp<int>(m_generator.width, 1, 4096), std::clamp<int>(m_generator.height, 1, 4096));
}

QImage FlashShot::PrepareShot(const QString& movie, bool plainBackground)
{
    const QString noMediaBackground = plainBackground ? kPlain : kBlue;
    MediaFileInfo info;
    if (movie == QLatin1String(kNoMedia))
        return NoMediaShot(ShotSize(), noMediaBackground);
    LogLine(QStringLiteral("Reading Info... "), false);
    const QString failure = IdentifyMedia(movie, info, false);
    LogLine(failure.isEmpty() ? QStringLiteral("Ok") : failure);
    if (!failure.isEmpty())
        return NoMediaShot(ShotSize(), noMediaBackground);

    // A video plays in the wrapper movie, which reads it from the video's own folder.
    if (info.IsVideo)
        Machine().Control().AllowFolder(FolderOf(info.SourcePath));
    ShotRequest request;
    request.movie = info.WorkingPath;
    request.size = ShotSize();
    request.highQuality = m_options.hqShots;
    request.background = plainBackground ? kPlain : info.BackgroundColor;
    const uint8_t from = m_options.sampleFrom;
    const uint8_t to = m_options.sampleTo;
    request.frame = ShotFrame::Chosen([from, to](int totalFrames) { return ChooseShotFrame(from, to, totalFrames); });
    const Shot shot = Machine().TakeShot(request);
    if (shot.Ok())
        return shot.image;
    if (m_cancelled)
        return QImage();
    LogLine(QStringLiteral("Shot failed: ") + shot.error);
    return NoMediaShot(ShotSize(), noMediaBackground);
}

QString FlashShot::TakeThumbnail(const QString& movie, const QString& jpegPath, int quality, bool show)
{
    // The machine is taken by a shot further down (a window opened while it waits).
    if (m_busy || (m_machine && m_machine->Busy()))
        return QLatin1String(kShotCancelled);
    m_busy = true;
    m_cancelled = false;
    const QImage shot = PrepareShot(movie.isEmpty() ? QLatin1String(kNoMedia) : movie, false);
    m_busy = false;
    if (shot.isNull() || m_cancelled)
        return QLatin1String(kShotCancelled);
    if (show && m_preview)
        m_preview(shot);
    if (!WriteShotJpeg(shot, jpegPath, quality <= 100 ? quality : m_options.shotJpeg))
        return QStringLiteral("cannot write ") + jpegPath;
    return QString();
}

void FlashShot::CancelShot()
{
    if (!m_busy)
        return;
    m_cancelled = true;
    Machine().Cancel();
}

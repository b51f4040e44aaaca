#include "engine/ShotMachine.h"

#include "base/ErrorContext.h"
#include "engine/RuffleFlashControl.h"
#include "image/SaveDibAsJpeg.h"
#include "image/cDIBSection.h"
#include "image/ui/DibImage.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QWidget>

namespace {

constexpr int kMaxSide = 4096;
const QSize kFallbackSize(550, 400);

// How long a page that stopped answering gets before it is loaded again.
constexpr int kAnswerLimitMs = 500;
// What a shot keeps for painting and taking the picture after waiting for frame control: a
// movie without it is painted after one of its frames, which the page waits for up to 1 s.
constexpr int kPaintReserveMs = 1500;
// A host answers on the movie's first frames, or not at all.
constexpr int kHostLimitMs = 2000;
// Shots run slower movies at this rate.
constexpr double kMinimumFrameRate = 12;

QString Seconds(int milliseconds)
{
    return QString::number(milliseconds / 1000.0, 'g', 3);
}

}  // namespace

ShotFrame ShotFrame::At(int frame)
{
    ShotFrame result;
    result.m_chooser = [frame](int) { return frame; };
    return result;
}

ShotFrame ShotFrame::Chosen(Chooser chooser)
{
    ShotFrame result;
    result.m_chooser = chooser ? std::move(chooser) : Chooser([](int) { return 0; });
    return result;
}

ShotMachine::ShotMachine(QObject* parent)
    : QObject(parent)
{
}

ShotMachine::~ShotMachine() = default;

qint64 ShotMachine::Now() const
{
    static QElapsedTimer clock;
    if (!clock.isValid())
        clock.start();
    return clock.elapsed();
}

RuffleFlashControl& ShotMachine::Control()
{
    if (!m_control) {
        m_control = std::make_unique<RuffleFlashControl>();
        QWidget* view = m_control->widget();
        view->setAttribute(Qt::WA_DontShowOnScreen);
        view->resize(kFallbackSize);
        view->show();
        m_control->SetMuted(true);
        // A movie whose script runs on is stopped well within a shot's time; a slow movie
        // reaches its first frame, and its frame host, within it too.
        m_control->SetScriptTimeLimit(1);
        m_control->SetMinimumFrameRate(kMinimumFrameRate);
    }
    return *m_control;
}

bool ShotMachine::WaitUntil(const std::function<bool()>& condition, qint64 deadline)
{
    RuffleFlashControl& control = Control();
    const qint64 left = deadline - Now();
    if (left > 0) {
        control.WaitFor([&] { return condition() || m_cancelled || !control.LastError().isEmpty(); }, static_cast<int>(left));
    }
    return condition() && !m_cancelled;
}

bool ShotMachine::EnsureEngine()
{
    RuffleFlashControl& control = Control();
    return WaitUntil([&control] { return control.EngineStarted(); }, Now() + kStartLimitMs);
}

Shot ShotMachine::TakeShot(const ShotRequest& request)
{
    Shot shot;
    if (m_busy) {
        shot.error = QStringLiteral("a shot is already being taken");
        return shot;
    }
    m_busy = true;
    m_cancelled = false;
    shot = Take(request);
    if (shot.Ok())
        Control().LoadMovie(0, QString());
    else
        Recover();
    m_cancelled = false;
    m_busy = false;
    return shot;
}

Shot ShotMachine::Take(const ShotRequest& request)
{
    Shot shot;
    RuffleFlashControl& control = Control();
    // What ends a wait early, in the words of a failure.
    auto failure = [this, &control](const QString& timeout) {
        if (m_cancelled)
            return QStringLiteral("cancelled");
        if (!control.LastError().isEmpty())
            return control.LastError();
        return timeout;
    };
    // A movie may carry a query string (the video wrapper's address).
    if (!QFileInfo(request.movie.section(QLatin1Char('?'), 0, 0)).isFile()) {
        shot.error = QStringLiteral("cannot read %1").arg(request.movie);
        return shot;
    }
    if (!EnsureEngine()) {
        shot.error = failure(QStringLiteral("the Flash engine did not start"));
        return shot;
    }

    const qint64 deadline = Now() + m_timeLimitMs;
    control.SetQuality(request.highQuality ? 1 : 0);
    control.SetBGColor(QString());
    control.SetBGColor(request.background);
    control.LoadMovie(0, request.movie);
    if (!control.LastError().isEmpty()) {
        shot.error = control.LastError();
        return shot;
    }
    QSize own = control.MovieSize();
    if (own.isEmpty() || own.width() > kMaxSide || own.height() > kMaxSide)
        own = kFallbackSize;
    const QSize size(request.size.width() > 0 ? request.size.width() : own.width(),
        request.size.height() > 0 ? request.size.height() : own.height());
    control.widget()->resize(size.boundedTo(QSize(kMaxSide, kMaxSide)));
    if (!WaitUntil([&control] { return control.Loaded(); }, deadline)) {
        shot.error = failure(QStringLiteral("the movie did not load within %1 s").arg(Seconds(m_timeLimitMs)));
        return shot;
    }

    // A movie of one frame shows it without frame control.
    const bool oneFrame = control.TotalFrames() <= 1;
    if (control.HostInserted() && !oneFrame)
        WaitUntil([&control] { return control.HostReady(); }, std::min(deadline - kPaintReserveMs, Now() + kHostLimitMs));
    if (m_cancelled || !control.LastError().isEmpty()) {
        shot.error = failure(QString());
        return shot;
    }
    if (control.HostReady()) {
        control.GotoFrame(request.frame.For(control.TotalFrames()));
        shot.frameControl = true;
    } else if (request.needFrameControl && !oneFrame) {
        shot.error = QStringLiteral("frame control cannot reach this movie");
        return shot;
    } else {
        control.Repaint();
    }
    if (!WaitUntil([&control] { return control.Painted(); }, deadline)) {
        shot.error = failure(QStringLiteral("the movie was not painted within %1 s").arg(Seconds(m_timeLimitMs)));
        return shot;
    }
    shot.image = control.GrabPaintedFrame(static_cast<int>(std::max<qint64>(kAnswerLimitMs, deadline - Now())));
    if (shot.image.isNull()) {
        shot.error = failure(QStringLiteral("the engine gave no picture"));
        return shot;
    }
    shot.frame = control.CurrentFrame();
    shot.totalFrames = control.TotalFrames();
    return shot;
}

void ShotMachine::Recover()
{
    RuffleFlashControl& control = Control();
    control.LoadMovie(0, QString());
    // A page that does not answer is busy with a movie that will not let go.
    if (control.EngineStarted() && !control.Responsive(kAnswerLimitMs))
        control.RestartEngine();
}

QString ShotMachine::SaveJpeg(const QImage& image, const QString& path, int quality)
{
    cDIBSection bitmap;
    try {
        if (image.isNull() || !CreateFromPicture(bitmap, image) || !SaveDibAsJpeg(bitmap, path, quality))
            return QStringLiteral("cannot write %1").arg(path);
    } catch (const VorlenError& error) {
        return QStringLiteral("cannot write %1: %2").arg(path, error.Info().description);
    }
    return QString();
}

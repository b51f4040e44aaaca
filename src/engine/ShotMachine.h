#pragma once

#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>

#include <algorithm>
#include <functional>
#include <memory>

class RuffleFlashControl;

// Which frame a shot shows: a 0-based frame, or one chosen from the movie's frame count
// (known once the movie has loaded). The default is the first frame.
class ShotFrame {
public:
    using Chooser = std::function<int(int totalFrames)>;

    ShotFrame() = default;
    static ShotFrame At(int frame);
    static ShotFrame Chosen(Chooser chooser);

    // The frame for a movie of totalFrames frames.
    int For(int totalFrames) const { return m_chooser ? m_chooser(totalFrames) : 0; }

private:
    Chooser m_chooser;
};

struct ShotRequest {
    QString movie;  // the path of a movie file, a query string allowed
    ShotFrame frame;
    // The picture's size (at most 4096x4096); a side of 0 or less is the movie's own (550x400
    // when the movie has no frame size that fits).
    QSize size;
    bool highQuality = true;  // rendering quality High, else Low
    // Six hexadecimal digits under the movie; "" for the movie's own background.
    QString background;
    // Fail when frame control cannot reach a movie of more than one frame, instead of showing
    // the frame the engine painted first.
    bool needFrameControl = false;
};

struct Shot {
    QString error;  // empty when the shot was taken
    QImage image;   // 24 bits per pixel at the asked size
    int frame = 0;  // the 0-based frame shown, as the control reports it
    int totalFrames = 0;
    // The frame was reached through frame control (else the shot shows the frame the engine
    // painted first).
    bool frameControl = false;
    bool Ok() const { return error.isEmpty(); }
};

// The one shot sequence: a Flash control that is never shown on screen, created on first
// use and kept for every later shot, so that shots run at the engine's speed rather than at
// its start-up cost. A shot loads the movie, goes to the frame asked for, waits until the
// engine has painted it, takes the picture and empties the control again.
//
// Each shot is bounded: a movie that does not load, hangs, never paints or makes the engine
// fail gives a failure within the shot time limit, and the next shot works on the same
// control (its page is loaded again when the engine stopped or stays silent). The event loop
// runs while a shot waits, so windows stay responsive; Cancel ends the shot in progress.
// Sound is muted, and movies slower than 12 frames per second run at 12, so that their first
// frame comes quickly.
//
// A thumbnail in the player's terms: frame = ShotFrame::Chosen(the frame choice of the
// "SampleFrom" and "SampleTo" options over the frame count), highQuality = "HQShots",
// background = "FFFFFF" for the plain background, size = the shot size; then SaveJpeg with the
// "ShotJpeg" quality, or CreateFromPicture (image/ui/DibImage.h) for a cDIBSection. A failed
// shot's error is the reason to show or log.
class ShotMachine : public QObject {
    Q_OBJECT
public:
    static constexpr int kDefaultTimeLimitMs = 3000;
    // The engine's own start (page and engine code) is not counted in a shot's time.
    static constexpr int kStartLimitMs = 60000;

    explicit ShotMachine(QObject* parent = nullptr);
    ~ShotMachine() override;

    Shot TakeShot(const ShotRequest& request);

    // Writes the picture with the player's JPEG writer at quality 0..100; "" on success,
    // else the reason.
    static QString SaveJpeg(const QImage& image, const QString& path, int quality);

    // Ends the shot in progress as cancelled (nothing happens between shots).
    void Cancel() { m_cancelled = true; }
    bool Busy() const { return m_busy; }

    int TimeLimit() const { return m_timeLimitMs; }
    void SetTimeLimit(int milliseconds) { m_timeLimitMs = std::max(100, milliseconds); }

    // The off-screen control (created on first use).
    RuffleFlashControl& Control();

private:
    Shot Take(const ShotRequest& request);
    // Runs the event loop until condition holds, the deadline passes, the shot is cancelled
    // or the engine failed; true when condition holds.
    bool WaitUntil(const std::function<bool()>& condition, qint64 deadline);
    bool EnsureEngine();
    // After a failed shot: empties the control, and starts its page again when it does not
    // answer.
    void Recover();
    qint64 Now() const;

    std::unique_ptr<RuffleFlashControl> m_control;
    int m_timeLimitMs = kDefaultTimeLimitMs;
    bool m_cancelled = false;
    bool m_busy = false;
};

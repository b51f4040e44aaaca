#pragma once

#include <QString>

#include <algorithm>
#include <functional>

class QImage;

// Takes one thumbnail: a frame of a movie, saved as a JPEG file. The player's shooter renders
// with the off-screen Flash control; tests use their own.
class ThumbnailShooter {
public:
    virtual ~ThumbnailShooter() = default;

    // TakeThumbnail: shoots movie and writes jpegPath at quality 0..100. A movie that cannot be
    // read or shown gets a picture that says so. show: the shot is also shown where the caller
    // previews shots. Returns "" when a picture was written, else why not.
    virtual QString TakeThumbnail(const QString& movie, const QString& jpegPath, int quality, bool show) = 0;
    // Ends the shot in progress (nothing happens between shots).
    virtual void CancelShot() { }
    // Where shots taken with show go (the generator's preview box); empty for nowhere.
    virtual void SetPreview(std::function<void(const QImage& shot)> preview) { }

    // A shot is being taken now (the event loop runs while it waits).
    virtual bool Busy() const { return false; }
    // A window that takes shots of its own holds the shooter while it is open: the media
    // browser takes none of its missing thumbnails meanwhile.
    void Hold() { ++m_holds; }
    void Release() { m_holds = std::max(0, m_holds - 1); }
    bool IsHeld() const { return m_holds > 0; }

private:
    int m_holds = 0;
};

// TakeThumbnail's answer for a shot that was cancelled, or could not start because another
// shot was in progress: no picture was written.
inline constexpr const char* kShotCancelled = "cancelled";

// Holds a shooter for as long as it lives.
class ShooterHold {
public:
    explicit ShooterHold(ThumbnailShooter& shooter)
        : m_shooter(shooter)
    {
        m_shooter.Hold();
    }
    ~ShooterHold() { m_shooter.Release(); }
    ShooterHold(const ShooterHold&) = delete;
    ShooterHold& operator=(const ShooterHold&) = delete;

private:
    ThumbnailShooter& m_shooter;
};

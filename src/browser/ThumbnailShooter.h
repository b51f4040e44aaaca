#pragma once

#include <QString>

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
};

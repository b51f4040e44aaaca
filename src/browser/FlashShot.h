#pragma once

#include "browser/ThumbnailShooter.h"

#include <QImage>
#include <QSize>

#include <memory>

class ShotMachine;
struct GeneratorSettings;
struct OptionsModule;

// The shot form: it prepares shots of movies on the program's one shot machine (an off-screen
// Flash control made on first use and kept) and writes them as thumbnails. The size of a shot
// is the generator's width and height; quality, frame choice and JPEG quality come from the
// "Thumbnails" options.
class FlashShot : public ThumbnailShooter {
public:
    // The no-media marker: a shot of no movie.
    static constexpr const char* kNoMedia = "| no |";

    // machine: the shot machine to use; by default one of its own, made on the first shot.
    FlashShot(const OptionsModule& options, const GeneratorSettings& generator, ShotMachine* machine = nullptr);
    ~FlashShot() override;

    // PrepareShot: a frame of movie at the shot size. The movie is identified first; one that
    // cannot be read, and a shot that fails (the movie hangs, crashes the engine or never
    // paints within the shot's time), give the "nomedia" picture on white (plainBackground) or
    // blue. A cancelled shot gives a null image.
    QImage PrepareShot(const QString& movie, bool plainBackground);

    // TakeThumbnail: PrepareShot, then the picture is shown (show) and written as a JPEG
    // file, at quality when it is 100 or less, else at "ShotJpeg".
    QString TakeThumbnail(const QString& movie, const QString& jpegPath, int quality, bool show) override;
    void CancelShot() override;
    void SetPreview(std::function<void(const QImage& shot)> preview) override { m_preview = std::move(preview); }
    bool Busy() const override { return m_busy; }

    QSize ShotSize() const;
    ShotMachine& Machine();

private:
    const OptionsModule& m_options;
    const GeneratorSettings& m_generator;
    ShotMachine* m_machine;
    std::unique_ptr<ShotMachine> m_ownMachine;
    std::function<void(const QImage&)> m_preview;
    bool m_busy = false;
    bool m_cancelled = false;
};

#pragma once

#include <QElapsedTimer>
#include <QPoint>
#include <QWidget>

#include <memory>

class FlashControl;

// The screen saver: the player's Flash control full screen on black, without menus or skin,
// playing one movie in a loop. The first key, button, wheel turn or mouse movement ends it.
class ScreenSaverWindow : public QWidget {
    Q_OBJECT

public:
    // The pointer may rest this far (pixels) from where it was first seen without ending the
    // saver, and the first moments after showing do not count (the window system reports the
    // pointer under a newly shown window).
    static constexpr int kMoveTolerance = 8;
    static constexpr int kSettleMs = 500;

    explicit ScreenSaverWindow(std::unique_ptr<FlashControl> control);
    ~ScreenSaverWindow() override;

    // Loads the movie (identified like any other: compressed, in a projector, Flash Video) and
    // plays it looping; false when it cannot be opened, and the screen stays black.
    bool Play(const QString& path);

    FlashControl& Control() { return *m_control; }

Q_SIGNALS:
    // The user came back: the saver is over.
    void Ended();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void End();

    std::unique_ptr<FlashControl> m_control;
    QElapsedTimer m_shown;
    QPoint m_firstPointer{-1, -1};
    bool m_ended = false;
};

#pragma once

#include <QObject>
#include <QPoint>
#include <QSet>
#include <QTimer>

class PlayerInput;
class QWheelEvent;

// The hook on the movie's own input (the Flash control's widget, through the control's input
// filter): the right button shows the movie's pop-up menu instead of any menu of the engine, the
// middle button plays and pauses and its double click toggles full screen, the wheel seeks a
// second per notch or, while the media browser is shown, tells the browser's movie
// (_root.mwheel, label "MWH"), keys go to the handy keys, and the pointer hides after resting
// kRestMs over the movie. Whatever the player leaves alone reaches the movie: left clicks, text
// entry, and single keys while "Handy Hot Keys" is off.
class FlashViewHook : public QObject {
    Q_OBJECT

public:
    static constexpr int kRestMs = 3000;
    // One notch of a wheel.
    static constexpr int kWheelStep = 120;

    explicit FlashViewHook(QObject* parent = nullptr);
    ~FlashViewHook() override;

    // Installs the hook on the player's control; without a widget to hook the log gets "Failed to
    // get Flash Window. Some features may be anavailable" and the gestures are missing.
    void Attach(PlayerInput& player);
    void Detach();
    bool IsAttached() const { return m_player != nullptr; }
    bool IsCursorHidden() const { return m_cursorHidden; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool Mouse(QEvent* event);
    void Wheel(QWheelEvent* event);
    bool Key(QEvent* event);
    void PointerMoved(const QPoint& position);
    void Rested();
    void ShowCursorAgain();

    PlayerInput* m_player = nullptr;
    QTimer m_rest;
    QPoint m_lastPosition{-1, -1};
    bool m_cursorHidden = false;
    int m_wheelRest = 0;    // the part of a notch not acted on yet
    QSet<int> m_takenKeys;  // keys whose press the player took: their release is the player's too
};

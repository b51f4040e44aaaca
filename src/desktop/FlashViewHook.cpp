#include "desktop/FlashViewHook.h"

#include "base/ExecutionLog.h"
#include "engine/FlashControl.h"
#include "player/PlayerInput.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWidget>

FlashViewHook::FlashViewHook(QObject* parent)
    : QObject(parent)
{
    m_rest.setSingleShot(true);
    m_rest.setInterval(kRestMs);
    connect(&m_rest, &QTimer::timeout, this, &FlashViewHook::Rested);
}

FlashViewHook::~FlashViewHook()
{
    Detach();
}

void FlashViewHook::Attach(PlayerInput& player)
{
    Detach();
    if (!player.SWF().widget()) {
        LogLine(QStringLiteral("Failed to get Flash Window. Some features may be anavailable"));
        return;
    }
    m_player = &player;
    player.SWF().SetInputFilter(this);
}

void FlashViewHook::Detach()
{
    if (!m_player)
        return;
    m_player->SWF().SetInputFilter(nullptr);
    m_player = nullptr;
    m_rest.stop();
    ShowCursorAgain();
}

bool FlashViewHook::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_player)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        return Mouse(event);
    case QEvent::MouseMove:
        PointerMoved(static_cast<QMouseEvent*>(event)->position().toPoint());
        return false;
    case QEvent::Leave:
        m_rest.stop();
        m_lastPosition = QPoint(-1, -1);
        ShowCursorAgain();
        return false;
    case QEvent::Wheel:
        Wheel(static_cast<QWheelEvent*>(event));
        return true;
    case QEvent::ContextMenu:
        return true;  // never the engine's own menu
    case QEvent::ShortcutOverride:
        // The engine would claim editing keys (Ctrl+Z, Ctrl+C...) for itself; the player's
        // shortcuts come first, and keys that are none reach the movie as usual.
        return true;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        return Key(event);
    default:
        return false;
    }
}

bool FlashViewHook::Mouse(QEvent* event)
{
    auto* mouse = static_cast<QMouseEvent*>(event);
    ShowCursorAgain();
    const Qt::MouseButton button = mouse->button();
    if (button != Qt::RightButton && button != Qt::MiddleButton)
        return false;
    if (event->type() == QEvent::MouseButtonPress) {
        if (button == Qt::RightButton)
            m_player->ShowPopUp(PopUpSource::Movie);
        else
            m_player->PlayPauseMedia();
    } else if (event->type() == QEvent::MouseButtonDblClick && button == Qt::MiddleButton) {
        // The first click of the pair toggled play already: the second puts it back.
        m_player->FullScreen(!m_player->IsFullScreen(), false);
        m_player->PlayPauseMedia();
    }
    return true;
}

void FlashViewHook::Wheel(QWheelEvent* event)
{
    const int delta = event->angleDelta().y();
    if (delta == 0)
        return;
    // Fine-grained wheels send parts of a notch: a second per whole notch, in the way it turns.
    if ((delta > 0) != (m_wheelRest > 0))
        m_wheelRest = 0;
    m_wheelRest += delta;
    while (std::abs(m_wheelRest) >= kWheelStep) {
        const bool forward = m_wheelRest > 0;
        m_wheelRest += forward ? -kWheelStep : kWheelStep;
        if (m_player->IsBrowsing()) {
            m_player->SWF().SetVariable(QStringLiteral("_root.mwheel"), forward ? QStringLiteral("1") : QStringLiteral("-1"));
            m_player->SWF().TCallLabel(QStringLiteral("vbCall"), QStringLiteral("MWH"));
        } else if (forward) {
            m_player->FFwd();
        } else {
            m_player->Rwd();
        }
    }
}

bool FlashViewHook::Key(QEvent* event)
{
    auto* key = static_cast<QKeyEvent*>(event);
    if (event->type() == QEvent::KeyRelease)
        return !key->isAutoRepeat() ? m_takenKeys.remove(key->key()) : m_takenKeys.contains(key->key());
    // Handy keys are single keys: with Ctrl, Alt or Meta held the key is the movie's.
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    if (modifiers != Qt::NoModifier || !m_player->HandyAction(key->key()))
        return false;
    m_takenKeys.insert(key->key());
    return true;
}

void FlashViewHook::PointerMoved(const QPoint& position)
{
    if (position == m_lastPosition)
        return;
    m_lastPosition = position;
    ShowCursorAgain();
    m_rest.start();
}

void FlashViewHook::Rested()
{
    if (m_cursorHidden || !m_player)
        return;
    QGuiApplication::setOverrideCursor(Qt::BlankCursor);
    m_cursorHidden = true;
}

void FlashViewHook::ShowCursorAgain()
{
    if (!m_cursorHidden)
        return;
    QGuiApplication::restoreOverrideCursor();
    m_cursorHidden = false;
}

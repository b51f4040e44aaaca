#include "desktop/WindowHooks.h"

#include "base/ErrorContext.h"
#include "base/ExecutionLog.h"
#include "desktop/AppCommands.h"
#include "desktop/HotKeys.h"
#include "engine/FlashControl.h"
#include "player/PlayerInput.h"
#include "player/PlayerSkin.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

// Controls that take typed text keep every key.
bool TakesText(const QWidget* control)
{
    if (qobject_cast<const QLineEdit*>(control) || qobject_cast<const QAbstractSpinBox*>(control))
        return true;
    if (const auto* combo = qobject_cast<const QComboBox*>(control))
        return combo->isEditable();
    if (const auto* text = qobject_cast<const QTextEdit*>(control))
        return !text->isReadOnly();
    if (const auto* plain = qobject_cast<const QPlainTextEdit*>(control))
        return !plain->isReadOnly();
    return false;
}

// Lists keep the keys that move through them.
bool MovesThroughList(const QWidget* control, int key)
{
    return qobject_cast<const QAbstractItemView*>(control)
        && (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown || key == Qt::Key_Home
            || key == Qt::Key_End);
}

}  // namespace

WindowHooks::WindowHooks(QObject* parent)
    : QObject(parent)
{
    connect(&m_form, &CFormEvents::ActivateApp, this, &WindowHooks::FormX_ActivateApp);
    connect(&m_form, &CFormEvents::AppCommand, this, [this](int command, int, int) { FormX_AppCommand(command); });
    connect(&m_form, &CFormEvents::FileDropped, this, &WindowHooks::FormX_FileDropped);
    connect(&m_form, &CFormEvents::HotKey, this, &WindowHooks::FormX_HotKey);
    connect(&m_form, &CFormEvents::KeyDown, this, &WindowHooks::FormX_KeyDown);
    connect(&m_form, &CFormEvents::MouseEnter, this, [this](QWidget* control) {
        if (m_player)
            m_player->Skin().MouseEnter(control);
    });
    connect(&m_form, &CFormEvents::MouseExit, this, [this](QWidget* control) {
        if (m_player)
            m_player->Skin().MouseExit(control);
    });
    // FormX_ContextMenu does nothing: the pop-up menus come from the mouse.
}

WindowHooks::~WindowHooks()
{
    Release();
}

void WindowHooks::Install(PlayerInput& player)
{
    Release();
    m_player = &player;
    try {
        m_form.SetHookedForm(player.Window());
    } catch (const VorlenError& error) {
        SetCurrentError(error.Info());
        LogErrorReport(QStringLiteral("Hook Window"));
    }
    m_form.SetDragDrop(true);
    m_flash.Attach(player);
    if (QGuiApplication::applicationState() == Qt::ApplicationActive)
        FormX_ActivateApp(true);
}

void WindowHooks::Release()
{
    if (!m_player)
        return;
    if (m_hotKeysAdded) {
        RemoveHotkeys(m_form);
        m_hotKeysAdded = false;
    }
    m_flash.Detach();
    m_form.SetHookedForm(nullptr);
    m_player = nullptr;
}

void WindowHooks::FormX_ActivateApp(bool active)
{
    if (!m_player)
        return;
    if (active && !m_hotKeysAdded && m_form.HookedForm()) {
        AddHotkeys(m_form);
        m_hotKeysAdded = true;
    } else if (!active && m_hotKeysAdded) {
        RemoveHotkeys(m_form);
        m_hotKeysAdded = false;
    }
    m_player->ApplicationActivated(active);
}

void WindowHooks::FormX_AppCommand(int command)
{
    const char* name = AppCommandItem(command);
    if (!m_player || !name)
        return;
    QAction* item = m_player->MenuItem(QLatin1String(name));
    if (!item || item->isEnabled())
        m_player->RunCommand(QLatin1String(name));
}

void WindowHooks::FormX_FileDropped(const QStringList& files, int x, int y)
{
    if (!m_player)
        return;
    QWidget* list = m_player->PlaylistArea();
    QWidget* window = m_player->Window();
    const bool onList = list && list->isVisible() && QRect(list->mapTo(window, QPoint(0, 0)), list->size()).contains(x, y);
    if (onList)
        m_player->AppendToPlaylist(files);
    else
        m_player->PlayPaths(files);
}

void WindowHooks::FormX_HotKey(int id)
{
    if (m_player)
        m_player->HotKeyAction(id);
}

// Form_KeyDown: the window sees the keys of its controls first and gives them to the handy keys,
// except those a control needs itself. The movie's keys come through its own hook.
void WindowHooks::FormX_KeyDown(QWidget* control, int key, Qt::KeyboardModifiers modifiers, bool* handled)
{
    if (!m_player)
        return;
    QWidget* movie = m_player->SWF().widget();
    if (movie && (control == movie || movie->isAncestorOf(control)))
        return;
    if ((modifiers & ~(Qt::KeypadModifier | Qt::ShiftModifier)) != Qt::NoModifier)
        return;
    if (TakesText(control) || MovesThroughList(control, key))
        return;
    if (m_player->HandyAction(key))
        *handled = true;
}

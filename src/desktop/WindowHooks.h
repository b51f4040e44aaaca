#pragma once

#include "desktop/CFormEvents.h"
#include "desktop/FlashViewHook.h"
#include "player/PlayerHooks.h"

#include <QObject>

class PlayerInput;

// The player window's hooks: its form events and what the window does with them (the FormX_
// handlers), and the hook on the movie's own input. Activation registers the hot keys and
// deactivation removes them; media keys run their menu items; files dropped on the playlist are
// appended to it and files dropped anywhere else become the new playlist; keys of the window's
// controls go to the handy keys first.
class WindowHooks : public QObject, public PlayerHooks {
    Q_OBJECT

public:
    explicit WindowHooks(QObject* parent = nullptr);
    ~WindowHooks() override;

    void Install(PlayerInput& player) override;
    void Release() override;

    CFormEvents& FormEvents() { return m_form; }
    FlashViewHook& FlashView() { return m_flash; }
    bool HotKeysAdded() const { return m_hotKeysAdded; }

    // The FormX_ handlers.
    void FormX_ActivateApp(bool active);
    void FormX_AppCommand(int command);
    void FormX_FileDropped(const QStringList& files, int x, int y);
    void FormX_HotKey(int id);
    void FormX_KeyDown(QWidget* control, int key, Qt::KeyboardModifiers modifiers, bool* handled);

private:
    PlayerInput* m_player = nullptr;
    CFormEvents m_form;
    FlashViewHook m_flash;
    bool m_hotKeysAdded = false;
};

// Quit: the program's one way out, whatever asks for it (the Exit menu, the close box, the end of
// the desktop session, a termination signal, a movie).
#include "player/Player.h"

#include "base/ExecutionLog.h"
#include "engine/FlashControl.h"
#include "media/CompressedMovieCache.h"
#include "player/PlayerDesktop.h"
#include "player/PlayerHooks.h"

#include <QApplication>
#include <QCloseEvent>

void Player::Quit(const QString& reason, bool saveState)
{
    if (m_quitting)
        return;
    m_quitting = true;
    m_tmrUpdate.stop();

    if (m_loaded && saveState)
        m_playlist.ClearPlaylist();  // saves the last-played list first
    m_swf->SetInputFilter(nullptr);
    if (m_hooks)
        m_hooks->Release();
    m_desktop->ReleaseHooks();
    if (saveState) {
        SaveOpts();
        m_desktop->SetSSState(State().initialScreenSaverActive);
    }
    ClearCache(OptionValues().cacheMode);
    if (m_releaseInstance)
        m_releaseInstance();
    m_loaded = false;

    // Every open window goes, the last opened first, this one last.
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (auto it = windows.crbegin(); it != windows.crend(); ++it) {
        if (*it != this && (*it)->isVisible())
            (*it)->close();
    }
    close();

    LogEmptyLine();
    LogLine(QStringLiteral("<B>Quit: ") + reason + QStringLiteral("</B>"));
    Q_EMIT Unloaded();
}

void Player::closeEvent(QCloseEvent* event)
{
    // The close box ends the program like the Exit menu, with the state saved.
    if (!m_quitting)
        Quit(QStringLiteral("Form Unload"), true);
    event->accept();
}

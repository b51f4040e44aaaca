#include "desktop/MprisAdaptors.h"

#include "base/Version.h"
#include "desktop/MprisService.h"
#include "engine/FlashControl.h"
#include "player/PlayerInput.h"

#include <QAction>
#include <QUrl>
#include <QWidget>

#include <cmath>

namespace {

// Runs a menu item as its click does, unless it is disabled.
void RunItem(PlayerInput& player, const char* name)
{
    QAction* item = player.MenuItem(QLatin1String(name));
    if (!item || item->isEnabled())
        player.RunCommand(QLatin1String(name));
}

bool ItemEnabled(const PlayerInput& player, const char* name)
{
    QAction* item = player.MenuItem(QLatin1String(name));
    return item && item->isEnabled();
}

}  // namespace

MprisRootAdaptor::MprisRootAdaptor(MprisService& service)
    : QDBusAbstractAdaptor(&service)
    , m_service(service)
{
    setAutoRelaySignals(false);
}

bool MprisRootAdaptor::Fullscreen() const
{
    return m_service.Player().IsFullScreen();
}

void MprisRootAdaptor::SetFullscreen(bool on)
{
    m_service.Player().FullScreen(on, false);
}

QString MprisRootAdaptor::Identity() const
{
    return QLatin1String(kAppName);
}

QString MprisRootAdaptor::DesktopEntry() const
{
    return QStringLiteral("vorlen");
}

QStringList MprisRootAdaptor::SupportedUriSchemes() const
{
    return {QStringLiteral("file")};
}

QStringList MprisRootAdaptor::SupportedMimeTypes() const
{
    return {QStringLiteral("application/vnd.adobe.flash.movie"), QStringLiteral("application/x-shockwave-flash"),
        QStringLiteral("video/x-flv"), QStringLiteral("application/x-vorlen-playlist")};
}

void MprisRootAdaptor::Raise()
{
    QWidget* window = m_service.Player().Window();
    if (window->isMinimized())
        window->showNormal();
    window->show();
    window->raise();
    window->activateWindow();
}

void MprisRootAdaptor::Quit()
{
    m_service.Player().RunCommand(QStringLiteral("mnuExit"));
}

MprisPlayerAdaptor::MprisPlayerAdaptor(MprisService& service)
    : QDBusAbstractAdaptor(&service)
    , m_service(service)
{
    setAutoRelaySignals(false);
}

QString MprisPlayerAdaptor::PlaybackStatus() const
{
    return m_service.PlaybackStatus();
}

QString MprisPlayerAdaptor::LoopStatus() const
{
    QAction* loop = m_service.Player().MenuItem(QStringLiteral("mnuLoop"));
    return loop && loop->isChecked() ? QStringLiteral("Track") : QStringLiteral("None");
}

void MprisPlayerAdaptor::SetLoopStatus(const QString& status)
{
    if ((status != QLatin1String("None")) != (LoopStatus() == QLatin1String("Track")))
        m_service.Player().RunCommand(QStringLiteral("mnuLoop"));
}

QVariantMap MprisPlayerAdaptor::Metadata() const
{
    return m_service.Metadata();
}

double MprisPlayerAdaptor::Volume() const
{
    return m_service.Player().Volume() / 100.0;
}

void MprisPlayerAdaptor::SetVolume(double volume)
{
    m_service.Player().SetSound(int(std::lround(std::clamp(volume, 0.0, 1.0) * 100)), 0);
}

qlonglong MprisPlayerAdaptor::Position() const
{
    return m_service.Position();
}

bool MprisPlayerAdaptor::CanGoNext() const
{
    return ItemEnabled(m_service.Player(), "mnuPlayNext");
}

bool MprisPlayerAdaptor::CanGoPrevious() const
{
    return ItemEnabled(m_service.Player(), "mnuPlayPrev");
}

bool MprisPlayerAdaptor::CanPlay() const
{
    return m_service.HasMovie();
}

void MprisPlayerAdaptor::Next()
{
    RunItem(m_service.Player(), "mnuPlayNext");
}

void MprisPlayerAdaptor::Previous()
{
    RunItem(m_service.Player(), "mnuPlayPrev");
}

void MprisPlayerAdaptor::Pause()
{
    if (m_service.HasMovie())
        m_service.Player().PauseMedia();
}

void MprisPlayerAdaptor::PlayPause()
{
    if (m_service.HasMovie())
        m_service.Player().PlayPauseMedia();
}

void MprisPlayerAdaptor::Stop()
{
    if (m_service.HasMovie())
        RunItem(m_service.Player(), "mnuStop");
}

void MprisPlayerAdaptor::Play()
{
    if (m_service.HasMovie())
        m_service.Player().PlayMedia();
}

void MprisPlayerAdaptor::Seek(qlonglong offset)
{
    m_service.SeekTo(m_service.Position() + offset);
}

void MprisPlayerAdaptor::SetPosition(const QDBusObjectPath& track, qlonglong position)
{
    if (track.path() == m_service.TrackId())
        m_service.SeekTo(position);
}

void MprisPlayerAdaptor::OpenUri(const QString& uri)
{
    const QUrl url(uri);
    if (url.isLocalFile())
        m_service.Player().PlayPaths({url.toLocalFile()});
}

#include "desktop/MprisService.h"

#include "base/ExecutionLog.h"
#include "desktop/MprisAdaptors.h"
#include "engine/FlashControl.h"
#include "media/MediaFileInfo.h"
#include "player/PlayerInput.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QFileInfo>
#include <QUrl>

#include <cmath>

namespace {

const QString kPlayerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");
constexpr double kMicroseconds = 1e6;

// RequestName's flag and answers.
constexpr uint kDoNotQueue = 4;
constexpr uint kPrimaryOwner = 1;
constexpr uint kAlreadyOwner = 4;

}  // namespace

MprisService::MprisService(PlayerInput& player, QObject* parent)
    : QObject(parent)
    , m_player(player)
{
    new MprisRootAdaptor(*this);
    m_playerAdaptor = new MprisPlayerAdaptor(*this);
    m_poll.setInterval(kPollInterval);
    connect(&m_poll, &QTimer::timeout, this, &MprisService::Announce);
}

MprisService::~MprisService()
{
    Stop();
}

bool MprisService::SessionBusPresent()
{
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return true;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/bus"));
}

bool MprisService::Start(const QDBusConnection& connection)
{
    Stop();
    m_connection = connection;
    if (!m_connection.isConnected()) {
        LogLine(QStringLiteral("Media Controls Unavailable: ") + m_connection.lastError().message());
        return false;
    }
    if (!m_connection.registerObject(QLatin1String(kObjectPath), this, QDBusConnection::ExportAdaptors)) {
        LogLine(QStringLiteral("Media Controls Unavailable: ") + m_connection.lastError().message());
        return false;
    }
    m_registered = true;
    m_announced = State();
    m_poll.start();
    RequestName(QLatin1String(kServiceName), true);
    return true;
}

void MprisService::Stop()
{
    m_poll.stop();
    if (!m_registered)
        return;
    if (!m_ownedName.isEmpty())
        m_connection.interface()->unregisterService(m_ownedName);
    m_connection.unregisterObject(QLatin1String(kObjectPath));
    m_registered = false;
    m_ownedName.clear();
}

void MprisService::RequestName(const QString& name, bool fallBack)
{
    QDBusMessage request = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"),
        QStringLiteral("/org/freedesktop/DBus"), QStringLiteral("org.freedesktop.DBus"), QStringLiteral("RequestName"));
    request << name << kDoNotQueue;
    auto* watcher = new QDBusPendingCallWatcher(m_connection.asyncCall(request), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, name, fallBack] {
        watcher->deleteLater();
        const QDBusPendingReply<uint> reply = *watcher;
        if (!m_registered)
            return;
        if (!reply.isError() && (reply.value() == kPrimaryOwner || reply.value() == kAlreadyOwner)) {
            m_ownedName = name;
            LogLine(QStringLiteral("Media Controls Registered as ") + name);
        } else if (fallBack && !reply.isError()) {
            // Another player has the name: this one gets a name of its own.
            RequestName(name + QStringLiteral(".instance") + QString::number(QCoreApplication::applicationPid()), false);
        } else {
            LogLine(QStringLiteral("Media Controls Unavailable: ")
                + (reply.isError() ? reply.error().message() : QStringLiteral("the name is taken")));
        }
    });
}

bool MprisService::HasMovie() const
{
    return !m_player.IsInterfaceMovie() && !m_player.MediaInfo().WorkingPath.isEmpty();
}

QString MprisService::PlaybackStatus() const
{
    if (!HasMovie())
        return QStringLiteral("Stopped");
    return m_player.SWF().Playing() ? QStringLiteral("Playing") : QStringLiteral("Paused");
}

QString MprisService::TrackId() const
{
    auto* self = const_cast<MprisService*>(this);
    const QString movie = m_player.MediaInfo().WorkingPath;
    if (movie != m_movie) {
        self->m_movie = movie;
        ++self->m_track;
    }
    return QStringLiteral("/org/vorlen/movie/") + QString::number(m_track);
}

QVariantMap MprisService::Metadata() const
{
    QVariantMap metadata;
    if (!HasMovie()) {
        metadata.insert(
            QStringLiteral("mpris:trackid"), QVariant::fromValue(QDBusObjectPath("/org/mpris/MediaPlayer2/TrackList/NoTrack")));
        return metadata;
    }
    const MediaFileInfo& info = m_player.MediaInfo();
    metadata.insert(QStringLiteral("mpris:trackid"), QVariant::fromValue(QDBusObjectPath(TrackId())));
    const QString title = m_player.MovieTitle();
    metadata.insert(QStringLiteral("xesam:title"), title.isEmpty() ? info.FileName : title);
    metadata.insert(QStringLiteral("xesam:url"), QUrl::fromLocalFile(info.SourcePath).toString());
    if (info.FrameRate > 0 && info.FrameCount > 0)
        metadata.insert(
            QStringLiteral("mpris:length"), qlonglong(std::llround(info.FrameCount / double(info.FrameRate) * kMicroseconds)));
    return metadata;
}

qlonglong MprisService::Position() const
{
    const double rate = m_player.MediaInfo().FrameRate;
    if (!HasMovie() || rate <= 0)
        return 0;
    return std::llround(m_player.SWF().CurrentFrame() / rate * kMicroseconds);
}

void MprisService::SeekTo(qlonglong position)
{
    const double rate = m_player.MediaInfo().FrameRate;
    if (!HasMovie() || rate <= 0)
        return;
    FlashControl& swf = m_player.SWF();
    const bool playing = swf.Playing();
    const int last = std::max(0, swf.TotalFrames() - 1);
    swf.GotoFrame(std::clamp(int(std::llround(position / kMicroseconds * rate)), 0, last));
    swf.SetPlaying(playing);
    Q_EMIT m_playerAdaptor->Seeked(Position());
}

// The player properties the desktop follows without asking.
QVariantMap MprisService::State() const
{
    return {
        {QStringLiteral("PlaybackStatus"), PlaybackStatus()},
        {QStringLiteral("Metadata"), Metadata()},
        {QStringLiteral("Volume"), m_playerAdaptor->Volume()},
        {QStringLiteral("LoopStatus"), m_playerAdaptor->LoopStatus()},
        {QStringLiteral("CanGoNext"), m_playerAdaptor->CanGoNext()},
        {QStringLiteral("CanGoPrevious"), m_playerAdaptor->CanGoPrevious()},
        {QStringLiteral("CanPlay"), m_playerAdaptor->CanPlay()},
        {QStringLiteral("CanPause"), m_playerAdaptor->CanPlay()},
        {QStringLiteral("CanSeek"), m_playerAdaptor->CanPlay()},
    };
}

void MprisService::Announce()
{
    const QVariantMap state = State();
    QVariantMap changed;
    for (auto it = state.cbegin(); it != state.cend(); ++it) {
        if (m_announced.value(it.key()) != it.value())
            changed.insert(it.key(), it.value());
    }
    m_announced = state;
    if (changed.isEmpty())
        return;
    QDBusMessage signal = QDBusMessage::createSignal(
        QLatin1String(kObjectPath), QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("PropertiesChanged"));
    signal << kPlayerInterface << changed << QStringList();
    m_connection.send(signal);
}

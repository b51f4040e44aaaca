#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QTimer>
#include <QVariantMap>

class MprisPlayerAdaptor;
class PlayerInput;

// The desktop's media controls: the player on the session bus as an MPRIS 2 media player
// ("org.mpris.MediaPlayer2.vorlen", object "/org/mpris/MediaPlayer2"). Play, pause, stop, next,
// previous, seeking, volume, loop, raise and quit end in the player's commands; the playback
// status and the movie shown (title, file, length from its frame count and rate) are announced
// as they change. The service starts only where a session bus exists, and never waits for the
// bus: the name is asked for without waiting for the answer.
class MprisService : public QObject {
    Q_OBJECT

public:
    static constexpr const char* kServiceName = "org.mpris.MediaPlayer2.vorlen";
    static constexpr const char* kObjectPath = "/org/mpris/MediaPlayer2";
    // How often the player's state is compared with what was announced, milliseconds.
    static constexpr int kPollInterval = 500;

    explicit MprisService(PlayerInput& player, QObject* parent = nullptr);
    ~MprisService() override;

    // Whether this session has a bus to offer the controls on: an address in the environment,
    // or the user's bus in the runtime folder.
    static bool SessionBusPresent();
    // Puts the object on the connection and asks for the name; false (and a log line) when the
    // connection is not there or the object cannot be registered. A second player takes the
    // name with ".instance" + its process id.
    bool Start(const QDBusConnection& connection);
    void Stop();
    // The name the service holds once the bus has answered ("" before, or without one).
    QString OwnedName() const { return m_ownedName; }

    // What the adaptors report and do.
    PlayerInput& Player() const { return m_player; }
    bool HasMovie() const;
    QString PlaybackStatus() const;
    QVariantMap Metadata() const;
    qlonglong Position() const;
    // Goes to a position of the movie in microseconds (the frame at that time), keeping playing
    // or paused as it was.
    void SeekTo(qlonglong position);
    // The movie's identity for the controls: changes with every movie shown.
    QString TrackId() const;

private:
    void RequestName(const QString& name, bool fallBack);
    void Announce();
    QVariantMap State() const;

    PlayerInput& m_player;
    MprisPlayerAdaptor* m_playerAdaptor = nullptr;
    QDBusConnection m_connection{QString()};
    bool m_registered = false;
    QString m_ownedName;
    QTimer m_poll;
    QVariantMap m_announced;
    QString m_movie;  // the working path of the movie the track number was given for
    int m_track = 0;
};

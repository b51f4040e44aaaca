// The desktop's media controls on a session bus of the test's own.
#include "InputTestSupport.h"
#include "PlayerTestSupport.h"
#include "common/SessionBus.h"

#include "desktop/MprisService.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QDBusVariant>
#include <QTest>
#include <QThread>

namespace {

// What a desktop's media widget saw, asking from a thread of its own (the player answers on the
// test's main thread).
struct DesktopView {
    QString statusBefore;
    QString statusAfter;
    QString callError;
    QVariantMap metadata;
    double volume = -1;
};

QVariant Property(QDBusConnection& bus, const char* interface, const char* name)
{
    QDBusInterface properties(QLatin1String(MprisService::kServiceName), QLatin1String(MprisService::kObjectPath),
        QStringLiteral("org.freedesktop.DBus.Properties"), bus);
    const QDBusReply<QDBusVariant> reply = properties.call(QStringLiteral("Get"), QLatin1String(interface), QLatin1String(name));
    return reply.isValid() ? reply.value().variant() : QVariant();
}

DesktopView AskAndPlayPause(const QString& address)
{
    DesktopView view;
    {
        QDBusConnection bus = QDBusConnection::connectToBus(address, QStringLiteral("desktop"));
        QDBusInterface player(QLatin1String(MprisService::kServiceName), QLatin1String(MprisService::kObjectPath),
            QStringLiteral("org.mpris.MediaPlayer2.Player"), bus);
        view.statusBefore = player.property("PlaybackStatus").toString();
        const QDBusMessage reply = player.call(QStringLiteral("PlayPause"));
        if (reply.type() == QDBusMessage::ErrorMessage)
            view.callError = reply.errorMessage();
        view.statusAfter = player.property("PlaybackStatus").toString();
        player.setProperty("Volume", 0.3);
        view.volume = player.property("Volume").toDouble();
        const QVariant metadata = Property(bus, "org.mpris.MediaPlayer2.Player", "Metadata");
        view.metadata = qdbus_cast<QVariantMap>(metadata.value<QDBusArgument>());
    }
    QDBusConnection::disconnectFromBus(QStringLiteral("desktop"));
    return view;
}

}  // namespace

TEST_F(PlayerTest, TheDesktopsMediaControlsPlayAndPauseAndSeeTheMovie)
{
    PrivateSessionBus bus;
    if (!bus.Start())
        GTEST_SKIP() << "dbus-daemon could not be started";
    MakePlayer();
    const QString movie = WriteMovie(QStringLiteral("spinning top.swf"), TestMovie{320, 240, 20, 50});
    player().LoadFlash(movie, QString(), false);
    Swf().SetPlaying(false);
    player().SetSound(80, 0);

    MprisService controls(player());
    EXPECT_EQ(controls.PlaybackStatus(), QStringLiteral("Paused"));
    QDBusConnection service = QDBusConnection::connectToBus(bus.Address(), QStringLiteral("player"));
    Mark();
    ASSERT_TRUE(controls.Start(service));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !controls.OwnedName().isEmpty(); }, 5000));
    EXPECT_EQ(controls.OwnedName(), QLatin1String(MprisService::kServiceName));
    EXPECT_EQ(LogSinceMark(), QStringList{QStringLiteral("Media Controls Registered as org.mpris.MediaPlayer2.vorlen<br>")});

    QDBusConnection watcher = QDBusConnection::connectToBus(bus.Address(), QStringLiteral("watcher"));
    PropertiesRecorder recorder;
    ASSERT_TRUE(
        watcher.connect(QString(), QLatin1String(MprisService::kObjectPath), QStringLiteral("org.freedesktop.DBus.Properties"),
            QStringLiteral("PropertiesChanged"), &recorder, SLOT(Changed(QString, QVariantMap, QStringList))));

    DesktopView view;
    QThread* desktop = QThread::create([&] { view = AskAndPlayPause(bus.Address()); });
    desktop->start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return desktop->isFinished(); }, 30000));
    delete desktop;

    EXPECT_TRUE(view.callError.isEmpty()) << view.callError.toStdString();
    EXPECT_EQ(view.statusBefore, QStringLiteral("Paused"));
    EXPECT_EQ(view.statusAfter, QStringLiteral("Playing"));
    EXPECT_TRUE(Swf().Playing());
    EXPECT_DOUBLE_EQ(view.volume, 0.3);
    EXPECT_EQ(player().Volume(), 30);
    EXPECT_EQ(view.metadata.value(QStringLiteral("xesam:title")).toString(), QStringLiteral("spinning top.swf"));
    EXPECT_EQ(view.metadata.value(QStringLiteral("xesam:url")).toString(), QUrl::fromLocalFile(movie).toString());
    EXPECT_EQ(view.metadata.value(QStringLiteral("mpris:length")).toLongLong(), 2'500'000);  // 50 frames at 20 a second
    EXPECT_TRUE(view.metadata.contains(QStringLiteral("mpris:trackid")));

    // The change of state is announced.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            for (const QVariantMap& change : recorder.changes) {
                if (change.value(QStringLiteral("PlaybackStatus")) == QStringLiteral("Playing"))
                    return true;
            }
            return false;
        },
        3000));

    // The welcome screen is no track: nothing to play or pause.
    player().CloseMedia(QString());
    EXPECT_EQ(controls.PlaybackStatus(), QStringLiteral("Stopped"));
    EXPECT_FALSE(controls.HasMovie());
    controls.Stop();
    QDBusConnection::disconnectFromBus(QStringLiteral("watcher"));
    QDBusConnection::disconnectFromBus(QStringLiteral("player"));
}

TEST(MprisService, ASessionBusIsLookedForOnlyWhereTheSessionNamesOne)
{
    const QByteArray address = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    QTemporaryDir empty;
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    qputenv("XDG_RUNTIME_DIR", empty.path().toUtf8());
    EXPECT_FALSE(MprisService::SessionBusPresent());
    WriteAll(empty.path() + QStringLiteral("/bus"), QByteArray());
    EXPECT_TRUE(MprisService::SessionBusPresent());
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nowhere");
    qputenv("XDG_RUNTIME_DIR", "/nowhere");
    EXPECT_TRUE(MprisService::SessionBusPresent());
    const auto restore = [](const char* name, const QByteArray& value) {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    };
    restore("DBUS_SESSION_BUS_ADDRESS", address);
    restore("XDG_RUNTIME_DIR", runtime);
}

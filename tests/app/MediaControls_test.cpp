// The running player's media controls, seen from the desktop's side of a session bus.
#include "AppTestSupport.h"
#include "common/SessionBus.h"
#include "swf/SwfWriter.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusReply>
#include <QDBusVariant>
#include <QProcess>

namespace {

const QString kService = QStringLiteral("org.mpris.MediaPlayer2.vorlen");
const QString kPath = QStringLiteral("/org/mpris/MediaPlayer2");

QVariant Property(QDBusConnection& bus, const QString& interface, const QString& name)
{
    QDBusInterface properties(kService, kPath, QStringLiteral("org.freedesktop.DBus.Properties"), bus);
    const QDBusReply<QDBusVariant> reply = properties.call(QStringLiteral("Get"), interface, name);
    return reply.isValid() ? reply.value().variant() : QVariant();
}

bool WaitFor(const std::function<bool()>& condition, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(50);
    }
    return true;
}

}  // namespace

TEST(MediaControls, TheDesktopPausesThePlayingMovieAndQuitsThePlayer)
{
    SKIP_WITHOUT_DISPLAY();
    EnsureCoreApplication();
    PrivateSessionBus bus;
    if (!bus.Start())
        GTEST_SKIP() << "dbus-daemon could not be started";
    TempConfigDir config;
    PrivateAppTree tree;
    ASSERT_TRUE(tree.IsValid());
    tree.KeepMyFlashInside();
    const QString movie = tree.Root() + QStringLiteral("movies/a movie.swf");
    QDir().mkpath(tree.Root() + QStringLiteral("movies"));
    SwfWriter writer;
    writer.SetVersion(8).SetFrameSize(400, 300).SetFrameRate(12).SetBackgroundColor(0x30, 0x60, 0x90);
    for (int i = 0; i < 24; ++i)
        writer.ShowFrame();
    ASSERT_TRUE(WriteAll(movie, writer.ToBytes()));

    QProcess player;
    QProcessEnvironment environment = tree.Environment();
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus.Address());
    player.setProcessEnvironment(environment);
    player.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    player.start(tree.Program(), {movie});
    ASSERT_TRUE(player.waitForStarted(10000));
    ASSERT_TRUE(WaitForRegistration(player, tree.Log()));
    ASSERT_TRUE(WaitFor(
        [&] { return ReadAll(tree.Log()).contains("Media Controls Registered as org.mpris.MediaPlayer2.vorlen"); }, 10000));

    QDBusConnection desktop = QDBusConnection::connectToBus(bus.Address(), QStringLiteral("desktop"));
    QDBusInterface controls(kService, kPath, QStringLiteral("org.mpris.MediaPlayer2.Player"), desktop);
    ASSERT_TRUE(controls.isValid()) << controls.lastError().message().toStdString();
    EXPECT_TRUE(WaitFor([&] { return controls.property("PlaybackStatus").toString() == QLatin1String("Playing"); }, 20000));
    const QDBusMessage reply = controls.call(QStringLiteral("PlayPause"));
    EXPECT_NE(reply.type(), QDBusMessage::ErrorMessage) << reply.errorMessage().toStdString();
    EXPECT_TRUE(WaitFor([&] { return controls.property("PlaybackStatus").toString() == QLatin1String("Paused"); }, 5000));

    EXPECT_EQ(Property(desktop, QStringLiteral("org.mpris.MediaPlayer2"), QStringLiteral("Identity")).toString(),
        QStringLiteral("Vorlen"));

    // Quit from the desktop ends the player as its Exit menu does.
    QDBusInterface application(kService, kPath, QStringLiteral("org.mpris.MediaPlayer2"), desktop);
    application.call(QStringLiteral("Quit"));
    EXPECT_TRUE(player.waitForFinished(20000));
    EXPECT_TRUE(QString::fromUtf8(ReadAll(tree.Log())).endsWith(QStringLiteral("<B>Quit: Exit Menu</B><br>\r\n")));
    Stop(player);
    QDBusConnection::disconnectFromBus(QStringLiteral("desktop"));
}

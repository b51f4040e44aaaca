// The screen saver's side of the desktop: the values SetAsSS records, and the inhibition over a
// session bus of the test's own with a screen-saver service of the test's own.
#include "DesktopTestSupport.h"

#include "desktop/ScreenSaverChoice.h"
#include "desktop/ScreenSaverInhibitor.h"
#include "options/RegistryStore.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QMutex>
#include <QProcess>
#include <QThread>

namespace {

QString Stored(const char* section, const char* name)
{
    return ReadRegistryString(QLatin1String(section), QLatin1String(name), QStringLiteral("<none>"));
}

// The desktop's screen saver as the test plays it: it hands out cookies and records the calls.
class FakeScreenSaver : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")

public:
    QStringList Calls() const
    {
        QMutexLocker lock(&m_mutex);
        return m_calls;
    }

public Q_SLOTS:
    uint Inhibit(const QString& application, const QString& reason)
    {
        QMutexLocker lock(&m_mutex);
        m_calls << QStringLiteral("Inhibit %1 (%2) -> %3").arg(application, reason).arg(m_next);
        return m_next++;
    }
    void UnInhibit(uint cookie)
    {
        QMutexLocker lock(&m_mutex);
        m_calls << QStringLiteral("UnInhibit %1").arg(cookie);
    }

private:
    mutable QMutex m_mutex;
    QStringList m_calls;
    uint m_next = 41;
};

// A session bus of the test's own.
class PrivateBus {
public:
    PrivateBus()
    {
        m_daemon.start(QStringLiteral("dbus-daemon"),
            {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
        if (m_daemon.waitForStarted(5000) && m_daemon.waitForReadyRead(5000))
            m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
    }
    ~PrivateBus()
    {
        m_daemon.kill();
        m_daemon.waitForFinished(5000);
    }
    QString Address() const { return m_address; }

private:
    QProcess m_daemon;
    QString m_address;
};

class ScreenSaverTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "test_desktop_bus";
        static char* argv[] = {name, nullptr};
        if (!QCoreApplication::instance())
            new QCoreApplication(argc, argv);
    }
};

}  // namespace

TEST_F(ScreenSaverTest, SetAsSSKeepsTheMovieBeforeAndNamesTheSaverModule)
{
    TempDesktop desktop;
    const QString module = desktop.MakeProgram(QStringLiteral("vorlen"));
    RecordScreenSaverMovie(QStringLiteral("/movies/a.swf"), module);
    RecordScreenSaverMovie(QStringLiteral("/movies/b.swf"), module);
    EXPECT_EQ(Stored("ScreenSaver", "FileName"), QStringLiteral("/movies/b.swf"));
    EXPECT_EQ(Stored("ScreenSaver", "FileOld"), QStringLiteral("/movies/a.swf"));
    EXPECT_EQ(
        ReadRegistryString(QStringLiteral("Control Panel\\Desktop"), QStringLiteral("SCRNSAVE.EXE"), QString(), false), module);
    EXPECT_EQ(ScreenSaverMovie(), QStringLiteral("/movies/b.swf"));

    // Without a saver module the movie is still recorded, and the saver named is none.
    RecordScreenSaverMovie(QStringLiteral("/movies/c.swf"), QString());
    EXPECT_EQ(Stored("ScreenSaver", "FileOld"), QStringLiteral("/movies/b.swf"));
    EXPECT_EQ(ReadRegistryString(
                  QStringLiteral("Control Panel/Desktop"), QStringLiteral("SCRNSAVE.EXE"), QStringLiteral("<none>"), false),
        QString());
}

TEST_F(ScreenSaverTest, InhibitionIsAskedOnceAndGivenBackWithItsCookie)
{
    PrivateBus bus;
    ASSERT_FALSE(bus.Address().isEmpty()) << "dbus-daemon did not start";
    QDBusConnection serviceBus = QDBusConnection::connectToBus(bus.Address(), QStringLiteral("service"));
    ASSERT_TRUE(serviceBus.isConnected());
    QThread serviceThread;
    FakeScreenSaver saver;
    saver.moveToThread(&serviceThread);
    serviceThread.start();
    ASSERT_TRUE(
        serviceBus.registerObject(QStringLiteral("/org/freedesktop/ScreenSaver"), &saver, QDBusConnection::ExportAllSlots));
    ASSERT_TRUE(serviceBus.registerService(QStringLiteral("org.freedesktop.ScreenSaver")));

    {
        ScreenSaverInhibitor inhibitor(QDBusConnection::connectToBus(bus.Address(), QStringLiteral("player")));
        EXPECT_TRUE(inhibitor.IsActive());
        inhibitor.SetActive(false);
        inhibitor.SetActive(false);
        EXPECT_FALSE(inhibitor.IsActive());
        inhibitor.SetActive(true);
        EXPECT_TRUE(inhibitor.IsActive());
        inhibitor.SetActive(true);
        inhibitor.SetActive(false);  // held when the player goes: given back on its way out
    }
    EXPECT_EQ(saver.Calls(),
        QStringList({QStringLiteral("Inhibit Vorlen (Temporarily Disable Screen Saver) -> 41"), QStringLiteral("UnInhibit 41"),
            QStringLiteral("Inhibit Vorlen (Temporarily Disable Screen Saver) -> 42"), QStringLiteral("UnInhibit 42")}));

    serviceBus.unregisterService(QStringLiteral("org.freedesktop.ScreenSaver"));
    serviceThread.quit();
    serviceThread.wait();
    QDBusConnection::disconnectFromBus(QStringLiteral("service"));
    QDBusConnection::disconnectFromBus(QStringLiteral("player"));
}

TEST_F(ScreenSaverTest, WithoutTheServiceNothingFails)
{
    PrivateBus bus;
    ASSERT_FALSE(bus.Address().isEmpty()) << "dbus-daemon did not start";
    ScreenSaverInhibitor inhibitor(QDBusConnection::connectToBus(bus.Address(), QStringLiteral("lonely")));
    inhibitor.SetActive(false);
    EXPECT_TRUE(inhibitor.IsActive());
    inhibitor.SetActive(true);
    QDBusConnection::disconnectFromBus(QStringLiteral("lonely"));

    // Nor without any bus.
    ScreenSaverInhibitor unconnected(QDBusConnection(QStringLiteral("no such connection")));
    unconnected.SetActive(false);
    EXPECT_TRUE(unconnected.IsActive());
}

#include "ScreenSaver_test.moc"

#include "AppTestSupport.h"
#include "common/TestSupport.h"
#include "options/RegistryStore.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>

#include <unistd.h>

// Starts the real player twice. Needs a display (label ui, run under xvfb-run).

namespace {

// A private application folder beside the built one: the program linked (or copied) in, the
// rest of the tree linked, Data/ a folder of its own so that the log written there is this
// test's alone, whatever else runs the player meanwhile.
class PrivateAppTree {
public:
    PrivateAppTree()
        : m_dir(QFileInfo(AppTreeDir()).absolutePath() + QStringLiteral("/second-start-XXXXXX"))
    {
        const QDir built(AppTreeDir());
        const QString root = m_dir.path() + QLatin1Char('/');
        const QString program = built.filePath(QStringLiteral("vorlen"));
        if (::link(QFile::encodeName(program).constData(), QFile::encodeName(root + QStringLiteral("vorlen")).constData()) != 0)
            QFile::copy(program, root + QStringLiteral("vorlen"));
        for (const QFileInfo& item : built.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
            if (item.fileName() != QLatin1String("vorlen") && item.fileName() != QLatin1String("Data"))
                QFile::link(item.absoluteFilePath(), root + item.fileName());
        }
        QDir().mkpath(root + QStringLiteral("Data"));
        for (const QFileInfo& item :
            QDir(built.filePath(QStringLiteral("Data"))).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot))
            QFile::link(item.absoluteFilePath(), root + QStringLiteral("Data/") + item.fileName());
    }
    bool isValid() const { return m_dir.isValid() && QFileInfo(program()).isExecutable(); }
    QString program() const { return m_dir.path() + QStringLiteral("/vorlen"); }
    QString log() const { return m_dir.path() + QStringLiteral("/Data/Flash Player.Log.html"); }

private:
    QTemporaryDir m_dir;
};

QString RegisteredHandle()
{
    return ReadRegistryString(QStringLiteral("Window"), QStringLiteral("hWnd"), QStringLiteral("0"));
}

// Waits until the player has registered itself (its link is listening by then) and, when
// asked, has also finished its start-up log.
bool WaitForRegistration(const QProcess& player, const QString& log = QString(), int timeoutMs = 20000)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired() && player.state() == QProcess::Running) {
        if (RegisteredHandle() == QString::number(player.processId())
            && (log.isEmpty() || ReadAll(log).contains("<B>Player Loaded</B>")))
            return true;
        QThread::msleep(20);
    }
    return false;
}

void Stop(QProcess& player)
{
    if (player.state() == QProcess::NotRunning)
        return;
    player.terminate();
    if (!player.waitForFinished(5000)) {
        player.kill();
        player.waitForFinished(5000);
    }
}

class SecondStartTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
            && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            GTEST_SKIP() << "no display";
        EnsureCoreApplication();
        ASSERT_TRUE(tree.isValid());
        first.setProgram(tree.program());
        first.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    }
    void TearDown() override
    {
        Stop(second);
        Stop(first);
    }

    TempConfigDir store;
    PrivateAppTree tree;
    QProcess first;
    QProcess second;
};

}  // namespace

TEST_F(SecondStartTest, SecondStartHandsItsCommandLineOverAndEndsWithoutALog)
{
    first.start();
    ASSERT_TRUE(first.waitForStarted(10000));
    ASSERT_TRUE(WaitForRegistration(first, tree.log()));
    const QByteArray logBefore = ReadAll(tree.log());
    ASSERT_FALSE(logBefore.isEmpty());

    const QString name = QStringLiteral("dir with space/\u00fc movie.swf");
    second.start(tree.program(), {name, QStringLiteral("other.flv")});
    ASSERT_TRUE(second.waitForFinished(20000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);

    // The hand-over returns once the first player has handled it, so its line is there, followed
    // by what opening the named (missing) movie logged; the second start wrote nothing (a log of
    // its own would have replaced the file).
    const QString expected = QStringLiteral("Other Instance Requested: \"\"%1\" other.flv\"<br>\r\n").arg(name);
    const QString logAfter = QString::fromUtf8(ReadAll(tree.log()));
    ASSERT_TRUE(logAfter.startsWith(QString::fromUtf8(logBefore) + expected)) << logAfter.toStdString();
    EXPECT_EQ(logAfter.count(QStringLiteral(" :: Start Up")), 1);
    EXPECT_TRUE(logAfter.contains(QStringLiteral("Failed to load, since File Not Found")));  // the first name was played
    EXPECT_EQ(RegisteredHandle(), QString::number(first.processId()));
    EXPECT_EQ(first.state(), QProcess::Running);
}

TEST_F(SecondStartTest, WithOneInstanceOffASecondPlayerStartsAndTakesTheEntry)
{
    WriteRegistryString(QStringLiteral("System"), QStringLiteral("OneInstance"), QStringLiteral("False"));
    first.start();
    ASSERT_TRUE(first.waitForStarted(10000));
    ASSERT_TRUE(WaitForRegistration(first));

    second.setProgram(tree.program());
    second.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    second.start();
    ASSERT_TRUE(second.waitForStarted(10000));
    EXPECT_TRUE(WaitForRegistration(second));
    EXPECT_EQ(first.state(), QProcess::Running);
}

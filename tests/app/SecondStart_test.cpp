#include "AppTestSupport.h"
#include "common/TestSupport.h"
#include "options/RegistryStore.h"

#include <QProcess>

// Starts the real player twice. Needs a display (label ui, run under xvfb-run).

namespace {

class SecondStartTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SKIP_WITHOUT_DISPLAY();
        EnsureCoreApplication();
        ASSERT_TRUE(tree.IsValid());
        tree.KeepMyFlashInside();
        first.setProgram(tree.Program());
        first.setProcessEnvironment(tree.Environment());
        second.setProcessEnvironment(tree.Environment());
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
    ASSERT_TRUE(WaitForRegistration(first, tree.Log()));
    const QByteArray logBefore = ReadAll(tree.Log());
    ASSERT_FALSE(logBefore.isEmpty());

    const QString name = QStringLiteral("dir with space/\u00fc movie.swf");
    second.start(tree.Program(), {name, QStringLiteral("other.flv")});
    ASSERT_TRUE(second.waitForFinished(20000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);

    // The hand-over returns once the first player has handled it, so its line is there, followed
    // by what opening the named (missing) movie logged; the second start wrote nothing (a log of
    // its own would have replaced the file).
    const QString expected = QStringLiteral("Other Instance Requested: \"\"%1\" other.flv\"<br>\r\n").arg(name);
    const QString logAfter = QString::fromUtf8(ReadAll(tree.Log()));
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

    second.setProgram(tree.Program());
    second.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    second.start();
    ASSERT_TRUE(second.waitForStarted(10000));
    EXPECT_TRUE(WaitForRegistration(second));
    EXPECT_EQ(first.state(), QProcess::Running);
}

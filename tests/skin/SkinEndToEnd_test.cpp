#include "../app/AppTestSupport.h"

#include "swf/SwfWriter.h"

// The real player with its shipped skins, started as a desktop starts it. Needs a display.

namespace {

class SkinEndToEndTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SKIP_WITHOUT_DISPLAY();
        EnsureCoreApplication();
        ASSERT_TRUE(tree.IsValid());
        tree.KeepMyFlashInside();
        movie = tree.Root() + QStringLiteral("movie.swf");
        SwfWriter writer;
        writer.SetVersion(8).SetFrameSize(320, 240).SetFrameRate(12);
        for (int i = 0; i < 24; ++i)
            writer.ShowFrame();
        ASSERT_TRUE(WriteAll(movie, writer.ToBytes()));
    }
    void TearDown() override { Stop(player); }

    void Start(const QStringList& arguments)
    {
        player.setProcessEnvironment(tree.Environment());
        player.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        player.start(tree.Program(), arguments);
        ASSERT_TRUE(player.waitForStarted(10000));
        ASSERT_TRUE(WaitForRegistration(player, tree.Log()));
    }

    void Statement(const QString& statement)
    {
        QProcess second;
        second.setProcessEnvironment(tree.Environment());
        second.start(tree.Program(), {QStringLiteral("/exec ") + statement});
        ASSERT_TRUE(second.waitForFinished(20000));
    }

    void QuitPlayer()
    {
        Statement(QStringLiteral("Quit \"Test\", True"));
        ASSERT_TRUE(player.waitForFinished(20000));
    }

    QString Log() const { return QString::fromUtf8(ReadAll(tree.Log())); }

    TempConfigDir store;
    PrivateAppTree tree;
    QProcess player;
    QString movie;
};

}  // namespace

// A first start shows the Default skin, built without a single report, and keeps it.
TEST_F(SkinEndToEndTest, TheFirstStartShowsTheDefaultSkin)
{
    Start({movie});
    const QString log = Log();
    EXPECT_TRUE(log.contains(QStringLiteral(" :: Load Skin (") + tree.Root() + QStringLiteral("Skins/Default/skin.xml)<br>")));
    EXPECT_TRUE(log.contains(QStringLiteral("Skin Loaded in ")));
    EXPECT_FALSE(log.contains(QStringLiteral("ALERT")));
    EXPECT_FALSE(log.contains(QStringLiteral("Failed to draw")));
    EXPECT_EQ(RunningCaption(player.processId()), QStringLiteral("Vorlen - movie.swf"));

    Statement(QStringLiteral("SetSkinView \"viewFullScreen\": SetSkinView \"nowhere\""));
    EXPECT_TRUE(Log().contains(QStringLiteral("Set Skin View viewFullScreen<br>")));
    EXPECT_TRUE(Log().contains(QStringLiteral("No such view \"nowhere\"<br>")));
    QuitPlayer();
    EXPECT_FALSE(Log().contains(QStringLiteral("ALERT")));
    EXPECT_EQ(ReadRegistryString(QStringLiteral("View"), QStringLiteral("Skin"), QString()), QStringLiteral("Default"));
}

// A skin that is gone is reported once; the player runs without a skin and the next start uses
// "No Skin" without a report.
TEST_F(SkinEndToEndTest, AMissingSkinGivesThePlainWindowFromThenOn)
{
    WriteRegistryString(QStringLiteral("View"), QStringLiteral("Skin"), QStringLiteral("Vanished"));
    Start({movie});
    EXPECT_TRUE(Log().contains(QStringLiteral("<B>ALERT:</B> LoadSkin Vanished")));
    EXPECT_EQ(RunningCaption(player.processId()), QStringLiteral("Vorlen - movie.swf"));
    QuitPlayer();
    EXPECT_EQ(ReadRegistryString(QStringLiteral("View"), QStringLiteral("Skin"), QStringLiteral("<none>")), QString());

    Start({movie});
    EXPECT_FALSE(Log().contains(QStringLiteral("ALERT")));
    EXPECT_FALSE(Log().contains(QStringLiteral(" :: Load Skin")));
}

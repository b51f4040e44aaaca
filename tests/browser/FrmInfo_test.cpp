#include "BrowserTestSupport.h"

#include "browser/FrmInfo.h"
#include "browser/ThumbnailNames.h"
#include "media/IdentifyMedia.h"
#include "media/MediaTestSupport.h"
#include "media/TestExecutable.h"

#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QTest>

namespace {

class FrmInfoTest : public ::testing::Test {
protected:
    MediaFileInfo Identify(const QString& name, const QByteArray& bytes)
    {
        const QString path = WriteFile(m_dir.path(), name, bytes);
        MediaFileInfo info;
        EXPECT_EQ(IdentifyMedia(path, info, false), QString()) << name.toStdString();
        return info;
    }
    static QString Text(const FrmInfo& box, const char* label) { return box.Label(QLatin1String(label))->text(); }

    TempAppFolder m_app;
    QTemporaryDir m_dir;
    FakeShooter m_shooter;
};

TEST_F(FrmInfoTest, MovieVideoAndProjectorTexts)
{
    const QByteArray movie = MakeTestMovie(6, false);
    {
        FrmInfo box(Identify(QStringLiteral("plain.swf"), movie), nullptr);
        EXPECT_EQ(Text(box, "lblVersion"), QStringLiteral("Version: 6"));
        EXPECT_EQ(Text(box, "lblTime"), QStringLiteral("Length: 0:00 (2)"));
        EXPECT_EQ(Text(box, "lblMetrix"), QStringLiteral("Dimensions: 320 x 240 @ 12 fps"));
        EXPECT_TRUE(Text(box, "lblSize").startsWith(QStringLiteral("Size: ")));
        EXPECT_EQ(Text(box, "lblNote"), QString());
        EXPECT_EQ(Text(box, "lblName"), QStringLiteral("plain.swf"));
    }
    {
        const MediaFileInfo info = Identify(QStringLiteral("packed.swf"), MakeTestMovie(6, true));
        FrmInfo box(info, nullptr);
        EXPECT_TRUE(Text(box, "lblNote").startsWith(QStringLiteral("Compression: ")));
        EXPECT_TRUE(Text(box, "lblNote").endsWith(QStringLiteral("% of Original")));
        // Both sizes when they differ.
        EXPECT_TRUE(Text(box, "lblSize").contains(QLatin1Char('('))) << Text(box, "lblSize").toStdString();
    }
    {
        FrmInfo box(Identify(QStringLiteral("clip.flv"), MakeTestVideo(QByteArray(6, '\0'))), nullptr);
        EXPECT_EQ(Text(box, "lblNote"), QStringLiteral("Flash Video"));
        EXPECT_EQ(Text(box, "lblTime"), QStringLiteral("Length: 0:00 (0)"));
        EXPECT_EQ(Text(box, "lblVersion"), QStringLiteral("Version: 1"));
    }
    {
        FrmInfo box(Identify(QStringLiteral("game.exe"), MakeProjector(MakePlayerExecutable(), movie)), nullptr);
        EXPECT_EQ(Text(box, "lblNote"), QStringLiteral("Projector"));
        EXPECT_EQ(Text(box, "lblName"), QStringLiteral("game.exe"));
        EXPECT_EQ(Text(box, "lblVersion"), QStringLiteral("Version: 6"));
    }
    {
        // A movie cut short is named as damaged.
        FrmInfo box(Identify(QStringLiteral("cut.swf"), movie.left(movie.size() - 6)), nullptr);
        EXPECT_TRUE(Text(box, "lblDamage").startsWith(QStringLiteral("Damaged: "))) << Text(box, "lblDamage").toStdString();
    }
}

TEST_F(FrmInfoTest, AFileThatIsGoneShowsOnlyItsName)
{
    MediaFileInfo info = Identify(QStringLiteral("gone.swf"), MakeTestMovie());
    QFile::remove(info.SourcePath);
    FrmInfo box(info, &m_shooter);
    EXPECT_EQ(Text(box, "lblVersion"), QString());
    EXPECT_EQ(Text(box, "lblTime"), QStringLiteral("Length"));
    box.LoadThumbnail(false);
    EXPECT_TRUE(m_shooter.shots.isEmpty());
    EXPECT_FALSE(box.HasThumbnail());
}

TEST_F(FrmInfoTest, FileNameDoubleClickCopiesTheFullPath)
{
    // A long path is shortened in the label, never in the clipboard.
    const QString deep = QStringLiteral("a-rather-long-folder-name/another-long-folder-name/yet-another-folder");
    QDir().mkpath(m_dir.path() + QLatin1Char('/') + deep);
    const MediaFileInfo info = Identify(deep + QStringLiteral("/movie.swf"), MakeTestMovie());
    FrmInfo box(info, nullptr);
    box.resize(460, 300);
    box.show();
    QLabel* label = box.Label(QStringLiteral("lblFileName"));
    EXPECT_EQ(label->toolTip(), info.SourcePath);
    EXPECT_NE(label->text(), QStringLiteral("File: ") + info.SourcePath);
    QTest::mouseDClick(label, Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), info.SourcePath);
}

TEST_F(FrmInfoTest, ThumbnailIsMadeWhenMissingAndAgainOnDoubleClick)
{
    const MediaFileInfo info = Identify(QStringLiteral("thumb.swf"), MakeTestMovie());
    FrmInfo box(info, &m_shooter);
    EXPECT_EQ(box.ThumbnailPath(), BrowserThumbnailPath(info.SourcePath, false));
    box.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return box.HasThumbnail(); }, 2000));
    EXPECT_EQ(m_shooter.shots, QStringList{info.SourcePath});
    EXPECT_TRUE(QFileInfo::exists(box.ThumbnailPath()));

    // Shown again: the cached picture is used.
    box.LoadThumbnail(false);
    EXPECT_EQ(m_shooter.shots.size(), 1);
    // A double click on the box takes it again.
    m_shooter.colour = Qt::red;
    QTest::mouseDClick(&box, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(m_shooter.shots.size(), 2);
    EXPECT_EQ(QImage(box.ThumbnailPath()).pixelColor(10, 10).red() > 200, true);
}

}  // namespace

#include "MediaTestSupport.h"
#include "TestExecutable.h"
#include "common/TestSupport.h"

#include "base/AppFolders.h"
#include "media/CompressedMovieCache.h"
#include "media/IdentifyMedia.h"
#include "media/MediaFileInfo.h"
#include "media/MediaOptions.h"
#include "media/Projector.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class ProjectorTest : public ::testing::Test {
protected:
    void SetUp() override { SetMediaOptions(MediaOptions()); }
    void TearDown() override { SetMediaOptions(MediaOptions()); }

    QString InstallTemplate(const QByteArray& bytes)
    {
        return WriteFile(Folders().binary, QStringLiteral("projector.dll"), bytes);
    }

    TempAppFolder m_app;
    QTemporaryDir m_dir;
};

QByteArray Trailer(uint32_t length)
{
    QByteArray bytes = QByteArray::fromHex("563412FA");
    for (int i = 0; i < 4; ++i)
        bytes.append(static_cast<char>((length >> (8 * i)) & 0xFF));
    return bytes;
}

}  // namespace

TEST_F(ProjectorTest, MovieToProjectorAndBackRoundTripsByteForByte)
{
    const QByteArray player = MakePlayerExecutable();
    InstallTemplate(player);
    const struct {
        const char* name;
        QByteArray movie;
        bool compressed;
    } cases[] = {
        {"plain.swf", MakeTestMovie(6, false), false},
        {"packed.swf", MakeTestMovie(8, true), true},
        {"old.swf", MakeTestMovie(4, false), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString moviePath = WriteFile(m_dir.path(), QLatin1String(c.name), c.movie);
        MediaFileInfo movie;
        ASSERT_EQ(IdentifyMedia(moviePath, movie, false), QString());

        QString written;
        const QString projectorBase
            = m_dir.path() + QStringLiteral("/") + QLatin1String(c.name).chopped(4) + QStringLiteral("-proj");
        ASSERT_EQ(ConvertMovie(movie, projectorBase, &written), QString());
        EXPECT_EQ(written, projectorBase + QStringLiteral(".exe"));  // extension added
        EXPECT_EQ(ReadAll(written), player + c.movie + Trailer(static_cast<uint32_t>(c.movie.size())));

        MediaFileInfo projector;
        ASSERT_EQ(IdentifyMedia(written, projector, false), QString());
        EXPECT_TRUE(projector.IsProjector);
        EXPECT_EQ(projector.Compressed, c.compressed);
        EXPECT_EQ(projector.FileSize, QFileInfo(written).size());
        EXPECT_EQ(projector.UncompressedSize, static_cast<double>(MakeTestMovie(6, false).size()));
        EXPECT_EQ(projector.WorkingPath, CachePathFor(written, QStringLiteral(".swf"), true, false));
        EXPECT_EQ(projector.Width, 320);
        EXPECT_EQ(projector.BackgroundColor, QStringLiteral("336699"));

        const QString back = m_dir.path() + QStringLiteral("/") + QLatin1String(c.name).chopped(4) + QStringLiteral("-back");
        ASSERT_EQ(ConvertMovie(projector, back, &written), QString());
        EXPECT_EQ(written, back + QStringLiteral(".swf"));
        EXPECT_EQ(ReadAll(written), c.movie);
    }
}

TEST_F(ProjectorTest, ProjectorWithCompressedMovieLogsBothKinds)
{
    InstallTemplate(MakePlayerExecutable());
    const QByteArray movie = MakeTestMovie(9, true);
    const QString path = WriteFile(m_dir.path(), QStringLiteral("game.exe"), MakeProjector(MakePlayerExecutable(), movie));
    MediaFileInfo info;
    ASSERT_EQ(IdentifyMedia(path, info, false), QString());
    EXPECT_TRUE(info.IsProjector);
    EXPECT_TRUE(info.Compressed);
    const QString extracted = CachePathFor(path, QStringLiteral(".swf"), true, false);
    EXPECT_EQ(info.WorkingPath, extracted);
    EXPECT_EQ(ReadAll(extracted), movie);  // written unchanged, still "CWS"
    EXPECT_TRUE(ContainsInOrder(m_app.LogBody(),
        {QStringLiteral("Executable<br>"), QStringLiteral(" :: ExtractEXE (") + path + QStringLiteral(")... "),
            QStringLiteral("Writing data... "), QStringLiteral("Ok<br>"),
            QStringLiteral("File path changed to: ") + extracted + QStringLiteral("<br>"), QStringLiteral("Compressed File"),
            QStringLiteral(" :: DecompressFlash (Header Only)<br>")}))
        << m_app.LogBody().join(QLatin1Char('\n')).toStdString();
}

TEST_F(ProjectorTest, TemplateCarryingAMovieGivesOnlyItsPlayerPart)
{
    const QByteArray player = MakePlayerExecutable();
    InstallTemplate(MakeProjector(player, MakeTestMovie(5)));
    const QByteArray movie = MakeTestMovie(7);
    MediaFileInfo info;
    ASSERT_EQ(IdentifyMedia(WriteFile(m_dir.path(), QStringLiteral("m.swf"), movie), info, false), QString());
    const QString target = m_dir.path() + QStringLiteral("/out.exe");
    WriteFile(m_dir.path(), QStringLiteral("out.exe"), QByteArray("old content"));
    ASSERT_EQ(CreateProjector(target, info), QString());
    EXPECT_EQ(ReadAll(target), player + movie + Trailer(static_cast<uint32_t>(movie.size())));
}

TEST_F(ProjectorTest, ExpandedWorkingCopyGoesIntoTheProjector)
{
    const QByteArray player = MakePlayerExecutable();
    InstallTemplate(player);
    MediaFileInfo info;
    ASSERT_EQ(IdentifyMedia(WriteFile(m_dir.path(), QStringLiteral("c.swf"), MakeTestMovie(8, true)), info, true), QString());
    const QString target = m_dir.path() + QStringLiteral("/c.exe");
    ASSERT_EQ(CreateProjector(target, info), QString());
    const QByteArray plain = MakeTestMovie(8, false);
    EXPECT_EQ(ReadAll(target), player + plain + Trailer(static_cast<uint32_t>(plain.size())));
}

TEST_F(ProjectorTest, MissingTemplateFailsNamingTheFile)
{
    MediaFileInfo info;
    ASSERT_EQ(IdentifyMedia(WriteFile(m_dir.path(), QStringLiteral("m.swf"), MakeTestMovie()), info, false), QString());
    const QString target = m_dir.path() + QStringLiteral("/m.exe");
    const QString error = ConvertMovie(info, target);
    EXPECT_TRUE(error.contains(Folders().binary + QStringLiteral("projector.dll"))) << error.toStdString();
    EXPECT_FALSE(QFileInfo::exists(target));

    // The option points elsewhere: that file is named and used.
    MediaOptions options;
    options.projectorTemplate = m_dir.path() + QStringLiteral("/mine.exe");
    SetMediaOptions(options);
    EXPECT_TRUE(ConvertMovie(info, target).contains(QStringLiteral("mine.exe")));
    WriteFile(m_dir.path(), QStringLiteral("mine.exe"), MakePlayerExecutable());
    EXPECT_EQ(ConvertMovie(info, target), QString());
    EXPECT_TRUE(ReadAll(target).startsWith(MakePlayerExecutable()));
}

TEST_F(ProjectorTest, DoubtfulExecutablesFollowTheOption)
{
    const QByteArray movie = MakeTestMovie();
    const QString bare = WriteFile(m_dir.path(), QStringLiteral("bare.exe"), MakeProjector(MakeTestExecutable(nullptr), movie));
    MediaFileInfo info;
    EXPECT_EQ(IdentifyMedia(bare, info, false), QLatin1String(kNotGenericProjector));
    EXPECT_TRUE(info.SourcePath.isEmpty());  // reset on failure
    EXPECT_FALSE(QFileInfo::exists(CachePathFor(bare, QStringLiteral(".swf"), true, false)));

    const QString swflsh = WriteFile(
        m_dir.path(), QStringLiteral("old.exe"), MakeProjector(MakePlayerExecutable(QStringLiteral("swflsh32.EXE")), movie));
    EXPECT_EQ(IdentifyMedia(swflsh, info, false), QString());
    EXPECT_TRUE(info.IsProjector);

    MediaOptions options;
    options.genericProjectors = false;
    SetMediaOptions(options);
    EXPECT_EQ(IdentifyMedia(bare, info, false), QString());
    EXPECT_TRUE(info.IsProjector);
}

TEST_F(ProjectorTest, BrokenProjectorsGiveTheirReasons)
{
    const QByteArray player = MakePlayerExecutable();
    const QByteArray movie = MakeTestMovie();
    QByteArray tooLong = MakeProjector(player, movie);
    tooLong[tooLong.size() - 2] = 0x7F;  // L far beyond the file
    QByteArray newVersion = MakeProjector(player, MakeTestMovie(10));
    QByteArray notMovie = MakeProjector(player, QByteArray("ZWS\x06") + movie.mid(4));
    const struct {
        const char* name;
        QByteArray bytes;
        const char* reason;
    } cases[] = {
        {"nomagic.exe", player + movie, "Invalid Generic Projector"},
        {"toolong.exe", tooLong, "Input past end of file"},
        {"v10.exe", newVersion, "Invalid Generic Projector"},
        {"zws.exe", notMovie, "Invalid Generic Projector"},
        {"short.exe", QByteArray("MZ"),
            "Not a Generic Projector. Uncheck \"Tools &#62; Options &#62; Advanced &#62; Skip "
            "Doubtful Projectors\" to try to open it anyways"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = WriteFile(m_dir.path(), QLatin1String(c.name), c.bytes);
        MediaFileInfo info;
        EXPECT_EQ(IdentifyMedia(path, info, false), QLatin1String(c.reason));
        EXPECT_FALSE(QFileInfo::exists(CachePathFor(path, QStringLiteral(".swf"), true, false)));
    }
    EXPECT_TRUE(m_app.LogBody().contains(QStringLiteral("Invalid Generic Projector<br>")));
}

TEST_F(ProjectorTest, ExtractedMovieIsReusedUntilTheCacheIsCleared)
{
    const QByteArray player = MakePlayerExecutable();
    const QString path = WriteFile(m_dir.path(), QStringLiteral("p.exe"), MakeProjector(player, MakeTestMovie(6)));
    ASSERT_TRUE(ExtractEXE(path).reason.isEmpty());
    // The projector changes; the earlier extract still answers.
    WriteFile(m_dir.path(), QStringLiteral("p.exe"), MakeProjector(player, MakeTestMovie(7)));
    const ExtractResult again = ExtractEXE(path);
    EXPECT_EQ(ReadAll(again.moviePath), MakeTestMovie(6));
    ClearCache(1);
    EXPECT_EQ(ReadAll(ExtractEXE(path).moviePath), MakeTestMovie(7));
}

TEST_F(ProjectorTest, AnyExecutableServesAsTemplateButIsOpenedOnlyWithTheOptionOff)
{
    SKIP_WITHOUT_CORPUS();
    const QByteArray player = ReadAll(CorpusDir() + QStringLiteral("/exe/EXE.exe"));
    ASSERT_FALSE(player.isEmpty());
    InstallTemplate(player);
    const QByteArray movie = MakeTestMovie(6, true);
    MediaFileInfo info;
    ASSERT_EQ(IdentifyMedia(WriteFile(m_dir.path(), QStringLiteral("m.swf"), movie), info, false), QString());
    const QString target = m_dir.path() + QStringLiteral("/m.exe");
    ASSERT_EQ(CreateProjector(target, info), QString());

    MediaFileInfo projector;
    EXPECT_EQ(IdentifyMedia(target, projector, false), QLatin1String(kNotGenericProjector));
    MediaOptions options;
    options.genericProjectors = false;
    SetMediaOptions(options);
    ASSERT_EQ(IdentifyMedia(target, projector, false), QString());
    EXPECT_EQ(ReadAll(projector.WorkingPath), movie);
    EXPECT_EQ(projector.FileSize, player.size() + movie.size() + 8);
}

TEST_F(ProjectorTest, TruncatedProjectorsNeverCrash)
{
    const QByteArray projector = MakeProjector(MakePlayerExecutable(), MakeTestMovie(8, true));
    for (const bool generic : {true, false}) {
        MediaOptions options;
        options.genericProjectors = generic;
        SetMediaOptions(options);
        for (qsizetype length = 0; length < projector.size(); length += 7) {
            const QString path = WriteFile(m_dir.path(), QStringLiteral("cut%1.exe").arg(length), projector.left(length));
            MediaFileInfo info;
            const QString error = IdentifyMedia(path, info, true);
            EXPECT_FALSE(error.isEmpty()) << length;  // the trailer is gone in every cut
            EXPECT_FALSE(info.IsProjector);
        }
    }
}

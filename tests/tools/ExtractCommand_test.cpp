#include "media/ExtractTestSupport.h"

#include "common/TestSupport.h"
#include "media/CompressedMovieCache.h"
#include "swf/SwfWriter.h"

#include <QFileInfo>

#include <QProcess>
#include <QTemporaryDir>

namespace {

struct ToolRun {
    int status = -1;
    QString out;
    QString err;
};

ToolRun RunTool(const QStringList& arguments)
{
    QProcess process;
    process.start(AppTreeDir() + QStringLiteral("/vorlen-tool"), QStringList{QStringLiteral("extract")} + arguments);
    ToolRun run;
    if (!process.waitForFinished(60000))
        return run;
    run.status = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

class ExtractCommandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QByteArray image;
        AppendU16(image, 4);
        QByteArray sound;
        AppendU16(sound, 5);
        AppendU8(sound, 0x2F);
        AppendU32(sound, 1152);
        AppendU16(sound, 0);
        QByteArray head;
        AppendU8(head, 0);
        AppendU8(head, 0x2F);
        AppendU16(head, 1152);
        QByteArray block;
        AppendU32(block, 0);
        SwfWriter writer;
        writer.AddTag(21, image + QByteArray("\xFF\xD9\xFF\xD8", 4) + MakeJpeg(24, 24, 5));
        writer.AddTag(14, sound + MakeMp3(2, 1));
        writer.AddTag(18, head);
        writer.AddTag(19, block + MakeMp3(1, 2));
        m_movie = m_dir.path() + QStringLiteral("/tool movie.swf");
        ASSERT_TRUE(WriteAll(m_movie, writer.ToBytes(true)));
        m_dest = m_dir.path() + QStringLiteral("/out");
    }

    TempAppFolder m_app;  // also points the child's cache into the temporary folder
    QTemporaryDir m_dir;
    QString m_movie;
    QString m_dest;
};

TEST_F(ExtractCommandTest, DefaultKindsFromACompressedMovie)
{
    const ToolRun run = RunTool({m_movie, m_dest});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("Resource Extraction Complete!\n\nJPEG Images: 1\nEvent MP3s: 1\nMP3 Streams: 1\n"));
    EXPECT_EQ(FilesIn(m_dest), (QStringList{"tool movie.swf.4.jpg", "tool movie.swf.5.mp3", "tool movie.swf.stream.mp3"}));
    EXPECT_TRUE(DecodesAsJpeg(ReadAll(m_dest + QStringLiteral("/tool movie.swf.4.jpg"))));
}

TEST_F(ExtractCommandTest, KindFlagsChooseOnlyThoseKinds)
{
    const ToolRun run = RunTool({m_movie, m_dest, QStringLiteral("--event"), QStringLiteral("--stream")});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(FilesIn(m_dest), (QStringList{"tool movie.swf.5.mp3", "tool movie.swf.stream.mp3"}));
    EXPECT_FALSE(run.out.contains(QLatin1String("JPEG")));
}

TEST_F(ExtractCommandTest, NothingFoundIsSuccessAndUnreadableIsFailure)
{
    SwfWriter empty;
    empty.SetBackgroundColor(1, 2, 3);
    const QString emptyMovie = m_dir.path() + QStringLiteral("/empty.swf");
    ASSERT_TRUE(WriteAll(emptyMovie, empty.ToBytes()));
    ToolRun run = RunTool({emptyMovie, m_dest});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, QStringLiteral("Resource Extraction Complete!\n\nNo resources were extracted\n"));

    const QString text = m_dir.path() + QStringLiteral("/notes.swf");
    ASSERT_TRUE(WriteAll(text, "just some text"));
    run = RunTool({text, m_dest});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains(QLatin1String("Not a Flash Movie"))) << run.err.toStdString();

    run = RunTool({m_movie});
    EXPECT_EQ(run.status, 2);
}

// A corpus movie whose length field was set to 0xFFFFFFFF once made extract run for hours
// over a 4 GB cache file; it extracts what the unchanged movie gives, from a copy no longer
// than the movie.
TEST_F(ExtractCommandTest, LengthFieldOfFourGigabytesExtractsLikeTheMovie)
{
    SKIP_WITHOUT_CORPUS();
    const QByteArray movie = ReadAll(CorpusDir() + QStringLiteral("/swf/bitmapbuttons.swf"));
    ASSERT_TRUE(movie.startsWith("CWS"));
    QByteArray claiming = movie;
    claiming.replace(4, 4, QByteArray(4, '\xFF'));
    const QString original = m_dir.path() + QStringLiteral("/original.swf");
    const QString lying = m_dir.path() + QStringLiteral("/lying.swf");
    ASSERT_TRUE(WriteAll(original, movie));
    ASSERT_TRUE(WriteAll(lying, claiming));

    const ToolRun expected = RunTool({original, m_dest + QStringLiteral("1"), QStringLiteral("--jpeg")});
    const ToolRun run = RunTool({lying, m_dest + QStringLiteral("2"), QStringLiteral("--jpeg")});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(expected.out.contains(QLatin1String("JPEG Images: ")));
    EXPECT_EQ(run.out, expected.out);
    const qint64 expanded = QFileInfo(CachePathFor(original, QStringLiteral(".tmp"), true, false)).size();
    EXPECT_GT(expanded, movie.size());
    EXPECT_EQ(QFileInfo(CachePathFor(lying, QStringLiteral(".tmp"), true, false)).size(), expanded);
}

}  // namespace

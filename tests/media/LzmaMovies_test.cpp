#include "ExtractTestSupport.h"
#include "MediaTestSupport.h"
#include "common/LzmaMovie.h"
#include "common/TestSupport.h"

#include "media/CompressedMovieCache.h"
#include "media/IdentifyMedia.h"
#include "media/MediaFileInfo.h"
#include "media/ResourceExtractor.h"
#include "swf/SwfWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// LZMA movies ("ZWS") on the road of compressed movies, and compressed movies whose length
// field claims more than their stream holds.

namespace {

class LzmaTest : public ::testing::Test {
protected:
    QString Write(const QString& name, const QByteArray& bytes) { return WriteFile(m_dir.path(), name, bytes); }
    QString CacheFile(const QString& path) const { return CachePathFor(path, QStringLiteral(".tmp"), true, false); }

    TempAppFolder m_app;
    QTemporaryDir m_dir;
};

// The length field of a movie set to claim 4 GB.
QByteArray ClaimingFourGigabytes(QByteArray movie)
{
    movie.replace(4, 4, QByteArray(4, '\xFF'));
    return movie;
}

}  // namespace

TEST_F(LzmaTest, IdentifiedExpandedAndReusedLikeCompressedMovies)
{
    const QByteArray plain = MakeTestMovie(13, false);
    const QString path = Write(QStringLiteral("lzma.swf"), LzmaMovie(plain));
    MediaFileInfo info;
    ASSERT_EQ(IdentifyMedia(path, info, false), QString());
    EXPECT_TRUE(info.Compressed);
    EXPECT_EQ(info.Version, 13);
    EXPECT_EQ(info.UncompressedSize, plain.size());
    EXPECT_EQ(info.WorkingPath, path);  // the engine reads the LZMA file itself
    EXPECT_EQ(info.Width, 320);
    EXPECT_EQ(info.Height, 240);
    EXPECT_EQ(info.FrameCount, 2);
    EXPECT_EQ(info.BackgroundColor, QStringLiteral("336699"));
    EXPECT_EQ(ReadAll(CacheFile(path)), plain.left(26));
    const QStringList log = m_app.LogBody();
    EXPECT_EQ(log.value(0), QStringLiteral("LZMA Compressed File"));
    EXPECT_TRUE(ContainsInOrder(log,
        {QStringLiteral(" :: DecompressFlash (Header Only)<br>"), QStringLiteral("Decompression<br>"),
            QStringLiteral("Writing new header<br>"), QStringLiteral(" ... "), QStringLiteral("Ok<br>")}));

    MediaFileInfo again;
    ASSERT_EQ(IdentifyMedia(path, again, false), QString());
    EXPECT_TRUE(m_app.LogBody().contains(QStringLiteral("Header exists - skipping<br>")));

    MediaFileInfo full;
    ASSERT_EQ(IdentifyMedia(path, full, true), QString());
    EXPECT_EQ(full.WorkingPath, CacheFile(path));
    EXPECT_EQ(full.SourcePath, path);
    EXPECT_EQ(ReadAll(full.WorkingPath), plain);
    EXPECT_TRUE(m_app.LogBody().contains(QStringLiteral("Removing persistent file<br>")));
}

TEST_F(LzmaTest, DamagedHeadersAndStreamsCannotBeRead)
{
    const QByteArray movie = LzmaMovie(MakeTestMovie(13, false));
    QByteArray badProperties = movie;
    badProperties[12] = static_cast<char>(0xE1);  // lc/lp/pb beyond 224
    QByteArray badStream = movie;
    badStream[17] = 0x7F;  // the range coder's first byte is always 0
    QByteArray noBody = movie;
    noBody.replace(4, 4, QByteArray("\x07\x00\x00\x00", 4));  // a length shorter than the header
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"properties", badProperties},
        {"stream", badStream},
        {"length", noBody},
        {"no properties", movie.left(14)},
        {"header only", movie.left(8)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (const bool full : {false, true}) {
            const QString path = Write(QStringLiteral("%1-%2.swf").arg(QLatin1String(c.name)).arg(full), c.bytes);
            MediaFileInfo info;
            EXPECT_EQ(IdentifyMedia(path, info, full), QStringLiteral("Error Reading Compressed Movie"));
            EXPECT_TRUE(info.SourcePath.isEmpty());
            EXPECT_FALSE(QFileInfo::exists(CacheFile(path)));
        }
    }
}

TEST_F(LzmaTest, VersionBelowSixIsReadAsPlainAsForZlib)
{
    const QString path = Write(QStringLiteral("v5.swf"), LzmaMovie(MakeTestMovie(5, false)));
    MediaFileInfo info;
    ASSERT_EQ(IdentifyMedia(path, info, true), QString());
    EXPECT_FALSE(info.Compressed);
    EXPECT_EQ(info.WorkingPath, path);
    EXPECT_FALSE(QFileInfo::exists(CacheFile(path)));
}

TEST_F(LzmaTest, CutShortStreamsKeepZerosWhereDataIsMissing)
{
    SwfWriter writer;
    writer.SetVersion(13).AddTag(2, MakeJpeg(64, 64, 5)).ShowFrame();
    const QByteArray plain = writer.ToBytes();
    const QByteArray packed = LzmaMovie(plain);
    const QString path = Write(QStringLiteral("cut.swf"), packed.left(packed.size() - 40));
    MediaFileInfo info;
    ASSERT_EQ(IdentifyMedia(path, info, true), QString());
    const QByteArray expanded = ReadAll(info.WorkingPath);
    ASSERT_EQ(expanded.size(), plain.size());
    EXPECT_EQ(expanded.left(200), plain.left(200));
    EXPECT_EQ(expanded.right(8), QByteArray(8, '\0'));
}

// A length field of 0xFFFFFFFF once made the full expansion reserve a 4 GB file and the tag
// walk step through its zeros for hours. The copy now ends with the stream.
TEST_F(LzmaTest, LengthFieldClaimingFourGigabytesEndsWithTheStream)
{
    SwfWriter writer;
    writer.SetVersion(10).SetBackgroundColor(1, 2, 3).AddTag(21, QByteArray(2, '\x07') + MakeJpeg(32, 32, 1)).ShowFrame();
    const QByteArray plain = writer.ToBytes();
    const struct {
        const char* name;
        QByteArray movie;
    } cases[] = {
        {"zlib.swf", ClaimingFourGigabytes(writer.ToBytes(true))},
        {"lzma.swf", ClaimingFourGigabytes(LzmaMovie(plain))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = Write(QLatin1String(c.name), c.movie);
        MediaFileInfo info;
        ASSERT_EQ(IdentifyMedia(path, info, true), QString());
        EXPECT_EQ(info.UncompressedSize, 4294967295.0);
        const QFileInfo expanded(info.WorkingPath);
        EXPECT_EQ(expanded.size(), plain.size());
        EXPECT_EQ(ReadAll(info.WorkingPath).mid(8), plain.mid(8));

        const QString out = m_dir.path() + QStringLiteral("/out-") + QLatin1String(c.name) + QLatin1Char('/');
        QDir().mkpath(out);
        ExtractCounters counters = ExtractCounters::Chosen(true, false, false, false, false);
        const bool cancel = false;
        int reports = 0;
        ExtractProgress progress;
        progress.report = [&reports](double, const QString&) { ++reports; };
        ExtractResources(info, out, progress, counters, cancel);
        EXPECT_EQ(counters[ResourceKind::Jpeg], 1);
        EXPECT_EQ(reports, 2);  // the image and the End tag: no walk over zeros
    }
    // A stream cut short as well: a length the compressed bytes could never fill gets no zeros.
    const QByteArray packed = ClaimingFourGigabytes(writer.ToBytes(true));
    const QString path = Write(QStringLiteral("cut.swf"), packed.left(packed.size() - 10));
    MediaFileInfo info;
    ASSERT_EQ(IdentifyMedia(path, info, true), QString());
    EXPECT_LT(QFileInfo(info.WorkingPath).size(), plain.size());
}

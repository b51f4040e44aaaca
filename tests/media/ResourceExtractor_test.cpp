#include "ExtractTestSupport.h"

#include "browser/ExtractSummary.h"
#include "common/TestSupport.h"
#include "media/IdentifyMedia.h"
#include "media/ResourceExtractor.h"
#include "swf/SwfWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <unistd.h>

namespace {

QByteArray SoundBody(uint16_t id, int format, const QByteArray& data)
{
    QByteArray body;
    AppendU16(body, id);
    AppendU8(body, static_cast<uint8_t>((format << 4) | (3 << 2) | (1 << 1) | 1));
    AppendU32(body, 1152);
    if (format == 2)
        AppendU16(body, 0);  // seek samples
    return body + data;
}

QByteArray StreamHeadBody(int format)
{
    QByteArray body;
    AppendU8(body, 0x0F);
    AppendU8(body, static_cast<uint8_t>((format << 4) | (3 << 2) | (1 << 1) | 1));
    AppendU16(body, 1152);
    if (format == 2)
        AppendU16(body, 0);  // latency seek
    return body;
}

QByteArray StreamBlockBody(const QByteArray& frames)
{
    QByteArray body;
    AppendU16(body, 1152);
    AppendU16(body, 0);
    return body + frames;
}

QByteArray IdPlus(uint16_t id, const QByteArray& data)
{
    QByteArray body;
    AppendU16(body, id);
    return body + data;
}

// A movie that holds every tag the walk handles, its expected output and pixels to compare.
struct TestMovie {
    QByteArray bytes;
    QByteArray jpegTablesForm;  // made from tables + image (DefineBits 12)
    QByteArray jpeg2Plain;      // DefineBitsJPEG2 13, written unchanged
    QByteArray jpeg2Joined;     // DefineBitsJPEG2 14, tables and image joined
    QByteArray eventMp3;
    QByteArray rootStream;
    QByteArray spriteStream;
};

TestMovie MakeTestMovie(bool allLong)
{
    TestMovie movie;
    movie.jpegTablesForm = MakeJpeg(64, 48, 1);
    movie.jpeg2Plain = MakeJpeg(40, 30, 2);
    movie.jpeg2Joined = MakeJpeg(33, 17, 3);
    movie.eventMp3 = MakeMp3(3, 4);
    const QByteArray block1 = MakeMp3(1, 5), block2 = MakeMp3(2, 6), block3 = MakeMp3(1, 7), spriteBlock = MakeMp3(2, 8);
    movie.rootStream = block1 + block2 + block3;
    movie.spriteStream = spriteBlock;

    const SplitJpeg split = SplitJpegTables(movie.jpegTablesForm);
    const SplitJpeg joined = SplitJpegTables(movie.jpeg2Joined);
    SwfWriter writer;
    writer.SetBackgroundColor(0x11, 0x22, 0x33);
    writer.AddTag(8, split.tables, allLong);
    writer.AddTag(6, IdPlus(12, split.image), allLong);
    writer.AddTag(21, IdPlus(13, QByteArray("\xFF\xD9\xFF\xD8", 4) + movie.jpeg2Plain), allLong);
    writer.AddTag(21, IdPlus(14, joined.tables + joined.image), allLong);
    writer.AddTag(14, SoundBody(3, 2, movie.eventMp3), allLong);
    writer.AddTag(14, SoundBody(4, 1, MakeMp3(1, 9)), allLong);  // ADPCM: not written
    writer.AddTag(45, StreamHeadBody(2), true);                  // long header, short length
    writer.AddTag(19, StreamBlockBody(block1), allLong);
    writer.AddTag(19, StreamBlockBody(block2), allLong);
    writer.ShowFrame();
    QByteArray sprite;
    AppendU16(sprite, 7);
    AppendU16(sprite, 1);
    sprite += EncodeTag(18, StreamHeadBody(2), allLong);
    sprite += EncodeTag(19, StreamBlockBody(spriteBlock), allLong);
    sprite += EncodeTag(1, QByteArray(), allLong);
    sprite += EncodeTag(0, QByteArray(), allLong);
    writer.AddTag(39, sprite, allLong);
    writer.AddTag(19, StreamBlockBody(block3), allLong);  // the root stream goes on after the sprite
    writer.ShowFrame();
    movie.bytes = writer.ToBytes();
    return movie;
}

QByteArray Pixels(const QByteArray& jpeg)
{
    QByteArray pixels;
    DecodesAsJpeg(jpeg, nullptr, nullptr, &pixels);
    return pixels;
}

class ExtractTest : public ::testing::Test {
protected:
    QString MoviePath(const QString& name = QStringLiteral("intro.swf")) const
    {
        return m_movies.path() + QLatin1Char('/') + name;
    }
    QString Out() const { return m_out.path() + QLatin1Char('/'); }
    QByteArray Output(const QString& name) const { return ReadAll(Out() + name); }

    ExtractCounters Extract(
        const QString& path, ExtractCounters counters, const ExtractProgress& progress = {}, const bool& cancel = kNoCancel)
    {
        // Cut or damaged movies may fail identification; the walk then finds no movie file.
        MediaFileInfo info;
        IdentifyMedia(path, info, true);
        ExtractResources(info, Out(), progress, counters, cancel);
        return counters;
    }

    static ExtractCounters All() { return ExtractCounters::Chosen(true, true, true, true, true); }

    static inline const bool kNoCancel = false;
    TempAppFolder m_app;
    QTemporaryDir m_movies;
    QTemporaryDir m_out;
};

TEST_F(ExtractTest, WritesEveryHandledKindUnderItsName)
{
    const TestMovie movie = MakeTestMovie(false);
    ASSERT_TRUE(WriteAll(MoviePath(), movie.bytes));
    const ExtractCounters counters = Extract(MoviePath(), All());

    EXPECT_EQ(counters.value, (std::array<int32_t, 5>{3, 0, 1, 2, 0}));
    EXPECT_EQ(FilesIn(Out()),
        (QStringList{"intro.swf.12.jpg", "intro.swf.13.jpg", "intro.swf.14.jpg", "intro.swf.3.mp3", "intro.swf.stream.mp3",
            "intro.swf.stream7.mp3"}));

    // Tables moved into place by the fix-up: the image decodes to the pixels it was made from.
    int width = 0, height = 0;
    EXPECT_TRUE(DecodesAsJpeg(Output("intro.swf.12.jpg"), &width, &height));
    EXPECT_EQ(width, 64);
    EXPECT_EQ(height, 48);
    EXPECT_EQ(Pixels(Output("intro.swf.12.jpg")), Pixels(movie.jpegTablesForm));
    EXPECT_EQ(Output("intro.swf.13.jpg"), movie.jpeg2Plain);
    EXPECT_TRUE(DecodesAsJpeg(Output("intro.swf.14.jpg")));
    EXPECT_EQ(Pixels(Output("intro.swf.14.jpg")), Pixels(movie.jpeg2Joined));

    EXPECT_EQ(Output("intro.swf.3.mp3"), movie.eventMp3);
    EXPECT_EQ(Output("intro.swf.stream.mp3"), movie.rootStream);
    EXPECT_EQ(Output("intro.swf.stream7.mp3"), movie.spriteStream);
    for (const QString& name : FilesIn(Out())) {
        if (name.endsWith(QLatin1String(".mp3"))) {
            EXPECT_TRUE(StartsLikeMp3(Output(name))) << name.toStdString();
        }
    }
    EXPECT_TRUE(m_app.LogBody().contains(QStringLiteral(" :: Resource Extraction<br>")));
}

TEST_F(ExtractTest, LongHeadersWithShortLengthsReadLikeShortOnes)
{
    const TestMovie movie = MakeTestMovie(true);
    ASSERT_TRUE(WriteAll(MoviePath(), movie.bytes));
    const ExtractCounters counters = Extract(MoviePath(), All());
    EXPECT_EQ(counters.value, (std::array<int32_t, 5>{3, 0, 1, 2, 0}));
    EXPECT_EQ(Output("intro.swf.3.mp3"), movie.eventMp3);
    EXPECT_EQ(Output("intro.swf.stream.mp3"), movie.rootStream);
    EXPECT_EQ(Output("intro.swf.stream7.mp3"), movie.spriteStream);
    EXPECT_EQ(Pixels(Output("intro.swf.12.jpg")), Pixels(movie.jpegTablesForm));
}

TEST_F(ExtractTest, KindsNotChosenAreLeftAlone)
{
    ASSERT_TRUE(WriteAll(MoviePath(), MakeTestMovie(false).bytes));
    ExtractCounters counters = Extract(MoviePath(), ExtractCounters::Chosen(true, false, false, false, false));
    EXPECT_EQ(counters.value, (std::array<int32_t, 5>{3, -1, -1, -1, -1}));
    EXPECT_EQ(FilesIn(Out()), (QStringList{"intro.swf.12.jpg", "intro.swf.13.jpg", "intro.swf.14.jpg"}));

    QDir(Out()).removeRecursively();
    QDir().mkpath(Out());
    counters = Extract(MoviePath(), ExtractCounters::Chosen(false, true, false, false, true));
    EXPECT_EQ(counters.value, (std::array<int32_t, 5>{-1, 0, -1, -1, 0}));
    EXPECT_TRUE(FilesIn(Out()).isEmpty());
    EXPECT_EQ(ExtractSummaryMessage(counters, false),
        QStringLiteral("Resource Extraction Complete!\r\n\r\nNo resources were extracted"));
}

TEST_F(ExtractTest, ExistingFilesAreReplacedNotAppended)
{
    const TestMovie movie = MakeTestMovie(false);
    ASSERT_TRUE(WriteAll(MoviePath(), movie.bytes));
    const QByteArray junk(100000, 'x');
    for (const char* name : {"intro.swf.13.jpg", "intro.swf.3.mp3", "intro.swf.stream.mp3", "intro.swf.stream7.mp3"})
        ASSERT_TRUE(WriteAll(Out() + QLatin1String(name), junk));
    Extract(MoviePath(), All());
    Extract(MoviePath(), All());  // twice: the second run replaces the first one's files too
    EXPECT_EQ(Output("intro.swf.13.jpg"), movie.jpeg2Plain);
    EXPECT_EQ(Output("intro.swf.3.mp3"), movie.eventMp3);
    EXPECT_EQ(Output("intro.swf.stream.mp3"), movie.rootStream);
    EXPECT_EQ(Output("intro.swf.stream7.mp3"), movie.spriteStream);

    // A read-only file of that name is replaced too; a link is replaced, not written through.
    QFile::setPermissions(Out() + QStringLiteral("intro.swf.3.mp3"), QFileDevice::ReadOwner);
    const QString elsewhere = m_movies.path() + QStringLiteral("/elsewhere.mp3");
    ASSERT_TRUE(WriteAll(elsewhere, junk));
    QFile::remove(Out() + QStringLiteral("intro.swf.stream.mp3"));
    ASSERT_TRUE(QFile::link(elsewhere, Out() + QStringLiteral("intro.swf.stream.mp3")));
    Extract(MoviePath(), All());
    EXPECT_EQ(Output("intro.swf.3.mp3"), movie.eventMp3);
    EXPECT_EQ(Output("intro.swf.stream.mp3"), movie.rootStream);
    EXPECT_FALSE(QFileInfo(Out() + QStringLiteral("intro.swf.stream.mp3")).isSymLink());
    EXPECT_EQ(ReadAll(elsewhere), junk);

    // A file that has another name too (a hard link) keeps its content under that name.
    const QString other = m_movies.path() + QStringLiteral("/other.jpg");
    QFile::remove(other);
    ASSERT_EQ(
        ::link(QFile::encodeName(Out() + QStringLiteral("intro.swf.13.jpg")).constData(), QFile::encodeName(other).constData()),
        0);
    QFile shared(other);
    ASSERT_TRUE(shared.open(QIODevice::WriteOnly | QIODevice::Truncate));  // in place: both names see it
    shared.write(junk);
    shared.close();
    Extract(MoviePath(), All());
    EXPECT_EQ(Output("intro.swf.13.jpg"), movie.jpeg2Plain);
    EXPECT_EQ(ReadAll(other), junk);
}

TEST_F(ExtractTest, EachImageGetsTheTablesOfTheLastTablesTag)
{
    const QByteArray whole = MakeJpeg(16, 16, 11);
    const QByteArray first = MakeJpeg(24, 16, 12), second = MakeJpeg(16, 24, 13);
    const SplitJpeg firstParts = SplitJpegTables(first), secondParts = SplitJpegTables(second);
    SwfWriter writer;
    writer.AddTag(6, IdPlus(1, whole));  // no tables yet: the image is complete by itself
    writer.AddTag(8, firstParts.tables);
    writer.AddTag(6, IdPlus(2, firstParts.image));
    writer.AddTag(8, QByteArray("\xFF\xD8\xFF\xD9", 4));  // below 5 bytes: the tables stay
    writer.AddTag(6, IdPlus(3, firstParts.image));
    writer.AddTag(8, QByteArray("\xFF\xD9\xFF\xD8", 4) + secondParts.tables);
    writer.AddTag(6, IdPlus(4, secondParts.image));
    ASSERT_TRUE(WriteAll(MoviePath(QStringLiteral("t.swf")), writer.ToBytes()));
    const ExtractCounters counters = Extract(MoviePath(QStringLiteral("t.swf")), All());
    EXPECT_EQ(counters[ResourceKind::Jpeg], 4);
    EXPECT_EQ(Output("t.swf.1.jpg"), whole);
    EXPECT_EQ(Pixels(Output("t.swf.2.jpg")), Pixels(first));
    EXPECT_EQ(Pixels(Output("t.swf.3.jpg")), Pixels(first));
    EXPECT_EQ(Pixels(Output("t.swf.4.jpg")), Pixels(second));
}

TEST_F(ExtractTest, ImagesOfLaterAuthoringToolsAreWrittenInTheirOwnFormat)
{
    const QByteArray plain = MakeJpeg(20, 10, 31), withAlpha = MakeJpeg(10, 20, 32), deblocked = MakeJpeg(12, 12, 33);
    const QByteArray png = QByteArray("\x89PNG\r\n\x1A\n", 8) + QByteArray("rest of a png file");
    const QByteArray gif = QByteArray("GIF89a") + QByteArray("rest of a gif file");
    const QByteArray alpha = ZlibCompress(QByteArray(200, '\x80'));
    auto withOffset = [](uint16_t id, const QByteArray& image, const QByteArray& rest, bool deblock) {
        QByteArray body;
        AppendU16(body, id);
        AppendU32(body, static_cast<uint32_t>(image.size()));
        if (deblock)
            AppendU16(body, 0x0100);
        return body + image + rest;
    };
    SwfWriter writer;
    writer.AddTag(21, IdPlus(1, plain));  // starts right with its start-of-image marker
    writer.AddTag(21, IdPlus(2, png));
    writer.AddTag(21, IdPlus(3, gif));
    writer.AddTag(35, withOffset(4, withAlpha, alpha, false));
    writer.AddTag(35, withOffset(5, png, QByteArray(), false));
    writer.AddTag(90, withOffset(6, deblocked, alpha, true));
    writer.AddTag(35, withOffset(7, withAlpha, QByteArray(), false).left(20));  // cut inside the image
    ASSERT_TRUE(WriteAll(MoviePath(QStringLiteral("m.swf")), writer.ToBytes()));

    ExtractCounters counters = Extract(MoviePath(QStringLiteral("m.swf")), All());
    EXPECT_EQ(counters[ResourceKind::Jpeg], 3);
    EXPECT_EQ(counters[ResourceKind::Png], 3);
    EXPECT_EQ(
        FilesIn(Out()), (QStringList{"m.swf.1.jpg", "m.swf.2.png", "m.swf.3.gif", "m.swf.4.jpg", "m.swf.5.png", "m.swf.6.jpg"}));
    EXPECT_EQ(Output("m.swf.1.jpg"), plain);
    EXPECT_EQ(Output("m.swf.2.png"), png);
    EXPECT_EQ(Output("m.swf.3.gif"), gif);
    EXPECT_EQ(Output("m.swf.4.jpg"), withAlpha);
    EXPECT_EQ(Output("m.swf.5.png"), png);
    EXPECT_EQ(Output("m.swf.6.jpg"), deblocked);

    // Each kind only when chosen.
    QDir(Out()).removeRecursively();
    QDir().mkpath(Out());
    counters = Extract(MoviePath(QStringLiteral("m.swf")), ExtractCounters::Chosen(false, true, false, false, false));
    EXPECT_EQ(counters[ResourceKind::Png], 3);
    EXPECT_EQ(FilesIn(Out()), (QStringList{"m.swf.2.png", "m.swf.3.gif", "m.swf.5.png"}));
    QDir(Out()).removeRecursively();
    QDir().mkpath(Out());
    counters = Extract(MoviePath(QStringLiteral("m.swf")), ExtractCounters::Chosen(true, false, false, false, false));
    EXPECT_EQ(counters[ResourceKind::Jpeg], 3);
    EXPECT_EQ(FilesIn(Out()), (QStringList{"m.swf.1.jpg", "m.swf.4.jpg", "m.swf.6.jpg"}));
}

TEST_F(ExtractTest, TruncatedAndDamagedMoviesEndWithWhatWasWritten)
{
    const TestMovie movie = MakeTestMovie(false);
    const QByteArray bytes = movie.bytes;
    // Cut inside the event sound: the images before it are written, the sound is not.
    const int soundAt = bytes.indexOf(movie.eventMp3.left(64));
    ASSERT_GT(soundAt, 0);
    ASSERT_TRUE(WriteAll(MoviePath(), bytes.left(soundAt + 100)));
    ExtractCounters counters = Extract(MoviePath(), All());
    EXPECT_EQ(counters.value, (std::array<int32_t, 5>{3, 0, 0, 0, 0}));
    EXPECT_FALSE(QFile::exists(Out() + QStringLiteral("intro.swf.3.mp3")));

    // Every cut and a spread of damaged bytes: the walk always ends, nothing crashes.
    for (int cut = 0; cut < bytes.size(); cut += 97) {
        ASSERT_TRUE(WriteAll(MoviePath(), bytes.left(cut)));
        counters = Extract(MoviePath(), All());
        EXPECT_LE(counters[ResourceKind::Jpeg], 3);
    }
    for (int at = 20; at < bytes.size(); at += 131) {
        QByteArray damaged = bytes;
        damaged[at] = static_cast<char>(0xFF);
        damaged[at + 1] = static_cast<char>(0xFF);
        ASSERT_TRUE(WriteAll(MoviePath(), damaged));
        Extract(MoviePath(), All());
    }
    // A long header that claims far more than the file holds.
    SwfWriter writer;
    QByteArray huge = EncodeTag(21, QByteArray(8, 'a'), true);
    huge[2] = huge[3] = huge[4] = huge[5] = static_cast<char>(0xFF);
    writer.AddRaw(huge);
    ASSERT_TRUE(WriteAll(MoviePath(), writer.ToBytes(false, false)));
    counters = Extract(MoviePath(), All());
    EXPECT_EQ(counters[ResourceKind::Jpeg], 0);
}

TEST_F(ExtractTest, MissingMovieIsReportedAndWritesNothing)
{
    ExtractSource source;
    source.workingPath = MoviePath(QStringLiteral("absent.swf"));
    source.fileName = QStringLiteral("absent.swf");
    source.firstTagPosition = 22;
    ExtractCounters counters = All();
    const bool cancel = false;
    ExtractResources(source, Out(), {}, counters, cancel);
    EXPECT_EQ(counters.value, (std::array<int32_t, 5>{0, 0, 0, 0, 0}));
    EXPECT_TRUE(m_app.Log().contains(QStringLiteral("ExtractResources")));
}

TEST_F(ExtractTest, VideoIsNotWalked)
{
    ASSERT_TRUE(WriteAll(MoviePath(), MakeTestMovie(false).bytes));
    MediaFileInfo source = IdentifyForExtraction(MoviePath());
    source.IsVideo = true;
    ExtractCounters counters = All();
    const bool cancel = false;
    ExtractResources(source, Out(), {}, counters, cancel);
    EXPECT_TRUE(FilesIn(Out()).isEmpty());
    const QStringList log = m_app.LogBody();
    const int header = log.indexOf(QStringLiteral(" :: Resource Extraction<br>"));
    ASSERT_GE(header, 0);
    ASSERT_LT(header + 1, log.size());
    EXPECT_EQ(log[header + 1], QStringLiteral("Video Extraction is not supported<br>"));
}

TEST_F(ExtractTest, CancelStopsBeforeTheNextTag)
{
    ASSERT_TRUE(WriteAll(MoviePath(), MakeTestMovie(false).bytes));
    bool cancel = false;
    QStringList captions;
    ExtractProgress progress;
    progress.report = [&](double, const QString& caption) {
        captions << caption;
        if (caption == QLatin1String("DefineBitsJPEG2"))
            cancel = true;
    };
    const ExtractCounters counters = Extract(MoviePath(), All(), progress, cancel);
    EXPECT_EQ(captions, (QStringList{"JPEGTables", "DefineBits", "DefineBitsJPEG2"}));
    EXPECT_EQ(counters.value, (std::array<int32_t, 5>{2, 0, 0, 0, 0}));
    EXPECT_EQ(ExtractSummaryMessage(counters, cancel), QStringLiteral("Resource Extraction Cancelled!\r\n\r\nJPEG Images: 2"));

    const bool already = true;
    const ExtractCounters none = Extract(MoviePath(), All(), {}, already);
    EXPECT_EQ(none.value, (std::array<int32_t, 5>{0, 0, 0, 0, 0}));
}

TEST_F(ExtractTest, ProgressForHandledTagsAndPumpsAtMostTenTimesASecond)
{
    ASSERT_TRUE(WriteAll(MoviePath(), MakeTestMovie(false).bytes));
    QStringList captions;
    std::vector<double> fractions;
    int pumps = 0;
    float now = 1000.0f;
    std::vector<float> pumpTimes;
    ExtractProgress progress;
    progress.report = [&](double fraction, const QString& caption) {
        captions << caption;
        fractions.push_back(fraction);
    };
    progress.clock = [&] {
        now += 0.04f;  // each handled tag takes 40 ms
        return now;
    };
    progress.pump = [&] {
        ++pumps;
        pumpTimes.push_back(now);
    };
    Extract(MoviePath(), All(), progress);
    EXPECT_EQ(captions,
        (QStringList{"JPEGTables", "DefineBits", "DefineBitsJPEG2", "DefineBitsJPEG2", "DefineSound", "DefineSound",
            "SoundStreamHead2", "SoundStreamBlock", "SoundStreamBlock", "DefineSprite", "SoundStreamHead", "SoundStreamBlock",
            "End", "SoundStreamBlock", "End"}));
    ASSERT_EQ(fractions.size(), size_t(captions.size()));
    for (size_t i = 1; i < fractions.size(); ++i)
        EXPECT_GT(fractions[i], fractions[i - 1] - 1e-12);
    EXPECT_DOUBLE_EQ(fractions.back(), 1.0);
    EXPECT_GE(pumps, 3);
    EXPECT_LE(pumps, captions.size() / 2 + 1);
    for (size_t i = 1; i < pumpTimes.size(); ++i)
        EXPECT_GT(pumpTimes[i] - pumpTimes[i - 1], 0.1f - 1e-4f);
}

TEST_F(ExtractTest, StreamsAfterASpriteAndInSeveralSpritesAreNamedByTimeline)
{
    // Two sprites with streams, a root stream head after them, and a sprite cut short
    // without its End: the root file keeps the plain name.
    const QByteArray a = MakeMp3(1, 21), b = MakeMp3(1, 22), c = MakeMp3(1, 23), d = MakeMp3(1, 24);
    auto sprite = [](uint16_t id, const QByteArray& frames, bool withEnd) {
        QByteArray body;
        AppendU16(body, id);
        AppendU16(body, 1);
        body += EncodeTag(18, StreamHeadBody(2));
        body += EncodeTag(19, StreamBlockBody(frames));
        if (withEnd)
            body += EncodeTag(0, QByteArray());
        return body;
    };
    SwfWriter writer;
    writer.AddTag(39, sprite(5, a, true));
    writer.AddTag(39, sprite(300, b, false));
    writer.AddTag(18, StreamHeadBody(2));
    writer.AddTag(19, StreamBlockBody(c));
    writer.AddTag(18, StreamHeadBody(3));  // not MP3: the open stream goes on
    writer.AddTag(19, StreamBlockBody(d));
    ASSERT_TRUE(WriteAll(MoviePath(QStringLiteral("s.swf")), writer.ToBytes()));
    const ExtractCounters counters = Extract(MoviePath(QStringLiteral("s.swf")), All());
    EXPECT_EQ(counters[ResourceKind::Stream], 3);
    EXPECT_EQ(Output("s.swf.stream5.mp3"), a);
    EXPECT_EQ(Output("s.swf.stream300.mp3"), b);
    EXPECT_EQ(Output("s.swf.stream.mp3"), c + d);
}

}  // namespace

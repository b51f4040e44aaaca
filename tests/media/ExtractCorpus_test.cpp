#include "ExtractTestSupport.h"

#include "common/TestSupport.h"
#include "media/IdentifyMedia.h"
#include "media/ResourceExtractor.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

using Row = CorpusRow;

// The movies the player reads as plain or compressed movies.
bool PlayerReadsAsMovie(const Row& row)
{
    const QString signature = row.value(QStringLiteral("signature"));
    return signature == QLatin1String("FWS")
        || ((signature == QLatin1String("CWS") || signature == QLatin1String("ZWS"))
            && row.value(QStringLiteral("version")).toInt() >= 6);
}

int Count(const Row& row, const char* column)
{
    return row.value(QLatin1String(column)).toInt();
}

// A whole PNG file: its signature, and the IEND chunk with its CRC at the end.
bool IsWholePng(const QByteArray& data)
{
    return data.startsWith("\x89PNG\r\n\x1A\n") && data.endsWith(QByteArray("IEND\xAE\x42\x60\x82", 8));
}

TEST(ExtractCorpus, CountsMatchTheManifestAndEveryFileIsWhatItClaims)
{
    SKIP_WITHOUT_CORPUS();
    TempAppFolder app;
    QTemporaryDir work;
    int movies = 0, jpegs = 0, pngs = 0, mp3s = 0, spriteStreams = 0, images = 0;
    for (const Row& row : CorpusRows()) {
        const QString relative = row.value(QStringLiteral("path"));
        if (!relative.startsWith(QLatin1String("swf/")))
            continue;
        SCOPED_TRACE(relative.toStdString());
        const QString name = QFileInfo(relative).fileName();
        MediaFileInfo info;
        if (!IdentifyMedia(CorpusDir() + QLatin1Char('/') + relative, info, true).isEmpty())
            continue;  // not a movie the player reads
        const QString out = work.path() + QStringLiteral("/out-") + QString::number(movies) + QLatin1Char('/');
        ASSERT_TRUE(QDir().mkpath(out));
        ExtractCounters counters = ExtractCounters::Chosen(true, true, true, true, true);
        const bool cancel = false;
        ExtractResources(info, out, {}, counters, cancel);
        ++movies;

        // Definitions live on the root timeline; stream heads may also stand inside sprites.
        // ("CWS" movies below version 6 are walked over their compressed bytes: no counts.)
        // DefineBitsJPEG3 and 4 images come on top of the counted tags; images may be PNG files.
        if (PlayerReadsAsMovie(row) && row.value(QStringLiteral("status")) == QLatin1String("ok")) {
            EXPECT_GE(counters[ResourceKind::Jpeg] + counters[ResourceKind::Png], Count(row, "n6") + Count(row, "n21"));
            EXPECT_EQ(counters[ResourceKind::Event], Count(row, "n14_mp3"));
            if (Count(row, "n39") == 0) {
                EXPECT_EQ(counters[ResourceKind::Stream], Count(row, "n18_45_mp3"));
            } else {
                EXPECT_GE(counters[ResourceKind::Stream], Count(row, "n18_45_mp3"));
            }
        }
        EXPECT_EQ(counters[ResourceKind::Video], 0);
        images += counters[ResourceKind::Jpeg] + counters[ResourceKind::Png];

        for (const QString& file : FilesIn(out)) {
            const QByteArray data = ReadAll(out + file);
            EXPECT_TRUE(file.startsWith(name + QLatin1Char('.'))) << file.toStdString();
            if (file.endsWith(QLatin1String(".jpg"))) {
                ++jpegs;
                EXPECT_TRUE(DecodesAsJpeg(data)) << file.toStdString() << " starts with " << data.left(8).toHex().constData();
            } else if (file.endsWith(QLatin1String(".png"))) {
                ++pngs;
                EXPECT_TRUE(IsWholePng(data)) << file.toStdString();
            } else if (file.endsWith(QLatin1String(".gif"))) {
                EXPECT_TRUE(data.startsWith("GIF8")) << file.toStdString();
            } else {
                ++mp3s;
                EXPECT_TRUE(StartsLikeMp3(data)) << file.toStdString() << " starts with " << data.left(4).toHex().constData();
                if (file.contains(QRegularExpression(QStringLiteral("\\.stream[0-9]+\\.mp3$"))))
                    ++spriteStreams;
            }
        }
        QDir(out).removeRecursively();
    }
    EXPECT_GT(movies, 100);
    // Every image tag of the corpus: 26 DefineBits, 28 DefineBitsJPEG2 (16 of them PNG files)
    // and 9 DefineBitsJPEG3, each written and readable.
    EXPECT_EQ(images, 63);
    EXPECT_EQ(jpegs, 47);
    EXPECT_EQ(pngs, 16);
    EXPECT_GT(mp3s, 20);
    // sounds.swf and video.swf hold their MP3 streams inside sprites only.
    EXPECT_GE(spriteStreams, 4);
}

}  // namespace

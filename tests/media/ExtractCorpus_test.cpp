#include "ExtractTestSupport.h"

#include "common/TestSupport.h"
#include "media/IdentifyMedia.h"
#include "media/ResourceExtractor.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

using Row = QHash<QString, QString>;

QList<Row> ManifestRows()
{
    QList<Row> rows;
    QFile file(CorpusDir() + QStringLiteral("/manifest.tsv"));
    if (!file.open(QIODevice::ReadOnly))
        return rows;
    QTextStream in(&file);
    const QStringList names = in.readLine().split(QLatin1Char('\t'));
    while (!in.atEnd()) {
        const QStringList fields = in.readLine().split(QLatin1Char('\t'));
        Row row;
        for (int i = 0; i < names.size() && i < fields.size(); ++i)
            row.insert(names[i], fields[i]);
        rows << row;
    }
    return rows;
}

// The movies the player reads as plain or compressed movies.
bool PlayerReadsAsMovie(const Row& row)
{
    const QString signature = row.value(QStringLiteral("signature"));
    return signature == QLatin1String("FWS")
        || (signature == QLatin1String("CWS") && row.value(QStringLiteral("version")).toInt() >= 6);
}

int Count(const Row& row, const char* column)
{
    return row.value(QLatin1String(column)).toInt();
}

// What a written ".jpg" may hold besides a JPEG that decodes, each a consequence of how
// the walk writes images:
// - a complete JPEG behind the one-byte table block that no JPEGTables replaced;
// - the rest of a PNG or GIF image carried by a DefineBitsJPEG2 tag (4 bytes dropped);
// - a DefineBitsJPEG2 tag holding one plain JPEG: the 4 dropped bytes were its start-of-image
//   and quantisation-table markers;
// - an image that carried its own tables behind a 570-byte table block: the fix-up moved the
//   image's own quantisation-table marker into the first 40 bytes.
QString JpegProblem(const QByteArray& data)
{
    if (DecodesAsJpeg(data))
        return QString();
    if (data.startsWith(QByteArray(1, '\0')) && DecodesAsJpeg(data.mid(1)))
        return QString();
    if (data.startsWith("\r\n\x1A\n") || data.startsWith("9a") || data.startsWith("7a"))
        return QString();
    if (data.startsWith(QByteArray("\x00\x43", 2)) && DecodesAsJpeg(QByteArray("\xFF\xD8\xFF\xDB", 4) + data))
        return QString();
    if (data.size() > 612 && data.mid(20, 2) == QByteArray("\xFF\xDB", 2) && static_cast<uint8_t>(data[40]) == 0xDB)
        return QString();
    return QStringLiteral("does not decode, starts with ") + QString::fromLatin1(data.left(8).toHex());
}

TEST(ExtractCorpus, CountsMatchTheManifestAndEveryFileIsWhatItClaims)
{
    SKIP_WITHOUT_CORPUS();
    TempAppFolder app;
    QTemporaryDir work;
    int movies = 0, jpegs = 0, mp3s = 0, spriteStreams = 0;
    for (const Row& row : ManifestRows()) {
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
        if (PlayerReadsAsMovie(row) && row.value(QStringLiteral("status")) == QLatin1String("ok")) {
            EXPECT_EQ(counters[ResourceKind::Jpeg], Count(row, "n6") + Count(row, "n21"));
            EXPECT_EQ(counters[ResourceKind::Event], Count(row, "n14_mp3"));
            if (Count(row, "n39") == 0) {
                EXPECT_EQ(counters[ResourceKind::Stream], Count(row, "n18_45_mp3"));
            } else {
                EXPECT_GE(counters[ResourceKind::Stream], Count(row, "n18_45_mp3"));
            }
        }
        EXPECT_EQ(counters[ResourceKind::Png], 0);
        EXPECT_EQ(counters[ResourceKind::Video], 0);

        for (const QString& file : FilesIn(out)) {
            const QByteArray data = ReadAll(out + file);
            EXPECT_TRUE(file.startsWith(name + QLatin1Char('.'))) << file.toStdString();
            if (file.endsWith(QLatin1String(".jpg"))) {
                ++jpegs;
                EXPECT_EQ(JpegProblem(data).toStdString(), std::string()) << file.toStdString();
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
    EXPECT_GT(jpegs, 20);
    EXPECT_GT(mp3s, 20);
    // sounds.swf and video.swf hold their MP3 streams inside sprites only.
    EXPECT_GE(spriteStreams, 4);
}

}  // namespace

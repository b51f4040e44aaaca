#include "MediaTestSupport.h"
#include "common/TestSupport.h"

#include "media/CompressedMovieCache.h"
#include "media/IdentifyMedia.h"
#include "media/MediaFileInfo.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using Row = CorpusRow;

// How many bytes of the first tag's colour a header-only expansion (8 + 18 bytes) still holds:
// the colour starts 2 bytes after the first tag position.
QString ColorWithinHeaderFile(const QString& bytes, int firstTagPosition)
{
    const int colorStart = firstTagPosition - 1 + 2;  // 0-based
    QString result;
    for (int i = 0; i < 3; ++i)
        result += colorStart + i < 26 ? bytes.mid(i * 2, 2) : QStringLiteral("00");
    return result;
}

class CorpusTest : public ::testing::Test {
protected:
    TempAppFolder m_app;
    QTemporaryDir m_dir;
};

}  // namespace

TEST_F(CorpusTest, EveryMovieAndVideoAgreesWithTheManifest)
{
    SKIP_WITHOUT_CORPUS();
    const QList<Row> rows = CorpusRows();
    ASSERT_GT(rows.size(), 150);
    int movies = 0, videos = 0, refused = 0, damaged = 0;
    for (const Row& row : rows) {
        const QString path = CorpusDir() + QLatin1Char('/') + row[QStringLiteral("path")];
        SCOPED_TRACE(path.toStdString());
        const QString signature = row[QStringLiteral("signature")];
        MediaFileInfo info;
        const QString error = IdentifyMedia(path, info, false);
        if (signature != QStringLiteral("FWS") && signature != QStringLiteral("CWS") && signature != QStringLiteral("ZWS")
            && signature != QStringLiteral("FLV")) {
            EXPECT_EQ(error, QStringLiteral("Not a Flash Movie"));
            ++refused;
            continue;
        }
        // A compressed movie whose length field is shorter than the file header has no body.
        if (signature != QStringLiteral("FLV") && row[QStringLiteral("header_length")].toLongLong() < 8
            && signature != QStringLiteral("FWS")) {
            EXPECT_EQ(error, QStringLiteral("Error Reading Compressed Movie"));
            ++damaged;
            continue;
        }
        ASSERT_EQ(error, QString());
        EXPECT_EQ(info.Version, row[QStringLiteral("version")].toInt());
        EXPECT_EQ(info.FileSize, row[QStringLiteral("file_size")].toInt());
        EXPECT_EQ(info.SourcePath, path);
        if (signature == QStringLiteral("FLV")) {
            ++videos;
            EXPECT_TRUE(info.IsVideo);
            EXPECT_EQ(info.UncompressedSize, info.FileSize);
            EXPECT_EQ(info.BackgroundColor, QStringLiteral("000000"));
            EXPECT_EQ(info.FrameRate, 0);
            const QString h263 = row[QStringLiteral("h263_at_offset_25")];
            if (h263 != QStringLiteral("-")) {
                EXPECT_EQ(QStringLiteral("%1x%2").arg(info.Width).arg(info.Height), h263);
            }
            continue;
        }
        ++movies;
        const int version = row[QStringLiteral("version")].toInt();
        EXPECT_EQ(info.UncompressedSize, row[QStringLiteral("header_length")].toDouble());
        const bool compressed = signature != QStringLiteral("FWS") && version >= 6;
        EXPECT_EQ(info.Compressed, compressed);
        EXPECT_EQ(info.WorkingPath, path);
        if (signature != QStringLiteral("FWS") && version < 6)
            continue;  // read as plain: the facts come out meaningless
        // Sizes compare where the fields are unsigned-safe: at the origin, and within the 16 bits
        // that the record keeps of each field (Arial.swf is 6040 pixels high).
        const bool atOrigin
            = row[QStringLiteral("xmin")] == QStringLiteral("0") && row[QStringLiteral("ymin")] == QStringLiteral("0");
        const bool fits
            = row[QStringLiteral("width_px")].toInt() * 20 < 65536 && row[QStringLiteral("height_px")].toInt() * 20 < 65536;
        if (atOrigin && fits) {
            EXPECT_EQ(info.Width, row[QStringLiteral("width_px")].toInt());
            EXPECT_EQ(info.Height, row[QStringLiteral("height_px")].toInt());
        }
        EXPECT_EQ(info.FrameRate, row[QStringLiteral("frame_rate_int")].toFloat());
        EXPECT_EQ(info.FrameCount, row[QStringLiteral("frame_count")].toInt());
        const QString colorBytes = row[QStringLiteral("first_tag_bytes")].toUpper();
        if (colorBytes.size() == 6) {
            EXPECT_EQ(info.BackgroundColor, compressed ? ColorWithinHeaderFile(colorBytes, info.FirstTagPosition) : colorBytes);
        }
    }
    EXPECT_EQ(movies, 158 - 1);
    EXPECT_EQ(videos, 13);
    EXPECT_EQ(refused, 3);
    EXPECT_EQ(damaged, 1);  // lzma-malformed-length.swf
}

// The expanded size the manifest's own reader found: the length field, unless a note says
// that the data holds another length than the field claims.
qint64 ActualLength(const Row& row)
{
    const QRegularExpressionMatch note
        = QRegularExpression(QStringLiteral("length-field-vs-actual=\\d+/(\\d+)")).match(row[QStringLiteral("notes")]);
    return note.hasMatch() ? note.captured(1).toLongLong() : row[QStringLiteral("header_length")].toLongLong();
}

TEST_F(CorpusTest, FullExpansionGivesTheWholeMovie)
{
    SKIP_WITHOUT_CORPUS();
    int lzma = 0;
    for (const Row& row : CorpusRows()) {
        const QString signature = row[QStringLiteral("signature")];
        if ((signature != QStringLiteral("CWS") && signature != QStringLiteral("ZWS"))
            || row[QStringLiteral("version")].toInt() < 6 || row[QStringLiteral("header_length")].toLongLong() < 8)
            continue;
        lzma += signature == QStringLiteral("ZWS");
        const QString path = CorpusDir() + QLatin1Char('/') + row[QStringLiteral("path")];
        SCOPED_TRACE(path.toStdString());
        MediaFileInfo info;
        ASSERT_EQ(IdentifyMedia(path, info, true), QString());
        EXPECT_EQ(info.SourcePath, path);
        EXPECT_EQ(info.WorkingPath, CachePathFor(path, QStringLiteral(".tmp"), true, false));
        const QByteArray expanded = ReadAll(info.WorkingPath);
        // The copy ends where the stream ends, whatever the length field claims.
        EXPECT_EQ(expanded.size(), ActualLength(row));
        EXPECT_TRUE(expanded.startsWith("FWS"));
        EXPECT_EQ(info.FrameCount, row[QStringLiteral("frame_count")].toInt());
        const QString colorBytes = row[QStringLiteral("first_tag_bytes")].toUpper();
        if (colorBytes.size() == 6) {
            EXPECT_EQ(info.BackgroundColor, colorBytes);
        }
    }
    EXPECT_EQ(lzma, 8);
}

TEST_F(CorpusTest, TruncatedCopiesNeverCrash)
{
    SKIP_WITHOUT_CORPUS();
    int copies = 0;
    for (const Row& row : CorpusRows()) {
        const QString path = CorpusDir() + QLatin1Char('/') + row[QStringLiteral("path")];
        const QByteArray bytes = ReadAll(path);
        const QString name = QFileInfo(path).fileName();
        const QList<qsizetype> lengths
            = {0, 2, 3, 7, 8, 9, 12, 17, 20, 25, 26, 30, 64, bytes.size() / 3, bytes.size() / 2, bytes.size() - 1};
        for (const qsizetype length : lengths) {
            if (length < 0 || length > bytes.size())
                continue;
            SCOPED_TRACE(QStringLiteral("%1 cut at %2").arg(name).arg(length).toStdString());
            const QString copy = WriteFile(m_dir.path(), QStringLiteral("%1-%2").arg(length).arg(name), bytes.left(length));
            for (const bool full : {false, true}) {
                MediaFileInfo info;
                const QString error = IdentifyMedia(copy, info, full);
                if (error.isEmpty()) {
                    EXPECT_EQ(info.SourcePath.isEmpty(), false);
                } else {
                    EXPECT_TRUE(info.SourcePath.isEmpty() && info.WorkingPath.isEmpty());
                    const QStringList known = {QStringLiteral("Not a Flash Movie"),
                        QStringLiteral("Error Reading Compressed Movie"), QStringLiteral("Input past end of file")};
                    EXPECT_TRUE(known.contains(error)) << error.toStdString();
                }
            }
            QFile::remove(copy);
            ++copies;
        }
    }
    EXPECT_GT(copies, 2000);
}

TEST_F(CorpusTest, MutatedHeadersNeverCrash)
{
    SKIP_WITHOUT_CORPUS();
    int mutations = 0;
    for (const Row& row : CorpusRows()) {
        const QString path = CorpusDir() + QLatin1Char('/') + row[QStringLiteral("path")];
        const QByteArray bytes = ReadAll(path);
        if (bytes.size() < 8 || bytes.size() > 2048)
            continue;
        const QString copy = m_dir.path() + QStringLiteral("/mutated.bin");
        // The signature's last byte, the version, the length field, then the header fields.
        for (int at = 3; at < std::min<qsizetype>(32, bytes.size()); at += at < 8 ? 1 : 3) {
            QByteArray mutated = bytes;
            mutated[at] = static_cast<char>(mutated[at] ^ (at < 8 ? 0x80 : 0xFF));
            WriteAll(copy, mutated);
            MediaFileInfo info;
            if (!IdentifyMedia(copy, info, at % 2 == 0).isEmpty()) {
                EXPECT_TRUE(info.SourcePath.isEmpty());
            }
            ++mutations;
            // The cache file of this copy changes with every mutation: start afresh.
            QFile::remove(CachePathFor(copy, QStringLiteral(".tmp"), true, false));
        }
    }
    EXPECT_GT(mutations, 500);
}

#include "MediaTestSupport.h"
#include "TestExecutable.h"
#include "common/LzmaMovie.h"
#include "common/TestSupport.h"

#include "media/IdentifyMedia.h"
#include "media/MediaFileInfo.h"
#include "media/MovieDamage.h"
#include "media/MovieInfoText.h"
#include "swf/SwfWriter.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A movie with a few sizeable tags, so that cuts fall inside tag data.
QByteArray Movie(int version = 10)
{
    SwfWriter writer;
    writer.SetVersion(static_cast<uint8_t>(version)).SetBackgroundColor(1, 2, 3);
    for (int i = 0; i < 4; ++i) {
        QByteArray data;
        for (int j = 0; j < 2000; ++j)
            data.append(static_cast<char>((i * 31 + j * j) % 253));
        writer.AddTag(2, data).ShowFrame();
    }
    return writer.ToBytes();
}

// The plain movie stored compressed by zlib.
QByteArray Zlib(const QByteArray& plain)
{
    return QByteArray("CWS") + plain.mid(3, 5) + ZlibCompress(plain.mid(8));
}

class DamageTest : public ::testing::Test {
protected:
    MovieDamage Check(const QString& name, const QByteArray& bytes, bool full = false)
    {
        const QString path = WriteFile(m_dir.path(), name, bytes);
        MediaFileInfo info;
        EXPECT_EQ(IdentifyMedia(path, info, full), QString()) << name.toStdString();
        return CheckMovieDamage(info);
    }

    TempAppFolder m_app;
    QTemporaryDir m_dir;
};

}  // namespace

TEST_F(DamageTest, WholeMoviesInEveryStorage)
{
    const QByteArray plain = Movie();
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {{"plain.swf", plain}, {"zlib.swf", Zlib(plain)}, {"lzma.swf", LzmaMovie(plain)}};
    for (const auto& c : cases) {
        for (const bool full : {false, true}) {
            const MovieDamage damage = Check(QLatin1String(c.name), c.bytes, full);
            EXPECT_EQ(damage.kind, MovieDamageKind::Whole) << c.name;
            EXPECT_EQ(damage.statedLength, plain.size());
            EXPECT_EQ(damage.dataLength, plain.size());
        }
    }
}

TEST_F(DamageTest, MoviesCutShortWhateverTheStorage)
{
    const QByteArray plain = Movie();
    const qsizetype cut = plain.size() - 3000;
    const QByteArray zlib = Zlib(plain), lzma = LzmaMovie(plain);
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[]
        = {{"plain.swf", plain.left(cut)}, {"zlib.swf", zlib.left(zlib.size() / 2)}, {"lzma.swf", lzma.left(lzma.size() / 2)}};
    for (const auto& c : cases) {
        // A full expansion fills the missing part with zeros: the check still sees the cut.
        for (const bool full : {false, true}) {
            SCOPED_TRACE(c.name);
            const MovieDamage damage = Check(QLatin1String(c.name), c.bytes, full);
            EXPECT_EQ(damage.kind, MovieDamageKind::CutShort);
            EXPECT_TRUE(damage.IsDamaged());
            EXPECT_EQ(damage.statedLength, plain.size());
            EXPECT_GT(damage.dataLength, 26);
            EXPECT_LT(damage.dataLength, plain.size());
        }
    }
    EXPECT_EQ(Check(QStringLiteral("plain.swf"), plain.left(cut)).dataLength, cut);
}

TEST_F(DamageTest, TagRunningPastTheEndIsNamed)
{
    // The last image tag claims more than the data holds; the length field agrees with the file.
    SwfWriter writer;
    writer.SetBackgroundColor(1, 2, 3).AddTag(2, QByteArray(100, 'a')).ShowFrame();
    QByteArray movie = writer.ToBytes(false, false) + EncodeTag(21, QByteArray(50, 'j'), true);
    movie.replace(movie.size() - 54, 4, QByteArray("\xE8\x03\x00\x00", 4));  // 1000 bytes
    QByteArray length;
    AppendU32(length, static_cast<uint32_t>(movie.size()));
    movie.replace(4, 4, length);
    MovieDamage damage = Check(QStringLiteral("past.swf"), movie);
    EXPECT_EQ(damage.kind, MovieDamageKind::TagPastEnd);
    EXPECT_EQ(damage.tagCode, 21);
    damage = Check(QStringLiteral("past-zlib.swf"), Zlib(movie));
    EXPECT_EQ(damage.kind, MovieDamageKind::TagPastEnd);

    // Data after the End tag, and no End tag at all, are not damage.
    EXPECT_EQ(Check(QStringLiteral("trailing.swf"), writer.ToBytes() + QByteArray(10, 'x')).kind, MovieDamageKind::Whole);
    QByteArray noEnd = writer.ToBytes(false, false);
    EXPECT_EQ(Check(QStringLiteral("no-end.swf"), noEnd).kind, MovieDamageKind::Whole);
    // A tag header cut in two.
    QByteArray cutHeader = noEnd + QByteArray("\x3F", 1);
    cutHeader.replace(4, 4, QByteArray(1, static_cast<char>(cutHeader.size())) + QByteArray(3, '\0'));
    damage = Check(QStringLiteral("cut-header.swf"), cutHeader);
    EXPECT_EQ(damage.kind, MovieDamageKind::TagPastEnd);
    EXPECT_EQ(damage.tagCode, -1);
}

TEST_F(DamageTest, DamagedStreamAndProjectorMovie)
{
    QByteArray broken = Zlib(Movie());
    broken[8] = 0;  // no zlib header: nothing expands
    EXPECT_EQ(Check(QStringLiteral("broken.swf"), broken).kind, MovieDamageKind::StreamDamaged);

    // The movie inside a projector is what is checked, not the executable around it.
    const QByteArray plain = Movie(7);
    MovieDamage damage = Check(QStringLiteral("whole.exe"), MakeProjector(MakePlayerExecutable(), plain));
    EXPECT_EQ(damage.kind, MovieDamageKind::Whole);
    damage = Check(QStringLiteral("cut.exe"), MakeProjector(MakePlayerExecutable(), plain.left(plain.size() / 2)));
    EXPECT_EQ(damage.kind, MovieDamageKind::CutShort);
    EXPECT_EQ(damage.dataLength, plain.size() / 2);

    // A file gone since identification is not checked.
    MediaFileInfo gone;
    gone.WorkingPath = gone.SourcePath = m_dir.path() + QStringLiteral("/gone.swf");
    EXPECT_EQ(CheckMovieDamage(gone).kind, MovieDamageKind::NotChecked);
    EXPECT_FALSE(gone.Damage.IsDamaged());
}

// The manifest's reader says which corpus files are partial and which length fields claim more
// than the data holds.
TEST_F(DamageTest, CorpusAgreesWithTheManifest)
{
    SKIP_WITHOUT_CORPUS();
    const QList<CorpusRow> rows = CorpusRows();
    ASSERT_FALSE(rows.isEmpty());
    int checked = 0, damaged = 0;
    for (const CorpusRow& row : rows) {
        const QString path = CorpusDir() + QLatin1Char('/') + row[QStringLiteral("path")];
        SCOPED_TRACE(path.toStdString());
        MediaFileInfo info;
        if (!IdentifyMedia(path, info, false).isEmpty())
            continue;
        const QRegularExpressionMatch length
            = QRegularExpression(QStringLiteral("length-field-vs-actual=(\\d+)/(\\d+)")).match(row[QStringLiteral("notes")]);
        const bool claimsMore = length.hasMatch() && length.captured(1).toLongLong() > length.captured(2).toLongLong();
        const bool expected = row[QStringLiteral("status")] == QLatin1String("partial") || claimsMore;
        EXPECT_EQ(CheckMovieDamage(info).IsDamaged(), expected) << int(info.Damage.kind);
        if (claimsMore) {
            EXPECT_EQ(info.Damage.kind, MovieDamageKind::CutShort);
            EXPECT_EQ(info.Damage.dataLength, length.captured(2).toLongLong());
        }
        ++checked;
        damaged += expected;
    }
    EXPECT_GT(checked, 160);
    EXPECT_EQ(damaged, 5);
}

TEST(MovieDamageText, NamedInTheInformationTexts)
{
    MovieDamage damage;
    EXPECT_EQ(DamageText(damage), QString());
    damage.kind = MovieDamageKind::Whole;
    EXPECT_EQ(DamageText(damage), QString());
    damage = {MovieDamageKind::CutShort, 734, 334, -1};
    EXPECT_EQ(DamageText(damage), QStringLiteral("cut short (334 of 734 bytes)"));
    damage = {MovieDamageKind::TagPastEnd, 87, 87, 2};
    EXPECT_EQ(DamageText(damage), QStringLiteral("a tag runs past the end (tag 2)"));

    MediaFileInfo info;
    info.Damage = damage;
    EXPECT_EQ(ComposeMovieInfo(info).damage, QStringLiteral("Damaged: a tag runs past the end (tag 2)"));
    const InfoTextLookup french = [](const QString& key, const QString& fallback) {
        if (key == QLatin1String("frmInfo/strDamaged"))
            return QStringLiteral("Endommagé");
        if (key == QLatin1String("frmInfo/strTagPastEnd"))
            return QStringLiteral("une balise dépasse la fin");
        return fallback;
    };
    EXPECT_EQ(ComposeMovieInfo(info, french).damage, QStringLiteral("Endommagé: une balise dépasse la fin (tag 2)"));
    info.Damage.kind = MovieDamageKind::Whole;
    EXPECT_EQ(ComposeMovieInfo(info).damage, QString());
}

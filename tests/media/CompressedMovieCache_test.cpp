#include "MediaTestSupport.h"
#include "common/TestSupport.h"

#include "base/AppFolders.h"
#include "media/CompressedMovieCache.h"
#include "media/MediaFileInfo.h"
#include "swf/SwfWriter.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <zlib.h>

TEST(CachePathFor, FlattenedNamesForEveryKindOfPath)
{
    const struct {
        const char* path;
        const char* suffix;
        const char* name;
    } cases[] = {
        {"C:\\Movies\\intro.swf", ".tmp", "C@Movies#intro.swf.tmp"},
        {"C:\\Movies\\intro.swf", ".swf", "C@Movies#intro.swf.swf"},
        {"\\\\server\\share\\x.swf", ".tmp", "#server#share#x.swf.tmp"},
        {"/home/ann/Movies/a b.swf", ".jpg", "#home#ann#Movies#a b.swf.jpg"},
        {"//server/share/x.swf", ".tmp", "#server#share#x.swf.tmp"},
        {"D:/mixed\\path.swf", "", "D:#mixed#path.swf"},
    };
    for (const auto& c : cases) {
        const QString path = QLatin1String(c.path);
        EXPECT_EQ(CachePathFor(path, QLatin1String(c.suffix), true, true), QLatin1String(c.name)) << c.path;
        EXPECT_EQ(CachePathFor(path, QLatin1String(c.suffix), true, false), Folders().cache + QLatin1String(c.name));
    }
}

TEST(CachePathFor, UnflattenedFormDropsTheExtension)
{
    EXPECT_EQ(
        CachePathFor(QStringLiteral("C:\\Movies\\intro.swf"), QString(), false, false), QStringLiteral("C:\\Movies\\intro"));
    EXPECT_EQ(
        CachePathFor(QStringLiteral("C:\\Movies\\intro.swf"), QStringLiteral(".exe"), false, true), QStringLiteral("intro.exe"));
    EXPECT_EQ(CachePathFor(QStringLiteral("/m/a.b/c.swf"), QStringLiteral(".jpg"), false, true), QStringLiteral("c.jpg"));
    EXPECT_EQ(CachePathFor(QStringLiteral("/m/noext"), QStringLiteral(".swf"), false, false), QStringLiteral("/m/noext.swf"));
}

TEST(Uncompress, ResultCodesMatchZlibsOneCallUncompress)
{
    QByteArray data;
    for (int i = 0; i < 100000; ++i)
        data.append(static_cast<char>((i * 7) % 251));
    const QByteArray packed = ZlibCompress(data);
    QByteArray damaged = packed;
    damaged[packed.size() / 2] = static_cast<char>(damaged[packed.size() / 2] ^ 0x5A);
    const struct {
        const char* name;
        QByteArray input;
        int64_t capacity;
    } cases[] = {
        {"whole", packed, data.size()},
        {"roomy", packed, data.size() + 100},
        {"small", packed, data.size() - 1},
        {"cut", packed.left(packed.size() / 3), data.size()},
        {"cut and small", packed.left(packed.size() / 3), 100},
        {"damaged", damaged, data.size()},
        {"junk after the stream", packed + QByteArray("junk"), data.size()},
        {"empty", QByteArray(), 10},
        {"not zlib", QByteArray("plain text, not a stream"), 10},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QByteArray ours(static_cast<qsizetype>(c.capacity), '\0');
        QByteArray theirs(static_cast<qsizetype>(c.capacity), '\0');
        uLongf theirSize = static_cast<uLongf>(c.capacity);
        const int expected = uncompress(reinterpret_cast<Bytef*>(theirs.data()), &theirSize,
            reinterpret_cast<const Bytef*>(c.input.constData()), static_cast<uLong>(c.input.size()));
        EXPECT_EQ(Uncompress(c.input.constData(), c.input.size(), ours.data(), c.capacity), expected);
        if (expected != Z_DATA_ERROR) {
            EXPECT_EQ(ours.left(static_cast<qsizetype>(theirSize)), theirs.left(static_cast<qsizetype>(theirSize)));
        }

        QBuffer device;
        device.setData(c.input);
        device.open(QIODevice::ReadOnly);
        QByteArray kept(10, '\0');
        EXPECT_EQ(UncompressDevice(device, kept.data(), c.capacity, 10), expected);
    }
    // The kept part of a streamed expansion is the start of the data.
    QBuffer device;
    device.setData(packed);
    device.open(QIODevice::ReadOnly);
    QByteArray head(18, '\0');
    EXPECT_EQ(UncompressDevice(device, head.data(), data.size(), 18), Z_OK);
    EXPECT_EQ(head, data.left(18));
}

class DecompressTest : public ::testing::Test {
protected:
    MediaFileInfo Record(const QString& name, const QByteArray& movie)
    {
        MediaFileInfo info;
        info.SourcePath = info.WorkingPath = WriteFile(m_dir.path(), name, movie);
        info.UncompressedSize = movie.size();
        return info;
    }

    TempAppFolder m_app;
    QTemporaryDir m_dir;
};

TEST_F(DecompressTest, HeaderOnlyThenFullUnderTheSameName)
{
    const QByteArray plain = MakeTestMovie(8, false);
    MediaFileInfo info = Record(QStringLiteral("m.swf"), MakeTestMovie(8, true));
    const QString source = info.WorkingPath;
    const QString target = DecompressFlash(info, true);
    EXPECT_EQ(target, CachePathFor(source, QStringLiteral(".tmp"), true, false));
    EXPECT_EQ(ReadAll(target), plain.left(26));  // "FWS", version, length, 18 bytes
    EXPECT_EQ(info.WorkingPath, source);         // the control keeps the compressed file
    EXPECT_EQ(m_app.LogBody(),
        QStringList({QStringLiteral("<br>"), QStringLiteral(" :: DecompressFlash (Header Only)<br>"),
            QStringLiteral("Target path: ") + target + QStringLiteral("<br>"), QStringLiteral("Reading data<br>"),
            QStringLiteral("Decompression<br>"), QStringLiteral("Writing new header<br>")}));

    EXPECT_EQ(DecompressFlash(info, false), target);
    EXPECT_EQ(ReadAll(target), plain);
    EXPECT_EQ(info.WorkingPath, target);
    EXPECT_EQ(info.SourcePath, source);
    const QStringList log = m_app.LogBody();
    EXPECT_TRUE(ContainsInOrder(log,
        {QStringLiteral(" :: DecompressFlash (Full)<br>"), QStringLiteral("Decompression<br>"),
            QStringLiteral("Removing persistent file<br>"), QStringLiteral("Writing decompressed data<br>"),
            QStringLiteral("Decompression succeeded<br>")}));
    EXPECT_TRUE(log.last().startsWith(QStringLiteral("Decompressed in ")));
}

TEST_F(DecompressTest, ExistingHeaderFileIsUsedUnchanged)
{
    MediaFileInfo info = Record(QStringLiteral("m.swf"), MakeTestMovie(8, true));
    const QString target = CachePathFor(info.SourcePath, QStringLiteral(".tmp"), true, false);
    WriteAll(target, QByteArray("stale"));
    EXPECT_EQ(DecompressFlash(info, true), target);
    EXPECT_EQ(ReadAll(target), QByteArray("stale"));
    EXPECT_TRUE(m_app.LogBody().contains(QStringLiteral("Header exists - skipping<br>")));
}

TEST_F(DecompressTest, CutShortBodyLeavesZerosAndNoWarning)
{
    QByteArray varied;
    for (int i = 0; i < 5000; ++i)
        varied.append(static_cast<char>((i * i) % 251));
    SwfWriter writer;
    writer.SetVersion(9).AddTag(2, varied).ShowFrame();
    const QByteArray plain = writer.ToBytes(false);
    const QByteArray packed = writer.ToBytes(true);
    MediaFileInfo info = Record(QStringLiteral("cut.swf"), packed.left(packed.size() - 20));
    const QString target = DecompressFlash(info, false);
    const QByteArray expanded = ReadAll(target);
    ASSERT_EQ(expanded.size(), plain.size());
    EXPECT_EQ(expanded.left(1000), plain.left(1000));
    EXPECT_EQ(expanded.right(2), QByteArray(2, '\0'));
    for (const QString& line : m_app.LogBody())
        EXPECT_FALSE(line.startsWith(QStringLiteral("Warning")));
}

TEST_F(DecompressTest, LengthFieldTooSmallWarnsAndKeepsWhatFits)
{
    QByteArray packed = MakeTestMovie(8, true);
    const QByteArray plain = MakeTestMovie(8, false);
    packed[4] = static_cast<char>(plain.size() - 4);  // four bytes short
    MediaFileInfo info = Record(QStringLiteral("short.swf"), packed);
    const QString target = DecompressFlash(info, false);
    EXPECT_EQ(ReadAll(target).mid(8), plain.mid(8, plain.size() - 12));
    EXPECT_TRUE(m_app.LogBody().contains(QStringLiteral("Warning: decompression error -5<br>")));
}

TEST_F(DecompressTest, FailuresGiveAnEmptyPath)
{
    MediaFileInfo missing;
    missing.SourcePath = missing.WorkingPath = m_dir.path() + QStringLiteral("/none.swf");
    EXPECT_EQ(DecompressFlash(missing, false), QString());

    MediaFileInfo tiny = Record(QStringLiteral("tiny.swf"), QByteArray("CWS\x08", 4));
    EXPECT_EQ(DecompressFlash(tiny, true), QString());

    MediaFileInfo lying = Record(QStringLiteral("lying.swf"), QByteArray("CWS\x08\x04\0\0\0", 8));
    EXPECT_EQ(DecompressFlash(lying, true), QString());

    // Without a cache folder the expansion runs and fails where its data is written.
    QDir(Folders().cache).removeRecursively();
    MediaFileInfo good = Record(QStringLiteral("good.swf"), MakeTestMovie(8, true));
    EXPECT_EQ(DecompressFlash(good, false), QString());
    EXPECT_EQ(good.WorkingPath, good.SourcePath);
    const QStringList log = m_app.LogBody();
    EXPECT_TRUE(ContainsInOrder(log,
        {QStringLiteral(" :: DecompressFlash (Full)<br>"), QStringLiteral("Decompression<br>"),
            QStringLiteral("Writing decompressed data<br>")}));
    EXPECT_EQ(log.last(), QStringLiteral("Writing decompressed data<br>"));
}

TEST_F(DecompressTest, ClearCacheByMode)
{
    const QString cache = Folders().cache;
    const QStringList names = {QStringLiteral("a.swf"), QStringLiteral("b.exe"), QStringLiteral("c.tmp"), QStringLiteral("d.jpg"),
        QStringLiteral("e.dat")};
    auto fill = [&] {
        for (const QString& name : names)
            WriteFile(cache, name, QByteArray("x"));
        QDir().mkpath(cache + QStringLiteral("sub"));
    };
    auto present = [&] {
        QStringList result = QDir(cache).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        return result;
    };
    const struct {
        int mode;
        QStringList left;
    } cases[] = {
        {0,
            {QStringLiteral("a.swf"), QStringLiteral("b.exe"), QStringLiteral("c.tmp"), QStringLiteral("d.jpg"),
                QStringLiteral("e.dat"), QStringLiteral("sub")}},
        {1, {QStringLiteral("d.jpg"), QStringLiteral("e.dat"), QStringLiteral("sub")}},
        {2, {QStringLiteral("sub")}},
        {3,
            {QStringLiteral("a.swf"), QStringLiteral("b.exe"), QStringLiteral("c.tmp"), QStringLiteral("e.dat"),
                QStringLiteral("sub")}},
        {7,
            {QStringLiteral("a.swf"), QStringLiteral("b.exe"), QStringLiteral("c.tmp"), QStringLiteral("d.jpg"),
                QStringLiteral("e.dat"), QStringLiteral("sub")}},
    };
    for (const auto& c : cases) {
        fill();
        ClearCache(c.mode);
        EXPECT_EQ(present(), c.left) << "mode " << c.mode;
        ClearCache(2);
    }
    EXPECT_TRUE(QFileInfo(cache).isDir());
}

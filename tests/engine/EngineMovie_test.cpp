#include "TestMovies.h"

#include "common/TestSupport.h"

#include "base/ByteReader.h"
#include "common/FakeFlashControl.h"
#include "common/LzmaMovie.h"
#include "engine/EngineMovie.h"
#include "engine/EngineMovies.h"
#include "engine/EngineSchemeHandler.h"
#include "engine/RuffleFlashControl.h"
#include "swf/Avm1Assembler.h"
#include "swf/SwfBodyExpander.h"
#include "swf/SwfWriter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

struct RootTag {
    uint16_t code;
    QByteArray body;
};

// The root tags of an uncompressed movie, read with the checked reader.
QList<RootTag> RootTags(const QByteArray& movie)
{
    QList<RootTag> tags;
    ByteReader reader(movie);
    reader.Seek(8);
    const int bits = static_cast<int>(reader.ReadUBits(5));
    reader.ReadUBits(bits * 4);
    reader.AlignBits();
    reader.ReadU16();
    reader.ReadU16();
    while (reader.Ok() && !reader.AtEnd()) {
        const uint16_t head = reader.ReadU16();
        uint32_t length = head & 0x3F;
        if (length == 0x3F)
            length = reader.ReadU32();
        const QByteArray body = reader.ReadBytes(length);
        if (!reader.Ok())
            break;
        tags.append({static_cast<uint16_t>(head >> 6), body});
    }
    return tags;
}

int IndexOf(const QList<RootTag>& tags, uint16_t code)
{
    for (int i = 0; i < tags.size(); ++i) {
        if (tags[i].code == code)
            return i;
    }
    return -1;
}

}  // namespace

TEST(Avm1Assembler, BranchesCountFromTheEndOfTheBranch)
{
    Avm1Assembler a;
    a.PushBool(true).IfTrue("skip").Op(Avm1Op::Play).Label("skip").Op(Avm1Op::Stop).Jump("skip");
    ASSERT_TRUE(a.Ok());
    const QByteArray code = a.Bytes();
    // Push (3 + 2 bytes), If (5), Play (1), Stop (1), Jump (5).
    ASSERT_EQ(code.size(), 5 + 5 + 1 + 1 + 5);
    EXPECT_EQ(static_cast<uint8_t>(code[5]), 0x9D);
    EXPECT_EQ(static_cast<int16_t>(uint8_t(code[8]) | (uint8_t(code[9]) << 8)), 1);     // over Play
    EXPECT_EQ(static_cast<int16_t>(uint8_t(code[15]) | (uint8_t(code[16]) << 8)), -6);  // back to Stop

    Avm1Assembler broken;
    broken.Jump("nowhere");
    EXPECT_FALSE(broken.Ok());
}

TEST(Avm1Assembler, PushesTypedValues)
{
    Avm1Assembler a;
    a.PushString("ab").PushInt(-2).PushDouble(1.5);
    const QByteArray code = a.Bytes();
    EXPECT_EQ(code.left(7),
        QByteArray("\x96\x04\x00\x00"
                   "ab\x00",
            7));
    EXPECT_EQ(code.mid(7, 8), QByteArray("\x96\x05\x00\x07\xFE\xFF\xFF\xFF", 8));
    // A double is written high half first: 1.5 is 0x3FF80000 00000000.
    EXPECT_EQ(code.mid(15), QByteArray("\x96\x09\x00\x06\x00\x00\xF8\x3F\x00\x00\x00\x00", 12));
}

TEST(Avm1Assembler, FunctionBodyFollowsItsRecord)
{
    Avm1Assembler body;
    body.Op(Avm1Op::Stop);
    Avm1Assembler a;
    a.DefineFunction("f", {"x"}, body);
    const QByteArray code = a.Bytes();
    // Code, length, "f\0", one parameter "x\0", code size 1, then the body.
    EXPECT_EQ(code,
        QByteArray("\x9B\x08\x00"
                   "f\x00\x01\x00x\x00\x01\x00\x07",
            12));
}

TEST(EngineMovie, HostLoaderGoesBeforeTheFirstShowFrame)
{
    for (bool compressed : {false, true}) {
        ColourMovieOptions options;
        options.version = 6;
        options.compressed = compressed;
        const QByteArray movie = BuildColourMovie({Qt::red, Qt::green}, options);
        const EngineMovie prepared = PrepareEngineMovie(movie, "vorlen://local/host.swf");
        ASSERT_TRUE(prepared.error.isEmpty());
        EXPECT_TRUE(prepared.hostInserted);
        EXPECT_FALSE(prepared.actionScript3);
        EXPECT_EQ(prepared.compressed, compressed);
        EXPECT_EQ(prepared.frameCount, 2);
        EXPECT_EQ(prepared.width, 200);
        EXPECT_EQ(prepared.height, 150);
        ASSERT_TRUE(prepared.bytes.startsWith("FWS\x06"));
        ByteReader header(prepared.bytes);
        header.Seek(4);
        EXPECT_EQ(header.ReadU32(), static_cast<uint32_t>(prepared.bytes.size()));

        const QList<RootTag> tags = RootTags(prepared.bytes);
        const int doAction = IndexOf(tags, 12);
        ASSERT_GE(doAction, 0);
        EXPECT_EQ(doAction + 1, IndexOf(tags, 1));
        EXPECT_TRUE(tags[doAction].body.contains(QByteArray("vorlen://local/host.swf\0_level9999", 34)));
        options.compressed = false;
        EXPECT_EQ(tags.size(), RootTags(BuildColourMovie({Qt::red, Qt::green}, options)).size() + 1);
    }
}

TEST(EngineMovie, Swf3LoaderUsesOnlyGetUrl)
{
    const QByteArray tag = HostLoaderTag(3, "h.swf");
    // Short tag header, GetURL record, End.
    EXPECT_EQ(static_cast<uint8_t>(tag[2]), 0x83);
    EXPECT_EQ(tag.size(), 2 + 3 + 6 + 11 + 1);
    EXPECT_NE(HostLoaderTag(4, "h.swf").indexOf("vorlenHostLoaded"), -1);
}

TEST(EngineMovie, ActionScript3MoviesAreLeftAlone)
{
    ColourMovieOptions options;
    options.version = 9;
    options.actionScript3 = true;
    options.compressed = true;
    const QByteArray movie = BuildColourMovie({Qt::red}, options);
    const EngineMovie prepared = PrepareEngineMovie(movie, "h.swf");
    EXPECT_TRUE(prepared.error.isEmpty());
    EXPECT_TRUE(prepared.actionScript3);
    EXPECT_FALSE(prepared.hostInserted);
    EXPECT_EQ(prepared.bytes, movie);
}

TEST(EngineMovie, DamagedDataIsRefusedOrKeptAsFarAsItGoes)
{
    EXPECT_FALSE(PrepareEngineMovie(QByteArray("GIF89a........"), "h").error.isEmpty());
    EXPECT_FALSE(PrepareEngineMovie(QByteArray("FWS"), "h").error.isEmpty());
    EXPECT_FALSE(PrepareEngineMovie(QByteArray("CWS\x08\x10\x00\x00\x00garbage!", 16), "h").error.isEmpty());
    // LZMA movies: a length field shorter than any movie, properties cut off.
    const QByteArray lzma("ZWS\x0D\x40\x00\x00\x00\x31\x00\x00\x00\x5D\x00\x00\x20\x00\x00\x3B\xFF", 20);
    EXPECT_TRUE(PrepareEngineMovie(lzma, "h").error.isEmpty());
    EXPECT_FALSE(PrepareEngineMovie(QByteArray(lzma).replace(4, 1, "\x01"), "h").error.isEmpty());
    EXPECT_FALSE(PrepareEngineMovie(lzma.left(16), "h").error.isEmpty());

    // A compressed movie cut in its middle keeps what could be expanded.
    ColourMovieOptions options;
    options.compressed = true;
    QByteArray movie = BuildColourMovie({Qt::red, Qt::green, Qt::blue}, options);
    movie.truncate(movie.size() * 2 / 3);
    const EngineMovie prepared = PrepareEngineMovie(movie, "h");
    EXPECT_TRUE(prepared.error.isEmpty());
    EXPECT_EQ(prepared.frameCount, 3);

    // A movie without any ShowFrame gets the loader at its end.
    SwfWriter writer;
    writer.SetVersion(5).SetBackgroundColor(1, 2, 3);
    const EngineMovie empty = PrepareEngineMovie(writer.ToBytes(), "h");
    EXPECT_TRUE(empty.hostInserted);
    EXPECT_GE(IndexOf(RootTags(empty.bytes), 12), 0);
}

namespace {

// What must hold for any data given to the rewriter: a refusal with a reason, or a movie
// whose rewriting, taken out again, gives back the body it was made from.
void ExpectSoundRewrite(const QByteArray& movie)
{
    const EngineMovie prepared = PrepareEngineMovie(movie, "h");
    if (!prepared.error.isEmpty()) {
        EXPECT_FALSE(prepared.hostInserted);
        return;
    }
    ASSERT_GE(prepared.bytes.size(), 8);
    if (!prepared.hostInserted) {
        EXPECT_EQ(prepared.bytes, movie);
        return;
    }
    ASSERT_TRUE(prepared.bytes.startsWith("FWS"));
    ByteReader header(prepared.bytes);
    header.Seek(4);
    EXPECT_EQ(header.ReadU32(), static_cast<uint32_t>(prepared.bytes.size()));
    if (movie.startsWith("FWS")) {
        QByteArray rewritten = prepared.bytes.mid(8);
        const QByteArray loader = HostLoaderTag(prepared.version, "h");
        const qsizetype at = rewritten.indexOf(loader);
        ASSERT_GE(at, 0);
        rewritten.remove(at, loader.size());
        EXPECT_TRUE(rewritten == movie.mid(8));
    }
}

// Cut and damaged copies of movie: cuts all through the header and the first tags, then
// at fractions of the whole; single bytes changed in the first tags and at random places
// (a fixed seed, so that a failure repeats).
void ExpectDamagedCopiesRewriteSoundly(const QByteArray& movie, uint32_t seed)
{
    const qsizetype size = movie.size();
    for (qsizetype cut = 0; cut < std::min<qsizetype>(size, 96); ++cut)
        ExpectSoundRewrite(movie.left(cut));
    for (int part = 1; part < 8; ++part)
        ExpectSoundRewrite(movie.left(size * part / 8));
    uint32_t state = seed;
    auto next = [&state] {
        state = state * 1664525u + 1013904223u;
        return state >> 8;
    };
    for (int i = 0; i < 48 && size > 4; ++i) {
        QByteArray damaged = movie;
        const qsizetype at = i < 24 ? 4 + qsizetype(next() % std::min<qsizetype>(size - 4, 64)) : qsizetype(next() % size);
        damaged[at] = static_cast<char>(i % 3 == 0 ? 0xFF : next() & 0xFF);
        ExpectSoundRewrite(damaged);
    }
}

}  // namespace

TEST(EngineMovie, DamagedCopiesOfMoviesNeverBreakTheRewriter)
{
    for (int version : {3, 6, 10}) {
        for (bool compressed : {false, true}) {
            SCOPED_TRACE(version * 10 + compressed);
            ColourMovieOptions options;
            options.version = version;
            options.compressed = compressed && version >= 6;
            options.actionScript3 = version == 10 && compressed;
            options.stopAtStart = version >= 4;
            options.labels = {{1, "MWH"}};
            ExpectDamagedCopiesRewriteSoundly(BuildColourMovie({Qt::red, Qt::green, Qt::blue}, options), version);
        }
    }
    // A FileAttributes tag whose header is the last thing in the data: no flags to read.
    SwfWriter writer;
    writer.SetVersion(9).AddRaw(QByteArray("\x41\x11", 2));
    const QByteArray cut = writer.ToBytes(false, false);
    ExpectSoundRewrite(cut);
    EXPECT_FALSE(PrepareEngineMovie(cut, "h").actionScript3);
}

TEST(EngineMovie, DamagedCopiesOfCorpusMoviesNeverBreakTheRewriter)
{
    SKIP_WITHOUT_CORPUS();
    const QDir folder(CorpusDir() + QStringLiteral("/swf"));
    const QStringList names = folder.entryList({QStringLiteral("*.swf")}, QDir::Files, QDir::Name);
    ASSERT_FALSE(names.isEmpty());
    // Compressed movies are also tried expanded, so that the damage reaches the tags rather
    // than the zlib stream.
    for (int i = 0; i < names.size(); ++i) {
        SCOPED_TRACE(names[i].toStdString());
        const QByteArray movie = ReadAll(folder.filePath(names[i]));
        ExpectDamagedCopiesRewriteSoundly(movie, static_cast<uint32_t>(i));
        if (movie.startsWith("CWS")) {
            QByteArray expanded = "FWS" + movie.mid(3, 5) + InflateLenient(movie.mid(8), 1 << 28);
            ExpectDamagedCopiesRewriteSoundly(expanded, static_cast<uint32_t>(i) + 1);
        }
        if (HasFailure())
            break;
    }
}

TEST(EngineMovie, CorpusMoviesKeepTheirTags)
{
    SKIP_WITHOUT_CORPUS();
    const QDir folder(CorpusDir() + QStringLiteral("/swf"));
    int checked = 0;
    for (const QString& name : folder.entryList({QStringLiteral("*.swf")}, QDir::Files)) {
        const QByteArray movie = ReadAll(folder.filePath(name));
        const EngineMovie prepared = PrepareEngineMovie(movie, "h");
        if (!prepared.hostInserted)
            continue;
        SCOPED_TRACE(name.toStdString());
        // Taking the loader out again gives the original data back, byte for byte.
        QByteArray body = movie.startsWith("CWS") ? InflateLenient(movie.mid(8), 1 << 28) : movie.mid(8);
        if (movie.startsWith("ZWS"))
            body = ExpandSwfBodyToBytes(SwfCompression::Lzma, movie.mid(12, 5), movie.mid(17), 1 << 28);
        const QByteArray loader = HostLoaderTag(prepared.version, "h");
        QByteArray rewritten = prepared.bytes.mid(8);
        const qsizetype at = rewritten.indexOf(loader);
        ASSERT_GE(at, 0);
        rewritten.remove(at, loader.size());
        EXPECT_TRUE(rewritten == body);
        ++checked;
    }
    EXPECT_GT(checked, 20);
}

TEST(EngineMovies, HostAndSoundMoviesAreSmallAvm1Movies)
{
    const QByteArray host = BuildHostMovie();
    ASSERT_TRUE(host.startsWith("FWS\x08"));
    const QList<RootTag> tags = RootTags(host);
    ASSERT_GE(IndexOf(tags, 12), 0);
    for (const char* name :
        {HostCallback::kGoto, HostCallback::kSet, HostCallback::kLoad, HostCallback::kFrame, HostCallback::kReady})
        EXPECT_TRUE(tags[IndexOf(tags, 12)].body.contains(name)) << name;
    // No background: the host must not cover the movie.
    EXPECT_EQ(IndexOf(tags, 9), -1);
    const QByteArray sound = BuildSoundMovie();
    EXPECT_TRUE(sound.startsWith("FWS"));
    EXPECT_TRUE(RootTags(sound)[0].body.contains("setVolume"));
    EXPECT_TRUE(RootTags(sound)[0].body.contains("setPan"));
}

TEST(EngineSchemeHandler, AnswersOnlyAllowedFolders)
{
    EngineSchemeHandler handler;
    handler.AllowFolder(QStringLiteral("/apps/Vorlen/Data/Flash"));
    handler.AllowFolder(QStringLiteral("/home/u/movies/"));
    EXPECT_TRUE(handler.IsAllowed(QStringLiteral("/apps/Vorlen/Data/Flash/engine/ruffle.js")));
    EXPECT_TRUE(handler.IsAllowed(QStringLiteral("/home/u/movies/sub/a.swf")));
    EXPECT_FALSE(handler.IsAllowed(QStringLiteral("/home/u/movies/../secret.txt")));
    EXPECT_FALSE(handler.IsAllowed(QStringLiteral("/home/u/movies2/a.swf")));
    EXPECT_FALSE(handler.IsAllowed(QStringLiteral("/etc/passwd")));
    handler.Hold(QStringLiteral("/tmp/x/held.swf"), "FWS");
    EXPECT_TRUE(handler.IsAllowed(QStringLiteral("/tmp/x/held.swf")));
    EXPECT_FALSE(handler.IsAllowed(QStringLiteral("/tmp/x/other.swf")));
    handler.Release(QStringLiteral("/tmp/x/held.swf"));
    EXPECT_FALSE(handler.IsAllowed(QStringLiteral("/tmp/x/held.swf")));
}

// Addresses that try to climb out of an allowed folder, with ".." written plainly or
// encoded, or through links that lead elsewhere, are refused.
TEST(EngineSchemeHandler, RefusesWaysOutOfAllowedFolders)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QDir dir(root.path());
    ASSERT_TRUE(dir.mkpath(QStringLiteral("allowed/sub")) && dir.mkpath(QStringLiteral("other")));
    for (const char* name : {"allowed/sub/a.swf", "other/secret.txt"}) {
        QFile file(dir.filePath(QLatin1String(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("x");
    }
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("other/secret.txt")), dir.filePath(QStringLiteral("allowed/link.txt"))));
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("other")), dir.filePath(QStringLiteral("allowed/out"))));
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("allowed/sub/a.swf")), dir.filePath(QStringLiteral("allowed/in.swf"))));
    ASSERT_TRUE(QFile::link(dir.filePath(QStringLiteral("other/gone")), dir.filePath(QStringLiteral("allowed/dangling"))));

    EngineSchemeHandler handler;
    const QString allowed = dir.filePath(QStringLiteral("allowed"));
    handler.AllowFolder(allowed);
    EXPECT_TRUE(handler.IsAllowed(allowed + QStringLiteral("/sub/a.swf")));
    EXPECT_TRUE(handler.IsAllowed(allowed + QStringLiteral("/in.swf")));           // a link that stays inside
    EXPECT_TRUE(handler.IsAllowed(allowed + QStringLiteral("/sub/missing.swf")));  // answered as not found
    EXPECT_FALSE(handler.IsAllowed(allowed + QStringLiteral("/link.txt")));
    EXPECT_FALSE(handler.IsAllowed(allowed + QStringLiteral("/out/secret.txt")));
    EXPECT_FALSE(handler.IsAllowed(allowed + QStringLiteral("/dangling")));

    const QString base = QString::fromLatin1(EngineSchemeHandler::UrlForPath(allowed).toEncoded());
    for (const char* tail : {"/../other/secret.txt", "/..%2Fother%2Fsecret.txt", "/sub%2F..%2F..%2Fother/secret.txt",
             "/%2e%2e/other/secret.txt", "/%2E%2E%2fother%2fsecret.txt", "/sub/%2E./../other/secret.txt"}) {
        const QUrl url(base + QLatin1String(tail));
        EXPECT_FALSE(handler.IsAllowed(EngineSchemeHandler::PathForUrl(url))) << tail;
    }
    // A folder allowed through a link answers for the files it holds.
    EngineSchemeHandler linked;
    ASSERT_TRUE(QFile::link(allowed, dir.filePath(QStringLiteral("alias"))));
    linked.AllowFolder(dir.filePath(QStringLiteral("alias")));
    EXPECT_TRUE(linked.IsAllowed(dir.filePath(QStringLiteral("alias/sub/a.swf"))));
    EXPECT_FALSE(linked.IsAllowed(dir.filePath(QStringLiteral("alias/link.txt"))));
}

TEST(EngineSchemeHandler, PathsRoundTripThroughAddresses)
{
    // Cache names hold "#" and "@"; user folders hold spaces and non-ASCII letters.
    for (const QString& path :
        {QStringLiteral("/tmp/Vorlen Cache/C@#games#a b.swf.tmp"), QStringLiteral("/home/ü/ä ö/100%.swf")}) {
        const QUrl url = EngineSchemeHandler::UrlForPath(path, QStringLiteral("myXML=a%2Fb&time=1"));
        EXPECT_EQ(url.scheme(), QStringLiteral("vorlen"));
        EXPECT_EQ(EngineSchemeHandler::PathForUrl(url), path);
        EXPECT_EQ(url.query(QUrl::FullyEncoded), QStringLiteral("myXML=a%2Fb&time=1"));
        EXPECT_EQ(EngineSchemeHandler::PathForUrl(QUrl(QString::fromLatin1(url.toEncoded()))), path);
    }
    EXPECT_EQ(EngineSchemeHandler::PathForUrl(QUrl(QStringLiteral("https://example.org/a.swf"))), QString());
    EXPECT_EQ(EngineMimeType(QStringLiteral("/a/B.SWF")), QByteArray("application/x-shockwave-flash"));
    EXPECT_EQ(EngineMimeType(QStringLiteral("/a/x.wasm")), QByteArray("application/wasm"));
}

// The fake control keeps what the real one keeps, so that player tests see the same values.
TEST(FakeFlashControl, KeepsOnlyValuesTheControlTakes)
{
    EXPECT_EQ(BackgroundDigits(QStringLiteral("#00ff80")), QStringLiteral("00FF80"));
    EXPECT_EQ(BackgroundDigits(QString()), QLatin1String(""));
    EXPECT_FALSE(BackgroundDigits(QString()).isNull());
    for (const char* bad : {"0x12AB", "+12345", "12345", "1234567", "GGGGGG"})
        EXPECT_TRUE(BackgroundDigits(QLatin1String(bad)).isNull()) << bad;

    FakeFlashControl fake;
    fake.SetBGColor(QStringLiteral("ffffff"));
    fake.SetBGColor(QStringLiteral("0x1234"));
    EXPECT_EQ(fake.BGColor(), QStringLiteral("FFFFFF"));
    fake.SetScaleMode(3);
    fake.SetScaleMode(7);
    EXPECT_EQ(fake.ScaleMode(), 3);
    fake.SetQuality2(QStringLiteral("autohigh"));
    EXPECT_EQ(fake.Quality2(), QStringLiteral("AutoHigh"));
    EXPECT_EQ(fake.Quality(), 3);
}

TEST(RuffleFlashControlPaths, NamesSeenFromLevelZero)
{
    EXPECT_EQ(RuffleFlashControl::LevelZeroVariable(QStringLiteral("_alpha")), QStringLiteral("_level0._alpha"));
    EXPECT_EQ(RuffleFlashControl::LevelZeroVariable(QStringLiteral("_root.mwheel")), QStringLiteral("_level0.mwheel"));
    EXPECT_EQ(RuffleFlashControl::LevelZeroVariable(QStringLiteral("/:x")), QStringLiteral("_level0:x"));
    EXPECT_EQ(RuffleFlashControl::LevelZeroVariable(QStringLiteral("/clip:x")), QStringLiteral("_level0/clip:x"));
    EXPECT_EQ(RuffleFlashControl::LevelZeroVariable(QStringLiteral("_level3.y")), QStringLiteral("_level3.y"));
    EXPECT_EQ(RuffleFlashControl::LevelZeroTarget(QStringLiteral("/")), QStringLiteral("_level0"));
    EXPECT_EQ(RuffleFlashControl::LevelZeroTarget(QString()), QStringLiteral("_level0"));
    EXPECT_EQ(RuffleFlashControl::LevelZeroTarget(QStringLiteral("/menu")), QStringLiteral("_level0/menu"));
    EXPECT_EQ(RuffleFlashControl::LevelZeroTarget(QStringLiteral("_root.menu")), QStringLiteral("_level0.menu"));
}

// LZMA movies are looked into: an AVM1 one gets the host loader and reaches the engine plain,
// an ActionScript 3 one goes unchanged.
TEST(EngineMovie, LzmaMoviesAreDecidedByTheirFileAttributes)
{
    ColourMovieOptions options;
    options.version = 10;
    const QByteArray plain = BuildColourMovie({Qt::red, Qt::green}, options);
    const EngineMovie avm1 = PrepareEngineMovie(LzmaMovie(plain), "h.swf");
    EXPECT_TRUE(avm1.error.isEmpty());
    EXPECT_TRUE(avm1.compressed);
    EXPECT_FALSE(avm1.actionScript3);
    EXPECT_TRUE(avm1.hostInserted);
    EXPECT_EQ(avm1.width, options.width);
    EXPECT_EQ(avm1.frameCount, 2);
    ASSERT_TRUE(avm1.bytes.startsWith("FWS\x0A"));
    EXPECT_EQ(RootTags(avm1.bytes).size(), RootTags(plain).size() + 1);

    options.actionScript3 = true;
    const QByteArray as3 = LzmaMovie(BuildColourMovie({Qt::red, Qt::green}, options));
    const EngineMovie left = PrepareEngineMovie(as3, "h.swf");
    EXPECT_TRUE(left.actionScript3);
    EXPECT_FALSE(left.hostInserted);
    EXPECT_EQ(left.bytes, as3);
    EXPECT_EQ(left.frameCount, 2);
}

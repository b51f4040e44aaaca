#include "TestMovies.h"

#include "common/TestSupport.h"

#include "base/ByteReader.h"
#include "engine/Avm2Host.h"
#include "engine/EngineMovie.h"
#include "swf/SwfBodyExpander.h"
#include "swf/SwfHeader.h"
#include "swf/SwfWriter.h"

#include <QDir>

namespace {

// The frame host as the build made it.
QByteArray HostAbc()
{
    return FrameHostAbcTag(ReadAll(AppTreeDir() + QStringLiteral("/Data/Flash/engine/as3host.swf")));
}

struct Tag {
    uint16_t code;
    QByteArray body;
};

// The root tags of a movie body from its first tag on.
QList<Tag> Tags(const QByteArray& body, qsizetype from)
{
    QList<Tag> tags;
    ByteReader reader(body);
    reader.Seek(from);
    while (reader.Ok() && !reader.AtEnd()) {
        const uint16_t head = reader.ReadU16();
        uint32_t length = head & 0x3F;
        if (length == 0x3F)
            length = reader.ReadU32();
        const QByteArray tagBody = reader.ReadBytes(length);
        if (!reader.Ok())
            break;
        tags.append({static_cast<uint16_t>(head >> 6), tagBody});
    }
    return tags;
}

uint16_t U16(const QByteArray& bytes, int at)
{
    return static_cast<uint16_t>(static_cast<uint8_t>(bytes[at]) | static_cast<uint8_t>(bytes[at + 1]) << 8);
}

// The body of a movie (what follows the 8-byte header, expanded).
QByteArray Body(const QByteArray& movie)
{
    ByteReader reader(movie);
    SwfFileHeader header;
    if (!ReadSwfFileHeader(reader, header))
        return QByteArray();
    if (header.compression == SwfCompression::Zlib)
        return InflateLenient(movie.mid(kSwfFileHeaderSize), 1 << 28);
    if (header.compression == SwfCompression::Lzma) {
        SwfLzmaHeader lzma;
        ReadSwfLzmaHeader(reader, lzma);
        return ExpandSwfBodyToBytes(SwfCompression::Lzma, lzma.properties, movie.mid(kLzmaDataOffset),
            static_cast<int64_t>(header.length) - kSwfFileHeaderSize);
    }
    return movie.mid(kSwfFileHeaderSize);
}

// Where the first tag starts in a body (after the frame rectangle, rate and count).
qsizetype FirstTag(const QByteArray& body)
{
    const int bits = static_cast<uint8_t>(body[0]) >> 3;
    return (5 + 4 * bits + 7) / 8 + 4;
}

// The size of what the frame host adds besides its DoABC tag: an empty sprite (10 bytes),
// the SymbolClass tag (23) and the PlaceObject2 tag (7).
constexpr int kHostTagsBeyondAbc = 40;

}  // namespace

TEST(Avm2Host, TheBuiltHostGivesItsDoAbcTag)
{
    const QByteArray abc = HostAbc();
    ASSERT_GT(abc.size(), 100);
    EXPECT_EQ(U16(abc, 0) >> 6, 82);
    EXPECT_EQ(U16(abc, 0) & 0x3F, 0x3F);
    EXPECT_NE(abc.indexOf("FrameHost"), -1);
    EXPECT_TRUE(FrameHostAbcTag(QByteArray()).isEmpty());
    EXPECT_TRUE(FrameHostAbcTag(BuildColourMovie({Qt::red})).isEmpty());
    EXPECT_TRUE(FrameHostAbcTag(QByteArray("CWS\x0A\x10\x00\x00\x00garbage", 15)).isEmpty());
}

// The sprite takes an id and a depth the movie leaves free.
TEST(Avm2Host, SlotAvoidsWhatTheMovieUses)
{
    SwfWriter writer;
    writer.SetVersion(10).AddFileAttributes(true);
    writer.AddRaw(SolidRectangleShape(65535, 10, 10, Qt::red));
    writer.AddRaw(SolidRectangleShape(7, 10, 10, Qt::red));
    QByteArray place;
    AppendU8(place, 0x02);
    AppendU16(place, 65535);
    AppendU16(place, 7);
    writer.AddTag(26, place).ShowFrame();
    const QByteArray body = Body(writer.ToBytes());
    const FrameHostSlot slot = FreeFrameHostSlot(body, FirstTag(body));
    ASSERT_TRUE(slot.ok);
    EXPECT_EQ(slot.characterId, 65534);
    EXPECT_EQ(slot.depth, 65534);

    const QByteArray empty = Body(BuildColourMovie({Qt::red}));
    const FrameHostSlot free = FreeFrameHostSlot(empty, FirstTag(empty));
    EXPECT_EQ(free.characterId, 65535);
    EXPECT_EQ(free.depth, 65535);

    // No id left: the movie is passed on as it is.
    ColourMovieOptions options;
    options.version = 10;
    options.actionScript3 = true;
    options.everyIdTaken = true;
    const QByteArray crowded = BuildColourMovie({Qt::red}, options);
    const QByteArray crowdedBody = Body(crowded);
    EXPECT_FALSE(FreeFrameHostSlot(crowdedBody, FirstTag(crowdedBody)).ok);
    const EngineMovie prepared = PrepareEngineMovie(crowded, "h.swf", HostAbc());
    EXPECT_FALSE(prepared.hostInserted);
    EXPECT_EQ(prepared.bytes, crowded);
}

// Before the first ShowFrame: the DoABC, the sprite, the class bound to it, its placing.
TEST(Avm2Host, ActionScript3MoviesGetTheHostBeforeTheirFirstFrame)
{
    const QByteArray abc = HostAbc();
    ASSERT_FALSE(abc.isEmpty());
    for (bool compressed : {false, true}) {
        SCOPED_TRACE(compressed);
        ColourMovieOptions options;
        options.version = 10;
        options.actionScript3 = true;
        options.compressed = compressed;
        const QByteArray movie = BuildColourMovie({Qt::red, Qt::green}, options);
        const EngineMovie prepared = PrepareEngineMovie(movie, "h.swf", abc);
        ASSERT_TRUE(prepared.error.isEmpty());
        EXPECT_TRUE(prepared.actionScript3);
        EXPECT_TRUE(prepared.hostInserted);
        ASSERT_TRUE(prepared.bytes.startsWith("FWS\x0A"));
        EXPECT_EQ(U16(prepared.bytes, 4) | U16(prepared.bytes, 6) << 16, prepared.bytes.size());

        const QByteArray body = prepared.bytes.mid(8);
        const QList<Tag> tags = Tags(body, FirstTag(body));
        int first = 0;
        while (first < tags.size() && tags[first].code != 82)
            ++first;
        ASSERT_LT(first + 4, tags.size());
        EXPECT_EQ(tags[first + 1].code, 39);  // DefineSprite
        EXPECT_EQ(tags[first + 2].code, 76);  // SymbolClass
        EXPECT_EQ(tags[first + 3].code, 26);  // PlaceObject2
        EXPECT_EQ(tags[first + 4].code, 1);   // the first ShowFrame
        const uint16_t sprite = U16(tags[first + 1].body, 0);
        EXPECT_EQ(U16(tags[first + 2].body, 0), 1);
        EXPECT_EQ(U16(tags[first + 2].body, 2), sprite);
        EXPECT_EQ(tags[first + 2].body.mid(4), QByteArray(kFrameHostClass) + '\0');
        EXPECT_EQ(U16(tags[first + 3].body, 3), sprite);

        // Taking the inserted tags out gives the movie back.
        QByteArray restored = body;
        const qsizetype at = restored.indexOf(abc);
        ASSERT_GE(at, 0);
        restored.remove(at, abc.size() + kHostTagsBeyondAbc);
        EXPECT_TRUE(restored == Body(movie));
    }
    // AVM1 movies keep the host loader.
    const EngineMovie avm1 = PrepareEngineMovie(BuildColourMovie({Qt::red}), "h.swf", abc);
    EXPECT_TRUE(avm1.hostInserted);
    EXPECT_EQ(avm1.bytes.indexOf(abc), -1);
}

// Every ActionScript 3 movie of the corpus gets the host, and nothing else of it changes.
TEST(Avm2Host, CorpusMoviesKeepTheirTags)
{
    SKIP_WITHOUT_CORPUS();
    const QByteArray abc = HostAbc();
    ASSERT_FALSE(abc.isEmpty());
    const QDir folder(CorpusDir() + QStringLiteral("/swf"));
    int checked = 0;
    for (const QString& name : folder.entryList({QStringLiteral("*.swf")}, QDir::Files)) {
        const QByteArray movie = ReadAll(folder.filePath(name));
        const EngineMovie prepared = PrepareEngineMovie(movie, "h", abc);
        if (!prepared.actionScript3)
            continue;
        SCOPED_TRACE(name.toStdString());
        // An LZMA stream that cannot be expanded goes to the engine as it is.
        if (movie.startsWith("ZWS") && prepared.bytes == movie)
            continue;
        ASSERT_TRUE(prepared.hostInserted);
        QByteArray restored = prepared.bytes.mid(8);
        const qsizetype at = restored.indexOf(abc);
        ASSERT_GE(at, 0);
        restored.remove(at, abc.size() + kHostTagsBeyondAbc);
        EXPECT_TRUE(restored == Body(movie));
        ++checked;
    }
    EXPECT_GT(checked, 50);
}

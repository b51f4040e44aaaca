#include "swf/SwfTagScanner.h"
#include "swf/SwfWriter.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// A body with short and long tags, a sprite, and bytes after the End tag; the offsets (from
// the start of the body) at which a tag ends.
struct ScanBody {
    QByteArray bytes;
    std::set<qsizetype> tagEnds;
    qsizetype endTagEnd = 0;
};

ScanBody MakeBody()
{
    SwfWriter writer;
    writer.SetFrameSize(550, 400).SetBackgroundColor(1, 2, 3);
    writer.AddTag(21, QByteArray(300, 'j')).AddTag(14, QByteArray(10, 's'), true).ShowFrame();
    QByteArray sprite;
    AppendU16(sprite, 5);
    AppendU16(sprite, 1);
    sprite += EncodeTag(1, QByteArray()) + EncodeTag(0, QByteArray());
    writer.AddTag(39, sprite);
    ScanBody body;
    body.bytes = writer.ToBytes().mid(8);
    qsizetype at = 13;  // a 9-byte rectangle, rate and count
    body.tagEnds.insert(at);
    while (at < body.bytes.size()) {
        const uint16_t head = static_cast<uint8_t>(body.bytes[at]) | static_cast<uint8_t>(body.bytes[at + 1]) << 8;
        qsizetype length = head & 0x3F;
        at += 2;
        if (length == 0x3F) {
            length = static_cast<uint8_t>(body.bytes[at]) | static_cast<uint8_t>(body.bytes[at + 1]) << 8;
            at += 4;
        }
        at += length;
        body.tagEnds.insert(at);
        if (head >> 6 == 0) {
            body.endTagEnd = at;
            break;
        }
    }
    body.bytes += QByteArray("after the end", 13);
    return body;
}

}  // namespace

TEST(SwfTagScanner, KnowsAtEveryCutWhetherATagWasCut)
{
    const ScanBody body = MakeBody();
    ASSERT_GT(body.endTagEnd, 300);
    for (qsizetype cut = 0; cut <= body.bytes.size(); ++cut) {
        SwfTagScanner scanner;
        scanner.Feed(body.bytes.constData(), cut);
        SCOPED_TRACE(cut);
        EXPECT_EQ(scanner.HeaderComplete(), cut >= 13);
        EXPECT_EQ(scanner.EndTagSeen(), cut >= body.endTagEnd);
        const bool atTagEnd = body.tagEnds.count(cut) > 0 || cut >= body.endTagEnd;
        EXPECT_EQ(scanner.EndsInsideTag(), !atTagEnd);
        EXPECT_EQ(scanner.BodySize(), cut);
    }
    // Cut inside the image's data: the tag is named.
    SwfTagScanner scanner;
    scanner.Feed(body.bytes.constData(), 13 + 6 + 2 + 100);
    EXPECT_TRUE(scanner.EndsInsideTag());
    EXPECT_TRUE(scanner.CutTagKnown());
    EXPECT_EQ(scanner.CutTagCode(), 21);
}

TEST(SwfTagScanner, PiecesAndSkipsGiveTheSameAnswer)
{
    const ScanBody body = MakeBody();
    for (const qsizetype cut : {qsizetype(5), qsizetype(14), qsizetype(100), body.endTagEnd - 1, body.bytes.size()}) {
        SCOPED_TRACE(cut);
        SwfTagScanner whole;
        whole.Feed(body.bytes.constData(), cut);
        // One byte at a time.
        SwfTagScanner bytewise;
        for (qsizetype i = 0; i < cut; ++i)
            bytewise.Feed(body.bytes.constData() + i, 1);
        // Passing over what the scanner does not look at, as a reader of a file does.
        SwfTagScanner skipping;
        qsizetype at = 0;
        while (at < cut && !skipping.EndTagSeen()) {
            const int64_t skip = std::min<int64_t>(skipping.Skippable(), cut - at);
            if (skip > 0) {
                skipping.Skip(skip);
                at += skip;
            } else {
                skipping.Feed(body.bytes.constData() + at, 1);
                ++at;
            }
        }
        for (const SwfTagScanner* other : {&bytewise, &skipping}) {
            EXPECT_EQ(other->EndsInsideTag(), whole.EndsInsideTag());
            EXPECT_EQ(other->EndTagSeen(), whole.EndTagSeen());
            EXPECT_EQ(other->HeaderComplete(), whole.HeaderComplete());
        }
        EXPECT_EQ(bytewise.BodySize(), cut);
    }
    // Skip passes over tag data only.
    SwfTagScanner scanner;
    scanner.Skip(10);
    EXPECT_EQ(scanner.BodySize(), 0);
}

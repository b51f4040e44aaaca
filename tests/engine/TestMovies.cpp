#include "TestMovies.h"

#include "swf/Avm1Assembler.h"
#include "swf/SwfWriter.h"

QByteArray SolidRectangleShape(uint16_t id, int width, int height, const QColor& colour)
{
    const int w = width * 20;
    const int h = height * 20;
    QByteArray body;
    AppendU16(body, id);
    body.append(EncodeRect(0, w, 0, h));
    AppendU8(body, 1);     // one fill style
    AppendU8(body, 0x00);  // solid
    AppendU8(body, static_cast<uint8_t>(colour.red()));
    AppendU8(body, static_cast<uint8_t>(colour.green()));
    AppendU8(body, static_cast<uint8_t>(colour.blue()));
    AppendU8(body, 0);  // no line styles
    BitWriter bits;
    bits.WriteUBits(1, 4);  // fill bits
    bits.WriteUBits(0, 4);  // line bits
    // Style change: move to (0,0), fill style 1.
    const int moveBits = std::max(BitWriter::SignedBitsFor(0), 1);
    bits.WriteUBits(0, 1);
    bits.WriteUBits(0b00011, 5);  // fillStyle1 and moveTo
    bits.WriteUBits(static_cast<uint32_t>(moveBits), 5);
    bits.WriteSBits(0, moveBits);
    bits.WriteSBits(0, moveBits);
    bits.WriteUBits(1, 1);  // fillStyle1 = 1
    // Four straight edges around the rectangle.
    const int edgeBits = std::max(BitWriter::SignedBitsFor(w), BitWriter::SignedBitsFor(h)) + 1;
    auto edge = [&bits, edgeBits](bool vertical, int delta) {
        bits.WriteUBits(1, 1);  // edge
        bits.WriteUBits(1, 1);  // straight
        bits.WriteUBits(static_cast<uint32_t>(edgeBits - 2), 4);
        bits.WriteUBits(0, 1);  // not a general line
        bits.WriteUBits(vertical ? 1 : 0, 1);
        bits.WriteSBits(delta, edgeBits);
    };
    edge(false, w);
    edge(true, h);
    edge(false, -w);
    edge(true, -h);
    bits.WriteUBits(0, 6);  // end of shape
    body.append(bits.Bytes());
    return EncodeTag(2, body);
}

namespace {

QByteArray PlaceCharacter(uint16_t id, uint16_t depth)
{
    QByteArray body;
    AppendU8(body, 0x02);  // has character
    AppendU16(body, depth);
    AppendU16(body, id);
    return EncodeTag(26, body);
}

QByteArray RemoveDepth(uint16_t depth)
{
    QByteArray body;
    AppendU16(body, depth);
    return EncodeTag(28, body);
}

// A variable-length unsigned number (EncodedU32).
void AppendEncodedU32(QByteArray& out, uint32_t value)
{
    do {
        const uint8_t low = value & 0x7F;
        value >>= 7;
        AppendU8(out, static_cast<uint8_t>(low | (value ? 0x80 : 0)));
    } while (value);
}

QByteArray SceneData(const QList<QPair<int, QByteArray>>& scenes)
{
    QByteArray body;
    AppendEncodedU32(body, static_cast<uint32_t>(scenes.size()));
    for (const auto& scene : scenes) {
        AppendEncodedU32(body, static_cast<uint32_t>(scene.first));
        AppendString(body, scene.second);
    }
    AppendEncodedU32(body, 0);  // no frame labels
    return EncodeTag(86, body);
}

QByteArray FrameLabel(const QByteArray& name)
{
    QByteArray body;
    AppendString(body, name);
    return EncodeTag(43, body);
}

}  // namespace

QByteArray BuildColourMovie(const QList<QColor>& colours, const ColourMovieOptions& options)
{
    SwfWriter writer;
    writer.SetVersion(static_cast<uint8_t>(options.version)).SetFrameSize(options.width, options.height);
    writer.SetFrameRate(options.frameRate);
    if (options.version >= 8)
        writer.AddFileAttributes(options.actionScript3);
    if (!options.scenes.isEmpty())
        writer.AddRaw(SceneData(options.scenes));
    const QColor first = colours.value(0, Qt::white);
    writer.SetBackgroundColor(255 - first.red(), 255 - first.green(), 255 - first.blue());
    for (int i = 0; i < colours.size(); ++i)
        writer.AddRaw(SolidRectangleShape(static_cast<uint16_t>(i + 1), options.width, options.height, colours[i]));
    if (options.everyIdTaken) {
        QByteArray binary;
        for (int id = static_cast<int>(colours.size()) + 1; id <= 65535; ++id) {
            QByteArray body;
            AppendU16(body, static_cast<uint16_t>(id));
            AppendU32(body, 0);
            binary.append(EncodeTag(87, body));
        }
        writer.AddRaw(binary);
    }
    for (int i = 0; i < colours.size(); ++i) {
        if (i > 0)
            writer.AddRaw(RemoveDepth(1));
        writer.AddRaw(PlaceCharacter(static_cast<uint16_t>(i + 1), 1));
        Avm1Assembler actions;
        bool any = false;
        if (i == 0 && options.stopAtStart) {
            actions.Op(Avm1Op::Stop);
            any = true;
        }
        if (i == 0 && !options.fsCommand.isEmpty()) {
            actions.GetUrl("FSCommand:" + options.fsCommand, options.fsArgs);
            any = true;
        }
        for (const auto& label : options.labels) {
            if (label.first == i) {
                writer.AddRaw(FrameLabel(label.second));
                actions.GetUrl("FSCommand:label", label.second);
                any = true;
            }
        }
        if (any && !options.actionScript3)
            writer.AddRaw(actions.DoActionTag());
        writer.ShowFrame();
    }
    return writer.ToBytes(options.compressed);
}

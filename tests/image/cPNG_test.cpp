#include "PngBuilder.h"
#include "common/TestSupport.h"
#include "image/PngDecoder.h"
#include "image/cDIBSection.h"
#include "image/cPNG.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtEndian>

#include <array>

#include <zlib.h>

#include <gtest/gtest.h>

using namespace PngBuilder;

namespace {

// One row of the PngSuite manifest.
struct SuiteEntry {
    QString file;
    bool valid = false;
    QStringList fields;
};

QList<SuiteEntry> SuiteManifest()
{
    QList<SuiteEntry> entries;
    const QStringList lines
        = QString::fromUtf8(ReadAll(CorpusDir() + QStringLiteral("/png-manifest.tsv"))).split(QLatin1Char('\n'));
    const QStringList head = lines.value(0).split(QLatin1Char('\t'));
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QStringList fields = lines[i].split(QLatin1Char('\t'));
        if (fields.size() != head.size())
            continue;
        entries.append({fields[0], fields[1] == QLatin1String("yes"), fields});
    }
    return entries;
}

class PngFiles : public ::testing::Test {
protected:
    QString Write(const QString& name, const QByteArray& bytes)
    {
        const QString path = m_dir.path() + QLatin1Char('/') + name;
        EXPECT_TRUE(WriteAll(path, bytes));
        return path;
    }
    int32_t Load(const QByteArray& bytes) { return m_png.LoadPNGFile(Write(QStringLiteral("case.png"), bytes)); }
    // A 2 x 2 truecolour image, unfiltered.
    static QByteArray SmallRgbIdat()
    {
        return Idat(QByteArray::fromHex("00ff000000ff00"
                                        "000000ff808080"));
    }

    QTemporaryDir m_dir;
    cPNG m_png;
};

}  // namespace

TEST(PngSuite, CorruptFilesAreRejectedAndValidFilesLoadWithTheirHeader)
{
    SKIP_WITHOUT_CORPUS();
    const QList<SuiteEntry> entries = SuiteManifest();
    ASSERT_GE(entries.size(), 170);
    int corrupt = 0;
    for (const SuiteEntry& entry : entries) {
        cPNG png;
        const int32_t result = png.LoadPNGFile(CorpusDir() + QStringLiteral("/png/") + entry.file);
        if (entry.file == QLatin1String("xdtn0g01.png")) {
            // Its only fault is a missing IDAT: it loads, with nothing to draw.
            ++corrupt;
            EXPECT_EQ(result, 0);
            EXPECT_TRUE(png.IsEmpty());
            continue;
        }
        if (!entry.valid) {
            ++corrupt;
            EXPECT_EQ(result, 3) << entry.file.toStdString();
            continue;
        }
        ASSERT_EQ(result, 0) << entry.file.toStdString();
        // ihdr_width, ihdr_height, ihdr_bit_depth, ihdr_colour_type, ihdr_interlace
        EXPECT_EQ(png.Width(), entry.fields[8].toInt()) << entry.file.toStdString();
        EXPECT_EQ(png.Height(), entry.fields[9].toInt());
        EXPECT_EQ(png.BitDepth(), entry.fields[10].toInt());
        EXPECT_EQ(png.ColorType(), entry.fields[11].toInt());
        EXPECT_EQ(png.Interlaced(), entry.fields[12] == QLatin1String("1"));
        EXPECT_FALSE(png.IsEmpty()) << entry.file.toStdString();
        EXPECT_EQ(png.ChunkKeys().first(), QStringLiteral("IHDR1"));
        EXPECT_EQ(png.ChunkKeys().last(), QStringLiteral("IEND1"));
    }
    EXPECT_EQ(corrupt, 14);
}

TEST(PngSuite, BitmapLayoutFollowsColourTypeAndDepth)
{
    SKIP_WITHOUT_CORPUS();
    struct Case {
        const char* file;
        int bitCount;
        int paletteEntries;
    } const cases[] = {
        {"basn0g01.png", 1, 2},
        {"basn0g02.png", 8, 4},
        {"basn0g04.png", 4, 16},
        {"basn0g08.png", 8, 256},
        {"basn0g16.png", 8, 256},
        {"basn2c08.png", 24, 0},
        {"basn2c16.png", 24, 0},
        {"basn3p02.png", 8, 4},
        {"basn3p04.png", 4, 15},
        {"basn4a08.png", 32, 0},
        {"basn6a16.png", 32, 0},
        {"tbbn3p08.png", 32, 0},
        {"tbrn2c08.png", 32, 0},
        {"s01n3p01.png", 1, 1},
    };
    for (const Case& c : cases) {
        cPNG png;
        ASSERT_EQ(png.LoadPNGFile(CorpusDir() + QStringLiteral("/png/") + QLatin1String(c.file)), 0) << c.file;
        const PngBitmap& bitmap = png.Bitmap();
        EXPECT_EQ(bitmap.info.bitCount, c.bitCount) << c.file;
        EXPECT_EQ(int(bitmap.palette.size()), c.paletteEntries) << c.file;
        EXPECT_EQ(bitmap.stride % 4, 0u);
        EXPECT_EQ(bitmap.stride, ((bitmap.info.width * c.bitCount + 31) / 32) * 4u) << c.file;
        EXPECT_EQ(bitmap.pixels.size(), qsizetype(bitmap.stride) * bitmap.info.height);
    }
    // A grey palette runs from black to white.
    cPNG grey;
    ASSERT_EQ(grey.LoadPNGFile(CorpusDir() + QStringLiteral("/png/basn0g02.png")), 0);
    EXPECT_EQ(grey.Bitmap().palette, (std::vector<uint32_t>{0x000000, 0x555555, 0xAAAAAA, 0xFFFFFF}));
}

TEST_F(PngFiles, MissingFileGivesOneAndDamagedSignatureThree)
{
    EXPECT_EQ(m_png.LoadPNGFile(m_dir.path() + QStringLiteral("/absent.png")), 1);
    EXPECT_EQ(m_png.LoadPNGFile(m_dir.path()), 1);  // a folder is no file
    EXPECT_EQ(Load(QByteArray()), 3);
    QByteArray file = File({Ihdr(2, 2, 8, 2), SmallRgbIdat(), Iend()});
    EXPECT_EQ(Load(file), 0);
    file[1] = 'p';
    EXPECT_EQ(Load(file), 3);
}

TEST_F(PngFiles, StructuralFaultsGiveThree)
{
    const QByteArray ihdr = Ihdr(2, 2, 8, 2), idat = SmallRgbIdat(), iend = Iend();
    QByteArray shortIhdr = Chunk("IHDR", QByteArray(12, '\1'));
    const struct {
        const char* what;
        QByteArray file;
    } cases[] = {
        {"lower-case third letter", File({ihdr, Chunk("tEXt", "a"), Chunk("abcd", "x"), idat, iend})},
        {"IHDR not first", File({Chunk("gAMA", QByteArray::fromHex("0000b18f")), ihdr, idat, iend})},
        {"IHDR of 12 bytes", File({shortIhdr, idat, iend})},
        {"two IHDR", File({ihdr, ihdr, idat, iend})},
        {"bytes after IEND", File({ihdr, idat, iend}) + "x"},
        {"no IEND", File({ihdr, idat})},
        {"IDAT runs split", File({ihdr, idat, Chunk("tEXt", "a"), idat, iend})},
        {"unknown critical chunk", File({ihdr, Chunk("CRIT", "a"), idat, iend})},
        {"PLTE after IDAT", File({ihdr, idat, Chunk("PLTE", QByteArray(3, '\0')), iend})},
        {"two PLTE", File({ihdr, Chunk("PLTE", QByteArray(3, '\0')), Chunk("PLTE", QByteArray(3, '\0')), idat, iend})},
        {"PLTE not a multiple of 3", File({ihdr, Chunk("PLTE", QByteArray(4, '\0')), idat, iend})},
        {"PLTE in grey", File({Ihdr(2, 2, 8, 0), Chunk("PLTE", QByteArray(3, '\0')), idat, iend})},
        {"palette larger than depth", File({Ihdr(2, 2, 1, 3), Chunk("PLTE", QByteArray(9, '\0')), idat, iend})},
        {"palette without PLTE", File({Ihdr(2, 2, 8, 3), idat, iend})},
        {"tRNS before PLTE", File({Ihdr(2, 2, 8, 3), Chunk("tRNS", "a"), Chunk("PLTE", QByteArray(3, '\0')), idat, iend})},
        {"tRNS longer than palette",
            File({Ihdr(2, 2, 8, 3), Chunk("PLTE", QByteArray(3, '\0')), Chunk("tRNS", "ab"), idat, iend})},
        {"tRNS with alpha channel", File({Ihdr(2, 2, 8, 6), Chunk("tRNS", "ab"), idat, iend})},
        {"tRNS after IDAT", File({ihdr, idat, Chunk("tRNS", "abcdef"), iend})},
        {"bKGD after IDAT", File({ihdr, idat, Chunk("bKGD", "abcdef"), iend})},
        {"bKGD before PLTE", File({Ihdr(2, 2, 8, 3), Chunk("bKGD", "a"), Chunk("PLTE", QByteArray(3, '\0')), idat, iend})},
        {"colour type 5", File({Ihdr(2, 2, 8, 5), idat, iend})},
        {"truecolour of 4 bits", File({Ihdr(2, 2, 4, 2), idat, iend})},
        {"zero width", File({Ihdr(0, 2, 8, 2), idat, iend})},
        {"interlace method 2", File({Ihdr(2, 2, 8, 2, 2), idat, iend})},
        {"truncated chunk", File({ihdr, idat, iend}).left(40)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Load(c.file), 3) << c.what;

    QByteArray badCrc = File({ihdr, idat, iend});
    badCrc[8 + 8 + 13] = char(badCrc[8 + 8 + 13] ^ 1);  // IHDR's CRC
    EXPECT_EQ(Load(badCrc), 3);
}

TEST_F(PngFiles, AncillaryChunksAreStoredUnderOrdinalKeys)
{
    const QByteArray rows = QByteArray::fromHex("00ff000000ff00"
                                                "000000ff808080");
    const QByteArray compressed = Idat(rows).mid(8, Idat(rows).size() - 12);
    const QByteArray file = File({Ihdr(2, 2, 8, 2), Chunk("zzZz", "private"), Chunk("tEXt", "one"), Chunk("tEXt", "two"),
        Chunk("IDAT", compressed.left(5)), Chunk("IDAT", compressed.mid(5)), Iend()});
    ASSERT_EQ(Load(file), 0);
    EXPECT_EQ(m_png.ChunkKeys(), (QStringList{"IHDR1", "zzZz1", "tEXt1", "tEXt2", "IDAT1", "IDAT2", "IEND1"}));
    ASSERT_NE(m_png.Chunk(QStringLiteral("tEXt2")), nullptr);
    EXPECT_EQ(m_png.Chunk(QStringLiteral("tEXt2"))->data, QByteArray("two"));
    EXPECT_EQ(m_png.Chunk(QStringLiteral("tEXt2"))->length, 3u);
    // The image data of both IDAT chunks is inflated as one stream.
    EXPECT_EQ(m_png.PixelARGB(0, 0), 0xFFFF0000u);
    EXPECT_EQ(m_png.PixelARGB(1, 0), 0xFF00FF00u);
    EXPECT_EQ(m_png.PixelARGB(0, 1), 0xFF0000FFu);
    EXPECT_EQ(m_png.PixelARGB(1, 1), 0xFF808080u);
}

TEST_F(PngFiles, RejectedFileKeepsThePreviousImageAndDamagedDataLoadsEmpty)
{
    ASSERT_EQ(Load(File({Ihdr(2, 2, 8, 2), SmallRgbIdat(), Iend()})), 0);
    EXPECT_EQ(Load(File({Ihdr(3, 3, 8, 2), Chunk("CRIT", ""), SmallRgbIdat(), Iend()})), 3);
    EXPECT_EQ(m_png.Width(), 2);
    EXPECT_EQ(m_png.PixelARGB(1, 1), 0xFF808080u);

    // Too little data for a 3 x 3 image, and data that is no zlib stream: loaded, but empty.
    EXPECT_EQ(Load(File({Ihdr(3, 3, 8, 2), SmallRgbIdat(), Iend()})), 0);
    EXPECT_TRUE(m_png.IsEmpty());
    EXPECT_EQ(Load(File({Ihdr(2, 2, 8, 2), Chunk("IDAT", "not zlib"), Iend()})), 0);
    EXPECT_TRUE(m_png.IsEmpty());
    // No IDAT at all is no structural fault: nothing inflates, so the image is empty.
    ASSERT_EQ(Load(File({Ihdr(2, 2, 8, 2), SmallRgbIdat(), Iend()})), 0);
    EXPECT_EQ(Load(File({Ihdr(2, 2, 8, 2), Chunk("tEXt", "a"), Iend()})), 0);
    EXPECT_TRUE(m_png.IsEmpty());
    EXPECT_EQ(m_png.ChunkKeys(), (QStringList{"IHDR1", "tEXt1", "IEND1"}));
    // An unknown filter type damages the data the same way.
    EXPECT_EQ(Load(File({Ihdr(2, 2, 8, 2),
                  Idat(QByteArray::fromHex("05ff000000ff00"
                                           "000000ff808080")),
                  Iend()})),
        0);
    EXPECT_TRUE(m_png.IsEmpty());
}

TEST_F(PngFiles, PaletteTransparencyCoversTheFirstIndicesOnly)
{
    // Palette red, green, blue; tRNS gives index 0 alpha 0 and index 1 alpha 128; index 2 is opaque.
    const QByteArray plte = QByteArray::fromHex("ff0000"
                                                "00ff00"
                                                "0000ff");
    const QByteArray file = File({Ihdr(3, 1, 8, 3), Chunk("PLTE", plte), Chunk("tRNS", QByteArray::fromHex("0080")),
        Idat(QByteArray::fromHex("00000102")), Iend()});
    ASSERT_EQ(Load(file), 0);
    EXPECT_EQ(m_png.Bitmap().info.bitCount, 32);
    EXPECT_EQ(m_png.PixelARGB(0, 0), 0x00FF0000u);
    EXPECT_EQ(m_png.PixelARGB(1, 0), 0x8000FF00u);
    EXPECT_EQ(m_png.PixelARGB(2, 0), 0xFF0000FFu);

    // Drawn onto white: transparent keeps white, half blends, opaque replaces.
    cDIBSection surface;
    ASSERT_TRUE(surface.Create(3, 1));
    for (int x = 0; x < 3; ++x)
        surface.SetPixel(x, 0, 0xFFFFFF);
    m_png.DrawToDIB(surface, 0, 0);
    EXPECT_EQ(surface.Pixel(0, 0), 0xFFFFFFu);
    // ((255 - 128) * 255 + 128 * 255 + 255) >> 8 = 255 for green, (127 * 255 + 255) >> 8 = 127 for the others
    EXPECT_EQ(surface.Pixel(1, 0), 0x7FFF7Fu);
    EXPECT_EQ(surface.Pixel(2, 0), 0x0000FFu);
}

TEST_F(PngFiles, ColourKeyOfGreyAndTruecolourIsApplied)
{
    // Grey 8-bit with key 0x40; truecolour 16-bit with key (0x1234, 0, 0xFFFF) compared on all 16 bits.
    ASSERT_EQ(
        Load(File({Ihdr(2, 1, 8, 0), Chunk("tRNS", QByteArray::fromHex("0040")), Idat(QByteArray::fromHex("004041")), Iend()})),
        0);
    EXPECT_EQ(m_png.PixelARGB(0, 0), 0x00404040u);
    EXPECT_EQ(m_png.PixelARGB(1, 0), 0xFF414141u);
    ASSERT_EQ(Load(File({Ihdr(2, 1, 16, 2), Chunk("tRNS", QByteArray::fromHex("12340000ffff")),
                  Idat(QByteArray::fromHex("00"
                                           "12340000ffff"
                                           "12350000ffff")),
                  Iend()})),
        0);
    EXPECT_EQ(m_png.PixelARGB(0, 0), 0x001200FFu);
    EXPECT_EQ(m_png.PixelARGB(1, 0), 0xFF1200FFu);
}

TEST_F(PngFiles, InterlacedImageMatchesItsPlainTwin)
{
    SKIP_WITHOUT_CORPUS();
    // PngSuite pairs: the same picture stored plainly and with Adam7.
    for (const char* name : {"0g01", "0g02", "0g04", "0g16", "2c08", "3p01", "3p04", "4a16", "6a08"}) {
        cPNG plain, interlaced;
        ASSERT_EQ(plain.LoadPNGFile(CorpusDir() + QStringLiteral("/png/basn%1.png").arg(QLatin1String(name))), 0);
        ASSERT_EQ(interlaced.LoadPNGFile(CorpusDir() + QStringLiteral("/png/basi%1.png").arg(QLatin1String(name))), 0);
        EXPECT_TRUE(interlaced.Interlaced());
        ASSERT_EQ(plain.Bitmap().pixels, interlaced.Bitmap().pixels) << name;
    }
    // Sizes that leave some passes empty.
    for (int size = 1; size <= 9; ++size) {
        cPNG plain, interlaced;
        const QString n = QString::number(size).rightJustified(2, QLatin1Char('0'));
        const QString depth = size <= 4 ? QStringLiteral("p01") : QStringLiteral("p02");
        ASSERT_EQ(plain.LoadPNGFile(CorpusDir() + QStringLiteral("/png/s%1n3%2.png").arg(n, depth)), 0);
        ASSERT_EQ(interlaced.LoadPNGFile(CorpusDir() + QStringLiteral("/png/s%1i3%2.png").arg(n, depth)), 0);
        EXPECT_EQ(plain.Bitmap().pixels, interlaced.Bitmap().pixels) << size;
    }
}

TEST_F(PngFiles, HeadersClaimingMoreThanTheDataHoldsLoadEmpty)
{
    // Headers of tiny files that claim 50331683 x 35 and 65536 x 65536 pixels.
    const QByteArray tinyData = Idat(QByteArray(64, '\0'));
    for (const auto& [width, height] : {std::pair<uint32_t, uint32_t>{50331683, 35}, {65536, 65536}, {20000, 20000}}) {
        EXPECT_EQ(Load(File({Ihdr(width, height, 1, 0), tinyData, Iend()})), 0) << width;
        EXPECT_TRUE(m_png.IsEmpty()) << width;
        EXPECT_EQ(m_png.Width(), int32_t(width));
    }

    // A plain black 2048 x 2048 picture compresses close to deflate's limit and still loads,
    // stored plainly or interlaced.
    const uint32_t side = 2048;
    QByteArray rows(qsizetype(side + 1) * side, '\0');
    EXPECT_EQ(Load(File({Ihdr(side, side, 8, 0), Idat(rows), Iend()})), 0);
    ASSERT_FALSE(m_png.IsEmpty());
    EXPECT_EQ(m_png.PixelARGB(side - 1, side - 1), 0xFF000000u);
    QByteArray passRows;
    for (const auto& [x0, y0, dx, dy] :
        {std::array<uint32_t, 4>{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4}, {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}})
        passRows += QByteArray(qsizetype((side - x0 + dx - 1) / dx + 1) * ((side - y0 + dy - 1) / dy), '\0');
    EXPECT_EQ(Load(File({Ihdr(side, side, 8, 0, 1), Idat(passRows), Iend()})), 0);
    ASSERT_FALSE(m_png.IsEmpty());
    EXPECT_EQ(m_png.PixelARGB(side / 2, side - 1), 0xFF000000u);
}

TEST(PngDataCanFill, MeasuresTheHeaderAgainstTheCompressedData)
{
    auto header = [](uint32_t width, uint32_t height, uint8_t depth, uint8_t colorType, uint8_t interlace) {
        PngHeader h;
        h.width = width;
        h.height = height;
        h.bitDepth = depth;
        h.colorType = colorType;
        h.interlaceMethod = interlace;
        return h;
    };
    // Zeros compressed as hard as zlib can: the data that fills the image is always enough.
    for (const PngHeader& h : {header(4096, 4096, 8, 0, 0), header(1000, 3000, 16, 6, 0), header(4096, 4096, 1, 0, 1)}) {
        const uint64_t rowBytes = (uint64_t(h.width) * h.bitDepth * (h.colorType == 6 ? 4 : 1) + 7) / 8 + 1;
        const QByteArray zeros(qsizetype(rowBytes * h.height), '\0');
        uLongf size = compressBound(uLong(zeros.size()));
        QByteArray packed(qsizetype(size), '\0');
        ASSERT_EQ(compress2(reinterpret_cast<Bytef*>(packed.data()), &size, reinterpret_cast<const Bytef*>(zeros.constData()),
                      uLong(zeros.size()), 9),
            Z_OK);
        EXPECT_TRUE(PngDataCanFill(h, size)) << h.width << "x" << h.height << " from " << size;
        EXPECT_FALSE(PngDataCanFill(h, size / 2)) << h.width << "x" << h.height;
    }
    EXPECT_FALSE(PngDataCanFill(header(50331683, 35, 1, 0, 0), 100));
    EXPECT_FALSE(PngDataCanFill(header(65536, 65536, 1, 0, 1), 4096));
    EXPECT_TRUE(PngDataCanFill(header(1, 1, 8, 2, 0), 0));
}

TEST(PngRowFilters, EachFilterUndoesItsPrediction)
{
    // Two-byte pixels; previous row 10 20 30 40, raw deltas 1 2 3 4.
    const uint8_t prev[4] = {10, 20, 30, 40};
    struct Case {
        uint8_t type;
        uint8_t expected[4];
    } const cases[] = {
        {0, {1, 2, 3, 4}}, {1, {1, 2, 4, 6}},               // + left
        {2, {11, 22, 33, 44}},                              // + up
        {3, {6, 12, 3 + (6 + 30) / 2, 4 + (12 + 40) / 2}},  // + floor((left + up) / 2)
        {4, {11, 22, 3 + 30, 4 + 40}},                      // Paeth picks up (b) where c = 10, 20
    };
    for (const Case& c : cases) {
        uint8_t row[4] = {1, 2, 3, 4};
        ASSERT_TRUE(UnfilterPngRow(c.type, row, prev, 4, 2));
        EXPECT_EQ(0, memcmp(row, c.expected, 4)) << int(c.type);
    }
    uint8_t row[4] = {};
    EXPECT_FALSE(UnfilterPngRow(5, row, prev, 4, 2));
}

TEST(PngSuite, DamagedCopiesEndCleanly)
{
    SKIP_WITHOUT_CORPUS();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("damaged.png"));
    QRandomGenerator random(26001);
    for (const char* name : {"basn2c08.png", "basi6a16.png", "basn3p04.png", "s09i3p02.png", "tbbn0g04.png"}) {
        const QByteArray original = ReadAll(CorpusDir() + QStringLiteral("/png/") + QLatin1String(name));
        ASSERT_FALSE(original.isEmpty());
        // Every truncation loses IEND.
        for (qsizetype length = 0; length < original.size(); length += 7) {
            ASSERT_TRUE(WriteAll(path, original.left(length)));
            cPNG png;
            EXPECT_EQ(png.LoadPNGFile(path), 3) << name << " cut at " << length;
        }
        // Damaged image data behind intact CRCs: loaded (possibly empty), never a crash.
        const qsizetype idat = original.indexOf("IDAT");
        const uint32_t length = qFromBigEndian<uint32_t>(original.constData() + idat - 4);
        for (int round = 0; round < 60; ++round) {
            QByteArray copy = original;
            for (int flips = 0; flips < 1 + round % 4; ++flips) {
                const qsizetype at = idat + 4 + qsizetype(random.bounded(length));
                copy[at] = char(copy[at] ^ (1 << random.bounded(8)));
            }
            const uint32_t crc = crc32(0, reinterpret_cast<const Bytef*>(copy.constData() + idat), length + 4);
            qToBigEndian<uint32_t>(crc, copy.data() + idat + 4 + length);
            ASSERT_TRUE(WriteAll(path, copy));
            cPNG png;
            EXPECT_EQ(png.LoadPNGFile(path), 0) << name;
            cDIBSection surface;
            ASSERT_TRUE(surface.Create(40, 40));
            png.DrawToDIB(surface, -3, 5, round % 2 == 0);
        }
    }
}

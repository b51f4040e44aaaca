#include "FuzzSupport.h"

#include "image/PngBuilder.h"
#include "media/ExtractTestSupport.h"
#include "media/MediaTestSupport.h"
#include "media/TestExecutable.h"
#include "options/LoadSaveOptions.h"
#include "options/OptionsTestSupport.h"
#include "options/RegistryStore.h"
#include "playlist/PlaylistFile.h"
#include "swf/Avm1Assembler.h"
#include "swf/SwfWriter.h"

#include <QDir>
#include <QFile>

#include <array>
#include <cstdio>

// fuzz_seeds OUTDIR: writes the seeds that the tests' own makers give, one folder per fuzz
// target (OUTDIR/<target>/), beside the real files of ../shared/corpus that seed the same
// targets.

namespace {

QString g_out;

void Seed(const char* target, const QString& name, const QByteArray& bytes)
{
    const QString folder = g_out + QLatin1String(target) + QLatin1Char('/');
    QDir().mkpath(folder);
    QFile file(folder + name);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

QByteArray IdPlus(uint16_t id, const QByteArray& data)
{
    QByteArray body;
    AppendU16(body, id);
    return body + data;
}

QByteArray SoundBody(uint16_t id, int format, const QByteArray& data)
{
    QByteArray body = IdPlus(id, QByteArray());
    AppendU8(body, static_cast<uint8_t>((format << 4) | 0x0F));
    AppendU32(body, 1152);
    AppendU16(body, 0);
    return body + data;
}

QByteArray StreamHead(int format)
{
    QByteArray body;
    AppendU8(body, 0x0F);
    AppendU8(body, static_cast<uint8_t>((format << 4) | 0x0F));
    AppendU16(body, 1152);
    AppendU16(body, 0);
    return body;
}

QByteArray StreamBlock(const QByteArray& frames)
{
    QByteArray body;
    AppendU32(body, 1152);
    return body + frames;
}

// A movie with every tag the extractor writes: images with shared tables and on their own,
// event sounds, a root stream and one inside a sprite.
QByteArray ResourceMovie(int version, bool allLong, bool compressed = false)
{
    const SplitJpeg tables = SplitJpegTables(MakeJpeg(16, 8, 1));
    SwfWriter writer;
    writer.SetVersion(static_cast<uint8_t>(version)).SetFrameSize(64, 48).SetBackgroundColor(1, 2, 3);
    writer.AddTag(8, tables.tables, allLong);
    writer.AddTag(6, IdPlus(1, tables.image), allLong);
    writer.AddTag(21, IdPlus(2, QByteArray("\xFF\xD9\xFF\xD8", 4) + MakeJpeg(8, 8, 2)), allLong);
    writer.AddTag(21, IdPlus(3, MakeJpeg(9, 7, 3)), allLong);
    writer.AddTag(14, SoundBody(4, 2, MakeMp3(1, 4)), allLong);
    writer.AddTag(14, SoundBody(5, 1, MakeMp3(1, 5)), allLong);
    writer.AddTag(45, StreamHead(2), true);
    writer.AddTag(19, StreamBlock(MakeMp3(1, 6)), allLong);
    QByteArray sprite;
    AppendU16(sprite, 7);
    AppendU16(sprite, 1);
    sprite += EncodeTag(18, StreamHead(2), allLong) + EncodeTag(19, StreamBlock(MakeMp3(1, 7))) + EncodeTag(1, QByteArray())
        + EncodeTag(0, QByteArray());
    writer.AddTag(39, sprite, allLong);
    writer.ShowFrame();
    return writer.ToBytes(compressed);
}

// An AVM1 movie whose first frame runs actions, and an ActionScript 3 one.
QByteArray ScriptedMovie(bool actionScript3)
{
    SwfWriter writer;
    writer.SetVersion(actionScript3 ? 10 : 8).SetFrameSize(100, 80);
    writer.AddFileAttributes(actionScript3);
    writer.SetBackgroundColor(9, 8, 7);
    Avm1Assembler actions;
    actions.PushString("n").PushInt(1).Op(Avm1Op::SetVariable);
    writer.AddRaw(actions.DoActionTag());
    writer.ShowFrame().ShowFrame();
    return writer.ToBytes();
}

void MovieSeeds()
{
    QList<QPair<QString, QByteArray>> movies;
    for (int version : {1, 5, 6, 9}) {
        movies.append({QStringLiteral("plain-%1.swf").arg(version), MakeTestMovie(version, false)});
        movies.append({QStringLiteral("compressed-%1.swf").arg(version), MakeTestMovie(version, true)});
    }
    movies.append({QStringLiteral("resources.swf"), ResourceMovie(6, false)});
    movies.append({QStringLiteral("resources-long.swf"), ResourceMovie(6, true)});
    movies.append({QStringLiteral("resources-compressed.swf"), ResourceMovie(7, false, true)});
    movies.append({QStringLiteral("avm1.swf"), ScriptedMovie(false)});
    movies.append({QStringLiteral("as3.swf"), ScriptedMovie(true)});
    for (const auto& [name, bytes] : movies) {
        for (const char* target : {"movie_identify", "movie_extract", "engine_movie"})
            Seed(target, name, bytes);
    }
    const QByteArray player = MakePlayerExecutable();
    Seed("movie_identify", QStringLiteral("projector.exe"), MakeProjector(player, MakeTestMovie(6, true)));
    Seed("movie_extract", QStringLiteral("projector.exe"), MakeProjector(player, ResourceMovie(6, false)));
    Seed("movie_identify", QStringLiteral("video.flv"), MakeTestVideo(QByteArray::fromHex("028000000000")));
}

// Tables and image as the jpeg_join target takes them: a 16-bit length, tables, image.
void JpegSeeds()
{
    auto seed = [](const QString& name, const QByteArray& tables, const QByteArray& image) {
        QByteArray input;
        AppendU16(input, static_cast<uint16_t>(tables.size()));
        Seed("jpeg_join", name, input + tables + image);
    };
    const SplitJpeg split = SplitJpegTables(MakeJpeg(24, 16, 5));
    seed(QStringLiteral("split.bin"), split.tables, split.image);
    seed(QStringLiteral("erroneous-header.bin"), QByteArray(), QByteArray("\xFF\xD9\xFF\xD8", 4) + MakeJpeg(8, 8, 6));
    seed(QStringLiteral("joined.bin"), QByteArray(), split.tables + split.image);
    seed(QStringLiteral("cut-tables.bin"), split.tables.mid(4), split.image);
}

void ProjectorSeeds()
{
    const QByteArray movie = MakeTestMovie(6, false);
    Seed("projector", QStringLiteral("generic.exe"), MakeProjector(MakePlayerExecutable(), movie));
    Seed("projector", QStringLiteral("old-player.exe"),
        MakeProjector(MakePlayerExecutable(QStringLiteral("SwFlsh32.exe")), movie));
    Seed("projector", QStringLiteral("pe32plus.exe"),
        MakeProjector(
            MakePlayerExecutable(QStringLiteral("SAFlashPlayer.exe"), QStringLiteral("9,0,0,0"), PeKind::Pe32Plus), movie));
    Seed("projector", QStringLiteral("no-resource.exe"), MakeProjector(MakeTestExecutable(nullptr), movie));
    TestVersionResource keyed;
    keyed.strings = {{QStringLiteral("CompanyName"), QStringLiteral("Someone")},
        {QStringLiteral("OriginalFileName"), QStringLiteral("SAFlashPlayer.exe")}};
    keyed.tableKey = QStringLiteral("040904E4");
    keyed.withTranslation = false;
    Seed("projector", QStringLiteral("keyed.exe"), MakeTestExecutable(&keyed));
}

void VideoSeeds()
{
    for (const char* bits : {"000000000000", "028000000000", "038000000000", "0A8000000000", "128000000000", "FFFFFFFFFFFF"})
        Seed("flash_video", QStringLiteral("%1.flv").arg(QLatin1String(bits)), MakeTestVideo(QByteArray::fromHex(bits)));
}

void PngSeeds()
{
    using namespace PngBuilder;
    const QByteArray iend = Iend();
    struct Kind {
        uint8_t colorType, depth, channels;
    };
    for (const Kind& kind :
        {Kind{0, 1, 1}, Kind{0, 2, 1}, Kind{0, 4, 1}, Kind{0, 8, 1}, Kind{0, 16, 1}, Kind{2, 8, 3}, Kind{2, 16, 3}, Kind{3, 1, 1},
            Kind{3, 2, 1}, Kind{3, 4, 1}, Kind{3, 8, 1}, Kind{4, 8, 2}, Kind{4, 16, 2}, Kind{6, 8, 4}, Kind{6, 16, 4}}) {
        const int width = 5, height = 3;
        for (uint8_t interlace : {0, 1}) {
            // Rows of each Adam7 pass (one pass of the whole image when not interlaced), with
            // every filter type in turn.
            QByteArray rows;
            const int passes[7][4]
                = {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4}, {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}};
            for (int p = 0; p < (interlace ? 7 : 1); ++p) {
                const auto [x0, y0, dx, dy] = interlace
                    ? std::array<int, 4>{passes[p][0], passes[p][1], passes[p][2], passes[p][3]}
                    : std::array<int, 4>{0, 0, 1, 1};
                if (width <= x0 || height <= y0)
                    continue;
                const int passWidth = (width - x0 + dx - 1) / dx, passHeight = (height - y0 + dy - 1) / dy;
                for (int r = 0; r < passHeight; ++r) {
                    rows.append(char((p + r) % 5));
                    for (int b = 0; b < (passWidth * kind.depth * kind.channels + 7) / 8; ++b)
                        rows.append(char(r * 31 + b * 7));
                }
            }
            QList<QByteArray> chunks{Ihdr(width, height, kind.depth, kind.colorType, interlace)};
            if (kind.colorType == 3) {
                chunks.append(Chunk("PLTE", QByteArray::fromHex("ff000000ff00")));
                chunks.append(Chunk("tRNS", QByteArray::fromHex("0080")));
            } else if (kind.colorType == 0 && kind.depth == 8) {
                chunks.append(Chunk("tRNS", QByteArray::fromHex("0010")));
            } else if (kind.colorType == 2 && kind.depth == 8) {
                chunks.append(Chunk("tRNS", QByteArray::fromHex("001000200030")));
            }
            chunks.append(Chunk("tEXt", QByteArray("Comment\0seed", 12)));
            chunks.append(Idat(rows));
            chunks.append(iend);
            Seed("png", QStringLiteral("c%1d%2i%3.png").arg(kind.colorType).arg(kind.depth).arg(interlace), File(chunks));
        }
    }
}

void XmlSeeds()
{
    Seed("language", QStringLiteral("references.xml"),
        "<?xml version=\"1.0\"?>\r\n<LANG title=\"Test\" author=\"me\" langID=\"1031\">\r\n"
        "<PLAYER><STROPEN text=\"!MENU/OPEN\"/><MNUOPEN text=\"&#60;Open&#62;\"/></PLAYER>\r\n"
        "<MENU><OPEN text=\"Open...\"/></MENU><FRMINFO><STRCOMP text=\"!PLAYER/STROPEN\"/></FRMINFO></LANG>");
    Seed("playlist", QStringLiteral("entries.vorlen"),
        PlaylistFileText({QStringLiteral("/movies/a.swf"), QStringLiteral("C:\\Flash\\b & c.swf"), QStringLiteral("d&#38;e.flv"),
                             QStringLiteral("f\u00e9.swf")},
            1)
            .toUtf8());
    Seed("playlist", QStringLiteral("newer.vorlen"), "<?xml version=\"1.0\"?><PLAYLIST build=\"900\"><FILE>x</FILE></PLAYLIST>");
}

// A skin folder as fuzz_skin takes it: skin.xml, the script marker, the script. The shipped
// skins, and one with every element kind and attribute, nested sub-views, a second view and
// geometry that calls the script.
void SkinSeeds()
{
    const QByteArray marker = QByteArrayLiteral("\n<!-- script -->\n");
    const QDir shipped(QStringLiteral(VORLEN_SOURCE_DIR "/data/Skins"));
    for (const QString& name : shipped.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile xml(shipped.filePath(name + QStringLiteral("/skin.xml")));
        QFile script(shipped.filePath(name + QStringLiteral("/script.vbs")));
        if (xml.open(QIODevice::ReadOnly) && script.open(QIODevice::ReadOnly))
            Seed("skin", name + QStringLiteral(".skin"), xml.readAll() + marker + script.readAll());
    }
    Seed("skin", QStringLiteral("every-element.skin"),
        "<?xml version=\"1.0\"?>\n<THEME title=\"Every\" build=\"732\" minWidth=\"320.5\" minHeight=\"200\" "
        "scriptFile=\"script.vbs\" class=\"A.B\" hidesMenu=\"1\">\n"
        "<VIEW name=\"viewNormal\" backColor=\"#102030\" onResize=\"Layout\" onInfoUpdate=\"Info\" onMediaChange=\"Media\">\n"
        " <IMAGE name=\"back\" image=\"back.png\" left=\"0\" top=\"0\" width=\"ScaleWidth\" height=\"ScaleHeight\"/>\n"
        " <SUBVIEW name=\"panel\" image=\"p.png\" noStretch=\"False\" left=\"Half(ScaleWidth)\" top=\"10\" width=\"200\" "
        "height=\"100\" windowMask=\"#FF00FF\" toolTip=\"Player/strOpen\" onDrag=\"MoveWindow\">\n"
        "  <SUBVIEW name=\"inner\" maskColor=\"#00FF00\" backColor=\"#000\" left=\"5\" top=\"5\" width=\"50\" height=\"50\">\n"
        "   <BUTTON name=\"btn\" image=\"b.png\" toolTip=\"Go\" maskColor=\"FF00FF\" left=\"1\" top=\"1\" width=\"20\" "
        "height=\"20\" onClick=\"Go\" onDblClick=\"Go 2\" visible=\"True\"/>\n"
        "  </SUBVIEW>\n"
        " </SUBVIEW>\n"
        " <LABEL name=\"title\" caption=\"Player/strOpen\" alignment=\"2\" autoSize=\"-1\" fontBold=\"True\" "
        "fontItalic=\"0\" fontSize=\"9.5\" foreColor=\"#FFFFFF\" left=\"4\" top=\"ScaleHeight - 20\" width=\"300\"/>\n"
        " <BUTTONLITE name=\"lite\" image=\"l.png\" left=\"Player.ScaleWidth - 30\" top=\"2\" visible=\"false\"/>\n"
        " <UNKNOWN><IMAGE name=\"skipped\"/></UNKNOWN>\n"
        "</VIEW>\n"
        "<view name=\"viewFullScreen\"><Image name=\"bar\" left=\"0\" top=\"ScaleHeight-30\" width=\"ScaleWidth\" "
        "height=\"30\"/></view>\n"
        "</THEME>"
            + marker
            + "Dim n\nFunction Half(v)\nHalf = v \\ 2\nEnd Function\nSub onLoad\nn = n + 1\nEnd Sub\n"
              "Sub Layout\nEnd Sub\n");
}

// Update information documents: every field of an entry, entries older than the newest, a
// date that is no date, and a document of another kind.
void UpdateSeeds()
{
    Seed("update", QStringLiteral("history.xml"),
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<HISTORY download=\"http://example.test/get\">\n"
        " <UPDATE build=\"745\" major=\"1\" minor=\"4\" year=\"2026\" month=\"5\" day=\"12\">\n"
        "  <INFO>Faster &amp; smaller</INFO>\n  <INFO><![CDATA[<b>raw</b>]]></INFO>\n </UPDATE>\n"
        " <UPDATE build=\"740\" major=\"1\" minor=\"3\" year=\"2026\" month=\"2\" day=\"30\"><INFO>older</INFO></UPDATE>\n"
        " <UPDATE build=\"2147483647\" major=\"9\" minor=\"x\" year=\"-1\" month=\"1\" day=\"1\"><INFO/></UPDATE>\n"
        " <UPDATE build=\" 0x10 \"/><update build=\"9999\"/>\n"
        "</HISTORY>\n");
    Seed("update", QStringLiteral("other.xml"), "<?xml version=\"1.0\"?><PLAYLIST build=\"900\"><FILE>x</FILE></PLAYLIST>");
}

void OptionSeeds()
{
    // The whole option set as SaveOpts writes it, and a store with values of every odd form.
    FakeOptionsHost host;
    TestHolders holders;
    SaveOpts(host, holders.All());
    QFile store(OptionStorePath());
    if (store.open(QIODevice::ReadOnly))
        Seed("options", QStringLiteral("saved.ini"), store.readAll());
    Seed("options", QStringLiteral("odd.ini"),
        "[View]\nZoom=1e308\nScale=-0.5\nTopMost=true\n[System]\nOneInstance=2.5\nLanguage=\n[Window]\nLeft=1.#INF\n"
        "Width=  7200 \nhWnd=-2147483649\n[Recent]\nMyFlash=/tmp/\u00e9\n");
}

void ScriptSeeds()
{
    const char* scripts[] = {
        "Dim a(3), i\nFor i = 0 To 3 : a(i) = i * 2 : Next\nOut Join(a, \",\")\n",
        "Function Fact(n)\nIf n <= 1 Then\nFact = 1\nElse\nFact = n * Fact(n - 1)\nEnd If\nEnd Function\nOut Fact(10)\n",
        "Sub Main\nOn Error Resume Next\nx = 1 / 0\nOut Err.Number & Err.Description\nErr.Clear\nEnd Sub\n",
        "s = \"a,b,c\"\nparts = Split(s, \",\")\nOut UBound(parts) & Replace(s, \",\", \";\") & Mid(s, 2, 3) & InStr(s, \"b\")\n",
        "Select Case Width\nCase 640 : Out \"wide\"\nCase Else : Out \"other\"\nEnd Select\n",
        "Do While n < 5\nn = n + 1\nLoop\nWhile n > 0 : n = n - 1 : Wend\nOut n & CStr(3.5) & CInt(\"12\") & Hex(255)\n",
        "Dim d : d = Array(1, \"two\", 3.5, True, Null, Empty)\nFor Each v In d : Out TypeName(v) & VarType(v) : Next\n",
        "Const K = 3\nReDim b(2) : ReDim Preserve b(K)\nOut LBound(b) & UBound(b) & IsArray(b) & Len(Space(K))\n",
        "x = Console.Out(\"a\" & 1 + 2 ^ 3 Mod 2 \\ 1)\nIf x = \"a3\" And Not False Or 1 Xor 0 Then Out Chr(65) & Asc(\"B\")\n",
        "Set o = Nothing\nIf o Is Nothing Then Out \"none\"\nMsgBox \"hi\"\n",
        "Out UCase(LCase(Trim(\"  Xy \"))) & StrReverse(\"ab\")\n",
    };
    int n = 0;
    for (const char* script : scripts)
        Seed("script", QStringLiteral("seed%1.vbs").arg(++n), QByteArray(script));
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "Usage: fuzz_seeds OUTDIR\n");
        return 2;
    }
    FuzzWorld::Get();
    g_out = QDir(QString::fromLocal8Bit(argv[1])).absolutePath() + QLatin1Char('/');
    MovieSeeds();
    JpegSeeds();
    ProjectorSeeds();
    VideoSeeds();
    PngSeeds();
    XmlSeeds();
    OptionSeeds();
    ScriptSeeds();
    SkinSeeds();
    UpdateSeeds();
    return 0;
}

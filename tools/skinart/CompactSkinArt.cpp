// The pictures of the skin "Compact": a slim graphite frame around the movie with one row of
// controls below it, in blue.
#include "SkinArt.h"

#include <QPainter>

namespace {

const QColor kEdge(0x0B, 0x0D, 0x10);
const QColor kFrame(0x23, 0x27, 0x2D);
const QColor kAccent(0x4F, 0xB3, 0xF0);

QGradientStops BarStops()
{
    return {{0.0, QColor(0x34, 0x39, 0x41)}, {0.05, QColor(0x2C, 0x31, 0x38)}, {1.0, QColor(0x1B, 0x1E, 0x23)}};
}

}  // namespace

bool PaintCompactSkin(const QString& skin)
{
    bool saved = true;
    const QImage bar = VerticalGradient(8, 34, BarStops());
    const QImage top = VerticalGradient(8, 8, {{0, QColor(0x30, 0x35, 0x3C)}, {1, kFrame}});
    saved &= SavePicture(bar, skin, QStringLiteral("base/bar.png"));
    saved &= SavePicture(top, skin, QStringLiteral("base/top.png"));
    saved &= SavePicture(VerticalGradient(2, 2, {{0, kFrame}, {1, kFrame}}), skin, QStringLiteral("base/frame.png"));
    saved &= SavePicture(VerticalGradient(1, 1, {{0, kEdge}, {1, kEdge}}), skin, QStringLiteral("base/edge.png"));

    const int corner = 8;
    auto topRow = [&](int, int y) { return RowColor(top, y); };
    auto barRow = [&](int, int y) { return RowColor(bar, bar.height() - corner + y); };
    saved &= SavePicture(CornerPiece(corner, Qt::TopLeftCorner, topRow, kEdge), skin, QStringLiteral("base/corner_tl.png"));
    saved &= SavePicture(CornerPiece(corner, Qt::TopRightCorner, topRow, kEdge), skin, QStringLiteral("base/corner_tr.png"));
    saved &= SavePicture(CornerPiece(corner, Qt::BottomLeftCorner, barRow, kEdge), skin, QStringLiteral("base/corner_bl.png"));
    saved &= SavePicture(CornerPiece(corner, Qt::BottomRightCorner, barRow, kEdge), skin, QStringLiteral("base/corner_br.png"));

    saved &= SavePicture(BarSlice(8, 12, 4, QColor(0x12, 0x14, 0x17), QColor(0x22, 0x26, 0x2B), QColor(0x0E, 0x10, 0x12)), skin,
        QStringLiteral("base/track.png"));
    saved &= SavePicture(BarSlice(8, 12, 4, QColor(0x7C, 0xCB, 0xF7), QColor(0x2F, 0x97, 0xDB), QColor(0x25, 0x7F, 0xBA)), skin,
        QStringLiteral("base/fill.png"));
    saved &= SavePicture(
        Knob(10, QColor(0xF4, 0xF7, 0xFA), QColor(0xB8, 0xC4, 0xCF), kEdge), skin, QStringLiteral("base/knob.png"));

    ButtonStyle style;
    style.glyph = QColor(0xD5, 0xDA, 0xE0);
    style.glyphOver = kAccent;
    style.glyphDown = Qt::white;
    style.glyphDisabled = QColor(0x6C, 0x73, 0x7C);
    style.fillOver = QColor(255, 255, 255, 22);
    style.fillDown = QColor(0, 0, 0, 110);
    style.edge = QColor(255, 255, 255, 30);
    style.radius = 4;
    style.glyphSize = 13;
    const QSize button(24, 24);
    saved &= SaveButtonSet(skin, QStringLiteral("stop.png"), button, Glyph::Stop, style);
    saved &= SaveButtonSet(skin, QStringLiteral("prev.png"), button, Glyph::Previous, style);
    saved &= SaveButtonSet(skin, QStringLiteral("next.png"), button, Glyph::Next, style);
    saved &= SaveButtonSet(skin, QStringLiteral("playlist.png"), button, Glyph::Playlist, style);
    saved &= SaveButtonSet(skin, QStringLiteral("fullscreen.png"), button, Glyph::FullScreen, style);
    saved &= SaveButtonSet(skin, QStringLiteral("restore.png"), button, Glyph::Restore, style);
    saved &= SaveButtonSet(skin, QStringLiteral("menu.png"), button, Glyph::Menu, style);
    saved &= SaveButtonSet(skin, QStringLiteral("volume.png"), button, Glyph::Speaker, style);
    saved &= SaveButtonSet(skin, QStringLiteral("muted.png"), button, Glyph::Muted, style);
    ButtonStyle closeStyle = style;
    closeStyle.glyphOver = Qt::white;
    closeStyle.fillOver = QColor(0xD9, 0x3F, 0x3A);
    closeStyle.fillDown = QColor(0xA8, 0x2F, 0x2B);
    saved &= SaveButtonSet(skin, QStringLiteral("close.png"), button, Glyph::Close, closeStyle);

    const QColor blue(0x6C, 0xC4, 0xF7), blueDark(0x22, 0x86, 0xCC);
    saved &= SaveRoundButtonSet(skin, QStringLiteral("play.png"), 28, Glyph::Play, blue, blueDark, Qt::white);
    saved &= SaveRoundButtonSet(skin, QStringLiteral("pause.png"), 28, Glyph::Pause, blue, blueDark, Qt::white);
    return saved;
}

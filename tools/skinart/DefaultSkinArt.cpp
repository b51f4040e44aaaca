// The pictures of the skin "Default": a light frame with a rounded outline, an orange play
// button and flat symbols; a dark panel for full screen.
#include "SkinArt.h"

#include <QPainter>

namespace {

const QColor kBorder(0x8E, 0x95, 0x9F);
const QColor kBody(0xDD, 0xE1, 0xE6);
const QColor kInk(0x3A, 0x40, 0x48);
const QColor kAccent(0xE0, 0x7A, 0x1F);

QGradientStops TitleStops()
{
    return {{0.0, QColor(0xFB, 0xFB, 0xFC)}, {0.96, QColor(0xE2, 0xE5, 0xE9)}, {1.0, QColor(0xC3, 0xC8, 0xCF)}};
}

QGradientStops BarStops()
{
    return {{0.0, QColor(0xC3, 0xC8, 0xCF)}, {0.02, QColor(0xEE, 0xF0, 0xF3)}, {1.0, QColor(0xD2, 0xD6, 0xDC)}};
}

QImage Logo(int size)
{
    QImage picture = NewPicture(size, size);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0, 0, size * 0.4, size);
    gradient.setColorAt(0, QColor(0xFF, 0xB1, 0x61));
    gradient.setColorAt(1, QColor(0xC9, 0x66, 0x1A));
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawRoundedRect(QRectF(picture.rect()), size * 0.22, size * 0.22);
    DrawGlyph(painter, Glyph::Play, QRectF(size * 0.18, size * 0.18, size * 0.64, size * 0.64), Qt::white);
    return picture;
}

}  // namespace

bool PaintDefaultSkin(const QString& skin)
{
    bool saved = true;
    const QImage title = VerticalGradient(8, 28, TitleStops());
    const QImage bar = VerticalGradient(8, 64, BarStops());
    saved &= SavePicture(title, skin, QStringLiteral("base/titlebar.png"));
    saved &= SavePicture(bar, skin, QStringLiteral("base/controlbar.png"));
    saved &= SavePicture(VerticalGradient(2, 2, {{0, kBody}, {1, kBody}}), skin, QStringLiteral("base/side.png"));
    saved &= SavePicture(VerticalGradient(1, 1, {{0, kBorder}, {1, kBorder}}), skin, QStringLiteral("base/border.png"));

    // The rounded corners cut the window's shape: their outside is the mask colour.
    const int corner = 10;
    auto titleRow = [&](int, int y) { return RowColor(title, y); };
    auto barRow = [&](int, int y) { return RowColor(bar, bar.height() - corner + y); };
    saved &= SavePicture(CornerPiece(corner, Qt::TopLeftCorner, titleRow, kBorder), skin, QStringLiteral("base/corner_tl.png"));
    saved &= SavePicture(CornerPiece(corner, Qt::TopRightCorner, titleRow, kBorder), skin, QStringLiteral("base/corner_tr.png"));
    saved &= SavePicture(CornerPiece(corner, Qt::BottomLeftCorner, barRow, kBorder), skin, QStringLiteral("base/corner_bl.png"));
    saved &= SavePicture(CornerPiece(corner, Qt::BottomRightCorner, barRow, kBorder), skin, QStringLiteral("base/corner_br.png"));

    saved &= SavePicture(Logo(18), skin, QStringLiteral("base/logo.png"));
    saved &= SavePicture(BarSlice(8, 14, 6, QColor(0xA9, 0xAF, 0xB8), QColor(0xC9, 0xCE, 0xD4), QColor(0x9A, 0xA0, 0xA9)), skin,
        QStringLiteral("base/seek_track.png"));
    saved &= SavePicture(BarSlice(8, 14, 6, QColor(0xF6, 0xA2, 0x52), kAccent, QColor(0xC4, 0x62, 0x1A)), skin,
        QStringLiteral("base/seek_fill.png"));
    saved &= SavePicture(
        Knob(14, Qt::white, QColor(0xD9, 0xDD, 0xE2), QColor(0x8E, 0x95, 0x9F)), skin, QStringLiteral("base/seek_knob.png"));
    saved &= SavePicture(BarSlice(8, 14, 4, QColor(0xA9, 0xAF, 0xB8), QColor(0xC9, 0xCE, 0xD4), QColor(0x9A, 0xA0, 0xA9)), skin,
        QStringLiteral("base/vol_track.png"));
    saved &= SavePicture(BarSlice(8, 14, 4, QColor(0x6A, 0x72, 0x7D), QColor(0x4A, 0x51, 0x5A), QColor(0x3E, 0x44, 0x4C)), skin,
        QStringLiteral("base/vol_fill.png"));
    QImage grip = NewPicture(12, 12);
    {
        QPainter painter(&grip);
        DrawGlyph(painter, Glyph::Grip, QRectF(grip.rect()), QColor(0x8E, 0x95, 0x9F));
    }
    saved &= SavePicture(grip, skin, QStringLiteral("base/grip.png"));

    // Full screen: a dark panel with rounded, mask-cut corners.
    saved &= SavePicture(
        MaskedRoundedBox(600, 84, 12, {{0, QColor(0x33, 0x37, 0x3E)}, {1, QColor(0x1C, 0x1F, 0x24)}}, QColor(0x0C, 0x0D, 0x10)),
        skin, QStringLiteral("base/fspanel.png"));
    saved &= SavePicture(BarSlice(8, 14, 6, QColor(0x4A, 0x50, 0x59), QColor(0x5E, 0x65, 0x6F), QColor(0x2A, 0x2E, 0x34)), skin,
        QStringLiteral("base/fs_track.png"));

    // Buttons: flat symbols on the light frame, light symbols on the dark panel.
    ButtonStyle light;
    light.glyph = kInk;
    light.glyphOver = kAccent;
    light.glyphDown = QColor(0x22, 0x26, 0x2C);
    light.glyphDisabled = QColor(0xA6, 0xAC, 0xB4);
    light.fillOver = QColor(255, 255, 255, 200);
    light.fillDown = QColor(0xC4, 0xC9, 0xD0);
    light.edge = QColor(0xB4, 0xBA, 0xC2);
    light.radius = 5;
    light.glyphSize = 16;
    const QSize button(30, 30);
    saved &= SaveButtonSet(skin, QStringLiteral("prev.png"), button, Glyph::Previous, light);
    saved &= SaveButtonSet(skin, QStringLiteral("next.png"), button, Glyph::Next, light);
    saved &= SaveButtonSet(skin, QStringLiteral("stop.png"), button, Glyph::Stop, light);
    saved &= SaveButtonSet(skin, QStringLiteral("volume.png"), button, Glyph::Speaker, light);
    saved &= SaveButtonSet(skin, QStringLiteral("muted.png"), button, Glyph::Muted, light);
    saved &= SaveButtonSet(skin, QStringLiteral("playlist.png"), button, Glyph::Playlist, light);
    saved &= SaveButtonSet(skin, QStringLiteral("fullscreen.png"), button, Glyph::FullScreen, light);

    ButtonStyle titleStyle = light;
    titleStyle.glyphSize = 14;
    titleStyle.radius = 4;
    saved &= SaveButtonSet(skin, QStringLiteral("menu.png"), QSize(26, 20), Glyph::Menu, titleStyle);
    saved &= SaveButtonSet(skin, QStringLiteral("minimize.png"), QSize(26, 20), Glyph::Minimize, titleStyle);
    ButtonStyle closeStyle = titleStyle;
    closeStyle.glyphOver = Qt::white;
    closeStyle.fillOver = QColor(0xE0, 0x44, 0x3E);
    closeStyle.edge = QColor(0xB8, 0x33, 0x2E);
    closeStyle.glyphDown = Qt::white;
    closeStyle.fillDown = QColor(0xB8, 0x33, 0x2E);
    saved &= SaveButtonSet(skin, QStringLiteral("close.png"), QSize(26, 20), Glyph::Close, closeStyle);

    const QColor orange(0xF7, 0xA0, 0x4B), orangeDark(0xD9, 0x6E, 0x16);
    saved &= SaveRoundButtonSet(skin, QStringLiteral("play.png"), 38, Glyph::Play, orange, orangeDark, Qt::white);
    saved &= SaveRoundButtonSet(skin, QStringLiteral("pause.png"), 38, Glyph::Pause, orange, orangeDark, Qt::white);

    ButtonStyle dark;
    dark.glyph = QColor(0xE6, 0xE8, 0xEB);
    dark.glyphOver = QColor(0xFF, 0xB1, 0x61);
    dark.glyphDown = Qt::white;
    dark.glyphDisabled = QColor(0x7A, 0x80, 0x88);
    dark.fillOver = QColor(255, 255, 255, 28);
    dark.fillDown = QColor(0, 0, 0, 90);
    dark.edge = QColor(255, 255, 255, 40);
    dark.radius = 5;
    saved &= SaveButtonSet(skin, QStringLiteral("fs_prev.png"), button, Glyph::Previous, dark);
    saved &= SaveButtonSet(skin, QStringLiteral("fs_next.png"), button, Glyph::Next, dark);
    saved &= SaveButtonSet(skin, QStringLiteral("fs_stop.png"), button, Glyph::Stop, dark);
    saved &= SaveButtonSet(skin, QStringLiteral("fs_playlist.png"), button, Glyph::Playlist, dark);
    saved &= SaveButtonSet(skin, QStringLiteral("fs_restore.png"), button, Glyph::Restore, dark);
    return saved;
}

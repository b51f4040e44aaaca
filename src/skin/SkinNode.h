#pragma once

#include <QString>

#include <cstdint>
#include <optional>

class XmlNode;

// The element kinds of "skin.xml" with their kind codes.
enum class SkinElementKind : int16_t { View = 0, SubView = 1, Button = 2, Label = 3, Image = 4, ButtonLite = 5 };

// The control array an element's window object joins: picture boxes (views, sub-views,
// buttons), images (images, light buttons) and labels.
enum class SkinArray { PIC, IMG, LBL };

// The kind a node name stands for (letter case ignored); nothing for other names, which are
// skipped with their children.
std::optional<SkinElementKind> SkinElementKindOf(const QString& nodeName);
SkinArray ArrayOf(SkinElementKind kind);
QString ArrayName(SkinArray array);
bool IsButtonKind(SkinElementKind kind);
// The view whose elements have no drag action by default.
bool IsFullScreenViewName(const QString& viewName);

// The name an element or view has when it gives none.
inline const QString& NoName()
{
    static const QString name = QStringLiteral("| no |");
    return name;
}

// The attributes of a VIEW.
struct SkinViewAttributes {
    QString name = NoName();
    std::optional<uint32_t> backColor;
    QString onResize;
    QString onInfoUpdate;
    QString onMediaChange;
};

// The attributes of the other elements, defaults applied. Geometry stays text: it is an
// expression, evaluated when the element is built; a width or height left out takes its default
// then (1, or the picture's own size when it is not stretched).
struct SkinElementAttributes {
    QString name = NoName();
    QString image;  // "" without an image
    bool stretch = true;
    QString left = QStringLiteral("0");
    QString top = QStringLiteral("0");
    std::optional<QString> width;
    std::optional<QString> height;
    bool visible = true;
    QString onClick;
    QString onDblClick;
    QString onDrag;
    // Labels.
    int alignment = 0;  // 0 left, 1 right, 2 centre
    bool autoSize = false;
    std::optional<bool> fontBold;
    std::optional<bool> fontItalic;
    std::optional<double> fontSize;
    uint32_t foreColor = 0;
    QString caption;
    // Sub-views and buttons.
    std::optional<QString> toolTip;
    std::optional<uint32_t> windowMask;  // sub-views only
    std::optional<uint32_t> maskColor;   // sub-views without a window mask, buttons
    std::optional<uint32_t> backColor;
};

SkinViewAttributes ReadViewAttributes(const XmlNode& node);
// viewName: the name of the view the element belongs to (its default drag action depends on it).
SkinElementAttributes ReadElementAttributes(const XmlNode& node, SkinElementKind kind, const QString& viewName);

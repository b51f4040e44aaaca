#include "skin/SkinNode.h"

#include "base/XmlDocument.h"
#include "skin/SkinValues.h"

namespace {

struct KindName {
    const char* name;
    SkinElementKind kind;
};

const KindName kKinds[] = {
    {"VIEW", SkinElementKind::View},
    {"SUBVIEW", SkinElementKind::SubView},
    {"BUTTON", SkinElementKind::Button},
    {"LABEL", SkinElementKind::Label},
    {"IMAGE", SkinElementKind::Image},
    {"BUTTONLITE", SkinElementKind::ButtonLite},
};

// Stands for a missing attribute: XML text cannot hold this character.
const QString& Absent()
{
    static const QString absent = QStringLiteral("\u0001");
    return absent;
}

std::optional<QString> Attribute(const XmlNode& node, const char* name)
{
    QString value = node.Attribute(QLatin1String(name), Absent());
    if (value == Absent())
        return std::nullopt;
    return value;
}

std::optional<uint32_t> Color(const XmlNode& node, const char* name)
{
    const std::optional<QString> text = Attribute(node, name);
    if (!text || text->isEmpty())
        return std::nullopt;
    return ParseSkinColor(*text);
}

std::optional<bool> Flag(const XmlNode& node, const char* name)
{
    const std::optional<QString> text = Attribute(node, name);
    if (!text)
        return std::nullopt;
    return ParseSkinBool(*text, false);
}

std::optional<double> Number(const XmlNode& node, const char* name)
{
    const std::optional<QString> text = Attribute(node, name);
    bool ok = false;
    const double value = text ? text->trimmed().toDouble(&ok) : 0.0;
    if (!ok)
        return std::nullopt;
    return value;
}

}  // namespace

std::optional<SkinElementKind> SkinElementKindOf(const QString& nodeName)
{
    for (const KindName& entry : kKinds) {
        if (nodeName.compare(QLatin1String(entry.name), Qt::CaseInsensitive) == 0)
            return entry.kind;
    }
    return std::nullopt;
}

SkinArray ArrayOf(SkinElementKind kind)
{
    switch (kind) {
    case SkinElementKind::Label:
        return SkinArray::LBL;
    case SkinElementKind::Image:
    case SkinElementKind::ButtonLite:
        return SkinArray::IMG;
    default:
        return SkinArray::PIC;
    }
}

QString ArrayName(SkinArray array)
{
    switch (array) {
    case SkinArray::PIC:
        return QStringLiteral("PIC");
    case SkinArray::IMG:
        return QStringLiteral("IMG");
    case SkinArray::LBL:
        return QStringLiteral("LBL");
    }
    return QString();
}

bool IsButtonKind(SkinElementKind kind)
{
    return kind == SkinElementKind::Button || kind == SkinElementKind::ButtonLite;
}

bool IsFullScreenViewName(const QString& viewName)
{
    return viewName.compare(QLatin1String("viewFullScreen"), Qt::CaseInsensitive) == 0;
}

SkinViewAttributes ReadViewAttributes(const XmlNode& node)
{
    SkinViewAttributes view;
    view.name = Attribute(node, "name").value_or(NoName());
    view.backColor = Color(node, "backColor");
    view.onResize = Attribute(node, "onResize").value_or(QString());
    view.onInfoUpdate = Attribute(node, "onInfoUpdate").value_or(QString());
    view.onMediaChange = Attribute(node, "onMediaChange").value_or(QString());
    return view;
}

SkinElementAttributes ReadElementAttributes(const XmlNode& node, SkinElementKind kind, const QString& viewName)
{
    SkinElementAttributes element;
    element.name = Attribute(node, "name").value_or(NoName());
    if (kind != SkinElementKind::Label) {
        const QString image = Attribute(node, "image").value_or(NoName());
        element.image = image == NoName() ? QString() : image;
    }
    element.stretch = !Flag(node, "noStretch").value_or(false);
    element.left = Attribute(node, "left").value_or(element.left);
    element.top = Attribute(node, "top").value_or(element.top);
    element.width = Attribute(node, "width");
    element.height = Attribute(node, "height");
    element.visible = Flag(node, "visible").value_or(true);
    element.onClick = Attribute(node, "onClick").value_or(QString());
    element.onDblClick = Attribute(node, "onDblClick").value_or(QString());
    const bool dragsWindow = !IsButtonKind(kind) && !IsFullScreenViewName(viewName);
    element.onDrag = Attribute(node, "onDrag").value_or(dragsWindow ? QStringLiteral("MoveWindow") : QString());

    if (kind == SkinElementKind::Label) {
        element.alignment = int(Number(node, "alignment").value_or(0));
        element.autoSize = Flag(node, "autoSize").value_or(false);
        element.fontBold = Flag(node, "fontBold");
        element.fontItalic = Flag(node, "fontItalic");
        element.fontSize = Number(node, "fontSize");
        element.foreColor = ParseSkinColor(Attribute(node, "foreColor").value_or(QStringLiteral("0")));
        element.caption = Attribute(node, "caption").value_or(QString());
    }
    if (kind == SkinElementKind::SubView || kind == SkinElementKind::Button)
        element.toolTip = Attribute(node, "toolTip");
    if (kind == SkinElementKind::SubView)
        element.windowMask = Color(node, "windowMask");
    if (kind == SkinElementKind::Button || (kind == SkinElementKind::SubView && !element.windowMask))
        element.maskColor = Color(node, "maskColor");
    element.backColor = Color(node, "backColor");
    return element;
}

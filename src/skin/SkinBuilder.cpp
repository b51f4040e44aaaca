// BuildSkinNode: the theme, its views and their elements become the skin's window objects.
#include "skin/XmlSkin.h"

#include "base/ErrorContext.h"
#include "base/ExecutionLog.h"
#include "base/FileNames.h"
#include "base/Rounding.h"
#include "base/RuntimeErrors.h"
#include "base/XmlText.h"
#include "lang/LangText.h"
#include "lang/TranslateForm.h"
#include "player/PlayerCommands.h"
#include "script/ScriptEngine.h"
#include "script/ScriptError.h"
#include "skin/SkinPicture.h"
#include "skin/SkinValues.h"

#include <QAction>
#include <QFileInfo>

#include <cmath>

namespace {

// Deeper nesting than this is a skin gone wrong, not a design.
constexpr int kMaxDepth = 32;
// The members a control array can have.
constexpr int kMaxArrayMembers = 32767;
constexpr int kInvalidPropertyValue = 380;
constexpr int kOutOfStackSpace = 28;

QColor ToQColor(uint32_t color)
{
    return QColor(SkinColorRed(color), SkinColorGreen(color), SkinColorBlue(color));
}

}  // namespace

bool XmlSkin::BuildTheme(const XmlNode& theme)
{
    m_theme = ReadSkinTheme(theme, m_skinName);
    m_geometryOverBudget = false;
    if (m_player)
        m_player->ResetScriptEngine();
    m_isBinary = IsSkinLibrary(m_theme.scriptFile);
    m_scriptPath = m_skinFolder + m_theme.scriptFile;
    if (m_isBinary) {
        // Compiled skin libraries are components of another platform.
        SetCurrentError(RuntimeError::CannotCreateObject, m_theme.className,
            QStringLiteral("Compiled skin libraries are not supported on this platform (") + m_theme.scriptFile
                + QLatin1Char(')'));
        LogLine(QStringLiteral("Node Failed: ") + theme.nodeName() + QStringLiteral(" (") + CurrentError().description
            + QLatin1Char(')'));
        return false;
    }
    if (m_player && QFileInfo(m_scriptPath).isFile()) {
        ScriptEngine& script = m_player->Script();
        if (!script.AddCode(ReadTextFile(m_scriptPath))) {
            // The skin goes on without its script; its events find nothing to run.
            LogErrorReport(QStringLiteral("Script Execution '") + m_theme.scriptFile + QStringLiteral("' (Line:")
                + QString::number(script.Error().line) + QLatin1Char(')'));
            m_player->ResetScriptEngine();
        }
    }
    if (m_theme.hidesMenu)
        SetMenuBarSwitch(true);
    m_currentContainer = 0;
    m_buildView = 0;
    BuildChildren(theme, 0);
    return true;
}

void XmlSkin::BuildChildren(const XmlNode& node, int depth)
{
    for (const XmlNode& child : node.childNodes()) {
        if (child.IsElement())
            BuildNode(child, depth + 1);
    }
}

void XmlSkin::BuildNode(const XmlNode& node, int depth)
{
    const std::optional<SkinElementKind> kind = SkinElementKindOf(node.nodeName());
    if (!kind)
        return;
    const size_t first = m_elements.size();
    const int container = m_currentContainer;
    const int buildView = m_buildView;
    try {
        if (depth > kMaxDepth)
            RaiseError(kOutOfStackSpace, QStringLiteral("skin.xml"), QStringLiteral("Out of stack space"));
        if (*kind == SkinElementKind::View)
            BuildView(node, depth);
        else
            BuildElement(node, *kind, depth);
    } catch (const VorlenError& error) {
        RemoveElementsFrom(first);
        m_currentContainer = container;
        m_buildView = buildView;
        LogLine(QStringLiteral("Node Failed: ") + node.nodeName() + QStringLiteral(" (") + error.Info().description
            + QLatin1Char(')'));
    }
}

void XmlSkin::RemoveElementsFrom(size_t first)
{
    while (m_elements.size() > first) {
        SkinElement& element = m_elements.back();
        if (element.control) {
            --m_arrayCounts[int(element.control->Array())];
            element.control->hide();
            element.control->deleteLater();
        }
        m_elements.pop_back();
    }
}

QWidget* XmlSkin::ContainerWidget() const
{
    if (m_currentContainer > 0) {
        const SkinElement& container = m_elements[size_t(m_currentContainer - 1)];
        if (container.control)
            return container.control;
    }
    return m_player ? m_player->Window() : nullptr;
}

QString XmlSkin::PicturePath(const QString& folder, const QString& image) const
{
    return m_skinFolder + folder + NormalizePath(image);
}

int XmlSkin::GeometryValue(const QString& text)
{
    const double value = EvalSkinExpression(text);
    if (!std::isfinite(value) || std::abs(value) > 1e6)
        RaiseError(kInvalidPropertyValue, QStringLiteral("skin.xml"), QStringLiteral("Invalid property value"));
    return int(RoundHalfEven(value));
}

void XmlSkin::BuildView(const XmlNode& node, int depth)
{
    const SkinViewAttributes attributes = ReadViewAttributes(node);
    SkinElement element;
    element.kind = SkinElementKind::View;
    element.name = attributes.name;
    element.onResize = attributes.onResize;
    element.onInfoUpdate = attributes.onInfoUpdate;
    element.onMediaChange = attributes.onMediaChange;
    element.container = 0;
    m_elements.push_back(element);
    const int number = int(m_elements.size());
    m_elements.back().view = number;
    m_buildView = number;

    // A view lies on the main window, whatever holds its node.
    auto* control = new SkinControl(SkinElementKind::View, number, m_player ? m_player->Window() : nullptr);
    m_arrayCounts[int(SkinArray::PIC)] += 1;
    m_elements.back().arrayIndex = m_arrayCounts[int(SkinArray::PIC)];
    m_elements.back().control = control;
    control->hide();
    control->SetHandler(this);
    control->SetPassThrough(true);
    control->SetBackColor(attributes.backColor ? ToQColor(*attributes.backColor) : control->palette().color(QPalette::Window));
    connect(control, &SkinControl::CoverChanged, this, &XmlSkin::ScheduleCoverRefresh);
    if (QWidget* window = m_player ? m_player->Window() : nullptr)
        control->setGeometry(QRect(QPoint(0, 0), window->size()));

    m_currentContainer = number;
    BuildChildren(node, depth);
    m_currentContainer = 0;
}

void XmlSkin::BuildElement(const XmlNode& node, SkinElementKind kind, int depth)
{
    const SkinArray array = ArrayOf(kind);
    if (m_arrayCounts[int(array)] >= kMaxArrayMembers)
        RaiseError(RuntimeError::OutOfMemory, QStringLiteral("skin.xml"));
    const QString viewName = m_buildView > 0 ? m_elements[size_t(m_buildView - 1)].name : QString();
    const SkinElementAttributes a = ReadElementAttributes(node, kind, viewName);

    // 1-2. The record and a new member of the kind's control array in the current container.
    SkinElement element;
    element.kind = kind;
    element.name = a.name;
    element.view = m_buildView;
    element.container = m_currentContainer;
    m_elements.push_back(element);
    const int number = int(m_elements.size());
    auto* control = new SkinControl(kind, number, ContainerWidget());
    control->hide();
    m_elements.back().control = control;
    m_elements.back().arrayIndex = ++m_arrayCounts[int(array)];
    control->SetHandler(this);

    // 3. Pictures.
    const bool button = IsButtonKind(kind);
    if (!a.image.isEmpty()) {
        const QString main = PicturePath(button ? QStringLiteral("up/") : QStringLiteral("base/"), a.image);
        const QImage picture = LoadSkinPicture(main);
        if (picture.isNull())
            LogLine(QStringLiteral("Failed to draw ") + main);
        control->SetPicture(SkinControl::StateUp, picture);
        control->SetPicture(SkinControl::StateDisabled, LoadSkinPicture(PicturePath(QStringLiteral("disabled/"), a.image)));
    }
    control->SetStretch(a.stretch);

    // 4. Geometry: expressions, the picture's own size when it is not stretched.
    const QSize own = control->Picture(SkinControl::StateUp).size();
    const bool ownSize = !a.stretch && !own.isEmpty();
    const int left = GeometryValue(a.left);
    const int top = GeometryValue(a.top);
    const int width = a.width ? GeometryValue(*a.width) : ownSize ? own.width() : 1;
    const int height = a.height ? GeometryValue(*a.height) : ownSize ? own.height() : 1;
    if (!a.image.isEmpty() && button) {
        control->SetPicture(SkinControl::StateDown, LoadSkinPicture(PicturePath(QStringLiteral("down/"), a.image)));
        if (kind == SkinElementKind::Button)
            control->SetPicture(SkinControl::StateOver, LoadSkinPicture(PicturePath(QStringLiteral("over/"), a.image)));
    }

    // 5. Actions.
    m_elements.back().onDrag = a.onDrag;
    m_elements.back().onClick = a.onClick;
    m_elements.back().onDblClick = a.onDblClick;
    control->SetPassThrough(!button && a.onDrag.isEmpty() && a.onClick.isEmpty() && a.onDblClick.isEmpty());

    // 6. Place and size.
    if (width < 0 || height < 0)
        RaiseError(kInvalidPropertyValue, QStringLiteral("skin.xml"), QStringLiteral("Invalid property value"));
    control->setGeometry(left, top, width, height);

    // 7. Labels.
    if (kind == SkinElementKind::Label) {
        if (a.alignment < 0 || a.alignment > 2)
            RaiseError(kInvalidPropertyValue, QStringLiteral("skin.xml"), QStringLiteral("Invalid property value"));
        QFont font = UIQFont();
        if (a.fontBold)
            font.setBold(*a.fontBold);
        if (a.fontItalic)
            font.setItalic(*a.fontItalic);
        if (a.fontSize) {
            if (!(*a.fontSize > 0 && *a.fontSize <= 2048))
                RaiseError(kInvalidPropertyValue, QStringLiteral("skin.xml"), QStringLiteral("Invalid property value"));
            font.setPointSizeF(*a.fontSize);
        }
        control->SetAlignment(a.alignment);
        control->SetLabelFont(font);
        control->SetForeColor(ToQColor(a.foreColor));
        control->SetCaption(LangText(a.caption, a.caption));
        control->SetAutoSize(a.autoSize);
    }

    // 9. Tool tips and the cut of masks.
    if (a.toolTip)
        control->setToolTip(LangText(*a.toolTip, *a.toolTip));
    if (a.windowMask) {
        control->SetMaskColor(a.windowMask);
        m_elements.back().windowMask = true;
    } else if (a.maskColor) {
        control->SetMaskColor(a.maskColor);
    }

    // 10. Background colour.
    if (a.backColor)
        control->SetBackColor(ToQColor(*a.backColor));
    control->setVisible(a.visible);
    connect(control, &SkinControl::CoverChanged, this, &XmlSkin::ScheduleCoverRefresh);

    // 11. The children of a sub-view go inside it.
    if (kind == SkinElementKind::SubView) {
        const int container = m_currentContainer;
        m_currentContainer = number;
        BuildChildren(node, depth);
        m_currentContainer = container;
    }
}

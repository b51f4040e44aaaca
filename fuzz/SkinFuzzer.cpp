#include "FuzzSupport.h"

#include "base/AppFolders.h"
#include "base/Rounding.h"
#include "base/XmlDocument.h"
#include "base/XmlText.h"
#include "lang/Language.h"
#include "script/ScriptEngine.h"
#include "script/ScriptError.h"
#include "script/ScriptHostObject.h"
#include "skin/SkinCatalogue.h"
#include "skin/SkinLayoutMath.h"
#include "skin/SkinNode.h"
#include "skin/SkinTheme.h"

#include <QDir>
#include <QFileInfo>

#include <array>
#include <cmath>
#include <optional>
#include <vector>

// A skin folder as the player reads it, without the window: the input up to the first script
// marker is the folder's "skin.xml", the rest its script file. The skins folder is listed (the
// catalogue), the chosen skin loaded with the THEME and build checks, its script added to the
// script engine, and the node tree walked as the builder walks it: the attributes of every view
// and element read, the geometry expressions evaluated by the engine within a step budget, the
// labels' captions and the tool tips looked up. The first view's visible elements then give the
// layout around the movie.

namespace {

const QByteArray kScriptMarker = QByteArrayLiteral("\n<!-- script -->\n");
// Statements and loop turns one evaluation may take: enough for the seeds, few enough that
// every input ends quickly.
constexpr qint64 kStepBudget = 20000;
// The builder's limits: nesting depth, members of a control array, a geometry value.
constexpr int kMaxDepth = 32;
constexpr int kMaxArrayMembers = 32767;
constexpr double kMaxGeometry = 1e6;
constexpr QSize kClient(640, 480);

struct BuiltElement {
    QRect rect;  // in the view's coordinates, cut to its containers
    bool visible = true;
};

class SkinWalk {
public:
    explicit SkinWalk(ScriptEngine& script)
        : m_script(script)
    {
    }

    void Children(const XmlNode& node, int depth, QPoint origin, const QRect& clip, bool shown)
    {
        for (const XmlNode& child : node.childNodes()) {
            if (child.IsElement())
                Node(child, depth + 1, origin, clip, shown);
        }
    }

    std::vector<QRect> FirstViewRects() const
    {
        std::vector<QRect> rects;
        for (const BuiltElement& element : m_firstView) {
            if (element.visible && !element.rect.isEmpty())
                rects.push_back(element.rect);
        }
        return rects;
    }

private:
    void Node(const XmlNode& node, int depth, QPoint origin, const QRect& clip, bool shown)
    {
        const std::optional<SkinElementKind> kind = SkinElementKindOf(node.nodeName());
        if (!kind)
            return;
        // A failing node is dropped with what it built, as the builder drops it.
        const size_t first = m_firstView.size();
        const int buildView = m_buildView;
        const std::array<int, 3> counts = m_arrayCounts;
        if (depth > kMaxDepth || !Build(node, *kind, depth, origin, clip, shown)) {
            m_firstView.resize(first);
            m_buildView = buildView;
            m_arrayCounts = counts;
        }
    }

    bool Build(const XmlNode& node, SkinElementKind kind, int depth, QPoint origin, const QRect& clip, bool shown)
    {
        if (kind == SkinElementKind::View) {
            // A view lies on the window wherever its node is; the elements after it belong to
            // it, as they do in the builder.
            m_viewNames.push_back(ReadViewAttributes(node).name);
            ++m_arrayCounts[int(SkinArray::PIC)];
            m_buildView = int(m_viewNames.size());
            Children(node, depth, QPoint(0, 0), QRect(QPoint(0, 0), kClient), true);
            return true;
        }
        const int array = int(ArrayOf(kind));
        if (m_arrayCounts[array] >= kMaxArrayMembers)
            return false;
        ++m_arrayCounts[array];
        const QString viewName = m_buildView > 0 ? m_viewNames[size_t(m_buildView - 1)] : QString();
        const SkinElementAttributes a = ReadElementAttributes(node, kind, viewName);
        std::optional<int> left = Geometry(a.left), top = Geometry(a.top);
        std::optional<int> width = a.width ? Geometry(*a.width) : 1, height = a.height ? Geometry(*a.height) : 1;
        if (!left || !top || !width || !height || *width < 0 || *height < 0)
            return false;
        if (kind == SkinElementKind::Label) {
            if (a.alignment < 0 || a.alignment > 2 || (a.fontSize && !(*a.fontSize > 0 && *a.fontSize <= 2048)))
                return false;
            LangText(a.caption, a.caption);
        }
        if (a.toolTip)
            LangText(*a.toolTip, *a.toolTip);
        const QRect rect = QRect(origin + QPoint(*left, *top), QSize(*width, *height)) & clip;
        const bool visible = shown && a.visible;
        if (m_buildView == 1)
            m_firstView.push_back({rect, visible});
        if (kind == SkinElementKind::SubView)
            Children(node, depth, origin + QPoint(*left, *top), rect, visible);
        return true;
    }

    // XmlSkin::EvalSkinExpression and GeometryValue: a number as it is, anything else evaluated
    // until one expression runs out of steps.
    std::optional<int> Geometry(const QString& text)
    {
        double value = 0.0;
        bool ok = false;
        if (!text.trimmed().isEmpty()) {
            value = text.trimmed().toDouble(&ok);
            if (!ok && m_overBudget) {
                value = 0.0;
            } else if (!ok) {
                const ScriptValue result = m_script.Eval(text);
                value = 0.0;
                m_overBudget = m_script.Error().number == ScriptErrorNumber::StepBudget;
                if (m_script.Error().number == 0) {
                    try {
                        value = result.Dereferenced().ToDouble();
                    } catch (const ScriptError&) {
                        value = 0.0;
                    }
                }
            }
        }
        if (!std::isfinite(value) || std::abs(value) > kMaxGeometry)
            return std::nullopt;
        return int(RoundHalfEven(value));
    }

    ScriptEngine& m_script;
    std::vector<QString> m_viewNames;
    int m_buildView = 0;  // the view the next element belongs to, from 1
    std::array<int, 3> m_arrayCounts{};
    bool m_overBudget = false;
    std::vector<BuiltElement> m_firstView;
};

// The script file the theme names, when it lies in the skin's folder.
QString ScriptText(const QString& folder, const SkinTheme& theme)
{
    const QFileInfo file(folder + theme.scriptFile);
    if (!file.isFile() || !file.canonicalFilePath().startsWith(QDir(folder).canonicalPath() + QLatin1Char('/')))
        return QString();
    return ReadTextFile(file.filePath());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const FuzzWorld& world = FuzzWorld::Get();
    const QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype split = input.indexOf(kScriptMarker);
    const QString folder = world.EmptyFolder(QStringLiteral("app/Skins/Fuzz"));
    world.Write(folder + QStringLiteral("skin.xml"), split < 0 ? input : input.left(split));
    world.Write(folder + QStringLiteral("script.vbs"), split < 0 ? QByteArray() : input.mid(split + kScriptMarker.size()));

    const std::vector<SkinEntry> skins = ListSkins(Folders().skins);
    if (FindSkin(skins, QStringLiteral("fuzz")) < 0)
        return 0;
    XmlDocument doc;
    if (!doc.load(folder + QStringLiteral("skin.xml")))
        return 0;
    const XmlNode themeNode = ThemeNode(doc);
    if (themeNode.IsNull())
        return 0;
    const std::optional<int> build = SkinBuildNumber(themeNode.Attribute(QStringLiteral("build"), QStringLiteral("0")));
    if (!build || CheckSkinBuild(*build) != SkinBuildCheck::Accepted)
        return 0;
    const SkinTheme theme = ReadSkinTheme(themeNode, QStringLiteral("Fuzz"));
    if (IsSkinLibrary(theme.scriptFile))
        return 0;

    // The player's engine after a reset, with the Player object's sizes the geometry reads; a
    // script that fails to load leaves none behind.
    auto player = std::make_shared<ScriptHostObject>(QStringLiteral("Player"));
    player->AddProperty(QStringLiteral("ScaleWidth"), [] { return ScriptValue::FromLong(kClient.width()); });
    player->AddProperty(QStringLiteral("ScaleHeight"), [] { return ScriptValue::FromLong(kClient.height()); });
    ScriptEngine script;
    const auto reset = [&script, &player] {
        script.SetLanguage(QString());
        script.SetLanguage(QStringLiteral("VBScript"));
        script.SetUseSafeSubset(true);
        script.Reset();
        script.SetStepBudget(kStepBudget);
        script.AddObject(QStringLiteral("Player"), player, true);
    };
    reset();
    if (!script.AddCode(ScriptText(folder, theme)))
        reset();
    SkinWalk walk(script);
    walk.Children(themeNode, 0, QPoint(0, 0), QRect(QPoint(0, 0), kClient), true);
    if (script.HasProcedureOrVariable(QStringLiteral("onLoad")))
        script.ExecuteStatement(QStringLiteral("onLoad"));

    SkinLayoutInput layout;
    layout.client = kClient;
    layout.frame = QSize(8, 30);
    layout.menuHeight = theme.hidesMenu ? 0 : 20;
    layout.elements = walk.FirstViewRects();
    layout.playlistShown = true;
    layout.playlistWidth = 150;
    layout.minimum = QSize(theme.minWidth, theme.minHeight);
    ComputeSkinLayout(layout);
    return 0;
}

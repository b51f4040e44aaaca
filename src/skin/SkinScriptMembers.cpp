// What the skin adds to the script object "Player": the element arrays PIC, IMG and LBL, the
// elements by name, the movie's and the playlist's places, and the view switch.
#include "skin/XmlSkin.h"

#include "base/RuntimeErrors.h"
#include "script/ScriptError.h"
#include "script/ScriptHostObject.h"
#include "skin/SkinValues.h"

namespace {

constexpr int kNoSuchControl = 340;

QString Text(const ScriptArgs& a, int index)
{
    return a.Has(index) ? a[index].Dereferenced().ToString() : QString();
}

int Number(const ScriptArgs& a, int index, int fallback)
{
    return a.Has(index) ? a[index].Dereferenced().ToLong() : fallback;
}

ScriptValue ColorValue(const QColor& color)
{
    return ScriptValue::FromLong(qint32(color.red() | (color.green() << 8) | (color.blue() << 16)));
}

QColor FromColorValue(const ScriptValue& value)
{
    const uint32_t color = uint32_t(value.Dereferenced().ToLong());
    return QColor(SkinColorRed(color), SkinColorGreen(color), SkinColorBlue(color));
}

QString TypeNameOf(SkinArray array)
{
    switch (array) {
    case SkinArray::PIC:
        return QStringLiteral("PictureBox");
    case SkinArray::IMG:
        return QStringLiteral("Image");
    case SkinArray::LBL:
        return QStringLiteral("Label");
    }
    return QString();
}

// The left, top, width and height of Move: what the call leaves out stays.
QRect Moved(const QRect& current, ScriptArgs& a)
{
    return QRect(
        Number(a, 0, current.x()), Number(a, 1, current.y()), Number(a, 2, current.width()), Number(a, 3, current.height()));
}

// An object with a place: Left, Top, Width, Height and Move, read and written through get/set.
void AddPlaceMembers(ScriptHostObject& object, std::function<QRect()> get, std::function<void(const QRect&)> set)
{
    object.AddProperty(
        QStringLiteral("Left"), [get] { return ScriptValue::FromLong(get().x()); },
        [get, set](const ScriptValue& v) { set(get().translated(v.Dereferenced().ToLong() - get().x(), 0)); });
    object.AddProperty(
        QStringLiteral("Top"), [get] { return ScriptValue::FromLong(get().y()); },
        [get, set](const ScriptValue& v) { set(get().translated(0, v.Dereferenced().ToLong() - get().y())); });
    object.AddProperty(
        QStringLiteral("Width"), [get] { return ScriptValue::FromLong(get().width()); },
        [get, set](const ScriptValue& v) {
            QRect rect = get();
            rect.setWidth(v.Dereferenced().ToLong());
            set(rect);
        });
    object.AddProperty(
        QStringLiteral("Height"), [get] { return ScriptValue::FromLong(get().height()); },
        [get, set](const ScriptValue& v) {
            QRect rect = get();
            rect.setHeight(v.Dereferenced().ToLong());
            set(rect);
        });
    object.AddMethod(
        QStringLiteral("Move"),
        [get, set](ScriptArgs& a) {
            set(Moved(get(), a));
            return ScriptValue();
        },
        1, 4);
}

void CheckSize(const QRect& rect)
{
    if (rect.width() < 0 || rect.height() < 0)
        ThrowScriptError(380, QStringLiteral("Invalid property value"));
}

}  // namespace

ScriptValue XmlSkin::ElementObject(int number)
{
    SkinElement* element = ElementAt(number);
    if (!element || !element->control)
        ThrowScriptError(kNoSuchControl, QStringLiteral("Control array element doesn't exist"));
    if (element->scriptObject)
        return ScriptValue::FromObject(element->scriptObject);

    QPointer<SkinControl> pointer = element->control;
    const QString name = element->name;
    auto control = [pointer, name]() -> SkinControl& {
        if (!pointer)
            ThrowScriptErrorFor(ScriptErrorNumber::ObjectRequired, name);
        return *pointer;
    };
    auto object = std::make_shared<ScriptHostObject>(TypeNameOf(pointer->Array()));
    object->AddProperty(QStringLiteral("Name"), [name] { return ScriptValue::FromString(name); });
    object->AddProperty(QStringLiteral("Index"), [index = element->arrayIndex] { return ScriptValue::FromLong(index); });
    object->AddProperty(
        QStringLiteral("Caption"), [control] { return ScriptValue::FromString(control().Caption()); },
        [control](const ScriptValue& v) { control().SetCaption(v.Dereferenced().ToString()); });
    object->AddProperty(
        QStringLiteral("Visible"), [control] { return ScriptValue::FromBool(!control().isHidden()); },
        [control](const ScriptValue& v) { control().setVisible(v.Dereferenced().ToBool()); });
    object->AddProperty(
        QStringLiteral("Enabled"), [control] { return ScriptValue::FromBool(control().isEnabled()); },
        [control](const ScriptValue& v) { control().setEnabled(v.Dereferenced().ToBool()); });
    object->AddProperty(
        QStringLiteral("Tag"), [control] { return ScriptValue::FromString(control().Tag()); },
        [control](const ScriptValue& v) { control().SetTag(v.Dereferenced().ToString()); });
    object->AddProperty(
        QStringLiteral("State"), [control] { return ScriptValue::FromLong(control().ShownState()); },
        [control](const ScriptValue& v) { control().ShowState(v.Dereferenced().ToLong()); });
    object->AddProperty(
        QStringLiteral("ToolTipText"), [control] { return ScriptValue::FromString(control().toolTip()); },
        [control](const ScriptValue& v) { control().setToolTip(v.Dereferenced().ToString()); });
    object->AddProperty(
        QStringLiteral("ForeColor"), [control] { return ColorValue(control().ForeColor()); },
        [control](const ScriptValue& v) { control().SetForeColor(FromColorValue(v)); });
    object->AddProperty(
        QStringLiteral("BackColor"), [control] { return ColorValue(control().BackColor().value_or(QColor(Qt::black))); },
        [control](const ScriptValue& v) { control().SetBackColor(FromColorValue(v)); });
    AddPlaceMembers(
        *object, [control] { return control().geometry(); },
        [control](const QRect& rect) {
            CheckSize(rect);
            control().setGeometry(rect);
        });
    element->scriptObject = object;
    return ScriptValue::FromObject(object);
}

void XmlSkin::AddScriptMembers(ScriptHostObject& player)
{
    for (SkinArray array : {SkinArray::PIC, SkinArray::IMG, SkinArray::LBL}) {
        player.AddMethod(
            ArrayName(array),
            [this, array](ScriptArgs& a) {
                const int index = Number(a, 0, 0);
                const int number = FindArrayMember(array, index);
                if (number == 0)
                    ThrowScriptError(kNoSuchControl,
                        QStringLiteral("Control array element '") + QString::number(index) + QStringLiteral("' doesn't exist"));
                return ElementObject(number);
            },
            1, 1);
    }
    player.AddMethod(
        QStringLiteral("Element"),
        [this](ScriptArgs& a) {
            const QString name = Text(a, 0);
            const int number = FindElement(name);
            if (number == 0)
                ThrowScriptError(
                    kNoSuchControl, QStringLiteral("Control array element '") + name + QStringLiteral("' doesn't exist"));
            return ElementObject(number);
        },
        1, 1);
    player.AddMethod(
        QStringLiteral("SetSkinView"),
        [this](ScriptArgs& a) {
            SetSkinView(Text(a, 0));
            return ScriptValue();
        },
        1, 1);
    player.AddMethod(
        QStringLiteral("ReloadSkin"),
        [this](ScriptArgs&) {
            ReloadSkin();
            return ScriptValue();
        },
        0, 0);
    player.AddProperty(QStringLiteral("CurrentView"), [this] {
        SkinElement* view = CurrentViewElement();
        return ScriptValue::FromString(view ? view->name : QString());
    });
    player.AddProperty(QStringLiteral("SkinName"), [this] { return ScriptValue::FromString(m_skinName); });
    player.AddProperty(QStringLiteral("SkinFolder"), [this] { return ScriptValue::FromString(m_skinFolder); });

    // The movie ("View") and the playlist, in the coordinates of the current view.
    auto movie = std::make_shared<ScriptHostObject>(QStringLiteral("PictureBox"));
    AddPlaceMembers(
        *movie,
        [this] {
            SkinElement* view = CurrentViewElement();
            return view && view->movie ? *view->movie : m_layout.view.translated(-ViewArea().topLeft());
        },
        [this](const QRect& rect) {
            CheckSize(rect);
            PlaceMovie(rect);
        });
    player.AddProperty(QStringLiteral("View"), [movie] { return ScriptValue::FromObject(movie); });
    auto playlist = std::make_shared<ScriptHostObject>(QStringLiteral("ListBox"));
    AddPlaceMembers(
        *playlist,
        [this] {
            SkinElement* view = CurrentViewElement();
            return view && view->playlist ? *view->playlist : m_layout.playlist.translated(-ViewArea().topLeft());
        },
        [this](const QRect& rect) {
            CheckSize(rect);
            PlacePlaylist(rect);
        });
    player.AddProperty(QStringLiteral("Playlist"), [playlist] { return ScriptValue::FromObject(playlist); });
}

// The window in the script engine: the object "Player" with its members global, so that skins,
// "/exec" statements and the console reach every public operation by name.
#include "player/Player.h"

#include "base/ErrorContext.h"
#include "base/ExecutionLog.h"
#include "base/RuntimeErrors.h"
#include "player/FlashScriptObject.h"
#include "player/MenuItemScriptObject.h"
#include "player/PlayerBrowser.h"
#include "player/PlayerCommands.h"
#include "script/ScriptError.h"
#include "script/ScriptHostObject.h"

#include <QAction>
#include <QSet>

namespace {

// The steps one statement may take before it is stopped: a script that loops forever ends with
// an error instead of freezing the window.
constexpr qint64 kStepBudget = 5'000'000;

ScriptValue Done()
{
    return ScriptValue();
}

QString Text(const ScriptArgs& a, int index, const QString& fallback = QString())
{
    return a.Has(index) ? a[index].Dereferenced().ToString() : fallback;
}

int Number(const ScriptArgs& a, int index, int fallback = 0)
{
    return a.Has(index) ? a[index].Dereferenced().ToLong() : fallback;
}

bool Flag(const ScriptArgs& a, int index, bool fallback = false)
{
    return a.Has(index) ? a[index].Dereferenced().ToBool() : fallback;
}

// A public operation of the window: its script name, the numbers of arguments it takes, and the
// call.
struct Operation {
    const char* name;
    int minArgs;
    int maxArgs;
    ScriptValue (*call)(Player& p, ScriptArgs& a);
};

// clang-format off
const Operation kOperations[] = {
    {"LoadFlash", 1, 3, [](Player& p, ScriptArgs& a) { p.LoadFlash(Text(a, 0), Text(a, 1), Flag(a, 2)); return Done(); }},
    {"OpenMedia", 0, 1, [](Player& p, ScriptArgs& a) { p.OpenMedia(Flag(a, 0, true)); return Done(); }},
    {"PlayMedia", 0, 0, [](Player& p, ScriptArgs&) { p.PlayMedia(); return Done(); }},
    {"PauseMedia", 0, 0, [](Player& p, ScriptArgs&) { p.PauseMedia(); return Done(); }},
    {"PlayPauseMedia", 0, 0, [](Player& p, ScriptArgs&) { p.PlayPauseMedia(); return Done(); }},
    {"StopMedia", 0, 0, [](Player& p, ScriptArgs&) { p.StopMedia(); return Done(); }},
    {"FFwd", 0, 0, [](Player& p, ScriptArgs&) { p.FFwd(); return Done(); }},
    {"Rwd", 0, 0, [](Player& p, ScriptArgs&) { p.Rwd(); return Done(); }},
    {"SetQuality", 1, 1, [](Player& p, ScriptArgs& a) { p.SetQuality(Text(a, 0)); return Done(); }},
    {"SetScaleMode", 1, 1, [](Player& p, ScriptArgs& a) { p.SetScaleMode(uint8_t(Number(a, 0))); return Done(); }},
    {"SetFlashAlpha", 1, 1, [](Player& p, ScriptArgs& a) { p.SetFlashAlpha(Number(a, 0)); return Done(); }},
    {"SetSound", 2, 2, [](Player& p, ScriptArgs& a) { p.SetSound(Number(a, 0), Number(a, 1)); return Done(); }},
    {"MuteSound", 1, 1, [](Player& p, ScriptArgs& a) { p.MuteSound(Flag(a, 0)); return Done(); }},
    {"MoviePercent", 0, 0, [](Player& p, ScriptArgs&) { return ScriptValue::FromDouble(p.MoviePercent()); }},
    {"CloseMedia", 0, 1, [](Player& p, ScriptArgs& a) { p.CloseMedia(Text(a, 0)); return Done(); }},
    {"Quit", 2, 2, [](Player& p, ScriptArgs& a) { p.Quit(Text(a, 0), Flag(a, 1)); return Done(); }},
    {"HelpMe", 0, 1, [](Player& p, ScriptArgs& a) { p.HelpMe(Text(a, 0)); return Done(); }},
    {"GoPlus", 0, 0, [](Player& p, ScriptArgs&) { p.GoPlus(); return Done(); }},
    {"GoWeb", 0, 0, [](Player& p, ScriptArgs&) { p.GoWeb(); return Done(); }},
    {"About", 0, 0, [](Player& p, ScriptArgs&) { p.About(); return Done(); }},
    {"ToggleTimeMode", 0, 0, [](Player& p, ScriptArgs&) { p.ToggleTimeMode(); return Done(); }},
    {"UpdateInfo", 0, 0, [](Player& p, ScriptArgs&) { p.UpdateInfo(); return Done(); }},
    {"ZoomFlash", 1, 2, [](Player& p, ScriptArgs& a) {
         int passes = Number(a, 1);
         p.ZoomFlash(Number(a, 0), passes);
         if (a.Count() > 1)
             a.Set(1, ScriptValue::FromLong(passes));  // passed by reference
         return Done();
     }},
    {"ZoomWindow", 1, 1, [](Player& p, ScriptArgs& a) { p.ZoomWindow(Number(a, 0)); return Done(); }},
    {"FullScreen", 1, 2, [](Player& p, ScriptArgs& a) { p.FullScreen(Flag(a, 0), Flag(a, 1)); return Done(); }},
    {"ShowMenuBar", 1, 1, [](Player& p, ScriptArgs& a) { p.ShowMenuBar(Flag(a, 0)); return Done(); }},
    {"MenuVisible", 1, 1, [](Player& p, ScriptArgs& a) { p.MenuVisible(Flag(a, 0)); return Done(); }},
    {"ShowFSControls", 1, 1, [](Player& p, ScriptArgs& a) { p.ShowFSControls(Flag(a, 0)); return Done(); }},
    {"ShowFSPlaylist", 1, 1, [](Player& p, ScriptArgs& a) { p.ShowFSPlaylist(Flag(a, 0)); return Done(); }},
    {"UpdateRegion", 0, 1, [](Player& p, ScriptArgs& a) { p.UpdateRegion(Flag(a, 0)); return Done(); }},
    {"Center", 0, 0, [](Player& p, ScriptArgs&) { p.Center(); return Done(); }},
    {"MoveWindow", 0, 0, [](Player& p, ScriptArgs&) { p.MoveWindow(); return Done(); }},
    // The skin's objects live in the main window: moving one's window is moving the player.
    {"MoveObject", 1, 1, [](Player& p, ScriptArgs&) { p.MoveWindow(); return Done(); }},
    {"ResizeWindow", 0, 0, [](Player& p, ScriptArgs&) { p.ResizeWindow(); return Done(); }},
    {"UpdateSkin", 0, 0, [](Player& p, ScriptArgs&) { p.UpdateSkin(); return Done(); }},
    {"TogglePlaylist", 1, 1, [](Player& p, ScriptArgs& a) { p.TogglePlaylist(int16_t(Number(a, 0))); return Done(); }},
    {"PlayEntry", 1, 1, [](Player& p, ScriptArgs& a) { p.playlist().PlayEntry(Number(a, 0)); return Done(); }},
    {"PlayNext", 0, 0, [](Player& p, ScriptArgs&) { p.playlist().PlayNext(); return Done(); }},
    {"PlayPrev", 0, 0, [](Player& p, ScriptArgs&) { p.playlist().PlayPrev(); return Done(); }},
    {"MoveEntry", 2, 2, [](Player& p, ScriptArgs& a) { p.playlist().MoveEntry(Number(a, 0), Number(a, 1)); return Done(); }},
    {"RemoveEntry", 1, 1, [](Player& p, ScriptArgs& a) { p.playlist().RemoveEntry(Number(a, 0)); return Done(); }},
    {"ClearPlaylist", 0, 0, [](Player& p, ScriptArgs&) { p.playlist().ClearPlaylist(); return Done(); }},
    {"AddToPlaylist", 1, 2, [](Player& p, ScriptArgs& a) { p.playlist().AddToPlaylist(Text(a, 0), Number(a, 1)); return Done(); }},
    {"SavePlaylist", 1, 1, [](Player& p, ScriptArgs& a) { p.playlist().SavePlaylist(Text(a, 0)); return Done(); }},
    {"LoadOpts", 0, 0, [](Player& p, ScriptArgs&) { p.LoadOpts(); return Done(); }},
    {"SaveOpts", 0, 0, [](Player& p, ScriptArgs&) { p.SaveOpts(); return Done(); }},
    {"SetSSState", 1, 1, [](Player& p, ScriptArgs& a) { p.SetSSState(Flag(a, 0)); return Done(); }},
    {"SetAsSS", 1, 1, [](Player& p, ScriptArgs& a) { p.SetAsSS(Text(a, 0)); return Done(); }},
    {"Uninstall", 0, 0, [](Player& p, ScriptArgs&) { p.Uninstall(); return Done(); }},
    {"WebUpdate", 0, 1, [](Player& p, ScriptArgs& a) { p.WebUpdate(Flag(a, 0)); return Done(); }},
    {"BrowseMedia", 0, 0, [](Player& p, ScriptArgs&) { p.RunFeature(PlayerFeature::Browser, QString()); return Done(); }},
    {"ShowTG", 0, 0, [](Player& p, ScriptArgs&) { p.RunFeature(PlayerFeature::Generator, QString()); return Done(); }},
    // Generate width, height, colour, quality [, source, recursive, overwrite, show, execute, app].
    {"Generate", 4, 10, [](Player& p, ScriptArgs& a) {
         QStringList arguments;
         for (int i = 0; i < a.Count(); ++i)
             arguments << Text(a, i);
         p.RunOperation(PlayerFeature::Generator, QStringLiteral("Generate"), arguments);
         return Done();
     }},
    {"HotKeyAction", 1, 1, [](Player& p, ScriptArgs& a) { p.HotKeyAction(Number(a, 0)); return Done(); }},
    {"Out", 0, 1, [](Player& p, ScriptArgs& a) { p.Out(Text(a, 0)); return Done(); }},
    {"ShowConsole", 0, 0, [](Player& p, ScriptArgs&) { p.ShowConsole(); return Done(); }},
    {"HideConsole", 0, 0, [](Player& p, ScriptArgs&) { p.HideConsole(); return Done(); }},
    {"HandyAction", 1, 1, [](Player& p, ScriptArgs& a) { p.HandyAction(Number(a, 0)); return Done(); }},
};
// clang-format on

// The window's properties: read, and where they can be set, written.
void AddProperties(ScriptHostObject& object, Player* p)
{
    // The client area below the menu bar, as a form's scale size leaves its menu out.
    object.AddProperty(QStringLiteral("ScaleWidth"), [p] { return ScriptValue::FromLong(p->ScaleSize().width()); });
    object.AddProperty(QStringLiteral("ScaleHeight"), [p] { return ScriptValue::FromLong(p->ScaleSize().height()); });
    object.AddProperty(
        QStringLiteral("Width"), [p] { return ScriptValue::FromLong(p->GeometryTwips().width()); },
        [p](const ScriptValue& v) {
            QRect twips = p->GeometryTwips();
            twips.setWidth(v.ToLong());
            p->SetGeometryTwips(twips);
        });
    object.AddProperty(
        QStringLiteral("Height"), [p] { return ScriptValue::FromLong(p->GeometryTwips().height()); },
        [p](const ScriptValue& v) {
            QRect twips = p->GeometryTwips();
            twips.setHeight(v.ToLong());
            p->SetGeometryTwips(twips);
        });
    object.AddProperty(
        QStringLiteral("Left"), [p] { return ScriptValue::FromLong(p->GeometryTwips().x()); },
        [p](const ScriptValue& v) {
            QRect twips = p->GeometryTwips();
            twips.moveLeft(v.ToLong());
            p->SetGeometryTwips(twips);
        });
    object.AddProperty(
        QStringLiteral("Top"), [p] { return ScriptValue::FromLong(p->GeometryTwips().y()); },
        [p](const ScriptValue& v) {
            QRect twips = p->GeometryTwips();
            twips.moveTop(v.ToLong());
            p->SetGeometryTwips(twips);
        });
    object.AddProperty(
        QStringLiteral("WindowState"), [p] { return ScriptValue::FromLong(p->WindowState()); },
        [p](const ScriptValue& v) {
            const int state = v.ToLong();
            if (state == kWindowMinimized)
                p->showMinimized();
            else
                p->ZoomWindow(state == kWindowMaximized ? 1 : 0);
        });
    object.AddProperty(QStringLiteral("TimeText"), [p] { return ScriptValue::FromString(p->TimeText()); });
    object.AddProperty(QStringLiteral("Caption"), [p] { return ScriptValue::FromString(p->windowTitle()); });
    object.AddProperty(QStringLiteral("Volume"), [p] { return ScriptValue::FromLong(p->Volume()); });
    object.AddProperty(QStringLiteral("Pan"), [p] { return ScriptValue::FromLong(p->Pan()); });
    object.AddProperty(QStringLiteral("Mute"), [p] { return ScriptValue::FromBool(p->IsMuted()); });
    object.AddProperty(QStringLiteral("FlashAlpha"), [p] { return ScriptValue::FromLong(p->FlashAlpha()); });
    object.AddProperty(QStringLiteral("TimeMode"), [p] { return ScriptValue::FromLong(p->TimeMode()); });
    object.AddProperty(QStringLiteral("NonClientWidth"), [p] { return ScriptValue::FromLong(p->Margins().nonClientWidth); });
    object.AddProperty(QStringLiteral("NonClientHeight"), [p] { return ScriptValue::FromLong(p->Margins().nonClientHeight); });
    object.AddProperty(QStringLiteral("SurroundWidth"), [p] { return ScriptValue::FromLong(p->Margins().surroundWidth); });
    object.AddProperty(QStringLiteral("SurroundHeight"), [p] { return ScriptValue::FromLong(p->Margins().surroundHeight); });
    object.AddProperty(QStringLiteral("MinWidth"), [p] { return ScriptValue::FromLong(p->Layout().minimum.width()); });
    object.AddProperty(QStringLiteral("MinHeight"), [p] { return ScriptValue::FromLong(p->Layout().minimum.height()); });
    object.AddProperty(QStringLiteral("MenuBarHidden"), [p] { return ScriptValue::FromBool(p->MenuBarHidden()); });
    object.AddProperty(QStringLiteral("FSControlsHidden"), [p] { return ScriptValue::FromBool(p->FSControlsHidden()); });
    object.AddProperty(QStringLiteral("FSPlaylistHidden"), [p] { return ScriptValue::FromBool(p->FSPlaylistHidden()); });
    object.AddProperty(QStringLiteral("PLLast"), [p] { return ScriptValue::FromLong(p->playlist().PLLast()); });
    object.AddProperty(QStringLiteral("PLCurrent"), [p] { return ScriptValue::FromLong(p->playlist().PLCurrent()); });
    object.AddProperty(QStringLiteral("MovieTitle"), [p] { return ScriptValue::FromString(p->MovieTitle()); });
}

// Every menu item of the command table by its name; the items of a control array through the
// array's name and an index ("mnuQLvl(0).Checked").
void AddMenuItems(ScriptHostObject& object, Player* p)
{
    QSet<QString> added;
    for (const CommandRow& row : CommandTable()) {
        if (row.kind == CommandKind::Separator || row.kind == CommandKind::HotKey)
            continue;
        const QString name = QLatin1String(row.name);
        if (added.contains(name.toLower()))
            continue;
        added.insert(name.toLower());
        if (IsArrayRow(row)) {
            object.AddMethod(
                name,
                [p, name](ScriptArgs& a) {
                    QAction* item = p->MenuItem(name, Number(a, 0));
                    if (!item)
                        ThrowScriptError(RuntimeError::SubscriptOutOfRange);
                    return ScriptValue::FromObject(std::make_shared<MenuItemScriptObject>(item, name));
                },
                1, 1);
        } else {
            object.AddProperty(name, [p, name] {
                QAction* item = p->MenuItem(name);
                if (!item)
                    ThrowScriptErrorFor(ScriptErrorNumber::ObjectRequired, name);
                return ScriptValue::FromObject(std::make_shared<MenuItemScriptObject>(item, name));
            });
        }
    }
}

}  // namespace

void Player::ResetScriptEngine()
{
    m_script.SetLanguage(QString());
    m_script.SetLanguage(QStringLiteral("VBScript"));
    m_script.SetUseSafeSubset(true);
    m_script.Reset();
    m_script.SetStepBudget(kStepBudget);
    if (!m_scriptObject) {
        auto object = std::make_shared<ScriptHostObject>(QStringLiteral("Player"));
        Player* self = this;
        for (const Operation& operation : kOperations) {
            auto call = operation.call;
            object->AddMethod(
                QLatin1String(operation.name), [self, call](ScriptArgs& a) { return call(*self, a); }, operation.minArgs,
                operation.maxArgs);
        }
        AddProperties(*object, self);
        AddMenuItems(*object, self);
        auto swf = MakeFlashScriptObject(*m_swf);
        object->AddProperty(QStringLiteral("SWF"), [swf] { return ScriptValue::FromObject(swf); });
        m_scriptObject = object;
    }
    m_script.AddObject(QStringLiteral("Player"), m_scriptObject, true);
}

bool Player::ExecuteStatement(const QString& statement)
{
    if (m_script.ExecuteStatement(statement))
        return true;
    LogErrorReport(QStringLiteral("Script Execution '") + statement + QStringLiteral("' (Line:")
        + QString::number(m_script.Error().line) + QLatin1Char(')'));
    return false;
}

// The skin's actions: events raised by the player, geometry expressions, and what the pointer
// does on the elements.
#include "skin/XmlSkin.h"

#include "base/ErrorContext.h"
#include "base/ExecutionLog.h"
#include "engine/FlashControl.h"
#include "player/PlayerCommands.h"
#include "script/ScriptEngine.h"
#include "script/ScriptError.h"

#include <QAction>
#include <QCursor>
#include <QMenu>
#include <QRegularExpression>

namespace {

// A statement that is one name, such as "onLoad".
bool IsBareName(const QString& statement)
{
    static const QRegularExpression name(QStringLiteral("^\\s*[A-Za-z_][A-Za-z0-9_]*\\s*$"));
    return name.match(statement).hasMatch();
}

bool IsFullScreenEvent(const QString& name)
{
    for (const char* event : {"ShowFSControls", "HideFSControls", "ShowFSPlaylist", "HideFSPlaylist"}) {
        if (name.compare(QLatin1String(event), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

}  // namespace

bool XmlSkin::IsScriptProcedure(const QString& name) const
{
    return m_player && m_player->Script().HasProcedureOrVariable(name);
}

void XmlSkin::RunSkinEvent(const QString& statement)
{
    if (statement.trimmed().isEmpty() || !m_loaded || !m_player || m_dropped.contains(statement))
        return;
    QString run = statement.trimmed();
    if (IsBareName(run)) {
        // The full-screen events run as the script names them, "on"-prefixed or not; an event
        // procedure the script does not have is not an error.
        if (IsFullScreenEvent(run)) {
            if (IsScriptProcedure(QStringLiteral("on") + run))
                run = QStringLiteral("on") + run;
            else if (!IsScriptProcedure(run))
                return;
        } else if (run.startsWith(QLatin1String("on")) && !IsScriptProcedure(run)) {
            return;
        }
    }
    ScriptEngine& script = m_player->Script();
    ++m_eventDepth;
    const bool done = script.ExecuteStatement(run);
    --m_eventDepth;
    if (done)
        return;
    const int number = script.Error().number;
    LogErrorReport(QStringLiteral("Script Execution '") + run + QStringLiteral("' (Line:") + QString::number(script.Error().line)
        + QLatin1Char(')'));
    // A statement that ran out of steps would cost as much the next time: it is not run again.
    if (number == ScriptErrorNumber::StepBudget)
        m_dropped.insert(statement);
}

void XmlSkin::RunViewEvent(SkinViewEvent event)
{
    SkinElement* view = CurrentViewElement();
    if (!view)
        return;
    RunSkinEvent(event == SkinViewEvent::InfoUpdate ? view->onInfoUpdate : view->onMediaChange);
}

double XmlSkin::EvalSkinExpression(const QString& text)
{
    if (text.trimmed().isEmpty() || !m_player)
        return 0.0;
    bool ok = false;
    const double number = text.trimmed().toDouble(&ok);
    if (ok)
        return number;
    // Once one expression of the skin has run out of steps the others are not evaluated: geometry
    // that loops would otherwise take the whole budget again for every element.
    if (m_geometryOverBudget)
        return 0.0;
    ScriptEngine& script = m_player->Script();
    const ScriptValue value = script.Eval(text);
    if (script.Error().number == ScriptErrorNumber::StepBudget)
        m_geometryOverBudget = true;
    if (script.Error().number == 0) {
        try {
            return value.Dereferenced().ToDouble();
        } catch (const ScriptError& error) {
            SetCurrentError(error.number, ScriptErrObject::RuntimeSource(), error.description);
        }
    }
    LogErrorReport(QStringLiteral("EvalSkinExpression '") + text + QLatin1Char('\''));
    return 0.0;
}

void XmlSkin::ShowFSControls(bool show)
{
    RunSkinEvent(show ? QStringLiteral("ShowFSControls") : QStringLiteral("HideFSControls"));
}

void XmlSkin::SetPointer(QPoint pos)
{
    ScriptEngine& script = m_player->Script();
    script.ExecuteStatement(QStringLiteral("X=") + QString::number(pos.x()));
    script.ExecuteStatement(QStringLiteral("Y=") + QString::number(pos.y()));
}

void XmlSkin::ShowMovieMenu()
{
    QAction* popup = m_player->MenuItem(QStringLiteral("PopUp"));
    if (QMenu* menu = popup ? popup->menu() : nullptr)
        menu->popup(QCursor::pos());
}

void XmlSkin::ElementMouse(int number, SkinMouse what, QPoint pos)
{
    SkinElement* element = ElementAt(number);
    if (!element || !element->control || !m_player || !m_loaded)
        return;
    SkinControl* control = element->control;
    const bool button = IsButtonKind(element->kind);
    // The element's statements may change the table: they get copies.
    const QString onDrag = element->onDrag;
    switch (what) {
    case SkinMouse::Menu:
        ShowMovieMenu();
        return;
    case SkinMouse::Enter:
        if (element->kind == SkinElementKind::Button && control->isEnabled() && control->ShownState() == SkinControl::StateUp)
            control->ShowState(SkinControl::StateOver);
        return;
    case SkinMouse::Leave:
        if (control->ShownState() == SkinControl::StateOver)
            control->ShowState(SkinControl::StateUp);
        return;
    case SkinMouse::Down:
        if (button)
            control->ShowState(SkinControl::StateDown);
        // A seek bar may stop the movie while it is dragged; the release gives it back.
        m_wasPlaying = m_player->SWF().Playing();
        m_playingKept = true;
        SetPointer(pos);
        RunSkinEvent(onDrag);
        return;
    case SkinMouse::Move:
        SetPointer(pos);
        RunSkinEvent(onDrag);
        return;
    case SkinMouse::Up:
        if (button && control->ShownState() == SkinControl::StateDown)
            control->ShowState(SkinControl::StateUp);
        SetPointer(pos);
        RunSkinEvent(onDrag);
        if (m_playingKept) {
            m_playingKept = false;
            if (m_player->SWF().Playing() != m_wasPlaying)
                m_player->SWF().SetPlaying(m_wasPlaying);
        }
        return;
    case SkinMouse::Click:
        RunSkinEvent(element->onClick);
        return;
    case SkinMouse::DblClick:
        RunSkinEvent(element->onDblClick);
        return;
    }
}

void XmlSkin::SetApplicationActive(bool active)
{
    m_active = active;
    if (!m_loaded)
        return;
    for (const SkinElement& element : m_elements) {
        SkinControl* control = element.control;
        if (!control || element.view != m_currentView || !control->HasPicture(SkinControl::StateDisabled))
            continue;
        if (!active)
            control->ShowState(SkinControl::StateDisabled);
        else if (control->isEnabled() && control->ShownState() == SkinControl::StateDisabled)
            control->ShowState(SkinControl::StateUp);
    }
}

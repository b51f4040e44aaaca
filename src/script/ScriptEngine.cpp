#include "script/ScriptEngine.h"

#include "base/ErrorContext.h"
#include "script/ScriptError.h"
#include "script/ScriptParser.h"

namespace {

constexpr int kInvalidPropertyValue = 380;
constexpr int kNoLanguage = 5;

}  // namespace

ScriptEngine::ScriptEngine() = default;

ScriptEngine::~ScriptEngine() = default;

bool ScriptEngine::SetLanguage(const QString& language)
{
    if (language.isEmpty() || language.compare(QLatin1String("VBScript"), Qt::CaseInsensitive) == 0) {
        m_language = language.isEmpty() ? QString() : QStringLiteral("VBScript");
        return true;
    }
    ScriptError error;
    error.number = kInvalidPropertyValue;
    error.description = QStringLiteral("Unknown script language: ") + language;
    return Guarded([&] { throw error; });
}

void ScriptEngine::Reset()
{
    m_interpreter.Clear();
    m_state = ScriptEngineState::Initialized;
    m_error.Clear();
}

bool ScriptEngine::CheckLanguage()
{
    if (!m_language.isEmpty())
        return true;
    return Guarded([] { ThrowScriptError(kNoLanguage, QStringLiteral("The script language is not set")); });
}

bool ScriptEngine::AddObject(const QString& name, std::shared_ptr<ScriptObject> object, bool globalMembers)
{
    return Guarded([&] {
        if (!object || name.isEmpty())
            ThrowScriptError(kNoLanguage);
        m_interpreter.AddNamedObject(name, std::move(object), globalMembers);
    });
}

bool ScriptEngine::AddCode(const QString& code)
{
    if (!CheckLanguage())
        return false;
    return Guarded([&] {
        std::unique_ptr<ScriptProgram> program = ScriptParser::ParseProgram(code);
        m_interpreter.Run(*program);
    });
}

bool ScriptEngine::ExecuteStatement(const QString& statement)
{
    return AddCode(statement);
}

ScriptValue ScriptEngine::Eval(const QString& expression)
{
    ScriptValue result;
    if (!CheckLanguage())
        return result;
    Guarded([&] {
        std::unique_ptr<ScriptProgram> program = ScriptParser::ParseExpression(expression);
        result = m_interpreter.Evaluate(*program);
    });
    return result;
}

ScriptValue ScriptEngine::Run(const QString& procedureName, std::vector<ScriptValue> arguments)
{
    ScriptValue result;
    if (!CheckLanguage())
        return result;
    Guarded([&] { result = m_interpreter.CallByName(procedureName, std::move(arguments)); });
    return result;
}

// Runs one host operation: a failure becomes the engine's error and the current error of
// the error context (for the caller's error report); nothing is thrown to the host.
template <typename Operation> bool ScriptEngine::Guarded(Operation operation)
{
    m_error.Clear();
    try {
        operation();
        return true;
    } catch (const ScriptError& error) {
        m_error.number = error.number;
        m_error.description = error.description;
        m_error.line = error.line > 0 ? error.line : m_interpreter.CurrentLine();
        if (!error.source.isEmpty())
            m_error.source = error.source;
        else if (error.compilation)
            m_error.source = QStringLiteral("VBScript compilation error");
        else
            m_error.source = ScriptErrObject::RuntimeSource();
    } catch (const ScriptBudgetExhausted& stop) {
        m_error.number = ScriptErrorNumber::StepBudget;
        m_error.description = ScriptErrorText(ScriptErrorNumber::StepBudget) + QStringLiteral(" (")
            + QString::number(stop.steps - 1) + QStringLiteral(" steps)");
        m_error.line = m_interpreter.CurrentLine();
        m_error.source = ScriptErrObject::RuntimeSource();
    } catch (const ScriptAbandoned&) {
        return true;  // the host reset the engine from inside the script: nothing left to run
    } catch (const VorlenError& error) {
        m_error.number = error.Info().number;
        m_error.description = error.Info().description;
        m_error.source = error.Info().source;
        m_error.line = m_interpreter.CurrentLine();
    }
    SetCurrentError(m_error.number, m_error.source, m_error.description);
    return false;
}

#pragma once

#include "script/ScriptInterpreter.h"
#include "script/ScriptObject.h"

#include <QString>

#include <memory>

// The engine's connection state: Connected once the host wants the script to receive the
// events of the objects it knows.
enum class ScriptEngineState { Initialized = 0, Connected = 1 };

// The last failure of the engine: number, description, the source ("VBScript runtime
// error", "VBScript compilation error" or the one Err.Raise gave) and the line of the text
// where it happened (a line of the procedure's own script text when the failure was inside a
// Sub or Function added by AddCode).
struct ScriptEngineError {
    int number = 0;
    QString description;
    QString source;
    int line = 0;
    void Clear() { *this = ScriptEngineError(); }
};

// The script host of skins, "/exec" statements and the console: one engine of the VBScript
// dialect with named objects. Operations return false (Eval: Empty) on failure, leave the
// failure in Error() and in the current error of the error context, and never throw.
class ScriptEngine {
public:
    ScriptEngine();
    ~ScriptEngine();
    ScriptEngine(const ScriptEngine&) = delete;
    ScriptEngine& operator=(const ScriptEngine&) = delete;

    // "VBScript" (any letter case) or "" for none; another language fails.
    QString Language() const { return m_language; }
    bool SetLanguage(const QString& language);
    // The safe subset is the only mode: there is no file, process, registry or network
    // access, and CreateObject/GetObject always fail. The flag is kept for the host.
    bool UseSafeSubset() const { return m_safeSubset; }
    void SetUseSafeSubset(bool safe) { m_safeSubset = safe; }
    ScriptEngineState State() const { return m_state; }
    void SetState(ScriptEngineState state) { m_state = state; }

    // Drops all code, variables and named objects; back to the Initialized state.
    void Reset();
    // A named object; with globalMembers its members are reachable without the name.
    bool AddObject(const QString& name, std::shared_ptr<ScriptObject> object, bool globalMembers = false);
    // Adds Subs, Functions and globals and runs the top-level statements of code.
    bool AddCode(const QString& code);
    // Runs one or more statements ("X=12", "ZoomFlash 2", "onLoad").
    bool ExecuteStatement(const QString& statement);
    // The value of an expression; Empty when it fails.
    ScriptValue Eval(const QString& expression);
    // Calls a Sub or Function of the script by name.
    ScriptValue Run(const QString& procedureName, std::vector<ScriptValue> arguments = {});
    bool HasProcedureOrVariable(const QString& name) const { return m_interpreter.HasGlobal(name); }

    const ScriptEngineError& Error() const { return m_error; }

    // Steps one host call may take before it stops with an error; 0 for no limit. Statements
    // and loop turns are steps, and so is every 4096 characters or array items made.
    void SetStepBudget(qint64 steps) { m_interpreter.SetStepBudget(steps); }
    // Where MsgBox goes; without a handler MsgBox shows nothing and answers OK.
    void SetMessageHandler(ScriptMessageHandler handler) { m_interpreter.SetMessageHandler(std::move(handler)); }

private:
    template <typename Operation> bool Guarded(Operation operation);
    bool CheckLanguage();

    ScriptInterpreter m_interpreter;
    QString m_language;
    bool m_safeSubset = true;
    ScriptEngineState m_state = ScriptEngineState::Initialized;
    ScriptEngineError m_error;
};

#pragma once

#include "script/ScriptAst.h"
#include "script/ScriptErrObject.h"
#include "script/ScriptObject.h"

#include <QHash>
#include <QString>

#include <deque>
#include <functional>
#include <memory>
#include <vector>

// Shows a message for MsgBox and returns the button chosen (1 = OK).
using ScriptMessageHandler = std::function<int(const QString& prompt, int buttons, const QString& title)>;

// The tree-walking evaluator: global variables, procedures and named objects of one engine,
// and the execution of programs against them. Raises ScriptError (with the line where it
// happened) and ScriptBudgetExhausted; the engine catches both.
class ScriptInterpreter {
public:
    ScriptInterpreter();
    ~ScriptInterpreter();
    ScriptInterpreter(const ScriptInterpreter&) = delete;
    ScriptInterpreter& operator=(const ScriptInterpreter&) = delete;

    // Drops every variable, procedure and object. Code still running stops at its next
    // return from the host.
    void Clear();
    // A named object; with globalMembers its members are reachable without its name.
    void AddNamedObject(const QString& name, std::shared_ptr<ScriptObject> object, bool globalMembers);
    bool HasGlobal(const QString& name) const;
    // Adds the program's procedures and globals, then runs its top-level statements.
    void Run(ScriptProgram& program);
    ScriptValue Evaluate(ScriptProgram& program);
    // Calls a Sub or Function by name.
    ScriptValue CallByName(const QString& name, std::vector<ScriptValue> arguments);

    // Steps allowed per host call; 0 for no limit. A statement or a loop turn is one step, and
    // every kItemsPerStep characters or array items that operators and built-ins make are one
    // more, so that a budget bounds the memory a call can take as well as its time.
    static constexpr qint64 kItemsPerStep = 4096;
    void SetStepBudget(qint64 steps) { m_budget = steps; }
    void SetMessageHandler(ScriptMessageHandler handler) { m_messageHandler = std::move(handler); }
    // The line of the statement that ran last (the line of a failure).
    int CurrentLine() const { return m_line; }

    // For the built-ins.
    ScriptErrObject& Err() { return *m_state->err; }
    std::shared_ptr<ScriptErrObject> ErrObject() const { return m_state->err; }
    int ShowMessage(const QString& prompt, int buttons, const QString& title);
    double NextRandom(double argument);
    void Randomize(double seed);

private:
    enum class Flow : quint8 { Normal, ExitDo, ExitFor, ExitProcedure };
    enum class SymbolKind : quint8 { Variable, Constant, Procedure, Object };

    struct GlobalSymbol {
        SymbolKind kind = SymbolKind::Variable;
        ScriptValue value;
        std::shared_ptr<ScriptProcedure> procedure;
    };

    // Everything Clear drops. Kept alive while code of it still runs.
    struct State {
        std::deque<GlobalSymbol> globals;  // a deque: places stay put as globals are added
        QHash<QString, int> index;
        std::vector<std::shared_ptr<ScriptObject>> memberObjects;
        std::shared_ptr<ScriptErrObject> err = std::make_shared<ScriptErrObject>();
    };

    struct Frame {
        ScriptValue** slots = nullptr;
        const ScriptProcedure* procedure = nullptr;
        bool resumeNext = false;
    };

    class EntryGuard;

    // Statements (ScriptInterpreter.cpp).
    Flow ExecBlock(const Block& block);
    Flow Exec(const Stmt& statement);
    void ExecAssign(const AssignStmt& statement);
    void ExecAppend(const AppendStmt& statement);
    Flow ExecFor(const ForStmt& statement);
    Flow ExecForEach(const ForEachStmt& statement);
    Flow ExecDo(const DoStmt& statement);
    void ExecDim(const DimStmt& statement);
    void ExecReDim(const ReDimStmt& statement);
    void ExecConst(const ConstStmt& statement);
    void CountStep();
    bool Truth(const ScriptValue& value);
    bool ConditionHolds(const Expr& condition);
    void DeclareGlobal(const QString& key, SymbolKind kind);

    // Expressions, names and calls (ScriptInterpreterCalls.cpp).
    ScriptValue Eval(const Expr& expression);
    ScriptValue EvalName(const NameExpr& expression);
    ScriptValue EvalMember(const MemberExpr& expression);
    void Bind(NameRef& ref);
    ScriptValue* VariablePlace(const NameExpr& expression);
    ScriptValue& WritablePlace(const NameExpr& expression);
    void Assign(const Expr& target, ScriptValue value);
    std::vector<ScriptValue> EvalIndexes(const ExprList& args);
    // An array item passed as an argument: the call gets a copy, written back afterwards.
    struct ItemArgument {
        ScriptValue* variable;
        std::vector<ScriptValue> indexes;
        int position;
    };
    void BuildArgs(const ExprList& args, ScriptArgs& out, std::vector<ItemArgument>* items = nullptr);
    void WriteBackItems(const std::vector<ItemArgument>& items, ScriptArgs& args, const ScriptProcedure* procedure);
    ScriptValue CallProcedure(const ScriptProcedure& procedure, const ExprList& args);
    ScriptValue CallProcedureWith(const ScriptProcedure& procedure, ScriptArgs& args);
    ScriptValue CallHost(ScriptObject& object, const QString& key, ScriptArgs& args);
    void PutHost(ScriptObject& object, const QString& key, ScriptArgs& args, const ScriptValue& value);
    ScriptObject& ObjectOf(const ScriptValue& value, const QString& name);
    void CheckGeneration(quint64 generation);
    // Raises "Out of stack space" when the calls in progress use more of the thread's stack
    // than the engine allows itself.
    void CheckStack() const;

    std::unique_ptr<State> m_state;
    std::vector<std::unique_ptr<State>> m_retired;
    Frame m_topFrame;
    Frame* m_frame = &m_topFrame;
    int m_depth = 0;           // procedure calls in progress
    int m_entries = 0;         // host calls in progress
    quintptr m_stackBase = 0;  // the stack frame of the outermost host call
    quint64 m_generation = 0;
    qint64 m_budget = 0;
    qint64 m_steps = 0;
    qint64 m_itemsAtEntry = 0;  // ScriptItemsMade() when the outermost host call began
    int m_line = 0;
    quint32 m_randomSeed = 0x50000;
    ScriptMessageHandler m_messageHandler;
};

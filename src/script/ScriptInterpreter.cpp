#include "script/ScriptInterpreter.h"

#include "base/RuntimeErrors.h"
#include "script/ScriptError.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace N = ScriptErrorNumber;

// Marks one call from the host: the step count starts over and top-level statements run
// in a frame of their own, also when a host method re-enters the engine.
class ScriptInterpreter::EntryGuard {
public:
    explicit EntryGuard(ScriptInterpreter& interpreter)
        : m_interpreter(interpreter)
        , m_saved(interpreter.m_frame)
    {
        // A host method that runs script again nests inside the calls in progress.
        if (m_interpreter.m_entries > 0)
            m_interpreter.CheckStack();
        if (m_interpreter.m_entries++ == 0) {
            m_interpreter.m_steps = 0;
            m_interpreter.m_itemsAtEntry = ScriptItemsMade();
            m_interpreter.m_stackBase = reinterpret_cast<quintptr>(__builtin_frame_address(0));
        }
        m_interpreter.m_frame = &m_top;
    }
    ~EntryGuard()
    {
        m_interpreter.m_frame = m_saved;
        if (--m_interpreter.m_entries == 0)
            m_interpreter.m_retired.clear();
    }

private:
    ScriptInterpreter& m_interpreter;
    Frame* m_saved;
    Frame m_top;
};

ScriptInterpreter::ScriptInterpreter()
    : m_state(std::make_unique<State>())
{
}

ScriptInterpreter::~ScriptInterpreter() = default;

void ScriptInterpreter::Clear()
{
    if (m_entries > 0)
        m_retired.push_back(std::move(m_state));
    m_state = std::make_unique<State>();
    ++m_generation;
}

void ScriptInterpreter::AddNamedObject(const QString& name, std::shared_ptr<ScriptObject> object, bool globalMembers)
{
    const QString key = name.toLower();
    if (m_state->index.contains(key))
        ThrowScriptError(457, QStringLiteral("This key is already associated with an element of this collection"));
    DeclareGlobal(key, SymbolKind::Object);
    m_state->globals[m_state->index.value(key)].value = ScriptValue::FromObject(object);
    if (globalMembers)
        m_state->memberObjects.push_back(std::move(object));
}

bool ScriptInterpreter::HasGlobal(const QString& name) const
{
    return m_state->index.contains(name.toLower());
}

void ScriptInterpreter::DeclareGlobal(const QString& key, SymbolKind kind)
{
    if (m_state->index.contains(key))
        return;
    m_state->index.insert(key, static_cast<int>(m_state->globals.size()));
    m_state->globals.emplace_back();
    m_state->globals.back().kind = kind;
}

void ScriptInterpreter::Run(ScriptProgram& program)
{
    // A name may be defined once: a procedure cannot take the name of another global.
    auto redefined = [](int line) {
        ScriptError error;
        error.number = N::NameRedefined;
        error.description = ScriptErrorText(N::NameRedefined);
        error.line = line;
        error.compilation = true;
        throw error;
    };
    for (const auto& procedure : program.procedures) {
        const auto existing = m_state->index.constFind(procedure->key);
        if (existing != m_state->index.constEnd() && m_state->globals[*existing].kind != SymbolKind::Procedure)
            redefined(procedure->line);
    }
    for (const QString& key : program.globals) {
        const auto existing = m_state->index.constFind(key);
        const bool clash = existing != m_state->index.constEnd() && m_state->globals[*existing].kind == SymbolKind::Procedure;
        if (clash || std::any_of(program.procedures.begin(), program.procedures.end(), [&key](const auto& procedure) {
                return procedure->key == key;
            }))
            redefined(1);
    }
    for (auto& procedure : program.procedures) {
        DeclareGlobal(procedure->key, SymbolKind::Procedure);
        GlobalSymbol& symbol = m_state->globals[m_state->index.value(procedure->key)];
        symbol.procedure = procedure;
    }
    for (const QString& key : program.globals)
        DeclareGlobal(key, SymbolKind::Variable);
    EntryGuard guard(*this);
    ExecBlock(program.body);
}

ScriptValue ScriptInterpreter::Evaluate(ScriptProgram& program)
{
    EntryGuard guard(*this);
    m_line = program.expression->line;
    return Eval(*program.expression);
}

ScriptValue ScriptInterpreter::CallByName(const QString& name, std::vector<ScriptValue> arguments)
{
    EntryGuard guard(*this);
    const auto found = m_state->index.constFind(name.toLower());
    if (found == m_state->index.constEnd() || m_state->globals[*found].kind != SymbolKind::Procedure)
        ThrowScriptErrorFor(RuntimeError::TypeMismatch, name);
    std::shared_ptr<ScriptProcedure> procedure = m_state->globals[*found].procedure;
    ScriptArgs args(std::move(arguments));
    return CallProcedureWith(*procedure, args);
}

int ScriptInterpreter::ShowMessage(const QString& prompt, int buttons, const QString& title)
{
    if (!m_messageHandler)
        return 1;
    const quint64 generation = m_generation;
    const int result = m_messageHandler(prompt, buttons, title);
    CheckGeneration(generation);
    return result;
}

// The classic generator of Rnd: a 24-bit linear congruential sequence.
double ScriptInterpreter::NextRandom(double argument)
{
    if (argument < 0) {
        float seed = static_cast<float>(argument);
        quint32 bits;
        std::memcpy(&bits, &seed, sizeof bits);
        m_randomSeed = (bits + (bits >> 24)) & 0xFFFFFF;
    }
    if (argument != 0)
        m_randomSeed = (m_randomSeed * 0x43FD43FDu + 0xC39EC3u) & 0xFFFFFF;
    return m_randomSeed / 16777216.0;
}

void ScriptInterpreter::Randomize(double seed)
{
    quint64 bits;
    std::memcpy(&bits, &seed, sizeof bits);
    const quint32 high = static_cast<quint32>(bits >> 32);
    m_randomSeed = (m_randomSeed & 0xFF) | (((high & 0xFFFF) ^ (high >> 16)) << 8);
    m_randomSeed &= 0xFFFFFF;
}

void ScriptInterpreter::CountStep()
{
    ++m_steps;
    if (m_budget <= 0)
        return;
    const qint64 steps = m_steps + (ScriptItemsMade() - m_itemsAtEntry) / kItemsPerStep;
    if (steps > m_budget)
        throw ScriptBudgetExhausted{steps};
}

bool ScriptInterpreter::Truth(const ScriptValue& value)
{
    if (value.type() == ScriptType::Boolean)
        return value.BoolValue();
    if (value.IsNull())
        return false;
    return value.ToBool();
}

// An If or ElseIf condition. Under On Error Resume Next a failing condition goes on with
// the next statement, which is the first one of its branch: the branch runs.
bool ScriptInterpreter::ConditionHolds(const Expr& condition)
{
    if (!m_frame->resumeNext)
        return Truth(Eval(condition));
    try {
        return Truth(Eval(condition));
    } catch (const ScriptError& error) {
        m_state->err->Record(error);
        return true;
    }
}

ScriptInterpreter::Flow ScriptInterpreter::ExecBlock(const Block& block)
{
    for (const StmtPtr& statement : block) {
        Flow flow;
        if (m_frame->resumeNext) {
            try {
                flow = Exec(*statement);
            } catch (const ScriptError& error) {
                m_state->err->Record(error);
                continue;
            }
        } else {
            flow = Exec(*statement);
        }
        if (flow != Flow::Normal)
            return flow;
    }
    return Flow::Normal;
}

ScriptInterpreter::Flow ScriptInterpreter::Exec(const Stmt& statement)
{
    m_line = statement.line;
    CountStep();
    switch (statement.kind) {
    case StmtKind::Assign:
        ExecAssign(static_cast<const AssignStmt&>(statement));
        return Flow::Normal;
    case StmtKind::Append:
        ExecAppend(static_cast<const AppendStmt&>(statement));
        return Flow::Normal;
    case StmtKind::Call: {
        const Expr& target = *static_cast<const CallStmt&>(statement).target;
        if (target.kind == ExprKind::Name) {
            const auto& name = static_cast<const NameExpr&>(target);
            // A bare variable is no statement.
            if (!name.args.empty() || name.ref.localSlot < 0)
                EvalName(name);
        } else {
            Eval(target);
        }
        return Flow::Normal;
    }
    case StmtKind::If: {
        const auto& branch = static_cast<const IfStmt&>(statement);
        for (size_t i = 0; i < branch.conditions.size(); ++i) {
            m_line = branch.conditions[i]->line;  // an ElseIf fails on its own line
            if (ConditionHolds(*branch.conditions[i]))
                return ExecBlock(branch.blocks[i]);
        }
        m_line = statement.line;
        return ExecBlock(branch.elseBlock);
    }
    case StmtKind::Select: {
        const auto& select = static_cast<const SelectStmt&>(statement);
        const ScriptValue subject = Eval(*select.subject);
        for (const SelectStmt::Case& branch : select.cases) {
            if (branch.isElse)
                return ExecBlock(branch.body);
            for (const ExprPtr& value : branch.values) {
                m_line = value->line;
                bool isNull = false;
                const LiteralSide literal = value->kind == ExprKind::Literal ? LiteralSide::Right : LiteralSide::None;
                if (CompareScriptValues(subject, Eval(*value), false, literal, isNull) == 0 && !isNull)
                    return ExecBlock(branch.body);
            }
        }
        return Flow::Normal;
    }
    case StmtKind::For:
        return ExecFor(static_cast<const ForStmt&>(statement));
    case StmtKind::ForEach:
        return ExecForEach(static_cast<const ForEachStmt&>(statement));
    case StmtKind::Do:
        return ExecDo(static_cast<const DoStmt&>(statement));
    case StmtKind::Exit:
        switch (static_cast<const ExitStmt&>(statement).what) {
        case ExitKind::Do:
            return Flow::ExitDo;
        case ExitKind::For:
            return Flow::ExitFor;
        default:
            m_state->err->Clear();
            return Flow::ExitProcedure;
        }
    case StmtKind::Dim:
        ExecDim(static_cast<const DimStmt&>(statement));
        return Flow::Normal;
    case StmtKind::ReDim:
        ExecReDim(static_cast<const ReDimStmt&>(statement));
        return Flow::Normal;
    case StmtKind::Const:
        ExecConst(static_cast<const ConstStmt&>(statement));
        return Flow::Normal;
    case StmtKind::OnError:
        m_frame->resumeNext = static_cast<const OnErrorStmt&>(statement).resumeNext;
        m_state->err->Clear();
        return Flow::Normal;
    case StmtKind::Erase: {
        ScriptValue& place = WritablePlace(*static_cast<const EraseStmt&>(statement).target);
        if (!place.IsArray())
            ThrowScriptError(RuntimeError::TypeMismatch);
        ScriptArray& array = place.MutableArray();
        if (array.fixed)
            array.items.assign(array.items.size(), ScriptValue());
        else
            place = ScriptValue::FromArray(std::make_shared<ScriptArray>());
        return Flow::Normal;
    }
    case StmtKind::Randomize: {
        const auto& randomize = static_cast<const RandomizeStmt&>(statement);
        Randomize(randomize.seed ? Eval(*randomize.seed).ToDouble() : static_cast<double>(m_steps + m_randomSeed));
        return Flow::Normal;
    }
    }
    return Flow::Normal;
}

void ScriptInterpreter::ExecAssign(const AssignStmt& statement)
{
    ScriptValue value = Eval(*statement.value);
    if (statement.isSet) {
        if (!value.IsObject())
            ThrowScriptError(N::ObjectRequired);
    } else if (value.IsObject()) {
        value = value.Dereferenced();
    }
    if (statement.target->kind == ExprKind::Name) {
        const auto& name = static_cast<const NameExpr&>(*statement.target);
        if (!name.hasArgs && name.ref.localSlot >= 0 && m_frame->slots) {
            *m_frame->slots[name.ref.localSlot] = std::move(value);
            return;
        }
    }
    Assign(*statement.target, std::move(value));
}

void ScriptInterpreter::ExecAppend(const AppendStmt& statement)
{
    ScriptValue& place = WritablePlace(*statement.target);
    if (!place.IsString()) {
        ScriptValue result = place;
        for (const ExprPtr& part : statement.parts)
            result = ApplyBinary(ScriptOp::Concat, result, Eval(*part));
        WritablePlace(*statement.target) = std::move(result);
        return;
    }
    ScriptValue& target = place;  // variables stay where they are while the parts run
    for (const ExprPtr& part : statement.parts) {
        if (part->kind == ExprKind::Literal && target.IsString()) {
            const ScriptValue& literal = static_cast<const LiteralExpr&>(*part).value;
            if (literal.IsString()) {
                CheckScriptStringLength(target.StringValue().size() + literal.StringValue().size());
                CountScriptItemsMade(literal.StringValue().size());
                target.StringRef().append(literal.StringValue());
                continue;
            }
        }
        const ScriptValue value = Eval(*part);
        if (!target.IsString())
            target = ScriptValue::FromString(target.ToConcatString());
        const QString text = value.IsString() ? value.StringValue() : value.ToConcatString();
        CheckScriptStringLength(target.StringValue().size() + text.size());
        CountScriptItemsMade(text.size());
        target.StringRef().append(text);
    }
}

ScriptInterpreter::Flow ScriptInterpreter::ExecFor(const ForStmt& statement)
{
    ScriptValue from = Eval(*statement.from);
    const ScriptValue to = Eval(*statement.to).Dereferenced();
    const ScriptValue step = statement.step ? Eval(*statement.step).Dereferenced() : ScriptValue::FromInt(1);
    if (from.IsObject())
        from = from.Dereferenced();
    if (from.IsNull() || to.IsNull() || step.IsNull())
        ThrowScriptError(RuntimeError::InvalidUseOfNull);
    const bool down = step.ToDouble() < 0;
    ScriptValue* counter = &WritablePlace(*statement.counter);
    *counter = from.IsString() ? ScriptValue::FromDouble(from.ToDouble()) : from;
    const bool integral = to.IsIntegral() && step.IsIntegral();
    for (;;) {
        CountStep();
        bool beyond;
        if (integral && counter->IsIntegral())
            beyond = down ? counter->IntValue() < to.IntValue() : counter->IntValue() > to.IntValue();
        else
            beyond = down ? counter->ToDouble() < to.ToDouble() : counter->ToDouble() > to.ToDouble();
        if (beyond)
            return Flow::Normal;
        const Flow flow = ExecBlock(statement.body);
        if (flow == Flow::ExitFor)
            return Flow::Normal;
        if (flow != Flow::Normal)
            return flow;
        m_line = statement.line;
        if (integral && counter->IsIntegral()) {
            const qint64 next = static_cast<qint64>(counter->IntValue()) + step.IntValue();
            const bool wide = counter->type() == ScriptType::Long || step.type() == ScriptType::Long;
            if (!wide && next >= -32768 && next <= 32767)
                *counter = ScriptValue::FromInt(next);
            else if (next >= INT32_MIN && next <= INT32_MAX)
                *counter = ScriptValue::FromLong(static_cast<qint32>(next));
            else
                *counter = ScriptValue::FromDouble(static_cast<double>(next));
        } else {
            *counter = ApplyBinary(ScriptOp::Add, *counter, step);
        }
    }
}

ScriptInterpreter::Flow ScriptInterpreter::ExecForEach(const ForEachStmt& statement)
{
    const ScriptValue collection = Eval(*statement.collection);
    std::vector<ScriptValue> items;
    if (collection.IsArray())
        items = collection.ArrayValue()->items;
    else if (collection.IsObject())
        items = ObjectOf(collection, statement.item->ref.name).Items();
    else
        ThrowScriptError(N::NotACollection);
    for (ScriptValue& item : items) {
        CountStep();
        WritablePlace(*statement.item) = std::move(item);
        const Flow flow = ExecBlock(statement.body);
        if (flow == Flow::ExitFor)
            return Flow::Normal;
        if (flow != Flow::Normal)
            return flow;
    }
    return Flow::Normal;
}

ScriptInterpreter::Flow ScriptInterpreter::ExecDo(const DoStmt& statement)
{
    for (;;) {
        CountStep();
        if (statement.atTop && statement.condition) {
            m_line = statement.line;
            const bool value = Truth(Eval(*statement.condition));
            if (statement.until ? value : !value)
                return Flow::Normal;
        }
        const Flow flow = ExecBlock(statement.body);
        if (flow == Flow::ExitDo && !statement.isWhileWend)
            return Flow::Normal;
        if (flow != Flow::Normal)
            return flow;
        if (!statement.atTop && statement.condition) {
            m_line = statement.condition->line;
            const bool value = Truth(Eval(*statement.condition));
            if (statement.until ? value : !value)
                return Flow::Normal;
        }
    }
}

void ScriptInterpreter::ExecDim(const DimStmt& statement)
{
    for (const DimItem& item : statement.items) {
        if (!item.isArray)
            continue;
        std::vector<int> bounds;
        for (const ExprPtr& bound : item.bounds)
            bounds.push_back(Eval(*bound).ToLong());
        auto array = ScriptArray::Create(bounds);
        array->fixed = !bounds.empty();
        WritablePlace(*item.target) = ScriptValue::FromArray(std::move(array));
    }
}

void ScriptInterpreter::ExecReDim(const ReDimStmt& statement)
{
    for (const DimItem& item : statement.items) {
        std::vector<int> bounds;
        for (const ExprPtr& bound : item.bounds)
            bounds.push_back(Eval(*bound).ToLong());
        ScriptValue& place = WritablePlace(*item.target);
        if (place.IsArray() && place.ArrayValue()->fixed)
            ThrowScriptError(10);
        if (statement.preserve && place.IsArray()) {
            place.MutableArray().Resize(bounds, true);
        } else {
            place = ScriptValue::FromArray(ScriptArray::Create(bounds));
        }
    }
}

void ScriptInterpreter::ExecConst(const ConstStmt& statement)
{
    for (const auto& [name, value] : statement.items) {
        ScriptValue constant = Eval(*value);
        if (name->ref.localSlot >= 0 && m_frame->slots) {
            *m_frame->slots[name->ref.localSlot] = std::move(constant);
            continue;
        }
        DeclareGlobal(name->ref.key, SymbolKind::Constant);
        GlobalSymbol& symbol = m_state->globals[m_state->index.value(name->ref.key)];
        if (symbol.kind == SymbolKind::Variable && symbol.value.IsEmpty())
            symbol.kind = SymbolKind::Constant;  // declared by the parser, first run
        else if (symbol.kind != SymbolKind::Constant)
            ThrowScriptError(N::NameRedefined);
        symbol.value = std::move(constant);
    }
}

#include "base/ErrorContext.h"
#include "base/RuntimeErrors.h"
#include "script/ScriptBuiltins.h"
#include "script/ScriptError.h"
#include "script/ScriptInterpreter.h"

namespace N = ScriptErrorNumber;

namespace {

// Deep enough for any skin, shallow enough for the thread's stack.
constexpr int kMaxCallDepth = 400;
// The stack the calls of one host call may use. Each call adds at most the frames of one
// procedure body, whose expressions and statements are bounded by the parser, so this leaves
// room below the usual 8 MB of a thread's stack, also in instrumented builds.
constexpr quintptr kStackBudget = 3 * 1024 * 1024;
constexpr int kOutOfStackSpace = 28;

// A whole-number result: Integer while both operands were Integers and it fits, then Long,
// then Double.
inline ScriptValue WholeResult(qint64 value, bool wide)
{
    if (!wide && value >= -32768 && value <= 32767)
        return ScriptValue::FromInt(value);
    if (value >= INT32_MIN && value <= INT32_MAX)
        return ScriptValue::FromLong(static_cast<qint32>(value));
    return ScriptValue::FromDouble(static_cast<double>(value));
}

QString NameOf(const Expr& expression)
{
    if (expression.kind == ExprKind::Name)
        return static_cast<const NameExpr&>(expression).ref.name;
    if (expression.kind == ExprKind::Member)
        return static_cast<const MemberExpr&>(expression).name;
    return QString();
}

}  // namespace

ScriptValue ScriptInterpreter::Eval(const Expr& expression)
{
    switch (expression.kind) {
    case ExprKind::Literal:
        return static_cast<const LiteralExpr&>(expression).value;
    case ExprKind::Name: {
        // Plain variables first: the common case of every loop.
        const auto& name = static_cast<const NameExpr&>(expression);
        if (!name.hasArgs) {
            if (name.ref.localSlot >= 0 && m_frame->slots)
                return *m_frame->slots[name.ref.localSlot];
            if (name.ref.binding == NameBinding::Global)
                return m_state->globals[name.ref.index].value;
        }
        return EvalName(name);
    }
    case ExprKind::Member:
        return EvalMember(static_cast<const MemberExpr&>(expression));
    case ExprKind::Unary: {
        const auto& unary = static_cast<const UnaryExpr&>(expression);
        return ApplyUnary(unary.op, Eval(*unary.operand));
    }
    case ExprKind::Binary: {
        const auto& binary = static_cast<const BinaryExpr&>(expression);
        const ScriptValue left = Eval(*binary.left);
        const ScriptValue right = Eval(*binary.right);
        if (left.IsIntegral() && right.IsIntegral()) {
            const qint64 a = left.IntValue();
            const qint64 b = right.IntValue();
            const bool wide = left.type() == ScriptType::Long || right.type() == ScriptType::Long;
            switch (binary.op) {
            case ScriptOp::Add:
                return WholeResult(a + b, wide);
            case ScriptOp::Subtract:
                return WholeResult(a - b, wide);
            case ScriptOp::Multiply:
                return WholeResult(a * b, wide);
            case ScriptOp::Mod:
                if (b != 0)
                    return WholeResult(a % b, wide);
                break;
            case ScriptOp::IntDivide:
                if (b != 0)
                    return WholeResult(a / b, wide);
                break;
            case ScriptOp::Equal:
                return ScriptValue::FromBool(a == b);
            case ScriptOp::NotEqual:
                return ScriptValue::FromBool(a != b);
            case ScriptOp::Less:
                return ScriptValue::FromBool(a < b);
            case ScriptOp::Greater:
                return ScriptValue::FromBool(a > b);
            case ScriptOp::LessEqual:
                return ScriptValue::FromBool(a <= b);
            case ScriptOp::GreaterEqual:
                return ScriptValue::FromBool(a >= b);
            default:
                break;
            }
        }
        return ApplyBinary(binary.op, left, right, binary.literal);
    }
    }
    return ScriptValue();
}

void ScriptInterpreter::Bind(NameRef& ref)
{
    if (ref.binding != NameBinding::Unresolved)
        return;
    const auto global = m_state->index.constFind(ref.key);
    if (global != m_state->index.constEnd()) {
        ref.index = *global;
        ref.binding = m_state->globals[*global].kind == SymbolKind::Procedure ? NameBinding::Procedure : NameBinding::Global;
        return;
    }
    if (ref.implicitSlot >= 0 && m_frame->slots) {
        ref.localSlot = ref.implicitSlot;
        return;
    }
    for (size_t i = 0; i < m_state->memberObjects.size(); ++i) {
        if (m_state->memberObjects[i]->HasMember(ref.key)) {
            ref.binding = NameBinding::HostMember;
            ref.index = static_cast<int>(i);
            return;
        }
    }
    const int builtin = FindScriptBuiltin(ref.key);
    if (builtin >= 0) {
        ref.binding = NameBinding::Builtin;
        ref.index = builtin;
    }
}

ScriptValue ScriptInterpreter::EvalName(const NameExpr& expression)
{
    NameRef& ref = const_cast<NameRef&>(expression.ref);
    const ScriptValue* variable = nullptr;
    if (ref.localSlot >= 0 && m_frame->slots) {
        variable = m_frame->slots[ref.localSlot];
    } else {
        Bind(ref);
        if (ref.localSlot >= 0) {
            variable = m_frame->slots[ref.localSlot];
        } else {
            switch (ref.binding) {
            case NameBinding::Global:
                variable = &m_state->globals[ref.index].value;
                break;
            case NameBinding::Procedure: {
                const std::shared_ptr<ScriptProcedure> procedure = m_state->globals[ref.index].procedure;
                return CallProcedure(*procedure, expression.args);
            }
            case NameBinding::HostMember: {
                ScriptArgs args;
                std::vector<ItemArgument> items;
                BuildArgs(expression.args, args, &items);
                const std::shared_ptr<ScriptObject> object = m_state->memberObjects[ref.index];
                ScriptValue result = CallHost(*object, ref.key, args);
                WriteBackItems(items, args, nullptr);
                return result;
            }
            case NameBinding::Builtin: {
                ScriptArgs args;
                BuildArgs(expression.args, args);
                return CallScriptBuiltin(ref.index, *this, args);
            }
            default:
                if (expression.hasArgs)
                    ThrowScriptErrorFor(RuntimeError::TypeMismatch, ref.name);
                return ScriptValue();
            }
        }
    }
    if (!expression.hasArgs)
        return *variable;
    if (variable->IsArray()) {
        const ScriptValue array = *variable;  // the indexes may change the variable
        return array.ArrayValue()->At(EvalIndexes(expression.args));
    }
    if (variable->IsObject() && !variable->IsNothing()) {
        const ScriptValue object = *variable;
        ScriptArgs args;
        BuildArgs(expression.args, args);
        return CallHost(*object.ObjectValue(), QString(), args);
    }
    if (expression.args.empty() && !variable->IsObject())
        return *variable;  // "x()" of a plain variable, as call statements write it
    ThrowScriptErrorFor(RuntimeError::TypeMismatch, ref.name);
}

ScriptValue ScriptInterpreter::EvalMember(const MemberExpr& expression)
{
    const ScriptValue object = Eval(*expression.object);
    if (expression.key.isEmpty() && object.IsArray())
        return object.ArrayValue()->At(EvalIndexes(expression.args));  // an item of a result
    ScriptObject& target = ObjectOf(object, NameOf(*expression.object));
    ScriptArgs args;
    std::vector<ItemArgument> items;
    BuildArgs(expression.args, args, &items);
    ScriptValue result = CallHost(target, expression.key, args);
    WriteBackItems(items, args, nullptr);
    return result;
}

ScriptObject& ScriptInterpreter::ObjectOf(const ScriptValue& value, const QString& name)
{
    if (!value.IsObject()) {
        if (name.isEmpty())
            ThrowScriptError(N::ObjectRequired);
        ThrowScriptErrorFor(N::ObjectRequired, name);
    }
    if (!value.ObjectValue())
        ThrowScriptError(RuntimeError::ObjectNotSet);
    return *value.ObjectValue();
}

ScriptValue* ScriptInterpreter::VariablePlace(const NameExpr& expression)
{
    NameRef& ref = const_cast<NameRef&>(expression.ref);
    if (ref.localSlot >= 0 && m_frame->slots)
        return m_frame->slots[ref.localSlot];
    Bind(ref);
    if (ref.localSlot >= 0)
        return m_frame->slots[ref.localSlot];
    if (ref.binding == NameBinding::Global && m_state->globals[ref.index].kind == SymbolKind::Variable)
        return &m_state->globals[ref.index].value;
    return nullptr;
}

ScriptValue& ScriptInterpreter::WritablePlace(const NameExpr& expression)
{
    NameRef& ref = const_cast<NameRef&>(expression.ref);
    if (ref.localSlot >= 0 && m_frame->slots)
        return *m_frame->slots[ref.localSlot];
    Bind(ref);
    if (ref.localSlot >= 0)
        return *m_frame->slots[ref.localSlot];
    switch (ref.binding) {
    case NameBinding::Global:
        if (m_state->globals[ref.index].kind != SymbolKind::Variable)
            ThrowScriptErrorFor(N::IllegalAssignment, ref.name);
        return m_state->globals[ref.index].value;
    case NameBinding::Unresolved:
        DeclareGlobal(ref.key, SymbolKind::Variable);
        ref.binding = NameBinding::Global;
        ref.index = m_state->index.value(ref.key);
        return m_state->globals[ref.index].value;
    default:
        ThrowScriptErrorFor(N::IllegalAssignment, ref.name);
    }
}

void ScriptInterpreter::Assign(const Expr& target, ScriptValue value)
{
    if (target.kind == ExprKind::Member) {
        const auto& member = static_cast<const MemberExpr&>(target);
        const ScriptValue object = Eval(*member.object);
        ScriptObject& host = ObjectOf(object, NameOf(*member.object));
        ScriptArgs args;
        BuildArgs(member.args, args);
        PutHost(host, member.key, args, value);
        return;
    }
    const auto& name = static_cast<const NameExpr&>(target);
    NameRef& ref = const_cast<NameRef&>(name.ref);
    if (ref.localSlot < 0 || !m_frame->slots) {
        Bind(ref);
        if (ref.localSlot < 0 && ref.binding == NameBinding::HostMember) {
            ScriptArgs args;
            BuildArgs(name.args, args);
            PutHost(*m_state->memberObjects[ref.index], ref.key, args, value);
            return;
        }
    }
    if (!name.hasArgs) {
        WritablePlace(name) = std::move(value);
        return;
    }
    if (ref.binding == NameBinding::Unresolved && ref.localSlot < 0)
        ThrowScriptErrorFor(RuntimeError::TypeMismatch, ref.name);
    const std::vector<ScriptValue> indexes = EvalIndexes(name.args);
    ScriptValue& place = WritablePlace(name);
    if (place.IsArray()) {
        place.MutableArray().At(indexes) = std::move(value);
        return;
    }
    if (place.IsObject() && !place.IsNothing()) {
        ScriptArgs args(indexes);
        const ScriptValue object = place;
        PutHost(*object.ObjectValue(), QString(), args, value);
        return;
    }
    ThrowScriptErrorFor(RuntimeError::TypeMismatch, ref.name);
}

std::vector<ScriptValue> ScriptInterpreter::EvalIndexes(const ExprList& args)
{
    std::vector<ScriptValue> indexes;
    indexes.reserve(args.size());
    for (const ExprPtr& arg : args)
        indexes.push_back(Eval(*arg));
    return indexes;
}

// Arguments that are plain variables are passed as places, so a callee can write to them.
// Array items are passed by reference too: with items given, an item goes in as a copy
// that WriteBackItems stores back after the call.
void ScriptInterpreter::BuildArgs(const ExprList& args, ScriptArgs& out, std::vector<ItemArgument>* items)
{
    out.Reserve(static_cast<int>(args.size()));
    for (const ExprPtr& arg : args) {
        if (arg->kind == ExprKind::Name && !static_cast<const NameExpr&>(*arg).parenthesized) {
            const auto& name = static_cast<const NameExpr&>(*arg);
            if (!name.hasArgs) {
                if (ScriptValue* place = VariablePlace(name)) {
                    out.AddReference(place);
                    continue;
                }
            } else if (items && !name.args.empty()) {
                ScriptValue* place = VariablePlace(name);
                if (place && place->IsArray()) {
                    std::vector<ScriptValue> indexes = EvalIndexes(name.args);
                    const ScriptValue array = *place;  // the indexes may change the variable
                    out.AddValue(array.ArrayValue()->At(indexes));
                    items->push_back({place, std::move(indexes), out.Count() - 1});
                    continue;
                }
            }
        }
        out.AddValue(Eval(*arg));
    }
}

// Stores the arguments that were array items back into their arrays (only the ByRef
// parameters of a procedure). An item the call took away (ReDim, another value) is skipped.
void ScriptInterpreter::WriteBackItems(const std::vector<ItemArgument>& items, ScriptArgs& args, const ScriptProcedure* procedure)
{
    for (const ItemArgument& item : items) {
        if (procedure && procedure->parameters[item.position].byVal)
            continue;
        if (!item.variable->IsArray())
            continue;
        try {
            item.variable->MutableArray().At(item.indexes) = args[item.position];
        } catch (const ScriptError&) {
        }
    }
}

ScriptValue ScriptInterpreter::CallProcedure(const ScriptProcedure& procedure, const ExprList& args)
{
    if (args.size() != procedure.parameters.size())
        ThrowScriptErrorFor(N::WrongArguments, procedure.name);
    ScriptArgs values;
    std::vector<ItemArgument> items;
    BuildArgs(args, values, &items);
    if (items.empty())
        return CallProcedureWith(procedure, values);
    ScriptValue result;
    try {
        result = CallProcedureWith(procedure, values);
    } catch (const ScriptError&) {
        WriteBackItems(items, values, &procedure);  // what the procedure changed before it failed stays
        throw;
    }
    WriteBackItems(items, values, &procedure);
    return result;
}

ScriptValue ScriptInterpreter::CallProcedureWith(const ScriptProcedure& procedure, ScriptArgs& args)
{
    if (args.Count() != static_cast<int>(procedure.parameters.size()))
        ThrowScriptErrorFor(N::WrongArguments, procedure.name);
    if (m_depth >= kMaxCallDepth)
        ThrowScriptError(kOutOfStackSpace);
    CheckStack();
    std::vector<ScriptValue> storage(procedure.localCount);
    std::vector<ScriptValue*> slots(procedure.localCount);
    for (int i = 0; i < procedure.localCount; ++i)
        slots[i] = &storage[i];
    for (size_t i = 0; i < procedure.parameters.size(); ++i) {
        if (procedure.parameters[i].byVal)
            storage[i + 1] = args[static_cast<int>(i)];
        else
            slots[i + 1] = &args.Place(static_cast<int>(i));
    }
    Frame frame;
    frame.slots = slots.data();
    frame.procedure = &procedure;
    struct Restore {
        ScriptInterpreter& interpreter;
        Frame* frame;
        ~Restore()
        {
            interpreter.m_frame = frame;
            --interpreter.m_depth;
        }
    } restore{*this, m_frame};
    const int callerLine = m_line;
    m_frame = &frame;
    ++m_depth;
    ExecBlock(procedure.body);
    m_line = callerLine;
    return std::move(storage[0]);
}

ScriptValue ScriptInterpreter::CallHost(ScriptObject& object, const QString& key, ScriptArgs& args)
{
    const quint64 generation = m_generation;
    ScriptValue result;
    try {
        result = object.Get(key, args);
    } catch (const VorlenError& error) {
        ThrowScriptError(error.Info().number, error.Info().description);
    }
    CheckGeneration(generation);
    return result;
}

void ScriptInterpreter::PutHost(ScriptObject& object, const QString& key, ScriptArgs& args, const ScriptValue& value)
{
    const quint64 generation = m_generation;
    try {
        object.Put(key, args, value);
    } catch (const VorlenError& error) {
        ThrowScriptError(error.Info().number, error.Info().description);
    }
    CheckGeneration(generation);
}

void ScriptInterpreter::CheckStack() const
{
    const auto here = reinterpret_cast<quintptr>(__builtin_frame_address(0));
    const quintptr used = here < m_stackBase ? m_stackBase - here : here - m_stackBase;
    if (used > kStackBudget)
        ThrowScriptError(kOutOfStackSpace);
}

void ScriptInterpreter::CheckGeneration(quint64 generation)
{
    if (generation != m_generation)
        throw ScriptAbandoned{};
}

#include "script/ScriptOperators.h"

#include "base/RuntimeErrors.h"
#include "script/ScriptError.h"
#include "script/ScriptObject.h"

#include <cmath>

namespace {

// Numeric rank of an operand: 0 Integer (also Boolean, Empty), 1 Long, 2 Double, 3 Date.
int RankOf(const ScriptValue& value)
{
    switch (value.type()) {
    case ScriptType::Integer:
    case ScriptType::Boolean:
    case ScriptType::Empty:
        return 0;
    case ScriptType::Long:
        return 1;
    case ScriptType::Date:
        return 3;
    default:
        return 2;
    }
}

qint64 WholeOf(const ScriptValue& value)
{
    switch (value.type()) {
    case ScriptType::Integer:
    case ScriptType::Long:
        return value.IntValue();
    case ScriptType::Boolean:
        return value.BoolValue() ? -1 : 0;
    default:
        return 0;
    }
}

// An integral result in the narrowest type that is at least as wide as rank and holds it.
ScriptValue IntegralResult(qint64 result, int rank)
{
    if (rank == 0 && result >= -32768 && result <= 32767)
        return ScriptValue::FromInt(result);
    if (result >= INT32_MIN && result <= INT32_MAX)
        return ScriptValue::FromLong(static_cast<qint32>(result));
    return ScriptValue::FromDouble(static_cast<double>(result));
}

// Strings take part in arithmetic as Doubles; objects through their default value.
ScriptValue Numeric(const ScriptValue& value)
{
    if (value.IsString())
        return ScriptValue::FromDouble(value.ToDouble());
    if (value.IsObject())
        return Numeric(value.Dereferenced());
    if (value.IsArray())
        ThrowScriptError(RuntimeError::TypeMismatch);
    return value;
}

ScriptValue Arithmetic(ScriptOp op, const ScriptValue& leftIn, const ScriptValue& rightIn)
{
    const ScriptValue left = Numeric(leftIn);
    const ScriptValue right = Numeric(rightIn);
    const int rank = std::max(RankOf(left), RankOf(right));
    if (rank <= 1) {
        const qint64 a = WholeOf(left);
        const qint64 b = WholeOf(right);
        switch (op) {
        case ScriptOp::Add:
            return IntegralResult(a + b, rank);
        case ScriptOp::Subtract:
            return IntegralResult(a - b, rank);
        default:
            return IntegralResult(a * b, rank);
        }
    }
    const double a = left.ToDouble();
    const double b = right.ToDouble();
    double result = op == ScriptOp::Add ? a + b : op == ScriptOp::Subtract ? a - b : a * b;
    if (!std::isfinite(result))
        ThrowScriptError(RuntimeError::Overflow);
    if (rank == 3 && op != ScriptOp::Multiply)
        return ScriptValue::FromDate(result);
    return ScriptValue::FromDouble(result);
}

ScriptValue WholeDivision(ScriptOp op, const ScriptValue& left, const ScriptValue& right)
{
    const ScriptValue a = Numeric(left);
    const ScriptValue b = Numeric(right);
    const qint64 dividend = a.ToLong();
    const qint64 divisor = b.ToLong();
    if (divisor == 0)
        ThrowScriptError(RuntimeError::DivisionByZero);
    const int rank = std::max(RankOf(a), RankOf(b)) == 0 ? 0 : 1;
    const qint64 result = op == ScriptOp::IntDivide ? dividend / divisor : dividend % divisor;
    if (result < INT32_MIN || result > INT32_MAX)
        ThrowScriptError(RuntimeError::Overflow);
    return IntegralResult(result, rank);
}

// The logical operators are bitwise on whole numbers and logical on Booleans.
ScriptValue Logical(ScriptOp op, const ScriptValue& left, const ScriptValue& right)
{
    const ScriptValue a = left.IsObject() ? left.Dereferenced() : left;
    const ScriptValue b = right.IsObject() ? right.Dereferenced() : right;
    if (a.IsNull() || b.IsNull()) {
        // Three-valued logic: False And Null is False, True Or Null is True.
        const ScriptValue& other = a.IsNull() ? b : a;
        if (!other.IsNull()) {
            const qint64 bits = other.ToLong();
            if (op == ScriptOp::And && bits == 0)
                return other.type() == ScriptType::Boolean ? ScriptValue::FromBool(false) : ScriptValue::FromInt(0);
            if (op == ScriptOp::Or && bits == -1)
                return other.type() == ScriptType::Boolean ? ScriptValue::FromBool(true) : other;
        }
        return ScriptValue::Null();
    }
    const qint64 x = a.ToLong();
    const qint64 y = b.ToLong();
    qint64 bits = 0;
    switch (op) {
    case ScriptOp::And:
        bits = x & y;
        break;
    case ScriptOp::Or:
        bits = x | y;
        break;
    case ScriptOp::Xor:
        bits = x ^ y;
        break;
    case ScriptOp::Eqv:
        bits = ~(x ^ y);
        break;
    default:  // Imp
        bits = ~x | y;
        break;
    }
    if (a.type() == ScriptType::Boolean && b.type() == ScriptType::Boolean)
        return ScriptValue::FromBool(bits != 0);
    const int rank
        = std::max(RankOf(a), RankOf(b)) == 0 && a.type() != ScriptType::String && b.type() != ScriptType::String ? 0 : 1;
    return IntegralResult(static_cast<qint32>(bits), rank);
}

int Sign(double value)
{
    return value < 0 ? -1 : value > 0 ? 1 : 0;
}

int CompareStrings(const QString& a, const QString& b, bool textCompare)
{
    const int result = QString::compare(a, b, textCompare ? Qt::CaseInsensitive : Qt::CaseSensitive);
    return result < 0 ? -1 : result > 0 ? 1 : 0;
}

}  // namespace

int CompareScriptValues(
    const ScriptValue& leftIn, const ScriptValue& rightIn, bool textCompare, LiteralSide literal, bool& isNull)
{
    const ScriptValue left = leftIn.IsObject() ? leftIn.Dereferenced() : leftIn;
    const ScriptValue right = rightIn.IsObject() ? rightIn.Dereferenced() : rightIn;
    isNull = left.IsNull() || right.IsNull();
    if (isNull)
        return 0;
    if (left.IsArray() || right.IsArray())
        ThrowScriptError(RuntimeError::TypeMismatch);
    const bool leftText = left.IsString();
    const bool rightText = right.IsString();
    if (leftText && rightText)
        return CompareStrings(left.StringValue(), right.StringValue(), textCompare);
    if (!leftText && !rightText) {
        if (left.IsIntegral() && right.IsIntegral())
            return left.IntValue() < right.IntValue() ? -1 : left.IntValue() > right.IntValue() ? 1 : 0;
        return Sign(left.ToDouble() - right.ToDouble());
    }
    // One string, one number (or Empty).
    const ScriptValue& text = leftText ? left : right;
    const ScriptValue& number = leftText ? right : left;
    const int flip = leftText ? -1 : 1;  // results below are number-versus-text
    if (number.IsEmpty())
        return flip * CompareStrings(QString(), text.StringValue(), textCompare);
    const bool numberIsLiteral = (leftText ? literal == LiteralSide::Right : literal == LiteralSide::Left);
    const bool textIsLiteral = (leftText ? literal == LiteralSide::Left : literal == LiteralSide::Right);
    double textNumber = 0;
    if (numberIsLiteral && ParseScriptNumber(text.StringValue(), textNumber))
        return flip * Sign(number.ToDouble() - textNumber);
    if (textIsLiteral)
        return flip * CompareStrings(number.ToString(), text.StringValue(), textCompare);
    return flip * -1;  // a number is less than any text
}

bool ScriptValuesEqual(const ScriptValue& left, const ScriptValue& right)
{
    bool isNull = false;
    const int result = CompareScriptValues(left, right, false, LiteralSide::None, isNull);
    return !isNull && result == 0;
}

ScriptValue ApplyBinary(ScriptOp op, const ScriptValue& left, const ScriptValue& right, LiteralSide literal)
{
    switch (op) {
    case ScriptOp::Add:
    case ScriptOp::Subtract:
    case ScriptOp::Multiply:
        if (left.IsIntegral() && right.IsIntegral()) {
            const qint64 a = left.IntValue();
            const qint64 b = right.IntValue();
            const int rank = (left.type() == ScriptType::Long || right.type() == ScriptType::Long) ? 1 : 0;
            return IntegralResult(op == ScriptOp::Add ? a + b : op == ScriptOp::Subtract ? a - b : a * b, rank);
        }
        if (left.IsNull() || right.IsNull())
            return ScriptValue::Null();
        if (op == ScriptOp::Add) {
            // "+" joins two strings, and a string with Empty.
            if (left.IsString() && (right.IsString() || right.IsEmpty())) {
                CheckScriptStringLength(left.StringValue().size() + right.StringValue().size());
                CountScriptItemsMade(left.StringValue().size() + right.StringValue().size());
                return ScriptValue::FromString(left.StringValue() + right.StringValue());
            }
            if (left.IsEmpty() && right.IsString())
                return right;
        }
        return Arithmetic(op, left, right);
    case ScriptOp::Divide: {
        if (left.IsNull() || right.IsNull())
            return ScriptValue::Null();
        const double divisor = Numeric(right).ToDouble();
        const double dividend = Numeric(left).ToDouble();
        if (divisor == 0)
            ThrowScriptError(dividend == 0 ? RuntimeError::Overflow : RuntimeError::DivisionByZero);
        return ScriptValue::FromDouble(dividend / divisor);
    }
    case ScriptOp::IntDivide:
    case ScriptOp::Mod:
        if (left.IsNull() || right.IsNull())
            return ScriptValue::Null();
        return WholeDivision(op, left, right);
    case ScriptOp::Power: {
        if (left.IsNull() || right.IsNull())
            return ScriptValue::Null();
        const double base = Numeric(left).ToDouble();
        const double exponent = Numeric(right).ToDouble();
        if (base < 0 && exponent != std::floor(exponent))
            ThrowScriptError(RuntimeError::InvalidProcedureCall);
        const double result = std::pow(base, exponent);
        if (std::isinf(result))
            ThrowScriptError(base == 0 ? RuntimeError::DivisionByZero : RuntimeError::Overflow);
        return ScriptValue::FromDouble(result);
    }
    case ScriptOp::Concat:
        if (left.IsNull() && right.IsNull())
            return ScriptValue::Null();
        {
            QString joined = left.ToConcatString();
            const QString tail = right.ToConcatString();
            CheckScriptStringLength(joined.size() + tail.size());
            CountScriptItemsMade(joined.size() + tail.size());
            joined += tail;
            return ScriptValue::FromString(std::move(joined));
        }
    case ScriptOp::Equal:
    case ScriptOp::NotEqual:
    case ScriptOp::Less:
    case ScriptOp::Greater:
    case ScriptOp::LessEqual:
    case ScriptOp::GreaterEqual: {
        bool isNull = false;
        const int order = CompareScriptValues(left, right, false, literal, isNull);
        if (isNull)
            return ScriptValue::Null();
        switch (op) {
        case ScriptOp::Equal:
            return ScriptValue::FromBool(order == 0);
        case ScriptOp::NotEqual:
            return ScriptValue::FromBool(order != 0);
        case ScriptOp::Less:
            return ScriptValue::FromBool(order < 0);
        case ScriptOp::Greater:
            return ScriptValue::FromBool(order > 0);
        case ScriptOp::LessEqual:
            return ScriptValue::FromBool(order <= 0);
        default:
            return ScriptValue::FromBool(order >= 0);
        }
    }
    case ScriptOp::Is:
        if (!left.IsObject() || !right.IsObject())
            ThrowScriptError(ScriptErrorNumber::ObjectRequired);
        return ScriptValue::FromBool(left.ObjectValue() == right.ObjectValue());
    case ScriptOp::And:
    case ScriptOp::Or:
    case ScriptOp::Xor:
    case ScriptOp::Eqv:
    case ScriptOp::Imp:
        return Logical(op, left, right);
    default:
        break;
    }
    ThrowScriptError(ScriptErrorNumber::SyntaxError);
}

ScriptValue ApplyUnary(ScriptOp op, const ScriptValue& operandIn)
{
    const ScriptValue operand = operandIn.IsObject() ? operandIn.Dereferenced() : operandIn;
    if (operand.IsNull())
        return ScriptValue::Null();
    if (op == ScriptOp::Negate) {
        switch (operand.type()) {
        case ScriptType::Integer:
        case ScriptType::Long:
            return IntegralResult(-static_cast<qint64>(operand.IntValue()), operand.type() == ScriptType::Long ? 1 : 0);
        case ScriptType::Empty:
            return ScriptValue::FromInt(0);
        case ScriptType::Boolean:
            return ScriptValue::FromInt(operand.BoolValue() ? 1 : 0);
        case ScriptType::Date:
            return ScriptValue::FromDate(-operand.DoubleValue());
        default:
            return ScriptValue::FromDouble(-operand.ToDouble());
        }
    }
    if (operand.type() == ScriptType::Boolean)
        return ScriptValue::FromBool(!operand.BoolValue());
    const qint32 bits = ~operand.ToLong();
    return IntegralResult(bits, RankOf(operand) == 0 ? 0 : 1);
}

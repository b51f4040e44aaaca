#include "script/ScriptBuiltins.h"

#include "base/Rounding.h"
#include "base/RuntimeErrors.h"
#include "script/ScriptBuiltinsText.h"
#include "script/ScriptError.h"
#include "script/ScriptInterpreter.h"

#include <QDateTime>
#include <QHash>

#include <cmath>

namespace A = ScriptBuiltinArgs;

namespace {

ScriptValue CStr(ScriptInterpreter&, ScriptArgs& args)
{
    return ScriptValue::FromString(args[0].ToString());
}

ScriptValue CInt(ScriptInterpreter&, ScriptArgs& args)
{
    return ScriptValue::FromInt(args[0].ToInteger());
}

ScriptValue CLng(ScriptInterpreter&, ScriptArgs& args)
{
    return ScriptValue::FromLong(args[0].ToLong());
}

ScriptValue CByte(ScriptInterpreter&, ScriptArgs& args)
{
    const qint32 value = args[0].ToLong();
    if (value < 0 || value > 255)
        ThrowScriptError(RuntimeError::Overflow);
    return ScriptValue::FromInt(value);
}

ScriptValue CDbl(ScriptInterpreter&, ScriptArgs& args)
{
    return ScriptValue::FromDouble(args[0].ToDouble());
}

ScriptValue CBool(ScriptInterpreter&, ScriptArgs& args)
{
    return ScriptValue::FromBool(args[0].ToBool());
}

// Int and Fix keep whole-number subtypes and give other numbers as Doubles.
ScriptValue WholePart(const ScriptValue& value, bool floor)
{
    if (value.IsNull())
        return ScriptValue::Null();
    if (value.IsIntegral())
        return value;
    if (value.IsEmpty() || value.type() == ScriptType::Boolean)
        return ScriptValue::FromInt(static_cast<qint64>(value.ToDouble()));
    const double number = value.ToDouble();
    return ScriptValue::FromDouble(floor ? std::floor(number) : std::trunc(number));
}

ScriptValue Int(ScriptInterpreter&, ScriptArgs& args)
{
    return WholePart(args[0], true);
}

ScriptValue Fix(ScriptInterpreter&, ScriptArgs& args)
{
    return WholePart(args[0], false);
}

ScriptValue Round(ScriptInterpreter&, ScriptArgs& args)
{
    if (args[0].IsNull())
        return ScriptValue::Null();
    const qint32 digits = args.Has(1) ? A::Count(args, 1, 0) : 0;
    if (args[0].IsIntegral())
        return args[0];
    const double number = args[0].ToDouble();
    const double scale = std::pow(10.0, digits);
    // With more places than a Double holds, the number stays as it is.
    const double rounded = std::isfinite(number * scale) ? RoundHalfEvenValue(number * scale) / scale : number;
    if (args[0].type() == ScriptType::Boolean || args[0].IsEmpty())
        return ScriptValue::FromInt(static_cast<qint64>(rounded));
    return ScriptValue::FromDouble(rounded);
}

ScriptValue Abs(ScriptInterpreter&, ScriptArgs& args)
{
    const ScriptValue& value = args[0];
    if (value.IsNull())
        return ScriptValue::Null();
    if (value.IsIntegral())
        return ScriptValue::FromInt(std::abs(static_cast<qint64>(value.IntValue())));
    if (value.IsEmpty())
        return ScriptValue::FromInt(0);
    return ScriptValue::FromDouble(std::fabs(value.ToDouble()));
}

ScriptValue Sgn(ScriptInterpreter&, ScriptArgs& args)
{
    if (args[0].IsNull())
        return ScriptValue::Null();
    const double value = args[0].ToDouble();
    return ScriptValue::FromInt(value < 0 ? -1 : value > 0 ? 1 : 0);
}

ScriptValue Sqr(ScriptInterpreter&, ScriptArgs& args)
{
    const double value = args[0].ToDouble();
    if (value < 0)
        ThrowScriptError(RuntimeError::InvalidProcedureCall);
    return ScriptValue::FromDouble(std::sqrt(value));
}

ScriptValue Exp(ScriptInterpreter&, ScriptArgs& args)
{
    const double result = std::exp(args[0].ToDouble());
    if (!std::isfinite(result))
        ThrowScriptError(RuntimeError::Overflow);
    return ScriptValue::FromDouble(result);
}

ScriptValue Log(ScriptInterpreter&, ScriptArgs& args)
{
    const double value = args[0].ToDouble();
    if (value <= 0)
        ThrowScriptError(RuntimeError::InvalidProcedureCall);
    return ScriptValue::FromDouble(std::log(value));
}

ScriptValue Sin(ScriptInterpreter&, ScriptArgs& args)
{
    return ScriptValue::FromDouble(std::sin(args[0].ToDouble()));
}

ScriptValue Cos(ScriptInterpreter&, ScriptArgs& args)
{
    return ScriptValue::FromDouble(std::cos(args[0].ToDouble()));
}

ScriptValue Tan(ScriptInterpreter&, ScriptArgs& args)
{
    return ScriptValue::FromDouble(std::tan(args[0].ToDouble()));
}

ScriptValue Atn(ScriptInterpreter&, ScriptArgs& args)
{
    return ScriptValue::FromDouble(std::atan(args[0].ToDouble()));
}

ScriptValue Rnd(ScriptInterpreter& interpreter, ScriptArgs& args)
{
    return ScriptValue::FromDouble(interpreter.NextRandom(args.Has(0) ? args[0].ToDouble() : 1));
}

ScriptValue Hex(ScriptInterpreter&, ScriptArgs& args)
{
    if (args[0].IsNull())
        return ScriptValue::Null();
    const qint32 value = args[0].ToLong();
    const bool small = args[0].type() == ScriptType::Integer || (value >= -32768 && value < 0 && !args[0].IsIntegral());
    const quint32 bits = small ? static_cast<quint16>(value) : static_cast<quint32>(value);
    return ScriptValue::FromString(QString::number(bits, 16).toUpper());
}

ScriptValue Oct(ScriptInterpreter&, ScriptArgs& args)
{
    if (args[0].IsNull())
        return ScriptValue::Null();
    const qint32 value = args[0].ToLong();
    const quint32 bits = args[0].type() == ScriptType::Integer ? static_cast<quint16>(value) : static_cast<quint32>(value);
    return ScriptValue::FromString(QString::number(bits, 8));
}

ScriptValue IsNumeric(ScriptInterpreter&, ScriptArgs& args)
{
    const ScriptValue& value = args[0];
    if (value.IsString()) {
        double number = 0;
        return ScriptValue::FromBool(ParseScriptNumber(value.StringValue(), number));
    }
    return ScriptValue::FromBool(value.IsNumeric());
}

ScriptValue IsEmpty(ScriptInterpreter&, ScriptArgs& args)
{
    return ScriptValue::FromBool(args[0].IsEmpty());
}

ScriptValue IsNull(ScriptInterpreter&, ScriptArgs& args)
{
    return ScriptValue::FromBool(args[0].IsNull());
}

ScriptValue IsArray(ScriptInterpreter&, ScriptArgs& args)
{
    return ScriptValue::FromBool(args[0].IsArray());
}

ScriptValue IsObject(ScriptInterpreter&, ScriptArgs& args)
{
    return ScriptValue::FromBool(args[0].IsObject());
}

ScriptValue TypeName(ScriptInterpreter&, ScriptArgs& args)
{
    return ScriptValue::FromString(args[0].TypeName());
}

ScriptValue VarType(ScriptInterpreter&, ScriptArgs& args)
{
    return ScriptValue::FromInt(static_cast<int>(args[0].type()));
}

ScriptValue ArrayOf(ScriptInterpreter&, ScriptArgs& args)
{
    auto array = ScriptArray::Create({args.Count() - 1});
    for (int i = 0; i < args.Count(); ++i)
        array->items[i] = args[i];
    return ScriptValue::FromArray(std::move(array));
}

ScriptValue Bound(ScriptArgs& args, bool upper)
{
    if (!args[0].IsArray())
        ThrowScriptError(RuntimeError::TypeMismatch);
    const std::vector<int>& bounds = args[0].ArrayValue()->upperBounds;
    const qint32 dimension = args.Has(1) ? args[1].ToLong() : 1;
    if (dimension < 1 || dimension > static_cast<qint32>(bounds.size()))
        ThrowScriptError(RuntimeError::SubscriptOutOfRange);
    return ScriptValue::FromLong(upper ? bounds[dimension - 1] : 0);
}

ScriptValue UBound(ScriptInterpreter&, ScriptArgs& args)
{
    return Bound(args, true);
}

ScriptValue LBound(ScriptInterpreter&, ScriptArgs& args)
{
    return Bound(args, false);
}

double DaysOf(const QDateTime& moment)
{
    const QDateTime base(QDate(1899, 12, 30), QTime(0, 0));
    return static_cast<double>(base.msecsTo(moment)) / 86400000.0;
}

ScriptValue Now(ScriptInterpreter&, ScriptArgs&)
{
    const QDateTime now = QDateTime::currentDateTime();
    return ScriptValue::FromDate(std::floor(DaysOf(now) * 86400.0) / 86400.0);
}

ScriptValue Date(ScriptInterpreter&, ScriptArgs&)
{
    return ScriptValue::FromDate(std::floor(DaysOf(QDateTime::currentDateTime())));
}

ScriptValue Time(ScriptInterpreter&, ScriptArgs&)
{
    const double days = DaysOf(QDateTime::currentDateTime());
    return ScriptValue::FromDate(std::floor((days - std::floor(days)) * 86400.0) / 86400.0);
}

// Seconds since midnight, with the fraction the classic single-precision timer gives.
ScriptValue Timer(ScriptInterpreter&, ScriptArgs&)
{
    const QTime now = QTime::currentTime();
    return ScriptValue::FromDouble(static_cast<float>(now.msecsSinceStartOfDay() / 1000.0));
}

ScriptValue MsgBox(ScriptInterpreter& interpreter, ScriptArgs& args)
{
    const QString prompt = args[0].ToConcatString();
    const int buttons = args.Has(1) ? args[1].ToLong() : 0;
    const QString title = args.Has(2) ? args[2].ToString() : QString();
    return ScriptValue::FromInt(interpreter.ShowMessage(prompt, buttons, title));
}

// The safe subset: no outside components at all.
ScriptValue CreateObject(ScriptInterpreter&, ScriptArgs& args)
{
    ThrowScriptErrorFor(RuntimeError::CannotCreateObject, args.Value(0).ToConcatString());
}

// GetObject([path][, class]): the error names the class when no path was given.
ScriptValue GetObject(ScriptInterpreter&, ScriptArgs& args)
{
    const QString path = args.Value(0).ToConcatString();
    ThrowScriptErrorFor(RuntimeError::CannotCreateObject, path.isEmpty() ? args.Value(1).ToConcatString() : path);
}

ScriptValue Err(ScriptInterpreter& interpreter, ScriptArgs&)
{
    return ScriptValue::FromObject(interpreter.ErrObject());
}

constexpr ScriptBuiltin kBuiltins[] = {
    {"cstr", 1, 1, &CStr},
    {"cint", 1, 1, &CInt},
    {"clng", 1, 1, &CLng},
    {"cbyte", 1, 1, &CByte},
    {"cdbl", 1, 1, &CDbl},
    {"csng", 1, 1, &CDbl},
    {"cbool", 1, 1, &CBool},
    {"int", 1, 1, &Int},
    {"fix", 1, 1, &Fix},
    {"round", 1, 2, &Round},
    {"abs", 1, 1, &Abs},
    {"sgn", 1, 1, &Sgn},
    {"sqr", 1, 1, &Sqr},
    {"exp", 1, 1, &Exp},
    {"log", 1, 1, &Log},
    {"sin", 1, 1, &Sin},
    {"cos", 1, 1, &Cos},
    {"tan", 1, 1, &Tan},
    {"atn", 1, 1, &Atn},
    {"rnd", 0, 1, &Rnd},
    {"hex", 1, 1, &Hex},
    {"oct", 1, 1, &Oct},
    {"isnumeric", 1, 1, &IsNumeric},
    {"isempty", 1, 1, &IsEmpty},
    {"isnull", 1, 1, &IsNull},
    {"isarray", 1, 1, &IsArray},
    {"isobject", 1, 1, &IsObject},
    {"typename", 1, 1, &TypeName},
    {"vartype", 1, 1, &VarType},
    {"array", 0, 255, &ArrayOf},
    {"ubound", 1, 2, &UBound},
    {"lbound", 1, 2, &LBound},
    {"now", 0, 0, &Now},
    {"date", 0, 0, &Date},
    {"time", 0, 0, &Time},
    {"timer", 0, 0, &Timer},
    {"msgbox", 1, 5, &MsgBox},
    {"createobject", 1, 2, &CreateObject},
    {"getobject", 0, 2, &GetObject},
    {"err", 0, 0, &Err},
};

struct ConstantRow {
    const char* name;
    qint32 value;
};

constexpr ConstantRow kNumberConstants[] = {
    {"vbtrue", -1},
    {"vbfalse", 0},
    {"vbusedefault", -2},
    {"vbokonly", 0},
    {"vbokcancel", 1},
    {"vbabortretryignore", 2},
    {"vbyesnocancel", 3},
    {"vbyesno", 4},
    {"vbretrycancel", 5},
    {"vbcritical", 16},
    {"vbquestion", 32},
    {"vbexclamation", 48},
    {"vbinformation", 64},
    {"vbdefaultbutton1", 0},
    {"vbdefaultbutton2", 256},
    {"vbdefaultbutton3", 512},
    {"vbok", 1},
    {"vbcancel", 2},
    {"vbabort", 3},
    {"vbretry", 4},
    {"vbignore", 5},
    {"vbyes", 6},
    {"vbno", 7},
    {"vbbinarycompare", 0},
    {"vbtextcompare", 1},
    {"vbempty", 0},
    {"vbnull", 1},
    {"vbinteger", 2},
    {"vblong", 3},
    {"vbsingle", 4},
    {"vbdouble", 5},
    {"vbdate", 7},
    {"vbstring", 8},
    {"vbobject", 9},
    {"vberror", 10},
    {"vbboolean", 11},
    {"vbvariant", 12},
    {"vbbyte", 17},
    {"vbarray", 8192},
    {"vbblack", 0},
    {"vbred", 255},
    {"vbgreen", 65280},
    {"vbblue", 16711680},
    {"vbwhite", 16777215},
    {"vbobjecterror", -2147221504},
};

struct TextConstantRow {
    const char* name;
    const char* value;
    int length;
};

constexpr TextConstantRow kTextConstants[] = {
    {"vbcrlf", "\r\n", 2},
    {"vbnewline", "\r\n", 2},
    {"vbcr", "\r", 1},
    {"vblf", "\n", 1},
    {"vbtab", "\t", 1},
    {"vbnullstring", "", 0},
    {"vbnullchar", "\0", 1},
    {"vbformfeed", "\f", 1},
    {"vbverticaltab", "\v", 1},
};

// One table over functions, then number constants, then text constants.
struct BuiltinIndex {
    std::vector<ScriptBuiltin> functions;
    std::vector<ScriptValue> constants;
    QHash<QString, int> byName;
};

const BuiltinIndex& Index()
{
    static const BuiltinIndex index = [] {
        BuiltinIndex result;
        for (const ScriptBuiltin& builtin : kBuiltins)
            result.functions.push_back(builtin);
        for (const ScriptBuiltin& builtin : TextBuiltins())
            result.functions.push_back(builtin);
        for (size_t i = 0; i < result.functions.size(); ++i)
            result.byName.insert(QLatin1String(result.functions[i].name), static_cast<int>(i));
        const int base = static_cast<int>(result.functions.size());
        for (const ConstantRow& row : kNumberConstants) {
            result.byName.insert(QLatin1String(row.name), base + static_cast<int>(result.constants.size()));
            result.constants.push_back(ScriptValue::FromInt(row.value));
        }
        for (const TextConstantRow& row : kTextConstants) {
            result.byName.insert(QLatin1String(row.name), base + static_cast<int>(result.constants.size()));
            result.constants.push_back(ScriptValue::FromString(QString::fromLatin1(row.value, row.length)));
        }
        return result;
    }();
    return index;
}

}  // namespace

int FindScriptBuiltin(const QString& key)
{
    return Index().byName.value(key, -1);
}

const ScriptBuiltin& ScriptBuiltinAt(int index)
{
    return Index().functions.at(index);
}

ScriptValue CallScriptBuiltin(int index, ScriptInterpreter& interpreter, ScriptArgs& args)
{
    const BuiltinIndex& table = Index();
    const int functionCount = static_cast<int>(table.functions.size());
    if (index >= functionCount) {
        if (args.Count() > 0)
            ThrowScriptError(RuntimeError::TypeMismatch);
        return table.constants[index - functionCount];
    }
    const ScriptBuiltin& builtin = table.functions[index];
    if (args.Count() < builtin.minArgs || args.Count() > builtin.maxArgs)
        ThrowScriptErrorFor(ScriptErrorNumber::WrongArguments, QString::fromLatin1(builtin.name));
    return builtin.function(interpreter, args);
}

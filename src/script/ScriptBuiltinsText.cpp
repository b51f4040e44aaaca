#include "script/ScriptBuiltinsText.h"

#include "base/RuntimeErrors.h"
#include "script/ScriptError.h"

namespace A = ScriptBuiltinArgs;

qint32 ScriptBuiltinArgs::Count(const ScriptArgs& args, int index, qint32 min)
{
    const qint32 value = args[index].ToLong();
    if (value < min)
        ThrowScriptError(RuntimeError::InvalidProcedureCall);
    return value;
}

bool ScriptBuiltinArgs::TextCompare(const ScriptArgs& args, int index)
{
    return args.Has(index) && args[index].ToLong() == 1;
}

namespace {

Qt::CaseSensitivity Sensitivity(bool textCompare)
{
    return textCompare ? Qt::CaseInsensitive : Qt::CaseSensitive;
}

bool AnyNull(const ScriptArgs& args, int count)
{
    for (int i = 0; i < std::min(count, args.Count()); ++i) {
        if (args[i].IsNull())
            return true;
    }
    return false;
}

ScriptValue Len(ScriptInterpreter&, ScriptArgs& args)
{
    if (args[0].IsNull())
        return ScriptValue::Null();
    return ScriptValue::FromLong(static_cast<qint32>(args[0].ToString().size()));
}

ScriptValue Left(ScriptInterpreter&, ScriptArgs& args)
{
    if (args[0].IsNull())
        return ScriptValue::Null();
    return ScriptValue::FromString(args[0].ToString().left(A::Count(args, 1, 0)));
}

ScriptValue Right(ScriptInterpreter&, ScriptArgs& args)
{
    if (args[0].IsNull())
        return ScriptValue::Null();
    return ScriptValue::FromString(args[0].ToString().right(A::Count(args, 1, 0)));
}

ScriptValue Mid(ScriptInterpreter&, ScriptArgs& args)
{
    if (args[0].IsNull())
        return ScriptValue::Null();
    const QString text = args[0].ToString();
    const qint32 start = A::Count(args, 1, 1);
    const qint32 length = args.Count() > 2 ? A::Count(args, 2, 0) : -1;
    if (start > text.size())
        return ScriptValue::FromString(QString());
    return ScriptValue::FromString(text.mid(start - 1, length));
}

ScriptValue InStr(ScriptInterpreter&, ScriptArgs& args)
{
    // InStr([start,] string1, string2[, compare])
    const bool withStart = args.Count() >= 3;
    const int first = withStart ? 1 : 0;
    if (withStart && args[0].IsNull())
        ThrowScriptError(RuntimeError::InvalidUseOfNull);
    const qint32 start = withStart ? A::Count(args, 0, 1) : 1;
    if (args[first].IsNull() || args[first + 1].IsNull())
        return ScriptValue::Null();
    const QString text = args[first].ToString();
    const QString part = args[first + 1].ToString();
    if (start > text.size())
        return ScriptValue::FromLong(0);
    if (part.isEmpty())
        return ScriptValue::FromLong(start);
    const bool textCompare = withStart && A::TextCompare(args, 3);
    return ScriptValue::FromLong(static_cast<qint32>(text.indexOf(part, start - 1, Sensitivity(textCompare)) + 1));
}

ScriptValue InStrRev(ScriptInterpreter&, ScriptArgs& args)
{
    // InStrRev(string1, string2[, start[, compare]])
    if (AnyNull(args, 2))
        return ScriptValue::Null();
    const QString text = args[0].ToString();
    const QString part = args[1].ToString();
    qint32 start = args.Has(2) ? args[2].ToLong() : -1;
    if (start == 0 || start < -1)
        ThrowScriptError(RuntimeError::InvalidProcedureCall);
    if (start == -1)
        start = static_cast<qint32>(text.size());
    if (start > text.size())
        return ScriptValue::FromLong(0);
    if (part.isEmpty())
        return ScriptValue::FromLong(start);
    const qsizetype from = start - part.size();
    if (from < 0)
        return ScriptValue::FromLong(0);
    return ScriptValue::FromLong(static_cast<qint32>(text.lastIndexOf(part, from, Sensitivity(A::TextCompare(args, 3))) + 1));
}

ScriptValue Replace(ScriptInterpreter&, ScriptArgs& args)
{
    // Replace(expression, find, replacewith[, start[, count[, compare]]]); with a start the
    // result begins there.
    if (AnyNull(args, 3))
        return ScriptValue::Null();
    const QString text = args[0].ToString();
    const QString find = args[1].ToString();
    const QString with = args[2].ToString();
    const qint32 start = args.Has(3) ? A::Count(args, 3, 1) : 1;
    qint32 count = args.Has(4) ? args[4].ToLong() : -1;
    if (count < -1)
        ThrowScriptError(RuntimeError::InvalidProcedureCall);
    const Qt::CaseSensitivity sensitivity = Sensitivity(A::TextCompare(args, 5));
    const QString rest = start > text.size() ? QString() : text.mid(start - 1);
    if (find.isEmpty() || count == 0)
        return ScriptValue::FromString(rest);
    // A result longer than the text is measured before it is built.
    qint64 length = rest.size();
    if (with.size() > find.size()) {
        qint32 left = count;
        for (qsizetype at = rest.indexOf(find, 0, sensitivity); at >= 0 && left != 0;
             at = rest.indexOf(find, at + find.size(), sensitivity)) {
            length += with.size() - find.size();
            CheckScriptStringLength(length);
            if (left > 0)
                --left;
        }
    }
    CountScriptItemsMade(length);
    QString result;
    result.reserve(static_cast<qsizetype>(length));
    qsizetype position = 0;
    while (count != 0) {
        const qsizetype found = rest.indexOf(find, position, sensitivity);
        if (found < 0)
            break;
        result += QStringView(rest).mid(position, found - position);
        result += with;
        position = found + find.size();
        if (count > 0)
            --count;
    }
    result += QStringView(rest).mid(position);
    return ScriptValue::FromString(result);
}

// Letter case changes character by character, so the length stays ("ß" stays "ß").
QString ChangeCase(QString text, bool upper)
{
    for (QChar& character : text) {
        if (!character.isSurrogate())
            character = upper ? character.toUpper() : character.toLower();
    }
    return text;
}

ScriptValue UCase(ScriptInterpreter&, ScriptArgs& args)
{
    if (args[0].IsNull())
        return ScriptValue::Null();
    return ScriptValue::FromString(ChangeCase(args[0].ToString(), true));
}

ScriptValue LCase(ScriptInterpreter&, ScriptArgs& args)
{
    if (args[0].IsNull())
        return ScriptValue::Null();
    return ScriptValue::FromString(ChangeCase(args[0].ToString(), false));
}

// VBScript trims spaces only, not tabs or line breaks.
QString TrimSpaces(const QString& text, bool left, bool right)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (left && begin < end && text.at(begin) == QLatin1Char(' '))
        ++begin;
    while (right && end > begin && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.mid(begin, end - begin);
}

ScriptValue Trim(ScriptInterpreter&, ScriptArgs& args)
{
    if (args[0].IsNull())
        return ScriptValue::Null();
    return ScriptValue::FromString(TrimSpaces(args[0].ToString(), true, true));
}

ScriptValue LTrim(ScriptInterpreter&, ScriptArgs& args)
{
    if (args[0].IsNull())
        return ScriptValue::Null();
    return ScriptValue::FromString(TrimSpaces(args[0].ToString(), true, false));
}

ScriptValue RTrim(ScriptInterpreter&, ScriptArgs& args)
{
    if (args[0].IsNull())
        return ScriptValue::Null();
    return ScriptValue::FromString(TrimSpaces(args[0].ToString(), false, true));
}

ScriptValue Split(ScriptInterpreter&, ScriptArgs& args)
{
    if (args[0].IsNull())
        ThrowScriptError(RuntimeError::InvalidUseOfNull);
    const QString text = args[0].ToString();
    const QString delimiter = args.Count() > 1 && !args[1].IsEmpty() ? args[1].ToString() : QStringLiteral(" ");
    const qint32 limit = args.Has(2) ? args[2].ToLong() : -1;
    if (limit < -1)
        ThrowScriptError(RuntimeError::InvalidProcedureCall);
    const Qt::CaseSensitivity sensitivity = Sensitivity(A::TextCompare(args, 3));
    // The parts are counted before any is made, so that a text of too many parts fails
    // without taking memory first.
    qint64 count = 0;
    if (!text.isEmpty() && limit != 0) {
        count = 1;
        const qsizetype first = delimiter.isEmpty() ? -1 : text.indexOf(delimiter, 0, sensitivity);
        for (qsizetype at = first; at >= 0 && (limit < 0 || count < limit);
             at = text.indexOf(delimiter, at + delimiter.size(), sensitivity)) {
            ++count;
            CheckScriptArrayItems(count);
        }
    }
    CountScriptItemsMade(count + text.size());
    std::vector<ScriptValue> parts;
    parts.reserve(static_cast<size_t>(count));
    qsizetype position = 0;
    for (qint64 i = 0; i + 1 < count; ++i) {
        const qsizetype found = text.indexOf(delimiter, position, sensitivity);
        parts.push_back(ScriptValue::FromString(text.mid(position, found - position)));
        position = found + delimiter.size();
    }
    if (count > 0)
        parts.push_back(ScriptValue::FromString(text.mid(position)));
    auto array = ScriptArray::Create({static_cast<int>(parts.size()) - 1});
    array->items = std::move(parts);
    return ScriptValue::FromArray(std::move(array));
}

ScriptValue Join(ScriptInterpreter&, ScriptArgs& args)
{
    if (!args[0].IsArray() || args[0].ArrayValue()->upperBounds.size() > 1)
        ThrowScriptError(RuntimeError::TypeMismatch);
    const QString delimiter = args.Count() > 1 ? args[1].ToString() : QStringLiteral(" ");
    // The items' texts (shared with the items where they are texts) are measured first.
    const std::vector<ScriptValue>& items = args[0].ArrayValue()->items;
    std::vector<QString> texts;
    texts.reserve(items.size());
    qint64 length = 0;
    for (const ScriptValue& item : items) {
        texts.push_back(item.ToConcatString());
        length += texts.back().size() + (texts.size() > 1 ? delimiter.size() : 0);
        CheckScriptStringLength(length);
    }
    CountScriptItemsMade(length);
    QString result;
    result.reserve(static_cast<qsizetype>(length));
    for (size_t i = 0; i < texts.size(); ++i) {
        if (i > 0)
            result += delimiter;
        result += texts[i];
    }
    return ScriptValue::FromString(result);
}

ScriptValue Space(ScriptInterpreter&, ScriptArgs& args)
{
    const qint32 count = A::Count(args, 0, 0);
    CheckScriptStringLength(count);
    CountScriptItemsMade(count);
    return ScriptValue::FromString(QString(count, QLatin1Char(' ')));
}

ScriptValue StringOf(ScriptInterpreter&, ScriptArgs& args)
{
    const qint32 count = A::Count(args, 0, 0);
    CheckScriptStringLength(count);
    CountScriptItemsMade(count);
    if (args[1].IsNull())
        return ScriptValue::Null();
    QChar character;
    if (args[1].IsString()) {
        if (args[1].StringValue().isEmpty())
            ThrowScriptError(RuntimeError::InvalidProcedureCall);
        character = args[1].StringValue().at(0);
    } else {
        character = QChar(static_cast<char16_t>(args[1].ToLong() & 0xFF));
    }
    return ScriptValue::FromString(QString(count, character));
}

ScriptValue StrComp(ScriptInterpreter&, ScriptArgs& args)
{
    if (AnyNull(args, 2))
        return ScriptValue::Null();
    const int result = QString::compare(args[0].ToString(), args[1].ToString(), Sensitivity(A::TextCompare(args, 2)));
    return ScriptValue::FromInt(result < 0 ? -1 : result > 0 ? 1 : 0);
}

ScriptValue StrReverse(ScriptInterpreter&, ScriptArgs& args)
{
    if (args[0].IsNull())
        ThrowScriptError(RuntimeError::InvalidUseOfNull);
    QString text = args[0].ToString();
    std::reverse(text.begin(), text.end());
    return ScriptValue::FromString(text);
}

ScriptValue Chr(ScriptInterpreter&, ScriptArgs& args)
{
    const qint32 code = args[0].ToLong();
    if (code < 0 || code > 255)
        ThrowScriptError(RuntimeError::InvalidProcedureCall);
    return ScriptValue::FromString(QString(QChar(static_cast<char16_t>(code))));
}

ScriptValue ChrW(ScriptInterpreter&, ScriptArgs& args)
{
    qint32 code = args[0].ToLong();
    if (code < -32768 || code > 65535)
        ThrowScriptError(RuntimeError::InvalidProcedureCall);
    return ScriptValue::FromString(QString(QChar(static_cast<char16_t>(code & 0xFFFF))));
}

ScriptValue Asc(ScriptInterpreter&, ScriptArgs& args)
{
    const QString text = args[0].ToString();
    if (text.isEmpty())
        ThrowScriptError(RuntimeError::InvalidProcedureCall);
    return ScriptValue::FromInt(text.at(0).unicode());
}

constexpr ScriptBuiltin kTextBuiltins[] = {
    {"len", 1, 1, &Len},
    {"left", 2, 2, &Left},
    {"right", 2, 2, &Right},
    {"mid", 2, 3, &Mid},
    {"instr", 2, 4, &InStr},
    {"instrrev", 2, 4, &InStrRev},
    {"replace", 3, 6, &Replace},
    {"ucase", 1, 1, &UCase},
    {"lcase", 1, 1, &LCase},
    {"trim", 1, 1, &Trim},
    {"ltrim", 1, 1, &LTrim},
    {"rtrim", 1, 1, &RTrim},
    {"split", 1, 4, &Split},
    {"join", 1, 2, &Join},
    {"space", 1, 1, &Space},
    {"string", 2, 2, &StringOf},
    {"strcomp", 2, 3, &StrComp},
    {"strreverse", 1, 1, &StrReverse},
    {"chr", 1, 1, &Chr},
    {"chrw", 1, 1, &ChrW},
    {"asc", 1, 1, &Asc},
    {"ascw", 1, 1, &Asc},
};

}  // namespace

std::span<const ScriptBuiltin> TextBuiltins()
{
    return kTextBuiltins;
}

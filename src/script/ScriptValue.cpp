#include "script/ScriptValue.h"

#include "base/Rounding.h"
#include "base/RuntimeErrors.h"
#include "script/ScriptError.h"
#include "script/ScriptObject.h"

#include <QDateTime>

#include <cmath>
#include <cstdio>

namespace {

thread_local qint64 t_itemsMade = 0;

}  // namespace

void CountScriptItemsMade(qint64 count)
{
    t_itemsMade += count;
}

qint64 ScriptItemsMade()
{
    return t_itemsMade;
}

void CheckScriptStringLength(qint64 length)
{
    if (length > kMaxScriptStringLength)
        ThrowScriptError(RuntimeError::OutOfStringSpace);
}

void CheckScriptArrayItems(qint64 count)
{
    if (count > kMaxScriptArrayItems)
        ThrowScriptError(RuntimeError::OutOfMemory);
}

void ScriptValue::ReleaseOwned()
{
    switch (m_type) {
    case ScriptType::String:
        m_string.~QString();
        break;
    case ScriptType::Object:
        m_object.~shared_ptr();
        break;
    case ScriptType::Array:
        m_array.~shared_ptr();
        break;
    default:
        break;
    }
    m_type = ScriptType::Empty;
    m_bits = 0;
}

void ScriptValue::CopyFrom(const ScriptValue& other)
{
    m_type = other.m_type;
    switch (m_type) {
    case ScriptType::String:
        new (&m_string) QString(other.m_string);
        break;
    case ScriptType::Object:
        new (&m_object) std::shared_ptr<ScriptObject>(other.m_object);
        break;
    case ScriptType::Array:
        new (&m_array) std::shared_ptr<ScriptArray>(other.m_array);
        break;
    default:
        m_bits = other.m_bits;
        break;
    }
}

void ScriptValue::MoveFrom(ScriptValue& other)
{
    m_type = other.m_type;
    switch (m_type) {
    case ScriptType::String:
        new (&m_string) QString(std::move(other.m_string));
        other.m_string.~QString();
        break;
    case ScriptType::Object:
        new (&m_object) std::shared_ptr<ScriptObject>(std::move(other.m_object));
        other.m_object.~shared_ptr();
        break;
    case ScriptType::Array:
        new (&m_array) std::shared_ptr<ScriptArray>(std::move(other.m_array));
        other.m_array.~shared_ptr();
        break;
    default:
        m_bits = other.m_bits;
        return;
    }
    other.m_type = ScriptType::Empty;
    other.m_bits = 0;
}

const QString& ScriptValue::EmptyString()
{
    static const QString empty;
    return empty;
}

const std::shared_ptr<ScriptObject>& ScriptValue::NoObject()
{
    static const std::shared_ptr<ScriptObject> none;
    return none;
}

const std::shared_ptr<ScriptArray>& ScriptValue::NoArray()
{
    static const std::shared_ptr<ScriptArray> none;
    return none;
}

ScriptValue ScriptValue::Null()
{
    ScriptValue value;
    value.m_type = ScriptType::Null;
    return value;
}

ScriptValue ScriptValue::Nothing()
{
    ScriptValue value;
    new (&value.m_object) std::shared_ptr<ScriptObject>();
    value.m_type = ScriptType::Object;
    return value;
}

ScriptValue ScriptValue::FromBool(bool b)
{
    ScriptValue value;
    value.m_type = ScriptType::Boolean;
    value.m_bool = b;
    return value;
}

ScriptValue ScriptValue::FromInt(qint64 number)
{
    ScriptValue value;
    if (number >= -32768 && number <= 32767) {
        value.m_type = ScriptType::Integer;
        value.m_int = static_cast<qint32>(number);
    } else if (number >= INT32_MIN && number <= INT32_MAX) {
        value.m_type = ScriptType::Long;
        value.m_int = static_cast<qint32>(number);
    } else {
        value.m_type = ScriptType::Double;
        value.m_double = static_cast<double>(number);
    }
    return value;
}

ScriptValue ScriptValue::FromLong(qint32 number)
{
    ScriptValue value;
    value.m_type = ScriptType::Long;
    value.m_int = number;
    return value;
}

ScriptValue ScriptValue::FromDouble(double number)
{
    ScriptValue value;
    value.m_type = ScriptType::Double;
    value.m_double = number;
    return value;
}

ScriptValue ScriptValue::FromDate(double days)
{
    ScriptValue value;
    value.m_type = ScriptType::Date;
    value.m_double = days;
    return value;
}

ScriptValue ScriptValue::FromString(QString text)
{
    ScriptValue value;
    new (&value.m_string) QString(std::move(text));
    value.m_type = ScriptType::String;
    return value;
}

ScriptValue ScriptValue::FromObject(std::shared_ptr<ScriptObject> object)
{
    ScriptValue value;
    new (&value.m_object) std::shared_ptr<ScriptObject>(std::move(object));
    value.m_type = ScriptType::Object;
    return value;
}

ScriptValue ScriptValue::FromArray(std::shared_ptr<ScriptArray> array)
{
    ScriptValue value;
    new (&value.m_array) std::shared_ptr<ScriptArray>(std::move(array));
    value.m_type = ScriptType::Array;
    return value;
}

bool ScriptValue::IsNumeric() const
{
    switch (m_type) {
    case ScriptType::Empty:
    case ScriptType::Integer:
    case ScriptType::Long:
    case ScriptType::Double:
    case ScriptType::Date:
    case ScriptType::Boolean:
        return true;
    default:
        return false;
    }
}

ScriptArray& ScriptValue::MutableArray()
{
    if (m_array.use_count() > 1)
        m_array = std::make_shared<ScriptArray>(*m_array);
    return *m_array;
}

ScriptValue ScriptValue::Dereferenced() const
{
    if (m_type != ScriptType::Object)
        return *this;
    if (!m_object)
        ThrowScriptError(RuntimeError::ObjectNotSet);
    return m_object->DefaultValue();
}

double ScriptValue::ToDouble() const
{
    switch (m_type) {
    case ScriptType::Empty:
        return 0;
    case ScriptType::Integer:
    case ScriptType::Long:
        return m_int;
    case ScriptType::Double:
    case ScriptType::Date:
        return m_double;
    case ScriptType::Boolean:
        return m_bool ? -1 : 0;
    case ScriptType::String: {
        double number = 0;
        if (!ParseScriptNumber(m_string, number))
            ThrowScriptErrorFor(RuntimeError::TypeMismatch, m_string);
        return number;
    }
    case ScriptType::Null:
        ThrowScriptError(RuntimeError::InvalidUseOfNull);
    case ScriptType::Object:
        return Dereferenced().ToDouble();
    case ScriptType::Array:
        break;
    }
    ThrowScriptError(RuntimeError::TypeMismatch);
}

qint32 ScriptValue::ToLong() const
{
    if (m_type == ScriptType::Integer || m_type == ScriptType::Long)
        return m_int;
    const double rounded = RoundHalfEvenValue(ToDouble());
    if (!(rounded >= INT32_MIN && rounded <= INT32_MAX))
        ThrowScriptError(RuntimeError::Overflow);
    return static_cast<qint32>(rounded);
}

qint32 ScriptValue::ToInteger() const
{
    const qint32 number = ToLong();
    if (number < -32768 || number > 32767)
        ThrowScriptError(RuntimeError::Overflow);
    return number;
}

bool ScriptValue::ToBool() const
{
    switch (m_type) {
    case ScriptType::Boolean:
        return m_bool;
    case ScriptType::String:
        if (m_string.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
            return true;
        if (m_string.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
            return false;
        return ToDouble() != 0;
    default:
        return ToDouble() != 0;
    }
}

QString ScriptValue::ToString() const
{
    switch (m_type) {
    case ScriptType::Empty:
        return QString();
    case ScriptType::String:
        return m_string;
    case ScriptType::Integer:
    case ScriptType::Long:
        return QString::number(m_int);
    case ScriptType::Double:
        return FormatScriptDouble(m_double);
    case ScriptType::Boolean:
        return m_bool ? QStringLiteral("True") : QStringLiteral("False");
    case ScriptType::Date: {
        const qint64 msecs = static_cast<qint64>(std::llround(m_double * 86400000.0));
        const QDateTime base(QDate(1899, 12, 30), QTime(0, 0));
        const QDateTime moment = base.addMSecs(msecs);
        if (moment.time() == QTime(0, 0))
            return moment.toString(QStringLiteral("M/d/yyyy"));
        if (std::fabs(m_double) < 1)
            return moment.toString(QStringLiteral("h:mm:ss AP"));
        return moment.toString(QStringLiteral("M/d/yyyy h:mm:ss AP"));
    }
    case ScriptType::Null:
        ThrowScriptError(RuntimeError::InvalidUseOfNull);
    case ScriptType::Object:
        return Dereferenced().ToString();
    case ScriptType::Array:
        break;
    }
    ThrowScriptError(RuntimeError::TypeMismatch);
}

QString ScriptValue::ToConcatString() const
{
    if (m_type == ScriptType::Null || m_type == ScriptType::Empty)
        return QString();
    return ToString();
}

QString ScriptValue::TypeName() const
{
    switch (m_type) {
    case ScriptType::Empty:
        return QStringLiteral("Empty");
    case ScriptType::Null:
        return QStringLiteral("Null");
    case ScriptType::Integer:
        return QStringLiteral("Integer");
    case ScriptType::Long:
        return QStringLiteral("Long");
    case ScriptType::Double:
        return QStringLiteral("Double");
    case ScriptType::Date:
        return QStringLiteral("Date");
    case ScriptType::String:
        return QStringLiteral("String");
    case ScriptType::Boolean:
        return QStringLiteral("Boolean");
    case ScriptType::Object:
        return m_object ? m_object->TypeName() : QStringLiteral("Nothing");
    case ScriptType::Array:
        return QStringLiteral("Variant()");
    }
    return QString();
}

std::shared_ptr<ScriptArray> ScriptArray::Create(const std::vector<int>& upperBounds)
{
    auto array = std::make_shared<ScriptArray>();
    array->Resize(upperBounds, false);
    return array;
}

ScriptValue& ScriptArray::At(const std::vector<ScriptValue>& indexes)
{
    if (indexes.size() != upperBounds.size())
        ThrowScriptError(RuntimeError::SubscriptOutOfRange);
    size_t offset = 0;
    size_t stride = 1;
    for (size_t dimension = 0; dimension < indexes.size(); ++dimension) {
        const qint32 index = indexes[dimension].ToLong();
        if (index < 0 || index > upperBounds[dimension])
            ThrowScriptError(RuntimeError::SubscriptOutOfRange);
        offset += static_cast<size_t>(index) * stride;
        stride *= static_cast<size_t>(upperBounds[dimension]) + 1;
    }
    return items[offset];
}

void ScriptArray::Resize(const std::vector<int>& newUpperBounds, bool preserve)
{
    size_t count = newUpperBounds.empty() ? 0 : 1;
    for (int bound : newUpperBounds) {
        if (bound < -1)
            ThrowScriptError(RuntimeError::SubscriptOutOfRange);
        count *= static_cast<size_t>(bound + 1);
        CheckScriptArrayItems(static_cast<qint64>(count));
    }
    CountScriptItemsMade(static_cast<qint64>(count));
    if (preserve && !upperBounds.empty()) {
        if (newUpperBounds.size() != upperBounds.size())
            ThrowScriptError(RuntimeError::SubscriptOutOfRange);
        for (size_t dimension = 0; dimension + 1 < upperBounds.size(); ++dimension) {
            if (newUpperBounds[dimension] != upperBounds[dimension])
                ThrowScriptError(RuntimeError::SubscriptOutOfRange);
        }
        // The last dimension varies slowest, so the kept items stay at the front.
        items.resize(count);
    } else {
        items.assign(count, ScriptValue());
    }
    upperBounds = newUpperBounds;
}

bool ParseScriptNumber(const QString& text, double& value)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return false;
    if (trimmed.startsWith(QLatin1Char('&')) && trimmed.size() > 2) {
        const QChar kind = trimmed.at(1).toLower();
        const int base = kind == QLatin1Char('h') ? 16 : kind == QLatin1Char('o') ? 8 : 0;
        if (base == 0)
            return false;
        bool ok = false;
        const qulonglong number = trimmed.mid(2).toULongLong(&ok, base);
        if (!ok || number > 0xFFFFFFFFull)
            return false;
        // Hexadecimal text is a 32-bit pattern, so &HFFFFFFFF is -1 (and &HFFFF is -1 too).
        value = number <= 0xFFFF ? static_cast<qint16>(number) : static_cast<qint32>(number);
        return true;
    }
    bool ok = false;
    value = trimmed.toDouble(&ok);
    if (ok)
        return std::isfinite(value);
    return false;
}

QString FormatScriptDouble(double value)
{
    if (value == 0)
        return QStringLiteral("0");
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.15G", value);
    return QString::fromLatin1(buffer);
}

#include "options/OptionValue.h"

#include "base/Rounding.h"

#include <cmath>
#include <limits>

namespace {

std::optional<double> ParseNumber(const QString& text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<bool> ParseBool(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (trimmed.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0)
        return false;
    if (const auto number = ParseNumber(trimmed))
        return *number != 0.0;
    return std::nullopt;
}

template <typename T> std::optional<T> ParseInteger(const QString& text)
{
    const auto number = ParseNumber(text);
    if (!number)
        return std::nullopt;
    const double rounded = RoundHalfEvenValue(*number);
    if (rounded < static_cast<double>(std::numeric_limits<T>::min())
        || rounded > static_cast<double>(std::numeric_limits<T>::max()))
        return std::nullopt;
    return static_cast<T>(rounded);
}

std::optional<float> ParseSingle(const QString& text)
{
    const auto number = ParseNumber(text);
    if (!number || std::fabs(*number) > static_cast<double>(std::numeric_limits<float>::max()))
        return std::nullopt;
    return static_cast<float>(*number);
}

template <typename T> bool Store(T* target, const std::optional<T>& value)
{
    if (!value)
        return false;
    *target = *value;
    return true;
}

}  // namespace

OptionType TypeOf(const OptionRef& ref)
{
    struct Visitor {
        OptionType operator()(std::monostate) const { return OptionType::Text; }
        OptionType operator()(QString*) const { return OptionType::Text; }
        OptionType operator()(bool*) const { return OptionType::Boolean; }
        OptionType operator()(uint8_t*) const { return OptionType::Byte; }
        OptionType operator()(int16_t*) const { return OptionType::Integer; }
        OptionType operator()(int32_t*) const { return OptionType::Long; }
        OptionType operator()(float*) const { return OptionType::Single; }
        OptionType operator()(double*) const { return OptionType::Decimal; }
    };
    return std::visit(Visitor{}, ref);
}

bool AssignOptionText(const OptionRef& ref, const QString& text)
{
    struct Visitor {
        const QString& text;
        bool operator()(std::monostate) const { return false; }
        bool operator()(QString* target) const
        {
            *target = text;
            return true;
        }
        bool operator()(bool* target) const { return Store(target, ParseBool(text)); }
        bool operator()(uint8_t* target) const { return Store(target, ParseInteger<uint8_t>(text)); }
        bool operator()(int16_t* target) const { return Store(target, ParseInteger<int16_t>(text)); }
        bool operator()(int32_t* target) const { return Store(target, ParseInteger<int32_t>(text)); }
        bool operator()(float* target) const { return Store(target, ParseSingle(text)); }
        bool operator()(double* target) const { return Store(target, ParseNumber(text)); }
    };
    return std::visit(Visitor{text}, ref);
}

QString OptionText(const OptionRef& ref)
{
    struct Visitor {
        QString operator()(std::monostate) const { return QString(); }
        QString operator()(QString* value) const { return *value; }
        QString operator()(bool* value) const { return BoolText(*value); }
        QString operator()(uint8_t* value) const { return QString::number(*value); }
        QString operator()(int16_t* value) const { return QString::number(*value); }
        QString operator()(int32_t* value) const { return QString::number(*value); }
        QString operator()(float* value) const { return SingleText(*value); }
        QString operator()(double* value) const { return DecimalText(*value); }
    };
    return std::visit(Visitor{}, ref);
}

std::optional<QString> NormalizedOptionText(OptionType type, const QString& text)
{
    QString s;
    bool b = false;
    uint8_t u8 = 0;
    int16_t i16 = 0;
    int32_t i32 = 0;
    float f = 0.0f;
    double d = 0.0;
    OptionRef ref;
    switch (type) {
    case OptionType::Text:
        ref = &s;
        break;
    case OptionType::Boolean:
        ref = &b;
        break;
    case OptionType::Byte:
        ref = &u8;
        break;
    case OptionType::Integer:
        ref = &i16;
        break;
    case OptionType::Long:
        ref = &i32;
        break;
    case OptionType::Single:
        ref = &f;
        break;
    case OptionType::Decimal:
        ref = &d;
        break;
    }
    if (!AssignOptionText(ref, text))
        return std::nullopt;
    return OptionText(ref);
}

QString BoolText(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

QString SingleText(float value)
{
    // Whole numbers (the usual twips) without exponent or fraction; others with the seven
    // significant digits a single holds.
    if (value == std::trunc(value) && std::fabs(value) < 1e9f)
        return QString::number(static_cast<qint64>(value));
    return QString::number(static_cast<double>(value), 'g', 7);
}

QString DecimalText(double value)
{
    if (value == std::trunc(value) && std::fabs(value) < 1e15)
        return QString::number(static_cast<qint64>(value));
    return QString::number(value, 'g', 15);
}

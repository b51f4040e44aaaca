#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <variant>

// The types of the option table and the text forms they are stored in: booleans "True" /
// "False", numbers in decimal, single-precision twips as decimal numbers.
enum class OptionType { Text, Boolean, Byte, Integer, Long, Single, Decimal };

// Where an option lives in memory; the pointer type matches the option's type
// (Byte = uint8_t, Integer = int16_t, Long = int32_t, Single = float, Decimal = double).
using OptionRef = std::variant<std::monostate, QString*, bool*, uint8_t*, int16_t*, int32_t*, float*, double*>;

// Whether a reference names a value (the empty one does not).
inline bool IsHeld(const OptionRef& ref)
{
    return !std::holds_alternative<std::monostate>(ref);
}

// The type a reference stands for; Text for an empty reference.
OptionType TypeOf(const OptionRef& ref);

// Converts stored text to the type: booleans accept "True"/"False" in any letter case and
// decimal numbers (0 is false); numbers accept decimal text with a fraction, rounded halves
// to even. Empty optional when the text does not convert or overflows the type.
std::optional<QString> NormalizedOptionText(OptionType type, const QString& text);

// Assigns text converted to the reference's type; false (and the value untouched) when the
// text does not convert or overflows.
bool AssignOptionText(const OptionRef& ref, const QString& text);

// The stored text form of the referenced value.
QString OptionText(const OptionRef& ref);

// Text forms of single values.
QString BoolText(bool value);
QString SingleText(float value);
QString DecimalText(double value);

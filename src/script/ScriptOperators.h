#pragma once

#include "script/ScriptValue.h"

// The operators of the dialect.
enum class ScriptOp : quint8 {
    Add,
    Subtract,
    Multiply,
    Divide,
    IntDivide,
    Mod,
    Power,
    Concat,
    Equal,
    NotEqual,
    Less,
    Greater,
    LessEqual,
    GreaterEqual,
    Is,
    And,
    Or,
    Xor,
    Eqv,
    Imp,
    Negate,
    Not,
};

// Which operand of a comparison is a constant written in the code: VBScript converts a
// constant to the other operand's type before comparing.
enum class LiteralSide : quint8 { None, Left, Right };

// The binary operators with VBScript's type rules: Integer results grow to Long and Long
// results to Double instead of overflowing, "/" and "^" give Doubles, "\" and Mod round
// their operands to whole numbers, Null propagates. Raises script errors.
ScriptValue ApplyBinary(ScriptOp op, const ScriptValue& left, const ScriptValue& right, LiteralSide literal = LiteralSide::None);

// Unary minus and Not.
ScriptValue ApplyUnary(ScriptOp op, const ScriptValue& operand);

// Compares two values: negative, zero or positive; isNull is set when either is Null.
// textCompare compares strings without regard to letter case.
int CompareScriptValues(const ScriptValue& left, const ScriptValue& right, bool textCompare, LiteralSide literal, bool& isNull);

// Equality as Select Case and the = operator see it (Null is never equal).
bool ScriptValuesEqual(const ScriptValue& left, const ScriptValue& right);

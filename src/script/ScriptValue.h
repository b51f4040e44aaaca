#pragma once

#include <QString>

#include <memory>
#include <vector>

class ScriptObject;
struct ScriptArray;

// The variant subtypes the engine knows, numbered as VarType reports them.
enum class ScriptType : quint16 {
    Empty = 0,
    Null = 1,
    Integer = 2,
    Long = 3,
    Double = 5,
    Date = 7,
    String = 8,
    Object = 9,
    Boolean = 11,
    Array = 8204,  // vbArray + vbVariant, kept apart from the numeric subtypes
};

// One script value: a variant with VBScript's subtypes. Integers and Longs share the
// 32-bit field; a Date is a Double counting days since 1899-12-30. Arrays are values
// (copied on write); objects are shared; an Object value without object is Nothing.
class ScriptValue {
public:
    ScriptValue()
        : m_bits(0)
    {
    }
    ScriptValue(const ScriptValue& other)
    {
        if (Owns(other.m_type)) {
            CopyFrom(other);
        } else {
            m_type = other.m_type;
            m_bits = other.m_bits;
        }
    }
    ScriptValue(ScriptValue&& other) noexcept
    {
        if (Owns(other.m_type)) {
            MoveFrom(other);
        } else {
            m_type = other.m_type;
            m_bits = other.m_bits;
        }
    }
    ScriptValue& operator=(const ScriptValue& other)
    {
        if (this != &other) {
            if (!Owns(m_type) && !Owns(other.m_type)) {
                m_type = other.m_type;
                m_bits = other.m_bits;
                return *this;
            }
            ScriptValue copy(other);
            Release();
            MoveFrom(copy);
        }
        return *this;
    }
    ScriptValue& operator=(ScriptValue&& other) noexcept
    {
        if (this != &other) {
            Release();
            if (Owns(other.m_type)) {
                MoveFrom(other);
            } else {
                m_type = other.m_type;
                m_bits = other.m_bits;
            }
        }
        return *this;
    }
    ~ScriptValue() { Release(); }

    static ScriptValue Null();
    static ScriptValue Nothing();
    static ScriptValue FromBool(bool value);
    static ScriptValue FromInt(qint64 value);  // Integer, Long or Double by size
    static ScriptValue FromLong(qint32 value);
    static ScriptValue FromDouble(double value);
    static ScriptValue FromDate(double value);
    static ScriptValue FromString(QString value);
    static ScriptValue FromObject(std::shared_ptr<ScriptObject> object);
    static ScriptValue FromArray(std::shared_ptr<ScriptArray> array);

    ScriptType type() const { return m_type; }
    bool IsEmpty() const { return m_type == ScriptType::Empty; }
    bool IsNull() const { return m_type == ScriptType::Null; }
    bool IsString() const { return m_type == ScriptType::String; }
    bool IsObject() const { return m_type == ScriptType::Object; }
    bool IsNothing() const { return m_type == ScriptType::Object && !m_object; }
    bool IsArray() const { return m_type == ScriptType::Array; }
    bool IsIntegral() const { return m_type == ScriptType::Integer || m_type == ScriptType::Long; }
    bool IsNumeric() const;  // Integer, Long, Double, Date, Boolean, Empty

    // Raw access; valid for the matching subtype only.
    qint32 IntValue() const { return m_int; }
    double DoubleValue() const { return m_double; }
    bool BoolValue() const { return m_bool; }
    const QString& StringValue() const { return IsString() ? m_string : EmptyString(); }
    QString& StringRef() { return m_string; }  // String subtype only
    const std::shared_ptr<ScriptObject>& ObjectValue() const { return IsObject() ? m_object : NoObject(); }
    const std::shared_ptr<ScriptArray>& ArrayValue() const { return IsArray() ? m_array : NoArray(); }
    // The array for writing: copied first when another value shares it.
    ScriptArray& MutableArray();

    // Conversions with VBScript's rules; they raise Type mismatch, Overflow or Invalid use
    // of Null as VBScript does.
    double ToDouble() const;
    qint32 ToLong() const;     // rounds halves to even; Overflow outside 32 bits
    qint32 ToInteger() const;  // the same, within 16 bits
    bool ToBool() const;
    QString ToString() const;  // Null raises Invalid use of Null
    // The text of a value for concatenation: Null and Empty give "".
    QString ToConcatString() const;
    // The value an object stands for in an expression (its default property), or itself.
    ScriptValue Dereferenced() const;

    // "Integer", "String", "Nothing", the object's type name...
    QString TypeName() const;

private:
    static const QString& EmptyString();
    static const std::shared_ptr<ScriptObject>& NoObject();
    static const std::shared_ptr<ScriptArray>& NoArray();

    // Only strings, objects and arrays own something; other values copy as plain bits.
    static bool Owns(ScriptType type)
    {
        return type == ScriptType::String || type == ScriptType::Object || type == ScriptType::Array;
    }
    void Release()
    {
        if (Owns(m_type))
            ReleaseOwned();
    }
    void ReleaseOwned();
    void CopyFrom(const ScriptValue& other);
    void MoveFrom(ScriptValue& other);

    ScriptType m_type = ScriptType::Empty;
    union {
        qint64 m_bits;
        qint32 m_int;
        double m_double;
        bool m_bool;
        QString m_string;
        std::shared_ptr<ScriptObject> m_object;
        std::shared_ptr<ScriptArray> m_array;
    };
};

// A VBScript array: bounds are upper bounds per dimension (lower bounds are 0); items are
// stored with the first dimension varying fastest. fixed marks arrays declared with sizes
// by Dim, which ReDim refuses.
struct ScriptArray {
    std::vector<int> upperBounds;
    std::vector<ScriptValue> items;
    bool fixed = false;

    static std::shared_ptr<ScriptArray> Create(const std::vector<int>& upperBounds);
    // The item at the given indexes; Subscript out of range when outside the bounds.
    ScriptValue& At(const std::vector<ScriptValue>& indexes);
    // Changes the bounds; with preserve, items keep their place and only the last
    // dimension may change.
    void Resize(const std::vector<int>& newUpperBounds, bool preserve);
};

// Bounds that keep a script from taking the player's memory: the longest text a script may
// build (characters; longer raises Out of string space) and the most items of an array
// (more raises Out of memory). Whatever makes a text or an array checks them before it
// allocates, and counts what it made: the interpreter charges the characters and items made
// on its thread against its step budget.
inline constexpr qsizetype kMaxScriptStringLength = 64 * 1024 * 1024;
inline constexpr qint64 kMaxScriptArrayItems = 4 * 1024 * 1024;
void CheckScriptStringLength(qint64 length);
void CheckScriptArrayItems(qint64 count);
void CountScriptItemsMade(qint64 count);
// Characters and array items made on this thread so far.
qint64 ScriptItemsMade();

// Parses a number the way VBScript's conversions read text: leading and trailing blanks,
// sign, decimals, exponent, "&H" hexadecimal and "&O" octal. False when text is no number.
bool ParseScriptNumber(const QString& text, double& value);

// The text VBScript gives a Double: up to 15 significant digits, exponent form beyond.
QString FormatScriptDouble(double value);

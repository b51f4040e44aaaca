#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>

#include <cstdint>

// The action codes the player's own AVM1 movies use.
enum class Avm1Op : uint8_t {
    End = 0x00,
    NextFrame = 0x04,
    PrevFrame = 0x05,
    Play = 0x06,
    Stop = 0x07,
    Not = 0x12,
    Pop = 0x17,
    ToNumber = 0x4A,
    GetVariable = 0x1C,
    SetVariable = 0x1D,
    GetProperty = 0x22,
    SetProperty = 0x23,
    Trace = 0x26,
    DefineLocal = 0x3C,
    CallFunction = 0x3D,
    Return = 0x3E,
    NewObject = 0x40,
    InitObject = 0x43,
    Add2 = 0x47,
    Less2 = 0x48,
    Equals2 = 0x49,
    PushDuplicate = 0x4C,
    GetMember = 0x4E,
    SetMember = 0x4F,
    Increment = 0x50,
    CallMethod = 0x52,
    GetUrl = 0x83,
    Push = 0x96,
    Jump = 0x99,
    GetUrl2 = 0x9A,
    DefineFunction = 0x9B,
    If = 0x9D,
    Call = 0x9E,
};

// Assembles AVM1 action records: pushes of typed values, plain actions, GetURL, function
// definitions and branches to named labels, resolved when the bytes are taken.
class Avm1Assembler {
public:
    // Strings are written as they are (the movies the player makes use ASCII or UTF-8).
    Avm1Assembler& PushString(const QByteArray& text);
    // A 32-bit integer value (SWF 5 and later).
    Avm1Assembler& PushInt(int32_t value);
    Avm1Assembler& PushDouble(double value);
    Avm1Assembler& PushBool(bool value);
    Avm1Assembler& PushNull();
    Avm1Assembler& PushUndefined();

    Avm1Assembler& Op(Avm1Op action);

    // Shorthands: name's value onto the stack; value (already pushed) into name.
    Avm1Assembler& GetVariable(const QByteArray& name);
    Avm1Assembler& GetMember(const QByteArray& name);
    // Calls method on the object at the top of the stack; below it: the argument count and
    // the arguments, last argument pushed first.
    Avm1Assembler& CallMethod(const QByteArray& method);

    // GetURL with its two strings (a target "_levelN" loads a movie into that level).
    Avm1Assembler& GetUrl(const QByteArray& url, const QByteArray& target);
    // GetURL2: URL and target from the stack.
    Avm1Assembler& GetUrl2(uint8_t flags = 0);

    // DefineFunction: an empty name leaves the function on the stack.
    Avm1Assembler& DefineFunction(const QByteArray& name, const QList<QByteArray>& parameters, const Avm1Assembler& body);

    // Branches to a label of this assembler (forward or backward).
    Avm1Assembler& Label(const QByteArray& name);
    Avm1Assembler& Jump(const QByteArray& target);
    Avm1Assembler& IfTrue(const QByteArray& target);

    // The action records, branches resolved. An unknown label leaves ok() false.
    QByteArray Bytes() const;
    bool Ok() const;

    // A DoAction tag holding these actions and the End action.
    QByteArray DoActionTag() const;

private:
    Avm1Assembler& Record(Avm1Op action, const QByteArray& body);
    Avm1Assembler& Branch(Avm1Op action, const QByteArray& target);

    struct Fixup {
        qsizetype offsetField;  // position of the 16-bit offset
        QByteArray target;
    };
    QByteArray m_code;
    QMap<QByteArray, qsizetype> m_labels;
    QList<Fixup> m_fixups;
};

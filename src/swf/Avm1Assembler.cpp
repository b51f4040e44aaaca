#include "swf/Avm1Assembler.h"

#include "swf/SwfWriter.h"

#include <cstring>

namespace {

// Push value types.
constexpr uint8_t kPushString = 0;
constexpr uint8_t kPushNull = 2;
constexpr uint8_t kPushUndefined = 3;
constexpr uint8_t kPushBoolean = 5;
constexpr uint8_t kPushDouble = 6;
constexpr uint8_t kPushInteger = 7;

}  // namespace

Avm1Assembler& Avm1Assembler::Record(Avm1Op action, const QByteArray& body)
{
    AppendU8(m_code, static_cast<uint8_t>(action));
    // Codes from 0x80 carry a length and a body; the others are one byte.
    if (static_cast<uint8_t>(action) >= 0x80) {
        AppendU16(m_code, static_cast<uint16_t>(body.size()));
        m_code.append(body);
    }
    return *this;
}

Avm1Assembler& Avm1Assembler::PushString(const QByteArray& text)
{
    QByteArray body;
    AppendU8(body, kPushString);
    AppendString(body, text);
    return Record(Avm1Op::Push, body);
}

Avm1Assembler& Avm1Assembler::PushInt(int32_t value)
{
    QByteArray body;
    AppendU8(body, kPushInteger);
    AppendU32(body, static_cast<uint32_t>(value));
    return Record(Avm1Op::Push, body);
}

Avm1Assembler& Avm1Assembler::PushDouble(double value)
{
    // AVM1 stores a double as its two 32-bit halves, high half first, each little-endian.
    uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    QByteArray body;
    AppendU8(body, kPushDouble);
    AppendU32(body, static_cast<uint32_t>(bits >> 32));
    AppendU32(body, static_cast<uint32_t>(bits & 0xFFFFFFFFu));
    return Record(Avm1Op::Push, body);
}

Avm1Assembler& Avm1Assembler::PushBool(bool value)
{
    QByteArray body;
    AppendU8(body, kPushBoolean);
    AppendU8(body, value ? 1 : 0);
    return Record(Avm1Op::Push, body);
}

Avm1Assembler& Avm1Assembler::PushNull()
{
    QByteArray body;
    AppendU8(body, kPushNull);
    return Record(Avm1Op::Push, body);
}

Avm1Assembler& Avm1Assembler::PushUndefined()
{
    QByteArray body;
    AppendU8(body, kPushUndefined);
    return Record(Avm1Op::Push, body);
}

Avm1Assembler& Avm1Assembler::Op(Avm1Op action)
{
    return Record(action, QByteArray());
}

Avm1Assembler& Avm1Assembler::GetVariable(const QByteArray& name)
{
    return PushString(name).Op(Avm1Op::GetVariable);
}

Avm1Assembler& Avm1Assembler::GetMember(const QByteArray& name)
{
    return PushString(name).Op(Avm1Op::GetMember);
}

Avm1Assembler& Avm1Assembler::CallMethod(const QByteArray& method)
{
    return PushString(method).Op(Avm1Op::CallMethod);
}

Avm1Assembler& Avm1Assembler::GetUrl(const QByteArray& url, const QByteArray& target)
{
    QByteArray body;
    AppendString(body, url);
    AppendString(body, target);
    return Record(Avm1Op::GetUrl, body);
}

Avm1Assembler& Avm1Assembler::GetUrl2(uint8_t flags)
{
    QByteArray body;
    AppendU8(body, flags);
    return Record(Avm1Op::GetUrl2, body);
}

Avm1Assembler& Avm1Assembler::DefineFunction(
    const QByteArray& name, const QList<QByteArray>& parameters, const Avm1Assembler& body)
{
    const QByteArray code = body.Bytes();
    QByteArray head;
    AppendString(head, name);
    AppendU16(head, static_cast<uint16_t>(parameters.size()));
    for (const QByteArray& parameter : parameters)
        AppendString(head, parameter);
    AppendU16(head, static_cast<uint16_t>(code.size()));
    Record(Avm1Op::DefineFunction, head);
    // The function's code follows the record; its size is in the record.
    m_code.append(code);
    return *this;
}

Avm1Assembler& Avm1Assembler::Label(const QByteArray& name)
{
    m_labels.insert(name, m_code.size());
    return *this;
}

Avm1Assembler& Avm1Assembler::Branch(Avm1Op action, const QByteArray& target)
{
    QByteArray body;
    AppendU16(body, 0);
    Record(action, body);
    m_fixups.append({m_code.size() - 2, target});
    return *this;
}

Avm1Assembler& Avm1Assembler::Jump(const QByteArray& target)
{
    return Branch(Avm1Op::Jump, target);
}

Avm1Assembler& Avm1Assembler::IfTrue(const QByteArray& target)
{
    return Branch(Avm1Op::If, target);
}

bool Avm1Assembler::Ok() const
{
    for (const Fixup& fixup : m_fixups) {
        if (!m_labels.contains(fixup.target))
            return false;
    }
    return true;
}

QByteArray Avm1Assembler::Bytes() const
{
    QByteArray code = m_code;
    for (const Fixup& fixup : m_fixups) {
        const auto found = m_labels.constFind(fixup.target);
        if (found == m_labels.constEnd())
            continue;
        // Offsets count from the end of the branch record.
        const auto offset = static_cast<int16_t>(*found - (fixup.offsetField + 2));
        code[fixup.offsetField] = static_cast<char>(static_cast<uint16_t>(offset) & 0xFF);
        code[fixup.offsetField + 1] = static_cast<char>(static_cast<uint16_t>(offset) >> 8);
    }
    return code;
}

QByteArray Avm1Assembler::DoActionTag() const
{
    QByteArray body = Bytes();
    AppendU8(body, static_cast<uint8_t>(Avm1Op::End));
    return EncodeTag(12, body);
}

#pragma once

#include "script/ScriptObject.h"

struct ScriptError;

// The script's Err object: the last error trapped by On Error Resume Next, Clear and Raise.
// Its value in an expression is Number.
class ScriptErrObject : public ScriptObject {
public:
    QString TypeName() const override { return QStringLiteral("ErrObject"); }
    bool HasMember(const QString& lowerName) const override;
    ScriptValue Get(const QString& lowerName, ScriptArgs& args) override;
    void Put(const QString& lowerName, ScriptArgs& args, const ScriptValue& value) override;
    ScriptValue DefaultValue() override { return ScriptValue::FromLong(m_number); }

    void Record(const ScriptError& error);
    void Clear();
    int Number() const { return m_number; }
    const QString& Description() const { return m_description; }
    const QString& Source() const { return m_source; }

    // Err.Source of the engine's own run-time errors.
    static QString RuntimeSource();

private:
    qint32 m_number = 0;
    QString m_description;
    QString m_source;
};

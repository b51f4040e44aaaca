#include "script/ScriptErrObject.h"

#include "base/RuntimeErrors.h"
#include "script/ScriptError.h"

QString ScriptErrObject::RuntimeSource()
{
    return QStringLiteral("VBScript runtime error");
}

bool ScriptErrObject::HasMember(const QString& lowerName) const
{
    return lowerName == QLatin1String("number") || lowerName == QLatin1String("description")
        || lowerName == QLatin1String("source") || lowerName == QLatin1String("clear") || lowerName == QLatin1String("raise")
        || lowerName == QLatin1String("helpfile") || lowerName == QLatin1String("helpcontext");
}

ScriptValue ScriptErrObject::Get(const QString& lowerName, ScriptArgs& args)
{
    if (lowerName == QLatin1String("number"))
        return ScriptValue::FromLong(m_number);
    if (lowerName == QLatin1String("description"))
        return ScriptValue::FromString(m_description);
    if (lowerName == QLatin1String("source"))
        return ScriptValue::FromString(m_source);
    if (lowerName == QLatin1String("helpfile"))
        return ScriptValue::FromString(QString());
    if (lowerName == QLatin1String("helpcontext"))
        return ScriptValue::FromLong(0);
    if (lowerName == QLatin1String("clear")) {
        Clear();
        return ScriptValue();
    }
    if (lowerName == QLatin1String("raise")) {
        if (args.Count() < 1)
            ThrowScriptError(ScriptErrorNumber::WrongArguments);
        // Any number but 0: the script's own errors are usually vbObjectError + n.
        const qint32 number = args[0].ToLong();
        if (number == 0)
            ThrowScriptError(RuntimeError::InvalidProcedureCall);
        ScriptError error;
        error.number = number;
        error.description = args.Has(2) ? args[2].ToString() : ScriptErrorText(number);
        if (args.Has(1))
            error.source = args[1].ToString();
        throw error;
    }
    ThrowScriptErrorFor(RuntimeError::MethodNotSupported, lowerName);
}

void ScriptErrObject::Put(const QString& lowerName, ScriptArgs&, const ScriptValue& value)
{
    if (lowerName == QLatin1String("number"))
        m_number = value.ToLong();
    else if (lowerName == QLatin1String("description"))
        m_description = value.ToString();
    else if (lowerName == QLatin1String("source"))
        m_source = value.ToString();
    else
        ThrowScriptErrorFor(RuntimeError::MethodNotSupported, lowerName);
}

void ScriptErrObject::Record(const ScriptError& error)
{
    m_number = error.number;
    m_description = error.description;
    m_source = error.source.isEmpty() ? RuntimeSource() : error.source;
}

void ScriptErrObject::Clear()
{
    m_number = 0;
    m_description.clear();
    m_source.clear();
}

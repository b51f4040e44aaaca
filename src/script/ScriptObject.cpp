#include "script/ScriptObject.h"

#include "base/RuntimeErrors.h"
#include "script/ScriptError.h"

ScriptArgs::ScriptArgs(std::vector<ScriptValue> values)
{
    Reserve(static_cast<int>(values.size()));
    for (ScriptValue& value : values)
        AddValue(std::move(value));
}

ScriptValue ScriptArgs::Value(int index) const
{
    return index < Count() ? *m_places[index] : ScriptValue();
}

void ScriptArgs::AddValue(ScriptValue value)
{
    m_storage.push_back(std::make_unique<ScriptValue>(std::move(value)));
    m_places.push_back(m_storage.back().get());
}

void ScriptArgs::Reserve(int count)
{
    m_places.reserve(count);
}

ScriptValue ScriptObject::DefaultValue()
{
    ThrowScriptError(RuntimeError::MethodNotSupported);
}

std::vector<ScriptValue> ScriptObject::Items()
{
    ThrowScriptError(ScriptErrorNumber::NotACollection);
}

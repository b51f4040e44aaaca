#include "script/ScriptHostObject.h"

#include "base/RuntimeErrors.h"
#include "script/ScriptError.h"

ScriptHostObject::ScriptHostObject(QString typeName)
    : m_typeName(std::move(typeName))
{
}

ScriptHostObject& ScriptHostObject::AddMethod(const QString& name, Method method, int minArgs, int maxArgs)
{
    Member member;
    member.name = name;
    member.method = std::move(method);
    member.minArgs = minArgs;
    member.maxArgs = maxArgs;
    m_members.insert(name.toLower(), std::move(member));
    return *this;
}

ScriptHostObject& ScriptHostObject::AddProperty(const QString& name, Getter getter, Setter setter)
{
    Member member;
    member.name = name;
    member.getter = std::move(getter);
    member.setter = std::move(setter);
    m_members.insert(name.toLower(), std::move(member));
    return *this;
}

QStringList ScriptHostObject::MemberNames() const
{
    QStringList names;
    for (const Member& member : m_members)
        names.append(member.name);
    names.sort(Qt::CaseInsensitive);
    return names;
}

ScriptValue ScriptHostObject::Get(const QString& lowerName, ScriptArgs& args)
{
    const auto found = m_members.constFind(lowerName);
    if (found == m_members.constEnd())
        ThrowScriptErrorFor(RuntimeError::MethodNotSupported, lowerName);
    const Member& member = *found;
    if (member.method) {
        if (args.Count() < member.minArgs || (member.maxArgs >= 0 && args.Count() > member.maxArgs))
            ThrowScriptErrorFor(ScriptErrorNumber::WrongArguments, member.name);
        return member.method(args);
    }
    if (args.Count() > 0)
        ThrowScriptErrorFor(ScriptErrorNumber::WrongArguments, member.name);
    return member.getter();
}

void ScriptHostObject::Put(const QString& lowerName, ScriptArgs& args, const ScriptValue& value)
{
    const auto found = m_members.constFind(lowerName);
    if (found == m_members.constEnd())
        ThrowScriptErrorFor(RuntimeError::MethodNotSupported, lowerName);
    if (!found->setter || args.Count() > 0)
        ThrowScriptErrorFor(ScriptErrorNumber::WrongArguments, found->name);
    found->setter(value);
}

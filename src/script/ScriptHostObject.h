#pragma once

#include "script/ScriptObject.h"

#include <QHash>
#include <QStringList>

#include <functional>

// A C++ object made visible to scripts by registering its members by name: methods (with
// the accepted number of arguments) and properties (a getter and, when writable, a setter).
// Methods receive the arguments as places, so they can write numbers back to the caller's
// variables (ScriptArgs::Set). A host reports a failure with ThrowScriptError or RaiseError.
class ScriptHostObject : public ScriptObject {
public:
    using Method = std::function<ScriptValue(ScriptArgs& args)>;
    using Getter = std::function<ScriptValue()>;
    using Setter = std::function<void(const ScriptValue& value)>;

    explicit ScriptHostObject(QString typeName);

    // maxArgs -1 accepts any number of arguments from minArgs up.
    ScriptHostObject& AddMethod(const QString& name, Method method, int minArgs = 0, int maxArgs = -1);
    ScriptHostObject& AddProperty(const QString& name, Getter getter, Setter setter = {});
    // The members as registered (their own spelling).
    QStringList MemberNames() const;

    QString TypeName() const override { return m_typeName; }
    bool HasMember(const QString& lowerName) const override { return m_members.contains(lowerName); }
    ScriptValue Get(const QString& lowerName, ScriptArgs& args) override;
    void Put(const QString& lowerName, ScriptArgs& args, const ScriptValue& value) override;

private:
    struct Member {
        QString name;
        Method method;
        Getter getter;
        Setter setter;
        int minArgs = 0;
        int maxArgs = -1;
    };

    QString m_typeName;
    QHash<QString, Member> m_members;
};

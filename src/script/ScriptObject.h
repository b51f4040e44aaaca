#pragma once

#include "script/ScriptValue.h"

#include <QString>

#include <vector>

// The arguments of one call into an object. Each argument is a place: a variable of the
// caller when it passed one (so that a method may write a number back, as ByRef arguments
// do), otherwise a temporary.
class ScriptArgs {
public:
    ScriptArgs() = default;
    explicit ScriptArgs(std::vector<ScriptValue> values);

    int Count() const { return static_cast<int>(m_places.size()); }
    const ScriptValue& operator[](int index) const { return *m_places[index]; }
    // The argument, or Empty when the call gave fewer.
    ScriptValue Value(int index) const;
    bool Has(int index) const { return index < Count() && !m_places[index]->IsEmpty(); }
    // Writes value back to the caller's variable (or to the temporary).
    void Set(int index, const ScriptValue& value) { *m_places[index] = value; }
    ScriptValue& Place(int index) { return *m_places[index]; }

    // Building the list: a caller's variable, or a value kept in the list's own storage.
    void AddReference(ScriptValue* place) { m_places.push_back(place); }
    void AddValue(ScriptValue value);
    void Reserve(int count);

private:
    std::vector<ScriptValue*> m_places;
    std::vector<std::unique_ptr<ScriptValue>> m_storage;
};

// An object scripts can reach: members are found by name, case-insensitively (names come
// lower-cased). Get reads a property or calls a method; Put assigns a property. Both raise
// script errors (ThrowScriptError) on failure.
class ScriptObject {
public:
    virtual ~ScriptObject() = default;
    virtual QString TypeName() const = 0;
    virtual bool HasMember(const QString& lowerName) const = 0;
    virtual ScriptValue Get(const QString& lowerName, ScriptArgs& args) = 0;
    virtual void Put(const QString& lowerName, ScriptArgs& args, const ScriptValue& value) = 0;
    // The value of the object in an expression; objects without one raise error 438.
    virtual ScriptValue DefaultValue();
    // The items For Each walks; objects that are no collection raise error 451.
    virtual std::vector<ScriptValue> Items();
};

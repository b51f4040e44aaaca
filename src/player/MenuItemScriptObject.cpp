#include "player/MenuItemScriptObject.h"

#include "base/RuntimeErrors.h"
#include "script/ScriptError.h"

#include <QAction>

namespace {

const char* const kMembers[] = {"checked", "enabled", "visible", "caption", "tag", "name"};

}  // namespace

MenuItemScriptObject::MenuItemScriptObject(QAction* item, QString name)
    : m_item(item)
    , m_name(std::move(name))
{
}

QAction& MenuItemScriptObject::Item() const
{
    if (!m_item)
        ThrowScriptErrorFor(ScriptErrorNumber::ObjectRequired, m_name);
    return *m_item;
}

bool MenuItemScriptObject::HasMember(const QString& lowerName) const
{
    for (const char* member : kMembers) {
        if (lowerName == QLatin1String(member))
            return true;
    }
    return false;
}

ScriptValue MenuItemScriptObject::Get(const QString& lowerName, ScriptArgs& args)
{
    if (args.Count() > 0)
        ThrowScriptErrorFor(ScriptErrorNumber::WrongArguments, lowerName);
    QAction& item = Item();
    if (lowerName == QLatin1String("checked"))
        return ScriptValue::FromBool(item.isChecked());
    if (lowerName == QLatin1String("enabled"))
        return ScriptValue::FromBool(item.isEnabled());
    if (lowerName == QLatin1String("visible"))
        return ScriptValue::FromBool(item.isVisible());
    if (lowerName == QLatin1String("caption"))
        return ScriptValue::FromString(item.text());
    if (lowerName == QLatin1String("tag"))
        return ScriptValue::FromString(item.data().toString());
    if (lowerName == QLatin1String("name"))
        return ScriptValue::FromString(m_name);
    ThrowScriptErrorFor(RuntimeError::MethodNotSupported, lowerName);
}

void MenuItemScriptObject::Put(const QString& lowerName, ScriptArgs& args, const ScriptValue& value)
{
    if (args.Count() > 0)
        ThrowScriptErrorFor(ScriptErrorNumber::WrongArguments, lowerName);
    QAction& item = Item();
    if (lowerName == QLatin1String("checked")) {
        const bool checked = value.Dereferenced().ToBool();
        item.setCheckable(true);
        item.setChecked(checked);
    } else if (lowerName == QLatin1String("enabled")) {
        item.setEnabled(value.Dereferenced().ToBool());
    } else if (lowerName == QLatin1String("visible")) {
        item.setVisible(value.Dereferenced().ToBool());
    } else if (lowerName == QLatin1String("caption")) {
        item.setText(value.Dereferenced().ToString());
    } else if (lowerName == QLatin1String("tag")) {
        item.setData(value.Dereferenced().ToString());
    } else {
        ThrowScriptErrorFor(RuntimeError::MethodNotSupported, lowerName);
    }
}

ScriptValue MenuItemScriptObject::DefaultValue()
{
    return ScriptValue::FromString(Item().text());
}

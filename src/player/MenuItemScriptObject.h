#pragma once

#include "script/ScriptObject.h"

#include <QPointer>

class QAction;

// A menu item as scripts see it: Checked, Enabled, Visible, Caption and Tag, read and written
// ("mnuLoop.Checked = True"). An item that no longer exists raises "Object required".
class MenuItemScriptObject : public ScriptObject {
public:
    MenuItemScriptObject(QAction* item, QString name);

    QString TypeName() const override { return QStringLiteral("Menu"); }
    bool HasMember(const QString& lowerName) const override;
    ScriptValue Get(const QString& lowerName, ScriptArgs& args) override;
    void Put(const QString& lowerName, ScriptArgs& args, const ScriptValue& value) override;
    // The item's caption is its value in an expression.
    ScriptValue DefaultValue() override;

private:
    QAction& Item() const;

    QPointer<QAction> m_item;
    QString m_name;
};

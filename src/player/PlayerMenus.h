#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>

class QAction;
class QActionGroup;
class QMenu;
class QMenuBar;
class QWidget;
struct CommandRow;

// The menus of the player window, built from the command table: the menu bar's tree, the two
// pop-up menus (built, shown by their callers), check and radio items, shortcuts, and the items
// of control arrays that are added at run time (recent movies, languages, skins). Every item is
// a QAction named after its row ("mnuOpen"; an array item also carries the property "index") and
// holds its tag as data. A click runs the dispatcher with the item's row and index; the check of
// a "check" item is left to its handler, which toggles it.
class PlayerMenus : public QObject {
    Q_OBJECT

public:
    using Dispatch = std::function<void(const CommandRow& row, int index)>;

    PlayerMenus(QWidget* owner, QMenuBar* bar, Dispatch dispatch);
    ~PlayerMenus() override;

    // An item (a menu's own item for a menu) by name, letter case ignored; nullptr when missing.
    QAction* Item(const QString& name, int index = -1) const;
    QMenu* Menu(const QString& name) const;
    // Every menu: the menu bar's menus, their submenus and the pop-up menus.
    QList<QMenu*> Menus() const;
    // The items of an array in index order.
    QList<QAction*> ArrayItems(const QString& name) const;
    // Adds item index of an array after the array's last item; it runs the array's handler.
    QAction* AddArrayItem(const QString& name, int index, const QString& caption, const QString& tag);
    // Removes the items of an array from index on.
    void RemoveArrayItems(const QString& name, int fromIndex);
    // The row an item was made from (the array's row for a run-time item).
    const CommandRow* RowOf(const QAction* action) const;
    // Every item made from the table, menus included, in table order.
    QList<QAction*> Items() const { return m_ordered; }
    // The menu bar's shortcuts that are no hot keys (F1, F2, F3, F5, F6) work only while it is
    // shown; while it is hidden the handy keys serve them.
    void SetMenuShortcutsActive(bool active);

private:
    static QString Key(const QString& name, int index);
    QAction* MakeItem(const CommandRow& row, QMenu* menu, int index, QAction* before);
    void Connect(QAction* action, const CommandRow& row, int index);

    QWidget* m_owner;
    Dispatch m_dispatch;
    QHash<QString, QAction*> m_items;
    QHash<QString, QMenu*> m_menus;
    QHash<QString, QActionGroup*> m_groups;
    QHash<const QAction*, const CommandRow*> m_rows;
    QList<QAction*> m_ordered;
    QList<QAction*> m_menuShortcuts;
};

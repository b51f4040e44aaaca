#include "player/PlayerMenus.h"

#include "player/PlayerCommands.h"

#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

PlayerMenus::PlayerMenus(QWidget* owner, QMenuBar* bar, Dispatch dispatch)
    : QObject(owner)
    , m_owner(owner)
    , m_dispatch(std::move(dispatch))
{
    for (const CommandRow& row : CommandTable()) {
        if (row.kind == CommandKind::HotKey)
            continue;
        const QString name = QLatin1String(row.name);
        if (row.kind == CommandKind::PopupMenu) {
            auto* popup = new QMenu(owner);
            popup->setObjectName(name);
            popup->menuAction()->setVisible(false);  // shown by its callers, never on the menu bar
            m_menus.insert(name.toLower(), popup);
            continue;
        }
        QMenu* parent = row.parent ? m_menus.value(QString::fromLatin1(row.parent).toLower()) : nullptr;
        if (row.kind == CommandKind::Menu) {
            auto* menu = new QMenu(QString::fromUtf8(row.caption), parent ? static_cast<QWidget*>(parent) : owner);
            menu->setObjectName(name);
            QAction* item = parent ? parent->addMenu(menu) : bar->addMenu(menu);
            item->setObjectName(name);
            m_menus.insert(name.toLower(), menu);
            m_items.insert(Key(name, -1), item);
            m_rows.insert(item, &row);
            m_ordered << item;
            if (row.flags & kDesignDisabled)
                item->setEnabled(false);
            continue;
        }
        if (parent)
            MakeItem(row, parent, row.index, nullptr);
    }
}

PlayerMenus::~PlayerMenus() = default;

QString PlayerMenus::Key(const QString& name, int index)
{
    return index < 0 ? name.toLower() : name.toLower() + QLatin1Char('#') + QString::number(index);
}

QAction* PlayerMenus::MakeItem(const CommandRow& row, QMenu* menu, int index, QAction* before)
{
    const QString name = QLatin1String(row.name);
    auto* action = new QAction(m_owner);
    action->setObjectName(name);
    if (index >= 0)
        action->setProperty("index", index);
    if (row.kind == CommandKind::Separator) {
        action->setSeparator(true);
    } else {
        action->setText(QString::fromUtf8(row.caption));
        if (row.shortcut) {
            action->setShortcut(QKeySequence(QLatin1String(row.shortcut)));
            if (row.hotKey >= 0) {
                // The keys of a hot key are served by the hot key, registered while the player is
                // the active application; the item only shows them.
                action->setShortcutContext(Qt::WidgetShortcut);
            } else {
                // The menu bar's own shortcuts (F1, F2...) work in the whole window while the menu
                // bar is shown.
                m_owner->addAction(action);
                m_menuShortcuts << action;
            }
        }
        if (row.icon)
            action->setProperty("iconName", QLatin1String(row.icon));
        if (row.tag)
            action->setData(QLatin1String(row.tag));
        if (row.kind == CommandKind::Check || row.kind == CommandKind::Radio) {
            action->setCheckable(true);
            action->setChecked(row.flags & kDesignChecked);
        }
        if (row.kind == CommandKind::Radio) {
            const QString groupKey = QString::fromLatin1(row.parent).toLower();
            QActionGroup*& group = m_groups[groupKey];
            if (!group) {
                group = new QActionGroup(this);
                group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
            }
            group->addAction(action);
        }
        if (row.flags & kDesignDisabled)
            action->setEnabled(false);
        if (row.flags & kDesignHidden)
            action->setVisible(false);
        Connect(action, row, index);
    }
    menu->insertAction(before, action);
    m_items.insert(Key(name, index), action);
    m_rows.insert(action, &row);
    m_ordered << action;
    return action;
}

void PlayerMenus::Connect(QAction* action, const CommandRow& row, int index)
{
    connect(action, &QAction::triggered, this, [this, action, &row, index] {
        // The handler decides the check: a click leaves it as it was before.
        if (row.kind == CommandKind::Check)
            action->setChecked(!action->isChecked());
        m_dispatch(row, index);
    });
}

QAction* PlayerMenus::Item(const QString& name, int index) const
{
    if (QAction* item = m_items.value(Key(name, index)))
        return item;
    // A pop-up menu of its own is reached by its menu's item.
    QMenu* popup = index < 0 ? m_menus.value(name.toLower()) : nullptr;
    return popup ? popup->menuAction() : nullptr;
}

QMenu* PlayerMenus::Menu(const QString& name) const
{
    return m_menus.value(name.toLower());
}

QList<QMenu*> PlayerMenus::Menus() const
{
    return m_menus.values();
}

QList<QAction*> PlayerMenus::ArrayItems(const QString& name) const
{
    QList<QAction*> items;
    for (int index = 0;; ++index) {
        QAction* item = Item(name, index);
        if (!item) {
            // Arrays may have gaps at design time (the quality separator is an item of its own).
            if (index > 64 || !Item(name, index + 1))
                break;
            continue;
        }
        items << item;
    }
    return items;
}

QAction* PlayerMenus::AddArrayItem(const QString& name, int index, const QString& caption, const QString& tag)
{
    if (QAction* existing = Item(name, index)) {
        existing->setText(caption);
        existing->setData(tag);
        return existing;
    }
    const QList<QAction*> items = ArrayItems(name);
    if (items.isEmpty())
        return nullptr;
    QAction* last = items.last();
    const CommandRow* row = RowOf(last);
    QMenu* menu = row && row->parent ? Menu(QLatin1String(row->parent)) : nullptr;
    if (!menu)
        return nullptr;
    // After the array's last item: before whatever follows it in the menu.
    const QList<QAction*> actions = menu->actions();
    const qsizetype at = actions.indexOf(last);
    QAction* before = at >= 0 && at + 1 < actions.size() ? actions[at + 1] : nullptr;
    QAction* action = MakeItem(*row, menu, index, before);
    action->setText(caption);
    action->setData(tag);
    action->setEnabled(true);
    action->setVisible(true);
    action->setChecked(false);
    return action;
}

void PlayerMenus::RemoveArrayItems(const QString& name, int fromIndex)
{
    for (QAction* item : ArrayItems(name)) {
        if (item->property("index").toInt() < fromIndex)
            continue;
        m_items.remove(Key(name, item->property("index").toInt()));
        m_rows.remove(item);
        m_menuShortcuts.removeOne(item);
        m_ordered.removeOne(item);
        delete item;
    }
}

void PlayerMenus::SetMenuShortcutsActive(bool active)
{
    for (QAction* action : m_menuShortcuts) {
        const CommandRow* row = RowOf(action);
        if (row && row->shortcut)
            action->setShortcut(active ? QKeySequence(QLatin1String(row->shortcut)) : QKeySequence());
    }
}

const CommandRow* PlayerMenus::RowOf(const QAction* action) const
{
    return m_rows.value(action);
}

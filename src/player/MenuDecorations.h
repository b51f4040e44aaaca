#pragma once

#include "player/PlayerCommands.h"

#include <QHash>
#include <QIcon>
#include <QString>

// The owner-drawn menus' table that AssignMenus fills: each caption with the icon drawn beside
// it (a path without extension: the menu-icon folder, the icon set and the icon name) and the
// kind of mark its item carries ("check", "radio"). A caption keeps its first registration, so
// every item that reads the same caption (the pop-up copies too) shows the same icon.
class MenuDecorations {
public:
    struct Entry {
        QString iconPath;
        CommandKind kind = CommandKind::Plain;
    };

    void Clear();
    void Register(const QString& caption, const QString& iconPath, CommandKind kind);
    const Entry* Find(const QString& caption) const;
    int Count() const { return int(m_entries.size()); }

    // The icon of a caption: its path + ".png", with path + "@2x.png" for dense screens when
    // there is one; an empty icon when the caption has none or its file is missing.
    QIcon IconFor(const QString& caption) const;

private:
    QHash<QString, Entry> m_entries;
    mutable QHash<QString, QIcon> m_icons;  // read once per path
};

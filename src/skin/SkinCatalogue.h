#pragma once

#include <QString>

#include <vector>

// One installed skin: its folder's name (the menu item's tag) and its title (the caption).
struct SkinEntry {
    QString folder;
    QString title;
};

// The skins of a skins folder, in the order of their names (letter case ignored): every folder
// whose name does not start with "-" and whose "skin.xml" loads as an XML document.
std::vector<SkinEntry> ListSkins(const QString& skinsFolder);

// The entry whose folder is name (letter case ignored); -1 when none is.
int FindSkin(const std::vector<SkinEntry>& skins, const QString& name);

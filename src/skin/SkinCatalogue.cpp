#include "skin/SkinCatalogue.h"

#include "base/FileNames.h"
#include "base/XmlDocument.h"
#include "skin/SkinTheme.h"

#include <QDir>

std::vector<SkinEntry> ListSkins(const QString& skinsFolder)
{
    std::vector<SkinEntry> skins;
    const QDir folder(skinsFolder);
    const QStringList names = folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : names) {
        if (name.startsWith(QLatin1Char('-')))
            continue;
        XmlDocument doc;
        if (!doc.load(WithTrailingSlash(NormalizePath(skinsFolder)) + name + QStringLiteral("/skin.xml")))
            continue;
        // The title comes from the root element when it is the theme; any document lists.
        const XmlNode theme = ThemeNode(doc);
        skins.push_back({name, theme.IsNull() ? name : ReadSkinTheme(theme, name).title});
    }
    return skins;
}

int FindSkin(const std::vector<SkinEntry>& skins, const QString& name)
{
    for (size_t i = 0; i < skins.size(); ++i) {
        if (skins[i].folder.compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

#include "common/TestSupport.h"

#include "image/cPNG.h"
#include "player/PlayerCommands.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

// Every icon the menus name is drawn for the default set, rendered for the application tree at
// 16 pixels and at 32 for dense screens, and readable by the program's own PNG decoder.
TEST(MenuIcons, EveryIconOfTheCommandTableIsShippedInTheDefaultSet)
{
    QSet<QString> names{QStringLiteral("pause")};  // mnuPlay's second picture
    for (const CommandRow& row : CommandTable()) {
        if (row.icon)
            names.insert(QLatin1String(row.icon));
    }
    ASSERT_GE(names.size(), 17);
    const QString shipped = AppTreeDir() + QStringLiteral("/Data/Menus/Default/");
    const QString sources = SourceDir() + QStringLiteral("/data/Menus/Default/");
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_TRUE(QFileInfo::exists(sources + name + QStringLiteral(".svg")));
        for (const auto& [suffix, size] : {std::pair{"", 16}, std::pair{"@2x", 32}}) {
            cPNG png;
            EXPECT_EQ(png.LoadPNGFile(shipped + name + QLatin1String(suffix) + QStringLiteral(".png")), 0);
            EXPECT_EQ(png.Width(), size);
            EXPECT_EQ(png.Height(), size);
        }
    }
    // The sources are the set: no picture the menus never show.
    for (const QString& file : QDir(sources).entryList({QStringLiteral("*.svg")}))
        EXPECT_TRUE(names.contains(QFileInfo(file).completeBaseName())) << file.toStdString();
}

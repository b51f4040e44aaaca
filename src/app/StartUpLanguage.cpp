#include "app/StartUpLanguage.h"

#include "lang/Language.h"
#include "lang/UIFont.h"
#include "options/LoadSaveOptions.h"

#include <optional>

void StartUpLanguage(const std::function<bool(const QString&)>& fontInstalled, const OptionSet& set)
{
    double size = 0.0;
    std::optional<double> storedSize;
    if (AssignOptionText(&size, StoredOptionText(QStringLiteral("Window"), QStringLiteral("FontSize"), set)))
        storedSize = size;
    ChooseUIFont(StoredOptionText(QStringLiteral("Window"), QStringLiteral("FontName"), set), storedSize, fontInstalled);
    EnumerateLanguages(StoredOptionText(QStringLiteral("System"), QStringLiteral("Language"), set));
    LoadLanguage();
}

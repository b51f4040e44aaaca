#include "lang/UIFont.h"

#include "options/OptionValue.h"
#include "options/RegistryStore.h"

namespace {
UIFontInfo g_font;
}

UIFontInfo& UIFont()
{
    return g_font;
}

QStringList UIFontCandidates()
{
    return {ReadRegistryString(QStringLiteral("Window"), QStringLiteral("FontName"), QStringLiteral("Century Gothic")),
        QStringLiteral("Lucida Sans Unicode"), QStringLiteral("Tahoma")};
}

QString ChooseUIFontName(const QStringList& candidates, const std::function<bool(const QString&)>& installed)
{
    for (const QString& candidate : candidates) {
        if (installed(candidate))
            return candidate;
    }
    return candidates.isEmpty() ? QString() : candidates.last();
}

void ChooseUIFont(const std::function<bool(const QString&)>& installed)
{
    g_font.name = ChooseUIFontName(UIFontCandidates(), installed);
    AssignOptionText(&g_font.size, ReadRegistryString(QStringLiteral("Window"), QStringLiteral("FontSize"), QStringLiteral("8")));
}

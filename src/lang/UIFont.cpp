#include "lang/UIFont.h"

namespace {
UIFontInfo g_font;
}

UIFontInfo& UIFont()
{
    return g_font;
}

QStringList UIFontCandidates(const QString& storedName)
{
    return {storedName, QStringLiteral("Lucida Sans Unicode"), QStringLiteral("Tahoma")};
}

QString ChooseUIFontName(const QStringList& candidates, const std::function<bool(const QString&)>& installed)
{
    for (const QString& candidate : candidates) {
        if (installed(candidate))
            return candidate;
    }
    return candidates.isEmpty() ? QString() : candidates.last();
}

void ChooseUIFont(
    const QString& storedName, std::optional<double> storedSize, const std::function<bool(const QString&)>& installed)
{
    g_font.name = ChooseUIFontName(UIFontCandidates(storedName), installed);
    if (storedSize)
        g_font.size = *storedSize;
}

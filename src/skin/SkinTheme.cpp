#include "skin/SkinTheme.h"

#include "base/Rounding.h"
#include "base/Version.h"
#include "base/XmlDocument.h"
#include "skin/SkinValues.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

int Pixels(const QString& text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return 0;
    return int(std::clamp<double>(RoundHalfEvenValue(value), 0.0, 32767.0));
}

}  // namespace

XmlNode ThemeNode(const XmlDocument& doc)
{
    const XmlNode root = doc.DocumentElement();
    if (root.IsNull() || root.nodeName().compare(QLatin1String("THEME"), Qt::CaseInsensitive) != 0)
        return XmlNode();
    return root;
}

SkinTheme ReadSkinTheme(const XmlNode& theme, const QString& folderName)
{
    SkinTheme result;
    result.title = theme.Attribute(QStringLiteral("title"), folderName);
    result.build = theme.Attribute(QStringLiteral("build"), result.build);
    result.minWidth = Pixels(theme.Attribute(QStringLiteral("minWidth")));
    result.minHeight = Pixels(theme.Attribute(QStringLiteral("minHeight")));
    result.scriptFile = theme.Attribute(QStringLiteral("scriptFile"), result.scriptFile);
    result.className = theme.Attribute(QStringLiteral("class"), result.className);
    result.hidesMenu = ParseSkinBool(theme.Attribute(QStringLiteral("hidesMenu")), false);
    return result;
}

SkinBuildCheck CheckSkinBuild(int build)
{
    if (build < kOldestSkinBuild)
        return SkinBuildCheck::Outdated;
    if (build > kBuild)
        return SkinBuildCheck::Newer;
    return SkinBuildCheck::Accepted;
}

std::optional<int> SkinBuildNumber(const QString& text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    const double rounded = RoundHalfEvenValue(value);
    if (rounded < std::numeric_limits<int>::min() || rounded > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(rounded);
}

bool IsSkinLibrary(const QString& scriptFile)
{
    return scriptFile.endsWith(QLatin1String(".dll"), Qt::CaseInsensitive);
}

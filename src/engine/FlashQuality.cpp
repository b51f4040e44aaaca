#include "engine/FlashControl.h"

#include <algorithm>
#include <cctype>

namespace {

struct QualityRow {
    int number;
    const char* name;
};

// The control's numbering of its quality settings.
constexpr QualityRow kQualities[] = {
    {0, "Low"},
    {1, "High"},
    {2, "AutoLow"},
    {3, "AutoHigh"},
    {4, "Medium"},
    {5, "Best"},
};

}  // namespace

QString QualityName(int quality)
{
    for (const QualityRow& row : kQualities) {
        if (row.number == quality)
            return QLatin1String(row.name);
    }
    return QString();
}

QString BackgroundDigits(const QString& color)
{
    QString hex = color.trimmed();
    if (hex.startsWith(QLatin1Char('#')))
        hex.remove(0, 1);
    if (hex.isEmpty())
        return QLatin1String("");
    const bool digits = std::all_of(hex.cbegin(), hex.cend(), [](QChar c) { return isxdigit(c.unicode()) != 0; });
    return digits && hex.size() == 6 ? hex.toUpper() : QString();
}

int QualityNumber(const QString& name)
{
    for (const QualityRow& row : kQualities) {
        if (name.compare(QLatin1String(row.name), Qt::CaseInsensitive) == 0)
            return row.number;
    }
    return -1;
}

#include "platform/FlashControl.h"

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

int QualityNumber(const QString& name)
{
    for (const QualityRow& row : kQualities) {
        if (name.compare(QLatin1String(row.name), Qt::CaseInsensitive) == 0)
            return row.number;
    }
    return -1;
}

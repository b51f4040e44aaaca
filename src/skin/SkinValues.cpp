#include "skin/SkinValues.h"

namespace {

int HexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

}  // namespace

uint32_t ParseSkinColor(const QString& text)
{
    QString digits = text;
    digits.remove(QLatin1Char('#'));
    digits = digits.left(6).leftJustified(6, QLatin1Char(' '));
    // "&H00" + BB + GG + RR, read as a hexadecimal number up to its first non-digit.
    const QString hex = QStringLiteral("00") + digits.mid(4, 2) + digits.mid(2, 2) + digits.mid(0, 2);
    uint32_t value = 0;
    for (const QChar c : hex) {
        const int digit = HexDigit(c);
        if (digit < 0)
            break;
        value = value * 16 + uint32_t(digit);
    }
    return value;
}

bool ParseSkinBool(const QString& text, bool fallback)
{
    const QString value = text.trimmed();
    if (value.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (value.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    bool ok = false;
    const double number = value.toDouble(&ok);
    return ok ? number != 0.0 : fallback;
}

#include "base/Version.h"

QString VersionText()
{
    return QStringLiteral("%1 %2.%3.%4").arg(QLatin1String(kAppName)).arg(kVersionMajor).arg(kVersionMinor).arg(kBuild);
}

QString CaptionPrefix()
{
    return QLatin1String(kAppName) + QStringLiteral(" - ");
}

#pragma once

#include "base/ExecutionLog.h"

#include <QString>

// The vendor's addresses: the built-in defaults of the language keys that carry them
// ("Links/Update", "Links/Plus", "Links/Skins", "Links/Languages", "PLAYER/MNUWEB", "FRMABOUT/STRSUPPORT"), so that a language
// file can redirect them.
inline constexpr const char* kVendorHost = "www.vorlen.org";
inline constexpr const char* kVendorHomeUrl = "http://www.vorlen.org";
inline constexpr const char* kUpdatesUrl = "http://www.vorlen.org/updates.xml";
inline constexpr const char* kPlusUrl = "http://www.vorlen.org/plus";
inline constexpr const char* kMoreSkinsUrl = "http://www.vorlen.org/skins";
inline constexpr const char* kMoreLanguagesUrl = "http://www.vorlen.org/languages";
inline constexpr const char* kDownloadUrl = "http://www.vorlen.org/get";

// The two support links of the welcome and about documents, separated by "<BR>".
inline QString SupportLinksHtml()
{
    const QString mail = QLatin1String(kSupportMail);
    const QString host = QLatin1String(kVendorHost);
    return QStringLiteral("<A href=\"mailto:%1\">Support: %1</A><BR><A href=\"%2\">Web Site: %3</A>")
        .arg(mail, QLatin1String(kVendorHomeUrl), host);
}

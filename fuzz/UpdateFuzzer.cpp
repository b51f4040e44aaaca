#include "FuzzSupport.h"

#include "base/Version.h"
#include "base/XmlDocument.h"
#include "update/UpdateInfo.h"

#include <QDate>

#include <limits>

// The update information document as the update check reads a downloaded one: the body taken as
// UTF-8 and parsed, then read against this program's build and against the oldest baseline (so
// that every entry counts), the way the dialog takes the report; the lines it would show joined.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzWorld::Get();
    XmlDocument document;
    if (!document.loadXML(InputText(data, size)))
        return 0;
    for (const int32_t baseline : {int32_t(kBuild), int32_t(0), std::numeric_limits<int32_t>::min()}) {
        UpdateReport report;
        QString failure;
        if (ReadUpdateInfo(document, baseline, report, failure))
            report.details.join(QLatin1Char('\n'));
    }
    return 0;
}

#include "browser/ExtractSummary.h"

#include "lang/LangText.h"

namespace {

struct KindText {
    const char* key;
    const char* defaultText;
};

// In counter order: JPEG, PNG, Event, Stream, Video.
const KindText kKindTexts[kResourceKindCount] = {
    {"frmDecompiler/strJPEGs", "JPEG Images:"},
    {"frmDecompiler/strPNGs", "PNG Images:"},
    {"frmDecompiler/strMP3s", "Event MP3s:"},
    {"frmDecompiler/strStreams", "MP3 Streams:"},
    {"frmDecompiler/strVideos", "Video Streams:"},
};

const QString kCrLf = QStringLiteral("\r\n");

}  // namespace

QString ExtractSummaryText(const ExtractCounters& counters)
{
    QString text;
    for (int i = 0; i < kResourceKindCount; ++i) {
        if (counters.value[i] > 0) {
            text += kCrLf + LangText(QLatin1String(kKindTexts[i].key), QLatin1String(kKindTexts[i].defaultText))
                + QLatin1Char(' ') + QString::number(counters.value[i]);
        }
    }
    if (text.isEmpty())
        text = kCrLf + LangText(QStringLiteral("frmDecompiler/strNoResult"), QStringLiteral("No resources were extracted"));
    return text;
}

QString ExtractSummaryHeading(bool cancelled)
{
    return cancelled ? LangText(QStringLiteral("frmDecompiler/strCancel"), QStringLiteral("Resource Extraction Cancelled!"))
                     : LangText(QStringLiteral("frmDecompiler/strDone"), QStringLiteral("Resource Extraction Complete!"));
}

QString ExtractSummaryMessage(const ExtractCounters& counters, bool cancelled)
{
    return ExtractSummaryHeading(cancelled) + kCrLf + ExtractSummaryText(counters);
}

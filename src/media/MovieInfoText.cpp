#include "media/MovieInfoText.h"

#include "base/FileNames.h"
#include "base/Rounding.h"
#include "base/ShellServices.h"
#include "media/MediaFileInfo.h"

#include <QFileInfo>
#include <QLocale>

#include <cmath>

namespace {

QString Text(const InfoTextLookup& lookup, const QString& key, const char* defaultText)
{
    const QString fallback = QLatin1String(defaultText);
    return lookup ? lookup(key, fallback) : fallback;
}

QString Form(const InfoTextLookup& lookup, const char* name, const char* defaultText)
{
    return Text(lookup, QStringLiteral("frmInfo/") + QLatin1String(name), defaultText);
}

// A number as the box shows it: the user's decimal separator, never a group separator.
QString Number(double value)
{
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale.toString(value, 'g', 15);
}

// FileSize as a percentage of the expanded size, to one decimal (halves to even); false when
// the expanded size is 0 and no share can be given.
bool Percentage(const MediaFileInfo& info, QString* text)
{
    if (info.UncompressedSize == 0)
        return false;
    const double share = static_cast<double>(info.FileSize) / info.UncompressedSize * 100.0;
    *text = Number(RoundHalfEvenValue(share * 10.0) / 10.0);
    return true;
}

}  // namespace

QString DamageText(const MovieDamage& damage, const InfoTextLookup& lookup)
{
    switch (damage.kind) {
    case MovieDamageKind::HeaderCut:
        return Form(lookup, "strHeaderCut", "the movie header is cut short");
    case MovieDamageKind::CutShort:
        return Form(lookup, "strCutShort", "cut short")
            + QStringLiteral(" (%1 of %2 bytes)").arg(damage.dataLength).arg(damage.statedLength);
    case MovieDamageKind::TagPastEnd:
        return Form(lookup, "strTagPastEnd", "a tag runs past the end")
            + (damage.tagCode >= 0 ? QStringLiteral(" (tag %1)").arg(damage.tagCode) : QString());
    case MovieDamageKind::StreamDamaged:
        return Form(lookup, "strStreamDamaged", "the compressed data is damaged");
    case MovieDamageKind::NotChecked:
    case MovieDamageKind::Whole:
        break;
    }
    return QString();
}

QString FormatTime(double frames, double framesPerSecond)
{
    if (framesPerSecond == 0 || !std::isfinite(frames / framesPerSecond))
        return QStringLiteral("0:00");
    const double t = frames / framesPerSecond;
    const int64_t seconds = RoundHalfEven(t) % 60;
    const int64_t minutes = RoundHalfEven((t - static_cast<double>(seconds)) / 60.0);
    return QString::number(minutes) + QLatin1Char(':') + (seconds < 10 ? QStringLiteral("0") : QString())
        + QString::number(seconds);
}

MovieInfoTexts ComposeMovieInfo(const MediaFileInfo& info, const InfoTextLookup& lookup)
{
    MovieInfoTexts texts;
    const QString fileNameTitle = Form(lookup, "lblFileName", "File");
    const QString versionTitle = Form(lookup, "lblVersion", "Version");
    const QString timeTitle = Form(lookup, "lblTime", "Length");
    const QString sizeTitle = Form(lookup, "lblSize", "Size");
    const QString metrixTitle = Form(lookup, "lblMetrix", "Dimensions");
    texts.version = versionTitle;
    texts.time = timeTitle;
    texts.size = sizeTitle;
    texts.metrix = metrixTitle;
    texts.note = Form(lookup, "lblNote", "");

    texts.name = info.FileName;
    if (info.Damage.IsDamaged())
        texts.damage = Form(lookup, "strDamaged", "Damaged") + QStringLiteral(": ") + DamageText(info.Damage, lookup);
    texts.fileName = fileNameTitle + QStringLiteral(": ") + info.SourcePath;
    texts.fileNameToolTip = info.SourcePath;

    const QFileInfo source(NormalizePath(info.SourcePath));
    if (info.SourcePath.isEmpty() || !source.exists()) {
        texts.version.clear();
        return texts;
    }
    if (source.size() < 8)
        return texts;

    texts.version = versionTitle + QStringLiteral(": ") + QString::number(info.Version);
    texts.time = timeTitle + QStringLiteral(": ") + FormatTime(info.FrameCount, info.FrameRate) + QStringLiteral(" (")
        + QString::number(info.FrameCount) + QStringLiteral(")");
    QString share;
    if (info.Compressed) {
        // A record without an expanded size gives no share; what is filled so far stays.
        if (!Percentage(info, &share))
            return texts;
        texts.note
            = Form(lookup, "strComp", "Compression") + QStringLiteral(": ") + share + Form(lookup, "strOfOrig", "% of Original");
    }
    if (info.IsProjector)
        texts.note = Form(lookup, "strProjector", "Projector");
    const int64_t expanded = static_cast<int64_t>(info.UncompressedSize);
    if (static_cast<double>(info.FileSize) != info.UncompressedSize)
        texts.size = sizeTitle + QStringLiteral(": ") + FormatByteSize(info.FileSize) + QStringLiteral(" (")
            + FormatByteSize(expanded) + QStringLiteral(")");
    else
        texts.size = sizeTitle + QStringLiteral(": ") + FormatByteSize(expanded);
    if (info.IsVideo)
        texts.note = Text(lookup, QStringLiteral("BrowseMedia/strVideo"), "Flash Video");
    if (!info.Compressed && info.FileSize < info.UncompressedSize) {
        if (!Percentage(info, &share))
            return texts;
        texts.note
            = Form(lookup, "strOnlyBefore", "Only") + QStringLiteral(" ") + share + Form(lookup, "strOnlyAfter", "% Downloaded");
    }
    texts.metrix = metrixTitle + QStringLiteral(": ") + QString::number(info.Width) + QStringLiteral(" x ")
        + QString::number(info.Height) + QStringLiteral(" @ ") + Number(info.FrameRate) + QStringLiteral(" fps");
    return texts;
}

#include "update/UpdateInfo.h"

#include "base/Version.h"
#include "lang/Language.h"
#include "lang/VendorLinks.h"
#include "update/UpdateSettings.h"

#include <cstdlib>
#include <limits>

namespace {

// The most characters of a foreign root name quoted in the failure.
constexpr int kQuotedNameLength = 40;

// The build of an entry: a whole number; anything else (or nothing) is build 0, never newer.
int32_t BuildOf(const XmlNode& update)
{
    bool ok = false;
    const qlonglong build = update.Attribute(QStringLiteral("build")).trimmed().toLongLong(&ok);
    if (!ok || build < std::numeric_limits<int32_t>::min() || build > std::numeric_limits<int32_t>::max())
        return 0;
    return int32_t(build);
}

QDate ReleaseDateOf(const XmlNode& update)
{
    const auto part = [&update](const char* name) { return update.Attribute(QLatin1String(name)).trimmed().toInt(); };
    return QDate(part("year"), part("month"), part("day"));
}

}  // namespace

QString UpdateHeading(const QString& major, const QString& minor, int32_t build, const QDate& released)
{
    QString heading = LangText(QStringLiteral("frmUpdate/STRVERSION"), QStringLiteral("Version")) + QLatin1Char(' ') + major
        + QLatin1Char('.') + minor + QLatin1Char('.') + QString::number(build);
    if (released.isValid())
        heading += QStringLiteral(", ") + LangText(QStringLiteral("frmUpdate/STRRELEASED"), QStringLiteral("Released on"))
            + QLatin1Char(' ') + released.toString(Qt::ISODate);
    return heading;
}

bool ReadUpdateInfo(const XmlDocument& document, int32_t baselineBuild, UpdateReport& report, QString& failure)
{
    report = UpdateReport();
    report.highestBuild = baselineBuild;
    const XmlNode history = document.selectSingleNode(QStringLiteral("HISTORY"));
    if (!history) {
        const QString root = document.DocumentElement().nodeName();
        failure = LangText(QStringLiteral("frmUpdate/strNotInfo"),
            QStringLiteral("The document is not update information: its root element is <%1>, not <HISTORY>."))
                      .arg(root.left(kQuotedNameLength));
        return false;
    }
    report.downloadUrl = history.Attribute(QStringLiteral("download"), QLatin1String(kDownloadUrl));
    const QString ownMajor = QString::number(kVersionMajor);
    const QString ownMinor = QString::number(kVersionMinor);
    for (const XmlNode& update : history.childNodes()) {
        if (!update.IsElement() || update.nodeName() != QLatin1String("UPDATE"))
            continue;
        const int32_t build = BuildOf(update);
        if (build <= report.highestBuild)
            continue;
        report.highestBuild = build;
        report.updateAvailable = true;
        report.details << UpdateHeading(update.Attribute(QStringLiteral("major"), ownMajor),
            update.Attribute(QStringLiteral("minor"), ownMinor), build, ReleaseDateOf(update));
        for (const XmlNode& info : update.childNodes()) {
            if (info.IsElement() && info.nodeName() == QLatin1String("INFO"))
                report.details << QStringLiteral(" \u2022 ") + info.text();
        }
        report.details << QString();
    }
    failure.clear();
    return true;
}

bool CheckedRecently(const QString& dateText, const QDate& today)
{
    const QDate checked = QDate::fromString(dateText.trimmed(), QLatin1String(kUpdateDateFormat));
    return checked.isValid() && std::abs(checked.daysTo(today)) < 7;
}

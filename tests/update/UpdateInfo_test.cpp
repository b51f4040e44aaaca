#include "common/TestSupport.h"

#include "lang/VendorLinks.h"
#include "options/LoadSaveOptions.h"
#include "update/UpdateInfo.h"

namespace {

constexpr int32_t kBaseline = 732;

struct Reading {
    bool ok = false;
    QString failure;
    UpdateReport report;
};

Reading Read(const QString& xml, int32_t baseline = kBaseline)
{
    XmlDocument document;
    EXPECT_TRUE(document.loadXML(xml)) << document.parseError().reason.toStdString();
    Reading reading;
    reading.ok = ReadUpdateInfo(document, baseline, reading.report, reading.failure);
    return reading;
}

QString History(const QString& updates)
{
    return QStringLiteral("<HISTORY download=\"http://example.test/get\">") + updates + QStringLiteral("</HISTORY>");
}

}  // namespace

TEST(UpdateInfo, OnlyBuildsAboveTheBaselineAreNews)
{
    const struct {
        const char* updates;
        bool available;
        int32_t highest;
    } cases[] = {
        {"<UPDATE build=\"732\"/>", false, 732},
        {"<UPDATE build=\"700\"/>", false, 732},
        {"<UPDATE build=\"733\"/>", true, 733},
        {"<UPDATE build=\"abc\"/>", false, 732},
        {"<UPDATE/>", false, 732},
        {"<UPDATE build=\"99999999999\"/>", false, 732},
        {"", false, 732},
        {"<NEWS build=\"900\"/><!-- <UPDATE build=\"901\"/> -->", false, 732},
    };
    for (const auto& c : cases) {
        const Reading reading = Read(History(QLatin1String(c.updates)));
        EXPECT_TRUE(reading.ok) << c.updates;
        EXPECT_EQ(reading.report.updateAvailable, c.available) << c.updates;
        EXPECT_EQ(reading.report.highestBuild, c.highest) << c.updates;
        EXPECT_EQ(reading.report.details.isEmpty(), !c.available) << c.updates;
        EXPECT_EQ(reading.report.downloadUrl, QStringLiteral("http://example.test/get"));
    }
}

TEST(UpdateInfo, EveryRisingEntryAddsItsHeadingAndChanges)
{
    const QString updates = QStringLiteral(
        "<UPDATE build=\"740\" major=\"1\" minor=\"5\" year=\"2026\" month=\"3\" day=\"9\">"
        "<INFO>Faster start</INFO><INFO> Fixed <B>sound</B> </INFO></UPDATE>"
        "<UPDATE build=\"750\" major=\"2\" minor=\"0\" year=\"2026\" month=\"5\" day=\"12\"><INFO>New skins</INFO></UPDATE>");
    const Reading ascending = Read(History(updates));
    EXPECT_EQ(ascending.report.highestBuild, 750);
    EXPECT_EQ(ascending.report.details,
        QStringList({QStringLiteral("Version 1.5.740, Released on 2026-03-09"), QStringLiteral(" \u2022 Faster start"),
            QStringLiteral(" \u2022 Fixed sound"), QString(), QStringLiteral("Version 2.0.750, Released on 2026-05-12"),
            QStringLiteral(" \u2022 New skins"), QString()}));

    // Newest first: the older entry is no news after the newer one.
    const Reading descending
        = Read(History(QStringLiteral("<UPDATE build=\"750\" major=\"2\" minor=\"0\"><INFO>New skins</INFO></UPDATE>"
                                      "<UPDATE build=\"740\"><INFO>Faster start</INFO></UPDATE>")));
    EXPECT_EQ(descending.report.highestBuild, 750);
    EXPECT_EQ(descending.report.details,
        QStringList({QStringLiteral("Version 2.0.750"), QStringLiteral(" \u2022 New skins"), QString()}));
}

TEST(UpdateInfo, MissingAttributesTakeTheirDefaults)
{
    const Reading reading
        = Read(QStringLiteral("<HISTORY><UPDATE build=\"800\" month=\"13\" year=\"2026\" day=\"1\"/></HISTORY>"));
    ASSERT_TRUE(reading.ok);
    EXPECT_EQ(reading.report.downloadUrl, QLatin1String(kDownloadUrl));
    // This program's own version numbers; a date that is none is left out.
    EXPECT_EQ(reading.report.details.value(0), QStringLiteral("Version 1.4.800"));
}

TEST(UpdateInfo, ADocumentOfAnotherKindIsRefused)
{
    const Reading reading = Read(QStringLiteral("<UPDATES><HISTORY><UPDATE build=\"900\"/></HISTORY></UPDATES>"));
    EXPECT_FALSE(reading.ok);
    EXPECT_FALSE(reading.report.updateAvailable);
    EXPECT_TRUE(reading.failure.contains(QStringLiteral("<UPDATES>"))) << reading.failure.toStdString();

    const Reading longName = Read(QStringLiteral("<%1/>").arg(QString(5000, QLatin1Char('X'))));
    EXPECT_FALSE(longName.ok);
    EXPECT_LT(longName.failure.size(), 200);
}

TEST(UpdateInfo, DeeplyNestedChangesAreReadWithoutRecursion)
{
    constexpr int kDepth = 200000;
    QString info = QStringLiteral("<INFO>");
    for (int i = 0; i < kDepth; ++i)
        info += QStringLiteral("<a>");
    info += QStringLiteral("deep");
    for (int i = 0; i < kDepth; ++i)
        info += QStringLiteral("</a>");
    info += QStringLiteral("</INFO>");
    const Reading reading = Read(History(QStringLiteral("<UPDATE build=\"733\">") + info + QStringLiteral("</UPDATE>")));
    EXPECT_EQ(reading.report.details.value(1), QStringLiteral(" \u2022 deep"));
}

TEST(UpdateInfo, TheAutomaticCheckWaitsSevenDays)
{
    const QDate today(2026, 5, 12);
    const auto text = [](const QDate& date) { return date.toString(QLatin1String(kUpdateDateFormat)); };
    EXPECT_TRUE(CheckedRecently(text(today), today));
    EXPECT_TRUE(CheckedRecently(text(today.addDays(-6)), today));
    EXPECT_FALSE(CheckedRecently(text(today.addDays(-7)), today));
    EXPECT_TRUE(CheckedRecently(text(today.addDays(6)), today));  // a clock set back
    EXPECT_FALSE(CheckedRecently(text(today.addDays(7)), today));
    EXPECT_FALSE(CheckedRecently(QString(), today));
    EXPECT_FALSE(CheckedRecently(QStringLiteral("13-45-2026"), today));
    EXPECT_FALSE(CheckedRecently(QStringLiteral("yesterday"), today));
    EXPECT_EQ(text(today), QStringLiteral("05-12-2026"));
}

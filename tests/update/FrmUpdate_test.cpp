// The update dialog and the check around it against a web server of the test's own.
#include "UpdateServer.h"
#include "options/OptionsTestSupport.h"

#include "base/AppFolders.h"
#include "lang/Language.h"
#include "options/OptionsModule.h"
#include "options/RegistryStore.h"
#include "update/FrmUpdate.h"
#include "update/UpdateCheck.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

QByteArray Document(std::initializer_list<int> builds)
{
    QByteArray xml = "<?xml version=\"1.0\"?>\n<HISTORY download=\"http://example.test/get\">";
    for (int build : builds)
        xml += "<UPDATE build=\"" + QByteArray::number(build) + "\" year=\"2026\" month=\"5\" day=\"12\"><INFO>Change in "
            + QByteArray::number(build) + "</INFO></UPDATE>";
    return xml + "</HISTORY>";
}

class FrmUpdateTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "test_update_ui";
        static char* argv[] = {name, nullptr};
        if (!QApplication::instance())
            new QApplication(argc, argv);
    }

    FrmUpdateTest()
    {
        m_settings.knownBuild = 732;
        m_options.updateAuto = true;
        m_options.winSFX = true;
    }

    // A check run to its end; the dialog stays for the test to look at.
    std::unique_ptr<FrmUpdate> Check(bool automatic, const QString& url, int timeoutMs = 10000)
    {
        auto dialog = std::make_unique<FrmUpdate>(automatic, m_settings, m_options);
        QSignalSpy complete(dialog.get(), &FrmUpdate::CheckComplete);
        dialog->StartCheck(QUrl(url), timeoutMs);
        EXPECT_EQ(Text(*dialog, "lblStatus"), QStringLiteral("Downloading Info"));
        EXPECT_TRUE(complete.wait(20000));
        return dialog;
    }

    static QString Text(const FrmUpdate& dialog, const char* name)
    {
        if (auto* label = dialog.findChild<QLabel*>(QLatin1String(name)))
            return label->text();
        return dialog.findChild<QPlainTextEdit*>(QLatin1String(name))->toPlainText();
    }
    static QPushButton* Button(const FrmUpdate& dialog, const char* name)
    {
        return dialog.findChild<QPushButton*>(QLatin1String(name));
    }
    static QString StoredDate()
    {
        return ReadRegistryString(QStringLiteral("Update"), QStringLiteral("Date"), QStringLiteral("<none>"));
    }
    static QString Today() { return QDate::currentDate().toString(QStringLiteral("MM-dd-yyyy")); }

    TempAppFolder m_app;
    TempOptionStore m_store;
    UpdateServer m_server;
    UpdateSettings m_settings;
    OptionsModule m_options;
};

}  // namespace

TEST_F(FrmUpdateTest, ANewerBuildIsReportedWithItsChangesAndDownloadPage)
{
    ASSERT_TRUE(m_server.IsListening());
    m_server.Answer(Document({740, 745}));
    auto dialog = Check(false, m_server.Url());
    EXPECT_EQ(m_server.requests, QStringList{QStringLiteral("GET /updates.xml")});
    EXPECT_EQ(Text(*dialog, "lblStatus"), QStringLiteral("Update is Available"));
    EXPECT_EQ(Text(*dialog, "lblNotice"),
        QStringLiteral("There is a newer version available. Click \"Details\"  to check out how it differs from this version"));
    EXPECT_TRUE(Button(*dialog, "cbUpdate")->isVisibleTo(dialog.get()));
    EXPECT_TRUE(Button(*dialog, "cbDetails")->isEnabled());
    EXPECT_EQ(Text(*dialog, "txtDetails"),
        QStringLiteral("Version 1.4.740, Released on 2026-05-12\n \u2022 Change in 740\n\n"
                       "Version 1.4.745, Released on 2026-05-12\n \u2022 Change in 745\n"));
    EXPECT_EQ(dialog->HighestBuild(), 745);
    EXPECT_EQ(m_settings.lastCheckDate, Today());
    EXPECT_EQ(StoredDate(), Today());

    QString opened;
    dialog->openUrl = [&opened](const QString& url) { opened = url; };
    Button(*dialog, "cbUpdate")->click();
    EXPECT_EQ(opened, QStringLiteral("http://example.test/get"));
}

TEST_F(FrmUpdateTest, NoNewerBuildSaysSoOnlyWhenAsked)
{
    m_server.Answer(Document({700, 732}));
    auto asked = Check(false, m_server.Url());
    EXPECT_EQ(Text(*asked, "lblStatus"), QStringLiteral("No Update Needed"));
    EXPECT_EQ(Text(*asked, "lblNotice"), QStringLiteral("You have the latest version installed"));
    EXPECT_FALSE(Button(*asked, "cbUpdate")->isVisibleTo(asked.get()));
    EXPECT_FALSE(Button(*asked, "cbDetails")->isEnabled());
    EXPECT_EQ(StoredDate(), Today());

    auto automatic = Check(true, m_server.Url());
    EXPECT_FALSE(automatic->UpdateAvailable());
    EXPECT_EQ(Text(*automatic, "lblNotice"), QString());
}

TEST_F(FrmUpdateTest, FailuresAreShownWithTheirReasonAndKeepTheDate)
{
    const QByteArray huge = "<HISTORY>" + QByteArray(2 * 1024 * 1024, ' ') + "</HISTORY>";
    const struct {
        const char* name;
        std::function<QString(UpdateServer&)> serve;
        const char* reason;
    } cases[] = {
        {"not found",
            [](UpdateServer& s) {
                s.Answer("gone", 404, "Not Found");
                return s.Url();
            },
            "Not Found"},
        {"server down", [](UpdateServer&) { return DownServerUrl(); }, "refused"},
        {"slow",
            [](UpdateServer& s) {
                s.StaySilent();
                return s.Url();
            },
            "within 0.5 seconds"},
        {"huge",
            [&huge](UpdateServer& s) {
                s.Answer(huge);
                return s.Url();
            },
            "larger than 512 KB"},
        {"huge without length",
            [&huge](UpdateServer& s) {
                s.Stream(huge);
                return s.Url();
            },
            "larger than 512 KB"},
        {"malformed",
            [](UpdateServer& s) {
                s.Answer("<HISTORY><UPDATE build=\"800\"></HISTORY>");
                return s.Url();
            },
            ""},
        {"empty",
            [](UpdateServer& s) {
                s.Answer("");
                return s.Url();
            },
            ""},
        {"wrong root",
            [](UpdateServer& s) {
                s.Answer("<html><body>Moved</body></html>");
                return s.Url();
            },
            "<html>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto dialog = Check(false, c.serve(m_server), 500);
        EXPECT_EQ(Text(*dialog, "lblStatus"), QStringLiteral("Check Failed"));
        EXPECT_EQ(Text(*dialog, "lblNotice"),
            QStringLiteral("There was an error while trying to download required info. Please verify your Internet Connection."));
        const QString details = Text(*dialog, "txtDetails");
        EXPECT_TRUE(details.startsWith(QStringLiteral("Failure Reason:\n"))) << details.toStdString();
        EXPECT_GT(details.size(), QStringLiteral("Failure Reason:\n").size()) << details.toStdString();
        EXPECT_TRUE(details.contains(QLatin1String(c.reason), Qt::CaseInsensitive)) << details.toStdString();
        EXPECT_TRUE(Button(*dialog, "cbDetails")->isEnabled());
        EXPECT_FALSE(dialog->UpdateAvailable());
        EXPECT_EQ(StoredDate(), QStringLiteral("<none>"));
        EXPECT_EQ(m_settings.knownBuild, 732);

        // The automatic check stays silent about it.
        auto automatic = Check(true, c.serve(m_server), 500);
        EXPECT_EQ(Text(*automatic, "lblStatus"), QStringLiteral("Downloading Info"));
        EXPECT_EQ(Text(*automatic, "txtDetails"), QString());
    }
}

TEST_F(FrmUpdateTest, AnsweringNoToTheReminderMakesTheBuildTheBaseline)
{
    m_server.Answer(Document({745}));
    {
        auto remind = Check(false, m_server.Url());
        QString question;
        remind->askRemind = [&question](const QString& q) {
            question = q;
            return true;
        };
        remind->reject();
        EXPECT_EQ(question, QStringLiteral("Remind you about this update next time?"));
        EXPECT_EQ(m_settings.knownBuild, 732);
    }
    {
        auto dismiss = Check(false, m_server.Url());
        EXPECT_TRUE(dismiss->UpdateAvailable());
        dismiss->askRemind = [](const QString&) { return false; };
        dismiss->findChild<QCheckBox*>(QStringLiteral("chkAuto"))->setChecked(false);
        Button(*dismiss, "cbCancel")->click();
        EXPECT_EQ(m_settings.knownBuild, 745);
        EXPECT_FALSE(m_options.updateAuto);
    }
    EXPECT_EQ(Text(*Check(false, m_server.Url()), "lblStatus"), QStringLiteral("No Update Needed"));
    m_server.Answer(Document({745, 750}));
    auto later = Check(false, m_server.Url());
    EXPECT_TRUE(later->UpdateAvailable());
    EXPECT_EQ(Text(*later, "txtDetails"), QStringLiteral("Version 1.4.750, Released on 2026-05-12\n \u2022 Change in 750\n"));
    // Closing without an update asks nothing.
    auto none = Check(false, DownServerUrl());
    none->askRemind = [](const QString&) {
        ADD_FAILURE() << "asked without an update";
        return true;
    };
    none->reject();
}

TEST_F(FrmUpdateTest, TheAutomaticCheckRunsWeeklyAndShowsItselfOnlyForAnUpdate)
{
    UpdateCheck check(m_settings, m_options);
    check.address = [this] { return QUrl(m_server.Url()); };
    int shown = 0;
    check.prepareDialog = [&shown](FrmUpdate& dialog) {
        // A shown dialog is closed again as soon as the test sees it.
        auto* poll = new QTimer(&dialog);
        QObject::connect(poll, &QTimer::timeout, &dialog, [&dialog, &shown] {
            if (dialog.isVisible()) {
                ++shown;
                dialog.askRemind = [](const QString&) { return true; };
                dialog.reject();
            }
        });
        poll->start(20);
    };
    QSignalSpy finished(&check, &UpdateCheck::Finished);

    // Checked today: the server is not asked.
    m_settings.lastCheckDate = Today();
    m_server.Answer(Document({745}));
    check.WebUpdate(true);
    EXPECT_EQ(check.Dialog(), nullptr);
    EXPECT_TRUE(m_server.requests.isEmpty());
    EXPECT_TRUE(m_app.Log().contains(QStringLiteral("Checking for updates ( Automatic is True )<br>")));

    // A week ago: the check runs, hidden until it finds the update.
    m_settings.lastCheckDate = QDate::currentDate().addDays(-7).toString(QStringLiteral("MM-dd-yyyy"));
    check.WebUpdate(true);
    ASSERT_NE(check.Dialog(), nullptr);
    EXPECT_FALSE(check.Dialog()->isVisible());
    ASSERT_TRUE(finished.wait(20000));
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(m_server.requests.size(), 1);
    EXPECT_EQ(m_settings.lastCheckDate, Today());

    // Nothing new: it ends without a word.
    m_settings.lastCheckDate.clear();
    m_settings.knownBuild = 745;
    check.WebUpdate(true);
    ASSERT_TRUE(finished.wait(20000));
    EXPECT_EQ(shown, 1);

    // A request ignores the seven days and shows the dialog until it is closed.
    m_settings.lastCheckDate = Today();
    check.WebUpdate(false);
    EXPECT_EQ(shown, 2);
    EXPECT_EQ(m_server.requests.size(), 3);
    EXPECT_TRUE(m_app.Log().contains(QStringLiteral("Checking for updates ( Automatic is False )<br>")));
}

TEST_F(FrmUpdateTest, TheAddressIsTheLanguagesUpdateLink)
{
    m_server.Answer(Document({745}));
    ASSERT_TRUE(WriteAll(Folders().languages + QStringLiteral("Elsewhere.xml"),
        QStringLiteral("<LANG title=\"Elsewhere\" langID=\"9999\"><LINKS><UPDATE text=\"%1\"/></LINKS></LANG>")
            .arg(m_server.Url(QStringLiteral("/mirror/updates.xml")))
            .toUtf8()));
    EnumerateLanguages(QString());
    int index = -1;
    for (int i = 0; i < int(Languages().size()); ++i) {
        if (Languages()[i].Name == QLatin1String("Elsewhere"))
            index = i;
    }
    ASSERT_GE(index, 0);
    ChooseLanguage(index);
    UpdateCheck check(m_settings, m_options);
    check.prepareDialog = [](FrmUpdate& dialog) {
        QObject::connect(&dialog, &FrmUpdate::CheckComplete, &dialog, [&dialog] {
            dialog.askRemind = [](const QString&) { return true; };
            QTimer::singleShot(0, &dialog, &QDialog::reject);
        });
    };
    check.WebUpdate(false);
    ChooseLanguage(0);
    EXPECT_EQ(m_server.requests, QStringList{QStringLiteral("GET /mirror/updates.xml")});
}

#include "BrowserTestSupport.h"

#include "browser/FrmGenerator.h"
#include "media/MediaTestSupport.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

namespace {

class FrmGeneratorTest : public ::testing::Test {
protected:
    FrmGeneratorTest()
    {
        for (int i = 0; i < 10; ++i)
            WriteFile(m_dir.path(), QStringLiteral("m%1.swf").arg(i), MakeTestMovie());
        m_settings.width = 120;
        m_settings.height = 90;
        m_settings.backColor = QStringLiteral("FFFFFF");
        m_settings.quality = 90;
        m_settings.show = true;
        m_settings.source = m_dir.path();
        m_settings.recursive = true;
        m_settings.overwrite = true;
        m_options.genericProjectors = true;
    }
    // A dialog that records its messages instead of showing them.
    std::unique_ptr<FrmGenerator> Dialog()
    {
        auto dialog = std::make_unique<FrmGenerator>(m_settings, m_options, m_shooter);
        dialog->showMessage = [this](const QString& text) { m_messages << text; };
        dialog->launch = [this](const QString& application) { m_launched << application; };
        return dialog;
    }
    template <typename T> static T* Control(FrmGenerator& dialog, const char* name)
    {
        return dialog.findChild<T*>(QLatin1String(name));
    }

    TempAppFolder m_app;
    QTemporaryDir m_dir;
    GeneratorSettings m_settings;
    OptionsModule m_options;
    FakeShooter m_shooter;
    QStringList m_messages;
    QStringList m_launched;
};

TEST_F(FrmGeneratorTest, FieldsFollowTheSettingsAndChangesApplyAtOnce)
{
    m_settings.app = QStringLiteral("/usr/bin/viewer");
    auto dialog = Dialog();
    EXPECT_EQ(Control<QLineEdit>(*dialog, "txtSource")->text(), m_dir.path());
    EXPECT_EQ(Control<QLineEdit>(*dialog, "txtWidth")->text(), QStringLiteral("120"));
    EXPECT_EQ(Control<QLineEdit>(*dialog, "txtApp")->text(), QStringLiteral("/usr/bin/viewer"));
    EXPECT_TRUE(Control<QCheckBox>(*dialog, "chkSubfolders")->isChecked());
    EXPECT_FALSE(Control<QPushButton>(*dialog, "cbCancel")->isVisibleTo(dialog.get()));
    EXPECT_TRUE(Control<QPushButton>(*dialog, "cbDone")->isVisibleTo(dialog.get()));

    Control<QLineEdit>(*dialog, "txtWidth")->setText(QStringLiteral("200"));
    Control<QLineEdit>(*dialog, "txtHeight")->setText(QStringLiteral("150"));
    EXPECT_EQ(m_settings.width, 200);
    EXPECT_EQ(m_settings.height, 150);
    Control<QLineEdit>(*dialog, "txtColor")->setText(QStringLiteral("#00FF00"));
    EXPECT_EQ(m_settings.backColor, QStringLiteral("00FF00"));
    EXPECT_EQ(Control<QLineEdit>(*dialog, "txtColor")->text(), QStringLiteral("00FF00"));
    // The quality is read when its box is left.
    Control<QLineEdit>(*dialog, "txtQuality")->setText(QStringLiteral("55"));
    EXPECT_EQ(m_settings.quality, 90);
    Q_EMIT Control<QLineEdit>(*dialog, "txtQuality")->editingFinished();
    EXPECT_EQ(m_settings.quality, 55);

    Control<QCheckBox>(*dialog, "chkOverwrite")->setChecked(false);
    dialog.reset();
    EXPECT_FALSE(m_settings.overwrite);
}

TEST_F(FrmGeneratorTest, GoLocksTheDialogShowsShotsAndEndsWithTheSummary)
{
    m_settings.execute = true;
    m_settings.app = QStringLiteral("/usr/bin/viewer");
    auto dialog = Dialog();
    QList<bool> goEnabled;
    QList<bool> cancelShown;
    QStringList status;
    m_shooter.during = [&](const QString&) {
        goEnabled << Control<QPushButton>(*dialog, "cbGo")->isEnabled();
        cancelShown << Control<QPushButton>(*dialog, "cbCancel")->isVisibleTo(dialog.get());
        status << dialog->StatusText();
    };
    dialog->Go();
    EXPECT_EQ(m_shooter.shots.size(), 10);
    EXPECT_EQ(goEnabled, QList<bool>(10, false));
    EXPECT_EQ(cancelShown, QList<bool>(10, true));
    EXPECT_EQ(status.value(0), QStringLiteral("Creating Thumbnails (10)..."));
    EXPECT_FALSE(Control<QLabel>(*dialog, "picSample")->pixmap().isNull());
    EXPECT_TRUE(QFileInfo::exists(m_dir.path() + QStringLiteral("/m9.jpg")));
    // Afterwards: everything back, the application launched, the summary shown.
    EXPECT_TRUE(Control<QPushButton>(*dialog, "cbGo")->isEnabled());
    EXPECT_FALSE(Control<QProgressBar>(*dialog, "Progress")->isVisibleTo(dialog.get()));
    EXPECT_EQ(dialog->StatusText(), QStringLiteral("Folder:"));
    EXPECT_EQ(m_launched, QStringList{QStringLiteral("/usr/bin/viewer")});
    EXPECT_EQ(m_messages,
        QStringList{QStringLiteral("Thumbnail Generation Complete!\n\nThumbnails created: 10\n"
                                   "Folders Searched: 1\nExecuted: /usr/bin/viewer")});
}

TEST_F(FrmGeneratorTest, CancelDuringTheFourthShotOfTen)
{
    auto dialog = Dialog();
    m_shooter.during = [&](const QString&) {
        if (m_shooter.shots.size() == 4)
            Control<QPushButton>(*dialog, "cbCancel")->click();
    };
    dialog->Go();
    EXPECT_EQ(m_shooter.shots.size(), 4);
    EXPECT_EQ(dialog->LastResult().created, 3);
    EXPECT_EQ(m_messages,
        QStringList{QStringLiteral("Thumbnail Generation Cancelled!\n\nThumbnails created: 3 / 10\n"
                                   "Folders Searched: 1")});
    // A new run starts afresh.
    m_shooter.during = nullptr;
    m_settings.overwrite = false;
    Control<QCheckBox>(*dialog, "chkOverwrite")->setChecked(false);
    dialog->Go();
    EXPECT_EQ(dialog->LastResult().created, 7);
    EXPECT_FALSE(dialog->LastResult().cancelled);
}

TEST_F(FrmGeneratorTest, SilentRunShowsNoMessageAndCloses)
{
    auto dialog = Dialog();
    dialog->Generate();
    EXPECT_TRUE(dialog->IsSilent());
    EXPECT_TRUE(m_messages.isEmpty());
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->LastResult().created, 10);
    EXPECT_TRUE(dialog->LastMessage().startsWith(QStringLiteral("Thumbnail Generation Complete!")));
}

}  // namespace

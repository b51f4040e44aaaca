#include "common/TestSupport.h"

#include "base/AppFolders.h"
#include "base/XmlDocument.h"
#include "desktop/FrmOptions.h"
#include "lang/Language.h"
#include "lang/UIFont.h"
#include "options/OptionsModule.h"
#include "player/PlayerOptionsActions.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

// The main window as the dialog sees it: it records the steps of "Save".
class FakePlayerActions : public PlayerOptionsActions {
public:
    QStringList calls;
    bool initialScreenSaver = true;
    OptionsModule* options = nullptr;
    QWidget window;

    QWidget* Window() override { return &window; }
    void ViewResize() override { calls << QStringLiteral("ViewResize"); }
    void PrepareMyFlashFolder(const QString& folder) override { calls << QStringLiteral("PrepareMyFlashFolder ") + folder; }
    void LoadRecentFiles() override { calls << QStringLiteral("LoadRecentFiles"); }
    void SetSSState(bool active) override { calls << QStringLiteral("SetSSState %1").arg(active); }
    bool InitialScreenSaverState() const override { return initialScreenSaver; }
    QString ScreenSaverModule() const override { return QString(); }
    // The values the store receives are those copied back before it.
    void SaveOpts() override
    {
        calls << QStringLiteral("SaveOpts quality %1 page %2").arg(options->shotJpeg).arg(options->optionsPage);
    }
    void SetVisual() override { calls << QStringLiteral("SetVisual"); }
};

class FrmOptionsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "test_desktop_ui";
        static char* argv[] = {name, nullptr};
        if (!QApplication::instance())
            new QApplication(argc, argv);
    }

    FrmOptionsTest()
    {
        m_player.options = &m_options;
        m_font.name = QStringLiteral("DejaVu Sans");
        m_font.size = 9;
        m_player.window.setFont(QFont(m_font.name));
        m_options.myFlash = m_app.Path() + QStringLiteral("Ve Zedaz/");
        m_options.screenShotsFolder = m_options.myFlash + QStringLiteral("ScreenShots/");
        m_options.startUp = 2;
        m_options.cacheMode = 1;
        m_options.oneInstance = true;
        m_options.disableScreenSaver = false;
        m_options.browseDefault = true;
        m_options.winSFX = false;
        m_options.noAnimation = true;
        m_options.crop = true;
        m_options.centered = false;
        m_options.history = true;
        m_options.fsCommand = false;
        m_options.genericProjectors = true;
        m_options.removeProjectors = false;
        m_options.associate = true;
        m_options.hqShots = false;
        m_options.satellite = true;
        m_options.shotJpeg = 90;
        m_options.sampleFrom = 30;
        m_options.sampleTo = 50;
        m_options.optionsPage = 0;
    }

    std::unique_ptr<FrmOptions> Open()
    {
        auto dialog = std::make_unique<FrmOptions>(m_options, m_font, m_player);
        dialog->chooseFolder = [](const QString&, const QString&) { return QString(); };
        dialog->chooseFont = [](const QFont&) { return std::nullopt; };
        return dialog;
    }

    template <typename T> static T* Control(const FrmOptions& dialog, const char* name)
    {
        T* control = dialog.findChild<T*>(QLatin1String(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    static bool Checked(const FrmOptions& dialog, const char* name) { return Control<QCheckBox>(dialog, name)->isChecked(); }
    static QString Field(const FrmOptions& dialog, const char* name) { return Control<QLineEdit>(dialog, name)->text(); }

    // Types text into a field and leaves it for the next control, as the user does.
    static void TypeAndLeave(FrmOptions& dialog, const char* name, const QString& text)
    {
        QLineEdit* field = Control<QLineEdit>(dialog, name);
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Tab);
    }

    TempAppFolder m_app;
    OptionsModule m_options;
    UIFontInfo m_font;
    FakePlayerActions m_player;
};

}  // namespace

TEST_F(FrmOptionsTest, OptionsGoIntoTheControlsAndBackOnSave)
{
    auto dialog = Open();
    EXPECT_EQ(Control<QComboBox>(*dialog, "cmbStartUp")->currentIndex(), 2);
    EXPECT_EQ(Control<QComboBox>(*dialog, "cmbCache")->currentIndex(), 1);
    const struct {
        const char* control;
        bool OptionsModule::*option;
        bool inverted;
    } checks[] = {
        {"chkInstance", &OptionsModule::oneInstance, false},
        {"chkScreenSaver", &OptionsModule::disableScreenSaver, false},
        {"chkMyFlash", &OptionsModule::browseDefault, false},
        {"chkWindow", &OptionsModule::winSFX, false},
        {"chkAnimation", &OptionsModule::noAnimation, true},
        {"chkCrop", &OptionsModule::crop, false},
        {"chkCentered", &OptionsModule::centered, false},
        {"chkMRU", &OptionsModule::history, false},
        {"chkFSCommand", &OptionsModule::fsCommand, false},
        {"chkProjector", &OptionsModule::genericProjectors, false},
        {"chkRemoveProj", &OptionsModule::removeProjectors, false},
        {"chkAssoc", &OptionsModule::associate, false},
        {"chkHQShots", &OptionsModule::hqShots, false},
        {"chkStore", &OptionsModule::satellite, false},
    };
    for (const auto& c : checks)
        EXPECT_EQ(Checked(*dialog, c.control), m_options.*c.option != c.inverted) << c.control;
    EXPECT_EQ(Field(*dialog, "txtMyFlash"), m_options.myFlash);
    EXPECT_EQ(Field(*dialog, "txtFont"), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(Field(*dialog, "txtQuality"), QStringLiteral("90"));
    EXPECT_EQ(Field(*dialog, "txtFrom"), QStringLiteral("30"));
    EXPECT_EQ(Field(*dialog, "txtTo"), QStringLiteral("50"));

    // Every control turned the other way comes back into its option.
    const OptionsModule before = m_options;
    for (const auto& c : checks)
        Control<QCheckBox>(*dialog, c.control)->toggle();
    Control<QComboBox>(*dialog, "cmbStartUp")->setCurrentIndex(0);
    Control<QComboBox>(*dialog, "cmbCache")->setCurrentIndex(2);
    Control<QLineEdit>(*dialog, "txtQuality")->setText(QStringLiteral("75"));
    Control<QLineEdit>(*dialog, "txtFrom")->setText(QStringLiteral("10"));
    Control<QLineEdit>(*dialog, "txtTo")->setText(QStringLiteral("20"));
    Control<QPushButton>(*dialog, "cbOK")->click();
    for (const auto& c : checks)
        EXPECT_EQ(m_options.*c.option, !(before.*c.option)) << c.control;
    EXPECT_EQ(m_options.startUp, 0);
    EXPECT_EQ(m_options.cacheMode, 2);
    EXPECT_EQ(m_options.shotJpeg, 75);
    EXPECT_EQ(m_options.sampleFrom, 10);
    EXPECT_EQ(m_options.sampleTo, 20);
    EXPECT_EQ(m_options.myFlash, before.myFlash);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
}

TEST_F(FrmOptionsTest, NumbersAreCheckedAsTheUserLeavesThem)
{
    auto dialog = Open();
    dialog->ShowPage(2);
    dialog->show();
    QApplication::setActiveWindow(dialog.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));

    TypeAndLeave(*dialog, "txtQuality", QStringLiteral("150"));
    EXPECT_EQ(Field(*dialog, "txtQuality"), QStringLiteral("100"));
    TypeAndLeave(*dialog, "txtQuality", QStringLiteral("-5"));
    EXPECT_EQ(Field(*dialog, "txtQuality"), QStringLiteral("0"));
    TypeAndLeave(*dialog, "txtQuality", QStringLiteral("85"));
    EXPECT_EQ(Field(*dialog, "txtQuality"), QStringLiteral("85"));
    TypeAndLeave(*dialog, "txtFrom", QStringLiteral("250"));
    EXPECT_EQ(Field(*dialog, "txtFrom"), QStringLiteral("100"));

    // "To" below "From" takes its value; above 100 it is 100 first.
    TypeAndLeave(*dialog, "txtFrom", QStringLiteral("60"));
    TypeAndLeave(*dialog, "txtTo", QStringLiteral("40"));
    EXPECT_EQ(Field(*dialog, "txtTo"), QStringLiteral("60"));
    TypeAndLeave(*dialog, "txtTo", QStringLiteral("101"));
    EXPECT_EQ(Field(*dialog, "txtTo"), QStringLiteral("100"));
    // Leaving "From" above "To" is for "To" to settle.
    TypeAndLeave(*dialog, "txtFrom", QStringLiteral("99"));
    TypeAndLeave(*dialog, "txtTo", QStringLiteral("98"));
    EXPECT_EQ(Field(*dialog, "txtTo"), QStringLiteral("99"));
}

TEST_F(FrmOptionsTest, SaveAppliesItsStepsInOrderAndKeepsThePage)
{
    {
        auto dialog = Open();
        Control<QCheckBox>(*dialog, "chkScreenSaver")->setChecked(true);
        Control<QLineEdit>(*dialog, "txtQuality")->setText(QStringLiteral("70"));
        dialog->ShowPage(3);
        dialog->Save();
        EXPECT_EQ(m_player.calls,
            QStringList({QStringLiteral("ViewResize"), QStringLiteral("LoadRecentFiles"), QStringLiteral("SetSSState 0"),
                QStringLiteral("SaveOpts quality 70 page 3")}));
        EXPECT_EQ(m_options.optionsPage, 3);
    }
    // Reopened, it shows the page saved last; without "Disable", the screen saver's own state.
    m_player.calls.clear();
    m_player.initialScreenSaver = false;
    auto dialog = Open();
    EXPECT_EQ(dialog->CurrentPage(), 3);
    EXPECT_EQ(Control<QListWidget>(*dialog, "lstPages")->currentRow(), 3);
    EXPECT_EQ(Control<QListWidget>(*dialog, "lstPages")->item(3)->text(), QStringLiteral("4. Advanced"));
    Control<QCheckBox>(*dialog, "chkScreenSaver")->setChecked(false);
    Control<QListWidget>(*dialog, "lstPages")->setCurrentRow(1);
    dialog->Save();
    EXPECT_EQ(m_player.calls.value(2), QStringLiteral("SetSSState 0"));
    EXPECT_EQ(m_options.optionsPage, 1);
    m_player.initialScreenSaver = true;
    m_player.calls.clear();
    Open()->Save();
    EXPECT_EQ(m_player.calls.value(2), QStringLiteral("SetSSState 1"));
}

TEST_F(FrmOptionsTest, CancelLeavesEveryOptionAsItWas)
{
    auto dialog = Open();
    const OptionsModule before = m_options;
    for (QCheckBox* check : dialog->findChildren<QCheckBox*>())
        check->toggle();
    Control<QLineEdit>(*dialog, "txtQuality")->setText(QStringLiteral("10"));
    Control<QLineEdit>(*dialog, "txtMyFlash")->setText(m_app.Path() + QStringLiteral("elsewhere"));
    dialog->ShowPage(2);
    Control<QPushButton>(*dialog, "cbCancel")->click();
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_TRUE(m_player.calls.isEmpty());
    EXPECT_EQ(m_options.shotJpeg, before.shotJpeg);
    EXPECT_EQ(m_options.associate, before.associate);
    EXPECT_EQ(m_options.noAnimation, before.noAnimation);
    EXPECT_EQ(m_options.myFlash, before.myFlash);
    EXPECT_EQ(m_options.optionsPage, before.optionsPage);
    EXPECT_FALSE(QDir(m_app.Path() + QStringLiteral("elsewhere")).exists());
}

TEST_F(FrmOptionsTest, ANewFolderTakesTheScreenshotsAlong)
{
    QDir().mkpath(m_options.screenShotsFolder);
    ASSERT_TRUE(WriteAll(m_options.screenShotsFolder + QStringLiteral("shot.jpg"), "jpeg"));
    const QString newFolder = m_app.Path() + QStringLiteral("Flash Things");
    auto dialog = Open();
    QString title;
    dialog->chooseFolder = [&](const QString& t, const QString& start) {
        title = t;
        EXPECT_EQ(start, m_options.myFlash);
        return newFolder;
    };
    Control<QPushButton>(*dialog, "cbFlash")->click();
    EXPECT_EQ(title, QStringLiteral("Select your Flash Folder:"));
    EXPECT_EQ(Field(*dialog, "txtMyFlash"), newFolder);
    dialog->Save();
    EXPECT_EQ(m_options.myFlash, newFolder + QLatin1Char('/'));
    EXPECT_EQ(m_options.screenShotsFolder, newFolder + QStringLiteral("/ScreenShots/"));
    EXPECT_EQ(ReadAll(newFolder + QStringLiteral("/ScreenShots/shot.jpg")), QByteArray("jpeg"));
    EXPECT_FALSE(QDir(m_app.Path() + QStringLiteral("Ve Zedaz")).exists());
    EXPECT_EQ(m_player.calls.first(), QStringLiteral("PrepareMyFlashFolder ") + newFolder + QLatin1Char('/'));

    // An emptied field keeps the folder.
    m_player.calls.clear();
    auto again = Open();
    Control<QLineEdit>(*again, "txtMyFlash")->clear();
    again->Save();
    EXPECT_EQ(m_options.myFlash, newFolder + QLatin1Char('/'));
    EXPECT_FALSE(m_player.calls.first().startsWith(QStringLiteral("PrepareMyFlashFolder")));
}

TEST_F(FrmOptionsTest, ANewFontReachesTheMainWindow)
{
    {
        auto unchanged = Open();
        unchanged->Save();
        EXPECT_FALSE(m_player.calls.contains(QStringLiteral("SetVisual")));
    }
    auto dialog = Open();
    QFont start;
    dialog->chooseFont = [&start](const QFont& from) {
        start = from;
        QFont chosen(QStringLiteral("DejaVu Serif"));
        chosen.setPointSizeF(12);
        return std::optional<QFont>(chosen);
    };
    Control<QPushButton>(*dialog, "cbFont")->click();
    EXPECT_EQ(start.family(), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(start.pointSizeF(), 9);
    EXPECT_EQ(Field(*dialog, "txtFont"), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(m_font.name, QStringLiteral("DejaVu Sans"));  // nothing before Save
    m_player.calls.clear();
    dialog->Save();
    EXPECT_EQ(m_font.name, QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(m_font.size, 12);
    EXPECT_EQ(m_player.calls.last(), QStringLiteral("SetVisual"));
}

// Every caption and tip of the dialog has its text in each shipped language file, and the
// dialog shows it.
TEST_F(FrmOptionsTest, EveryTextComesFromTheLanguageFiles)
{
    for (const char* language : {"English", "Deutsch", "Francais"}) {
        SCOPED_TRACE(language);
        const QString file = SourceDir() + QStringLiteral("/data/Languages/") + QLatin1String(language) + QStringLiteral(".xml");
        ASSERT_TRUE(QFile::copy(file, Folders().languages + QLatin1String(language) + QStringLiteral(".xml")));
    }
    EnumerateLanguages(QString());
    for (int index = 0; index < int(Languages().size()); ++index) {
        ChooseLanguage(index);
        SCOPED_TRACE(Languages()[index].Name.toStdString());
        const XmlNode form = LangDoc().selectSingleNode(QStringLiteral("LANG/FRMOPTIONS"));
        ASSERT_TRUE(form);
        const auto text = [&form](const QString& path) { return form.selectSingleNode(path).text(); };
        auto dialog = Open();
        EXPECT_EQ(dialog->windowTitle(), text(QStringLiteral("@title")));
        for (QWidget* control : dialog->findChildren<QWidget*>()) {
            const QString key = control->objectName().toUpper();
            if (key.isEmpty() || key.startsWith(QLatin1String("QT_")))
                continue;
            QString caption;
            if (auto* label = qobject_cast<QLabel*>(control))
                caption = label->text();
            else if (auto* button = qobject_cast<QAbstractButton*>(control))
                caption = button->text();
            if (!caption.isEmpty() && caption != QLatin1String("..."))
                EXPECT_EQ(caption, text(key + QStringLiteral("/@text"))) << key.toStdString();
            if (!control->toolTip().isEmpty())
                EXPECT_EQ(control->toolTip(), text(key + QStringLiteral("/@tooltip"))) << key.toStdString();
            if (auto* combo = qobject_cast<QComboBox*>(control)) {
                for (int i = 0; i < combo->count(); ++i)
                    EXPECT_EQ(combo->itemText(i), text(key + QStringLiteral("/LIST_%1/@text").arg(i))) << key.toStdString();
            }
        }
        const QListWidget* pages = Control<QListWidget>(*dialog, "lstPages");
        const char* const pageKeys[] = {"GENERAL", "APPEARANCE", "THUMBNAILS", "ADVANCED"};
        for (int i = 0; i < FrmOptions::kPageCount; ++i)
            EXPECT_EQ(pages->item(i)->text(),
                QStringLiteral("%1. ").arg(i + 1) + text(QLatin1String(pageKeys[i]) + QStringLiteral("/@text")));
    }
    ChooseLanguage(0);
}

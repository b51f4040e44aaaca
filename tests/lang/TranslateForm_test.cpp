#include "common/TestSupport.h"

#include "base/AppFolders.h"
#include "lang/Language.h"
#include "lang/Locales.h"
#include "lang/TranslateForm.h"
#include "lang/UIFont.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

namespace {

// One application for the whole run; deleting it during static destruction would outlive the
// platform plugin it talks to, so it is left to the process's end.
QApplication* App()
{
    static QApplication* app = [] {
        if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "test_lang_ui";
        static char* argv[] = {name, nullptr};
        return new QApplication(argc, argv);
    }();
    return app;
}

template <typename T> T* Add(QWidget* parent, const char* name, const QString& text = QString())
{
    auto* widget = new T(parent);
    widget->setObjectName(name);
    if constexpr (std::is_same_v<T, QLabel> || std::is_same_v<T, QPushButton> || std::is_same_v<T, QCheckBox>)
        widget->setText(text);
    return widget;
}

class TranslateFormTest : public ::testing::Test {
protected:
    TempAppFolder app;

    void SetUp() override
    {
        App();
        SetSystemLCID(1033);
        WriteAll(Folders().languages + "Test.xml", R"(<LANG title="Test" langID="1031">
            <FRMOPTIONS title="Einstellungen">
              <LBLMYFLASH text="Ordner:"/><TXTMYFLASH tooltip="Ihr Ordner"/><CBOK text="!FRMOPTIONS/CBSAVE"/><CBSAVE text="Speichern"/>
              <CMBCACHE><LIST_0 text="Nie"/><LIST_2 text="Alles"/></CMBCACHE>
              <MNUQLVL_1 text="Mittel"/><MENUFILE text="Datei"/><CHKEMPTY text=""/><PIC text="Bild"/><LBL_0 text="Hallo"/>
            </FRMOPTIONS>
            <PLAYER title="Falsch"/>
          </LANG>)");
    }

    void UseLanguage(const QString& name)
    {
        EnumerateLanguages(name);
        LoadLanguage();
    }
};

}  // namespace

TEST_F(TranslateFormTest, CaptionsTooltipsListsAndMenusFollowTheLanguageAndReturnToTheirDesign)
{
    QDialog window;
    window.setObjectName("frmOptions");
    window.setWindowTitle("Options");
    auto* label = Add<QLabel>(&window, "lblMyFlash", "Ve Zedaz Folder:");
    auto* edit = Add<QLineEdit>(&window, "txtMyFlash");
    edit->setToolTip("Your default folder");
    auto* ok = Add<QPushButton>(&window, "cbOK", "Save");
    auto* empty = Add<QCheckBox>(&window, "chkEmpty", "Design");
    auto* picture = Add<QLabel>(&window, "PIC", "skin");
    auto* skinLabel = Add<QLabel>(&window, "LBL", "Hello");
    skinLabel->setProperty("index", 0);
    skinLabel->setFont(QFont("Skin Face", 30));
    auto* combo = Add<QComboBox>(&window, "cmbCache");
    combo->addItems({"Don't Clear Cache Up", "Keep Thumbnails Only", "Clear Cache Up!"});
    auto* menu = new QMenu("File", &window);
    menu->setObjectName("MenuFile");
    auto* medium = menu->addAction("Medium");
    medium->setObjectName("mnuQLvl");
    medium->setProperty("index", 1);

    UseLanguage("Test");
    TranslateForm(&window);
    EXPECT_EQ(window.windowTitle(), "Einstellungen");
    EXPECT_EQ(label->text(), "Ordner:");
    EXPECT_EQ(edit->toolTip(), "Ihr Ordner");
    EXPECT_EQ(ok->text(), "Speichern");
    EXPECT_EQ(empty->text(), "Design");
    EXPECT_EQ(picture->text(), "skin");
    EXPECT_EQ(combo->itemText(0), "Nie");
    EXPECT_EQ(combo->itemText(1), "Keep Thumbnails Only");
    EXPECT_EQ(combo->itemText(2), "Alles");
    EXPECT_EQ(menu->title(), "Datei");
    EXPECT_EQ(medium->text(), "Mittel");
    EXPECT_EQ(label->font().family(), UIQFont().family());
    // Skin elements take the interface font (labels its size too) but keep their texts.
    EXPECT_EQ(skinLabel->text(), "Hello");
    EXPECT_EQ(skinLabel->font().family(), UIQFont().family());
    EXPECT_EQ(skinLabel->font().pointSizeF(), UIQFont().pointSizeF());

    UseLanguage("English");
    TranslateForm(&window);
    EXPECT_EQ(window.windowTitle(), "Options");
    EXPECT_EQ(label->text(), "Ve Zedaz Folder:");
    EXPECT_EQ(edit->toolTip(), "Your default folder");
    EXPECT_EQ(combo->itemText(0), "Don't Clear Cache Up");
    EXPECT_EQ(menu->title(), "File");
    EXPECT_EQ(medium->text(), "Medium");
}

TEST_F(TranslateFormTest, TheMainWindowKeepsItsOwnCaption)
{
    QWidget player;
    player.setObjectName("Player");
    player.setWindowTitle("Vorlen - intro.swf");
    UseLanguage("Test");
    TranslateForm(&player);
    EXPECT_EQ(player.windowTitle(), "Vorlen - intro.swf");
}

TEST_F(TranslateFormTest, InterfaceFontFallsBackToInstalledCandidates)
{
    const QStringList families = QFontDatabase::families();
    ASSERT_FALSE(families.isEmpty());
    InitUIFont(families.first(), 10.5);
    EXPECT_EQ(UIFont().name, families.first());
    EXPECT_EQ(UIFont().size, 10.5);

    InitUIFont("No Such Face 4711", std::nullopt);
    const QString expected = IsFontInstalled("Lucida Sans Unicode") ? "Lucida Sans Unicode" : "Tahoma";
    EXPECT_EQ(UIFont().name, expected);
    EXPECT_EQ(UIFont().size, 10.5);

    const auto only = [](QString name) { return [name](const QString& candidate) { return candidate == name; }; };
    const QStringList candidates = {"Century Gothic", "Lucida Sans Unicode", "Tahoma"};
    EXPECT_EQ(ChooseUIFontName(candidates, only("Century Gothic")), "Century Gothic");
    EXPECT_EQ(ChooseUIFontName(candidates, only("Lucida Sans Unicode")), "Lucida Sans Unicode");
    EXPECT_EQ(ChooseUIFontName(candidates, only("Tahoma")), "Tahoma");
    EXPECT_EQ(ChooseUIFontName(candidates, only("Arial")), "Tahoma");
}

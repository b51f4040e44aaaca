#include "media/ExtractTestSupport.h"

#include "base/AppFolders.h"
#include "base/XmlDocument.h"
#include "browser/ExtractSummary.h"
#include "browser/FrmDecompiler.h"
#include "common/TestSupport.h"
#include "lang/Language.h"
#include "swf/SwfWriter.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

namespace {

class FrmDecompilerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "test_extract_ui";
        static char* argv[] = {name, nullptr};
        if (!QApplication::instance())
            new QApplication(argc, argv);
    }

    void SetUp() override
    {
        QByteArray sound;
        AppendU16(sound, 3);
        AppendU8(sound, 0x2F);
        AppendU32(sound, 1152);
        AppendU16(sound, 0);
        QByteArray image;
        AppendU16(image, 9);
        SwfWriter writer;
        writer.AddTag(14, sound + MakeMp3(2, 1));
        writer.AddTag(21, image + QByteArray("\xFF\xD9\xFF\xD8", 4) + MakeJpeg(20, 20, 1));
        writer.AddTag(14, sound + MakeMp3(2, 2));
        m_moviePath = m_movies.path() + QStringLiteral("/clip.swf");
        ASSERT_TRUE(WriteAll(m_moviePath, writer.ToBytes(true)));
        m_movie = IdentifyForExtraction(m_moviePath);
        ASSERT_TRUE(m_movie.Compressed);
        m_options = DefaultDecompilerOptions();
        m_options.destination = m_out.path() + QLatin1Char('/');
    }

    template <typename T> static T* Control(FrmDecompiler& dialog, const char* name)
    {
        T* control = dialog.findChild<T*>(QLatin1String(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }

    TempAppFolder m_app;
    QTemporaryDir m_movies;
    QTemporaryDir m_out;
    QString m_moviePath;
    MediaFileInfo m_movie;
    DecompilerOptions m_options;
};

TEST_F(FrmDecompilerTest, DefaultsOfTheDecompilerSection)
{
    const DecompilerOptions defaults = DefaultDecompilerOptions();
    EXPECT_TRUE(defaults.jpeg);
    EXPECT_FALSE(defaults.png);
    EXPECT_TRUE(defaults.event);
    EXPECT_TRUE(defaults.stream);
    EXPECT_FALSE(defaults.video);
    EXPECT_TRUE(defaults.destination.endsWith(QLatin1String("/Ve Zedaz/")));
}

TEST_F(FrmDecompilerTest, LoadShowsTheOptionsAndGoNeedsAnExistingFolder)
{
    QAction entry(nullptr);
    m_options.event = false;
    m_options.video = true;
    {
        FrmDecompiler dialog(m_movie, m_options, &entry);
        EXPECT_FALSE(entry.isEnabled());
        EXPECT_TRUE(Control<QCheckBox>(dialog, "chkJPEG")->isChecked());
        EXPECT_FALSE(Control<QCheckBox>(dialog, "chkEvent")->isChecked());
        EXPECT_TRUE(Control<QCheckBox>(dialog, "chkVideo")->isChecked());
        EXPECT_EQ(Control<QLineEdit>(dialog, "txtDest")->text(), m_options.destination);
        EXPECT_TRUE(Control<QProgressBar>(dialog, "Progress")->isHidden());
        EXPECT_TRUE(Control<QPushButton>(dialog, "cbCancel")->isHidden());
        auto* go = Control<QPushButton>(dialog, "cbGo");
        EXPECT_TRUE(go->isEnabled());
        Control<QLineEdit>(dialog, "txtDest")->setText(m_out.path() + QStringLiteral("/missing/"));
        EXPECT_FALSE(go->isEnabled());
        Control<QLineEdit>(dialog, "txtDest")->setText(QString());
        EXPECT_FALSE(go->isEnabled());

        dialog.chooseFolder = [&](const QString& title, const QString&) {
            EXPECT_EQ(title, QStringLiteral("Select a folder to save extracted resources to:"));
            return m_out.path() + QStringLiteral("//sub");
        };
        QDir().mkpath(m_out.path() + QStringLiteral("/sub"));
        dialog.Browse();
        EXPECT_EQ(Control<QLineEdit>(dialog, "txtDest")->text(), m_out.path() + QStringLiteral("/sub/"));
        EXPECT_TRUE(go->isEnabled());

        Control<QCheckBox>(dialog, "chkStream")->setChecked(false);
        Control<QPushButton>(dialog, "cbDone")->click();
    }
    // Unload stores the check states and gives the menu entry back.
    EXPECT_TRUE(entry.isEnabled());
    EXPECT_FALSE(m_options.stream);
    EXPECT_FALSE(m_options.event);
    EXPECT_TRUE(m_options.video);
    EXPECT_EQ(m_options.destination, m_out.path() + QStringLiteral("/sub/"));
}

TEST_F(FrmDecompilerTest, GoRunsTheWalkAndShowsTheSummary)
{
    FrmDecompiler dialog(m_movie, m_options);
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString text;
    bool runningDuringPump = false;
    dialog.pumpMessages = [&] {
        runningDuringPump = dialog.Running() && !Control<QPushButton>(dialog, "cbCancel")->isHidden()
            && Control<QLineEdit>(dialog, "txtDest")->isHidden() && !Control<QCheckBox>(dialog, "chkJPEG")->isEnabled();
    };
    dialog.showMessage = [&](QMessageBox::Icon shownIcon, const QString& shownText) {
        icon = shownIcon;
        text = shownText;
    };
    Control<QPushButton>(dialog, "cbGo")->click();
    EXPECT_TRUE(runningDuringPump);
    EXPECT_EQ(icon, QMessageBox::Information);
    EXPECT_EQ(text, QStringLiteral("Resource Extraction Complete!\r\n\r\nJPEG Images: 1\r\nEvent MP3s: 2"));
    // Both sounds have the ID 3: the second file replaced the first, each was counted.
    EXPECT_EQ(FilesIn(m_out.path()), (QStringList{"clip.swf.3.mp3", "clip.swf.9.jpg"}));
    EXPECT_TRUE(DecodesAsJpeg(ReadAll(m_out.path() + QStringLiteral("/clip.swf.9.jpg"))));
    // Controls are back.
    EXPECT_TRUE(Control<QProgressBar>(dialog, "Progress")->isHidden());
    EXPECT_TRUE(Control<QPushButton>(dialog, "cbCancel")->isHidden());
    EXPECT_FALSE(Control<QLineEdit>(dialog, "txtDest")->isHidden());
    EXPECT_TRUE(Control<QPushButton>(dialog, "cbGo")->isEnabled());
    EXPECT_TRUE(Control<QCheckBox>(dialog, "chkJPEG")->isEnabled());
}

TEST_F(FrmDecompilerTest, CancelDuringTheWalkListsWhatWasWritten)
{
    FrmDecompiler dialog(m_movie, m_options);
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString text;
    // The Cancel button is pressed while the walk pumps the messages after its first tag.
    dialog.pumpMessages = [&] {
        auto* cancel = Control<QPushButton>(dialog, "cbCancel");
        if (cancel->isEnabled())
            cancel->click();
        EXPECT_FALSE(cancel->isEnabled());
    };
    dialog.showMessage = [&](QMessageBox::Icon shownIcon, const QString& shownText) {
        icon = shownIcon;
        text = shownText;
    };
    dialog.Go();
    EXPECT_TRUE(dialog.CancelRequested());
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_EQ(text, QStringLiteral("Resource Extraction Cancelled!\r\n\r\nEvent MP3s: 1"));
    EXPECT_EQ(FilesIn(m_out.path()), QStringList{"clip.swf.3.mp3"});
}

TEST_F(FrmDecompilerTest, PngAndVideoCanBeChosenAndWriteNothing)
{
    {
        FrmDecompiler dialog(m_movie, m_options);
        QString text;
        dialog.showMessage = [&](QMessageBox::Icon, const QString& shownText) { text = shownText; };
        for (const char* name : {"chkJPEG", "chkEvent", "chkStream"})
            Control<QCheckBox>(dialog, name)->setChecked(false);
        for (const char* name : {"chkPNG", "chkVideo"}) {
            auto* box = Control<QCheckBox>(dialog, name);
            EXPECT_TRUE(box->isEnabled()) << name;
            box->click();
            EXPECT_TRUE(box->isChecked()) << name;
        }
        dialog.Go();
        EXPECT_EQ(dialog.Counters().value, (std::array<int32_t, 5>{-1, 0, -1, -1, 0}));
        EXPECT_EQ(text, QStringLiteral("Resource Extraction Complete!\r\n\r\nNo resources were extracted"));
        EXPECT_TRUE(FilesIn(m_out.path()).isEmpty());
        EXPECT_TRUE(Control<QCheckBox>(dialog, "chkPNG")->isEnabled());
        EXPECT_TRUE(Control<QCheckBox>(dialog, "chkVideo")->isEnabled());
        Control<QPushButton>(dialog, "cbDone")->click();
    }
    EXPECT_FALSE(m_options.jpeg);
    EXPECT_TRUE(m_options.png);
    EXPECT_TRUE(m_options.video);
}

// Without a language file the dialog shows the texts the shipped English file gives.
TEST_F(FrmDecompilerTest, BuiltInTextsAreThoseOfTheEnglishFile)
{
    XmlDocument english;
    ASSERT_TRUE(english.load(SourceDir() + QStringLiteral("/data/Languages/English.xml")));
    const XmlNode form = english.selectSingleNode(QStringLiteral("LANG/FRMDECOMPILER"));
    ASSERT_TRUE(form);
    auto text = [&](const char* key) { return form.selectSingleNode(QLatin1String(key) + QStringLiteral("/@text")).text(); };

    FrmDecompiler dialog(m_movie, m_options);
    EXPECT_EQ(dialog.windowTitle(), form.Attribute(QStringLiteral("title")));
    int checked = 0;
    for (const XmlNode& element : form.childNodes()) {
        if (!element.IsElement() || element.nodeName().startsWith(QLatin1String("STR")))
            continue;
        ++checked;
        QWidget* control = nullptr;
        for (QWidget* child : dialog.findChildren<QWidget*>()) {
            if (child->objectName().toUpper() == element.nodeName())
                control = child;
        }
        ASSERT_NE(control, nullptr) << element.nodeName().toStdString();
        QString shown;
        if (auto* button = qobject_cast<QAbstractButton*>(control))
            shown = button->text();
        else if (auto* label = qobject_cast<QLabel*>(control))
            shown = label->text();
        EXPECT_EQ(shown, element.Attribute(QStringLiteral("text"))) << element.nodeName().toStdString();
    }
    EXPECT_EQ(checked, 11);

    QString browseTitle;
    dialog.chooseFolder = [&](const QString& title, const QString&) {
        browseTitle = title;
        return QString();
    };
    dialog.Browse();
    EXPECT_EQ(browseTitle, text("STRBROWSE"));
    ExtractCounters counters;
    counters.value = {1, 2, 3, 4, 5};
    EXPECT_EQ(ExtractSummaryMessage(counters, false),
        text("STRDONE") + QStringLiteral("\r\n\r\n") + text("STRJPEGS") + QStringLiteral(" 1\r\n") + text("STRPNGS")
            + QStringLiteral(" 2\r\n") + text("STRMP3S") + QStringLiteral(" 3\r\n") + text("STRSTREAMS")
            + QStringLiteral(" 4\r\n") + text("STRVIDEOS") + QStringLiteral(" 5"));
    EXPECT_EQ(
        ExtractSummaryMessage(ExtractCounters(), true), text("STRCANCEL") + QStringLiteral("\r\n\r\n") + text("STRNORESULT"));
}

TEST_F(FrmDecompilerTest, OpenShowsTheDialogOnlyForAnIdentifiedMovie)
{
    const QString text = m_movies.path() + QStringLiteral("/notes.swf");
    ASSERT_TRUE(WriteAll(text, "plain text, not a movie"));
    QAction entry(nullptr);
    EXPECT_EQ(FrmDecompiler::Open(text, m_options, &entry, nullptr), QStringLiteral("Not a Flash Movie"));
    EXPECT_TRUE(entry.isEnabled());

    // A movie: the dialog comes up modally (closed here as soon as it shows).
    bool shown = false;
    QTimer::singleShot(0, [&] {
        if (auto* dialog = qobject_cast<FrmDecompiler*>(QApplication::activeModalWidget())) {
            shown = true;
            EXPECT_FALSE(entry.isEnabled());
            dialog->findChild<QPushButton*>(QStringLiteral("cbDone"))->click();
        }
    });
    EXPECT_EQ(FrmDecompiler::Open(m_moviePath, m_options, &entry, nullptr), QString());
    EXPECT_TRUE(shown);
    EXPECT_TRUE(entry.isEnabled());
}

TEST_F(FrmDecompilerTest, HelpOpensTheDecompilerTopic)
{
    FrmDecompiler dialog(m_movie, m_options);
    QString topic;
    dialog.openHelp = [&](const QString& shown) { topic = shown; };
    Control<QPushButton>(dialog, "cbHelp")->click();
    EXPECT_EQ(topic, QStringLiteral("decompiler"));
}

}  // namespace

TEST_F(FrmDecompilerTest, TitleAndCaptionsFollowTheChosenLanguage)
{
    ASSERT_TRUE(QFile::copy(
        SourceDir() + QStringLiteral("/data/Languages/Deutsch.xml"), Folders().languages + QStringLiteral("Deutsch.xml")));
    EnumerateLanguages(QStringLiteral("Deutsch"));
    LoadLanguage();
    {
        FrmDecompiler dialog(m_movie, m_options);
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Ressourcen extrahieren"));
        EXPECT_EQ(dialog.findChild<QPushButton*>(QStringLiteral("cbGo"))->text(), QStringLiteral("Extrahieren"));
    }
    EnumerateLanguages(QStringLiteral("English"));
    LoadLanguage();
    FrmDecompiler english(m_movie, m_options);
    EXPECT_EQ(english.windowTitle(), QStringLiteral("Resource Extractor"));
}

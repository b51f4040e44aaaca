#include "OptionsTestSupport.h"

#include "options/RegistryStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace {

ino_t InodeOf(const QString& path)
{
    struct stat info { };
    if (stat(QFile::encodeName(path).constData(), &info) != 0)
        return 0;
    return info.st_ino;
}

}  // namespace

TEST(RegistryStore, MissingValuesReadAsTheDefaultAndTextsRoundTrip)
{
    TempOptionStore store;
    EXPECT_EQ(ReadRegistryString("View", "Quality", "High"), "High");
    EXPECT_FALSE(QFile::exists(OptionStorePath()));

    // Texts INI files treat specially (lists, comments, quotes, non-Latin letters) come back as written.
    const QStringList texts = {"Low", "a, b", "x; y = z", "\"quoted\"", "[group]", "Grüße 日本", " padded ", ""};
    for (const QString& text : texts) {
        WriteRegistryString("Generator", "App", text);
        EXPECT_EQ(ReadRegistryString("Generator", "App", "default"), text) << text.toStdString();
    }
}

TEST(RegistryStore, FileLivesBelowTheConfiguredFolderOneGroupPerSection)
{
    TempOptionStore store;
    EXPECT_EQ(OptionStorePath(), store.Path() + "config/Vorlen/Vorlen.ini");
    WriteRegistryString("View", "Quality", "Medium");
    WriteRegistryString("Sound", "Mute", "True");
    const QString ini = QString::fromUtf8(ReadAll(OptionStorePath()));
    EXPECT_TRUE(ini.contains("[View]\nQuality=Medium")) << ini.toStdString();
    EXPECT_TRUE(ini.contains("[Sound]\nMute=True")) << ini.toStdString();
}

TEST(RegistryStore, DefaultValueNameHasAKeyNoOtherNameReaches)
{
    TempOptionStore store;
    WriteRegistryString("Recent", "", "/media/flash/");
    WriteRegistryString("Recent", "(Default)", "literal name");
    WriteRegistryString("Recent", "a/b\\c%", "separators");
    EXPECT_EQ(ReadRegistryString("Recent", "", "x"), "/media/flash/");
    EXPECT_EQ(ReadRegistryString("Recent", "(Default)", "x"), "literal name");
    EXPECT_EQ(ReadRegistryString("Recent", "a/b\\c%", "x"), "separators");
    EXPECT_EQ(ReadRegistryString("Recent", "a", "x"), "x");
}

TEST(RegistryStore, NamesIgnoreLetterCaseAndKeepTheirFirstSpelling)
{
    TempOptionStore store;
    WriteRegistryString("Window", "hWnd", "5");
    EXPECT_EQ(ReadRegistryString("WINDOW", "hwnd", "0"), "5");
    WriteRegistryString("window", "HWND", "6");
    EXPECT_EQ(ReadRegistryString("Window", "hWnd", "0"), "6");
    const QString ini = QString::fromUtf8(ReadAll(OptionStorePath()));
    EXPECT_EQ(ini.count("hWnd="), 1) << ini.toStdString();
    EXPECT_FALSE(ini.contains("[window]", Qt::CaseSensitive)) << ini.toStdString();
}

TEST(RegistryStore, KeysOutsideTheProductKeyAreGroupsOfTheirOwn)
{
    TempOptionStore store;
    WriteRegistryString("Control Panel\\Desktop", "SCRNSAVE.EXE", "/opt/saver", false);
    EXPECT_EQ(ReadRegistryString("Control Panel\\Desktop", "SCRNSAVE.EXE", "", false), "/opt/saver");
    EXPECT_EQ(ReadRegistryString("Control Panel/Desktop", "SCRNSAVE.EXE", "", false), "/opt/saver");
    EXPECT_EQ(ReadRegistryString("Desktop", "SCRNSAVE.EXE", "none"), "none");
    EXPECT_EQ(ReadRegistryString(".swf", "", "none", false, RegistryRoot::ClassesRoot), "none");
    WriteRegistryString(".swf", "", "Vorlen.swf", false, RegistryRoot::ClassesRoot);
    EXPECT_EQ(ReadRegistryString(".swf", "", "none", false, RegistryRoot::ClassesRoot), "Vorlen.swf");
    EXPECT_EQ(ReadRegistryString(".swf", "", "none", false), "none");
}

TEST(RegistryStore, LowerPrimitivesHandleTypesAndStatus)
{
    TempOptionStore store;
    const RegistryKey key = OpenRegistryKey("Sound");
    EXPECT_EQ(SetRegistryValue(key, "Volume", kRegDword, "50"), kRegSuccess);
    EXPECT_EQ(ReadRegistryString("Sound", "Volume", "100"), "50");
    EXPECT_EQ(SetRegistryValue(key, "Pan", kRegDword, "left"), kRegUnsupportedType);
    EXPECT_EQ(SetRegistryValue(key, "Pan", 3, "00ff"), kRegUnsupportedType);
    EXPECT_EQ(ReadRegistryString("Sound", "Pan", "0"), "0");

    QString value = "untouched";
    EXPECT_EQ(QueryRegistryValue(key, "Missing", value), kRegNotFound);
    EXPECT_EQ(value, "untouched");

    // A value edited by hand into a list is not text: it reads as missing.
    QFile file(OptionStorePath());
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("Balance=1, 2\n");
    file.close();
    EXPECT_EQ(QueryRegistryValue(key, "Balance", value), kRegUnsupportedType);
    EXPECT_EQ(value, "untouched");
    EXPECT_EQ(ReadRegistryString("Sound", "Balance", "0"), "0");
    EXPECT_EQ(ReadRegistryString("Sound", "Volume", "100"), "50");
}

TEST(RegistryStore, WritesReplaceTheFileWholeAndFailSilently)
{
    TempOptionStore store;
    WriteRegistryString("View", "Skin", "Default");
    const ino_t before = InodeOf(OptionStorePath());
    ASSERT_NE(before, 0u);
    WriteRegistryString("View", "Skin", "Aqua");
    // A new file renamed over the old one: a reader sees either the old or the new file.
    EXPECT_NE(InodeOf(OptionStorePath()), before);
    for (const QString& name : QDir(QFileInfo(OptionStorePath()).path()).entryList(QDir::Files))
        EXPECT_TRUE(name == "Vorlen.ini" || name == "Vorlen.ini.lock") << name.toStdString();

    // A store that cannot be made (its folder would lie below a file): nothing fails.
    WriteAll(store.Path() + "blocker", "x");
    qputenv("VORLEN_CONFIG_DIR", (store.Path() + "blocker/config").toUtf8());
    EXPECT_EQ(SetRegistryValue(OpenRegistryKey("View"), "Skin", kRegSz, "Aqua"), kRegAccessDenied);
    WriteRegistryString("View", "Skin", "Aqua");
    EXPECT_EQ(ReadRegistryString("View", "Skin", "Default"), "Default");
}

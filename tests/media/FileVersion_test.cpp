#include "TestExecutable.h"
#include "common/TestSupport.h"

#include "media/FileVersion.h"
#include "media/Projector.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString WriteTemp(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    const QString path = dir.path() + QLatin1Char('/') + name;
    EXPECT_TRUE(WriteAll(path, bytes));
    return path;
}

}  // namespace

TEST(ReadFileVersion, ReadsTheStringsOfTheFirstTranslation)
{
    QTemporaryDir dir;
    const QString path = WriteTemp(dir, QStringLiteral("player.exe"), MakePlayerExecutable());
    const FileVersionStrings strings = ReadFileVersion(path);
    EXPECT_EQ(strings.fileVersion, QStringLiteral("7,0,14,0"));
    EXPECT_EQ(strings.originalFileName, QStringLiteral("SAFlashPlayer.exe"));
}

TEST(ReadFileVersion, WalkStopsAtTheFirstMissingName)
{
    QTemporaryDir dir;
    TestVersionResource resource;
    // No "InternalName": the walk never reaches OriginalFileName.
    resource.strings = {{QStringLiteral("CompanyName"), QStringLiteral("A")},
        {QStringLiteral("FileDescription"), QStringLiteral("B")}, {QStringLiteral("FileVersion"), QStringLiteral("1.0")},
        {QStringLiteral("OriginalFileName"), QStringLiteral("SAFlashPlayer.exe")}};
    const QString path = WriteTemp(dir, QStringLiteral("a.exe"), MakeTestExecutable(&resource));
    const FileVersionStrings strings = ReadFileVersion(path);
    EXPECT_EQ(strings.fileVersion, QStringLiteral("1.0"));
    EXPECT_TRUE(strings.originalFileName.isEmpty());
    EXPECT_FALSE(IsGenericProjector(path, false));

    // Missing from the start: nothing at all.
    resource.strings.removeFirst();
    const QString second = WriteTemp(dir, QStringLiteral("b.exe"), MakeTestExecutable(&resource));
    EXPECT_TRUE(ReadFileVersion(second).fileVersion.isEmpty());
}

TEST(ReadFileVersion, ValuesAreCutAtNulAndNamesMatchWithoutCase)
{
    QTemporaryDir dir;
    TestVersionResource resource;
    resource.language = 0x0407;
    resource.codePage = 0x04E4;
    resource.tableKey = QStringLiteral("040704e4");  // lower case hex in the file
    resource.strings = {{QStringLiteral("companyname"), QStringLiteral("x")},
        {QStringLiteral("FILEDESCRIPTION"), QStringLiteral("y")}, {QStringLiteral("FileVersion"), QStringLiteral("9.1")},
        {QStringLiteral("InternalName"), QStringLiteral("i")}, {QStringLiteral("LegalCopyright"), QStringLiteral("c")},
        {QStringLiteral("OriginalFilename"), QString::fromUtf16(u"SwFlsh32.exe\0junk", 17)}};
    const QString path = WriteTemp(dir, QStringLiteral("c.exe"), MakeTestExecutable(&resource));
    const FileVersionStrings strings = ReadFileVersion(path);
    EXPECT_EQ(strings.fileVersion, QStringLiteral("9.1"));
    EXPECT_EQ(strings.originalFileName, QStringLiteral("SwFlsh32.exe"));
    EXPECT_TRUE(IsGenericProjector(path, false));
    EXPECT_FALSE(IsGenericProjector(path, true));
}

TEST(ReadFileVersion, TableOfAnotherTranslationIsNotRead)
{
    QTemporaryDir dir;
    TestVersionResource resource;
    resource.tableKey = QStringLiteral("040C04B0");  // the translation says 0409 04B0
    resource.strings = {{QStringLiteral("CompanyName"), QStringLiteral("A")}};
    const QString path = WriteTemp(dir, QStringLiteral("d.exe"), MakeTestExecutable(&resource));
    EXPECT_TRUE(ReadFileVersion(path).fileVersion.isEmpty());
}

TEST(ReadFileVersion, FilesWithoutResourceGiveEmptyResults)
{
    QTemporaryDir dir;
    const QByteArray bare = MakeTestExecutable(nullptr);
    const QByteArray full = MakePlayerExecutable();
    const QList<QByteArray> inputs = {bare, QByteArray("MZ"), QByteArray(), QByteArray("FWS\x06"), full.left(0x40),
        full.left(0x100), full.left(0x220), full.left(full.size() / 2)};
    int n = 0;
    for (const QByteArray& bytes : inputs) {
        const QString path = WriteTemp(dir, QStringLiteral("e%1.exe").arg(n++), bytes);
        const FileVersionStrings strings = ReadFileVersion(path);
        EXPECT_TRUE(strings.originalFileName.isEmpty()) << n;
    }
    EXPECT_TRUE(ReadFileVersion(dir.path() + QStringLiteral("/missing.exe")).fileVersion.isEmpty());
}

TEST(ReadFileVersion, DamagedResourcesNeverCrash)
{
    QTemporaryDir dir;
    const QByteArray good = MakePlayerExecutable();
    // Flip every byte of the headers and the resource in turn.
    for (int at = 0; at < good.size(); at += 3) {
        QByteArray bytes = good;
        bytes[at] = static_cast<char>(bytes[at] ^ 0xFF);
        const QString path = WriteTemp(dir, QStringLiteral("m.exe"), bytes);
        ReadFileVersion(path);
    }
    SUCCEED();
}

TEST(ReadFileVersion, CorpusExecutableIsNotAProjector)
{
    SKIP_WITHOUT_CORPUS();
    const QString path = CorpusDir() + QStringLiteral("/exe/EXE.exe");
    const FileVersionStrings strings = ReadFileVersion(path);
    EXPECT_EQ(strings.originalFileName, QStringLiteral("EXE.exe"));
    EXPECT_FALSE(IsGenericProjector(path, false));
}

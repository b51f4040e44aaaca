// The folders of src/ depend on each other one way: every quoted include is checked against
// the table of allowed folders, and the folders form no cycle.
#include "IncludeRules.h"

#include "common/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString SourceRoot()
{
    return SourceDir() + QStringLiteral("/src");
}

// A source tree of its own: file paths relative to the root, with their text.
class SourceTree {
public:
    void Add(const QString& file, const QByteArray& text)
    {
        const QString path = m_dir.filePath(file);
        QDir().mkpath(QFileInfo(path).path());
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(text);
    }
    QString Root() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

}  // namespace

TEST(IncludeRules, EveryIncludeOfTheSourcesIsAllowed)
{
    const std::vector<IncludeEdge> edges = ReadIncludes(SourceRoot());
    // The sources are there: a wrong root would pass with nothing read.
    ASSERT_GT(edges.size(), 500u);
    const QStringList bad = BadEdges(edges, FolderRules(), PrivateHeaders());
    EXPECT_TRUE(bad.isEmpty()) << bad.join(QLatin1Char('\n')).toStdString();
}

TEST(IncludeRules, TheFoldersFormNoCycle)
{
    const QStringList cycles = FolderCycles(ReadIncludes(SourceRoot()));
    EXPECT_TRUE(cycles.isEmpty()) << cycles.join(QLatin1Char('\n')).toStdString();
}

// Every folder of src/ has its row, and the table allows no cycle of its own.
TEST(IncludeRules, TheTableCoversEveryFolderOneWay)
{
    QStringList ruled;
    std::vector<IncludeEdge> allowed;
    for (const FolderRule& rule : FolderRules()) {
        ruled << QLatin1String(rule.folder);
        for (const char* to : rule.mayInclude)
            allowed.push_back({QString(), 0, QString(), QLatin1String(rule.folder), QLatin1String(to)});
    }
    for (const QString& folder : QDir(SourceRoot()).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        EXPECT_TRUE(ruled.contains(folder)) << folder.toStdString();
    EXPECT_EQ(FolderCycles(allowed), QStringList());
}

TEST(IncludeRules, ABadIncludeIsNamedWithItsFileAndLine)
{
    SourceTree tree;
    tree.Add(QStringLiteral("swf/SwfThing.cpp"),
        "#include \"swf/SwfThing.h\"\n"
        "#include \"base/FileNames.h\"\n"
        "// #include \"player/Player.h\"\n"
        "  #  include \"media/IdentifyMedia.h\"\n");
    tree.Add(QStringLiteral("image/ui/Painter.cpp"), "#include \"swf/SwfHeader.h\"\n#include \"lang/Language.h\"\n");
    tree.Add(QStringLiteral("desktop/Hooks.cpp"),
        "#include \"Hooks.h\"\n#include \"player/PlayerInput.h\"\n#include \"player/Player.h\"\n"
        "#include \"skin/XmlSkin.h\"\n");
    tree.Add(QStringLiteral("app/StartUp.cpp"), "#include \"player/Player.h\"\n#include \"skin/XmlSkin.h\"\n");
    tree.Add(QStringLiteral("extra/Thing.h"), "#include \"base/Version.h\"\n");

    const std::vector<IncludeEdge> edges = ReadIncludes(tree.Root());
    ASSERT_EQ(edges.size(), 12u);
    // An include without a folder is the file's own folder's; a sub-folder is its folder.
    EXPECT_EQ(edges[2].include, QStringLiteral("Hooks.h"));
    EXPECT_EQ(edges[2].to, QStringLiteral("desktop"));
    EXPECT_EQ(edges[7].from, QStringLiteral("image"));

    EXPECT_EQ(BadEdges(edges, FolderRules(), PrivateHeaders()),
        QStringList({
            QStringLiteral("desktop/Hooks.cpp:3: \"player/Player.h\" - only player and app include it"),
            QStringLiteral("desktop/Hooks.cpp:4: \"skin/XmlSkin.h\" - desktop may not include skin"),
            QStringLiteral("extra/Thing.h:1: \"base/Version.h\" - folder extra has no row in the table"),
            QStringLiteral("image/ui/Painter.cpp:2: \"lang/Language.h\" - image may not include lang"),
            QStringLiteral("swf/SwfThing.cpp:4: \"media/IdentifyMedia.h\" - swf may not include media"),
        }));
}

TEST(IncludeRules, CyclesAreNamedWithAnIncludeOfEachStep)
{
    SourceTree tree;
    tree.Add(QStringLiteral("media/A.cpp"), "#include \"media/A.h\"\n#include \"options/B.h\"\n");
    tree.Add(QStringLiteral("options/B.cpp"), "#include \"playlist/C.h\"\n");
    tree.Add(QStringLiteral("playlist/C.cpp"), "#include \"media/A.h\"\n#include \"base/D.h\"\n");
    tree.Add(QStringLiteral("lang/E.cpp"), "#include \"swf/F.h\"\n");
    tree.Add(QStringLiteral("swf/F.cpp"), "#include \"lang/E.h\"\n");
    tree.Add(QStringLiteral("base/D.cpp"), "#include \"base/D.h\"\n");

    EXPECT_EQ(FolderCycles(ReadIncludes(tree.Root())),
        QStringList({
            QStringLiteral("lang -> swf (lang/E.cpp: \"swf/F.h\") -> lang (swf/F.cpp: \"lang/E.h\")"),
            QStringLiteral("media -> options (media/A.cpp: \"options/B.h\") -> playlist (options/B.cpp: \"playlist/C.h\")"
                           " -> media (playlist/C.cpp: \"media/A.h\")"),
        }));

    // One way round there is none.
    SourceTree oneWay;
    oneWay.Add(QStringLiteral("playlist/C.cpp"), "#include \"media/A.h\"\n#include \"options/B.h\"\n");
    oneWay.Add(QStringLiteral("media/A.cpp"), "#include \"base/D.h\"\n#include \"media/A.h\"\n");
    EXPECT_TRUE(FolderCycles(ReadIncludes(oneWay.Root())).isEmpty());
}

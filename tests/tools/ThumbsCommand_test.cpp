// vorlen-tool thumbs, run as its own process the way people use it.
#include "common/TestSupport.h"
#include "engine/TestMovies.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

int RunTool(const QStringList& arguments, QString* out, QString* err)
{
    QProcess process;
    process.start(AppTreeDir() + QStringLiteral("/vorlen-tool"), arguments);
    if (!process.waitForFinished(120000))
        return -1;
    *out = QString::fromUtf8(process.readAllStandardOutput());
    *err = QString::fromUtf8(process.readAllStandardError());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

}  // namespace

TEST(ThumbsCommand, WritesTheGeneratorsThumbnailsAndItsSummary)
{
    QTemporaryDir dir;
    const QString root = dir.path() + QLatin1Char('/');
    QDir().mkpath(root + QStringLiteral("sub"));
    ASSERT_TRUE(WriteAll(root + QStringLiteral("red.swf"), BuildColourMovie({Qt::red})));
    ASSERT_TRUE(WriteAll(root + QStringLiteral("sub/blue.swf"), BuildColourMovie({Qt::blue})));
    ASSERT_TRUE(WriteAll(root + QStringLiteral("notes.txt"), "text"));

    QString out;
    QString err;
    ASSERT_EQ(RunTool({QStringLiteral("thumbs"), dir.path(), QStringLiteral("--recursive"), QStringLiteral("--width"),
                          QStringLiteral("80"), QStringLiteral("--height"), QStringLiteral("60")},
                  &out, &err),
        0)
        << err.toStdString();
    EXPECT_EQ(out, QStringLiteral("Thumbnail Generation Complete!\n\nThumbnails created: 2\nFolders Searched: 2\n"));
    QImageReader red(root + QStringLiteral("red.jpg"));
    EXPECT_EQ(red.size(), QSize(80, 60));
    const QImage blue(root + QStringLiteral("sub/blue.jpg"));
    EXPECT_GT(blue.pixelColor(40, 30).blue(), 190);
    EXPECT_LT(blue.pixelColor(40, 30).red(), 60);

    // Without --overwrite nothing is taken again; without --recursive the sub-folder is left.
    const QDateTime written = QFileInfo(root + QStringLiteral("red.jpg")).lastModified();
    ASSERT_EQ(RunTool({QStringLiteral("thumbs"), dir.path(), QStringLiteral("--recursive")}, &out, &err), 0) << err.toStdString();
    EXPECT_EQ(out, QStringLiteral("Thumbnail Generation Complete!\n\nThumbnails created: 0 / 2\nFolders Searched: 2\n"));
    EXPECT_EQ(QFileInfo(root + QStringLiteral("red.jpg")).lastModified(), written);
    ASSERT_EQ(RunTool({QStringLiteral("thumbs"), dir.path(), QStringLiteral("--overwrite"), QStringLiteral("--quality"),
                          QStringLiteral("40")},
                  &out, &err),
        0);
    EXPECT_EQ(out, QStringLiteral("Thumbnail Generation Complete!\n\nThumbnails created: 1\nFolders Searched: 1\n"));
    EXPECT_EQ(QImageReader(root + QStringLiteral("red.jpg")).size(), QSize(120, 90));
}

TEST(ThumbsCommand, ArgumentsThatCannotBeUsed)
{
    QTemporaryDir dir;
    QString out;
    QString err;
    EXPECT_EQ(RunTool({QStringLiteral("thumbs")}, &out, &err), 2);
    EXPECT_TRUE(err.startsWith(QStringLiteral("usage: vorlen-tool thumbs FOLDER"))) << err.toStdString();
    EXPECT_EQ(RunTool({QStringLiteral("thumbs"), dir.path() + QStringLiteral("/missing")}, &out, &err), 2);
    EXPECT_TRUE(err.contains(QStringLiteral("is not a folder")));
    EXPECT_EQ(RunTool({QStringLiteral("thumbs"), dir.path(), QStringLiteral("--quality"), QStringLiteral("101")}, &out, &err), 2);
    EXPECT_EQ(RunTool({QStringLiteral("thumbs"), dir.path(), QStringLiteral("--frame"), QStringLiteral("3")}, &out, &err), 2);
    EXPECT_TRUE(out.isEmpty());
}

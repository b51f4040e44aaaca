// vorlen-tool shot, run as its own process the way people use it.
#include "common/TestSupport.h"
#include "engine/TestMovies.h"

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

int RunTool(const QStringList& arguments, QString* err = nullptr)
{
    QProcess process;
    process.start(AppTreeDir() + QStringLiteral("/vorlen-tool"), arguments);
    if (!process.waitForFinished(90000))
        return -1;
    if (err)
        *err = QString::fromUtf8(process.readAllStandardError());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

}  // namespace

TEST(ShotCommand, SavesTheChosenFrameAsJpegAtTheChosenSize)
{
    QTemporaryDir dir;
    const QString movie = dir.path() + QStringLiteral("/colours.swf");
    ASSERT_TRUE(WriteAll(movie, BuildColourMovie({Qt::red, Qt::blue, Qt::green})));
    const QString shot = dir.path() + QStringLiteral("/shot.jpg");
    QString err;
    ASSERT_EQ(RunTool({QStringLiteral("shot"), movie, shot, QStringLiteral("--frame"), QStringLiteral("2"),
                          QStringLiteral("--width"), QStringLiteral("160"), QStringLiteral("--height"), QStringLiteral("120")},
                  &err),
        0)
        << err.toStdString();
    QImage image(shot, "JPEG");
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(160, 120));
    const QColor centre = image.pixelColor(80, 60);
    EXPECT_LT(centre.red(), 60);
    EXPECT_LT(centre.green(), 60);
    EXPECT_GT(centre.blue(), 190);  // frame 2 is blue
}

TEST(ShotCommand, BrokenMoviesAndBadArgumentsFailWithAMessage)
{
    QTemporaryDir dir;
    const QString broken = dir.path() + QStringLiteral("/broken.swf");
    ASSERT_TRUE(WriteAll(broken, QByteArray("FWS\x08\xff\xff\xff\x7f", 8)));
    QString err;
    EXPECT_EQ(RunTool({QStringLiteral("shot"), broken, dir.path() + QStringLiteral("/b.jpg")}, &err), 1);
    EXPECT_FALSE(err.isEmpty());
    EXPECT_FALSE(QFile::exists(dir.path() + QStringLiteral("/b.jpg")));
    EXPECT_NE(RunTool({QStringLiteral("shot"), broken, dir.path() + QStringLiteral("/b.jpg"), QStringLiteral("--frame"),
                          QStringLiteral("0")},
                  &err),
        0);
    EXPECT_NE(RunTool({QStringLiteral("shot")}, &err), 0);
}

TEST(ShotCommand, TimeoutLimitsTheLoad)
{
    QTemporaryDir dir;
    const QString movie = dir.path() + QStringLiteral("/colours.swf");
    ASSERT_TRUE(WriteAll(movie, BuildColourMovie({Qt::red})));
    QString err;
    EXPECT_EQ(RunTool({QStringLiteral("shot"), movie, dir.path() + QStringLiteral("/s.jpg"), QStringLiteral("--timeout"),
                          QStringLiteral("0.001")},
                  &err),
        1);
    EXPECT_TRUE(err.contains(QStringLiteral("did not load"))) << err.toStdString();
    EXPECT_FALSE(QFile::exists(dir.path() + QStringLiteral("/s.jpg")));
}

// vorlen-tool shot, run as its own process the way people use it.
#include "common/TestSupport.h"
#include "engine/TestMovies.h"

#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

int RunTool(const QStringList& arguments, QString* err = nullptr, QString* out = nullptr)
{
    QProcess process;
    process.start(AppTreeDir() + QStringLiteral("/vorlen-tool"), arguments);
    if (!process.waitForFinished(90000))
        return -1;
    if (err)
        *err = QString::fromUtf8(process.readAllStandardError());
    if (out)
        *out = QString::fromUtf8(process.readAllStandardOutput());
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

// The JPEG quality is the one asked for (90 when none is).
TEST(ShotCommand, QualityOption)
{
    QTemporaryDir dir;
    const QString movie = dir.path() + QStringLiteral("/colours.swf");
    ASSERT_TRUE(WriteAll(movie, BuildColourMovie({Qt::red, Qt::blue, Qt::green})));
    qint64 sizes[3] = {};
    const char* const qualities[] = {"5", nullptr, "100"};
    for (int i = 0; i < 3; ++i) {
        const QString shot = dir.path() + QStringLiteral("/q%1.jpg").arg(i);
        QStringList arguments = {QStringLiteral("shot"), movie, shot};
        if (qualities[i])
            arguments << QStringLiteral("--quality") << QLatin1String(qualities[i]);
        QString err;
        ASSERT_EQ(RunTool(arguments, &err), 0) << err.toStdString();
        sizes[i] = QFileInfo(shot).size();
    }
    EXPECT_LT(sizes[0], sizes[1]);
    EXPECT_LT(sizes[1], sizes[2]);
}

// ActionScript 3 movies: the frame asked for, or an error when frame control cannot reach it.
TEST(ShotCommand, FramesOfActionScript3Movies)
{
    QTemporaryDir dir;
    ColourMovieOptions options;
    options.actionScript3 = true;
    options.version = 10;
    const QString movie = dir.path() + QStringLiteral("/as3.swf");
    ASSERT_TRUE(WriteAll(movie, BuildColourMovie({Qt::red, Qt::blue, Qt::green}, options)));
    const QString shot = dir.path() + QStringLiteral("/as3.jpg");
    QString out;
    QString err;
    ASSERT_EQ(RunTool({QStringLiteral("shot"), movie, shot, QStringLiteral("--frame"), QStringLiteral("3")}, &err, &out), 0)
        << err.toStdString();
    EXPECT_EQ(out.trimmed(), QStringLiteral("%1 (200x150, frame 3 of 3)").arg(shot));
    const QColor centre = QImage(shot, "JPEG").pixelColor(100, 75);
    EXPECT_GT(centre.green(), 190);
    EXPECT_LT(centre.red(), 60);

    // No character id is left for the frame host.
    options.everyIdTaken = true;
    const QString empty = dir.path() + QStringLiteral("/full.swf");
    ASSERT_TRUE(WriteAll(empty, BuildColourMovie({Qt::red, Qt::blue, Qt::green}, options)));
    const QString none = dir.path() + QStringLiteral("/none.jpg");
    EXPECT_EQ(RunTool({QStringLiteral("shot"), empty, none, QStringLiteral("--frame"), QStringLiteral("2")}, &err), 1);
    EXPECT_TRUE(err.contains(QStringLiteral("shot: %1: frame control cannot reach this movie\n").arg(empty)))
        << err.toStdString();
    EXPECT_FALSE(QFile::exists(none));
    // Without --frame the first frame the engine shows is taken.
    EXPECT_EQ(RunTool({QStringLiteral("shot"), empty, none}, &err), 0) << err.toStdString();
    EXPECT_TRUE(QFile::exists(none));
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
    // Depending on how far the engine gets in the time, the load or the first paint is what runs out of time.
    EXPECT_TRUE(err.contains(QStringLiteral("did not load within 0")) || err.contains(QStringLiteral("was not painted within 0")))
        << err.toStdString();
    EXPECT_FALSE(QFile::exists(dir.path() + QStringLiteral("/s.jpg")));
}

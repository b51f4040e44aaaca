#include "../engine/EngineTestSupport.h"
#include "../engine/TestMovies.h"

#include "base/AppFolders.h"
#include "browser/FlashShot.h"
#include "browser/GeneratorSettings.h"
#include "common/TestSupport.h"
#include "engine/ShotMachine.h"
#include "media/MediaTestSupport.h"
#include "media/TestExecutable.h"
#include "options/OptionsModule.h"
#include "swf/Avm1Assembler.h"
#include "swf/SwfWriter.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QImageReader>
#include <QSet>
#include <QTimer>

namespace {

// The colours of a picture, each channel cut to its upper four bits: a flat picture has one or
// two (JPEG noise), a drawn one many.
int ColourCount(const QImage& image)
{
    QSet<int> colours;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); y += 2) {
        for (int x = 0; x < rgb.width(); x += 2) {
            const QRgb pixel = rgb.pixel(x, y);
            colours.insert((qRed(pixel) >> 4) << 8 | (qGreen(pixel) >> 4) << 4 | qBlue(pixel) >> 4);
        }
    }
    return static_cast<int>(colours.size());
}

class FlashShotTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_options = new OptionsModule;
        s_options->hqShots = true;
        s_options->sampleFrom = 30;
        s_options->sampleTo = 50;
        s_options->shotJpeg = 90;
        s_generator = new GeneratorSettings;
        s_generator->width = 120;
        s_generator->height = 90;
        s_shot = new FlashShot(*s_options, *s_generator);
    }
    static void TearDownTestSuite()
    {
        delete s_shot;
        delete s_generator;
        delete s_options;
    }
    QString Out(const QString& name) const { return m_out.path() + QLatin1Char('/') + name; }

    static OptionsModule* s_options;
    static GeneratorSettings* s_generator;
    static FlashShot* s_shot;
    QTemporaryDir m_out;
};

OptionsModule* FlashShotTest::s_options = nullptr;
GeneratorSettings* FlashShotTest::s_generator = nullptr;
FlashShot* FlashShotTest::s_shot = nullptr;

TEST_F(FlashShotTest, CorpusMoviesGiveRealPicturesOfTheAskedSize)
{
    SKIP_WITHOUT_CORPUS();
    const QStringList movies{QStringLiteral("acid-bitmap-fill.swf"), QStringLiteral("acid-large.swf"), QStringLiteral("as2.swf"),
        QStringLiteral("photo.swf"), QStringLiteral("Bitmaps.swf")};
    for (const QString& name : movies) {
        const QString jpeg = Out(name + QStringLiteral(".jpg"));
        EXPECT_EQ(s_shot->TakeThumbnail(CorpusDir() + QStringLiteral("/swf/") + name, jpeg, 101, false), QString())
            << qPrintable(name);
        QImageReader reader(jpeg);
        EXPECT_EQ(reader.format(), QByteArray("jpeg")) << qPrintable(name);
        const QImage picture = reader.read();
        EXPECT_EQ(picture.size(), QSize(120, 90)) << qPrintable(name);
        EXPECT_GT(ColourCount(picture), 8) << qPrintable(name) << " is one flat colour";
    }
    // Another size, from the generator's fields.
    s_generator->width = 200;
    s_generator->height = 150;
    const QString jpeg = Out(QStringLiteral("large.jpg"));
    EXPECT_EQ(s_shot->TakeThumbnail(CorpusDir() + QStringLiteral("/swf/as2.swf"), jpeg, 60, false), QString());
    s_generator->width = 120;
    s_generator->height = 90;
    EXPECT_EQ(QImageReader(jpeg).size(), QSize(200, 150));
}

TEST_F(FlashShotTest, ProjectorsAndCompressedMoviesAreShotThroughTheirMovies)
{
    ColourMovieOptions options;
    options.compressed = true;
    const QByteArray movie = BuildColourMovie({QColor(0, 0, 255)}, options);
    const QString packed = WriteFile(m_out.path(), QStringLiteral("packed.swf"), movie);
    const QString projector = WriteFile(m_out.path(), QStringLiteral("game.exe"), MakeProjector(MakePlayerExecutable(), movie));
    for (const QString& file : {packed, projector}) {
        const QString jpeg = file + QStringLiteral(".jpg");
        ASSERT_EQ(s_shot->TakeThumbnail(file, jpeg, 90, false), QString()) << qPrintable(file);
        EXPECT_TRUE(Near(CentreColour(QImage(jpeg)), QColor(0, 0, 255))) << qPrintable(file);
    }
}

TEST_F(FlashShotTest, UnreadableAndHangingMoviesGetTheNoMediaPicture)
{
    const QImage noMedia = s_shot->PrepareShot(QLatin1String(FlashShot::kNoMedia), false);
    EXPECT_EQ(noMedia.size(), QSize(120, 90));
    EXPECT_EQ(noMedia.pixelColor(2, 2), QColor(0x49, 0x74, 0xBA));
    EXPECT_EQ(s_shot->PrepareShot(QLatin1String(FlashShot::kNoMedia), true).pixelColor(2, 2), QColor(Qt::white));

    const QString text = WriteFile(m_out.path(), QStringLiteral("text.swf"), "this is not a movie");
    ASSERT_EQ(s_shot->TakeThumbnail(text, Out(QStringLiteral("text.jpg")), 90, false), QString());
    EXPECT_TRUE(Near(QImage(Out(QStringLiteral("text.jpg"))).pixelColor(2, 2), QColor(0x49, 0x74, 0xBA), 12));

    // A movie whose script never lets go is given up within the shot's time, and the next shot
    // works on the same control.
    Avm1Assembler loop;
    loop.Label("top").Jump("top");
    SwfWriter writer;
    writer.SetVersion(6).SetFrameSize(200, 150).SetFrameRate(30).AddRaw(loop.DoActionTag()).ShowFrame();
    const QString hanging = WriteFile(m_out.path(), QStringLiteral("loop.swf"), writer.ToBytes());
    RuffleFlashControl* control = &s_shot->Machine().Control();
    control->SetScriptTimeLimit(60);
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(s_shot->TakeThumbnail(hanging, Out(QStringLiteral("loop.jpg")), 90, false), QString());
    const qint64 spent = clock.elapsed();
    control->SetScriptTimeLimit(1);
    EXPECT_LT(spent, 30000) << "the shot was not bounded";
    const QImage failed(Out(QStringLiteral("loop.jpg")));
    EXPECT_TRUE(Near(failed.pixelColor(2, 2), QColor(0x49, 0x74, 0xBA), 12));
    EXPECT_EQ(&s_shot->Machine().Control(), control);

    const QString good = WriteFile(m_out.path(), QStringLiteral("green.swf"), BuildColourMovie({QColor(0, 160, 0)}));
    ASSERT_EQ(s_shot->TakeThumbnail(good, Out(QStringLiteral("green.jpg")), 90, false), QString());
    EXPECT_TRUE(Near(CentreColour(QImage(Out(QStringLiteral("green.jpg")))), QColor(0, 160, 0)));
}

TEST_F(FlashShotTest, CancelEndsTheShotWithoutAPicture)
{
    const QString movie = WriteFile(m_out.path(), QStringLiteral("red.swf"), BuildColourMovie({QColor(255, 0, 0)}));
    QTimer::singleShot(0, [] { s_shot->CancelShot(); });
    EXPECT_EQ(s_shot->TakeThumbnail(movie, Out(QStringLiteral("red.jpg")), 90, false), QLatin1String(kShotCancelled));
    EXPECT_FALSE(QFileInfo::exists(Out(QStringLiteral("red.jpg"))));
    EXPECT_FALSE(s_shot->Busy());
    // And the next one is taken.
    EXPECT_EQ(s_shot->TakeThumbnail(movie, Out(QStringLiteral("red.jpg")), 90, false), QString());
}

}  // namespace

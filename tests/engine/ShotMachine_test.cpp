#include "EngineTestSupport.h"
#include "TestMovies.h"

#include "common/TestSupport.h"
#include "engine/ShotMachine.h"
#include "swf/Avm1Assembler.h"
#include "swf/SwfWriter.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace {

const QList<QColor>& kColours = TestColours();

QString ColourMovie(bool actionScript3)
{
    ColourMovieOptions options;
    options.actionScript3 = actionScript3;
    options.version = actionScript3 ? 10 : 8;
    options.frameRate = 30;
    return WriteMovie(
        actionScript3 ? QStringLiteral("shot_as3.swf") : QStringLiteral("shot_avm1.swf"), BuildColourMovie(kColours, options));
}

// A movie whose first frame never ends: its script loops for ever.
QString LoopingMovie()
{
    Avm1Assembler loop;
    loop.Label("top").Jump("top");
    SwfWriter writer;
    writer.SetVersion(6).SetFrameSize(200, 150).SetFrameRate(30);
    writer.AddRaw(loop.DoActionTag()).ShowFrame();
    return WriteMovie(QStringLiteral("loop.swf"), writer.ToBytes());
}

std::unique_ptr<ShotMachine> g_machine;

// Ends the machine before the application.
class MachineEnvironment : public ::testing::Environment {
public:
    void TearDown() override { g_machine.reset(); }
};
const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new MachineEnvironment);

// An ActionScript 3 movie of five frames that leaves no character id for the frame host.
QByteArray MovieWithoutRoomForAHost()
{
    ColourMovieOptions options;
    options.actionScript3 = true;
    options.version = 10;
    options.everyIdTaken = true;
    return BuildColourMovie(kColours, options);
}

// One machine for the tests: its control is made once, as in the player.
ShotMachine& Machine()
{
    if (!g_machine)
        g_machine = std::make_unique<ShotMachine>();
    return *g_machine;
}

ShotRequest Request(const QString& movie, ShotFrame frame = ShotFrame())
{
    ShotRequest request;
    request.movie = movie;
    request.frame = frame;
    return request;
}

}  // namespace

TEST(ShotMachine, ShotsShowTheFrameAskedFor)
{
    for (bool actionScript3 : {false, true}) {
        SCOPED_TRACE(actionScript3 ? "ActionScript 3" : "AVM1");
        const QString movie = ColourMovie(actionScript3);
        ShotRequest request = Request(movie, ShotFrame::At(3));
        request.size = QSize(160, 120);
        Shot shot = Machine().TakeShot(request);
        ASSERT_TRUE(shot.Ok()) << shot.error.toStdString();
        EXPECT_EQ(shot.image.size(), QSize(160, 120));
        EXPECT_TRUE(Near(CentreColour(shot.image), kColours[3])) << CentreColour(shot.image).name().toStdString();
        EXPECT_EQ(shot.frame, 3);
        EXPECT_EQ(shot.totalFrames, 5);
        EXPECT_TRUE(shot.frameControl);

        // The frame from the movie's frame count, as thumbnails choose it.
        int seenTotal = -1;
        shot = Machine().TakeShot(Request(movie, ShotFrame::Chosen([&seenTotal](int total) {
            seenTotal = total;
            return total - 2;
        })));
        ASSERT_TRUE(shot.Ok()) << shot.error.toStdString();
        EXPECT_EQ(seenTotal, 5);
        EXPECT_TRUE(Near(CentreColour(shot.image), kColours[3]));

        shot = Machine().TakeShot(Request(movie));
        ASSERT_TRUE(shot.Ok()) << shot.error.toStdString();
        EXPECT_EQ(shot.frame, 0);
        EXPECT_TRUE(Near(CentreColour(shot.image), kColours[0]));
    }
}

// A side of the size left out is the movie's own; rendering quality reaches the control.
TEST(ShotMachine, SizeAndQuality)
{
    const QString movie = ColourMovie(false);
    ShotRequest request = Request(movie, ShotFrame::At(1));
    request.highQuality = false;
    Shot shot = Machine().TakeShot(request);
    ASSERT_TRUE(shot.Ok()) << shot.error.toStdString();
    EXPECT_EQ(shot.image.size(), QSize(200, 150));
    EXPECT_EQ(Machine().Control().Quality2(), QStringLiteral("Low"));
    request.size = QSize(300, 0);
    request.highQuality = true;
    shot = Machine().TakeShot(request);
    ASSERT_TRUE(shot.Ok()) << shot.error.toStdString();
    EXPECT_EQ(shot.image.size(), QSize(300, 150));
    EXPECT_EQ(Machine().Control().Quality2(), QStringLiteral("High"));
    EXPECT_TRUE(Near(CentreColour(shot.image), kColours[1]));
}

// Files that are no movie, or that the engine cannot show, fail with a reason; the next shot
// works.
TEST(ShotMachine, UnreadableMoviesFailWithAReason)
{
    const QString missing = MovieFolder() + QStringLiteral("missing.swf");
    Shot shot = Machine().TakeShot(Request(missing));
    EXPECT_EQ(shot.error, QStringLiteral("cannot read %1").arg(missing));
    shot = Machine().TakeShot(Request(WriteMovie(QStringLiteral("text.swf"), "just some text, not a movie")));
    EXPECT_TRUE(shot.error.startsWith(QLatin1String("not a Flash movie"))) << shot.error.toStdString();
    const QByteArray badLzma
        = QByteArray("ZWS\x0D\xE8\x03\x00\x00\x32\x00\x00\x00\x5D\x00\x00\x20\x00", 17) + QByteArray(50, '\x37');
    shot = Machine().TakeShot(Request(WriteMovie(QStringLiteral("bad_lzma.swf"), badLzma)));
    EXPECT_TRUE(shot.error.startsWith(QLatin1String("the Flash engine failed"))) << shot.error.toStdString();
    EXPECT_TRUE(shot.image.isNull());

    shot = Machine().TakeShot(Request(ColourMovie(true), ShotFrame::At(2)));
    ASSERT_TRUE(shot.Ok()) << shot.error.toStdString();
    EXPECT_TRUE(Near(CentreColour(shot.image), kColours[2]));
}

// A movie that never lets go fails within the shot's time; the same control takes the next
// shot. The engine would stop the looping script after its own time limit, which is made
// longer than the shot's here: the page does not answer until then.
TEST(ShotMachine, HangingMovieFailsAndTheNextShotWorks)
{
    RuffleFlashControl* control = &Machine().Control();
    control->SetScriptTimeLimit(60);
    Shot shot = Machine().TakeShot(Request(LoopingMovie(), ShotFrame::At(0)));
    control->SetScriptTimeLimit(1);
    EXPECT_FALSE(shot.Ok());
    EXPECT_NE(shot.error, QStringLiteral("cancelled"));
    EXPECT_TRUE(shot.error.contains(QLatin1String("within"))) << shot.error.toStdString();
    shot = Machine().TakeShot(Request(ColourMovie(false), ShotFrame::At(4)));
    ASSERT_TRUE(shot.Ok()) << shot.error.toStdString();
    EXPECT_TRUE(Near(CentreColour(shot.image), kColours[4]));
    EXPECT_EQ(&Machine().Control(), control);
}

// The engine's process dies between shots and during one: the shot fails, the next works.
TEST(ShotMachine, EngineCrashIsSurvived)
{
    QWebEnginePage* page = qobject_cast<QWebEngineView*>(Machine().Control().widget())->page();
    QSignalSpy crashes(page, &QWebEnginePage::renderProcessTerminated);
    page->load(QUrl(QStringLiteral("chrome://crash")));
    ASSERT_TRUE(Machine().Control().WaitFor([&] { return !crashes.isEmpty(); }, 10000));
    Shot shot = Machine().TakeShot(Request(ColourMovie(false), ShotFrame::At(2)));
    ASSERT_TRUE(shot.Ok()) << shot.error.toStdString();
    EXPECT_TRUE(Near(CentreColour(shot.image), kColours[2]));

    QTimer::singleShot(300, &Machine().Control(), [] {
        qobject_cast<QWebEngineView*>(Machine().Control().widget())->page()->load(QUrl(QStringLiteral("chrome://crash")));
    });
    shot = Machine().TakeShot(Request(LoopingMovie(), ShotFrame::At(0)));
    EXPECT_FALSE(shot.Ok());
    shot = Machine().TakeShot(Request(ColourMovie(true), ShotFrame::At(1)));
    ASSERT_TRUE(shot.Ok()) << shot.error.toStdString();
    EXPECT_TRUE(Near(CentreColour(shot.image), kColours[1]));
}

// Cancel ends the shot in progress; a shot asked for while one is taken is refused.
TEST(ShotMachine, CancelAndOneShotAtATime)
{
    Shot inner;
    QTimer::singleShot(200, QCoreApplication::instance(), [&inner] {
        inner = Machine().TakeShot(Request(MovieFolder() + QStringLiteral("any.swf")));
        Machine().Cancel();
    });
    const Shot shot = Machine().TakeShot(Request(LoopingMovie(), ShotFrame::At(0)));
    EXPECT_EQ(shot.error, QStringLiteral("cancelled"));
    EXPECT_EQ(inner.error, QStringLiteral("a shot is already being taken"));
    EXPECT_FALSE(Machine().Busy());
    // Cancel between shots changes nothing.
    Machine().Cancel();
    EXPECT_TRUE(Machine().TakeShot(Request(ColourMovie(false))).Ok());
}

// A frame that frame control cannot reach: an error when it is needed, else the frame the
// engine shows.
TEST(ShotMachine, FrameControlCanBeRequired)
{
    ShotRequest request = Request(WriteMovie(QStringLiteral("full.swf"), MovieWithoutRoomForAHost()), ShotFrame::At(3));
    request.needFrameControl = true;
    Shot shot = Machine().TakeShot(request);
    EXPECT_EQ(shot.error, QStringLiteral("frame control cannot reach this movie"));
    request.needFrameControl = false;
    shot = Machine().TakeShot(request);
    ASSERT_TRUE(shot.Ok()) << shot.error.toStdString();
    EXPECT_FALSE(shot.frameControl);
    // A movie of one frame needs none.
    request.movie = WriteMovie(QStringLiteral("one_frame.swf"), BuildColourMovie({kColours[2]}));
    request.needFrameControl = true;
    shot = Machine().TakeShot(request);
    ASSERT_TRUE(shot.Ok()) << shot.error.toStdString();
    EXPECT_TRUE(Near(CentreColour(shot.image), kColours[2]));
}

// A slow movie (one frame in ten seconds) runs fast enough in a shot to be reached.
TEST(ShotMachine, SlowMoviesAreShotQuickly)
{
    ColourMovieOptions options;
    options.actionScript3 = true;
    options.version = 10;
    options.frameRate = 0.1;
    ShotRequest request
        = Request(WriteMovie(QStringLiteral("slow_as3.swf"), BuildColourMovie(kColours, options)), ShotFrame::At(3));
    request.needFrameControl = true;
    const Shot shot = Machine().TakeShot(request);
    ASSERT_TRUE(shot.Ok()) << shot.error.toStdString();
    EXPECT_TRUE(Near(CentreColour(shot.image), kColours[3]));
}

TEST(ShotMachine, SaveJpegWritesAtTheGivenQuality)
{
    const Shot shot = Machine().TakeShot(Request(ColourMovie(false), ShotFrame::At(2)));
    ASSERT_TRUE(shot.Ok()) << shot.error.toStdString();
    // Noise makes the quality show in the file size.
    QImage noisy = shot.image;
    for (int y = 0; y < noisy.height(); ++y) {
        for (int x = 0; x < noisy.width(); ++x)
            noisy.setPixel(x, y, qRgb((x * 37 + y * 11) % 256, (x * y) % 256, (x + y * 53) % 256));
    }
    const QString low = MovieFolder() + QStringLiteral("low.jpg");
    const QString high = MovieFolder() + QStringLiteral("high.jpg");
    EXPECT_EQ(ShotMachine::SaveJpeg(noisy, low, 10), QString());
    EXPECT_EQ(ShotMachine::SaveJpeg(noisy, high, 95), QString());
    EXPECT_LT(QFileInfo(low).size() * 2, QFileInfo(high).size());
    const QImage read(high, "JPG");
    EXPECT_EQ(read.size(), noisy.size());

    const QString plain = MovieFolder() + QStringLiteral("plain.jpg");
    EXPECT_EQ(ShotMachine::SaveJpeg(shot.image, plain, 90), QString());
    EXPECT_TRUE(Near(CentreColour(QImage(plain, "JPG")), kColours[2]));
    const QString nowhere = MovieFolder() + QStringLiteral("no/such/folder/shot.jpg");
    EXPECT_TRUE(ShotMachine::SaveJpeg(shot.image, nowhere, 90).startsWith(QStringLiteral("cannot write %1").arg(nowhere)));
}

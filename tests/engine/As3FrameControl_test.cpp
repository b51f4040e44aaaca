#include "EngineTestSupport.h"
#include "TestMovies.h"

#include "common/TestSupport.h"

#include <QSignalSpy>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace {

const QList<QColor>& kColours = TestColours();

QString HaxeMovie(const QString& name)
{
    return QStringLiteral(VORLEN_HAXE_TEST_MOVIES "/") + name;
}

QByteArray As3ColourMovie(const ColourMovieOptions& base = {})
{
    ColourMovieOptions options = base;
    options.actionScript3 = true;
    options.version = 10;
    // Slow enough that a frame shown after a jump cannot come from the movie's own ticks.
    options.frameRate = 12;
    return BuildColourMovie(kColours, options);
}

// The commands a movie sent, as "command args".
QStringList Commands(const QSignalSpy& spy)
{
    QStringList list;
    for (const QList<QVariant>& call : spy)
        list << call.at(0).toString() + QLatin1Char(' ') + call.at(1).toString();
    return list;
}

// True when every pixel of the image has the same colour.
bool Flat(const QImage& image)
{
    for (int y = 0; y < image.height(); y += 4) {
        for (int x = 0; x < image.width(); x += 4) {
            if (image.pixel(x, y) != image.pixel(0, 0))
                return false;
        }
    }
    return true;
}

}  // namespace

// The frame host gives ActionScript 3 movies the frame members of AVM1 movies.
TEST(As3FrameControl, FrameMembersReachTheRootTimeline)
{
    const QByteArray movie = As3ColourMovie();
    const QString path = WriteMovie(QStringLiteral("as3.swf"), movie);
    RuffleFlashControl& control = LoadFresh(path);
    EXPECT_TRUE(control.ActionScript3());
    ASSERT_TRUE(control.HostReady());
    // Inserted in memory only.
    EXPECT_EQ(ReadAll(path), movie);
    EXPECT_EQ(control.TotalFrames(), 5);
    for (int frame : {3, 0, 4, 1}) {
        control.GotoFrame(frame);
        const QImage image = control.GrabFrame();
        EXPECT_TRUE(Near(CentreColour(image), kColours[frame]))
            << "frame " << frame << " shows " << CentreColour(image).name().toStdString();
        EXPECT_EQ(control.CurrentFrame(), frame);
        EXPECT_FALSE(control.Playing());
    }
    // Halted where it was sent.
    control.WaitFor([] { return false; }, 200);
    EXPECT_EQ(control.CurrentFrame(), 1);
    control.Forward();
    control.Forward();
    EXPECT_TRUE(control.WaitFor([&] { return control.CurrentFrame() == 3; }, 3000));
    control.Back();
    EXPECT_TRUE(control.WaitFor([&] { return control.CurrentFrame() == 2; }, 3000));
    EXPECT_TRUE(Near(CentreColour(control.GrabFrame()), kColours[2]));
    control.Rewind();
    EXPECT_TRUE(control.WaitFor([&] { return control.CurrentFrame() == 0; }, 3000));
    control.Play();
    EXPECT_TRUE(control.WaitFor([&] { return control.CurrentFrame() >= 2 && control.Playing(); }, 3000));
    control.Stop();
    const int stopped = control.CurrentFrame();
    control.WaitFor([] { return false; }, 300);
    EXPECT_FALSE(control.Playing());
    EXPECT_LE(std::abs(control.CurrentFrame() - stopped), 1);
}

// Frames count over all scenes, as the player sees the movie.
TEST(As3FrameControl, FramesCountOverScenes)
{
    ColourMovieOptions options;
    options.scenes = {{0, "Intro"}, {2, "Main"}};
    RuffleFlashControl& control = LoadFresh(WriteMovie(QStringLiteral("scenes.swf"), As3ColourMovie(options)));
    ASSERT_TRUE(control.HostReady());
    EXPECT_EQ(control.TotalFrames(), 5);
    for (int frame : {3, 1, 4, 2}) {
        control.GotoFrame(frame);
        EXPECT_TRUE(Near(CentreColour(control.GrabFrame()), kColours[frame])) << frame;
        // The host's own report, not only the control's expectation.
        control.WaitFor([] { return false; }, 100);
        EXPECT_EQ(control.CurrentFrame(), frame);
    }
    control.GotoFrame(1);
    control.Forward();
    EXPECT_TRUE(control.WaitFor([&] { return control.CurrentFrame() == 2; }, 3000));
    EXPECT_TRUE(Near(CentreColour(control.GrabFrame()), kColours[2]));
    control.Back();
    EXPECT_TRUE(control.WaitFor([&] { return control.CurrentFrame() == 1; }, 3000));
}

// Loop off halts at the last frame; _alpha and the scale mode reach the root and the stage.
TEST(As3FrameControl, PlayerSettingsReachTheMovie)
{
    RuffleFlashControl& control = SharedControl();
    control.SetLoop(false);
    LoadFresh(WriteMovie(QStringLiteral("as3_once.swf"), As3ColourMovie()));
    EXPECT_TRUE(control.WaitFor([&] { return control.CurrentFrame() == 4 && !control.Playing(); }, 5000));
    control.WaitFor([] { return false; }, 300);
    EXPECT_EQ(control.CurrentFrame(), 4);
    control.SetLoop(true);

    control.SetVariable(QStringLiteral("_alpha"), QStringLiteral("0"));
    control.GotoFrame(2);
    // A transparent movie shows its stage background: the complement of the first colour.
    EXPECT_TRUE(Near(CentreColour(control.GrabFrame()), QColor(0, 255, 255)));
    control.SetVariable(QStringLiteral("_alpha"), QStringLiteral("100"));

    control.widget()->resize(400, 150);
    control.SetScaleMode(2);
    control.GotoFrame(1);
    const QImage fitted = control.GrabFrame();
    control.SetScaleMode(0);
    control.GotoFrame(1);
    const QImage whole = control.GrabFrame();
    control.widget()->resize(200, 150);
    EXPECT_TRUE(Near(fitted.pixelColor(10, 75), kColours[1])) << fitted.pixelColor(10, 75).name().toStdString();
    EXPECT_FALSE(Near(whole.pixelColor(10, 75), kColours[1])) << whole.pixelColor(10, 75).name().toStdString();
    EXPECT_TRUE(Near(whole.pixelColor(200, 75), kColours[1]));
}

// An interface movie made by Haxe: with its own callbacks it gets SetVariable and TCallLabel
// as they were made; without them SetVariable reaches the root through the frame host and
// TCallLabel has nowhere to go.
TEST(As3FrameControl, WheelCallsReachInterfaceMovies)
{
    RuffleFlashControl& control = SharedControl();
    QSignalSpy commands(&control, &FlashControl::FSCommand);
    LoadFresh(HaxeMovie(QStringLiteral("WheelMovie.swf?callbacks=1")));
    ASSERT_TRUE(control.WaitFor([&] { return Commands(commands).contains(QStringLiteral("ready callbacks")); }, 5000));
    EXPECT_TRUE(control.HostReady());
    commands.clear();
    for (const char* wheel : {"1", "-1", "0"}) {
        control.SetVariable(QStringLiteral("_root.mwheel"), QLatin1String(wheel));
        control.TCallLabel(QStringLiteral("vbCall"), QStringLiteral("MWH"));
    }
    EXPECT_TRUE(control.WaitFor([&] { return commands.size() >= 6; }, 3000));
    EXPECT_EQ(Commands(commands),
        QStringList({QStringLiteral("setVariable _root.mwheel=1"), QStringLiteral("callLabel vbCall:MWH"),
            QStringLiteral("setVariable _root.mwheel=-1"), QStringLiteral("callLabel vbCall:MWH"),
            QStringLiteral("setVariable _root.mwheel=0"), QStringLiteral("callLabel vbCall:MWH")}));

    commands.clear();
    LoadFresh(HaxeMovie(QStringLiteral("WheelMovie.swf?callbacks=0")));
    ASSERT_TRUE(control.WaitFor([&] { return Commands(commands).contains(QStringLiteral("ready plain")); }, 5000));
    ASSERT_TRUE(control.HostReady());
    commands.clear();
    control.SetVariable(QStringLiteral("_root.box.mwheel"), QStringLiteral("-1"));
    control.TCallLabel(QStringLiteral("vbCall"), QStringLiteral("MWH"));
    EXPECT_TRUE(control.WaitFor([&] { return !commands.isEmpty(); }, 3000));
    control.WaitFor([] { return false; }, 200);
    EXPECT_EQ(Commands(commands), QStringList({QStringLiteral("box -1")}));
}

// The engine's own error screen never shows: the failure is reported, the screen hidden,
// and the next movie plays.
TEST(As3FrameControl, EngineFailuresAreReportedAndLeaveTheControlUsable)
{
    RuffleFlashControl& control = SharedControl();
    QSignalSpy failures(&control, &FlashControl::EngineFailed);
    QList<QString> failing;
    // A compressed movie whose LZMA data is garbage: the engine refuses it.
    failing << WriteMovie(QStringLiteral("bad_lzma.swf"),
        QByteArray("ZWS\x0D\xE8\x03\x00\x00\x32\x00\x00\x00\x5D\x00\x00\x20\x00", 17) + QByteArray(50, '\x37'));
    // A movie the engine panics over (it has no Pixel Bender compiler).
    if (!CorpusDir().isEmpty())
        failing << CorpusDir() + QStringLiteral("/swf/ruffle-pixelbender_rsqrt-test.swf");
    for (const QString& path : failing) {
        SCOPED_TRACE(path.toStdString());
        failures.clear();
        control.LoadMovie(0, path);
        ASSERT_TRUE(control.WaitFor([&] { return !failures.isEmpty(); }, 10000));
        EXPECT_EQ(failures.first().at(0).toString(), control.LastError());
        EXPECT_TRUE(control.LastError().startsWith(QLatin1String("the Flash engine failed: ")))
            << control.LastError().toStdString();
        EXPECT_TRUE(Flat(control.widget()->grab().toImage()));
        LoadFresh(WriteMovie(QStringLiteral("after_failure.swf"), As3ColourMovie()));
        control.GotoFrame(3);
        EXPECT_TRUE(Near(CentreColour(control.GrabFrame()), kColours[3]));
        EXPECT_TRUE(control.LastError().isEmpty());
    }
}

// A movie that breaks the engine only after it has started: the next movie, loaded at once,
// still plays (in the fresh page) and is not blamed.
TEST(As3FrameControl, MovieLoadedAsTheEngineBreaksStillPlays)
{
    SKIP_WITHOUT_CORPUS();
    RuffleFlashControl& control = LoadFresh(CorpusDir() + QStringLiteral("/swf/ruffle-pixelbender_rsqrt-test.swf"));
    QSignalSpy failures(&control, &FlashControl::EngineFailed);
    RuffleFlashControl& next = LoadFresh(WriteMovie(QStringLiteral("after_panic.swf"), As3ColourMovie()));
    next.GotoFrame(4);
    EXPECT_TRUE(Near(CentreColour(next.GrabFrame()), kColours[4]));
    EXPECT_TRUE(failures.isEmpty());
    EXPECT_TRUE(next.LastError().isEmpty());
}

TEST(As3FrameControl, CrashOfTheEnginesProcessIsReportedAndRecovered)
{
    RuffleFlashControl& control = LoadFresh(WriteMovie(QStringLiteral("before_crash.swf"), As3ColourMovie()));
    QSignalSpy failures(&control, &FlashControl::EngineFailed);
    qobject_cast<QWebEngineView*>(control.widget())->page()->load(QUrl(QStringLiteral("chrome://crash")));
    ASSERT_TRUE(control.WaitFor([&] { return !failures.isEmpty(); }, 10000));
    EXPECT_EQ(control.LastError(), QStringLiteral("the Flash engine stopped while playing the movie"));
    LoadFresh(WriteMovie(QStringLiteral("after_crash.swf"), As3ColourMovie()));
    control.GotoFrame(2);
    EXPECT_TRUE(Near(CentreColour(control.GrabFrame()), kColours[2]));
}

// Real movies of the corpus with more than one frame: the frame host reaches every frame.
TEST(As3FrameControl, CorpusMoviesGetFrameControl)
{
    SKIP_WITHOUT_CORPUS();
    // Movies whose own scripts move their timeline are left out: what they show after a
    // jump is their decision.
    const QStringList ownTimeline = {QStringLiteral("swf/Timeline7.swf"), QStringLiteral("swf/shape.swf")};
    int checked = 0;
    for (const CorpusRow& row : CorpusRows()) {
        if (row.value(QStringLiteral("fileattr_as3")) != QLatin1String("1")
            || row.value(QStringLiteral("status")) != QLatin1String("ok")
            || row.value(QStringLiteral("signature")) == QLatin1String("ZWS")
            || row.value(QStringLiteral("frame_count")).toInt() < 2 || ownTimeline.contains(row.value(QStringLiteral("path"))))
            continue;
        SCOPED_TRACE(row.value(QStringLiteral("path")).toStdString());
        const int total = row.value(QStringLiteral("frame_count")).toInt();
        RuffleFlashControl& control = LoadFresh(CorpusDir() + QLatin1Char('/') + row.value(QStringLiteral("path")));
        ASSERT_TRUE(control.HostReady());
        for (int frame : {total - 1, total / 2, 0}) {
            control.GotoFrame(frame);
            EXPECT_FALSE(control.GrabFrame().isNull());
            control.WaitFor([] { return false; }, 100);
            EXPECT_EQ(control.CurrentFrame(), frame);
            EXPECT_FALSE(control.Playing());
        }
        ++checked;
    }
    EXPECT_GE(checked, 8);
}

#include "EngineTestSupport.h"
#include "TestMovies.h"

#include "common/LzmaMovie.h"
#include "common/TestSupport.h"
#include "swf/Avm1Assembler.h"
#include "swf/SwfWriter.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QWheelEvent>
#include <QWidget>

namespace {

const QList<QColor>& kColours = TestColours();

}  // namespace

TEST(RuffleFlashControl, GotoFrameShowsThatFramesColour)
{
    const QByteArray movie = BuildColourMovie(kColours);
    const QString path = WriteMovie(QStringLiteral("colours.swf"), movie);
    RuffleFlashControl& control = LoadFresh(path);
    EXPECT_EQ(control.FlashVersion(), 32 << 16);
    // The host loader is inserted in memory only.
    EXPECT_TRUE(control.HostInserted());
    EXPECT_EQ(ReadAll(path), movie);
    for (int frame : {2, 0, 4, 1, 3}) {
        control.GotoFrame(frame);
        const QImage image = control.GrabFrame();
        EXPECT_EQ(image.size(), control.widget()->size());
        EXPECT_TRUE(Near(CentreColour(image), kColours[frame]))
            << "frame " << frame << " shows " << CentreColour(image).name().toStdString();
        EXPECT_EQ(control.CurrentFrame(), frame);
        EXPECT_FALSE(control.Playing());
    }
}

// The host movie keeps frame members working whatever version the movie was made for.
TEST(RuffleFlashControl, FrameMembersForSwfVersions4To10)
{
    for (int version : {4, 5, 6, 7, 8, 9, 10}) {
        SCOPED_TRACE(version);
        ColourMovieOptions options;
        options.version = version;
        options.frameRate = 30;
        options.compressed = version >= 6;
        RuffleFlashControl& control
            = LoadFresh(WriteMovie(QStringLiteral("v%1.swf").arg(version), BuildColourMovie(kColours, options)));
        ASSERT_TRUE(control.HostInserted());
        EXPECT_EQ(control.TotalFrames(), 5);
        control.GotoFrame(3);
        EXPECT_TRUE(control.WaitFor([&] { return control.CurrentFrame() == 3 && !control.Playing(); }, 3000));
        EXPECT_TRUE(Near(CentreColour(control.GrabFrame()), kColours[3]));
        // Stays where it was sent.
        control.WaitFor([] { return false; }, 200);
        EXPECT_EQ(control.CurrentFrame(), 3);
        EXPECT_FALSE(control.Playing());
        control.Back();
        EXPECT_TRUE(control.WaitFor([&] { return control.CurrentFrame() == 2; }, 3000));
        control.Forward();
        control.Forward();
        EXPECT_TRUE(control.WaitFor([&] { return control.CurrentFrame() == 4; }, 3000));
        control.Rewind();
        EXPECT_TRUE(control.WaitFor([&] { return control.CurrentFrame() == 0; }, 3000));
        control.Play();
        EXPECT_TRUE(control.Playing());
        EXPECT_TRUE(control.WaitFor([&] { return control.CurrentFrame() >= 2 && control.Playing(); }, 3000));
        control.Stop();
        EXPECT_FALSE(control.Playing());
        const int stopped = control.CurrentFrame();
        control.WaitFor([] { return false; }, 300);
        EXPECT_FALSE(control.Playing());
        EXPECT_LE(std::abs(control.CurrentFrame() - stopped), 1);
    }
}

// Values outside what the members take are ignored; names and numbers map both ways.
TEST(RuffleFlashControl, SettersTakeOnlyTheirValues)
{
    RuffleFlashControl& control = SharedControl();
    control.SetBGColor(QStringLiteral("00ff80"));
    EXPECT_EQ(control.BGColor(), QStringLiteral("00FF80"));
    for (const char* bad : {"0x12AB", "+12345", " 1234F", "12345", "1234567", "GGGGGG"}) {
        control.SetBGColor(QLatin1String(bad));
        EXPECT_EQ(control.BGColor(), QStringLiteral("00FF80")) << bad;
    }
    control.SetBGColor(QString());
    EXPECT_EQ(control.BGColor(), QString());

    for (const char* name : {"Low", "Medium", "High", "AutoLow", "AutoHigh"}) {
        control.SetQuality2(QLatin1String(name));
        EXPECT_EQ(control.Quality2(), QLatin1String(name));
    }
    control.SetQuality(0);
    EXPECT_EQ(control.Quality2(), QStringLiteral("Low"));
    control.SetQuality2(QStringLiteral("Ultra"));
    EXPECT_EQ(control.Quality2(), QStringLiteral("Low"));
    control.SetQuality(1);
    EXPECT_EQ(control.Quality2(), QStringLiteral("High"));
    EXPECT_EQ(control.Quality(), 1);

    for (int mode : {3, 1, 2, 0}) {
        control.SetScaleMode(mode);
        EXPECT_EQ(control.ScaleMode(), mode);
    }
    control.SetScaleMode(4);
    control.SetScaleMode(-1);
    EXPECT_EQ(control.ScaleMode(), 0);
}

// A movie halted by its own script counts as not playing after two frames.
TEST(RuffleFlashControl, MovieThatStopsItselfIsNotPlaying)
{
    ColourMovieOptions options;
    options.stopAtStart = true;
    options.frameRate = 30;
    RuffleFlashControl& control = LoadFresh(WriteMovie(QStringLiteral("stopped.swf"), BuildColourMovie(kColours, options)));
    EXPECT_TRUE(control.WaitFor([&] { return !control.Playing(); }, 3000));
    EXPECT_EQ(control.CurrentFrame(), 0);
}

TEST(RuffleFlashControl, LoopOffHaltsAtTheLastFrame)
{
    ColourMovieOptions options;
    options.frameRate = 30;
    RuffleFlashControl& control = SharedControl();
    control.SetLoop(false);
    LoadFresh(WriteMovie(QStringLiteral("once.swf"), BuildColourMovie(kColours, options)));
    EXPECT_TRUE(control.WaitFor([&] { return control.CurrentFrame() == 4 && !control.Playing(); }, 5000));
    control.WaitFor([] { return false; }, 300);
    EXPECT_EQ(control.CurrentFrame(), 4);
    control.SetLoop(true);
    control.Play();
    EXPECT_TRUE(control.WaitFor([&] { return control.CurrentFrame() < 4; }, 3000));
}

TEST(RuffleFlashControl, FSCommandArrivesWithItsArguments)
{
    RuffleFlashControl& control = SharedControl();
    QSignalSpy commands(&control, &FlashControl::FSCommand);
    QSignalSpy ready(&control, &FlashControl::OnReadyStateChange);
    ColourMovieOptions options;
    options.version = 6;
    options.stopAtStart = true;
    options.fsCommand = "vorlen_test";
    options.fsArgs = "one two & three";
    LoadFresh(WriteMovie(QStringLiteral("fscommand.swf"), BuildColourMovie(kColours, options)), false);
    EXPECT_TRUE(control.WaitFor([&] { return !commands.isEmpty(); }, 5000));
    ASSERT_FALSE(commands.isEmpty());
    EXPECT_EQ(commands.first().at(0).toString(), QStringLiteral("vorlen_test"));
    EXPECT_EQ(commands.first().at(1).toString(), QStringLiteral("one two & three"));
    ASSERT_EQ(ready.size(), 1);
    EXPECT_EQ(ready.first().at(0).toInt(), 4);
}

TEST(RuffleFlashControl, TCallLabelRunsTheLabelsActionsInPlace)
{
    RuffleFlashControl& control = SharedControl();
    ColourMovieOptions options;
    options.stopAtStart = true;
    options.labels = {{3, "MWH"}};
    LoadFresh(WriteMovie(QStringLiteral("labels.swf"), BuildColourMovie(kColours, options)));
    QSignalSpy commands(&control, &FlashControl::FSCommand);
    control.TCallLabel(QStringLiteral("/"), QStringLiteral("MWH"));
    EXPECT_TRUE(control.WaitFor([&] { return !commands.isEmpty(); }, 3000));
    ASSERT_FALSE(commands.isEmpty());
    EXPECT_EQ(commands.first().at(0).toString(), QStringLiteral("label"));
    EXPECT_EQ(commands.first().at(1).toString(), QStringLiteral("MWH"));
    EXPECT_EQ(control.CurrentFrame(), 0);
}

TEST(RuffleFlashControl, SetVariableReachesTheMovie)
{
    RuffleFlashControl& control = LoadFresh(WriteMovie(QStringLiteral("alpha.swf"), BuildColourMovie(kColours)));
    control.GotoFrame(2);
    EXPECT_TRUE(Near(CentreColour(control.GrabFrame()), kColours[2]));
    // A transparent movie shows its stage background: the complement of the first colour.
    control.SetVariable(QStringLiteral("_alpha"), QStringLiteral("0"));
    control.GotoFrame(2);
    EXPECT_TRUE(Near(CentreColour(control.GrabFrame()), QColor(0, 255, 255)));
}

// Scale mode set while the movie plays: exact fit fills a wider view, show all leaves the
// background beside the movie.
TEST(RuffleFlashControl, ScaleModeChangesTheShownMovie)
{
    RuffleFlashControl& control = LoadFresh(WriteMovie(QStringLiteral("scale.swf"), BuildColourMovie(kColours)));
    control.widget()->resize(400, 150);
    control.SetScaleMode(2);
    control.GotoFrame(1);
    const QImage fitted = control.GrabFrame();
    control.SetScaleMode(0);
    control.GotoFrame(1);
    const QImage whole = control.GrabFrame();
    control.widget()->resize(200, 150);
    EXPECT_EQ(control.ScaleMode(), 0);
    EXPECT_TRUE(Near(fitted.pixelColor(10, 75), kColours[1])) << fitted.pixelColor(10, 75).name().toStdString();
    EXPECT_TRUE(Near(whole.pixelColor(10, 75), QColor(0, 255, 255))) << whole.pixelColor(10, 75).name().toStdString();
    EXPECT_TRUE(Near(whole.pixelColor(200, 75), kColours[1]));
}

// The player sets BGColor once the movie has loaded: it replaces the movie's own background
// at once, and clearing it brings that back.
TEST(RuffleFlashControl, BGColorSetAfterTheLoadReplacesTheMoviesBackground)
{
    RuffleFlashControl& control = LoadFresh(WriteMovie(QStringLiteral("background.swf"), BuildColourMovie(kColours)));
    control.SetVariable(QStringLiteral("_alpha"), QStringLiteral("0"));
    control.SetBGColor(QStringLiteral("3050A0"));
    control.GotoFrame(1);
    EXPECT_TRUE(Near(CentreColour(control.GrabFrame()), QColor(0x30, 0x50, 0xA0)))
        << CentreColour(control.GrabFrame()).name().toStdString();
    // Beside a movie shown whole in a wider view, too.
    control.SetVariable(QStringLiteral("_alpha"), QStringLiteral("100"));
    control.widget()->resize(400, 150);
    control.GotoFrame(1);
    const QImage wide = control.GrabFrame();
    control.widget()->resize(200, 150);
    ASSERT_EQ(wide.size(), QSize(400, 150));
    EXPECT_TRUE(Near(wide.pixelColor(200, 75), kColours[1]));
    EXPECT_TRUE(Near(wide.pixelColor(10, 75), QColor(0x30, 0x50, 0xA0))) << wide.pixelColor(10, 75).name().toStdString();
    control.SetVariable(QStringLiteral("_alpha"), QStringLiteral("0"));
    control.SetBGColor(QString());
    control.GotoFrame(2);
    EXPECT_TRUE(Near(CentreColour(control.GrabFrame()), QColor(0, 255, 255)));
    // What the view shows on screen, not only the shot composed from the engine's canvas.
    EXPECT_TRUE(Near(CentreColour(control.widget()->grab().toImage()), QColor(0, 255, 255)))
        << CentreColour(control.widget()->grab().toImage()).name().toStdString();
    control.SetVariable(QStringLiteral("_alpha"), QStringLiteral("100"));
    control.GotoFrame(2);
    EXPECT_TRUE(Near(CentreColour(control.GrabFrame()), kColours[2]));
}

TEST(RuffleFlashControl, SoundMovieOverAMovieKeepsItWorking)
{
    RuffleFlashControl& control = LoadFresh(WriteMovie(QStringLiteral("sound_base.swf"), BuildColourMovie(kColours)));
    control.LoadMovie(6000, RuffleFlashControl::SoundMoviePath() + QStringLiteral("?volume=40&pan=-20"));
    control.WaitFor([] { return false; }, 300);
    control.GotoFrame(4);
    EXPECT_TRUE(Near(CentreColour(control.GrabFrame()), kColours[4]));
    EXPECT_EQ(control.CurrentFrame(), 4);
    control.GotoFrame(1);
    EXPECT_TRUE(Near(CentreColour(control.GrabFrame()), kColours[1]));
}

// The query string of a layer-0 load reaches the movie as variables of its root; the time
// of day the player appends is not encoded.
TEST(RuffleFlashControl, QueryStringBecomesRootVariables)
{
    Avm1Assembler report;
    report.PushString("FSCommand:query").GetVariable("myXML").GetUrl2(0).Op(Avm1Op::Stop);
    SwfWriter writer;
    writer.SetVersion(6).SetFrameSize(100, 100).SetFrameRate(30);
    writer.AddRaw(report.DoActionTag()).ShowFrame();
    const QString path = WriteMovie(QStringLiteral("query.swf"), writer.ToBytes());
    RuffleFlashControl& control = SharedControl();
    QSignalSpy commands(&control, &FlashControl::FSCommand);
    LoadFresh(path + QStringLiteral("?myXML=C%3A%5Cdocs%5Ca%20b.xml&time=8:38:01 PM&noanim=False"), false);
    EXPECT_TRUE(control.WaitFor([&] { return !commands.isEmpty(); }, 5000));
    ASSERT_FALSE(commands.isEmpty());
    EXPECT_EQ(commands.first().at(1).toString(), QStringLiteral("C:\\docs\\a b.xml"));
}

// The wheel value the player hands to interface movies: _root.mwheel, then the label "MWH".
TEST(RuffleFlashControl, WheelVariableAndLabelReachTheMovie)
{
    for (int version : {5, 8}) {
        SCOPED_TRACE(version);
        Avm1Assembler stop;
        stop.Op(Avm1Op::Stop);
        Avm1Assembler wheel;
        wheel.PushString("FSCommand:wheel").GetVariable("_root").GetMember("mwheel").GetUrl2(0);
        SwfWriter writer;
        writer.SetVersion(version).SetFrameSize(100, 100).SetFrameRate(30);
        writer.AddRaw(stop.DoActionTag()).ShowFrame();
        writer.AddTag(43, QByteArray("MWH", 4)).AddRaw(wheel.DoActionTag()).ShowFrame();
        RuffleFlashControl& control = LoadFresh(WriteMovie(QStringLiteral("wheel%1.swf").arg(version), writer.ToBytes()));
        QSignalSpy commands(&control, &FlashControl::FSCommand);
        control.SetVariable(QStringLiteral("_root.mwheel"), QStringLiteral("-3"));
        control.TCallLabel(QStringLiteral("/"), QStringLiteral("MWH"));
        EXPECT_TRUE(control.WaitFor([&] { return !commands.isEmpty(); }, 3000));
        ASSERT_FALSE(commands.isEmpty());
        EXPECT_EQ(commands.first().at(0).toString(), QStringLiteral("wheel"));
        EXPECT_EQ(commands.first().at(1).toString(), QStringLiteral("-3"));
        EXPECT_EQ(control.CurrentFrame(), 0);
    }
}

// sound.swf takes volume and pan from its query string and sets them for everything: a
// movie's own global Sound object reads them back (frame label "check" sends them).
TEST(RuffleFlashControl, SoundMovieSetsVolumeAndPanFromItsQuery)
{
    Avm1Assembler stop;
    stop.Op(Avm1Op::Stop);
    Avm1Assembler check;
    for (const char* property : {"getVolume", "getPan"}) {
        check.PushString(QByteArray("FSCommand:") + property).PushInt(0);
        check.PushInt(0).PushString("Sound").Op(Avm1Op::NewObject).CallMethod(property).GetUrl2(0);
    }
    SwfWriter writer;
    writer.SetVersion(8).SetFrameSize(100, 100).SetFrameRate(30);
    writer.AddRaw(stop.DoActionTag()).ShowFrame();
    writer.AddTag(43, QByteArray("check", 6)).AddRaw(check.DoActionTag()).ShowFrame();
    RuffleFlashControl& control = LoadFresh(WriteMovie(QStringLiteral("sound_check.swf"), writer.ToBytes()));
    QSignalSpy commands(&control, &FlashControl::FSCommand);
    control.LoadMovie(6000, RuffleFlashControl::SoundMoviePath() + QStringLiteral("?volume=40&pan=-20"));
    // The sound movie arrives a little later: ask until the values are there.
    const bool applied = control.WaitFor(
        [&] {
            commands.clear();
            control.TCallLabel(QStringLiteral("/"), QStringLiteral("check"));
            control.WaitFor([&] { return commands.size() >= 2; }, 300);
            return commands.size() >= 2 && commands[0].at(1).toString() == QLatin1String("40");
        },
        5000);
    EXPECT_TRUE(applied);
    ASSERT_GE(commands.size(), 2);
    EXPECT_EQ(commands[0].at(0).toString(), QStringLiteral("getVolume"));
    EXPECT_EQ(commands[0].at(1).toString(), QStringLiteral("40"));
    EXPECT_EQ(commands[1].at(0).toString(), QStringLiteral("getPan"));
    EXPECT_EQ(commands[1].at(1).toString(), QStringLiteral("-20"));
}

TEST(RuffleFlashControl, MovieLoadedIntoALayerShowsAboveTheMovie)
{
    RuffleFlashControl& control = LoadFresh(WriteMovie(QStringLiteral("below.swf"), BuildColourMovie(kColours)));
    control.GotoFrame(0);
    EXPECT_TRUE(Near(CentreColour(control.GrabFrame()), kColours[0]));
    ColourMovieOptions options;
    options.stopAtStart = true;
    const QString above = WriteMovie(QStringLiteral("above.swf"), BuildColourMovie({QColor(40, 90, 200)}, options));
    control.LoadMovie(5, above);
    EXPECT_TRUE(control.WaitFor(
        [&] {
            control.GotoFrame(0);
            return Near(CentreColour(control.GrabFrame()), QColor(40, 90, 200));
        },
        5000));
    EXPECT_EQ(control.CurrentFrame(), 0);
}

TEST(RuffleFlashControl, BrokenMovieLeavesTheControlUsable)
{
    RuffleFlashControl& control = SharedControl();
    QSignalSpy ready(&control, &FlashControl::OnReadyStateChange);
    control.LoadMovie(0, WriteMovie(QStringLiteral("broken.swf"), QByteArray("this is not a movie at all")));
    EXPECT_FALSE(control.LastError().isEmpty());
    EXPECT_EQ(control.TotalFrames(), 0);
    ColourMovieOptions compressed;
    compressed.compressed = true;
    QByteArray truncated = BuildColourMovie(kColours, compressed);
    truncated.truncate(30);
    control.LoadMovie(0, WriteMovie(QStringLiteral("truncated.swf"), truncated));
    control.LoadMovie(0, MovieFolder() + QStringLiteral("missing.swf"));
    EXPECT_FALSE(control.LastError().isEmpty());
    control.WaitFor([] { return false; }, 300);
    EXPECT_TRUE(ready.isEmpty());

    LoadFresh(WriteMovie(QStringLiteral("after_broken.swf"), BuildColourMovie(kColours)));
    control.GotoFrame(3);
    EXPECT_TRUE(Near(CentreColour(control.GrabFrame()), kColours[3]));
}

// A few real movies of the corpus load and report the frame count of their header.
TEST(RuffleFlashControl, CorpusMoviesLoad)
{
    SKIP_WITHOUT_CORPUS();
    // One AVM1 movie per signature and version range, one ActionScript 3 movie.
    QSet<QString> kinds;
    QList<CorpusRow> chosen;
    for (const CorpusRow& row : CorpusRows()) {
        if (row.value(QStringLiteral("status")) != QLatin1String("ok"))
            continue;
        const QString signature = row.value(QStringLiteral("signature"));
        if (signature != QLatin1String("FWS") && signature != QLatin1String("CWS"))
            continue;
        const int version = row.value(QStringLiteral("version")).toInt();
        const QString kind = row.value(QStringLiteral("fileattr_as3")) == QLatin1String("1") ? QStringLiteral("as3")
                                                                                             : signature
                + (version < 6        ? QStringLiteral("old")
                        : version < 9 ? QStringLiteral("mid")
                                      : QStringLiteral("new"));
        if (kinds.contains(kind))
            continue;
        kinds.insert(kind);
        chosen << row;
    }
    ASSERT_GE(chosen.size(), 3);
    RuffleFlashControl& control = SharedControl();
    for (const CorpusRow& row : chosen) {
        const QString path = row.value(QStringLiteral("path"));
        SCOPED_TRACE(path.toStdString());
        QSignalSpy ready(&control, &FlashControl::OnReadyStateChange);
        control.LoadMovie(0, CorpusDir() + QLatin1Char('/') + path);
        EXPECT_TRUE(control.WaitForMovie(20000)) << control.LastError().toStdString();
        EXPECT_EQ(ready.size(), 1);
        EXPECT_EQ(control.TotalFrames(), row.value(QStringLiteral("frame_count")).toInt());
        EXPECT_FALSE(control.GrabFrame().isNull());
    }
}

// The player's filter sees what reaches the movie: wheel, buttons and keys.
TEST(RuffleFlashControl, InputFilterSeesTheMoviesInput)
{
    class Recorder : public QObject {
    public:
        QList<QEvent::Type> seen;
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Wheel || event->type() == QEvent::KeyPress || event->type() == QEvent::MouseButtonPress)
                seen << event->type();
            return false;
        }
    };
    RuffleFlashControl& control = SharedControl();
    Recorder recorder;
    control.SetInputFilter(&recorder);
    QWidget* input = control.widget()->focusProxy();
    ASSERT_NE(input, nullptr);
    const QPointF centre(50, 50);
    QWheelEvent wheel(centre, control.widget()->mapToGlobal(centre), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
        Qt::NoScrollPhase, false);
    QApplication::sendEvent(input, &wheel);
    QKeyEvent key(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QApplication::sendEvent(input, &key);
    QMouseEvent press(QEvent::MouseButtonPress, centre, control.widget()->mapToGlobal(centre), Qt::RightButton, Qt::RightButton,
        Qt::NoModifier);
    QApplication::sendEvent(input, &press);
    control.SetInputFilter(nullptr);
    EXPECT_EQ(recorder.seen, (QList<QEvent::Type>{QEvent::Wheel, QEvent::KeyPress, QEvent::MouseButtonPress}));
    QApplication::sendEvent(input, &key);
    EXPECT_EQ(recorder.seen.size(), 3);
}

// An AVM1 movie stored with LZMA gets frame control like any AVM1 movie.
TEST(RuffleFlashControl, LzmaMovieGetsFrameControl)
{
    ColourMovieOptions options;
    options.version = 10;
    const QString path = WriteMovie(QStringLiteral("lzma.swf"), LzmaMovie(BuildColourMovie(kColours, options)));
    RuffleFlashControl& control = LoadFresh(path);
    EXPECT_FALSE(control.ActionScript3());
    EXPECT_TRUE(control.HostInserted());
    EXPECT_EQ(control.TotalFrames(), kColours.size());
    for (int frame : {3, 1}) {
        control.GotoFrame(frame);
        EXPECT_TRUE(Near(CentreColour(control.GrabFrame()), kColours[frame])) << "frame " << frame;
        EXPECT_EQ(control.CurrentFrame(), frame);
    }
}

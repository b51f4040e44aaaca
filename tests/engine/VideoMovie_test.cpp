#include "EngineTestSupport.h"
#include "UiMovieSupport.h"

#include "common/TestSupport.h"

#include "base/AppFolders.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

const QSize kVideoSize(320, 240);
// The height of the movie's control strip at the bottom.
constexpr int kControlStrip = 40;

// A folder for videos below the cache folder, which the engine serves.
class VideoFolder {
public:
    VideoFolder()
        : m_dir((QDir().mkpath(Folders().cache), Folders().cache + QStringLiteral("ui-video-XXXXXX")))
    {
    }
    QString Path() const { return m_dir.path() + QLatin1Char('/'); }
    QString Add(const QString& name, const QByteArray& bytes) const
    {
        WriteAll(Path() + name, bytes);
        return Path() + name;
    }

private:
    QTemporaryDir m_dir;
};

// The video document as the player writes it (the path unescaped).
QString VideoXml(const QString& source, int width = 320, int height = 240)
{
    return QStringLiteral(
        "<?xml version=\"1.0\"?><VIDEO><SOURCE>%1</SOURCE><WIDTH>%2</WIDTH><HEIGHT>%3</HEIGHT><FRAMES>0</FRAMES></VIDEO>")
        .arg(source)
        .arg(width)
        .arg(height);
}

// A Flash Video holding one picture packet of the given codec.
QByteArray OnePictureFlv(int codec)
{
    QByteArray bytes = QByteArray::fromHex("464C5601010000000900000000");
    const QByteArray data = QByteArray(1, char(0x10 | codec)) + QByteArray(8, '\0');
    bytes += char(9);
    bytes += char(0) + QByteArray(1, char(0)) + QByteArray(1, char(data.size()));
    bytes += QByteArray(7, '\0');
    bytes += data;
    const int tagSize = 11 + data.size();
    bytes += QByteArray::fromHex(QByteArray::number(tagSize, 16).rightJustified(8, '0'));
    return bytes;
}

QString Playback(const QJsonObject& state)
{
    return state.value(QStringLiteral("playback")).toString();
}

QString Message(const QJsonObject& state)
{
    return state.value(QStringLiteral("texts")).toObject().value(QStringLiteral("message")).toString();
}

double Time(RuffleFlashControl& control)
{
    return MovieState(control).value(QStringLiteral("time")).toDouble();
}

// The share of pixels above the control strip that are not black.
double PictureShare(const QImage& frame)
{
    int lit = 0;
    int all = 0;
    for (int y = 0; y < frame.height() - kControlStrip; y += 4) {
        for (int x = 0; x < frame.width(); x += 4) {
            const QColor colour = frame.pixelColor(x, y);
            lit += colour.red() + colour.green() + colour.blue() > 60 ? 1 : 0;
            ++all;
        }
    }
    return all == 0 ? 0 : double(lit) / all;
}

struct CorpusVideo {
    QString path;
    int codec;  // -1: no pictures
};

QList<CorpusVideo> CorpusVideos()
{
    QList<CorpusVideo> videos;
    for (const CorpusRow& row : CorpusRows()) {
        const QString path = row.value(QStringLiteral("path"));
        if (path.startsWith(QLatin1String("flv/"))) {
            bool ok = false;
            const int codec = row.value(QStringLiteral("flv_video_codec")).toInt(&ok);
            videos.append({CorpusDir() + QLatin1Char('/') + path, ok ? codec : -1});
        }
    }
    return videos;
}

}  // namespace

// Every corpus video plays; those whose pictures the engine decodes (Sorenson H.263, screen
// video, VP6, H.264 are all in the corpus) show them, the sound-only ones say so.
TEST(VideoMovie, CorpusVideosPlayAndShowTheirPictures)
{
    SKIP_WITHOUT_CORPUS();
    RuffleFlashControl& control = SharedControl();
    const VideoFolder folder;
    const QList<CorpusVideo> videos = CorpusVideos();
    ASSERT_EQ(videos.size(), 13);
    for (const CorpusVideo& video : videos) {
        SCOPED_TRACE(video.path.toStdString());
        // Blanks and other characters in file names reach the engine intact.
        const QString copy
            = folder.Add(QStringLiteral("a #%1 ").arg(video.codec) + QFileInfo(video.path).fileName(), ReadAll(video.path));
        const UiDocument document(QStringLiteral("video"), VideoXml(copy));
        QJsonObject state = ShowUiMovie(control, QStringLiteral("video.swf"), document.Path(), kVideoSize);
        ASSERT_EQ(state.value(QStringLiteral("state")).toString(), QStringLiteral("ready"));
        // It plays: time goes on until the end.
        EXPECT_TRUE(control.WaitFor(
            [&] {
                state = MovieState(control);
                return state.value(QStringLiteral("time")).toDouble() > 0.1 || Playback(state) == QLatin1String("ended");
            },
            10000))
            << Playback(state).toStdString();
        EXPECT_TRUE(Playback(state) == QLatin1String("playing") || Playback(state) == QLatin1String("ended"))
            << Playback(state).toStdString();
        EXPECT_TRUE(
            control.WaitFor([&] { return MovieState(control).value(QStringLiteral("codec")).toInt() == video.codec; }, 5000));
        state = MovieState(control);
        if (video.codec < 0) {
            EXPECT_FALSE(state.value(QStringLiteral("pictures")).toBool());
            EXPECT_EQ(Message(state), QStringLiteral("Sound only"));
        } else {
            EXPECT_TRUE(state.value(QStringLiteral("pictures")).toBool());
            EXPECT_EQ(Message(state), QString());
            // Some decoders start a moment after the stream.
            double share = 0;
            EXPECT_TRUE(control.WaitFor(
                [&] {
                    share = PictureShare(control.GrabFrame());
                    return share > 0.3;
                },
                8000))
                << share;
        }
    }
}

// The movie's own button pauses and resumes; the seek bar moves in the video.
TEST(VideoMovie, PlayPauseButtonAndSeekBar)
{
    SKIP_WITHOUT_CORPUS();
    RuffleFlashControl& control = SharedControl();
    const VideoFolder folder;
    const QString video = folder.Add(
        QStringLiteral("seek.flv"), ReadAll(CorpusDir() + QStringLiteral("/flv/ruffle-netstream_seek_flv-test_video.flv")));
    const UiDocument document(QStringLiteral("video"), VideoXml(video, 352, 288));
    QJsonObject state = ShowUiMovie(control, QStringLiteral("video.swf"), document.Path(), kVideoSize);
    ASSERT_TRUE(control.WaitFor([&] { return Time(control) > 0.2; }, 10000));
    state = MovieState(control);
    const double duration = state.value(QStringLiteral("duration")).toDouble();
    EXPECT_NEAR(duration, 6.6, 0.1);
    const QJsonObject areas = state.value(QStringLiteral("areas")).toObject();

    ClickAt(control, AreaCentre(areas.value(QStringLiteral("toggle")).toObject()));
    ASSERT_TRUE(control.WaitFor([&] { return Playback(MovieState(control)) == QLatin1String("paused"); }, 5000));
    const double pausedAt = Time(control);
    EXPECT_FALSE(control.WaitFor([&] { return Time(control) > pausedAt + 0.1; }, 600));
    ClickAt(control, AreaCentre(areas.value(QStringLiteral("toggle")).toObject()));
    EXPECT_TRUE(control.WaitFor(
        [&] { return Playback(MovieState(control)) == QLatin1String("playing") && Time(control) > pausedAt + 0.1; }, 5000));

    // Four fifths along the bar.
    const QJsonObject seek = areas.value(QStringLiteral("seek")).toObject();
    const QPoint at(qRound(seek.value(QStringLiteral("x")).toDouble() + 0.8 * seek.value(QStringLiteral("w")).toDouble()),
        AreaCentre(seek).y());
    ClickAt(control, at);
    EXPECT_TRUE(control.WaitFor([&] { return Time(control) > 0.7 * duration; }, 5000)) << Time(control);
}

// Instead of a black window: a message for a missing file, a file that is no video, pictures
// the engine cannot decode, and a document without a video.
TEST(VideoMovie, VideosThatCannotBeShownGetAMessage)
{
    RuffleFlashControl& control = SharedControl();
    const VideoFolder folder;
    struct Case {
        QString document;
        QString playback;
        QString message;
    };
    const QList<Case> cases = {
        {VideoXml(folder.Path() + QStringLiteral("missing.flv")), QStringLiteral("failed"),
            QStringLiteral("The video cannot be played")},
        {VideoXml(folder.Add(QStringLiteral("text.flv"), "This is no video at all.")), QStringLiteral("failed"),
            QStringLiteral("The video cannot be played")},
        {VideoXml(folder.Add(QStringLiteral("screen2.flv"), OnePictureFlv(6))), QString(),
            QStringLiteral("This video cannot be shown")},
        {QStringLiteral("<?xml version=\"1.0\"?><VIDEO><WIDTH>320</WIDTH></VIDEO>"), QStringLiteral("failed"),
            QStringLiteral("No video to play")},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.document.toStdString());
        const UiDocument document(QStringLiteral("video"), test.document);
        QJsonObject state = ShowUiMovie(control, QStringLiteral("video.swf"), document.Path(), kVideoSize);
        EXPECT_TRUE(control.WaitFor(
            [&] {
                state = MovieState(control);
                return !Message(state).isEmpty();
            },
            10000));
        EXPECT_EQ(Message(state), test.message);
        EXPECT_FALSE(state.value(QStringLiteral("pictures")).toBool());
        if (!test.playback.isEmpty()) {
            EXPECT_EQ(Playback(state), test.playback);
        }
        // The message panel stands where the picture would be, once the engine has painted it.
        QColor centre;
        EXPECT_TRUE(control.WaitFor(
            [&] {
                centre = control.GrabFrame().pixelColor(kVideoSize.width() / 2, (kVideoSize.height() - kControlStrip) / 2);
                return Near(centre, QColor(0x24, 0x30, 0x43), 16);
            },
            5000))
            << centre.name().toStdString();
    }
}

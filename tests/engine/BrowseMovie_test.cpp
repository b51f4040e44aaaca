#include "EngineTestSupport.h"
#include "UiMovieSupport.h"

#include "common/TestSupport.h"

#include "base/AppFolders.h"
#include "base/XmlText.h"

#include <QDir>
#include <QImage>
#include <QJsonArray>
#include <QTemporaryDir>

namespace {

const QSize kBrowseSize(640, 480);

struct Item {
    QString jpeg;
    QString title;
    int type;
};

// A browse document as the player writes it.
QString BrowseXml(
    const QString& folder, const QString& cache, const QList<Item>& items, int scroll = 0, const QString& error = QString())
{
    int found = 0;
    for (const Item& item : items)
        found += item.type != 3 ? 1 : 0;
    QString xml = QStringLiteral("<?xml version=\"1.0\"?><BROWSE><FONT>DejaVu Sans</FONT><BROWSE>Medien</BROWSE>")
        + QStringLiteral("<FOUND>Gefunden: %1</FOUND><EXPLORE>Ordner wählen</EXPLORE>").arg(found)
        + QStringLiteral("<SCROLL>%1</SCROLL><FOLDER>%2</FOLDER><CACHE>%3</CACHE>")
              .arg(scroll)
              .arg(EscapeXml(folder), EscapeXml(cache))
        + QStringLiteral("<WAIT>Bitte warten</WAIT><ERROR>") + EscapeXml(error) + QStringLiteral("</ERROR>");
    for (const Item& item : items)
        xml += QStringLiteral("<JPEG>%1</JPEG><TITLE>%2</TITLE><TYPE>%3</TYPE>")
                   .arg(EscapeXml(item.jpeg), EscapeXml(item.title))
                   .arg(item.type);
    return xml + QStringLiteral("</BROWSE>");
}

// A folder for thumbnails below the cache folder, which the engine serves.
class ThumbnailFolder {
public:
    ThumbnailFolder()
        : m_dir((QDir().mkpath(Folders().cache), Folders().cache + QStringLiteral("ui-browse-XXXXXX")))
    {
    }
    QString Path() const { return m_dir.path() + QLatin1Char('/'); }
    void Add(const QString& name, const QColor& colour) const
    {
        QImage image(120, 90, QImage::Format_RGB32);
        image.fill(colour);
        image.save(Path() + name, "JPEG", 95);
    }

private:
    QTemporaryDir m_dir;
};

QJsonObject Areas(const QJsonObject& state)
{
    return state.value(QStringLiteral("areas")).toObject();
}

QJsonObject Area(const QJsonObject& state, const QString& name)
{
    return Areas(state).value(name).toObject();
}

QJsonArray Items(const QJsonObject& state)
{
    return state.value(QStringLiteral("items")).toArray();
}

double Scroll(RuffleFlashControl& control)
{
    return MovieState(control).value(QStringLiteral("scroll")).toDouble(-1);
}

// The player's wheel notice as the movie receives it from the control.
void WheelNotice(RuffleFlashControl& control, const QString& direction)
{
    CallMovie(control, QStringLiteral("vorlenSetVariable"), {QStringLiteral("_root.mwheel"), direction});
    CallMovie(control, QStringLiteral("vorlenCallLabel"), {QStringLiteral("vbCall"), QStringLiteral("MWH")});
}

QList<Item> ManyMovies(int count)
{
    QList<Item> items;
    for (int i = 0; i < count; ++i)
        items.append({QStringLiteral("m%1.swf.jpg").arg(i), QStringLiteral("movie %1.swf").arg(i), 1});
    return items;
}

}  // namespace

// Items appear with their kinds and thumbnails; hovering and clicking send their numbers.
TEST(BrowseMovie, ShowsItemsWithThumbnailsAndSendsTheirNumbers)
{
    RuffleFlashControl& control = SharedControl();
    const ThumbnailFolder thumbnails;
    // Cache names carry "#" for every separator, and blanks.
    thumbnails.Add(QStringLiteral("#home#anna#a.swf.jpg"), QColor(220, 30, 30));
    thumbnails.Add(QStringLiteral("#home#anna#b c.flv.jpg"), QColor(30, 60, 220));
    const QList<Item> items
        = {{QString(), QStringLiteral("Sub folder"), 3}, {QStringLiteral("#home#anna#a.swf.jpg"), QStringLiteral("a.swf"), 1},
            {QStringLiteral("#home#anna#b c.flv.jpg"), QStringLiteral("b c.flv"), 1},
            {QStringLiteral("#home#anna#d.exe.jpg"), QStringLiteral("d.exe"), 2}};
    const UiDocument document(QStringLiteral("browse"), BrowseXml(QStringLiteral("/home/anna/"), thumbnails.Path(), items));
    QJsonObject state = ShowUiMovie(control, QStringLiteral("browse.swf"), document.Path(), kBrowseSize);
    ASSERT_EQ(state.value(QStringLiteral("state")).toString(), QStringLiteral("ready"));
    const QJsonObject texts = state.value(QStringLiteral("texts")).toObject();
    EXPECT_EQ(texts.value(QStringLiteral("title")).toString(), QStringLiteral("Medien"));
    EXPECT_EQ(texts.value(QStringLiteral("found")).toString(), QStringLiteral("Gefunden: 3"));
    EXPECT_EQ(texts.value(QStringLiteral("explore")).toString(), QStringLiteral("Ordner wählen"));
    EXPECT_EQ(texts.value(QStringLiteral("folder")).toString(), QStringLiteral("/home/anna/"));

    // Every thumbnail either arrives or is known to be missing; the waiting sign goes.
    ASSERT_TRUE(control.WaitFor(
        [&] {
            state = MovieState(control);
            for (const QJsonValue& item : Items(state)) {
                const QString thumbnail = item.toObject().value(QStringLiteral("thumbnail")).toString();
                if (thumbnail == QLatin1String("waiting") || thumbnail == QLatin1String("loading"))
                    return false;
            }
            return !state.value(QStringLiteral("waiting")).toBool();
        },
        10000));
    const QJsonArray shown = Items(state);
    ASSERT_EQ(shown.size(), items.size());
    const QStringList expectedThumbnails
        = {QStringLiteral("none"), QStringLiteral("loaded"), QStringLiteral("loaded"), QStringLiteral("missing")};
    for (int i = 0; i < items.size(); ++i) {
        const QJsonObject item = shown[i].toObject();
        EXPECT_EQ(item.value(QStringLiteral("title")).toString(), items[i].title);
        EXPECT_EQ(item.value(QStringLiteral("type")).toInt(), items[i].type);
        EXPECT_EQ(item.value(QStringLiteral("thumbnail")).toString(), expectedThumbnails[i]) << i;
    }
    // The pictures themselves are shown in the cells (a loaded picture reaches the screen a frame or two later).
    const auto thumbnailCentre = [&](int number) {
        const QJsonObject cell = Area(state, QStringLiteral("item%1").arg(number));
        return QPoint(qRound(cell.value(QStringLiteral("x")).toDouble() + cell.value(QStringLiteral("w")).toDouble() / 2),
            qRound(cell.value(QStringLiteral("y")).toDouble() + 10 + 45));
    };
    const std::pair<int, QColor> pictures[] = {{2, QColor(220, 30, 30)}, {3, QColor(30, 60, 220)}};
    QImage frame;
    control.WaitFor(
        [&] {
            frame = control.GrabFrame();
            for (const auto& [number, colour] : pictures) {
                if (!Near(frame.pixelColor(thumbnailCentre(number)), colour, 30))
                    return false;
            }
            return true;
        },
        5000);
    for (const auto& [number, colour] : pictures) {
        EXPECT_TRUE(Near(frame.pixelColor(thumbnailCentre(number)), colour, 30))
            << number << " " << frame.pixelColor(thumbnailCentre(number)).name().toStdString();
    }

    CommandLog commands(control);
    MoveMouse(control, AreaCentre(Area(state, QStringLiteral("item3"))));
    ASSERT_TRUE(commands.WaitFor(QStringLiteral("SHOTOVER")));
    EXPECT_EQ(commands.ArgumentsOf(QStringLiteral("SHOTOVER")).last(), QStringLiteral("3"));
    ClickAt(control, AreaCentre(Area(state, QStringLiteral("item1"))));
    ASSERT_TRUE(commands.WaitFor(QStringLiteral("SHOTCLICK")));
    EXPECT_EQ(commands.ArgumentsOf(QStringLiteral("SHOTCLICK")), QStringList{QStringLiteral("1")});
    // Leaving the cells for an empty place says that no item is under the mouse.
    MoveMouse(control, QPoint(600, 440));
    EXPECT_TRUE(
        control.WaitFor([&] { return commands.ArgumentsOf(QStringLiteral("SHOTOVER")).last() == QLatin1String("0"); }, 5000));
}

// The parent folder is asked for as the folder followed by "..", another folder through the
// player's folder picker; the file system's root has no parent. An error stands above the grid.
TEST(BrowseMovie, FolderButtonsAndError)
{
    RuffleFlashControl& control = SharedControl();
    const ThumbnailFolder thumbnails;
    const QString error = QStringLiteral("Failed to load, since <b> & c");
    const UiDocument inFolder(QStringLiteral("browse"),
        BrowseXml(QStringLiteral("/home/anna/Flash Filme/"), thumbnails.Path(), ManyMovies(3), 0, error));
    QJsonObject state = ShowUiMovie(control, QStringLiteral("browse.swf"), inFolder.Path(), kBrowseSize);
    EXPECT_EQ(state.value(QStringLiteral("texts")).toObject().value(QStringLiteral("error")).toString(), error);
    const QJsonObject banner = Area(state, QStringLiteral("error"));
    ASSERT_FALSE(banner.isEmpty());
    EXPECT_GE(Area(state, QStringLiteral("item1")).value(QStringLiteral("y")).toDouble(),
        banner.value(QStringLiteral("y")).toDouble() + banner.value(QStringLiteral("h")).toDouble());

    CommandLog commands(control);
    ClickAt(control, AreaCentre(Area(state, QStringLiteral("up"))));
    ClickAt(control, AreaCentre(Area(state, QStringLiteral("explore"))));
    ASSERT_TRUE(commands.WaitFor(QStringLiteral("MEOWBROWSE")));
    const QList<QPair<QString, QString>> expected = {{QStringLiteral("MEOWSEARCH"), QStringLiteral("/home/anna/Flash Filme/../")},
        {QStringLiteral("MEOWBROWSE"), QStringLiteral("/home/anna/Flash Filme/")}};
    EXPECT_EQ(commands.all, expected);

    const UiDocument atRoot(QStringLiteral("browse"), BrowseXml(QStringLiteral("/"), thumbnails.Path(), ManyMovies(1)));
    state = ShowUiMovie(control, QStringLiteral("browse.swf"), atRoot.Path(), kBrowseSize);
    EXPECT_FALSE(Areas(state).contains(QStringLiteral("error")));
    commands.Clear();
    ClickAt(control, AreaCentre(Area(state, QStringLiteral("up"))));
    ClickAt(control, AreaCentre(Area(state, QStringLiteral("explore"))));
    ASSERT_TRUE(commands.WaitFor(QStringLiteral("MEOWBROWSE")));
    EXPECT_EQ(commands.all, (QList<QPair<QString, QString>>{{QStringLiteral("MEOWBROWSE"), QStringLiteral("/")}}));
}

// The scroll position of the document is restored (within what the grid allows), and every
// wheel notice scrolls and tells the player where the view is now.
TEST(BrowseMovie, ScrollPositionIsRestoredAndWheelNoticesScroll)
{
    RuffleFlashControl& control = SharedControl();
    const ThumbnailFolder thumbnails;
    const UiDocument scrolled(QStringLiteral("browse"), BrowseXml(QStringLiteral("/m/"), thumbnails.Path(), ManyMovies(40), 300));
    QJsonObject state = ShowUiMovie(control, QStringLiteral("browse.swf"), scrolled.Path(), kBrowseSize);
    EXPECT_EQ(state.value(QStringLiteral("scroll")).toDouble(), 300);
    const double maxScroll = state.value(QStringLiteral("maxScroll")).toDouble();
    EXPECT_GT(maxScroll, 1000);

    const UiDocument beyond(QStringLiteral("browse"), BrowseXml(QStringLiteral("/m/"), thumbnails.Path(), ManyMovies(40), 99999));
    state = ShowUiMovie(control, QStringLiteral("browse.swf"), beyond.Path(), kBrowseSize);
    EXPECT_EQ(state.value(QStringLiteral("scroll")).toDouble(), maxScroll);

    const UiDocument top(QStringLiteral("browse"), BrowseXml(QStringLiteral("/m/"), thumbnails.Path(), ManyMovies(40), 0));
    ShowUiMovie(control, QStringLiteral("browse.swf"), top.Path(), kBrowseSize);
    CommandLog commands(control);
    WheelNotice(control, QStringLiteral("-1"));
    ASSERT_TRUE(commands.WaitFor(QStringLiteral("BROWSESCROLL")));
    const int down = commands.ArgumentsOf(QStringLiteral("BROWSESCROLL")).last().toInt();
    EXPECT_GT(down, 0);
    EXPECT_EQ(Scroll(control), down);
    WheelNotice(control, QStringLiteral("-1"));
    ASSERT_TRUE(commands.WaitFor(QStringLiteral("BROWSESCROLL"), 5000, 1));
    EXPECT_EQ(commands.ArgumentsOf(QStringLiteral("BROWSESCROLL")).last().toInt(), 2 * down);
    // No movement, then back up by one notice.
    WheelNotice(control, QStringLiteral("0"));
    WheelNotice(control, QStringLiteral("1"));
    ASSERT_TRUE(commands.WaitFor(QStringLiteral("BROWSESCROLL"), 5000, 2));
    EXPECT_EQ(commands.ArgumentsOf(QStringLiteral("BROWSESCROLL")),
        (QStringList{QString::number(down), QString::number(2 * down), QString::number(down)}));
    // Above the top the view stays at 0.
    WheelNotice(control, QStringLiteral("1"));
    WheelNotice(control, QStringLiteral("1"));
    ASSERT_TRUE(commands.WaitFor(QStringLiteral("BROWSESCROLL"), 5000, 4));
    EXPECT_EQ(
        commands.ArgumentsOf(QStringLiteral("BROWSESCROLL")).mid(3), (QStringList{QStringLiteral("0"), QStringLiteral("0")}));
}

// The player's wheel notice goes through the control: SetVariable("_root.mwheel", ...) and
// TCallLabel("vbCall", "MWH") reach the movie's vorlenSetVariable and vorlenCallLabel.
TEST(BrowseMovie, WheelNoticeThroughTheControlScrolls)
{
    RuffleFlashControl& control = SharedControl();
    const ThumbnailFolder thumbnails;
    const UiDocument document(QStringLiteral("browse"), BrowseXml(QStringLiteral("/m/"), thumbnails.Path(), ManyMovies(40), 0));
    ShowUiMovie(control, QStringLiteral("browse.swf"), document.Path(), kBrowseSize);
    CommandLog commands(control);
    control.SetVariable(QStringLiteral("_root.mwheel"), QStringLiteral("-1"));
    control.TCallLabel(QStringLiteral("vbCall"), QStringLiteral("MWH"));
    ASSERT_TRUE(commands.WaitFor(QStringLiteral("BROWSESCROLL")));
    const int down = commands.ArgumentsOf(QStringLiteral("BROWSESCROLL")).last().toInt();
    EXPECT_GT(down, 0);
    control.SetVariable(QStringLiteral("_root.mwheel"), QStringLiteral("1"));
    control.TCallLabel(QStringLiteral("vbCall"), QStringLiteral("MWH"));
    ASSERT_TRUE(commands.WaitFor(QStringLiteral("BROWSESCROLL"), 5000, 1));
    EXPECT_EQ(commands.ArgumentsOf(QStringLiteral("BROWSESCROLL")).last(), QStringLiteral("0"));
}

// A thumbnail the player takes after the grid is shown appears when the player says so: the
// variable shot names the item, the label SHOT of vbCall loads it.
TEST(BrowseMovie, ThumbnailNoticeLoadsAThumbnailThatArrivedLater)
{
    RuffleFlashControl& control = SharedControl();
    const ThumbnailFolder thumbnails;
    const QList<Item> items = {{QStringLiteral("late.jpg"), QStringLiteral("late.swf"), 1},
        {QStringLiteral("never.jpg"), QStringLiteral("never.swf"), 1}};
    const UiDocument document(QStringLiteral("browse"), BrowseXml(QStringLiteral("/m/"), thumbnails.Path(), items));
    QJsonObject state = ShowUiMovie(control, QStringLiteral("browse.swf"), document.Path(), kBrowseSize);
    auto thumbnail
        = [&](int i) { return Items(MovieState(control))[i].toObject().value(QStringLiteral("thumbnail")).toString(); };
    ASSERT_TRUE(control.WaitFor([&] { return thumbnail(0) == QLatin1String("missing"); }, 10000));

    thumbnails.Add(QStringLiteral("late.jpg"), QColor(40, 200, 40));
    control.SetVariable(QStringLiteral("_root.shot"), QStringLiteral("1"));
    control.TCallLabel(QStringLiteral("vbCall"), QStringLiteral("SHOT"));
    EXPECT_TRUE(control.WaitFor([&] { return thumbnail(0) == QLatin1String("loaded"); }, 10000)) << thumbnail(0).toStdString();
    EXPECT_EQ(thumbnail(1), QStringLiteral("missing"));
    state = MovieState(control);
    const QJsonObject cell = Area(state, QStringLiteral("item1"));
    const QPoint centre(qRound(cell.value(QStringLiteral("x")).toDouble() + cell.value(QStringLiteral("w")).toDouble() / 2),
        qRound(cell.value(QStringLiteral("y")).toDouble() + 10 + 45));
    EXPECT_TRUE(control.WaitFor([&] { return Near(control.GrabFrame().pixelColor(centre), QColor(40, 200, 40), 30); }, 5000));
}

// A folder of thousands of items: the cells near the view are made, the others when the view
// comes to them; the count and the scroll range cover them all.
TEST(BrowseMovie, LargeListingsMakeTheCellsNearTheView)
{
    RuffleFlashControl& control = SharedControl();
    const ThumbnailFolder thumbnails;
    const UiDocument document(QStringLiteral("browse"), BrowseXml(QStringLiteral("/m/"), thumbnails.Path(), ManyMovies(3000)));
    QJsonObject state = ShowUiMovie(control, QStringLiteral("browse.swf"), document.Path(), kBrowseSize);
    ASSERT_EQ(state.value(QStringLiteral("state")).toString(), QStringLiteral("ready"));
    EXPECT_EQ(state.value(QStringLiteral("itemCount")).toInt(), 3000);
    const QJsonArray first = Items(state);
    EXPECT_GT(first.size(), 0);
    EXPECT_LT(first.size(), 100);
    EXPECT_EQ(first[0].toObject().value(QStringLiteral("number")).toInt(), 1);
    EXPECT_GT(state.value(QStringLiteral("maxScroll")).toDouble(), 3000.0 / 4 * 132);

    // To the end: the last items get their cells.
    const UiDocument atEnd(
        QStringLiteral("browse"), BrowseXml(QStringLiteral("/m/"), thumbnails.Path(), ManyMovies(3000), 999999));
    state = ShowUiMovie(control, QStringLiteral("browse.swf"), atEnd.Path(), kBrowseSize);
    const QJsonArray last = Items(state);
    ASSERT_FALSE(last.isEmpty());
    EXPECT_EQ(last.last().toObject().value(QStringLiteral("number")).toInt(), 3000);
    EXPECT_EQ(last.last().toObject().value(QStringLiteral("title")).toString(), QStringLiteral("movie 2999.swf"));
    EXPECT_TRUE(Areas(state).contains(QStringLiteral("item3000")));
    EXPECT_FALSE(Areas(state).contains(QStringLiteral("item1")));
}

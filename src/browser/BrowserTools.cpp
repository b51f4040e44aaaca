#include "browser/BrowserTools.h"

#include "browser/MediaBrowser.h"
#include "browser/ThumbnailShooter.h"
#include "player/PlayerCommands.h"

#include <QTimer>

namespace {

using Handler = void (BrowserTools::*)(const QString& argument);

// How often a command that waits for the shot machine asks again.
constexpr int kShotUnwindMs = 50;
// The menu items this part serves, by name, and what they act on.
struct ItemRoute {
    const char* item;
    Handler handler;
};

const ItemRoute kRoutes[] = {
    {"mnuMovieInfo", &BrowserTools::InfoOnItem},
    {"mnuMovieConvert", &BrowserTools::ConvertItem},
    {"mnuExtract", &BrowserTools::Extract},
    {"mnuMovieExtract", &BrowserTools::Extract},
    {"mnuFolderGenerator", &BrowserTools::GeneratorForItem},
    {"mnuShowFile", &BrowserTools::ShowFile},
    {"mnuMovieFile", &BrowserTools::ShowFile},
    {"mnuFolderShow", &BrowserTools::Explore},
    {"mnuItemCut", &BrowserTools::Cut},
    {"mnuItemCopy", &BrowserTools::Copy},
    {"mnuFolderPaste", &BrowserTools::Paste},
    {"mnuItemDelete", &BrowserTools::Delete},
    {"mnuItemRename", &BrowserTools::Rename},
};

}  // namespace

BrowserTools::BrowserTools(BrowserToolParts parts)
    : m_parts(parts)
{
}

BrowserTools::~BrowserTools() = default;

void BrowserTools::Attach(PlayerCommands& window, PlayerMedia& media, PlayerFileDialogs& fileDialogs)
{
    m_window = &window;
    m_media = &media;
    m_fileDialogs = &fileDialogs;
}

QWidget* BrowserTools::Owner() const
{
    return m_window ? m_window->Window() : nullptr;
}

bool BrowserTools::Offers(PlayerFeature feature) const
{
    switch (feature) {
    case PlayerFeature::Info:
    case PlayerFeature::Convert:
    case PlayerFeature::Extract:
    case PlayerFeature::Generator:
    case PlayerFeature::Picture:
    case PlayerFeature::Thumbnail:
    case PlayerFeature::ShowFile:
    case PlayerFeature::ItemCommands:
        return m_window && m_media;
    default:
        return false;
    }
}

void BrowserTools::Run(PlayerFeature feature, const QString& argument)
{
    if (!Offers(feature))
        return;
    if (DeferWhileShooting(feature, [this, feature, argument] { Run(feature, argument); }))
        return;
    // Without a menu item, a feature acts on the movie shown.
    switch (feature) {
    case PlayerFeature::Info:
        InfoOnMovie();
        break;
    case PlayerFeature::Convert:
        ConvertShownMovie();
        break;
    case PlayerFeature::Extract:
        Extract(argument);
        break;
    case PlayerFeature::Generator:
        ShowGenerator(QString());
        break;
    case PlayerFeature::Picture:
        TakePicture();
        break;
    case PlayerFeature::Thumbnail:
        CreateThumbnail();
        break;
    case PlayerFeature::ShowFile:
        ShowFile(argument);
        break;
    default:
        break;
    }
}

void BrowserTools::RunMenuItem(PlayerFeature feature, const QString& item, const QString& argument)
{
    if (!Offers(feature))
        return;
    if (DeferWhileShooting(feature, [this, feature, item, argument] { RunMenuItem(feature, item, argument); }))
        return;
    for (const ItemRoute& route : kRoutes) {
        if (item.compare(QLatin1String(route.item), Qt::CaseInsensitive) == 0) {
            (this->*route.handler)(argument);
            return;
        }
    }
    Run(feature, argument);
}

bool BrowserTools::RunOperation(PlayerFeature feature, const QString& name, const QStringList& arguments)
{
    if (feature != PlayerFeature::Generator || !Offers(feature))
        return false;
    if (name.compare(QLatin1String("ShowTG"), Qt::CaseInsensitive) == 0) {
        ShowGenerator(QString());
        return true;
    }
    if (name.compare(QLatin1String("Generate"), Qt::CaseInsensitive) == 0) {
        if (!DeferWhileShooting(feature, [this, arguments] { Generate(arguments); }))
            Generate(arguments);
        return true;
    }
    return false;
}

bool BrowserTools::DeferWhileShooting(PlayerFeature feature, std::function<void()> command)
{
    // The information box and the generator take shots of their own. A shot of the browser in
    // progress is further down the stack: it is cancelled (it is taken again later), and the
    // command runs once the shot machine is free.
    if (feature != PlayerFeature::Info && feature != PlayerFeature::Generator)
        return false;
    if (!m_parts.shooter->Busy())
        return false;
    m_parts.shooter->CancelShot();
    // The cancelled shot returns once the event loop it waits in has seen the cancel.
    QTimer::singleShot(kShotUnwindMs, [this, feature, command = std::move(command)] {
        if (!DeferWhileShooting(feature, command))
            command();
    });
    return true;
}

void BrowserTools::Refresh()
{
    if (m_parts.browser && m_parts.browser->IsBrowsing())
        m_parts.browser->Refresh();
}

#include "player/Player.h"

#include "base/Version.h"
#include "engine/FlashControl.h"
#include "lang/Language.h"
#include "lang/TranslateForm.h"
#include "player/MenuDecorations.h"
#include "player/MovieView.h"
#include "player/NoSkin.h"
#include "player/PlayerBrowser.h"
#include "player/PlayerDesktop.h"
#include "player/PlayerExtensions.h"
#include "player/PlayerFileDialogs.h"
#include "player/PlayerHooks.h"
#include "player/PlayerMenus.h"
#include "player/PlaylistPane.h"
#include "player/RecentList.h"
#include "playlist/OptionPlaylistServices.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>

namespace {

// No recent-movies list: nothing is kept.
class NoRecentList : public RecentList {
public:
    void AddRecent(const QString&) override { }
    void LoadRecent(bool, const QStringList&) override { }
    void SetLastPlayedPath(const QString&) override { }
    int RecentCount() const override { return 0; }
    QString Tag(int) const override { return QString(); }
    QString Caption(int) const override { return QString(); }
};

template <typename Part, typename Default = Part> Part* Use(Part* given, std::unique_ptr<Part>& own)
{
    if (given)
        return given;
    own = std::make_unique<Default>();
    return own.get();
}

}  // namespace

Player::Player(PlayerParts parts)
    : QWidget(nullptr)
    , m_swf(std::move(parts.swf))
    , m_skin(parts.skin ? std::move(parts.skin) : std::make_unique<NoSkin>())
    , m_options(parts.options)
    , m_settings(parts.settings)
    , m_releaseInstance(std::move(parts.releaseInstance))
    , m_newControl(std::move(parts.newControl))
    , m_saverProgram(parts.saverProgram)
    , m_playlist(OptionPlaylistServices(parts.options->Module()), this, this)
{
    m_recent = Use<RecentList, NoRecentList>(parts.recent, m_ownRecent);
    m_browser = Use(parts.browser, m_ownBrowser);
    m_extensions = Use(parts.extensions, m_ownExtensions);
    m_desktop = Use(parts.desktop, m_ownDesktop);
    m_fileDialogs = Use(parts.fileDialogs, m_ownFileDialogs);
    m_hooks = parts.hooks;

    BuildWindow();
    BuildConsole();
    ResetScriptEngine();

    LoadOpts();
    m_playlist.SetPLFile(OptionValues().playlistFile);
    m_recent->SetLastPlayedPath(OptionValues().playlistFile);
    SetVisual();
    AdaptMenusToMovie();
    m_skin->Attach(*this);
    m_skin->LoadCurrentSkin(State().skinName);
    UpdateSkin();
    m_loaded = true;
    if (m_hooks)
        m_hooks->Install(*this);
}

Player::~Player()
{
    if (m_hooks)
        m_hooks->Release();
    m_tmrUpdate.stop();
    if (m_fullScreenFilter)
        qApp->removeEventFilter(this);
    // The control goes first and takes its widget with it, as it does when it stands alone.
    if (QWidget* widget = m_swf->widget())
        widget->setParent(nullptr);
    m_swf.reset();
}

void Player::BuildWindow()
{
    setObjectName(QStringLiteral("Player"));
    setWindowTitle(CaptionPrefix());
    setAttribute(Qt::WA_DeleteOnClose, false);

    m_menuBar = new QMenuBar(this);
    m_menuBar->setObjectName(QStringLiteral("qt_menubar"));
    m_menuBar->setNativeMenuBar(false);
    m_menus = std::make_unique<PlayerMenus>(
        this, m_menuBar, [this](const CommandRow& row, int index) { DispatchCommand(row, index); });
    m_decorations = std::make_unique<MenuDecorations>();
    for (QMenu* menu : m_menus->Menus())
        connect(menu, &QMenu::aboutToShow, this, [this, menu] { DecorateMenu(menu); });
    for (const char* popUp : {"PopUp", "PupItem"}) {
        if (QMenu* menu = m_menus->Menu(QLatin1String(popUp)))
            menu->setSeparatorsCollapsible(true);
    }

    m_view = new MovieView(this);
    m_view->SetControl(m_swf->widget());
    connect(m_view, &MovieView::Resized, this, &Player::ViewResize);

    m_playlistPane = new PlaylistPane(m_playlist.Model(), this);
    connect(m_playlistPane, &PlaylistPane::PlayRequested, this, [this](int row) { m_playlist.PlayEntry(row); });
    connect(m_playlistPane, &PlaylistPane::ItemMenuRequested, this,
        [this](int row) { ShowPopUp(PopUpSource::Playlist, row >= 0 ? m_playlist.Model().Entry(row) : QString()); });

    connect(m_swf.get(), &FlashControl::FSCommand, this, &Player::OnFSCommand);
    connect(m_swf.get(), &FlashControl::OnReadyStateChange, this, &Player::OnReadyStateChange);
    connect(m_swf.get(), &FlashControl::EngineFailed, this, &Player::OnEngineFailed);

    m_tmrUpdate.setInterval(kTimerInterval);
    connect(&m_tmrUpdate, &QTimer::timeout, this, &Player::TimerTick);
    // A border drag ends before the aspect ratio is applied, so the window system's own sizing
    // is not fought while it lasts.
    m_aspectTimer.setSingleShot(true);
    m_aspectTimer.setInterval(150);
    connect(&m_aspectTimer, &QTimer::timeout, this, &Player::KeepAspectAfterResize);

    resize(kDefaultMovieWidth + kPlaylistWidth, kDefaultMovieHeight + m_menuBar->sizeHint().height());
}

QWidget* Player::View() const
{
    return m_view;
}

QWidget* Player::MovieArea()
{
    return m_view;
}

QAction* Player::AddMenuArrayItem(const QString& name, int index, const QString& caption, const QString& tag)
{
    return m_menus->AddArrayItem(name, index, caption, tag);
}

void Player::RemoveMenuArrayItems(const QString& name, int fromIndex)
{
    m_menus->RemoveArrayItems(name, fromIndex);
}

// ---- Commands and menu items

void Player::DispatchCommand(const CommandRow& row, int index)
{
    if (row.feature != PlayerFeature::None && !Offers(row.feature))
        return;
    if (row.handler)
        row.handler(*this, index);
    else if (row.feature != PlayerFeature::None)
        RunFeature(row.feature, FeatureArgument(row), QLatin1String(row.name));
}

QString Player::FeatureArgument(const CommandRow& row) const
{
    // The item menu's commands concern its item; the others the movie shown.
    if (row.parent && QLatin1String(row.parent) == QLatin1String("PupItem")) {
        if (!m_popUpItem.isEmpty())
            return m_popUpItem;
        if (m_browser->IsBrowsing())
            return m_browser->SelectedItem();
        const int focused = m_playlistPane->FocusedRow();
        return focused >= 0 ? m_playlist.Model().Entry(focused) : QString();
    }
    return m_interfaceMovie ? QString() : m_info.SourcePath;
}

bool Player::RunCommand(const QString& name, int index)
{
    const CommandRow* row = FindCommand(name, index);
    if (!row || (!row->handler && row->feature == PlayerFeature::None))
        return false;
    if (row->feature != PlayerFeature::None && !Offers(row->feature))
        return false;
    DispatchCommand(*row, index);
    return true;
}

void Player::HotKeyAction(int id)
{
    const CommandRow* row = FindHotKeyCommand(id);
    if (!row)
        return;
    QAction* item = MenuItem(QLatin1String(row->name), row->index);
    if (item && !item->isEnabled())
        return;
    DispatchCommand(*row, row->index);
}

QAction* Player::MenuItem(const QString& name, int index) const
{
    return m_menus->Item(name, index);
}

bool Player::IsChecked(const QString& name, int index) const
{
    QAction* item = MenuItem(name, index);
    return item && item->isChecked();
}

void Player::SetChecked(const QString& name, bool checked, int index)
{
    if (QAction* item = MenuItem(name, index)) {
        item->setCheckable(true);
        item->setChecked(checked);
    }
}

void Player::ToggleCheck(const QString& name)
{
    SetChecked(name, !IsChecked(name));
}

bool Player::Offers(PlayerFeature feature) const
{
    switch (feature) {
    case PlayerFeature::None:
        return true;
    case PlayerFeature::Browser:
        return m_browser->IsAvailable();
    case PlayerFeature::Help:
    case PlayerFeature::MoreSkins:
    case PlayerFeature::MoreLanguages:
        return true;
    case PlayerFeature::About:
        return bool(m_newControl);
    default:
        return m_extensions->Offers(feature);
    }
}

void Player::RunFeature(PlayerFeature feature, const QString& argument, const QString& item)
{
    if (!Offers(feature))
        return;
    if (feature == PlayerFeature::Browser) {
        // The item pop-up's "Browse Media" shows its item.
        if (item == QLatin1String("mnuFolderBrowse") && !argument.isEmpty())
            m_browser->ShowFolder(argument);
        else
            m_browser->BrowseMedia();
    } else if (feature == PlayerFeature::Help) {
        HelpMe(argument);
    } else if (feature == PlayerFeature::About) {
        About();
    } else if (feature == PlayerFeature::MoreSkins || feature == PlayerFeature::MoreLanguages) {
        GoMore(feature);
    } else if (item.isEmpty()) {
        m_extensions->Run(feature, argument);
    } else {
        m_extensions->RunMenuItem(feature, item, argument);
    }
}

bool Player::RunOperation(PlayerFeature feature, const QString& name, const QStringList& arguments)
{
    return Offers(feature) && m_extensions->RunOperation(feature, name, arguments);
}

int Player::PopUpPlaylistEntry() const
{
    return m_browser->IsBrowsing() ? -1 : m_playlistPane->FocusedRow();
}

void Player::EnableForMovie(const char* name, bool enabled)
{
    if (QAction* item = MenuItem(QLatin1String(name)))
        item->setEnabled(enabled);
}

// LoadFlash's menus: what is offered for the movie shown.
void Player::AdaptMenusToMovie()
{
    const bool hasMovie = !m_info.WorkingPath.isEmpty();
    const bool userMovie = hasMovie && !m_interfaceMovie;
    const bool flashMovie = userMovie && !m_info.IsVideo;
    const bool screenSaver = userMovie && !ScreenSaverModule().isEmpty();
    for (QAction* item : m_menus->Items()) {
        const CommandRow* row = m_menus->RowOf(item);
        if (!row || row->kind == CommandKind::Separator)
            continue;
        bool condition = true;
        switch (row->condition) {
        case MovieCondition::Always:
            break;
        case MovieCondition::NotInterface:
            condition = userMovie;
            break;
        case MovieCondition::FlashMovie:
            condition = flashMovie;
            break;
        case MovieCondition::ScreenSaver:
            condition = screenSaver;
            break;
        }
        if (row->flags & kShowWithMovie) {
            item->setVisible(condition);
            item->setEnabled(Offers(row->feature));
        } else if (row->feature != PlayerFeature::None || row->condition != MovieCondition::Always) {
            item->setEnabled(condition && Offers(row->feature));
        }
    }
    // The native-size mode disables the scale modes on its own.
    EnableForMovie("mnuScale", !m_nativeSize);
    if (QAction* convert = MenuItem(QStringLiteral("mnuConvert"))) {
        convert->setText(m_info.IsProjector
                ? LangText(QStringLiteral("Player/mnuConvertEXE"), QStringLiteral("Convert EXE to SWF"))
                : LangText(QStringLiteral("Player/mnuConvert"), QStringLiteral("Convert to EXE")));
    }
}

void Player::SetVisual()
{
    TranslateForm(this);
    for (QAction* item : m_menus->Items()) {
        const CommandRow* row = m_menus->RowOf(item);
        if (!row || row->kind == CommandKind::Separator || row->kind == CommandKind::Menu)
            continue;
        const QString name = QLatin1String(row->name);
        if (name == QLatin1String("mnuMRU") || name == QLatin1String("mnuLangList")
            || (item->property("index").toInt() > 0 && name == QLatin1String("mnuSkinList")))
            continue;
        item->setText(LangText(CommandLanguageKey(*row), QString::fromUtf8(row->caption)));
    }
    RebuildRecentMenu();
    RebuildLanguageMenu();
    AssignMenus();
}

void Player::RebuildLanguageMenu()
{
    const std::vector<LanguageInfo>& languages = Languages();
    m_menus->RemoveArrayItems(QStringLiteral("mnuLangList"), 1);
    QAction* first = MenuItem(QStringLiteral("mnuLangList"), 0);
    if (!first)
        return;
    if (languages.empty()) {
        first->setText(LangText(QStringLiteral("Player/mnuLangList_0"), QStringLiteral("[ No Languages ]")));
        first->setEnabled(false);
        return;
    }
    for (int i = 0; i < int(languages.size()); ++i) {
        QAction* item = i == 0 ? first : m_menus->AddArrayItem(QStringLiteral("mnuLangList"), i, QString(), QString());
        if (!item)
            continue;
        item->setText(LanguageMenuCaption(languages[i]));
        item->setData(languages[i].Name);
        item->setEnabled(true);
        item->setChecked(i == CurrentLanguage());
    }
}

void Player::ChooseLanguage(int index)
{
    ::ChooseLanguage(index);
    SetVisual();
}

void Player::RebuildRecentMenu()
{
    const int count = m_recent->RecentCount();
    m_menus->RemoveArrayItems(QStringLiteral("mnuMRU"), std::max(1, count));
    QAction* first = MenuItem(QStringLiteral("mnuMRU"), 0);
    if (!first)
        return;
    if (count <= 0) {
        first->setText(LangText(QStringLiteral("Player/mnuMRU_0"), QStringLiteral("[ No Recent Files ]")));
        first->setData(QString());
        first->setEnabled(false);
        return;
    }
    for (int i = 0; i < count; ++i) {
        QAction* item = i == 0 ? first : m_menus->AddArrayItem(QStringLiteral("mnuMRU"), i, QString(), QString());
        if (!item)
            continue;
        item->setText(m_recent->Caption(i));
        item->setData(m_recent->Tag(i));
        item->setEnabled(true);
    }
}

void Player::OpenRecent(int index)
{
    QAction* item = MenuItem(QStringLiteral("mnuMRU"), index);
    const QString path = item ? item->data().toString() : QString();
    if (!path.isEmpty())
        PlayPaths({path});
}

void Player::PlayPaths(const QStringList& paths)
{
    m_playlist.PlayPaths(paths);
}

void Player::MarkShownEntry()
{
    if (m_interfaceMovie || m_info.SourcePath.isEmpty() || m_playlist.PLCurrent() >= 0)
        return;
    const QStringList entries = m_playlist.PLEntries();
    for (int i = 0; i <= m_playlist.PLLast(); ++i) {
        if (entries[i].compare(m_info.SourcePath, Qt::CaseInsensitive) == 0) {
            m_playlist.SetCurrent(i);
            SelectListItem(i);
            return;
        }
    }
}

void Player::SetCaption(const QString& caption)
{
    setWindowTitle(caption);
}

// ---- State

int Player::Volume() const
{
    return State().volume;
}

int Player::Pan() const
{
    return State().pan;
}

bool Player::IsMuted() const
{
    return State().mute;
}

int Player::FlashAlpha() const
{
    return State().flashAlpha;
}

int Player::TimeMode() const
{
    return State().timeMode;
}

bool Player::IsBrowsing() const
{
    return m_browser->IsBrowsing();
}

void Player::Out(const QString& text)
{
    m_console += QLatin1Char('\n') + text;
    // The output keeps its last lines, like a console's scroll-back.
    constexpr qsizetype kKeep = 64 * 1024;
    if (m_console.size() > kKeep)
        m_console = m_console.right(kKeep);
    Q_EMIT OutputWritten(text);
}

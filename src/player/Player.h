#pragma once

#include "media/MediaFileInfo.h"
#include "options/OptionSet.h"
#include "options/OptionsHost.h"
#include "options/OptionsModule.h"
#include "player/PlayerCommands.h"
#include "player/PlayerInput.h"
#include "player/PlayerMedia.h"
#include "player/PlayerOptionsActions.h"
#include "player/PlayerSettings.h"
#include "player/PlayerSkin.h"
#include "playlist/Playlist.h"
#include "playlist/PlaylistHost.h"
#include "playlist/PlaylistView.h"
#include "script/ScriptEngine.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>

#include <memory>

class ConsolePanel;
class FlashControl;
class MenuDecorations;
class MovieView;
class PlayerBrowser;
class PlayerDesktop;
class PlayerExtensions;
class PlayerFileDialogs;
class PlayerHooks;
class PlayerMenus;
class PlaylistPane;
class QMenu;
class QMenuBar;
class RecentList;
class ScriptHostObject;
struct CommandRow;

// What the player window is made of. The Flash control is required; every other part may be
// left empty, and the window then runs with its plain built-in behaviour (no skin, no browser,
// no dialogs, no recent list).
struct PlayerParts {
    std::unique_ptr<FlashControl> swf;
    std::unique_ptr<PlayerSkin> skin;
    // The option table LoadOpts and SaveOpts run, and the window's own settings in it: the
    // program's unless a test gives a table of its own.
    const OptionSet* options = &RegisteredOptions();
    PlayerOptionState* settings = &PlayerOptions();
    RecentList* recent = nullptr;
    PlayerBrowser* browser = nullptr;
    PlayerExtensions* extensions = nullptr;
    PlayerDesktop* desktop = nullptr;
    PlayerFileDialogs* fileDialogs = nullptr;
    // The input around the window (window events, the movie's mouse and keys, hot keys).
    PlayerHooks* hooks = nullptr;
    // Quit: resets the running-instance marker ("Window"/"hWnd") when this player owns it.
    std::function<void()> releaseInstance;
    // Makes a further Flash control, for the about box; without it the box is not offered.
    std::function<std::unique_ptr<FlashControl>()> newControl;
    // The screen-saver module when the option "ScreenSaver" names none: the program itself,
    // which plays the chosen movie as the saver (--saver). Empty: no module.
    QString saverProgram;
};

// The main window: it owns the Flash control SWF, the menus built from the command table, the
// playlist and its pane, the status timer and the script engine in which it is the object
// "Player". Its public operations are the player's commands; menus, hot keys, the script host,
// FSCommands and the hand-over of a second start all end in them.
class Player : public QWidget,
               public PlaylistHost,
               public PlaylistView,
               public OptionsHost,
               public PlayerInput,
               public PlayerMedia,
               public PlayerOptionsActions {
    Q_OBJECT

public:
    static constexpr int kTimerInterval = 300;      // tmrUpdate, milliseconds
    static constexpr int kPlaylistWidth = 200;      // the playlist pane of the plain window, pixels
    static constexpr int kDefaultMovieWidth = 550;  // the movie area before any movie is shown
    static constexpr int kDefaultMovieHeight = 400;

    // Creates the window: menus, view, playlist pane and script host; then reads the options
    // (LoadOpts) and loads the skin. The window is not shown.
    explicit Player(PlayerParts parts);
    ~Player() override;

    // Movie loading: the one road from a path (file, folder, "/exec" statement) to the control.
    void LoadFlash(const QString& path, const QString& title, bool nativeSize) override;

    // Player commands.
    void OpenMedia(bool replace);
    void PlayMedia() override;
    void PauseMedia() override;
    void PlayPauseMedia() override;
    void StopMedia();
    void FFwd() override;
    void Rwd() override;
    void SetQuality(const QString& quality) override;
    void SetScaleMode(uint8_t mode) override;
    void SetFlashAlpha(int alpha);
    void SetSound(int volume, int pan) override;
    void MuteSound(bool mute) override;
    float MoviePercent() const;
    void CloseMedia(const QString& errorText) override;
    void Quit(const QString& reason, bool saveState);
    // Removes the player's traces (cache, file types, desktop entry) and quits without saving.
    void Uninstall();
    // Makes the movie at path the screen saver's and opens the saver's settings.
    void SetAsSS(const QString& path);
    // The update check: automatic (at most once a week, silent unless there is an update) or
    // on request.
    void WebUpdate(bool automatic);
    // The help page of a topic ("" the start page) in the desktop's browser.
    void HelpMe(const QString& topic = QString());
    // The about box (frmAbout), modal.
    void About();
    void GoPlus();
    // mnuMoreSkins, mnuMoreLangs: the vendor's page of more skins or languages.
    void GoMore(PlayerFeature which);
    void GoWeb();
    // mnuFeedback: the support address in the mail program.
    void Feedback();

    // Status timer and time display.
    void ToggleTimeMode();
    void UpdateInfo();
    QString TimeText() const { return m_timeText; }
    // One tick of tmrUpdate (the timer calls it every 300 ms).
    void TimerTick();

    // Window layout, zoom and full screen.
    void ZoomFlash(int percent, int& passes);
    void ZoomWindow(int mode);
    void FullScreen(bool on, bool force) override;
    void ShowMenuBar(bool show);
    void MenuVisible(bool visible);
    void ShowFSControls(bool show);
    void ShowFSPlaylist(bool show);
    void UpdateRegion(bool force);
    void Center() override;
    void MoveWindow();
    void ResizeWindow();
    void SetTopMost(bool topMost) override;
    void UpdateSkin() override;
    // FormX_Resizing: a border drag (screen rectangle, sizing edge 1..8) made to keep the movie's
    // aspect ratio while "Keep Aspect Ratio" is checked and the browser is not shown.
    QRect FormResizing(const QRect& window, int edge) const;
    // View_Resize: places the control inside the movie view (fit or crop).
    void ViewResize() override;

    // Playlist.
    void TogglePlaylist(int16_t mode) override;
    Playlist& playlist() { return m_playlist; }
    Playlist& MediaPlaylist() override { return m_playlist; }
    int PopUpPlaylistEntry() const override;
    // Clears the playlist, adds the paths (level 0) and plays entry 0.
    void PlayPaths(const QStringList& paths) override;
    // Adds the paths at the end of the playlist (level 0), in order.
    void AppendToPlaylist(const QStringList& paths) override;
    // Makes the entry of the movie shown the current one, when the playlist holds it (the kept
    // playlist read back at start-up names what the command line opened).
    void MarkShownEntry();
    // The playlist's menu commands: save dialog, folder dialog, moving the selected entry, and
    // adding the media browser's selected item.
    void SavePlaylistDialog();
    void AddFolderDialog();
    void MoveSelectedEntry(int delta);
    void AddBrowserItemToPlaylist();

    // Script host and console output.
    ScriptEngine& Script() override { return m_script; }
    void ResetScriptEngine() override;
    ScriptHostObject* ScriptHost() override { return m_scriptObject.get(); }
    // Runs a statement in the script engine; a failure is logged as a script error report.
    bool ExecuteStatement(const QString& statement);
    void Out(const QString& text);
    QString ConsoleText() const { return m_console; }
    // The console panel over the window (F12): shown with the focus in its input line, hidden.
    void ShowConsole();
    void HideConsole();
    bool IsConsoleShown() const;
    ConsolePanel* Console() const { return m_consolePanel; }
    // A line typed into the console: written to it after " > ", then run; an error is written
    // with its number, description and line. True when the statement ran without error.
    bool RunConsoleLine(const QString& line);

    // The media browser and the common dialogs as the window uses them (the FSCommand bridge
    // reaches them through here).
    PlayerBrowser& Browser() const { return *m_browser; }
    PlayerFileDialogs& Dialogs() const { return *m_fileDialogs; }

    // Commands by name and hot-key id; menu items.
    bool RunCommand(const QString& name, int index = -1) override;
    void HotKeyAction(int id) override;
    QAction* MenuItem(const QString& name, int index = -1) const override;
    FlashControl& SWF() override { return *m_swf; }
    QWidget* Window() override { return this; }
    QWidget* MovieArea() override;
    bool HandyAction(int key) override;
    void ShowPopUp(PopUpSource source, const QString& item = QString()) override;
    // The pop-up menu ShowPopUp shows, prepared (checks, copied captions, the entries for the item)
    // but not shown.
    QMenu* PreparePopUp(PopUpSource source, const QString& item = QString());
    // The item the item pop-up was opened for ("" for none) and whether it is the playlist's.
    QString PopUpItem() const { return m_popUpItem; }
    bool PopUpFromPlaylist() const { return m_popUpFromPlaylist; }
    // mnuMoviePlay: the pop-up's playlist entry, or the browser item as the new playlist.
    void PlayPopUpItem();
    // AssignMenus: the owner-drawn menus' table (captions to icon files and kinds) made again
    // from the command table and the menu set of option "Menus"; the menus show the icons.
    void AssignMenus();
    const MenuDecorations& Decorations() const { return *m_decorations; }
    // FormX_ActivateApp, the window's part.
    void ApplicationActivated(bool active) override;
    bool IsApplicationActive() const { return m_applicationActive; }
    QAction* AddMenuArrayItem(const QString& name, int index, const QString& caption, const QString& tag) override;
    void RemoveMenuArrayItems(const QString& name, int fromIndex) override;
    bool IsChecked(const QString& name, int index = -1) const;
    void SetChecked(const QString& name, bool checked, int index = -1);
    void ToggleCheck(const QString& name);
    bool Offers(PlayerFeature feature) const;
    // A public operation that a feature carries out with its own arguments (Generate).
    bool RunOperation(PlayerFeature feature, const QString& name, const QStringList& arguments);
    // item: the menu item that asks (for features that serve several items).
    void RunFeature(PlayerFeature feature, const QString& argument, const QString& item = QString());
    // The language's texts applied to the window and its menus again (after a language change).
    void SetVisual() override;
    void ChooseLanguage(int index);
    // The recent movie of item index is opened as the new playlist.
    void OpenRecent(int index);
    void ClearThumbnails();

    // Options: LoadOpts and SaveOpts of the option store, with this window as their host.
    void LoadOpts();
    void SaveOpts() override;

    // Shows the window as the options left it (maximised, full screen).
    void ShowPlayer();
    // FormX_CopyData's first step: a minimised window comes back (maximised when full screen is
    // checked, else normal).
    void RestoreMinimisedWindow();

    // State: sound, opacity, time mode and the loaded movie.
    int Volume() const override;
    int Pan() const;
    bool IsMuted() const;
    int FlashAlpha() const;
    int TimeMode() const;
    const MediaFileInfo& MediaInfo() const override { return m_info; }
    bool IsInterfaceMovie() const override { return m_interfaceMovie; }
    bool IsNativeSize() const { return m_nativeSize; }
    QString MovieTitle() const override { return m_movieTitle; }
    bool IsLoaded() const { return m_loaded; }
    bool IsBrowsing() const override;
    const SkinLayout& Layout() const { return m_layout; }
    // ScaleWidth, ScaleHeight: the client area below the menu bar, pixels.
    QSize ScaleSize() const { return m_scaleSize.isValid() ? m_scaleSize : size(); }
    const WindowMargins& Margins() const { return m_layout.margins; }
    PlayerSkin& Skin() override { return *m_skin; }
    bool MenuBarHidden() const { return m_menuBarHidden; }
    bool FSControlsHidden() const { return m_fsControlsHidden; }
    bool FSPlaylistHidden() const { return m_fsPlaylistHidden; }
    double TwipsPerPixelX() const;
    double TwipsPerPixelY() const;
    // The window's place and size in twips (the script's Left, Top, Width, Height).
    QRect GeometryTwips() const;
    void SetGeometryTwips(const QRect& twips);
    QWidget* View() const;
    PlaylistPane* PlaylistBox() const { return m_playlistPane; }
    QWidget* PlaylistArea() const override;
    OptionsModule& OptionValues() const { return m_options->Module(); }
    PlayerOptionState& State() const { return *m_settings; }

    // PlaylistHost.
    void AddRecent(const QString& path) override;
    void EnableOneEntryMenus(bool enabled) override;
    void EnableTwoEntryMenus(bool enabled) override;
    void SelectListItem(int index) override;
    QList<int> SelectedListItems() const override;
    int FocusedListItem() const override;
    void SetListItemSelected(int index, bool selected) override;
    void LockListUpdates(bool locked) override;
    bool IsFullScreen() const;
    bool IsFSPlaylistShown() const;
    bool IsWindowNormal() const;
    bool IsSkinLoaded() const;
    int WindowWidth() const;
    int ListWidth() const;

    // PlaylistView.
    bool IsPlaylistMenuChecked() const override;
    void SetPlaylistMenuChecked(bool checked) override;
    PlaylistLayout ListLayout() const override;
    void SetListVisible(bool visible) override;
    void SetWindowWidth(int width) override;
    void RunSkinEvent(const QString& event) override;

    // OptionsHost (the apply steps above are shared with the commands).
    void MoveWindow(const WindowGeometry& geometry) override;
    int16_t WindowState() const override;
    WindowGeometry CurrentGeometry() const override;
    QString CurrentQuality() const override;
    uint8_t ScaleModeToSave() const override;
    bool IsScreenSaverActive() override;
    void SetSSState(bool active) override;
    void PrepareMyFlashFolder(const QString& folder) override;
    void ApplyAssociations(bool associate) override;
    void LoadRecentFiles() override;
    QStringList RecentFiles() const override;

    // PlayerOptionsActions (with the steps above).
    bool InitialScreenSaverState() const override;
    QString ScreenSaverModule() const override;

Q_SIGNALS:
    // Quit has unloaded the windows: the program ends.
    void Unloaded();
    // A line was written with Out.
    void OutputWritten(const QString& text);

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildWindow();
    void DispatchCommand(const CommandRow& row, int index);
    void BuildConsole();
    void DecorateMenu(QMenu* menu);
    void RegisterDecoration(QAction* item);
    void ShowItemEntries(PopUpSource source, const QString& item);
    QString FeatureArgument(const CommandRow& row) const;
    void AdaptMenusToMovie();
    void EnableForMovie(const char* name, bool enabled);
    void ApplyMenuChecksFromOptions();
    void StoreMenuChecksInOptions();
    void RebuildRecentMenu();
    void RebuildLanguageMenu();
    QString WelcomeDocument(const QString& errorText) const;
    QString WelcomeNotice(const QString& errorText) const;
    void FailLoad(const QString& failure, bool interfaceMovie, const QString& title);
    bool RemoveProjector(const QString& projectorPath);
    void SetCaption(const QString& caption);
    void OnFSCommand(const QString& command, const QString& args);
    void OnReadyStateChange(int state);
    // The engine cannot show the movie: the welcome screen says so in the player's words.
    void OnEngineFailed(const QString& reason);
    void UpdateSkinFor(const QSize& client);
    void ApplyLayout();
    void FormResize();
    void UpdateZoomChecks();
    void KeepAspectAfterResize();
    void FollowFullScreenEdges(const QPoint& globalPos);
    QSize FrameExtra() const;
    QSize MovieSize() const;
    void ResizeOuter(const QSize& outerPixels, const QPoint* topLeft);

    std::unique_ptr<FlashControl> m_swf;
    std::unique_ptr<PlayerSkin> m_skin;
    const OptionSet* m_options;
    PlayerOptionState* m_settings;
    std::unique_ptr<RecentList> m_ownRecent;
    std::unique_ptr<PlayerBrowser> m_ownBrowser;
    std::unique_ptr<PlayerExtensions> m_ownExtensions;
    std::unique_ptr<PlayerDesktop> m_ownDesktop;
    std::unique_ptr<PlayerFileDialogs> m_ownFileDialogs;
    RecentList* m_recent = nullptr;
    PlayerBrowser* m_browser = nullptr;
    PlayerExtensions* m_extensions = nullptr;
    PlayerDesktop* m_desktop = nullptr;
    PlayerFileDialogs* m_fileDialogs = nullptr;
    PlayerHooks* m_hooks = nullptr;
    std::function<void()> m_releaseInstance;
    std::function<std::unique_ptr<FlashControl>()> m_newControl;
    QString m_saverProgram;

    Playlist m_playlist;
    ScriptEngine m_script;
    std::shared_ptr<ScriptHostObject> m_scriptObject;

    QMenuBar* m_menuBar = nullptr;
    std::unique_ptr<PlayerMenus> m_menus;
    std::unique_ptr<MenuDecorations> m_decorations;
    QString m_menuIconFolder;
    QString m_popUpItem;
    bool m_popUpFromPlaylist = false;
    bool m_applicationActive = false;
    MovieView* m_view = nullptr;
    PlaylistPane* m_playlistPane = nullptr;
    QTimer m_tmrUpdate;
    QTimer m_aspectTimer;

    MediaFileInfo m_info;
    bool m_interfaceMovie = false;
    bool m_nativeSize = false;
    uint8_t m_savedScaleMode = 0;
    QString m_movieTitle;
    QString m_timeText;
    QString m_pendingNotice;  // what the window shows when the welcome movie cannot be

    SkinLayout m_layout;
    QSize m_scaleSize;
    QSize m_lastSize;
    QSize m_userSize;       // the size before the last resize, for the aspect correction
    QSize m_requestedSize;  // the client size the player asked for last
    bool m_menuBarHidden = false;
    bool m_fsControlsHidden = true;  // a skin's full-screen controls wait for the pointer at the edge
    bool m_fsPlaylistHidden = false;
    bool m_wasMaximized = false;
    QRect m_normalGeometry;  // the window's place before full screen
    bool m_zooming = false;
    bool m_fullScreenFilter = false;

    bool m_loaded = false;
    bool m_quitting = false;
    QString m_console;
    ConsolePanel* m_consolePanel = nullptr;
};

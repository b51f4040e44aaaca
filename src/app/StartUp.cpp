#include "app/StartUp.h"

#include "app/CommandLine.h"
#include "app/InstanceServer.h"
#include "app/PlaylistCommandLineHost.h"
#include "app/ProgramOptions.h"
#include "app/QuitSignals.h"
#include "app/RunningInstance.h"
#include "app/StartUpLanguage.h"
#include "base/AppFolders.h"
#include "base/ErrorContext.h"
#include "base/ExecutionLog.h"
#include "base/Version.h"
#include "base/WindowShell.h"
#include "browser/BrowserDialogs.h"
#include "browser/BrowserTools.h"
#include "browser/DecompilerOptions.h"
#include "browser/FlashShot.h"
#include "browser/GeneratorSettings.h"
#include "browser/MediaBrowser.h"
#include "browser/RecentMovies.h"
#include "desktop/DesktopExtensions.h"
#include "desktop/DesktopIntegration.h"
#include "desktop/MprisService.h"
#include "desktop/WindowHooks.h"
#include "engine/RuffleFlashControl.h"
#include "lang/Language.h"
#include "lang/TranslateForm.h"
#include "lang/UIFont.h"
#include "options/LoadSaveOptions.h"
#include "options/OptionsModule.h"
#include "player/Player.h"
#include "player/PlayerExtensionList.h"
#include "player/PlayerFileDialogs.h"
#include "skin/XmlSkin.h"
#include "update/UpdateCheck.h"
#include "update/UpdateSettings.h"

#include <QAction>
#include <QApplication>
#include <QDBusConnection>
#include <QDir>
#include <QFontMetrics>
#include <QMessageBox>
#include <QSessionManager>
#include <QTimer>

#include <csignal>
#include <exception>
#include <memory>

namespace {

// The shortened path of a recent movie in its menu.
constexpr int kRecentCaptionWidth = 300;

RecentServices PlayerRecentServices()
{
    RecentServices services = RecentMovies::DefaultServices();
    services.fitCaption = [](const QString& path) { return CompactPath(path, kRecentCaptionWidth, QFontMetrics(UIQFont())); };
    services.setBrowserFolder = [](const QString& folder) { Options().lastMediaFolder = folder; };
    return services;
}

// The start-up action without a command line ("StartUp" 0, 1, 2).
void RunStartUpAction(Player& player)
{
    switch (Options().startUp) {
    case 0:
        player.CloseMedia(QString());
        break;
    case 1:
        if (player.Offers(PlayerFeature::Browser))
            player.RunFeature(PlayerFeature::Browser, QString());
        else
            player.CloseMedia(QString());
        break;
    case 2: {
        QAction* last = player.MenuItem(QStringLiteral("mnuMRU"), 0);
        player.LoadFlash(last ? last->data().toString() : QString(), QString(), false);
        break;
    }
    default:
        break;
    }
}

}  // namespace

uint8_t DetectFlashVersion(const FlashControl* control)
{
    if (!control) {
        LogLine(QStringLiteral("Flash Check Failure Reason:") + QStringLiteral("the Flash engine could not be created"));
        return 0;
    }
    return uint8_t(uint32_t(control->FlashVersion()) >> 16);
}

int RunStartUp(const QStringList& arguments)
{
    // 1. The program's folder is the current one.
    const QString programFolder = QCoreApplication::applicationDirPath();
    QDir::setCurrent(programFolder);
    const QString commandLine = CommandLineText(arguments.mid(1));
    RegisterProgramOptions();

    // 2-3. A running player gets the command line; this process ends before it writes a log or
    // shows a window.
    SetRunningInstanceHandle(FindRunningInstance(CaptionPrefix()));
    Options().oneInstance = true;  // the default stays when the stored text does not convert
    LoadOption(QStringLiteral("System"), QStringLiteral("OneInstance"));
    if (RunningInstanceHandle() != 0 && Options().oneInstance) {
        HandOverCommandLine(RunningInstanceHandle(), commandLine);
        return 0;
    }

    // 4-11. Folders, a fresh log, the interface font and the language.
    LogTiming(QString(), true);
    InitApplicationFolders(programFolder, QStringLiteral("Flash Player"));
    LogLine(QStringLiteral(" :: Start Up"));
    LogLine(QStringLiteral("Initializing Visual Styles"));
    // The parts around the window outlive it.
    PlayerFileDialogs fileDialogs;
    BrowserDialogs browserDialogs;
    FlashShot shooter(Options(), GeneratorOptions());
    MediaBrowser browser(Options(), shooter);
    BrowserTools browserTools({&Options(), &GeneratorOptions(), &ExtractorOptions(), &shooter, &browser, &browserDialogs});
    WindowHooks hooks;
    std::unique_ptr<Player> player;
    std::unique_ptr<RecentMovies> recent;
    std::unique_ptr<PlaylistCommandLineHost> commandLineHost;
    std::unique_ptr<MprisService> mediaControls;
    // The desktop around the window, the options dialog and the update check.
    DesktopIntegration desktop;
    DesktopExtensions desktopExtensions(Options(), UIFont());
    UpdateCheck updateCheck(UpdateOptions(), Options());
    PlayerExtensionList extensions{&browserTools, &desktopExtensions, &updateCheck};
    InstanceServer instanceServer;
    QuitSignals quitSignals;
    try {
        LoadOption(QStringLiteral("System"), QStringLiteral("GPF"));
        if (Options().gpf)
            LogLine(QStringLiteral("UAE Disabled"));
        LogLine(QStringLiteral("Application Path: ") + Folders().app);
        LogLine(QStringLiteral("Cache Path: ") + Folders().cache);
        LogLine(QStringLiteral("Argument: ") + commandLine);
        StartUpLanguage(&IsFontInstalled);
        Options().winSFX = true;
        LoadOption(QStringLiteral("Window"), QStringLiteral("WinSFX"));
        LogTiming(QStringLiteral("Initialized"), false);

        // 12-14. The Flash engine: the control that will show the movies answers the check.
        auto control = std::make_unique<RuffleFlashControl>();
        const uint8_t version = DetectFlashVersion(control.get());
        LogLine(QStringLiteral("Detected <B>Flash ") + QString::number(version) + QStringLiteral("</B>"));
        SetErrorContext(QStringLiteral("Macromedia Flash ActiveX"),
            QStringLiteral("Macromedia Flash 7 ActiveX required.\r\nVersion currently installed: ")
                + (version == 0 ? QStringLiteral("[NONE!]") : QString::number(version)));
        if (version < 7) {
            QMessageBox::information(nullptr, QLatin1String(kAppName),
                QStringLiteral("Flash is not installed. Please reinstall %1 to fix this.").arg(QLatin1String(kAppName)));
            LogEmptyLine();
            LogLine(QStringLiteral("<B>Quit: Flash Required</B>"));
            return 0;
        }

        // 15. The main window: it reads the options and loads the skin.
        recent = std::make_unique<RecentMovies>(PlayerRecentServices());
        PlayerParts parts;
        parts.swf = std::move(control);
        parts.recent = recent.get();
        parts.hooks = &hooks;
        parts.desktop = &desktop;
        parts.browser = &browser;
        parts.extensions = &extensions;
        parts.fileDialogs = &fileDialogs;
        parts.skin = std::make_unique<XmlSkin>();
        parts.saverProgram = QCoreApplication::applicationFilePath();
        parts.newControl = []() -> std::unique_ptr<FlashControl> { return std::make_unique<RuffleFlashControl>(); };
        parts.releaseInstance = [&instanceServer] {
            ReleaseInstanceWindow();
            instanceServer.Close();
        };
        player = std::make_unique<Player>(std::move(parts));
        ClearCurrentError();
        QObject::connect(
            player.get(), &Player::Unloaded, qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);

        // The link a second start finds this player by.
        Player* window = player.get();
        browser.Attach(*window, *window);
        browserTools.Attach(*window, *window, fileDialogs);
        desktopExtensions.Attach(*window);
        desktopExtensions.optionsSaved = [] { PublishMediaOptions(Options()); };
        updateCheck.Attach(window);
        if (Options().updateAuto)
            window->WebUpdate(true);
        commandLineHost = std::make_unique<PlaylistCommandLineHost>(
            window->playlist(), *window, [window] { window->RestoreMinimisedWindow(); });
        PlaylistCommandLineHost* host = commandLineHost.get();
        instanceServer.SetCaptionSource([window] { return window->windowTitle(); });
        // The hand-over arrives at the window as its CopyData event.
        QObject::connect(
            &hooks.FormEvents(), &CFormEvents::CopyData, window, [host](const QString& text) { ReceiveHandOver(text, *host); });
        instanceServer.SetReceiver([&hooks](const QString& text) { hooks.FormEvents().DeliverCopyData(text); });
        instanceServer.SetActivator([window] {
            window->raise();
            window->activateWindow();
        });
        if (instanceServer.Listen(QCoreApplication::applicationPid()))
            RegisterInstanceWindow(QCoreApplication::applicationPid());

        // The end of the desktop session and termination signals quit like the Exit menu.
        QObject::connect(qApp, &QGuiApplication::commitDataRequest, window,
            [window](QSessionManager&) { window->Quit(QStringLiteral("Session End"), true); });
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, window, [window] {
            if (window->IsLoaded())
                window->Quit(QStringLiteral("Session End"), true);
        });
        QObject::connect(&quitSignals, &QuitSignals::Received, window, [window](int number) {
            window->Quit(number == SIGINT ? QStringLiteral("Interrupted") : QStringLiteral("Terminated"), true);
        });
        QCoreApplication::processEvents();

        // 16. What the command line names, or the start-up action; then the kept playlist.
        // The files of a command line are the playlist; otherwise the kept one comes back.
        if (!commandLine.isEmpty()) {
            HandleCommandLine(commandLine, *host);
        } else {
            RunStartUpAction(*window);
            window->playlist().ClearPlaylist();
            if (Options().history)
                window->playlist().AddToPlaylist(Options().playlistFile, -2);
        }
        window->MarkShownEntry();
        LogTiming(QStringLiteral("Movie Loaded"), false);

        // 18-19. The window appears.
        if (window->IsLoaded()) {
            window->ShowPlayer();
            window->UpdateSkin();
            if (!window->Skin().IsActive()) {
                int passes = 2;
                window->ZoomFlash(100, passes);
            }
        }
        LogTiming(QStringLiteral("<B>Player Loaded</B>"), true);

        // The desktop's media controls, once the player runs: start-up never waits for a bus.
        if (window->IsLoaded() && MprisService::SessionBusPresent()) {
            mediaControls = std::make_unique<MprisService>(*window);
            QTimer::singleShot(
                0, mediaControls.get(), [controls = mediaControls.get()] { controls->Start(QDBusConnection::sessionBus()); });
        }
    } catch (const VorlenError& error) {
        SetCurrentError(error.Info());
        LogErrorReport(QStringLiteral("Start Up"));
    } catch (const std::exception& error) {
        SetCurrentError(0, QLatin1String(kAppName), QString::fromLocal8Bit(error.what()));
        LogErrorReport(QStringLiteral("Start Up"));
    }
    if (!player || !player->IsLoaded())
        return 0;
    const int status = QCoreApplication::exec();
    instanceServer.Close();
    mediaControls.reset();
    player.reset();
    return status;
}

#include "app/CommandLine.h"
#include "app/InstanceServer.h"
#include "app/PlaylistCommandLineHost.h"
#include "app/ProgramOptions.h"
#include "app/RunningInstance.h"
#include "app/StartWindow.h"
#include "base/AppFolders.h"
#include "base/ExecutionLog.h"
#include "base/FileNames.h"
#include "base/Version.h"
#include "engine/RuffleFlashControl.h"
#include "options/LoadSaveOptions.h"
#include "playlist/OptionPlaylistServices.h"
#include "playlist/Playlist.h"

#include <QApplication>
#include <QStringList>

namespace {

// The whole argument string after the program name, quoted the way the command line
// handler splits it. Names of existing files and folders given relative to the shell's folder
// are made absolute: a running player that receives them stands somewhere else.
QString CommandLineText(const QStringList& arguments)
{
    QStringList parts;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString argument = AbsoluteWhenPresent(arguments[i]);
        parts << (argument.contains(QLatin1Char(' ')) ? QLatin1Char('"') + argument + QLatin1Char('"') : argument);
    }
    return parts.join(QLatin1Char(' '));
}

}  // namespace

int main(int argc, char* argv[])
{
    // The Flash engine runs in a web view: its process flags and scheme come before the
    // application object.
    RuffleFlashControl::PrepareEngine();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QLatin1String(kAppName));
    QApplication::setApplicationVersion(VersionText());

    const QString commandLine = CommandLineText(QCoreApplication::arguments());

    RegisterProgramOptions();

    // A player that is already running gets the command line and this process ends before it
    // writes a log or shows a window.
    SetRunningInstanceHandle(FindRunningInstance(CaptionPrefix()));
    Options().oneInstance = true;  // the default stays when the stored text does not convert
    LoadOption(QStringLiteral("System"), QStringLiteral("OneInstance"));
    if (RunningInstanceHandle() != 0 && Options().oneInstance) {
        HandOverCommandLine(RunningInstanceHandle(), commandLine);
        return 0;
    }

    LogTiming(QString(), true);
    InitApplicationFolders(QCoreApplication::applicationDirPath(), QStringLiteral("Flash Player"));
    LogLine(QStringLiteral(" :: Start Up"), true);
    LogLine(QStringLiteral("Application Path: ") + Folders().app, true);
    LogLine(QStringLiteral("Cache Path: ") + Folders().cache, true);
    LogLine(QStringLiteral("Argument: ") + commandLine, true);
    LogTiming(QStringLiteral("Initialized"), false);

    // Command lines fill the real playlist (its log lines appear), and the window plays the
    // playlist's movies. The skinned player window takes over both roles.
    LoadOption(QStringLiteral("System"), QStringLiteral("GenericProjectors"));
    PublishMediaOptions(Options());
    StartWindow window;
    Playlist playlist(OptionPlaylistServices(), &window);
    PlaylistCommandLineHost commandLineHost(playlist, window);

    // The link a second start finds this player by; the main window takes it over.
    InstanceServer instanceServer;
    instanceServer.SetCaptionSource([&window] { return window.windowTitle(); });
    instanceServer.SetReceiver([&commandLineHost](const QString& text) { ReceiveHandOver(text, commandLineHost); });
    instanceServer.SetActivator([&window] {
        window.raise();
        window.activateWindow();
    });
    if (instanceServer.Listen(QCoreApplication::applicationPid()))
        RegisterInstanceWindow(QCoreApplication::applicationPid());
    QObject::connect(&application, &QCoreApplication::aboutToQuit, [] { ReleaseInstanceWindow(); });

    if (!commandLine.isEmpty())
        HandleCommandLine(commandLine, commandLineHost);
    window.show();

    LogTiming(QStringLiteral("<B>Player Loaded</B>"), true);
    return application.exec();
}

#include "app/AppFolders.h"
#include "app/CommandLine.h"
#include "app/ExecutionLog.h"
#include "app/InstanceServer.h"
#include "app/PlaylistCommandLineHost.h"
#include "app/RunningInstance.h"
#include "app/Version.h"
#include "options/LoadSaveOptions.h"
#include "options/OptionHolders.h"
#include "playlist/Playlist.h"
#include "playlist/PlaylistHost.h"

#include <QApplication>
#include <QLabel>
#include <QStringList>
#include <QVBoxLayout>
#include <QWidget>

namespace {

// The whole argument string after the program name, quoted the way the command line
// handler splits it.
QString CommandLineText(const QStringList& arguments)
{
    QStringList parts;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        parts << (argument.contains(QLatin1Char(' ')) ? QLatin1Char('"') + argument + QLatin1Char('"') : argument);
    }
    return parts.join(QLatin1Char(' '));
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QLatin1String(kAppName));
    QApplication::setApplicationVersion(VersionText());

    const QString commandLine = CommandLineText(QCoreApplication::arguments());

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

    QWidget window;
    window.setWindowTitle(CaptionPrefix() + QStringLiteral("Welcome"));
    auto* layout = new QVBoxLayout(&window);
    auto* label = new QLabel(VersionText(), &window);
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label);
    window.resize(550, 400);

    // Until the player window exists, command lines fill the real playlist (its log lines
    // appear) behind a window host whose LoadFlash does nothing, so PlayEntry and "/exec" open
    // nothing yet. The main window replaces both hosts with itself.
    Playlist playlist;
    PlaylistHost noWindow;
    PlaylistCommandLineHost commandLineHost(playlist, noWindow);

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

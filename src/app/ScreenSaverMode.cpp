#include "app/ScreenSaverMode.h"

#include "base/AppFolders.h"
#include "base/FileNames.h"
#include "desktop/ScreenSaverChoice.h"
#include "engine/RuffleFlashControl.h"
#include "player/ScreenSaverWindow.h"

#include <QApplication>
#include <QDir>

bool IsScreenSaverMode(const QStringList& arguments)
{
    return arguments.mid(1).contains(QLatin1String(kSaverArgument));
}

int RunScreenSaver()
{
    // The folders without a log of its own: the player's log stays the player's.
    ComputeApplicationFolders(QCoreApplication::applicationDirPath());
    CreateFolder(Folders().cache);
    ScreenSaverWindow saver(std::make_unique<RuffleFlashControl>());
    QObject::connect(
        &saver, &ScreenSaverWindow::Ended, qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
    saver.Play(ScreenSaverMovie());
    saver.showFullScreen();
    return QCoreApplication::exec();
}

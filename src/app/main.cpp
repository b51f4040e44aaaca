#include "app/ScreenSaverMode.h"
#include "app/StartUp.h"
#include "base/Version.h"
#include "engine/RuffleFlashControl.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    // The Flash engine runs in a web view: its process flags and scheme come before the
    // application object.
    RuffleFlashControl::PrepareEngine();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QLatin1String(kAppName));
    QApplication::setApplicationVersion(VersionText());
    if (IsScreenSaverMode(QCoreApplication::arguments()))
        return RunScreenSaver();
    return RunStartUp(QCoreApplication::arguments());
}

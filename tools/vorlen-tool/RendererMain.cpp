// vorlen-tool-render: runs the rendering commands of vorlen-tool's table, which hands them
// over to it. It lives in Data/Binary/ of the application folder.
#include "ToolCommand.h"
#include "ToolCommands.h"

#include "base/AppFolders.h"
#include "base/Version.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QCoreApplication::setApplicationName(QLatin1String(kAppName));
    const ToolCommand* command = argc >= 2 ? FindToolCommand(argv[1]) : nullptr;
    if (!command || !command->renders) {
        ToolErr(QStringLiteral("%1: runs the rendering commands of vorlen-tool (see vorlen-tool --help)")
                    .arg(QLatin1String(kRendererName)));
        return 2;
    }
    ComputeApplicationFolders(QDir(QCoreApplication::applicationDirPath() + QStringLiteral("/../..")).absolutePath());
    QStringList arguments = QCoreApplication::arguments();
    arguments.erase(arguments.begin(), arguments.begin() + 2);
    return command->run(arguments);
}

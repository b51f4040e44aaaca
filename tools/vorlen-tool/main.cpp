#include "ToolCommand.h"

#include "base/AppFolders.h"
#include "base/Version.h"

#include <QCoreApplication>

// vorlen-tool: the one entry point. It needs only the core (no window system, no web engine);
// the commands that render hand over to the renderer program.
int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QLatin1String(kAppName));
    if (argc < 2 || qstrcmp(argv[1], "--help") == 0 || qstrcmp(argv[1], "-h") == 0 || qstrcmp(argv[1], "help") == 0) {
        PrintToolHelp();
        return argc < 2 ? 2 : 0;
    }
    const ToolCommand* command = FindToolCommand(argv[1]);
    if (!command) {
        ToolErr(
            QStringLiteral("vorlen-tool: unknown command '%1' (see vorlen-tool --help)").arg(QString::fromLocal8Bit(argv[1])));
        return 2;
    }
    // The tool shares the player's folders (cache, Flash folder) but keeps no log.
    ComputeApplicationFolders(QCoreApplication::applicationDirPath());
    QStringList arguments = QCoreApplication::arguments();
    arguments.erase(arguments.begin(), arguments.begin() + 2);
    return command->run(arguments);
}

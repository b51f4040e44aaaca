#include "ToolCommand.h"
#include "ToolCommands.h"

#include "base/AppFolders.h"
#include "base/Version.h"

#include <QApplication>
#include <QCoreApplication>

#include <cstdio>
#include <memory>

namespace {

int RunVersion(const QStringList&)
{
    ToolOut(VersionText());
    return 0;
}

// Every command, once; --help is derived from this table.
const ToolCommand kCommands[] = {
    {"version", "", "print the version text", &RunVersion},
    {"playlist", "make OUT PATH... | list FILE", "build a playlist file, or list one's entries", &RunPlaylist},
    {"info", "FILE...", "identify files and print their movie facts", &RunInfo},
    {"expand", "MOVIE OUT", "write the fully expanded movie", &RunExpand},
    {"convert", "IN OUT", "convert a movie to a projector or a projector to a movie", &RunConvert},
    {"extract", "MOVIE DEST [--KIND...]", "write JPEGs and MP3s (--jpeg, --event, --stream)", &RunExtract},
    {"shot", "MOVIE OUT.jpg [--frame N] [--width W --height H] [--quality Q]", "save a frame of a movie as JPEG", &RunShot, true},
    {"script", "[--steps N] FILE.vbs", "run a skin script; Out(text) prints a line", &RunScriptCommand},
};

void PrintHelp()
{
    ToolOut(VersionText() + QStringLiteral(" - command-line access to the player's core"));
    ToolOut(QString());
    ToolOut(QStringLiteral("Usage: vorlen-tool COMMAND [ARGUMENTS]"));
    ToolOut(QString());
    ToolOut(QStringLiteral("Commands:"));
    for (const ToolCommand& command : kCommands) {
        const QString head = QStringLiteral("  %1 %2").arg(QLatin1String(command.name), QLatin1String(command.usage));
        ToolOut(head.leftJustified(44) + QLatin1String(command.summary));
    }
    ToolOut(QStringLiteral("  --help").leftJustified(44) + QStringLiteral("show this text"));
}

const ToolCommand* FindCommand(const char* name)
{
    for (const ToolCommand& command : kCommands) {
        if (qstrcmp(command.name, name) == 0)
            return &command;
    }
    return nullptr;
}

}  // namespace

void ToolOut(const QString& text)
{
    std::fputs(text.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void ToolErr(const QString& text)
{
    std::fputs(text.toUtf8().constData(), stderr);
    std::fputc('\n', stderr);
}

int main(int argc, char* argv[])
{
    if (argc < 2 || qstrcmp(argv[1], "--help") == 0 || qstrcmp(argv[1], "-h") == 0 || qstrcmp(argv[1], "help") == 0) {
        QCoreApplication application(argc, argv);
        PrintHelp();
        return argc < 2 ? 2 : 0;
    }
    const ToolCommand* command = FindCommand(argv[1]);
    std::unique_ptr<QCoreApplication> application;
    if (command && command->needsGui)
        application = std::make_unique<QApplication>(argc, argv);
    else
        application = std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication::setApplicationName(QLatin1String(kAppName));
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

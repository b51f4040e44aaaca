// In vorlen-tool, the commands that render run in the renderer program, which loads the web
// engine: the process becomes that program with the same arguments, so that input, output
// and exit status are the command's own.
#include "RenderOptions.h"
#include "ThumbsOptions.h"
#include "ToolCommand.h"
#include "ToolCommands.h"

#include "base/AppFolders.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include <unistd.h>

namespace {

int RunInRenderer()
{
    const QString renderer = Folders().binary + QLatin1String(kRendererName);
    QStringList arguments = QCoreApplication::arguments();
    arguments[0] = renderer;
    std::vector<QByteArray> encoded;
    for (const QString& argument : arguments)
        encoded.push_back(QFile::encodeName(argument));
    std::vector<char*> argv;
    for (QByteArray& argument : encoded)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    std::fflush(stdout);
    std::fflush(stderr);
    ::execv(argv[0], argv.data());
    ToolErr(QStringLiteral("vorlen-tool: cannot start %1: %2").arg(renderer, QString::fromLocal8Bit(std::strerror(errno))));
    return 1;
}

}  // namespace

int RunShot(const QStringList& arguments)
{
    // Arguments that cannot be used are said so without starting the engine.
    const RenderOptions options = ParseRenderOptions(QStringLiteral("shot"), arguments);
    if (!options.error.isEmpty()) {
        ToolErr(options.error);
        return 2;
    }
    return RunInRenderer();
}

int RunThumbs(const QStringList& arguments)
{
    const ThumbsOptions options = ParseThumbsOptions(arguments);
    if (!options.error.isEmpty()) {
        ToolErr(options.error);
        return 2;
    }
    return RunInRenderer();
}

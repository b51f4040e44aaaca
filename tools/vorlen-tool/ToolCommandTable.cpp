#include "ToolCommand.h"
#include "ToolCommands.h"

#include "base/Version.h"

#include <QString>

#include <cstdio>

namespace {

int RunVersion(const QStringList&)
{
    ToolOut(VersionText());
    return 0;
}

// Every command, once; --help and both programs' dispatch read this table.
const ToolCommand kCommands[] = {
    {"version", "", "print the version text", &RunVersion},
    {"playlist", "make OUT PATH... | list FILE", "build a playlist file, or list one's entries", &RunPlaylist},
    {"info", "FILE...", "identify files and print their movie facts", &RunInfo},
    {"check", "PATH...", "list damaged, unreadable and non-Flash files in files and folders", &RunCheck},
    {"expand", "MOVIE OUT", "write the fully expanded movie", &RunExpand},
    {"convert", "IN OUT", "convert a movie to a projector or a projector to a movie", &RunConvert},
    {"extract", "MOVIE DEST [--KIND...]", "write images and MP3s (--jpeg, --png, --event, --stream)", &RunExtract},
    {"shot", "MOVIE OUT.jpg [--frame N] [--width W --height H] [--timeout S] [--quality Q]", "save a frame of a movie as JPEG",
        &RunShot, true},
    {"thumbs", "FOLDER [--recursive] [--width W --height H] [--quality Q] [--overwrite]",
        "write the thumbnail generator's thumbnails beside the movies", &RunThumbs, true},
    {"script", "[--steps N] FILE.vbs", "run a skin script; Out(text) prints a line", &RunScriptCommand},
};

}  // namespace

const ToolCommand* FindToolCommand(const char* name)
{
    for (const ToolCommand& command : kCommands) {
        if (qstrcmp(command.name, name) == 0)
            return &command;
    }
    return nullptr;
}

void PrintToolHelp()
{
    QStringList lines;
    lines << VersionText() + QStringLiteral(" - command-line access to the player's core") << QString()
          << QStringLiteral("Usage: vorlen-tool COMMAND [ARGUMENTS]") << QString() << QStringLiteral("Commands:");
    for (const ToolCommand& command : kCommands) {
        const QString head = QStringLiteral("  %1 %2").arg(QLatin1String(command.name), QLatin1String(command.usage));
        // A usage too long for the column gets the summary on a line of its own.
        if (head.size() >= 44)
            lines << head << QString(44, QLatin1Char(' ')) + QLatin1String(command.summary);
        else
            lines << head.leftJustified(44) + QLatin1String(command.summary);
    }
    lines << QStringLiteral("  --help").leftJustified(44) + QStringLiteral("show this text");
    ToolOutLines(lines);
}

void ToolOut(const QString& text)
{
    std::fputs(text.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void ToolOutLines(const QStringList& lines)
{
    if (lines.isEmpty())
        return;
    const QByteArray text = (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
    std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), stdout);
    std::fflush(stdout);
}

void ToolErr(const QString& text)
{
    std::fputs(text.toUtf8().constData(), stderr);
    std::fputc('\n', stderr);
}

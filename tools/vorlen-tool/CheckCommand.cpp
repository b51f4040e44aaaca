#include "MediaToolSupport.h"
#include "ToolCommand.h"
#include "ToolCommands.h"

#include "base/FileNames.h"
#include "base/RuntimeErrors.h"
#include "media/IdentifyMedia.h"
#include "media/MediaFileInfo.h"
#include "media/MovieDamage.h"
#include "media/MovieInfoText.h"
#include "media/Projector.h"

#include <QDirIterator>
#include <QFileInfo>

namespace {

// The files a folder holds that the player would open, at any depth, by path.
QStringList MediaFilesIn(const QString& folder)
{
    QStringList files;
    QDirIterator walk(folder, {QStringLiteral("*.swf"), QStringLiteral("*.flv"), QStringLiteral("*.exe")},
        QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (walk.hasNext())
        files << walk.next();
    files.sort();
    return files;
}

enum class Finding { Whole, Damaged, Unreadable, NotFlash };

// Identification's refusal as a finding: the file is no Flash file, a damaged one, or one
// that could not be read.
Finding FindingFor(const QString& error)
{
    if (error == QLatin1String(kNotFlashMovie) || error == QLatin1String(kNotGenericProjector)
        || error == QLatin1String(kInvalidProjector))
        return Finding::NotFlash;
    if (error == QLatin1String(kErrorReadingCompressed) || error == RuntimeErrorText(RuntimeError::InputPastEndOfFile))
        return Finding::Damaged;
    return Finding::Unreadable;
}

Finding Check(const QString& path, QString* reason)
{
    MediaFileInfo info;
    const QString error = IdentifyMedia(path, info, false);
    if (!error.isEmpty()) {
        *reason = error;
        return FindingFor(error);
    }
    if (!CheckMovieDamage(info).IsDamaged())
        return Finding::Whole;
    *reason = DamageText(info.Damage);
    return Finding::Damaged;
}

}  // namespace

// vorlen-tool check PATH...: identifies each file named, and each movie, video and executable
// in the folders named, and looks through every movie; lists the files that are damaged,
// cannot be read or are not Flash files, one line each: what was found, the path and why.
// Status 1 when any file is damaged or cannot be read.
int RunCheck(const QStringList& arguments)
{
    if (arguments.isEmpty()) {
        ToolErr(QStringLiteral("usage: vorlen-tool check PATH..."));
        return 2;
    }
    PrepareMediaCache();
    int checked = 0, damaged = 0, unreadable = 0, notFlash = 0;
    for (const QString& argument : arguments) {
        const QStringList files
            = QFileInfo(NormalizePath(argument)).isDir() ? MediaFilesIn(NormalizePath(argument)) : QStringList{argument};
        for (const QString& path : files) {
            ++checked;
            QString reason;
            switch (Check(path, &reason)) {
            case Finding::Whole:
                continue;
            case Finding::Damaged:
                ++damaged;
                ToolOut(QStringLiteral("damaged: ") + path + QStringLiteral(": ") + reason);
                break;
            case Finding::Unreadable:
                ++unreadable;
                ToolOut(QStringLiteral("unreadable: ") + path + QStringLiteral(": ") + reason);
                break;
            case Finding::NotFlash:
                ++notFlash;
                ToolOut(QStringLiteral("not a Flash file: ") + path + QStringLiteral(": ") + reason);
                break;
            }
        }
    }
    ToolErr(QStringLiteral("vorlen-tool: %1 files checked: %2 damaged, %3 unreadable, %4 not Flash files")
                .arg(checked)
                .arg(damaged)
                .arg(unreadable)
                .arg(notFlash));
    return damaged + unreadable > 0 ? 1 : 0;
}

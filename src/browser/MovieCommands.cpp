// The commands on a movie: information, conversion, extraction, the thumbnail generator,
// pictures and thumbnails of the movie shown, and showing its file.
#include "browser/BrowserTools.h"

#include "base/ExecutionLog.h"
#include "base/FileNames.h"
#include "browser/BrowserDialogs.h"
#include "browser/FrmDecompiler.h"
#include "browser/FrmGenerator.h"
#include "browser/FrmInfo.h"
#include "browser/GeneratorSettings.h"
#include "browser/MediaBrowser.h"
#include "browser/ShotJpeg.h"
#include "browser/ThumbnailNames.h"
#include "browser/ThumbnailShooter.h"
#include "engine/FlashControl.h"
#include "lang/Language.h"
#include "media/IdentifyMedia.h"
#include "media/MediaFileInfo.h"
#include "media/Projector.h"
#include "options/OptionsModule.h"
#include "player/PlayerCommands.h"
#include "player/PlayerFileDialogs.h"
#include "player/PlayerMedia.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// The movie of an item, identified into a record of its own; "" or the reason it failed.
QString IdentifyItem(const QString& item, MediaFileInfo& info, bool expandFully)
{
    if (item.isEmpty())
        return QStringLiteral("File Not Found");
    return IdentifyMedia(item, info, expandFully);
}

}  // namespace

void BrowserTools::InfoOnMovie()
{
    const MediaFileInfo& shown = m_media->MediaInfo();
    if (m_media->IsInterfaceMovie() || shown.SourcePath.isEmpty())
        return;
    const ShooterHold hold(*m_parts.shooter);
    FrmInfo box(shown, m_parts.shooter, Owner());
    m_parts.dialogs->RunDialog(box);
}

void BrowserTools::InfoOnItem(const QString& item)
{
    MediaFileInfo info;
    const QString error = IdentifyItem(item, info, false);
    if (!error.isEmpty()) {
        m_parts.dialogs->Warn(Owner(), FileNameOf(item) + QStringLiteral(": ") + error);
        return;
    }
    const ShooterHold hold(*m_parts.shooter);
    FrmInfo box(info, m_parts.shooter, Owner());
    m_parts.dialogs->RunDialog(box);
}

void BrowserTools::ConvertShownMovie()
{
    if (!m_media->IsInterfaceMovie() && !m_media->MediaInfo().SourcePath.isEmpty())
        Convert(m_media->MediaInfo());
}

void BrowserTools::ConvertItem(const QString& item)
{
    MediaFileInfo info;
    const QString error = IdentifyItem(item, info, false);
    if (!error.isEmpty()) {
        m_parts.dialogs->Warn(Owner(), FileNameOf(item) + QStringLiteral(": ") + error);
        return;
    }
    Convert(info);
}

void BrowserTools::Convert(const MediaFileInfo& info)
{
    LogEmptyLine();
    LogLine(QStringLiteral(" :: SWF<->EXE Conversion"));
    const ConvertDialogSetup setup = ConvertDialogFor(info);
    const QString target = m_fileDialogs->SaveFile(
        Owner(), LangText(setup.titleKey, setup.titleDefault), QString(), setup.proposedName, setup.filter);
    if (target.isEmpty())
        return;
    const QString failure = ConvertMovie(info, target);
    if (!failure.isEmpty())
        m_parts.dialogs->Warn(Owner(),
            LangText(QStringLiteral("BrowseMedia/strConvertFailed"), QStringLiteral("The conversion failed:")) + QLatin1Char('\n')
                + failure);
}

void BrowserTools::Extract(const QString& path)
{
    const QString file = path.isEmpty() && !m_media->IsInterfaceMovie() ? m_media->MediaInfo().SourcePath : path;
    MediaFileInfo movie;
    const QString error = IdentifyItem(file, movie, true);
    if (!error.isEmpty()) {
        m_parts.dialogs->Warn(Owner(), FileNameOf(file) + QStringLiteral(": ") + error);
        return;
    }
    FrmDecompiler dialog(movie, *m_parts.extractor, m_window->MenuItem(QStringLiteral("mnuExtract")), Owner());
    m_parts.dialogs->RunDialog(dialog);
}

void BrowserTools::ShowGenerator(const QString& source)
{
    if (!source.isEmpty())
        m_parts.generator->source = source;
    const ShooterHold hold(*m_parts.shooter);
    FrmGenerator dialog(*m_parts.generator, *m_parts.options, *m_parts.shooter, Owner());
    m_parts.dialogs->RunDialog(dialog);
}

void BrowserTools::GeneratorForItem(const QString& item)
{
    // The folder under the mouse in the browser, else the folder of the item or of the movie.
    QString folder = NormalizePath(item);
    if (folder.endsWith(QLatin1String("/..")))
        folder.chop(2);
    if (!folder.isEmpty() && !QFileInfo(folder).isDir())
        folder = FolderOf(folder);
    if (folder.isEmpty() && !m_media->IsInterfaceMovie())
        folder = FolderOf(m_media->MediaInfo().SourcePath);
    ShowGenerator(folder);
}

void BrowserTools::Generate(const QStringList& arguments)
{
    // Generate width, height, colour, quality [, source, recursive, overwrite, show, execute, app].
    GeneratorSettings& settings = *m_parts.generator;
    const auto flag = [&arguments](int i, bool current) {
        if (i >= arguments.size())
            return current;
        const QString text = arguments[i].trimmed();
        bool number = false;
        const double value = text.toDouble(&number);
        return number ? value != 0 : text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
    };
    if (arguments.size() > 0)
        settings.width = int16_t(arguments[0].toInt());
    if (arguments.size() > 1)
        settings.height = int16_t(arguments[1].toInt());
    if (arguments.size() > 2)
        settings.backColor = QString(arguments[2]).remove(QLatin1Char('#'));
    if (arguments.size() > 3)
        settings.quality = uint8_t(std::clamp(arguments[3].toInt(), 0, 100));
    if (arguments.size() > 4)
        settings.source = arguments[4];
    settings.recursive = flag(5, settings.recursive);
    settings.overwrite = flag(6, settings.overwrite);
    settings.show = flag(7, settings.show);
    settings.execute = flag(8, settings.execute);
    if (arguments.size() > 9)
        settings.app = arguments[9];
    const ShooterHold hold(*m_parts.shooter);
    FrmGenerator dialog(settings, *m_parts.options, *m_parts.shooter, Owner());
    dialog.Generate();
}

void BrowserTools::TakePicture()
{
    FlashControl& control = m_window->SWF();
    const QString folder = m_parts.options->screenShotsFolder;
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    const QString file
        = folder + m_media->MovieTitle() + QLatin1Char('.') + QString::number(control.CurrentFrame()) + QStringLiteral(".jpg");
    QFile::remove(file);
    WriteShotJpeg(control.GrabFrame(), file, m_parts.options->shotJpeg);
}

void BrowserTools::CreateThumbnail()
{
    const MediaFileInfo& shown = m_media->MediaInfo();
    if (m_media->IsInterfaceMovie() || shown.SourcePath.isEmpty())
        return;
    const QString file = BrowserThumbnailPath(shown.SourcePath, m_parts.options->satellite);
    QFile::remove(file);
    // The movie's frame, brought to the size of the shots.
    const QSize size(std::max<int>(1, m_parts.generator->width), std::max<int>(1, m_parts.generator->height));
    WriteShotJpeg(m_window->SWF().GrabFrame(), file, m_parts.options->shotJpeg, size);
}

void BrowserTools::ShowFile(const QString& path)
{
    const QString file = path.isEmpty() && !m_media->IsInterfaceMovie() ? m_media->MediaInfo().SourcePath : path;
    if (!file.isEmpty())
        m_parts.dialogs->ShowItem(file);
}

// LoadFlash: the one road from a path to a movie in the control.
#include "player/Player.h"

#include "base/AppFolders.h"
#include "base/ErrorContext.h"
#include "base/ExecutionLog.h"
#include "base/FileNames.h"
#include "base/Rounding.h"
#include "base/RuntimeErrors.h"
#include "base/ShellServices.h"
#include "base/Version.h"
#include "engine/FlashControl.h"
#include "lang/Language.h"
#include "media/FlashVideo.h"
#include "media/IdentifyMedia.h"
#include "player/MovieView.h"
#include "player/PlayerBrowser.h"
#include "player/PlayerSkin.h"

#include <QFile>
#include <QFileInfo>

namespace {

constexpr const char* kExec = "/exec";

bool IsExecStatement(const QString& path)
{
    return path.left(5).compare(QLatin1String(kExec), Qt::CaseInsensitive) == 0;
}

// A video that begins with a metadata tag has no picture where the wrapper's description reads
// its size: the window takes the size of the video's first picture instead.
void FitVideoFrameSize(MediaFileInfo& info)
{
    constexpr qint64 kHead = 256 * 1024;
    QFile file(NormalizePath(info.SourcePath));
    int width = 0;
    int height = 0;
    if (file.open(QIODevice::ReadOnly) && FindVideoFrameSize(file.read(kHead), &width, &height) && width > 0 && height > 0) {
        info.Width = width;
        info.Height = height;
    }
}

}  // namespace

void Player::LoadFlash(const QString& requestedPath, const QString& requestedTitle, bool nativeSize)
{
    LogEmptyLine();
    LogLine(QStringLiteral(" :: LoadFlash ("), false);

    // A script statement: no file is touched.
    if (IsExecStatement(requestedPath)) {
        QString statement = requestedPath.mid(5);
        statement.replace(QChar(13), QLatin1Char('"'));
        LogLine(QStringLiteral("Execute script:") + statement);
        CloseMedia(QStringLiteral("Execution:") + statement);
        ExecuteStatement(statement);
        return;
    }

    QString path = requestedPath;
    path.remove(QLatin1Char('"'));
    if (path.isEmpty()) {
        CloseMedia(QString());
        return;
    }

    // What follows the last "?" is the movie's query string.
    QString filePath = path;
    QString query;
    const qsizetype mark = path.lastIndexOf(QLatin1Char('?'));
    if (mark >= 0) {
        filePath = path.left(mark);
        query = path.mid(mark);
    }
    // The path enters here with any separators (a playlist entry keeps its file's text); from
    // now on it has "/" ones. The log shows it as given.
    LogLine(filePath + QStringLiteral(")..."));
    filePath = NormalizePath(filePath);
    const bool interfaceMovie = !Folders().flash.isEmpty() && filePath.contains(Folders().flash, Qt::CaseInsensitive);
    m_interfaceMovie = interfaceMovie;
    m_tmrUpdate.stop();

    const QFileInfo file(filePath);
    if (!file.exists()) {
        LogLine(QStringLiteral("Not found"));
        FailLoad(QStringLiteral("File Not Found"), interfaceMovie, requestedTitle);
        return;
    }
    if (file.isDir()) {
        if (m_browser->IsAvailable())
            m_browser->ShowFolder(filePath);
        else
            PlayPaths({filePath});  // without a browser, the folder's movies are played
        return;
    }
    if (file.size() < 8) {
        LogLine(QStringLiteral("File is too short!"));
        FailLoad(QStringLiteral("File is Too Small to Be Valid"), interfaceMovie, requestedTitle);
        return;
    }
    const QString failure = IdentifyMedia(filePath, m_info, false);
    if (!failure.isEmpty()) {
        FailLoad(failure, interfaceMovie, requestedTitle);
        return;
    }
    if (m_info.IsProjector && OptionValues().removeProjectors && RemoveProjector(filePath))
        return;
    if (m_info.IsVideo)
        FitVideoFrameSize(m_info);

    m_view->ShowNotice(QString());
    AdaptMenusToMovie();

    // Native size: the player's own screens show unscaled.
    if (nativeSize && !m_nativeSize) {
        EnableForMovie("mnuScale", false);
        m_savedScaleMode = uint8_t(m_swf->ScaleMode());
        SetScaleMode(3);
        m_nativeSize = true;
        if (IsWindowNormal() && !IsChecked(QStringLiteral("mnuKeepSize"))) {
            // The media browser keeps a window size of its own.
            if (m_browser->IsBrowsing() && OptionValues().browseWidth > 0 && OptionValues().browseHeight > 0) {
                ResizeOuter(QSize(int(RoundHalfEven(OptionValues().browseWidth / TwipsPerPixelX())),
                                int(RoundHalfEven(OptionValues().browseHeight / TwipsPerPixelY()))),
                    nullptr);
            } else {
                int passes = 2;
                ZoomFlash(100, passes);
            }
        }
    } else if (!nativeSize && m_nativeSize) {
        EnableForMovie("mnuScale", true);
        SetScaleMode(m_savedScaleMode);
        m_nativeSize = false;
    }
    if (!IsChecked(QStringLiteral("mnuFullScreen")) && !IsChecked(QStringLiteral("mnuKeepSize")) && !m_nativeSize) {
        int passes = 2;
        ZoomFlash(100, passes);
    }
    Center();

    // The video wrapper reads the video from where it lies.
    if (m_info.IsVideo)
        m_swf->AllowFolder(FolderOf(m_info.SourcePath));
    m_swf->LoadMovie(0, m_info.WorkingPath + query);
    SetFlashAlpha(State().flashAlpha);
    m_swf->SetBGColor(m_info.BackgroundColor);
    m_swf->SetLoop(IsChecked(QStringLiteral("mnuLoop")));
    SetSound(State().volume, State().pan);
    ViewResize();

    const QString title = requestedTitle.isEmpty() ? m_info.FileName : requestedTitle;
    SetCaption(CaptionPrefix() + title);
    m_tmrUpdate.start();
    if (!interfaceMovie)
        ++OptionValues().played;
    m_movieTitle = title;
    if (!interfaceMovie)
        AddRecent(m_info.SourcePath);
    if (m_skin->IsActive())
        m_skin->RunViewEvent(SkinViewEvent::MediaChange);
}

void Player::FailLoad(const QString& failure, bool interfaceMovie, const QString& title)
{
    ResetMediaInfo(m_info);
    if (!interfaceMovie) {
        if (m_nativeSize && m_browser->IsBrowsing())
            m_browser->ShowError(failure);
        else
            CloseMedia(failure);
    } else {
        // The player's own screen is missing: nothing of the movie before stays on screen, and
        // the window says what went wrong in place of the screen.
        m_swf->LoadMovie(0, QString());
        AdaptMenusToMovie();
        if (!title.isEmpty())
            SetCaption(CaptionPrefix() + title);
        m_view->ShowNotice(m_pendingNotice.isEmpty() ? failure : m_pendingNotice);
        m_pendingNotice.clear();
        m_tmrUpdate.start();
    }
    LogLine(QStringLiteral("Failed to load, since ") + failure);
}

void Player::OnEngineFailed(const QString& reason)
{
    const QString text = LangText(QStringLiteral("Player/strCannotPlay"), QStringLiteral("This movie cannot be played"))
        + QStringLiteral(": ") + reason;
    LogEmptyLine();
    LogLine(QStringLiteral("Failed to load, since ") + text);
    // The player's own screen failed: the window says so in its place, and nothing reloads.
    if (m_interfaceMovie) {
        m_view->ShowNotice(WelcomeNotice(text));
        return;
    }
    ResetMediaInfo(m_info);
    CloseMedia(text);
}

// "RemoveProjectors": the movie out of a projector replaces it, and the projector goes to the
// trash. True when the movie was loaded in its place.
bool Player::RemoveProjector(const QString& projectorPath)
{
    const QString moviePath = projectorPath + QStringLiteral(".swf");
    MoveFiles(m_info.WorkingPath, moviePath, true);
    RecycleFile(projectorPath, false);
    if (QFileInfo::exists(projectorPath))
        return false;
    LoadFlash(moviePath, QString(), false);
    return true;
}

// The player's commands on the movie in the control: open, play, pause, stop, seek, quality,
// scale mode, opacity, sound.
#include "player/Player.h"

#include "base/AppFolders.h"
#include "base/ExecutionLog.h"
#include "base/FileNames.h"
#include "engine/FlashControl.h"
#include "lang/Language.h"
#include "media/CompressedMovieCache.h"
#include "player/FileFilter.h"
#include "player/PlaybackMath.h"
#include "player/PlayerBrowser.h"
#include "player/PlayerFileDialogs.h"
#include "player/PlayerMenus.h"
#include "player/PlaylistPane.h"

#include <QAction>

void Player::OpenMedia(bool replace)
{
    LogEmptyLine();
    LogLine(QStringLiteral(" :: Open Media Dialog"));
    const QString title = replace ? LangText(QStringLiteral("Player/strOpen"), QStringLiteral("Open Movie..."))
                                  : LangText(QStringLiteral("Player/strAdd"), QStringLiteral("Add to Playlist..."));
    const QString filter = OpenMediaFilter(LangText(QStringLiteral("Player/strAllSupp"), QStringLiteral("All Supported Files")),
        LangText(QStringLiteral("BrowseMedia/strVideo"), QStringLiteral("Flash Video")),
        LangText(QStringLiteral("BrowseMedia/strPlaylist"), QStringLiteral("Flash Playlist")));
    const QStringList files = m_fileDialogs->OpenFiles(this, title, NormalizePath(OptionValues().lastMediaFolder), filter);
    if (files.isEmpty())
        return;
    if (replace)
        m_playlist.ClearPlaylist();
    LockListUpdates(true);
    for (const QString& file : files) {
        const QString name = TrimAtNull(file);
        if (!name.isEmpty())
            m_playlist.AddToPlaylist(name, 0);
    }
    LockListUpdates(false);
    if (replace)
        m_playlist.PlayEntry(0);
}

void Player::PlayMedia()
{
    m_swf->Play();
}

void Player::PauseMedia()
{
    m_swf->Stop();
    SetChecked(QStringLiteral("mnuNonStop"), false);
}

void Player::PlayPauseMedia()
{
    if (m_swf->Playing())
        PauseMedia();
    else
        PlayMedia();
}

void Player::StopMedia()
{
    m_swf->Rewind();
}

void Player::FFwd()
{
    const bool playing = m_swf->Playing();
    m_swf->GotoFrame(SeekTarget(m_swf->CurrentFrame(), m_info.FrameRate, true));
    m_swf->SetPlaying(playing);
}

void Player::Rwd()
{
    const bool playing = m_swf->Playing();
    m_swf->GotoFrame(SeekTarget(m_swf->CurrentFrame(), m_info.FrameRate, false));
    m_swf->SetPlaying(playing);
}

void Player::SetQuality(const QString& quality)
{
    for (QAction* item : m_menus->ArrayItems(QStringLiteral("mnuQLvl")))
        item->setChecked(false);
    m_swf->SetQuality2(quality);
}

void Player::SetScaleMode(uint8_t mode)
{
    m_swf->SetScaleMode(mode);
    const int shown = m_swf->ScaleMode();
    for (QAction* item : m_menus->ArrayItems(QStringLiteral("mnuSMode")))
        item->setChecked(item->property("index").toInt() == shown);
    ViewResize();
}

void Player::SetFlashAlpha(int alpha)
{
    m_swf->SetVariable(QStringLiteral("_alpha"), QString::number(alpha));
    const int checked = OpacityItem(alpha);
    const char* const items[] = {"mnuOpFull", "mnuOpSign", "mnuOpMed", "mnuOpSlite"};
    for (int i = 0; i < 4; ++i)
        SetChecked(QLatin1String(items[i]), i == checked);
    State().flashAlpha = uint8_t(alpha);
}

void Player::SetSound(int volume, int pan)
{
    State().volume = uint8_t(ClampVolume(volume));
    State().pan = int16_t(ClampPan(pan));
    m_swf->LoadMovie(6000, SoundMovieAddress(Folders().flash, State().volume, State().pan, m_info.Width, m_info.Height));
    m_swf->SetBGColor(m_info.BackgroundColor);
}

void Player::MuteSound(bool mute)
{
    SetChecked(QStringLiteral("mnuMute"), mute);
    SetChecked(QStringLiteral("mnuPopMute"), mute);
    if (mute) {
        State().volumeBeforeMute = State().volume;
        State().volume = 0;
    } else {
        State().volume = State().volumeBeforeMute;
    }
    SetSound(State().volume, 0);
    State().mute = mute;
}

float Player::MoviePercent() const
{
    return ::MoviePercent(m_swf->CurrentFrame(), m_swf->TotalFrames());
}

void Player::OnReadyStateChange(int state)
{
    if (state == 4)
        m_swf->SetBGColor(m_info.BackgroundColor);
}

void Player::ClearThumbnails()
{
    LogEmptyLine();
    LogLine(QStringLiteral(" :: Clear Cache"));
    ClearCache(3);
}

// ---- Playlist menus

void Player::SavePlaylistDialog()
{
    LogEmptyLine();
    LogLine(QStringLiteral(" :: Open Save PL Dialog"));
    const QString title = LangText(QStringLiteral("Player/mnuSavePL"), QStringLiteral("Save Playlist..."));
    const QString filter
        = LangText(QStringLiteral("BrowseMedia/strPlaylist"), QStringLiteral("Flash Playlist")) + QStringLiteral("|*.vorlen");
    const QString path
        = m_fileDialogs->SaveFile(this, title, NormalizePath(OptionValues().lastMediaFolder), QStringLiteral("Playlist"), filter);
    if (!path.isEmpty())
        m_playlist.SavePlaylist(path);
}

void Player::AddFolderDialog()
{
    const QString title
        = LangText(QStringLiteral("Player/strAddFolder"), QStringLiteral("Select a folder you would like to add to Playlist:"));
    const QString folder = m_fileDialogs->ChooseFolder(this, title, QString());
    if (!folder.isEmpty())
        m_playlist.AddFolder(folder);
}

void Player::MoveSelectedEntry(int delta)
{
    const int index = m_playlistPane->FocusedRow();
    if (index < 0)
        return;
    m_playlist.MoveEntry(index, delta);
    m_playlistPane->SelectRow(index + delta);
}

void Player::AddBrowserItemToPlaylist()
{
    const QString item = m_browser->SelectedItem();
    if (!item.isEmpty())
        m_playlist.AddToPlaylist(item, 0);
}

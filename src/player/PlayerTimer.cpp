// tmrUpdate: the status timer that follows the control every 300 ms.
#include "player/Player.h"

#include "engine/FlashControl.h"
#include "lang/Language.h"
#include "options/LoadSaveOptions.h"
#include "player/PlaybackMath.h"
#include "player/PlayerMenus.h"
#include "player/TimeText.h"

#include <QAction>

void Player::TimerTick()
{
    CountUsageTick(OptionValues());

    const int frame = m_swf->FrameNum();
    const int total = m_swf->TotalFrames();
    const PositionLabels labels{LangText(QStringLiteral("Player/strTime"), QStringLiteral("Time")),
        LangText(QStringLiteral("Player/strFrame"), QStringLiteral("Frame"))};
    if (const std::optional<QString> text = PositionText(State().timeMode, frame, total, m_info.FrameRate, labels))
        m_timeText = *text;

    EndOfMovieState end;
    end.frameNum = frame;
    end.totalFrames = total;
    end.playlistLast = m_playlist.PLLast();
    end.interfaceMovie = m_interfaceMovie;
    end.video = m_info.IsVideo;
    end.loop = IsChecked(QStringLiteral("mnuLoop"));
    end.nonStop = IsChecked(QStringLiteral("mnuNonStop"));
    switch (EndOfMovieStep(end)) {
    case EndOfMovieAction::Rewind:
        m_swf->Rewind();
        m_swf->Play();
        return;
    case EndOfMovieAction::Stay:
        return;
    case EndOfMovieAction::PlayNext:
        m_playlist.PlayNext();
        return;
    case EndOfMovieAction::Continue:
        break;
    }

    QAction* play = MenuItem(QStringLiteral("mnuPlay"));
    if (m_swf->Playing()) {
        const QString pause = LangText(QStringLiteral("Player/mnuPause"), QStringLiteral("Pause"));
        if (play && play->text() != pause)
            play->setText(pause);
    } else {
        if (IsChecked(QStringLiteral("mnuNonStop")))
            m_swf->Play();  // the movie stopped by itself
        const QString playText = LangText(QStringLiteral("Player/mnuPlay"), QStringLiteral("Play"));
        if (play && play->text() != playText)
            play->setText(playText);
    }

    const QString quality = m_swf->Quality2();
    for (QAction* item : m_menus->ArrayItems(QStringLiteral("mnuQLvl"))) {
        if (item->property("index").toInt() > 4)
            continue;  // "AutoLow" is left as it is
        const bool matches = item->data().toString() == quality;
        if (item->isChecked() != matches)
            item->setChecked(matches);
    }

    if (m_skin->IsActive())
        m_skin->RunViewEvent(SkinViewEvent::InfoUpdate);
}

void Player::ToggleTimeMode()
{
    State().timeMode = NextTimeMode(State().timeMode);
}

void Player::UpdateInfo()
{
    if (m_skin->IsActive())
        m_skin->RunViewEvent(SkinViewEvent::InfoUpdate);
}

// Help, the about box and the vendor's web pages.
#include "player/Player.h"

#include "base/AppFolders.h"
#include "base/ExecutionLog.h"
#include "base/WindowShell.h"
#include "engine/FlashControl.h"
#include "lang/Language.h"
#include "lang/VendorLinks.h"
#include "player/FrmAbout.h"
#include "player/HelpPages.h"

#include <QAction>

void Player::HelpMe(const QString& topic)
{
    ShellOpen(HelpPagePath(Folders().help, topic));
}

void Player::About()
{
    if (!m_newControl)
        return;
    LogEmptyLine();
    LogLine(QStringLiteral(" :: About"));
    FrmAbout about(m_newControl(), OptionValues().noAnimation, this);
    about.openHelp = [this](const QString& topic) { HelpMe(topic); };
    // The box keeps the window's "Always on Top" and gives the front back when it closes.
    about.setWindowFlag(Qt::WindowStaysOnTopHint, IsChecked(QStringLiteral("mnuTopMost")));
    about.exec();
    raise();
    activateWindow();
}

void Player::GoPlus()
{
    ShellOpen(LangText(QStringLiteral("Links/Plus"), QLatin1String(kPlusUrl)));
}

void Player::GoMore(PlayerFeature which)
{
    if (which == PlayerFeature::MoreSkins)
        ShellOpen(LangText(QStringLiteral("Links/Skins"), QLatin1String(kMoreSkinsUrl)));
    else
        ShellOpen(LangText(QStringLiteral("Links/Languages"), QLatin1String(kMoreLanguagesUrl)));
}

void Player::GoWeb()
{
    QAction* web = MenuItem(QStringLiteral("mnuWeb"));
    ShellOpen(QStringLiteral("http://") + (web ? web->text() : QLatin1String(kVendorHost)) + QLatin1Char('/'));
}

void Player::Feedback()
{
    ShellOpen(QStringLiteral("mailto:") + QLatin1String(kSupportMail));
}

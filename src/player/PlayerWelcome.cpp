// Closing the movie: the welcome screen, an interface movie fed with "welcome.xml".
#include "player/Player.h"

#include "base/AppFolders.h"
#include "base/ExecutionLog.h"
#include "base/FileNames.h"
#include "base/WindowShell.h"
#include "base/XmlText.h"
#include "lang/Language.h"
#include "lang/TranslateForm.h"
#include "lang/UIFont.h"
#include "lang/VendorLinks.h"
#include "player/RecentList.h"
#include "player/WelcomeDocument.h"

#include <QAction>
#include <QFile>
#include <QFontMetrics>

namespace {

QString ActionText(const QAction* action, const char* fallback)
{
    return action ? action->text() : QLatin1String(fallback);
}

}  // namespace

void Player::CloseMedia(const QString& errorText)
{
    LogEmptyLine();
    LogLine(QStringLiteral(" :: Close Flash"));
    EnableForMovie("mnuInfo", false);
    m_playlist.SetCurrent(-1);

    // An expanded copy of a compressed movie is not kept in the cache.
    if (m_info.WorkingPath != m_info.SourcePath && m_info.Compressed && !m_info.IsProjector && OptionValues().cacheMode != 0
        && m_info.WorkingPath.endsWith(QStringLiteral(".tmp"), Qt::CaseInsensitive))
        QFile::remove(m_info.WorkingPath);

    const QString xmlPath = Folders().flash + QStringLiteral("welcome.xml");
    SaveXML(xmlPath, WelcomeDocument(errorText));
    m_pendingNotice = WelcomeNotice(errorText);
    const QString address = InterfaceMovieAddress(
        Folders().flash, QStringLiteral("welcome.swf"), xmlPath, AddressTimeText(), OptionValues().noAnimation);
    LoadFlash(address, LangText(QStringLiteral("Player/strWelcome"), QStringLiteral("Welcome")), false);
    m_pendingNotice.clear();
}

QString Player::WelcomeDocument(const QString& errorText) const
{
    WelcomeContent content;
    content.font = UIFont().name;
    content.title = LangText(QStringLiteral("BROWSEMEDIA/STRRECENT"), QStringLiteral("Recent Movies"));
    content.open = LangText(QStringLiteral("PLAYER/MNUOPEN"), ActionText(MenuItem(QStringLiteral("mnuOpen")), "Open..."));
    content.browse = LangText(
        QStringLiteral("BrowseMedia/strBrowseMedia"), ActionText(MenuItem(QStringLiteral("mnuBrowse")), "Media Browser"));
    content.plus = LangText(QStringLiteral("PLAYER/STRPLUS"), QStringLiteral("Goodies..."));
    content.help = LangText(QStringLiteral("PLAYER/MENUHELP"), ActionText(MenuItem(QStringLiteral("MenuHelp")), "Help"));
    content.support = LangText(QStringLiteral("FRMABOUT/STRSUPPORT"), SupportLinksHtml());
    content.error = errorText;
    content.history = OptionValues().history;
    const QFontMetrics metrics(UIQFont());
    for (int i = 0; i < m_recent->RecentCount(); ++i) {
        const QString file = m_recent->Tag(i);
        content.recent << RecentEntry{CompactPath(file, 500, metrics), file};
    }
    return WelcomeDocumentText(content);
}

// Shown in the movie area when the welcome movie cannot be loaded: its title, the error text and
// how to open a movie.
QString Player::WelcomeNotice(const QString& errorText) const
{
    QString html = QStringLiteral("<p style=\"font-size:20pt; font-weight:600;\">")
        + LangText(QStringLiteral("Player/strWelcome"), QStringLiteral("Welcome")).toHtmlEscaped() + QStringLiteral("</p>");
    if (!errorText.isEmpty())
        html += QStringLiteral("<p style=\"font-size:13pt; color:#ffb35c;\">") + errorText.toHtmlEscaped()
            + QStringLiteral("</p>");
    if (QAction* open = MenuItem(QStringLiteral("mnuOpen"))) {
        html += QStringLiteral("<p style=\"color:#aab2c0;\">") + open->text().remove(QLatin1Char('&')).toHtmlEscaped()
            + QStringLiteral("&nbsp;&nbsp;") + open->shortcut().toString(QKeySequence::NativeText).toHtmlEscaped()
            + QStringLiteral("</p>");
    }
    return html;
}

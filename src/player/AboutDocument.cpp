#include "player/AboutDocument.h"

#include "base/Version.h"
#include "base/XmlText.h"
#include "lang/Language.h"
#include "lang/UIFont.h"
#include "lang/VendorLinks.h"

QString AboutInfoText(const AboutContent& content)
{
    QString text = QStringLiteral("<B><FONT size=\"14\">") + content.productName + QLatin1Char(' ') + content.version
        + QStringLiteral("</FONT></B> | ") + content.comments + QStringLiteral("<BR><BR>");
    if (!content.credits.isEmpty())
        text += content.credits + QStringLiteral("<BR><BR>");
    return text + QStringLiteral("<FONT size=\"10\">") + content.copyright + QStringLiteral("<BR><BR>") + content.trademarks
        + QStringLiteral("</FONT>");
}

QString AboutDocumentText(const AboutContent& content)
{
    return QStringLiteral("<?xml version=\"1.0\"?><ABOUT><FONT>") + EscapeXml(content.font) + QStringLiteral("</FONT><INFO>")
        + EscapeXml(AboutInfoText(content)) + QStringLiteral("</INFO><SUPPORT>") + EscapeXml(content.support)
        + QStringLiteral("</SUPPORT></ABOUT>");
}

AboutContent ProgramAboutContent()
{
    AboutContent content;
    content.font = UIFont().name;
    content.productName = QLatin1String(kAppName);
    content.version = QStringLiteral("%1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kBuild);
    content.comments = QString::fromUtf8(kAppComments);
    content.credits = GetXmlText(LangDoc().AsNode(), QStringLiteral("LANG/@credits"), QString());
    content.copyright = QString::fromUtf8(kAppCopyright);
    content.trademarks = QString::fromUtf8(kAppTrademarks);
    content.support = LangText(QStringLiteral("frmAbout/strSupport"), SupportLinksHtml());
    return content;
}

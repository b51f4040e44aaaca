#include "player/WelcomeDocument.h"

#include "base/XmlText.h"
#include "media/FlashVideo.h"

#include <QTime>

namespace {

QString Element(const char* name, const QString& text)
{
    const QString tag = QLatin1String(name);
    return QLatin1Char('<') + tag + QLatin1Char('>') + text + QStringLiteral("</") + tag + QLatin1Char('>');
}

}  // namespace

QString WelcomeDocumentText(const WelcomeContent& content)
{
    QString text = QStringLiteral("<?xml version=\"1.0\"?><WELCOME>");
    text += Element("FONT", content.font);
    text += Element("TITLE", EscapeXml(content.title));
    text += Element("OPEN", EscapeXml(content.open));
    text += Element("BROWSE", EscapeXml(content.browse));
    text += Element("PLUS", EscapeXml(content.plus));
    text += Element("HELP", EscapeXml(content.help));
    text += Element("SUPPORT", EscapeXml(content.support));
    text += Element("ERROR", EscapeXml(content.error));
    if (content.history) {
        for (const RecentEntry& entry : content.recent) {
            text += Element("RECENT", EscapeXml(entry.caption));
            text += Element("FILE", EscapeXml(entry.file));
        }
    }
    text += QStringLiteral("</WELCOME>");
    return text;
}

QString InterfaceMovieAddress(
    const QString& flashFolder, const QString& movieName, const QString& xmlPath, const QString& timeText, bool noAnimation)
{
    return flashFolder + movieName + QStringLiteral("?myXML=") + EncodeUrlText(xmlPath) + QStringLiteral("&time=") + timeText
        + QStringLiteral("&noanim=") + (noAnimation ? QStringLiteral("True") : QStringLiteral("False"));
}

QString AddressTimeText()
{
    return QTime::currentTime().toString(QStringLiteral("HH:mm:ss.zzz"));
}

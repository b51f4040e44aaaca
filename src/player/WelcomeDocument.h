#pragma once

#include <QList>
#include <QString>

// The document of the welcome screen ("welcome.xml") and the address of an interface movie fed
// with a generated document.

struct RecentEntry {
    QString caption;  // the path shortened for display
    QString file;     // the full path
};

// The texts of the welcome document, each already looked up in the current language.
struct WelcomeContent {
    QString font;     // the interface font's name (written as it is)
    QString title;    // "Recent Movies"
    QString open;     // "Open..."
    QString browse;   // "Media Browser"
    QString plus;     // "Goodies..."
    QString help;     // "Help"
    QString support;  // the two support links (HTML)
    QString error;    // the error text of CloseMedia, "" for a plain close
    // The recent movies, newest first; left out of the document when the list is not kept.
    QList<RecentEntry> recent;
    bool history = true;
};

// The document as one line: "<?xml version=\"1.0\"?><WELCOME>" FONT TITLE OPEN BROWSE PLUS
// HELP SUPPORT ERROR, RECENT/FILE pairs with history, "</WELCOME>". Every text but FONT is
// escaped with numeric references.
QString WelcomeDocumentText(const WelcomeContent& content);

// The address an interface movie is loaded with: flashFolder + movieName + "?myXML=" + the
// percent-encoded document path + "&time=" + timeText + "&noanim=" + "True" or "False".
QString InterfaceMovieAddress(
    const QString& flashFolder, const QString& movieName, const QString& xmlPath, const QString& timeText, bool noAnimation);

// The time of day as the addresses carry it (it makes every address unique).
QString AddressTimeText();

#pragma once

#include <QString>

// The document of the about box ("about.xml").

// What the about box shows, each text already looked up.
struct AboutContent {
    QString font;         // the interface font's name
    QString productName;  // "Vorlen"
    QString version;      // major.minor.revision
    QString comments;     // the program's comments text
    QString credits;      // the language file's credits ("" for none)
    QString copyright;
    QString trademarks;
    QString support;  // the two support links (HTML)
};

// The information text (HTML): name and version in large bold type, " | ", the comments, the
// credits, and copyright and trademarks in small type.
QString AboutInfoText(const AboutContent& content);

// The document as one line: "<?xml version=\"1.0\"?><ABOUT>" FONT INFO SUPPORT "</ABOUT>",
// every text escaped with numeric references.
QString AboutDocumentText(const AboutContent& content);

// The content for the program itself: its version texts, the interface font, the credits of the
// current language and the support links under language key "frmAbout/strSupport".
AboutContent ProgramAboutContent();

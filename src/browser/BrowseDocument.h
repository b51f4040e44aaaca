#pragma once

#include "browser/BrowseListing.h"

#include <QString>

// The texts of the browse document, each already in the current language.
struct BrowseTexts {
    QString font;     // the interface font's name
    QString browse;   // "Browse Media"
    QString found;    // "Media Files Found:"
    QString explore;  // "Explore This Folder"
    QString wait;     // "Loading"
};

// The texts by their language keys, with the built-in English defaults.
BrowseTexts CurrentBrowseTexts();

// "browse.xml" as one line: "<?xml version=\"1.0\"?><BROWSE>", FONT, BROWSE, FOUND (the text,
// a space and the number of entries that are not folders), EXPLORE, SCROLL, FOLDER, CACHE (the
// folder the thumbnail names are relative to), WAIT, ERROR, then JPEG, TITLE and TYPE of every
// entry, "</BROWSE>". Every text is escaped with numeric references.
QString BrowseDocumentText(
    const BrowseTexts& texts, const BrowseListing& listing, int scroll, const QString& cacheFolder, const QString& error);

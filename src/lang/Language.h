#pragma once

#include "base/XmlDocument.h"

#include <QString>

#include <cstdint>
#include <vector>

// The user-interface languages: XML files in the languages folder, one of them current, and
// the text lookup every window uses. A missing file, element or attribute leaves the built-in
// English default.

struct LanguageInfo {
    QString Title;        // menu caption: "LANG/@title" ("English" for entry 0)
    QString Author;       // "LANG/@author", default ".kel"
    QString Name;         // file name without ".xml": the value of option "System"/"Language"
    int32_t LangID = 0;   // "LANG/@langID": the locale the file is written for
    int32_t CharSet = 0;  // font character set of that locale, 0 when none
};

// The catalogue built by the last EnumerateLanguages (entry 0 is English).
const std::vector<LanguageInfo>& Languages();
int CurrentLanguage();

// Builds the catalogue and chooses the current language: the saved name (option
// "System"/"Language", letter case ignored), else the first file written for the user's
// locale, else English. Start-up reads the saved name from the options.
void EnumerateLanguages(const QString& savedName);

// Loads the current language's file (an empty document when it is missing) and gives the
// interface font its character set.
void LoadLanguage();

// The language menu's choice: makes index current and loads it. Indexes outside the catalogue
// are ignored.
void ChooseLanguage(int index);

// The current language's name ("" before the catalogue exists).
QString CurrentLanguageName();

// "Title - Author": the language menu's caption of a record.
QString LanguageMenuCaption(const LanguageInfo& info);

// The text at xpath below node, or fallback when it is missing or empty. A text beginning
// with "!" names another key: the text attribute of root element + "/" + the rest is taken
// instead, once.
QString GetXmlText(const XmlNode& node, const QString& xpath, const QString& fallback);

// The text of key ("Player/strOpen" reads LANG/PLAYER/STROPEN/@text) in the current language.
QString LangText(const QString& key, const QString& fallback);

// The loaded language document (empty when no file is loaded).
const XmlDocument& LangDoc();

#pragma once

#include <QByteArray>
#include <QLocale>
#include <QString>

#include <cstdint>

// Windows locale identifiers (the langID of language files) and the font character sets they
// stand for, mapped onto the platform's locales with one small table of the common languages.

// A locale identifier the table does not know (the value Windows gives custom locales).
inline constexpr int32_t kUnknownLCID = 0x1000;

// The identifier of a locale: exact language and territory first, else the first entry of the
// same language; kUnknownLCID when the language is not in the table.
int32_t LcidForLocale(const QLocale& locale);

// The locale of an identifier; the C locale when the table does not know it.
QLocale LocaleForLcid(int32_t lcid);

// The locale's default ANSI code page; 0 when it has none or is unknown.
int32_t AnsiCodePageForLcid(int32_t lcid);

// The font character set of a code page (ANSI_CHARSET 0, RUSSIAN_CHARSET 204...); 0 when the
// code page has none.
int32_t CharSetFromCodePage(int32_t codePage);

// The font character set of a locale: its ANSI code page, translated; 0 when either fails.
int32_t CharSetFromLocale(int32_t lcid);

// The user's locale identifier (from the platform locale unless set for a test) and the
// system's code page: texts are UTF-8 here.
int32_t SystemLCID();
void SetSystemLCID(int32_t lcid);
inline constexpr int32_t kSystemCodePage = 65001;

// Writes "LC: " + locale + " CP: " + code page + " CS: " + character set to the log.
void LogLocale();

// Text in a code page; -1 is the system's code page (UTF-8). Code pages other than UTF-8 and
// the Western ones are written as UTF-8 too.
QByteArray ToMultiByte(const QString& text, int32_t codePage = -1);

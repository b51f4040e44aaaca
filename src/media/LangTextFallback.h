#pragma once

#include <QString>

// Text lookup until the language files are in: every key answers with its built-in
// default. The language subsystem's LangText takes the place of this header.
inline QString LangText(const QString& key, const QString& defaultText)
{
    Q_UNUSED(key);
    return defaultText;
}

#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// The user-interface font every window, menu and service movie uses: a plain description,
// so that the core can hold it without a display. The default is the first candidate.
struct UIFontInfo {
    QString name = QStringLiteral("Century Gothic");
    double size = 8.0;  // points
    int charSet = 0;    // font character set of the current language (0 when none)
};

UIFontInfo& UIFont();

// The names tried for the interface font, in order: option "Window"/"FontName" (default
// "Century Gothic"), then "Lucida Sans Unicode", then "Tahoma".
QStringList UIFontCandidates();

// The first candidate the font system has; the last one when it has none of them (the font
// system then substitutes a face of its own).
QString ChooseUIFontName(const QStringList& candidates, const std::function<bool(const QString&)>& installed);

// Chooses the font (name among the candidates by installed, size from option "Window"/"FontSize",
// default 8; a size that does not convert keeps the current one).
void ChooseUIFont(const std::function<bool(const QString&)>& installed);

#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// The user-interface font every window, menu and service movie uses: a plain description,
// so that the core can hold it without a display. The default is the first candidate.
struct UIFontInfo {
    QString name = QStringLiteral("Century Gothic");
    double size = 8.0;  // points
    int charSet = 0;    // font character set of the current language (0 when none)
};

UIFontInfo& UIFont();

// The names tried for the interface font, in order: the stored name (option "Window"/"FontName",
// default "Century Gothic"), then "Lucida Sans Unicode", then "Tahoma".
QStringList UIFontCandidates(const QString& storedName);

// The first candidate the font system has; the last one when it has none of them (the font
// system then substitutes a face of its own).
QString ChooseUIFontName(const QStringList& candidates, const std::function<bool(const QString&)>& installed);

// Chooses the font: the name among the candidates of storedName by installed, and the stored
// size (option "Window"/"FontSize", default 8) in points; no size (a stored text that does not
// convert) keeps the current one. Start-up reads both from the options.
void ChooseUIFont(
    const QString& storedName, std::optional<double> storedSize, const std::function<bool(const QString&)>& installed);

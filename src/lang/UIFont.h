#pragma once

#include <QString>

// The user-interface font every window, menu and service movie uses: a plain description,
// so that the core can hold it without a display. The default is the first candidate.
struct UIFontInfo {
    QString name = QStringLiteral("Century Gothic");
    double size = 8.0;  // points
    int charSet = 0;    // font character set of the current language (0 when none)
};

UIFontInfo& UIFont();

#pragma once

#include <QString>

// The help: one HTML page per topic in the help folder, opened in the desktop's browser.

// The page of a topic: helpFolder + topic + ".htm", or the start page "index.htm" for an empty
// topic or one whose page does not exist. Only the topic's last name counts, so a topic cannot
// lead out of the help folder.
QString HelpPagePath(const QString& helpFolder, const QString& topic);

#pragma once

#include <QIcon>
#include <QString>

// The small pictures of the options dialog's page list, drawn by the program: "run" (start up),
// "view" (appearance), "image" (thumbnails), "system" (advanced). Any other name gives an
// empty icon.
QIcon OptionsPageIcon(const QString& name);

#pragma once

#include <QString>

// File-type filters of the open and save dialogs, written as pairs of a description and its
// patterns separated by "|" ("Movies|*.swf;*.spl|Videos|*.flv").

// The open dialog's filter of OpenMedia, from the translated type names.
QString OpenMediaFilter(const QString& allSupported, const QString& video, const QString& playlist);

// The same filter in the form Qt's file dialogs take: "Movies (*.swf *.spl);;Videos (*.flv)".
QString QtFileFilter(const QString& filter);

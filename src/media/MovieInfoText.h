#pragma once

#include <QString>

#include <functional>

struct MediaFileInfo;
struct MovieDamage;

// Running time as minutes, ":" and two-digit seconds ("1:23"); a rate of 0 gives "0:00".
QString FormatTime(double frames, double framesPerSecond);

// A language lookup: the text for key ("frmInfo/strComp"), or defaultText without one.
using InfoTextLookup = std::function<QString(const QString& key, const QString& defaultText)>;

// The label texts of the movie information box, ready to show. A label that was not filled
// holds its title alone.
struct MovieInfoTexts {
    QString name;             // lblName: the file name (the box shortens it to fit)
    QString fileName;         // lblFileName: title + ": " + source path
    QString fileNameToolTip;  // the full source path
    QString version;          // lblVersion
    QString time;             // lblTime
    QString size;             // lblSize
    QString metrix;           // lblMetrix
    QString note;             // lblNote
    QString damage;           // "Damaged: " and what is wrong, when CheckMovieDamage found it; else ""
};

// What is wrong with a damaged movie, in one line ("cut short (334 of 734 bytes)"); "" for a
// movie that is whole or was not checked. Texts come through lookup (keys of frmInfo).
QString DamageText(const MovieDamage& damage, const InfoTextLookup& lookup = InfoTextLookup());

// Composes the texts from the record. Titles and notes come through lookup (by default the
// built-in English texts). The source file is looked at: when it is gone the version label is
// emptied and nothing more is filled; the movie facts are filled only for a file of 8 bytes or
// more.
MovieInfoTexts ComposeMovieInfo(const MediaFileInfo& info, const InfoTextLookup& lookup = InfoTextLookup());

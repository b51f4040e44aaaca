#pragma once

#include "base/XmlDocument.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <cstdint>

// The update information document and what one check reads from it:
//   <HISTORY download="page">
//     <UPDATE build="745" major="1" minor="4" year="2026" month="5" day="12">
//       <INFO>one line of what changed</INFO> ...
//     </UPDATE> ...
//   </HISTORY>
// A missing attribute takes its default: the vendor's download page, this program's version.

struct UpdateReport {
    QString downloadUrl;
    int32_t highestBuild = 0;  // the highest build seen, the baseline when none is higher
    bool updateAvailable = false;
    QStringList details;  // the lines AddInfo receives, in order
};

// Walks HISTORY's UPDATE children in document order: an entry whose build is higher than every
// build before it (starting from the baseline) makes an update available and adds its heading
// and its INFO lines to the details. False, with failure set, when the document is not update
// information (its root element is not HISTORY).
bool ReadUpdateInfo(const XmlDocument& document, int32_t baselineBuild, UpdateReport& report, QString& failure);

// An entry's heading: "Version 1.4.745, Released on 2026-05-12" in the current language; the
// date part is left out when the date is not a valid one.
QString UpdateHeading(const QString& major, const QString& minor, int32_t build, const QDate& released);

// The seven-day rule of the automatic check: true when dateText ("MM-dd-yyyy", the form of
// "Update"/"Date") lies less than seven days from today, in either direction. A text that is no
// date never holds a check back.
bool CheckedRecently(const QString& dateText, const QDate& today);

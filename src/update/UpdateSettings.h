#pragma once

#include "options/OptionRow.h"

#include <QDate>
#include <QString>

#include <cstdint>
#include <vector>

// The update dialog's fields: the newest build known and the date of the last check.
struct UpdateSettings {
    int32_t knownBuild = 0;
    QString lastCheckDate;
};

// The program's single instance.
UpdateSettings& UpdateOptions();

// The text form of "Update"/"Date": month-day-year, "-" separated ("12-05-2026"). The update
// check reads back what LoadOpts writes.
inline constexpr const char* kUpdateDateFormat = "MM-dd-yyyy";
QString UpdateDateText(const QDate& date);

// The rows of "Update"/"Build" and "Date": an empty date becomes today's and is written at
// once; a known build below this program's is raised to it.
std::vector<OptionRow> UpdateOptionRows(UpdateSettings& update);

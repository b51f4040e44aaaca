#pragma once

#include <QString>

struct MediaFileInfo;

// Shared by the media commands of the tool: makes sure the cache folder exists (the tool
// keeps no start-up of its own that would create it).
void PrepareMediaCache();

// The record as "Field=value" lines in the record's field order.
QStringList MediaInfoLines(const MediaFileInfo& info);

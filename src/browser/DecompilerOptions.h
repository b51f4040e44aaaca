#pragma once

#include "options/OptionRow.h"

#include <QString>

#include <vector>

// The resource extractor's settings, section "Decompiler" of the options: the output
// folder and the five kinds of resources, in counter order.
struct DecompilerOptions {
    QString destination;  // "Destination"; ends in a separator
    bool jpeg = true;     // "JPEG"
    bool png = false;     // "PNG"
    bool event = true;    // "Event"
    bool stream = true;   // "Stream"
    bool video = false;   // "Video"
};

// The defaults: the user's "Ve Zedaz" folder (documents folder + "Ve Zedaz/") and
// JPEG, Event and Stream chosen.
DecompilerOptions DefaultDecompilerOptions();

// The program's single instance: the settings the extractor dialog edits.
DecompilerOptions& ExtractorOptions();

// The rows of section "Decompiler", loaded and saved last.
std::vector<OptionRow> DecompilerOptionRows(DecompilerOptions& extractor);

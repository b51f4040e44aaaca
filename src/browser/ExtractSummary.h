#pragma once

#include "media/ResourceExtractor.h"

#include <QString>

// The texts that close a resource extraction.

// For each kind, in counter order, whose counter is above 0: CR LF, the kind's text, a space
// and the count. CR LF and "No resources were extracted" when no kind wrote a file.
QString ExtractSummaryText(const ExtractCounters& counters);

// The heading of the closing message: "Resource Extraction Cancelled!" or
// "Resource Extraction Complete!".
QString ExtractSummaryHeading(bool cancelled);

// Heading, CR LF, summary: the whole text of the closing message.
QString ExtractSummaryMessage(const ExtractCounters& counters, bool cancelled);

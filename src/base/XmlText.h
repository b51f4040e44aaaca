#pragma once

#include <QString>

// Escapes text for generated XML with numeric references: "<" -> "&#60;", ">" -> "&#62;",
// '"' -> "&#34;", "&" -> "&#38;" unless "#" follows it (references already in the text pass).
QString EscapeXml(const QString& text);

// Deletes path, then writes xmlText there when it parses as XML. On a parse error nothing is
// written and the reason, position and failing line are logged. The file is written to a
// temporary name and renamed over the target, so it is never half-written.
void SaveXML(const QString& path, const QString& xmlText);

// All lines of a text file, each followed by CR LF; "" when the file cannot be read.
QString ReadTextFile(const QString& path);

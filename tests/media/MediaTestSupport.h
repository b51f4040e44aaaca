#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <ostream>

// Small movies made by the project's SWF writer, and log helpers for the media tests.

// A movie with a background colour tag first: 320 x 240 at 12 fps, two frames.
QByteArray MakeTestMovie(int version = 6, bool compressed = false);

// A Flash Video whose first tag is a Sorenson video packet carrying the given picture header
// bits (6 bytes at offset 28).
QByteArray MakeTestVideo(const QByteArray& pictureBits);

// Writes bytes to dir/name and returns the path.
QString WriteFile(const QString& dir, const QString& name, const QByteArray& bytes);

// True when the lines contain the expected ones in this order (other lines may lie between).
bool ContainsInOrder(const QStringList& lines, const QStringList& expected);

// Readable QString values in test failures.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

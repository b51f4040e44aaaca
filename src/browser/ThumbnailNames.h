#pragma once

#include <QString>

// Where thumbnails live. The media browser names them after the movie's full path: with
// "Satellite" on they stand beside the movie ("intro.swf" gets "intro.jpg"), otherwise the
// flattened path goes into the cache folder ("/m/intro.swf" gets "#m#intro.swf.jpg"), shared
// with the expanded copies of compressed movies. The thumbnail generator always writes beside
// the movie.

// The thumbnail's file name, relative to BrowserThumbnailFolder.
QString BrowserThumbnailName(const QString& moviePath, bool satellite);
// The folder the browser's thumbnail names are relative to: the movie's own folder with
// "Satellite" on (for a listing, its current folder), else the cache folder.
QString BrowserThumbnailFolder(const QString& folder, bool satellite);
// The full path of the browser's thumbnail of a movie.
QString BrowserThumbnailPath(const QString& moviePath, bool satellite);

// The generator's thumbnail: the movie's path with its extension replaced by ".jpg".
QString GeneratorThumbnailPath(const QString& moviePath);

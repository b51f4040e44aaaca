#pragma once

#include <QByteArray>

// A plain movie ("FWS" file) stored the way LZMA movies are: "ZWS", the version and length
// field kept, the compressed length, the five LZMA properties, then the LZMA data, which ends
// with an end marker as the movies of authoring tools do. Made by liblzma's encoder.
QByteArray LzmaMovie(const QByteArray& plain);

#pragma once

#include <QByteArray>
#include <QList>

#include <cstdint>

// Small PNG files made in memory for the structural cases: real zlib, real CRCs.
namespace PngBuilder {

QByteArray Signature();
QByteArray Chunk(const char* type, const QByteArray& data);
QByteArray Ihdr(uint32_t width, uint32_t height, uint8_t bitDepth, uint8_t colorType, uint8_t interlace = 0);
// Compresses raw rows (each with its filter byte) into one IDAT chunk.
QByteArray Idat(const QByteArray& filteredRows);
QByteArray Iend();
// Signature followed by the chunks.
QByteArray File(const QList<QByteArray>& chunks);

}  // namespace PngBuilder

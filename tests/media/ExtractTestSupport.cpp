#include "ExtractTestSupport.h"

#include "common/TestSupport.h"
#include "media/IdentifyMedia.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <csetjmp>
#include <cstdio>
#include <vector>

#include <jpeglib.h>

namespace {

struct JpegError {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

void OnJpegError(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<JpegError*>(info->err)->jump, 1);
}

void OnJpegWarning(j_common_ptr info, int level)
{
    // Level -1 is a warning about damaged data: treated as a failure.
    if (level < 0)
        std::longjmp(reinterpret_cast<JpegError*>(info->err)->jump, 1);
}

uint32_t NextRandom(uint32_t& state)
{
    state = state * 1664525u + 1013904223u;
    return state >> 8;
}

}  // namespace

QByteArray MakeJpeg(int width, int height, int seed)
{
    jpeg_compress_struct info;
    JpegError error;
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = OnJpegError;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    if (setjmp(error.jump)) {
        jpeg_destroy_compress(&info);
        std::free(buffer);
        return QByteArray();
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = width;
    info.image_height = height;
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 80, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(static_cast<size_t>(width) * 3);
    uint32_t state = static_cast<uint32_t>(seed) * 7919u + 1u;
    while (info.next_scanline < info.image_height) {
        for (int x = 0; x < width; ++x) {
            row[x * 3] = static_cast<unsigned char>((x * 255) / std::max(1, width - 1));
            row[x * 3 + 1] = static_cast<unsigned char>((info.next_scanline * 255) / std::max(1, height - 1));
            row[x * 3 + 2] = static_cast<unsigned char>(NextRandom(state));
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray jpeg(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
    std::free(buffer);
    return jpeg;
}

bool DecodesAsJpeg(const QByteArray& jpeg, int* width, int* height, QByteArray* pixels)
{
    jpeg_decompress_struct info;
    JpegError error;
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = OnJpegError;
    error.manager.emit_message = OnJpegWarning;
    if (setjmp(error.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(jpeg.constData()), static_cast<unsigned long>(jpeg.size()));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_start_decompress(&info);
    std::vector<unsigned char> row(static_cast<size_t>(info.output_width) * info.output_components);
    while (info.output_scanline < info.output_height) {
        JSAMPROW rows[1] = {row.data()};
        jpeg_read_scanlines(&info, rows, 1);
        if (pixels)
            pixels->append(reinterpret_cast<const char*>(row.data()), static_cast<qsizetype>(row.size()));
    }
    if (width)
        *width = static_cast<int>(info.output_width);
    if (height)
        *height = static_cast<int>(info.output_height);
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

SplitJpeg SplitJpegTables(const QByteArray& jpeg, const QList<uint8_t>& tableMarkers)
{
    SplitJpeg split;
    split.tables = QByteArray("\xFF\xD8", 2);
    split.image = QByteArray("\xFF\xD8", 2);
    int pos = 2;
    while (pos + 4 <= jpeg.size()) {
        const auto marker = static_cast<uint8_t>(jpeg[pos + 1]);
        const int length = (static_cast<uint8_t>(jpeg[pos + 2]) << 8) | static_cast<uint8_t>(jpeg[pos + 3]);
        if (marker == 0xDA) {
            split.image += jpeg.mid(pos);  // scan header, data, EOI
            break;
        }
        const QByteArray segment = jpeg.mid(pos, length + 2);
        if (tableMarkers.contains(marker))
            split.tables += segment;
        else
            split.image += segment;
        pos += length + 2;
    }
    split.tables += QByteArray("\xFF\xD9", 2);
    return split;
}

QByteArray MakeMp3(int frames, int seed)
{
    // 144 * 128000 / 44100 = 417 bytes a frame without padding.
    constexpr int kFrameBytes = 417;
    QByteArray mp3;
    uint32_t state = static_cast<uint32_t>(seed) + 17u;
    for (int i = 0; i < frames; ++i) {
        QByteArray frame("\xFF\xFB\x90\x64", 4);
        while (frame.size() < kFrameBytes)
            frame.append(static_cast<char>(NextRandom(state) & 0x7F));
        mp3 += frame;
    }
    return mp3;
}

bool StartsLikeMp3(const QByteArray& data)
{
    if (data.startsWith("ID3"))
        return true;
    return data.size() >= 2 && static_cast<uint8_t>(data[0]) == 0xFF && (static_cast<uint8_t>(data[1]) & 0xE0) == 0xE0;
}

MediaFileInfo IdentifyForExtraction(const QString& path)
{
    MediaFileInfo info;
    const QString error = IdentifyMedia(path, info, true);
    EXPECT_EQ(error, QString()) << path.toStdString();
    return info;
}

QStringList FilesIn(const QString& folder)
{
    QStringList names = QDir(folder).entryList(QDir::Files, QDir::Name);
    return names;
}

void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

void PrintTo(const QStringList& list, std::ostream* out)
{
    *out << '[' << list.join(QStringLiteral(", ")).toStdString() << ']';
}

#include "image/SaveDibAsJpeg.h"

#include "base/ErrorContext.h"
#include "base/Version.h"
#include "image/cDIBSection.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace {

struct JpegErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

void OnJpegError(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<JpegErrorManager*>(info->err)->jump, 1);
}

void IgnoreJpegMessage(j_common_ptr) { }

// The encoded file in memory. Only plain data lives in this frame, since the encoder leaves
// it by longjmp on an error. Returns a status; initFailed tells which stage failed.
int EncodeJpeg(const uint8_t* bits, int width, int height, int stride, int quality, unsigned char** out, unsigned long* outSize,
    bool* initFailed)
{
    jpeg_compress_struct info;
    JpegErrorManager errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = OnJpegError;
    errors.base.output_message = IgnoreJpegMessage;
    *initFailed = true;
    if (setjmp(errors.jump)) {
        jpeg_destroy_compress(&info);
        return JpegStatus::EncoderFailed;
    }
    jpeg_create_compress(&info);
    *initFailed = false;

    jpeg_mem_dest(&info, out, outSize);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    // The rows are blue, green, red as the bitmap holds them.
    info.in_color_space = JCS_EXT_BGR;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);  // TRUE: baseline quantisation tables
    jpeg_start_compress(&info, TRUE);
    // The bitmap is stored bottom-up; the file is written top-down.
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(bits + size_t(height - 1 - int(info.next_scanline)) * size_t(stride));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return JpegStatus::Ok;
}

[[noreturn]] void RaiseSaveError(int status)
{
    RaiseError(kJpegErrorNumber, JpegErrorSource(), QStringLiteral("Failed to save to JPG ") + QString::number(status));
}

// Writes the bytes to path; an existing file is overwritten in place when it can be (so it
// keeps its identity), else removed and made anew.
bool WriteFileBytes(const QString& path, const char* bytes, qint64 size, bool existed)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        if (!existed || !QFile::remove(path) || !file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return false;
    }
    const bool written = file.write(bytes, size) == size;
    file.close();
    return written && file.error() == QFileDevice::NoError;
}

}  // namespace

QString JpegErrorSource()
{
    return QLatin1String(kAppName) + QStringLiteral(".mIntelJPEGLibrary");
}

bool SaveDibAsJpeg(const cDIBSection& bitmap, const QString& path, int quality)
{
    if (bitmap.IsEmpty())
        RaiseSaveError(JpegStatus::NoImage);

    unsigned char* encoded = nullptr;
    unsigned long encodedSize = 0;
    bool initFailed = false;
    const int status = EncodeJpeg(bitmap.DIBSectionBitsPtr(), bitmap.Width(), bitmap.Height(), bitmap.BytesPerScanLine(),
        std::clamp(quality, 0, 100), &encoded, &encodedSize, &initFailed);
    if (status != JpegStatus::Ok) {
        std::free(encoded);
        if (initFailed) {
            RaiseError(kJpegErrorNumber, JpegErrorSource(),
                QStringLiteral("Failed to initialise the IJL library: ") + QString::number(status));
        }
        RaiseSaveError(status);
    }

    // Remember what the file being replaced looked like.
    const QFileInfo old(path);
    const bool existed = old.exists() && old.isFile();
    const QDateTime created = existed ? old.birthTime() : QDateTime();
    const QDateTime accessed = existed ? old.lastRead() : QDateTime();
    const QDateTime modified = existed ? old.lastModified() : QDateTime();
    const QFileDevice::Permissions permissions = existed ? old.permissions() : QFileDevice::Permissions();

    const bool written = WriteFileBytes(path, reinterpret_cast<const char*>(encoded), qint64(encodedSize), existed);
    std::free(encoded);
    if (!written)
        RaiseSaveError(JpegStatus::FileError);

    if (existed) {
        QFile file(path);
        // A failed open skips restoring the times.
        if (file.open(QIODevice::WriteOnly | QIODevice::Append)) {
            if (created.isValid())
                file.setFileTime(created, QFileDevice::FileBirthTime);  // not settable everywhere
            file.setFileTime(accessed, QFileDevice::FileAccessTime);
            file.setFileTime(modified, QFileDevice::FileModificationTime);
            file.close();
        }
        QFile::setPermissions(path, permissions);
    }
    return true;
}

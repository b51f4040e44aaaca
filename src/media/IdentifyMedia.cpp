#include "media/IdentifyMedia.h"

#include "base/ByteReader.h"
#include "base/ErrorContext.h"
#include "base/ExecutionLog.h"
#include "base/FileNames.h"
#include "base/RuntimeErrors.h"
#include "media/CompressedMovieCache.h"
#include "media/FlashVideo.h"
#include "media/MediaFileInfo.h"
#include "media/Projector.h"
#include "swf/SwfHeader.h"

#include <QFile>
#include <QFileInfo>

namespace {

constexpr int kVideoHeaderOffset = 28;
// A projector that carries another projector would loop for ever; real ones carry movies.
constexpr int kMaxNesting = 8;

void OpenForReading(QFile& file)
{
    if (!file.open(QIODevice::ReadOnly))
        RaiseError(QFileInfo::exists(file.fileName()) ? RuntimeError::PermissionDenied : RuntimeError::FileNotFound,
            QStringLiteral("IdentifyMedia"));
}

// The 8-byte file header; a shorter file reads as zeros past its end.
SwfFileHeader ReadFileHeader(const QString& path)
{
    QFile file(path);
    OpenForReading(file);
    QByteArray bytes = file.read(kSwfFileHeaderSize);
    bytes.append(QByteArray(kSwfFileHeaderSize - bytes.size(), '\0'));
    ByteReader reader(bytes);
    SwfFileHeader header;
    ReadSwfFileHeader(reader, header);
    return header;
}

void ReadMovieHeader(ByteReader& reader, MediaFileInfo& info)
{
    reader.Seek(kSwfFileHeaderSize);
    SwfMovieHeader header;
    if (!ReadSwfMovieHeader(reader, header))
        RaiseError(RuntimeError::InputPastEndOfFile, QStringLiteral("IdentifyMedia"));
    StoreFrameRect(header.frame, info);
    info.FrameRate = static_cast<float>(header.FrameRateInteger());
    info.FrameCount = header.frameCount;
    info.FirstTagPosition = static_cast<uint8_t>(header.firstTagOffset + 1);
    // The first tag is taken to be the background colour's: its three bytes follow the 2-byte
    // tag header. They may lie beyond a header-only expansion (26 bytes) or a cut file; what
    // is missing reads as zeros, as the colour is only shown, never relied on.
    QByteArray color;
    if (reader.Remaining() > 2 && reader.Skip(2))
        color = reader.ReadUpTo(3);
    color.append(QByteArray(3 - color.size(), '\0'));
    info.BackgroundColor
        = ColorToHex(static_cast<uint8_t>(color[0]), static_cast<uint8_t>(color[1]), static_cast<uint8_t>(color[2]));
}

}  // namespace

QString IdentifyMedia(const QString& path, MediaFileInfo& info, bool expandFully)
{
    ResetMediaInfo(info);
    try {
        info.SourcePath = path;
        info.FileName = FileNameOf(path);
        {
            QFileInfo named(path);
            if (!named.exists())
                RaiseError(RuntimeError::FileNotFound, QStringLiteral("IdentifyMedia"));
            info.FileSize = static_cast<int32_t>(named.size());
        }

        QString current = path;
        SwfFileHeader header;
        for (int round = 0;; ++round) {
            header = ReadFileHeader(current);
            const QByteArray& signature = header.signature;
            if (header.compression == SwfCompression::None) {
                LogLine(QStringLiteral("Ordinary File"), false);
                info.Compressed = false;
                break;
            }
            if (signature == "FLV") {
                LogLine(QStringLiteral("Flash Video"), false);
                info.Compressed = false;
                info.IsVideo = true;
                break;
            }
            if (header.compression == SwfCompression::Zlib) {
                LogLine(QStringLiteral("Compressed File"), false);
                info.Compressed = true;
                break;
            }
            if (header.compression == SwfCompression::Lzma) {
                LogLine(QStringLiteral("LZMA Compressed File"), false);
                info.Compressed = true;
                break;
            }
            if (signature.startsWith("MZ") && round < kMaxNesting) {
                LogLine(QStringLiteral("Executable"));
                const ExtractResult extracted = ExtractEXE(current);
                if (!extracted.reason.isEmpty() || extracted.moviePath.isEmpty()) {
                    ResetMediaInfo(info);
                    return extracted.reason.isEmpty() ? QLatin1String(kInvalidProjector) : extracted.reason;
                }
                LogLine(QStringLiteral("File path changed to: ") + extracted.moviePath);
                info.IsProjector = true;
                current = extracted.moviePath;
                continue;
            }
            // The three characters as they stand; a NUL would end the log line early.
            QString shown = QString::fromLatin1(signature);
            shown.replace(QChar(u'\0'), QChar(u' '));
            LogLine(QStringLiteral("Unknown signature (") + shown + QStringLiteral(")"));
            ResetMediaInfo(info);
            return QLatin1String(kNotFlashMovie);
        }

        info.Version = header.version;
        if (info.Version < 6)
            info.Compressed = false;
        info.UncompressedSize = info.IsVideo ? static_cast<double>(info.FileSize) : static_cast<double>(header.length);
        info.WorkingPath = current;

        QString readFrom = info.WorkingPath;
        if (info.Compressed) {
            readFrom = DecompressFlash(info, !expandFully);
            if (readFrom.isEmpty()) {
                ResetMediaInfo(info);
                return QLatin1String(kErrorReadingCompressed);
            }
        }

        LogLine(QStringLiteral(" ... "), false);
        QFile file(readFrom);
        OpenForReading(file);
        ByteReader reader(&file);
        if (info.IsVideo) {
            info.BackgroundColor = QStringLiteral("000000");
            // A video shorter than the picture header is read as zeros past its end.
            reader.Seek(std::min<int64_t>(kVideoHeaderOffset, reader.size()));
            WrapFlashVideo(reader, info);
        } else {
            ReadMovieHeader(reader, info);
        }
        file.close();
        LogLine(QStringLiteral("Ok"));
        return QString();
    } catch (const VorlenError& error) {
        SetCurrentError(error.Info());
        LogErrorReport(QStringLiteral("IdentifyMedia"), path);
        ResetMediaInfo(info);
        return error.Info().description;
    }
}

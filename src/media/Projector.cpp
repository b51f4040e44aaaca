#include "media/Projector.h"

#include "base/ByteReader.h"
#include "base/ErrorContext.h"
#include "base/ExecutionLog.h"
#include "base/FileNames.h"
#include "base/RuntimeErrors.h"
#include "media/CacheFileWriter.h"
#include "media/CompressedMovieCache.h"
#include "media/FileVersion.h"
#include "media/MediaFileInfo.h"
#include "media/MediaOptions.h"
#include "swf/SwfHeader.h"
#include "swf/SwfWriter.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

constexpr int kTrailerSize = 8;
constexpr int64_t kCopyChunk = 1024 * 1024;

// The trailer's magic and movie length.
struct Trailer {
    QByteArray magic;
    int64_t length = 0;
};

Trailer ParseTrailer(const QByteArray& bytes)
{
    ByteReader reader(bytes);
    Trailer trailer;
    trailer.magic = reader.ReadBytes(4);
    trailer.length = reader.ReadU32();
    return trailer;
}

// A movie that a projector may carry: "FWS" or "CWS", version 1 to 9.
bool IsProjectorMovie(QByteArray head)
{
    head.append(QByteArray(kSwfFileHeaderSize - std::min<qsizetype>(head.size(), kSwfFileHeaderSize), '\0'));
    ByteReader reader(head);
    SwfFileHeader header;
    if (!ReadSwfFileHeader(reader, header))
        return false;
    const bool movie = header.compression == SwfCompression::None || header.compression == SwfCompression::Zlib;
    return movie && header.version >= 1 && header.version <= 9;
}

void OpenForReading(QFile& file, const QString& source)
{
    if (!file.open(QIODevice::ReadOnly))
        RaiseError(file.exists() ? RuntimeError::PermissionDenied : RuntimeError::FileNotFound, source);
}

// Reads exactly count bytes at offset, or raises "Input past end of file".
QByteArray ReadAt(QFile& file, int64_t offset, int64_t count, const QString& source)
{
    if (offset < 0 || count < 0 || offset + count > file.size() || !file.seek(offset))
        RaiseError(RuntimeError::InputPastEndOfFile, source);
    QByteArray bytes = file.read(count);
    if (bytes.size() != count)
        RaiseError(RuntimeError::DeviceIoError, source);
    return bytes;
}

// Copies count bytes from the current position of from to to, in pieces.
void CopyBytes(QFile& from, QIODevice& to, int64_t count, const QString& source)
{
    while (count > 0) {
        const QByteArray piece = from.read(std::min(count, kCopyChunk));
        if (piece.isEmpty())
            RaiseError(RuntimeError::InputPastEndOfFile, source);
        if (to.write(piece) != piece.size())
            RaiseError(RuntimeError::DiskFull, source);
        count -= piece.size();
    }
}

void OpenForWriting(QSaveFile& file, const QString& source)
{
    if (!file.open(QIODevice::WriteOnly))
        RaiseError(RuntimeError::PathFileAccessError, source);
}

void Commit(QSaveFile& file, const QString& source)
{
    if (!file.commit())
        RaiseError(RuntimeError::DeviceIoError, source, file.errorString());
}

QString ReportFailure(const VorlenError& error, const QString& procedure, const QString& detail)
{
    SetCurrentError(error.Info());
    LogErrorReport(procedure, detail);
    return error.Info().description;
}

}  // namespace

ExtractResult ExtractEXE(const QString& path)
{
    ExtractResult result;
    LogTiming(QString(), false);
    LogEmptyLine();
    LogLine(QStringLiteral(" :: ExtractEXE (") + path + QStringLiteral(")... "), false);
    const QString target = CachePathFor(path, QStringLiteral(".swf"), true, false);
    if (QFileInfo::exists(target)) {
        result.moviePath = target;
        return result;
    }
    if (CurrentMediaOptions().genericProjectors && !IsGenericProjector(path, false)) {
        result.reason = QLatin1String(kNotGenericProjector);
        return result;
    }
    const QString source = QStringLiteral("ExtractEXE");
    try {
        LogEmptyLine();
        QFile file(path);
        OpenForReading(file, source);
        const int64_t size = file.size();
        const Trailer trailer = ParseTrailer(ReadAt(file, size - kTrailerSize, kTrailerSize, source));
        if (trailer.magic != kProjectorMagic) {
            LogLine(QLatin1String(kInvalidProjector));
            result.reason = QLatin1String(kInvalidProjector);
            return result;
        }
        const int64_t length = trailer.length;
        const int64_t start = size - kTrailerSize - length;
        // The version is the fourth byte: a movie of fewer bytes is no movie.
        const QByteArray head = ReadAt(file, start, std::min<int64_t>(length, kSwfFileHeaderSize), source);
        if (head.size() < 4 || !IsProjectorMovie(head)) {
            LogLine(QLatin1String(kInvalidProjector));
            result.reason = QLatin1String(kInvalidProjector);
            return result;
        }
        LogLine(QStringLiteral("Writing data... "), false);
        // A cache file: written whole or not at all, without waiting for the disk.
        CacheFileWriter out(target);
        if (!out.Open())
            RaiseError(RuntimeError::PathFileAccessError, source);
        file.seek(start);
        CopyBytes(file, out.File(), length, source);
        if (!out.Commit())
            RaiseError(RuntimeError::DeviceIoError, source);
        LogLine(QStringLiteral("Ok"));
        LogTiming(QStringLiteral("Projector Extracted"), false);
        result.moviePath = target;
    } catch (const VorlenError& error) {
        result.moviePath.clear();
        result.reason = ReportFailure(error, source, path);
    }
    return result;
}

QString CreateProjector(const QString& targetPath, const MediaFileInfo& info)
{
    LogEmptyLine();
    LogLine(QStringLiteral(" :: Create Projector"));
    const QString source = QStringLiteral("CreateProjector");
    try {
        const QString templatePath = ProjectorTemplatePath();
        QFile player(templatePath);
        if (!player.exists())
            RaiseError(RuntimeError::FileNotFound, source, QStringLiteral("Projector template not found: ") + templatePath);
        OpenForReading(player, source);
        // A template that carries a movie itself gives only its player part.
        int64_t playerSize = player.size();
        if (playerSize >= kTrailerSize) {
            const Trailer trailer = ParseTrailer(ReadAt(player, playerSize - kTrailerSize, kTrailerSize, source));
            if (trailer.magic == kProjectorMagic && trailer.length <= playerSize - kTrailerSize)
                playerSize -= kTrailerSize + trailer.length;
        }
        QFile movie(info.WorkingPath);
        OpenForReading(movie, source);
        const int64_t movieSize = movie.size();
        if (movieSize > 0xFFFFFFFFLL)
            RaiseError(RuntimeError::Overflow, source);

        if (QFileInfo::exists(targetPath))
            QFile::remove(targetPath);
        QSaveFile out(targetPath);
        OpenForWriting(out, source);
        player.seek(0);
        CopyBytes(player, out, playerSize, source);
        CopyBytes(movie, out, movieSize, source);
        QByteArray trailer = kProjectorMagic;
        AppendU32(trailer, static_cast<uint32_t>(movieSize));
        if (out.write(trailer) != trailer.size())
            RaiseError(RuntimeError::DiskFull, source);
        Commit(out, source);
    } catch (const VorlenError& error) {
        return ReportFailure(error, source, targetPath);
    }
    return QString();
}

bool IsGenericProjector(const QString& path, bool strict)
{
    const QString name = ReadFileVersion(path).originalFileName;
    if (name.compare(QStringLiteral("SAFlashPlayer.exe"), Qt::CaseInsensitive) == 0)
        return true;
    return !strict && name.compare(QStringLiteral("SwFlsh32.exe"), Qt::CaseInsensitive) == 0;
}

QString ConvertMovie(const MediaFileInfo& info, const QString& targetPath, QString* writtenPath)
{
    LogEmptyLine();
    LogLine(QStringLiteral(" :: SWF<->EXE Conversion"));
    QString target = targetPath;
    if (ExtensionOf(target).isEmpty())
        target += info.IsProjector ? QStringLiteral(".swf") : QStringLiteral(".exe");
    if (writtenPath)
        *writtenPath = target;
    if (!info.IsProjector)
        return CreateProjector(target, info);

    const QString source = QStringLiteral("ConvertMovie");
    try {
        QFile movie(info.WorkingPath);
        OpenForReading(movie, source);
        if (QFileInfo::exists(target))
            QFile::remove(target);
        QSaveFile out(target);
        OpenForWriting(out, source);
        CopyBytes(movie, out, movie.size(), source);
        Commit(out, source);
    } catch (const VorlenError& error) {
        return ReportFailure(error, source, target);
    }
    return QString();
}

ConvertDialogSetup ConvertDialogFor(const MediaFileInfo& info)
{
    ConvertDialogSetup setup;
    setup.proposedName = CachePathFor(info.SourcePath, QString(), false, false);
    if (info.IsProjector) {
        setup.filter = QStringLiteral("Macromedia Flash (SWF)|*.swf");
        setup.titleKey = QStringLiteral("mnuConvertEXE");
        setup.titleDefault = QStringLiteral("Convert EXE to SWF");
    } else {
        setup.filter = QStringLiteral("Flash Projector (EXE)|*.exe");
        setup.titleKey = QStringLiteral("mnuConvert");
        setup.titleDefault = QStringLiteral("Convert to EXE");
    }
    return setup;
}

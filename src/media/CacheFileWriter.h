#pragma once

#include <QFile>
#include <QString>

// Writes a cache file whole or not at all: the bytes go to a ".part" file beside the target,
// which takes the target's name only when everything was written. The cache reuses files by
// name alone, so a half-written one must never carry the name. Unlike a saved document, a
// cache file needs no flush to the disk: it can always be made again.
class CacheFileWriter {
public:
    explicit CacheFileWriter(const QString& target);
    ~CacheFileWriter();
    CacheFileWriter(const CacheFileWriter&) = delete;
    CacheFileWriter& operator=(const CacheFileWriter&) = delete;

    // Opens the ".part" file anew.
    bool Open();
    QFile& File() { return m_file; }
    bool Write(const char* data, int64_t size);
    bool Write(const QByteArray& bytes) { return Write(bytes.constData(), bytes.size()); }

    // Closes the file and gives it the target's name, replacing an older file.
    bool Commit();

private:
    QString m_target;
    QFile m_file;
    bool m_failed = false;
};

#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// A file the resource extractor writes. The bytes go to a file beside the target (".part"
// after its name), which is renamed over the target when it is finished: an existing file of
// that name is replaced in one step, never written through a link or another name of it, and
// never left half-written. Replacing this way costs what writing a new file costs; emptying
// the old file in place makes the file system free its blocks while the walk waits.
class ResourceFile {
public:
    explicit ResourceFile(const QString& target);
    // Finishes a file still open.
    ~ResourceFile();
    ResourceFile(const ResourceFile&) = delete;
    ResourceFile& operator=(const ResourceFile&) = delete;

    bool Open();
    bool Write(const QByteArray& bytes);
    // Closes the file and gives it the target's name. False (and nothing left behind) when
    // anything failed.
    bool Finish();

private:
    QString m_target;
    QFile m_file;
    bool m_failed = false;
};

// The whole file at once.
bool WriteResourceFile(const QString& path, const QByteArray& bytes);

#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

// The place one fuzz process works in: an application folder with its Data/ tree and
// Languages/, the cache, the option store and the documents folder, all below one temporary
// folder, and a QCoreApplication. Qt's own warnings are dropped.
class FuzzWorld {
public:
    // The world of this process, made on first use.
    static FuzzWorld& Get();

    // The temporary folder, "/"-terminated.
    const QString& Root() const { return m_root; }
    // Writes bytes to name (below root unless absolute; missing folders are made) and
    // returns the path.
    QString Write(const QString& name, const QByteArray& bytes) const;
    QString Write(const QString& name, const uint8_t* data, size_t size) const;
    // Empties the cache folder, so that nothing one input expanded or extracted is reused
    // for the next; starts the execution log afresh once it has grown.
    void StartInput() const;
    // An empty folder root + name.
    QString EmptyFolder(const QString& name) const;

private:
    FuzzWorld();
    QString m_root;
};

// The input as text, as a file read as UTF-8 gives it.
QString InputText(const uint8_t* data, size_t size);

#include "media/CacheFileWriter.h"

CacheFileWriter::CacheFileWriter(const QString& target)
    : m_target(target)
    , m_file(m_target + QStringLiteral(".part"))
{
}

CacheFileWriter::~CacheFileWriter()
{
    if (m_file.isOpen()) {
        m_file.close();
        m_file.remove();
    }
}

bool CacheFileWriter::Open()
{
    QFile::remove(m_file.fileName());
    return m_file.open(QIODevice::ReadWrite | QIODevice::Truncate);
}

bool CacheFileWriter::Write(const char* data, int64_t size)
{
    while (size > 0 && !m_failed) {
        const qint64 written = m_file.write(data, size);
        if (written <= 0)
            m_failed = true;
        data += written;
        size -= written;
    }
    return !m_failed;
}

bool CacheFileWriter::Commit()
{
    if (!m_file.isOpen())
        return false;
    m_file.close();
    if (m_failed || m_file.error() != QFileDevice::NoError) {
        m_file.remove();
        return false;
    }
    QFile::remove(m_target);
    if (!m_file.rename(m_target)) {
        m_file.remove();
        return false;
    }
    return true;
}

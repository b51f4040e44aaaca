#include "media/ResourceFile.h"

#include <filesystem>
#include <system_error>

ResourceFile::ResourceFile(const QString& target)
    : m_target(target)
    , m_file(target + QStringLiteral(".part"))
{
}

ResourceFile::~ResourceFile()
{
    if (m_file.isOpen())
        Finish();
}

bool ResourceFile::Open()
{
    m_failed = false;
    return m_file.open(QIODevice::WriteOnly | QIODevice::Truncate);
}

bool ResourceFile::Write(const QByteArray& bytes)
{
    if (!m_failed && m_file.write(bytes) != bytes.size())
        m_failed = true;
    return !m_failed;
}

bool ResourceFile::Finish()
{
    if (!m_file.isOpen())
        return false;
    m_file.close();
    if (m_failed || m_file.error() != QFileDevice::NoError) {
        m_file.remove();
        return false;
    }
    // Renamed over whatever has the target's name: a file, a link or a name shared with
    // another file loses that name, and nothing is written through it.
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(QFile::encodeName(m_file.fileName()).toStdString()),
        std::filesystem::path(QFile::encodeName(m_target).toStdString()), error);
    if (error) {
        m_file.remove();
        return false;
    }
    return true;
}

bool WriteResourceFile(const QString& path, const QByteArray& bytes)
{
    ResourceFile file(path);
    return file.Open() && file.Write(bytes) && file.Finish();
}

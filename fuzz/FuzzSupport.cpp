#include "FuzzSupport.h"

#include "base/AppFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

constexpr qint64 kMaxLogBytes = 1 << 20;

void DropMessages(QtMsgType, const QMessageLogContext&, const QString&) { }

}  // namespace

FuzzWorld& FuzzWorld::Get()
{
    static FuzzWorld world;
    return world;
}

FuzzWorld::FuzzWorld()
{
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/vorlen-fuzz-XXXXXX"));
    m_root = dir.path() + QLatin1Char('/');
    qputenv("XDG_CACHE_HOME", (m_root + QStringLiteral("cache")).toUtf8());
    qputenv("VORLEN_CONFIG_DIR", (m_root + QStringLiteral("config")).toUtf8());
    qputenv("HOME", (m_root + QStringLiteral("home")).toUtf8());
    qputenv("XDG_CONFIG_HOME", (m_root + QStringLiteral("xdg")).toUtf8());
    for (const char* sub : {"cache", "config", "home/Documents", "xdg", "app/Data/Binary", "app/Data/Flash", "app/Data/Images",
             "app/Data/Menus", "app/Data/Gadgets", "app/Skins", "app/Languages"})
        QDir().mkpath(m_root + QLatin1String(sub));
    qInstallMessageHandler(DropMessages);
    static int argc = 1;
    static char name[] = "vorlen-fuzz";
    static char* argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
    InitApplicationFolders(m_root + QStringLiteral("app/"), QStringLiteral("Flash Player"));
}

QString FuzzWorld::Write(const QString& name, const QByteArray& bytes) const
{
    const QString path = QDir::isAbsolutePath(name) ? name : m_root + name;
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
    return path;
}

QString FuzzWorld::Write(const QString& name, const uint8_t* data, size_t size) const
{
    return Write(name, QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
}

void FuzzWorld::StartInput() const
{
    QDir cache(Folders().cache);
    cache.removeRecursively();
    QDir().mkpath(Folders().cache);
    if (QFileInfo(Folders().logFile).size() > kMaxLogBytes)
        InitApplicationFolders(Folders().app, QStringLiteral("Flash Player"));
}

QString FuzzWorld::EmptyFolder(const QString& name) const
{
    QDir folder(m_root + name);
    folder.removeRecursively();
    QDir().mkpath(folder.path());
    return folder.path() + QLatin1Char('/');
}

QString InputText(const uint8_t* data, size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

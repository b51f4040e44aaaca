#include "DesktopTestSupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>

namespace {

const char* const kVariables[]
    = {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_DATA_DIRS", "XDG_CONFIG_DIRS", "XDG_CURRENT_DESKTOP", "VORLEN_CONFIG_DIR"};

QString RunXdgMime(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral("xdg-mime"), arguments);
    process.waitForFinished(20000);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

}  // namespace

TempDesktop::TempDesktop()
{
    for (const char* name : kVariables)
        m_saved.append({name, qgetenv(name)});
    for (const char* folder : {"data/applications", "config", "system-data", "system-config", "store"})
        QDir().mkpath(Path() + QLatin1String(folder));
    qputenv("XDG_DATA_HOME", dataHome().toUtf8());
    qputenv("XDG_CONFIG_HOME", ConfigHome().toUtf8());
    qputenv("XDG_DATA_DIRS", (Path() + QStringLiteral("system-data")).toUtf8());
    qputenv("XDG_CONFIG_DIRS", (Path() + QStringLiteral("system-config")).toUtf8());
    qputenv("XDG_CURRENT_DESKTOP", "X-Generic");
    qputenv("VORLEN_CONFIG_DIR", (Path() + QStringLiteral("store")).toUtf8());
}

TempDesktop::~TempDesktop()
{
    for (const auto& [name, value] : m_saved) {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
}

QString TempDesktop::MakeProgram(const QString& name) const
{
    const QString program = Path() + name;
    WriteAll(program, "#!/bin/sh\nexit 0\n");
    QFile::setPermissions(program, QFile::permissions(program) | QFileDevice::ExeOwner | QFileDevice::ExeUser);
    return program;
}

void TempDesktop::InstallOtherApplication(const QString& desktopId, const QString& mimeTypes) const
{
    WriteAll(dataHome() + QStringLiteral("applications/") + desktopId,
        QStringLiteral("[Desktop Entry]\nType=Application\nName=Other\nExec=true %f\nMimeType=%1\n").arg(mimeTypes).toUtf8());
}

QString TempDesktop::QueryDefault(const QString& mimeType)
{
    return RunXdgMime({QStringLiteral("query"), QStringLiteral("default"), mimeType});
}

void TempDesktop::SetDefault(const QString& mimeType, const QString& desktopId)
{
    RunXdgMime({QStringLiteral("default"), desktopId, mimeType});
}

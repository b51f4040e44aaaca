#pragma once

#include "common/TestSupport.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A desktop of the test's own: the freedesktop data and config folders (XDG_DATA_HOME,
// XDG_CONFIG_HOME, the system folders too, so that no application of the machine answers) and
// the option store in one temporary folder, with the generic desktop (xdg-mime's own
// mimeapps.list handling). Everything is restored when the scope ends.
class TempDesktop {
public:
    TempDesktop();
    ~TempDesktop();
    TempDesktop(const TempDesktop&) = delete;
    TempDesktop& operator=(const TempDesktop&) = delete;

    QString Path() const { return m_dir.path() + QLatin1Char('/'); }
    QString dataHome() const { return Path() + QStringLiteral("data/"); }
    QString ConfigHome() const { return Path() + QStringLiteral("config/"); }
    QString MimeAppsList() const { return ConfigHome() + QStringLiteral("mimeapps.list"); }
    QString MimeAppsText() const { return QString::fromUtf8(ReadAll(MimeAppsList())); }

    // An executable file standing for a program; its path.
    QString MakeProgram(const QString& name) const;
    // Another application's desktop entry in the user's applications folder, running "true".
    void InstallOtherApplication(const QString& desktopId, const QString& mimeTypes) const;
    // "xdg-mime query default".
    static QString QueryDefault(const QString& mimeType);
    static void SetDefault(const QString& mimeType, const QString& desktopId);

private:
    QTemporaryDir m_dir;
    QList<QPair<const char*, QByteArray>> m_saved;
};

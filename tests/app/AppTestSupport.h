#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QTemporaryDir>

// Local sockets and processes need an application object; the test programs have none of
// their own.
inline void EnsureCoreApplication()
{
    if (QCoreApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "test_app";
    static char* argv[] = {name, nullptr};
    new QCoreApplication(argc, argv);
}

// The option store in a fresh folder (VORLEN_CONFIG_DIR, inherited by started programs), so
// "Window"/"hWnd" starts out missing.
class TempConfigDir {
public:
    TempConfigDir()
        : m_old(qgetenv("VORLEN_CONFIG_DIR"))
    {
        qputenv("VORLEN_CONFIG_DIR", m_dir.path().toUtf8());
    }
    ~TempConfigDir()
    {
        if (m_old.isNull())
            qunsetenv("VORLEN_CONFIG_DIR");
        else
            qputenv("VORLEN_CONFIG_DIR", m_old);
    }
    TempConfigDir(const TempConfigDir&) = delete;
    TempConfigDir& operator=(const TempConfigDir&) = delete;
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    QByteArray m_old;
};

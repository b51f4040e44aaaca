#include "OptionsTestSupport.h"

#include <QDir>

namespace {
const char* const kVariables[] = {"VORLEN_CONFIG_DIR", "HOME", "XDG_CONFIG_HOME"};
}

TempOptionStore::TempOptionStore()
{
    for (int i = 0; i < 3; ++i)
        m_old[i] = qgetenv(kVariables[i]);
    QDir().mkpath(path() + QStringLiteral("config"));
    QDir().mkpath(path() + QStringLiteral("home/Documents"));
    QDir().mkpath(path() + QStringLiteral("xdg"));
    qputenv("VORLEN_CONFIG_DIR", (path() + QStringLiteral("config")).toUtf8());
    qputenv("HOME", (path() + QStringLiteral("home")).toUtf8());
    qputenv("XDG_CONFIG_HOME", (path() + QStringLiteral("xdg")).toUtf8());
}

TempOptionStore::~TempOptionStore()
{
    for (int i = 0; i < 3; ++i) {
        if (m_old[i].isNull())
            qunsetenv(kVariables[i]);
        else
            qputenv(kVariables[i], m_old[i]);
    }
}

#include "OptionsTestSupport.h"

#include <QDir>

namespace {
const char* const kVariables[] = {"VORLEN_CONFIG_DIR", "HOME", "XDG_CONFIG_HOME"};
}

TempOptionStore::TempOptionStore()
{
    for (int i = 0; i < 3; ++i)
        m_old[i] = qgetenv(kVariables[i]);
    QDir().mkpath(Path() + QStringLiteral("config"));
    QDir().mkpath(Path() + QStringLiteral("home/Documents"));
    QDir().mkpath(Path() + QStringLiteral("xdg"));
    qputenv("VORLEN_CONFIG_DIR", (Path() + QStringLiteral("config")).toUtf8());
    qputenv("HOME", (Path() + QStringLiteral("home")).toUtf8());
    qputenv("XDG_CONFIG_HOME", (Path() + QStringLiteral("xdg")).toUtf8());
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

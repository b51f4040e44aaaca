#include "desktop/MimeDefaults.h"

#include "desktop/DesktopTool.h"

#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringList>

namespace {

// The sections of mimeapps.list that name applications for a type.
bool IsChoiceSection(const QString& header)
{
    return header == QLatin1String("[Default Applications]") || header == QLatin1String("[Added Associations]");
}

}  // namespace

QString QueryDefaultApplication(const QString& mimeType)
{
    const DesktopToolResult result
        = RunDesktopTool(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"), mimeType});
    if (!result.ok)
        return QString();
    // Some desktops answer a list; the first is the one that opens the type.
    return result.output.section(QLatin1Char(';'), 0, 0).section(QLatin1Char('\n'), 0, 0).trimmed();
}

bool SetDefaultApplication(const QString& mimeType, const QString& desktopId)
{
    return RunDesktopTool(QStringLiteral("xdg-mime"), {QStringLiteral("default"), desktopId, mimeType}).ok;
}

QString UserMimeAppsList()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/mimeapps.list");
}

QString MimeAppsWithout(const QString& text, const QString& mimeType, const QString& desktopId)
{
    const QString prefix = mimeType + QLatin1Char('=');
    QStringList lines = text.split(QLatin1Char('\n'));
    bool inChoices = false;
    for (auto it = lines.begin(); it != lines.end();) {
        const QString line = it->trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inChoices = IsChoiceSection(line);
        } else if (inChoices && line.startsWith(prefix)) {
            QStringList apps = line.mid(prefix.size()).split(QLatin1Char(';'), Qt::SkipEmptyParts);
            if (apps.removeAll(desktopId) > 0) {
                if (apps.isEmpty()) {
                    it = lines.erase(it);
                    continue;
                }
                *it = prefix + apps.join(QLatin1Char(';')) + QLatin1Char(';');
            }
        }
        ++it;
    }
    return lines.join(QLatin1Char('\n'));
}

QString UserDefaultApplication(const QString& mimeType)
{
    QFile file(UserMimeAppsList());
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    const QString prefix = mimeType + QLatin1Char('=');
    bool inDefaults = false;
    for (const QString& raw : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        if (line.startsWith(QLatin1Char('[')))
            inDefaults = line == QLatin1String("[Default Applications]");
        else if (inDefaults && line.startsWith(prefix))
            return line.mid(prefix.size()).section(QLatin1Char(';'), 0, 0).trimmed();
    }
    return QString();
}

bool RemoveDefaultApplication(const QString& mimeType, const QString& desktopId)
{
    const QString path = UserMimeAppsList();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return !file.exists();
    const QString before = QString::fromUtf8(file.readAll());
    file.close();
    const QString after = MimeAppsWithout(before, mimeType, desktopId);
    if (after == before)
        return true;
    QSaveFile out(path);
    const QByteArray bytes = after.toUtf8();
    return out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size() && out.commit();
}

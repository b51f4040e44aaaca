#include "desktop/DesktopTool.h"

#include <QProcess>
#include <QStandardPaths>

DesktopToolResult RunDesktopTool(const QString& program, const QStringList& arguments, int timeoutMs)
{
    DesktopToolResult result;
    const QString path = QStandardPaths::findExecutable(program);
    if (path.isEmpty())
        return result;
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(path, arguments);
    if (!process.waitForStarted(timeoutMs))
        return result;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(1000);
        return result;
    }
    result.output = QString::fromUtf8(process.readAllStandardOutput()).trimmed();
    result.ok = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    return result;
}

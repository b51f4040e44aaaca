#include "base/ExecutionLog.h"

#include "base/AppFolders.h"
#include "base/ErrorContext.h"
#include "base/Rounding.h"
#include "base/Version.h"
#include "base/XmlText.h"

#include <QDateTime>
#include <QFile>
#include <QLocale>
#include <QOperatingSystemVersion>
#include <QRegularExpression>
#include <QSysInfo>
#include <QTime>

namespace {

float SystemTimer()
{
    return static_cast<float>(QTime::currentTime().msecsSinceStartOfDay()) / 1000.0f;
}

LogTimerFunction g_timer = &SystemTimer;
float g_startMark = 0.0f;
float g_lapMark = 0.0f;

void AppendLine(const QString& line)
{
    const QString& path = Folders().logFile;
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return;
    file.write(line.toUtf8());
    file.write("\r\n", 2);
}

// The header's system line keeps its fixed wording, "Windows " + major.minor + " Build #" +
// build, whatever the system; the numbers are those of the running kernel.
QString SystemVersionLine()
{
    const QString kernel = QSysInfo::kernelVersion();
    const QStringList parts = kernel.split(QRegularExpression(QStringLiteral("[.-]")));
    if (kernel.isEmpty() || parts.size() < 2)
        return QStringLiteral("Windows version is n/a<br>");
    const QString build = parts.size() > 2 ? parts[2] : QStringLiteral("0");
    return QStringLiteral("Windows %1.%2 Build #%3<br>").arg(parts[0], parts[1], build);
}

}  // namespace

void LogLine(const QString& text, bool lineBreak)
{
    AppendLine(lineBreak ? text + QStringLiteral("<br>") : text);
}

void LogEmptyLine()
{
    LogLine(QString(), true);
}

void LogTiming(const QString& text, bool sinceStart)
{
    const float now = g_timer();
    if (sinceStart && g_startMark == 0.0f) {
        g_startMark = now;
        g_lapMark = now;
        return;
    }
    if (!text.isEmpty()) {
        const float mark = sinceStart ? g_startMark : g_lapMark;
        const int64_t elapsed = RoundHalfEven(static_cast<double>((now - mark) * 1000.0f));
        LogLine(text + QStringLiteral(" in ") + QString::number(elapsed) + QStringLiteral(" ms"), true);
    }
    g_lapMark = now;
}

void LogErrorReport(const QString& procedure, const QString& detail)
{
    const ErrorInfo error = CurrentError();
    LogLine(QString(), true);
    LogLine(QStringLiteral("<B><FONT color=\"#000000\">") + QString::number(error.number), true);
    LogLine(procedure, true);
    LogLine(error.source, true);
    LogLine(error.description, true);
    if (!detail.isEmpty())
        LogLine(QStringLiteral("</B><I><FONT color=\"#333333\">") + EscapeXml(detail) + QStringLiteral("</FONT></I><B>"), true);
    LogLine(QStringLiteral("</FONT></B>"), true);
    LogLine(QStringLiteral("<B>ALERT:</B> ") + procedure + QStringLiteral("<BR>") + error.description + QStringLiteral("<BR>")
            + error.source,
        true);
    ClearCurrentError();
}

void WriteLogHeader()
{
    const QString app = QLatin1String(kAppName);
    const QString mail = QLatin1String(kSupportMail);
    AppendLine(QStringLiteral("<html>"));
    AppendLine(QStringLiteral("<head>"));
    AppendLine(QStringLiteral("<title>") + app + QStringLiteral(" | Execution Log</title>"));
    AppendLine(QStringLiteral("</head>"));
    AppendLine(QStringLiteral("<LINK href=\"Kelvane.css\" rel=\"stylesheet\" type=\"text/css\">"));
    AppendLine(QStringLiteral("<body bgcolor=#304E7E class=\"Text\">"));
    AppendLine(QStringLiteral("<b>") + app + QStringLiteral("</b> | <a href=\"mailto:") + mail + QStringLiteral("\">") + mail
        + QStringLiteral("</a><br>"));
    AppendLine(QStringLiteral("<br>"));
    AppendLine(QLocale::system().toString(QDateTime::currentDateTime(), QLocale::ShortFormat) + QStringLiteral(" :: ")
        + VersionText() + QStringLiteral("<br>"));
    AppendLine(SystemVersionLine());
    AppendLine(QStringLiteral("<br>"));
}

void SetLogTimer(LogTimerFunction timer)
{
    g_timer = timer ? timer : &SystemTimer;
}

void ResetLogTiming()
{
    g_startMark = 0.0f;
    g_lapMark = 0.0f;
}

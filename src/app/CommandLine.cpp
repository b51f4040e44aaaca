#include "app/CommandLine.h"

#include "base/ExecutionLog.h"
#include "base/FileNames.h"

namespace {

constexpr QChar kSeparator = QChar(u'\0');

}  // namespace

QString CommandLineText(const QStringList& arguments)
{
    if (!arguments.isEmpty() && arguments.first().left(5).compare(QLatin1String("/exec"), Qt::CaseInsensitive) == 0)
        return arguments.join(QLatin1Char(' '));
    QStringList parts;
    for (const QString& name : arguments) {
        const QString argument = AbsoluteWhenPresent(name);
        parts << (argument.contains(QLatin1Char(' ')) ? QLatin1Char('"') + argument + QLatin1Char('"') : argument);
    }
    return parts.join(QLatin1Char(' '));
}

QStringList SplitCommandLine(const QString& argument)
{
    // The separated form first: each space outside quotes becomes a NUL, one NUL closes it.
    QString rest;
    rest.reserve(argument.size() + 1);
    bool quoted = false;
    for (const QChar ch : argument) {
        if (ch == QLatin1Char('"'))
            quoted = !quoted;
        else if (ch == QLatin1Char(' ') && !quoted)
            rest += kSeparator;
        else
            rest += ch;
    }
    rest += kSeparator;

    QStringList names;
    qsizetype start = 0;
    while (rest.size() - start >= 3) {
        const qsizetype end = rest.indexOf(kSeparator, start);
        const QString name = rest.mid(start, end - start);
        start = end + 1;
        if (!name.isEmpty())
            names << name;
    }
    return names;
}

void HandleCommandLine(const QString& argument, CommandLineHost& host)
{
    if (argument.left(5).compare(QLatin1String("/exec"), Qt::CaseInsensitive) == 0) {
        host.LoadFlash(argument, QString(), false);
        return;
    }
    const QStringList names = SplitCommandLine(argument);
    host.ClearPlaylist();
    for (const QString& name : names)
        host.AddToPlaylist(name, 0);
    host.PlayEntry(0);
}

void ReceiveHandOver(const QString& text, CommandLineHost& host)
{
    if (text.isEmpty())
        return;
    host.RestoreMinimisedWindow();
    LogLine(QStringLiteral("Other Instance Requested: \"") + text + QLatin1Char('"'), true);
    HandleCommandLine(text, host);
}

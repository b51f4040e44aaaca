#include "app/AppFolders.h"
#include "app/ExecutionLog.h"
#include "app/Version.h"

#include <QApplication>
#include <QLabel>
#include <QStringList>
#include <QVBoxLayout>
#include <QWidget>

namespace {

// The whole argument string after the program name, quoted the way the command line
// handler splits it.
QString CommandLineText(const QStringList& arguments)
{
    QStringList parts;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        parts << (argument.contains(QLatin1Char(' ')) ? QLatin1Char('"') + argument + QLatin1Char('"') : argument);
    }
    return parts.join(QLatin1Char(' '));
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QLatin1String(kAppName));
    QApplication::setApplicationVersion(VersionText());

    LogTiming(QString(), true);
    InitApplicationFolders(QCoreApplication::applicationDirPath(), QStringLiteral("Flash Player"));
    LogLine(QStringLiteral(" :: Start Up"), true);
    LogLine(QStringLiteral("Application Path: ") + Folders().app, true);
    LogLine(QStringLiteral("Cache Path: ") + Folders().cache, true);
    LogLine(QStringLiteral("Argument: ") + CommandLineText(QCoreApplication::arguments()), true);
    LogTiming(QStringLiteral("Initialized"), false);

    QWidget window;
    window.setWindowTitle(CaptionPrefix() + QStringLiteral("Welcome"));
    auto* layout = new QVBoxLayout(&window);
    auto* label = new QLabel(VersionText(), &window);
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label);
    window.resize(550, 400);
    window.show();

    LogTiming(QStringLiteral("<B>Player Loaded</B>"), true);
    return application.exec();
}

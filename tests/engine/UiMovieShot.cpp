#include "UiMovieSupport.h"

#include "base/AppFolders.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QJsonDocument>
#include <QTextStream>
#include <QWidget>

#include <cstdio>

// ui_movie_shot MOVIE DOCUMENT OUT.png [--size WxH] [--settle MS] [--hover X,Y] [--click X,Y] [--as-is] [--animate]
// Shows an interface movie of the application tree with a document, waits until it has read
// it (and MS more milliseconds), hovers a point if asked and saves the frame as a PNG file.
// Prints the movie's state and the commands it sent. For looking at the movies while they
// are designed. --as-is passes DOCUMENT to the movie unchanged instead of a copy in the
// Flash folder.
int main(int argc, char* argv[])
{
    RuffleFlashControl::PrepareEngine();
    QApplication application(argc, argv);
    ComputeApplicationFolders(QStringLiteral(VORLEN_APP_DIR));
    QStringList arguments = application.arguments().mid(1);
    QSize size(550, 400);
    int settle = 300;
    QPoint hover(-1, -1);
    QPoint click(-1, -1);
    bool asIs = false;
    bool animate = false;
    QStringList files;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const QString next = i + 1 < arguments.size() ? arguments[i + 1] : QString();
        if (argument == QLatin1String("--size")) {
            const QStringList parts = next.split(QLatin1Char('x'));
            size = QSize(parts.value(0).toInt(), parts.value(1).toInt());
            ++i;
        } else if (argument == QLatin1String("--settle")) {
            settle = next.toInt();
            ++i;
        } else if (argument == QLatin1String("--hover")) {
            const QStringList parts = next.split(QLatin1Char(','));
            hover = QPoint(parts.value(0).toInt(), parts.value(1).toInt());
            ++i;
        } else if (argument == QLatin1String("--click")) {
            const QStringList parts = next.split(QLatin1Char(','));
            click = QPoint(parts.value(0).toInt(), parts.value(1).toInt());
            ++i;
        } else if (argument == QLatin1String("--as-is")) {
            asIs = true;
        } else if (argument == QLatin1String("--animate")) {
            animate = true;
        } else {
            files << argument;
        }
    }
    QTextStream out(stdout);
    if (files.size() != 3) {
        out << "usage: ui_movie_shot MOVIE DOCUMENT OUT.png [--size WxH] [--settle MS] [--hover X,Y] [--click X,Y] [--as-is] "
               "[--animate]\n";
        return 2;
    }
    QFile source(files[1]);
    if (!asIs && !source.open(QIODevice::ReadOnly)) {
        out << "cannot read " << files[1] << "\n";
        return 1;
    }
    const UiDocument document(QStringLiteral("shot"), asIs ? QString() : QString::fromUtf8(source.readAll()));
    RuffleFlashControl control;
    QWidget* view = control.widget();
    view->setAttribute(Qt::WA_DontShowOnScreen);
    view->resize(size);
    view->show();
    CommandLog commands(control);
    control.LoadMovie(0, UiMovieAddress(files[0], asIs ? files[1] : document.Path(), !animate));
    if (!control.WaitForMovie(20000)) {
        out << "movie not loaded: " << control.LastError() << "\n";
        return 1;
    }
    const bool read = WaitForDocument(control, 3000);
    control.WaitFor([] { return false; }, settle);
    if (hover.x() >= 0) {
        MoveMouse(control, hover);
        control.WaitFor([] { return false; }, 300);
    }
    if (click.x() >= 0) {
        ClickAt(control, click);
        control.WaitFor([] { return false; }, 300);
    }
    const QImage image = control.GrabFrame();
    image.save(files[2]);
    out << (read ? "document read" : "document NOT read") << "\n";
    const QVariant state = CallMovie(control, QStringLiteral("vorlenState"));
    const QJsonDocument json = QJsonDocument::fromJson(state.toString().toUtf8());
    out << (json.isObject() ? QString::fromUtf8(json.toJson(QJsonDocument::Indented)) : state.toString() + QLatin1Char('\n'));
    for (const auto& [command, args] : commands.all)
        out << "command " << command << " (" << args << ")\n";
    return 0;
}

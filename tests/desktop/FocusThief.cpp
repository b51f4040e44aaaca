// Another application on the same display: it shows a window, takes the keyboard focus and
// stays until it is ended.
#include <QApplication>
#include <QLabel>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QLabel window(QStringLiteral("another application"));
    window.resize(200, 80);
    window.move(900, 700);
    window.show();
    // The window can take the focus once it is on the screen; it keeps taking it back.
    QTimer focus;
    QObject::connect(&focus, &QTimer::timeout, &window, [&window] {
        window.raise();
        window.activateWindow();
    });
    focus.start(200);
    return application.exec();
}

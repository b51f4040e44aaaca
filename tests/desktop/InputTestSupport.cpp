#include "InputTestSupport.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QTest>
#include <QWidget>
#include <QWindow>

bool DropOn(QWidget* window, const QPoint& pos, const QList<QUrl>& urls)
{
    QMimeData data;
    data.setUrls(urls);
    QWindow* handle = window->windowHandle();
    QDragEnterEvent enter(pos, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QGuiApplication::sendEvent(handle, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(pos, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QGuiApplication::sendEvent(handle, &drop);
    return drop.isAccepted();
}

void ClickKey(QWindow* window, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QTest::sendKeyEvent(QTest::Click, window, key, QString(), modifiers);
}

bool ActivateAgain(QWidget& window)
{
    // The window system takes a focus request only when it is newer than the last change of
    // focus: a property change brings the program a fresh time.
    const QString title = window.windowTitle();
    return QTest::qWaitFor(
        [&] {
            window.setWindowTitle(title + QLatin1Char(' '));
            window.setWindowTitle(title);
            window.activateWindow();
            return QTest::qWaitForWindowActive(&window, 300);
        },
        5000);
}

void PropertiesRecorder::Changed(const QString&, const QVariantMap& changed, const QStringList&)
{
    changes << changed;
}

FocusThief::FocusThief() = default;

FocusThief::~FocusThief()
{
    m_process.kill();
    m_process.waitForFinished(5000);
}

bool FocusThief::Start()
{
    m_process.start(QStringLiteral(FOCUS_THIEF), {});
    return m_process.waitForStarted(5000);
}

#include "player/ScreenSaverWindow.h"

#include "engine/FlashControl.h"
#include "media/IdentifyMedia.h"
#include "media/MediaFileInfo.h"

#include <QApplication>
#include <QMouseEvent>
#include <QVBoxLayout>

ScreenSaverWindow::ScreenSaverWindow(std::unique_ptr<FlashControl> control)
    : m_control(std::move(control))
{
    setObjectName(QStringLiteral("ScreenSaver"));
    setWindowTitle(QStringLiteral("Vorlen Screen Saver"));
    setCursor(Qt::BlankCursor);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    if (QWidget* movie = m_control->widget()) {
        layout->addWidget(movie);
        movie->setCursor(Qt::BlankCursor);
    }
    // Input reaches the engine's own widgets first: the whole program's events are looked at.
    qApp->installEventFilter(this);
}

ScreenSaverWindow::~ScreenSaverWindow()
{
    qApp->removeEventFilter(this);
    if (QWidget* movie = m_control->widget())
        movie->setParent(nullptr);
    m_control.reset();
}

bool ScreenSaverWindow::Play(const QString& path)
{
    MediaFileInfo info;
    if (path.isEmpty() || !IdentifyMedia(path, info, false).isEmpty())
        return false;
    m_control->SetScaleMode(0);
    m_control->LoadMovie(0, info.WorkingPath);
    m_control->SetBGColor(info.BackgroundColor);
    m_control->SetLoop(true);
    m_control->Play();
    return true;
}

void ScreenSaverWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    m_shown.start();
}

bool ScreenSaverWindow::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::Wheel:
        End();
        return true;
    case QEvent::MouseMove: {
        const QPoint pointer = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
        if (!m_shown.isValid() || m_shown.elapsed() < kSettleMs || m_firstPointer == QPoint(-1, -1)) {
            m_firstPointer = pointer;
            return false;
        }
        if ((pointer - m_firstPointer).manhattanLength() > kMoveTolerance)
            End();
        return false;
    }
    default:
        return QWidget::eventFilter(watched, event);
    }
}

void ScreenSaverWindow::End()
{
    if (m_ended)
        return;
    m_ended = true;
    close();
    Q_EMIT Ended();
}

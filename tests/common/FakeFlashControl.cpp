#include "common/FakeFlashControl.h"

#include <QColor>
#include <QWidget>

FakeFlashControl::~FakeFlashControl()
{
    delete m_widget;
}

void FakeFlashControl::LoadMovie(int layer, const QString& url)
{
    calls << QStringLiteral("LoadMovie %1 %2").arg(layer).arg(url);
    if (layer == 0) {
        m_currentFrame = 0;
        m_playing = true;
        m_lastError.clear();
    }
}

void FakeFlashControl::Play()
{
    calls << QStringLiteral("Play");
    m_playing = true;
}

void FakeFlashControl::Stop()
{
    calls << QStringLiteral("Stop");
    m_playing = false;
}

void FakeFlashControl::Back()
{
    calls << QStringLiteral("Back");
    m_playing = false;
    if (m_currentFrame > 0)
        --m_currentFrame;
}

void FakeFlashControl::Forward()
{
    calls << QStringLiteral("Forward");
    m_playing = false;
    if (m_currentFrame + 1 < m_totalFrames)
        ++m_currentFrame;
}

void FakeFlashControl::Rewind()
{
    calls << QStringLiteral("Rewind");
    m_playing = false;
    m_currentFrame = 0;
}

void FakeFlashControl::GotoFrame(int frame)
{
    calls << QStringLiteral("GotoFrame %1").arg(frame);
    m_playing = false;
    m_currentFrame = frame;
}

void FakeFlashControl::SetPlaying(bool playing)
{
    calls << QStringLiteral("Playing %1").arg(playing ? QStringLiteral("True") : QStringLiteral("False"));
    m_playing = playing;
}

void FakeFlashControl::SetQuality2(const QString& quality)
{
    calls << QStringLiteral("Quality2 %1").arg(quality);
    if (QualityNumber(quality) >= 0)
        m_quality = QualityName(QualityNumber(quality));
}

void FakeFlashControl::SetQuality(int quality)
{
    calls << QStringLiteral("Quality %1").arg(quality);
    if (!QualityName(quality).isEmpty())
        m_quality = QualityName(quality);
}

void FakeFlashControl::SetScaleMode(int mode)
{
    calls << QStringLiteral("ScaleMode %1").arg(mode);
    if (mode >= 0 && mode <= 3)
        m_scaleMode = mode;
}

void FakeFlashControl::SetLoop(bool loop)
{
    calls << QStringLiteral("Loop %1").arg(loop ? QStringLiteral("True") : QStringLiteral("False"));
    m_loop = loop;
}

void FakeFlashControl::SetBGColor(const QString& color)
{
    calls << QStringLiteral("BGColor %1").arg(color);
    if (!BackgroundDigits(color).isNull())
        m_bgColor = BackgroundDigits(color);
}

void FakeFlashControl::SetVariable(const QString& name, const QString& value)
{
    calls << QStringLiteral("SetVariable %1 %2").arg(name, value);
}

void FakeFlashControl::TCallLabel(const QString& target, const QString& label)
{
    calls << QStringLiteral("TCallLabel %1 %2").arg(target, label);
}

QWidget* FakeFlashControl::widget()
{
    if (!m_widget)
        m_widget = new QWidget;
    return m_widget;
}

QImage FakeFlashControl::GrabFrame()
{
    calls << QStringLiteral("GrabFrame");
    const QSize size = m_widget ? m_widget->size() : QSize(550, 400);
    QImage image(size, QImage::Format_RGB888);
    const QColor background = m_bgColor.isEmpty() ? QColor(Qt::white) : QColor(QLatin1Char('#') + m_bgColor);
    image.fill(background);
    return image;
}

void FakeFlashControl::SetInputFilter(QObject* filter)
{
    if (m_inputFilter)
        widget()->removeEventFilter(m_inputFilter);
    m_inputFilter = filter;
    if (filter)
        widget()->installEventFilter(filter);
}

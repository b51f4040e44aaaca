#include "player/MovieView.h"

#include <QLabel>
#include <QPalette>

MovieView::MovieView(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("View"));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::black);
    setPalette(palette);

    m_notice = new QLabel(this);
    m_notice->setObjectName(QStringLiteral("qt_notice"));
    m_notice->setAlignment(Qt::AlignCenter);
    m_notice->setWordWrap(true);
    m_notice->setTextFormat(Qt::RichText);
    m_notice->setMargin(24);
    m_notice->setAutoFillBackground(true);
    QPalette noticePalette = m_notice->palette();
    noticePalette.setColor(QPalette::Window, QColor(0x20, 0x24, 0x2c));
    noticePalette.setColor(QPalette::WindowText, QColor(0xe8, 0xea, 0xee));
    m_notice->setPalette(noticePalette);
    m_notice->hide();
}

void MovieView::SetControl(QWidget* control)
{
    m_control = control;
    if (!control)
        return;
    control->setParent(this);
    control->setGeometry(rect());
    control->show();
    m_notice->raise();
}

void MovieView::ShowNotice(const QString& text)
{
    m_notice->setText(text);
    m_notice->setGeometry(rect());
    m_notice->setVisible(!text.isEmpty());
    if (!text.isEmpty())
        m_notice->raise();
}

QString MovieView::Notice() const
{
    return m_notice->isVisibleTo(this) ? m_notice->text() : QString();
}

bool MovieView::IsNoticeShown() const
{
    return m_notice->isVisibleTo(this);
}

void MovieView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_notice->setGeometry(rect());
    Q_EMIT Resized();
}

#include "skin/SkinControl.h"

#include "skin/SkinPicture.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

int TextFlags(int alignment)
{
    const int horizontal = alignment == 1 ? Qt::AlignRight : alignment == 2 ? Qt::AlignHCenter : Qt::AlignLeft;
    return horizontal | Qt::AlignVCenter | Qt::TextWordWrap;
}

}  // namespace

SkinControl::SkinControl(SkinElementKind kind, int element, QWidget* parent)
    : QWidget(parent)
    , m_kind(kind)
    , m_element(element)
    , m_tag(QString::number(element))
{
    setObjectName(ArrayName(Array()) + QLatin1Char('_') + QString::number(element));
}

void SkinControl::SetPicture(int state, const QImage& picture)
{
    if (state < StateUp || state > StateDisabled)
        return;
    m_pictures[size_t(state)] = picture;
    m_scaledState = 0;
    if (state == StateUp)
        UpdateMask();
    update();
}

const QImage& SkinControl::Picture(int state) const
{
    static const QImage none;
    return state >= StateUp && state <= StateDisabled ? m_pictures[size_t(state)] : none;
}

bool SkinControl::HasPicture(int state) const
{
    return !Picture(state).isNull();
}

void SkinControl::SetStretch(bool stretch)
{
    m_stretch = stretch;
    m_scaledState = 0;
    UpdateMask();
    update();
}

void SkinControl::ShowState(int state)
{
    if (state == 0) {
        m_scaledState = 0;
        update();
        return;
    }
    if (state == m_state || !HasPicture(state))
        return;
    m_state = state;
    update();
}

void SkinControl::SetBackColor(std::optional<QColor> color)
{
    m_backColor = color;
    update();
}

void SkinControl::SetMaskColor(std::optional<uint32_t> color)
{
    m_maskColor = color;
    UpdateMask();
}

QRegion SkinControl::Holes() const
{
    const QImage& base = Picture(StateUp);
    if (!m_maskColor || base.isNull())
        return QRegion();
    return MaskHoles(base, m_stretch ? size() : base.size(), *m_maskColor);
}

void SkinControl::UpdateMask()
{
    if (!m_maskColor || !HasPicture(StateUp)) {
        if (!mask().isEmpty())
            clearMask();
        return;
    }
    setMask(QRegion(rect()).subtracted(Holes()));
}

void SkinControl::SetCaption(const QString& caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    FitToCaption();
    update();
}

void SkinControl::SetAlignment(int alignment)
{
    m_alignment = alignment;
    update();
}

void SkinControl::SetAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    FitToCaption();
}

void SkinControl::SetForeColor(const QColor& color)
{
    m_foreColor = color;
    update();
}

void SkinControl::SetLabelFont(const QFont& labelFont)
{
    setFont(labelFont);
    FitToCaption();
    update();
}

void SkinControl::FitToCaption()
{
    if (m_kind == SkinElementKind::Label && m_autoSize)
        resize(sizeHint());
}

QSize SkinControl::sizeHint() const
{
    if (m_kind == SkinElementKind::Label)
        return fontMetrics().size(0, m_caption.isEmpty() ? QStringLiteral(" ") : m_caption);
    return Picture(StateUp).size();
}

const QImage& SkinControl::ShownPicture()
{
    const QImage& picture = Picture(m_state);
    if (!m_stretch || picture.isNull() || picture.size() == size())
        return picture;
    if (m_scaledState != m_state || m_scaled.size() != size()) {
        // A masked picture keeps its colours exact, so no blend of the mask colour shows at the cut.
        m_scaled = ScaledSkinPicture(picture, size(), m_maskColor.has_value());
        m_scaledState = m_state;
    }
    return m_scaled;
}

void SkinControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_backColor)
        painter.fillRect(rect(), *m_backColor);
    const QImage& picture = ShownPicture();
    if (!picture.isNull())
        painter.drawImage(0, 0, picture);
    if (m_kind == SkinElementKind::Label && !m_caption.isEmpty()) {
        painter.setPen(m_foreColor);
        painter.drawText(rect(), TextFlags(m_alignment), m_caption);
    }
}

void SkinControl::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    UpdateMask();
    Q_EMIT CoverChanged();
}

void SkinControl::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    Q_EMIT CoverChanged();
}

void SkinControl::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    Q_EMIT CoverChanged();
}

void SkinControl::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    Q_EMIT CoverChanged();
}

void SkinControl::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        ShowState(isEnabled() ? StateUp : StateDisabled);
}

bool SkinControl::Report(SkinMouse what, QPoint pos)
{
    if (!m_handler)
        return false;
    m_handler->ElementMouse(m_element, what, pos);
    return true;
}

void SkinControl::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        Report(SkinMouse::Menu, event->position().toPoint());
        return;
    }
    if (event->button() != Qt::LeftButton || m_passThrough) {
        event->ignore();
        return;
    }
    m_pressed = true;
    m_afterDoubleClick = false;
    Report(SkinMouse::Down, event->position().toPoint());
}

void SkinControl::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_pressed || !(event->buttons() & Qt::LeftButton)) {
        event->ignore();
        return;
    }
    Report(SkinMouse::Move, event->position().toPoint());
}

void SkinControl::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_pressed) {
        event->ignore();
        return;
    }
    m_pressed = false;
    const QPoint pos = event->position().toPoint();
    const bool click = rect().contains(pos) && !m_afterDoubleClick;
    m_afterDoubleClick = false;
    Report(SkinMouse::Up, pos);
    if (click)
        Report(SkinMouse::Click, pos);
}

void SkinControl::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || m_passThrough) {
        event->ignore();
        return;
    }
    // The second press of a double click is the double click; the release that follows is an
    // up without a click.
    m_pressed = true;
    m_afterDoubleClick = true;
    Report(SkinMouse::DblClick, event->position().toPoint());
}

void SkinControl::enterEvent(QEnterEvent* event)
{
    QWidget::enterEvent(event);
    Report(SkinMouse::Enter, event->position().toPoint());
}

void SkinControl::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    Report(SkinMouse::Leave, QPoint());
}

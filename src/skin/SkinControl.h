#pragma once

#include "skin/SkinNode.h"

#include <QColor>
#include <QImage>
#include <QWidget>

#include <array>
#include <optional>

// What the pointer does on an element.
enum class SkinMouse { Down, Move, Up, Click, DblClick, Enter, Leave, Menu };

// Where an element's window object reports the pointer (the skin's element mouse handling).
class SkinMouseHandler {
public:
    virtual ~SkinMouseHandler() = default;
    // pos: in the element's own coordinates.
    virtual void ElementMouse(int element, SkinMouse what, QPoint pos) = 0;
};

// The window object of one skin element: a picture box (views, sub-views, buttons), an image
// (images, light buttons) or a label. It shows the picture of its state, stretched to its size
// or at its own size, or its caption; its shape follows its mask colour; the pointer goes to
// the handler. Without @backColor it paints nothing of its own, so what lies beneath shows
// through the transparent parts of its pictures.
class SkinControl : public QWidget {
    Q_OBJECT

public:
    // Picture states.
    enum State { StateUp = 1, StateOver = 2, StateDown = 3, StateDisabled = 4 };

    SkinControl(SkinElementKind kind, int element, QWidget* parent);

    SkinElementKind Kind() const { return m_kind; }
    SkinArray Array() const { return ArrayOf(m_kind); }
    int Element() const { return m_element; }
    void SetHandler(SkinMouseHandler* handler) { m_handler = handler; }
    // An element without actions lets the left button through to its container.
    void SetPassThrough(bool passThrough) { m_passThrough = passThrough; }

    // Pictures by state (1 the up or base picture, 2 over, 3 down, 4 disabled).
    void SetPicture(int state, const QImage& picture);
    const QImage& Picture(int state) const;
    bool HasPicture(int state) const;
    void SetStretch(bool stretch);
    bool Stretch() const { return m_stretch; }
    // The remembered state, and showing one: 0 shows the remembered state again; a state
    // without its picture leaves the element as it is. Repaints only on a change (or for 0).
    int ShownState() const { return m_state; }
    void ShowState(int state);

    void SetBackColor(std::optional<QColor> color);
    std::optional<QColor> BackColor() const { return m_backColor; }
    // The mask colour cuts the element to its picture (setMask); Holes() are the cut parts.
    void SetMaskColor(std::optional<uint32_t> color);
    std::optional<uint32_t> MaskColor() const { return m_maskColor; }
    QRegion Holes() const;

    // Labels.
    void SetCaption(const QString& caption);
    QString Caption() const { return m_caption; }
    void SetAlignment(int alignment);
    int Alignment() const { return m_alignment; }
    void SetAutoSize(bool autoSize);
    bool AutoSize() const { return m_autoSize; }
    void SetForeColor(const QColor& color);
    QColor ForeColor() const { return m_foreColor; }
    void SetLabelFont(const QFont& font);

    // The script's Tag: the element number until a script sets another text.
    QString Tag() const { return m_tag; }
    void SetTag(const QString& tag) { m_tag = tag; }

    QSize sizeHint() const override;

Q_SIGNALS:
    // The element changed what it covers (shown, hidden, moved, resized).
    void CoverChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    bool Report(SkinMouse what, QPoint pos);
    void UpdateMask();
    void FitToCaption();
    const QImage& ShownPicture();

    SkinElementKind m_kind;
    int m_element;
    SkinMouseHandler* m_handler = nullptr;
    bool m_passThrough = false;
    bool m_pressed = false;
    bool m_afterDoubleClick = false;
    std::array<QImage, 5> m_pictures;  // by state, 0 unused
    QImage m_scaled;                   // the shown picture at the element's size
    int m_scaledState = 0;
    bool m_stretch = true;
    int m_state = StateUp;
    std::optional<QColor> m_backColor;
    std::optional<uint32_t> m_maskColor;
    QString m_caption;
    int m_alignment = 0;
    bool m_autoSize = false;
    QColor m_foreColor = Qt::black;
    QString m_tag;
};

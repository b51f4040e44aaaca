#pragma once

#include <QPointer>
#include <QWidget>

class QLabel;

// The picture box "View" that holds the Flash control. The player places the control inside it
// (fit or crop) whenever it changes size. A notice over the movie area stands in for the welcome
// screen when its movie cannot be shown.
class MovieView : public QWidget {
    Q_OBJECT

public:
    explicit MovieView(QWidget* parent = nullptr);

    void SetControl(QWidget* control);
    QWidget* Control() const { return m_control; }

    // Shows a text (HTML) over the movie area, nothing of the movie showing through; an empty text
    // hides it.
    void ShowNotice(const QString& text);
    QString Notice() const;
    bool IsNoticeShown() const;

Q_SIGNALS:
    void Resized();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QPointer<QWidget> m_control;
    QLabel* m_notice = nullptr;
};

#include "base/WindowLook.h"

#include <QApplication>
#include <QLinearGradient>
#include <QPalette>
#include <QWidget>

void ApplyWindowLook(QWidget* window, bool smoothColors)
{
    QPalette palette = window->palette();
    const QColor base = QApplication::palette().color(QPalette::Window);
    if (smoothColors) {
        // Brightness follows the window's height, so the gradient spans the window whatever its
        // size.
        QLinearGradient gradient(0, 0, 0, 1);
        gradient.setCoordinateMode(QGradient::ObjectMode);
        gradient.setColorAt(0.0, base.lighter(108));
        gradient.setColorAt(1.0, base.darker(108));
        palette.setBrush(QPalette::Window, QBrush(gradient));
    } else {
        palette.setBrush(QPalette::Window, base);
    }
    window->setPalette(palette);
    window->setAutoFillBackground(true);
}

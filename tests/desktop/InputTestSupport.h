#pragma once

#include <QList>
#include <QObject>
#include <QPoint>
#include <QProcess>
#include <QStringList>
#include <QUrl>
#include <QVariantMap>

class QWidget;
class QWindow;

// Drags urls onto a top-level window at pos (window coordinates) and drops them, through the
// window as the window system would: the drop lands on the widget under pos that takes drops.
// Returns whether the drop was accepted.
bool DropOn(QWidget* window, const QPoint& pos, const QList<QUrl>& urls);

// A key pressed and released on a window, as the window system sends it (keys without text too:
// media and volume keys).
void ClickKey(QWindow* window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// Brings a window of the tests back to the front after another application had it.
bool ActivateAgain(QWidget& window);

// Records the properties announced with org.freedesktop.DBus.Properties.PropertiesChanged.
class PropertiesRecorder : public QObject {
    Q_OBJECT
public:
    QList<QVariantMap> changes;
public Q_SLOTS:
    void Changed(const QString& interface, const QVariantMap& changed, const QStringList& invalidated);
};

// Another application that has the keyboard focus while it runs.
class FocusThief {
public:
    FocusThief();
    ~FocusThief();
    bool Start();

private:
    QProcess m_process;
};

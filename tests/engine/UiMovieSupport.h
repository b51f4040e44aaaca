#pragma once

#include "engine/RuffleFlashControl.h"

#include <QJsonObject>
#include <QList>
#include <QPair>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QVariant>

#include <functional>

// Drives the player's interface movies (welcome, about, browse, video) in a real control:
// their documents, their addresses, the state they report and the commands they send.

// A document written into the Flash folder, as the player writes its own; removed again
// when it goes out of scope. The name is unique to the process, so that test programs
// running at the same time do not meet.
class UiDocument {
public:
    UiDocument(const QString& stem, const QString& xml);
    ~UiDocument();
    UiDocument(const UiDocument&) = delete;
    UiDocument& operator=(const UiDocument&) = delete;
    QString Path() const { return m_path; }

private:
    QString m_path;
};

// The address the player forms for an interface movie: Flash folder + movie + "?myXML=" +
// encoded document path + "&time=" + time of day + "&noanim=" + True/False.
QString UiMovieAddress(const QString& movie, const QString& xmlPath, bool noAnimation = true);

// Calls a callback the movie registered with ExternalInterface and returns its answer
// (invalid when the movie gave none within the time).
QVariant CallMovie(RuffleFlashControl& control, const QString& name, const QVariantList& arguments = {}, int timeoutMs = 5000);

// What the movie reports through its "vorlenState" callback (empty before it answers).
QJsonObject MovieState(RuffleFlashControl& control);

// Waits until the movie has read its document (state "ready" or "failed").
bool WaitForDocument(RuffleFlashControl& control, int timeoutMs = 15000);

// Sizes the control's view to size, loads the interface movie with the document at xmlPath
// as the player does, and waits until the movie has read it. Returns the movie's state
// (empty when it did not load).
QJsonObject ShowUiMovie(
    RuffleFlashControl& control, const QString& movie, const QString& xmlPath, const QSize& size, bool noAnimation = true);

// The centre of a named hit area the movie reports ({"x","y","w","h"} in stage pixels),
// in widget coordinates; a null point when the movie reports no such area.
QPoint AreaCentre(const QJsonObject& area);

// Synthetic mouse input on the control's view, in widget coordinates.
void MoveMouse(RuffleFlashControl& control, const QPoint& at);
void ClickAt(RuffleFlashControl& control, const QPoint& at);

// Records the commands a control's movie sends.
class CommandLog : public QObject {
    Q_OBJECT
public:
    explicit CommandLog(FlashControl& control);
    QList<QPair<QString, QString>> all;
    // Waits for a command of that name (after the first `skip` of them); true when it came.
    bool WaitFor(const QString& command, int timeoutMs = 5000, int skip = 0);
    // The arguments of every command of that name, in order.
    QStringList ArgumentsOf(const QString& command) const;
    void Clear() { all.clear(); }

private:
    RuffleFlashControl* m_control;
};

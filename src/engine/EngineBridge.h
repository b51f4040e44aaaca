#pragma once

#include <QObject>
#include <QString>

// The object the engine page reaches through the web channel ("bridge"): every event of
// the page arrives here and leaves as a signal. Events carry the serial number of the load
// they belong to, so that late events of a replaced movie are dropped by the control.
class EngineBridge : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // What failed, as the page tells it (vorlen.failure in engine.js).
    enum Failure {
        kRefused = 0,       // the engine refused the movie
        kPanic = 1,         // the engine panicked over the movie: the page cannot be used again
        kEngineBroken = 2,  // an earlier panic left the page unusable before the movie started
    };

public Q_SLOTS:
    void pageReady() { Q_EMIT PageReady(); }
    void engineReady() { Q_EMIT EngineReady(); }
    void loaded(int serial, int frames, bool actionScript3, int width, int height)
    {
        Q_EMIT Loaded(serial, frames, actionScript3, width, height);
    }
    void failed(int serial, const QString& message, int kind) { Q_EMIT Failed(serial, message, kind); }
    void hostReady(int serial) { Q_EMIT HostReady(serial); }
    void frame(int serial, int frame, int total, bool playing) { Q_EMIT Frame(serial, frame, total, playing); }
    void fsCommand(const QString& command, const QString& args) { Q_EMIT FsCommand(command, args); }
    void painted(int ticket) { Q_EMIT Painted(ticket); }

Q_SIGNALS:
    void PageReady();
    void EngineReady();
    void Loaded(int serial, int frames, bool actionScript3, int width, int height);
    void Failed(int serial, const QString& message, int kind);
    void HostReady(int serial);
    void Frame(int serial, int frame, int total, bool playing);
    void FsCommand(const QString& command, const QString& args);
    void Painted(int ticket);
};

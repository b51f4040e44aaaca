#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM and SIGINT delivered as a Qt signal on the user-interface thread (a self-pipe read by
// a socket notifier), so that a terminated player quits the same way its Exit menu does.
class QuitSignals : public QObject {
    Q_OBJECT

public:
    explicit QuitSignals(QObject* parent = nullptr);
    ~QuitSignals() override;

    bool IsInstalled() const { return m_notifier != nullptr; }

Q_SIGNALS:
    // signalNumber: SIGTERM or SIGINT.
    void Received(int signalNumber);

private:
    void Read();

    QSocketNotifier* m_notifier = nullptr;
};

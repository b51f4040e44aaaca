#pragma once

#include <QProcess>
#include <QString>

// A session bus of the test's own: "dbus-daemon --session", ended with the object.
class PrivateSessionBus {
public:
    PrivateSessionBus() = default;
    ~PrivateSessionBus()
    {
        m_daemon.kill();
        m_daemon.waitForFinished(5000);
    }
    PrivateSessionBus(const PrivateSessionBus&) = delete;
    PrivateSessionBus& operator=(const PrivateSessionBus&) = delete;

    // Starts the daemon; false when it is not installed or did not start.
    bool Start()
    {
        m_daemon.start(QStringLiteral("dbus-daemon"),
            {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
        if (!m_daemon.waitForStarted(5000))
            return false;
        while (!m_daemon.canReadLine()) {
            if (!m_daemon.waitForReadyRead(5000))
                return false;
        }
        m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
        return !m_address.isEmpty();
    }
    QString Address() const { return m_address; }

private:
    QProcess m_daemon;
    QString m_address;
};

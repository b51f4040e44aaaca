#pragma once

#include <QString>

#include <functional>
#include <memory>

class QLocalServer;
class QLocalSocket;

// The running player's end of the single-instance link (the protocol is described in
// InstanceProtocol.h): answers caption requests and receives command lines handed over by a
// second start. Everything runs on the thread that owns the server, between its other events.
class InstanceServer {
public:
    InstanceServer();
    ~InstanceServer();
    InstanceServer(const InstanceServer&) = delete;
    InstanceServer& operator=(const InstanceServer&) = delete;

    // The caption a caption request is answered with (the main window's title).
    void SetCaptionSource(std::function<QString()> caption);
    // Called with each handed-over text (empty ones too); the acknowledgement is sent once it
    // has returned.
    void SetReceiver(std::function<void(const QString& text)> receiver);
    // Called after the receiver for every hand-over: the second start asks the player to come
    // to the front.
    void SetActivator(std::function<void()> activator);

    // Listens on InstanceServerName(pid), for this user only. A socket left behind under that
    // name by an ended process (process ids are reused) is replaced. False when listening
    // failed.
    bool Listen(qint64 pid);
    QString ServerName() const;
    void Close();

private:
    void Accept();
    void Serve(QLocalSocket* socket, QByteArray& buffer);

    std::unique_ptr<QLocalServer> m_server;
    std::function<QString()> m_caption;
    std::function<void(const QString&)> m_receiver;
    std::function<void()> m_activator;
};

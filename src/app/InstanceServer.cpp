#include "app/InstanceServer.h"

#include "app/InstanceProtocol.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>

InstanceServer::InstanceServer()
    : m_server(std::make_unique<QLocalServer>())
{
    QObject::connect(m_server.get(), &QLocalServer::newConnection, m_server.get(), [this] { Accept(); });
}

InstanceServer::~InstanceServer()
{
    Close();
}

void InstanceServer::SetCaptionSource(std::function<QString()> caption)
{
    m_caption = std::move(caption);
}

void InstanceServer::SetReceiver(std::function<void(const QString&)> receiver)
{
    m_receiver = std::move(receiver);
}

void InstanceServer::SetActivator(std::function<void()> activator)
{
    m_activator = std::move(activator);
}

bool InstanceServer::Listen(qint64 pid)
{
    Close();
    const QString name = InstanceServerName(pid);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (m_server->listen(name))
        return true;
    if (m_server->serverError() != QAbstractSocket::AddressInUseError)
        return false;
    QLocalServer::removeServer(name);
    return m_server->listen(name);
}

QString InstanceServer::ServerName() const
{
    return m_server->serverName();
}

void InstanceServer::Close()
{
    if (m_server->isListening())
        m_server->close();
}

void InstanceServer::Accept()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        auto buffer = std::make_shared<QByteArray>();
        QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket, buffer] { Serve(socket, *buffer); });
        if (socket->bytesAvailable() > 0)
            Serve(socket, *buffer);
    }
}

void InstanceServer::Serve(QLocalSocket* socket, QByteArray& buffer)
{
    // The receiver may run a nested event loop in which the peer goes away.
    const QPointer<QLocalSocket> guard(socket);
    buffer += socket->readAll();
    InstanceFrame frame;
    for (;;) {
        const FrameStatus status = TakeFrame(buffer, frame);
        if (status == FrameStatus::Incomplete)
            return;
        if (status == FrameStatus::Invalid) {
            buffer.clear();
            socket->abort();
            return;
        }
        if (frame.type == kFrameCaptionRequest) {
            socket->write(EncodeFrame(kFrameCaptionReply, Utf16Bytes(m_caption ? m_caption() : QString())));
            socket->flush();
        } else if (frame.type == kFrameHandOver) {
            QString text;
            if (!ReadHandOverPayload(frame.payload, text)) {
                buffer.clear();
                socket->abort();
                return;
            }
            if (m_receiver)
                m_receiver(text);
            if (m_activator)
                m_activator();
            if (!guard)
                return;
            socket->write(EncodeFrame(kFrameAcknowledge));
            socket->flush();
        } else {
            // Replies are not requests: a peer that sends one does not speak this protocol.
            buffer.clear();
            socket->abort();
            return;
        }
    }
}

#include "UpdateServer.h"

#include <QHostAddress>

UpdateServer::UpdateServer()
{
    m_server.listen(QHostAddress::LocalHost);
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = m_server.nextPendingConnection()) {
            m_sockets << socket;
            auto buffer = std::make_shared<QByteArray>();
            connect(socket, &QTcpSocket::readyRead, this, [this, socket, buffer] {
                *buffer += socket->readAll();
                if (!buffer->contains("\r\n\r\n"))
                    return;
                requests << QString::fromLatin1(buffer->left(buffer->indexOf("\r\n"))).section(QLatin1Char(' '), 0, 1);
                buffer->clear();
                Serve(socket);
            });
        }
    });
}

UpdateServer::~UpdateServer()
{
    for (const QPointer<QTcpSocket>& socket : m_sockets) {
        if (socket)
            socket->abort();
    }
}

QString UpdateServer::Url(const QString& path) const
{
    return QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path);
}

void UpdateServer::Serve(QTcpSocket* socket)
{
    switch (m_mode) {
    case Mode::Silent:
        return;
    case Mode::Answer:
        socket->write("HTTP/1.1 " + QByteArray::number(m_status) + ' ' + m_reason
            + "\r\nContent-Type: text/xml\r\nContent-Length: " + QByteArray::number(m_body.size())
            + "\r\nConnection: close\r\n\r\n" + m_body);
        break;
    case Mode::Stream:
        socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/xml\r\nConnection: close\r\n\r\n" + m_body);
        break;
    }
    socket->disconnectFromHost();
}

QString DownServerUrl()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    const quint16 port = probe.serverPort();
    probe.close();
    return QStringLiteral("http://127.0.0.1:%1/updates.xml").arg(port);
}

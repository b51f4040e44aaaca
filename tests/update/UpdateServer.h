#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>

// A web server of the test's own on the loopback interface: it answers every request with what
// the test set, and records the request lines.
class UpdateServer : public QObject {
    Q_OBJECT

public:
    enum class Mode {
        Answer,  // status and body, with Content-Length
        Stream,  // status 200 and the body without a length, then the connection closes
        Silent,  // never answers
    };

    UpdateServer();
    ~UpdateServer() override;

    bool IsListening() const { return m_server.isListening(); }
    QString Url(const QString& path = QStringLiteral("/updates.xml")) const;

    void Answer(const QByteArray& body, int status = 200, const QByteArray& reason = "OK")
    {
        m_mode = Mode::Answer;
        m_body = body;
        m_status = status;
        m_reason = reason;
    }
    void Stream(const QByteArray& body)
    {
        m_mode = Mode::Stream;
        m_body = body;
    }
    void StaySilent() { m_mode = Mode::Silent; }

    QStringList requests;  // "GET /updates.xml"

private:
    void Serve(QTcpSocket* socket);

    QTcpServer m_server;
    QList<QPointer<QTcpSocket>> m_sockets;
    Mode m_mode = Mode::Answer;
    QByteArray m_body;
    int m_status = 200;
    QByteArray m_reason = "OK";
};

// A port on which nothing listens: a server that is down.
QString DownServerUrl();

#pragma once

#include "base/XmlDocument.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

// The update information document loaded asynchronously over HTTP, the way the dialog sees a
// DOM document: its ready state goes to 1 (loading) when the request starts and to 4 (complete)
// when it ends, and every failure (server down, time-out, an HTTP error, a document too large
// or not well-formed) is reported as the document's parse error with a reason in words.
class UpdateDocumentLoader : public QObject {
    Q_OBJECT

public:
    // A document of update information is a few kilobytes; more is refused as it arrives.
    static constexpr qint64 kMaxBytes = 512 * 1024;
    static constexpr int kDefaultTimeoutMs = 30000;

    explicit UpdateDocumentLoader(QObject* parent = nullptr);
    ~UpdateDocumentLoader() override;

    // Starts loading url; a load still running is abandoned. Returns at once.
    void Load(const QUrl& url);
    // The whole transfer's time limit.
    void SetTimeout(int milliseconds) { m_timeoutMs = milliseconds; }

    int ReadyState() const { return m_readyState; }
    const XmlDocument& Document() const { return m_document; }
    // errorCode 0 when the document arrived and parsed.
    const XmlParseError& ParseError() const { return m_error; }

Q_SIGNALS:
    // UpdateXML_onreadystatechange: the ready state changed (1, then 4).
    void ReadyStateChange();

private:
    void Finish();
    void Fail(const QString& reason);
    void Complete(int errorCode, const QString& reason);
    void CheckSize(qint64 bytes);

    QNetworkAccessManager* m_network = nullptr;
    QPointer<QNetworkReply> m_reply;
    QTimer m_timeout;
    QByteArray m_body;
    XmlDocument m_document;
    XmlParseError m_error;
    int m_readyState = 0;
    int m_timeoutMs = kDefaultTimeoutMs;
    QString m_abortReason;  // why the loader ended the transfer itself
};

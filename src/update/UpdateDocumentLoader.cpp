#include "update/UpdateDocumentLoader.h"

#include "base/Version.h"
#include "lang/Language.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace {

// The error code of a document that never arrived (the parser's own codes are lower).
constexpr int kDownloadFailed = 1000;
constexpr int kMaxRedirects = 5;

}  // namespace

UpdateDocumentLoader::UpdateDocumentLoader(QObject* parent)
    : QObject(parent)
    , m_network(new QNetworkAccessManager(this))
{
    m_timeout.setSingleShot(true);
    connect(&m_timeout, &QTimer::timeout, this, [this] {
        Fail(LangText(QStringLiteral("frmUpdate/strTimeout"),
            QStringLiteral("The server did not send the update information within %1 seconds."))
                 .arg(QString::number(m_timeoutMs / 1000.0, 'g', 3)));
    });
}

UpdateDocumentLoader::~UpdateDocumentLoader()
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
    }
}

void UpdateDocumentLoader::Load(const QUrl& url)
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
        m_reply->deleteLater();
    }
    m_body.clear();
    m_abortReason.clear();
    m_document = XmlDocument();
    m_error = XmlParseError();

    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(kMaxRedirects);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setHeader(QNetworkRequest::UserAgentHeader, VersionText().replace(QLatin1Char(' '), QLatin1Char('/')));
    m_reply = m_network->get(request);
    connect(m_reply, &QNetworkReply::metaDataChanged, this, [this] {
        if (m_reply)
            CheckSize(m_reply->header(QNetworkRequest::ContentLengthHeader).toLongLong());
    });
    connect(m_reply, &QNetworkReply::readyRead, this, [this] {
        if (!m_reply)
            return;
        m_body += m_reply->readAll();
        CheckSize(m_body.size());
    });
    connect(m_reply, &QNetworkReply::finished, this, &UpdateDocumentLoader::Finish);
    m_timeout.start(m_timeoutMs);

    m_readyState = 1;
    Q_EMIT ReadyStateChange();
}

void UpdateDocumentLoader::CheckSize(qint64 bytes)
{
    if (bytes > kMaxBytes && m_reply && m_abortReason.isEmpty())
        Fail(LangText(QStringLiteral("frmUpdate/strTooLarge"), QStringLiteral("The update information is larger than %1 KB."))
                 .arg(kMaxBytes / 1024));
}

void UpdateDocumentLoader::Fail(const QString& reason)
{
    if (!m_reply)
        return;
    m_abortReason = reason;
    m_reply->abort();  // finishes the reply, which ends in Finish
}

void UpdateDocumentLoader::Finish()
{
    QNetworkReply* reply = m_reply;
    if (!reply)
        return;
    m_timeout.stop();
    m_reply = nullptr;
    reply->deleteLater();
    if (!m_abortReason.isEmpty()) {
        Complete(kDownloadFailed, m_abortReason);
        return;
    }
    m_body += reply->readAll();
    if (reply->error() != QNetworkReply::NoError) {
        Complete(kDownloadFailed, reply->errorString());
        return;
    }
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status != 0 && status != 200) {
        Complete(kDownloadFailed,
            QStringLiteral("The server answered %1 %2.")
                .arg(status)
                .arg(reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString()));
        return;
    }
    if (m_document.loadXML(QString::fromUtf8(m_body)))
        Complete(0, QString());
    else
        Complete(m_document.parseError().errorCode, m_document.parseError().reason);
}

void UpdateDocumentLoader::Complete(int errorCode, const QString& reason)
{
    if (errorCode != 0) {
        m_error = m_document.parseError();
        m_error.errorCode = errorCode;
        m_error.reason = reason;
    }
    m_body.clear();
    m_readyState = 4;
    Q_EMIT ReadyStateChange();
}

#include "engine/EngineSchemeHandler.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>

EngineSchemeHandler::EngineSchemeHandler(QObject* parent)
    : QWebEngineUrlSchemeHandler(parent)
{
}

void EngineSchemeHandler::RegisterScheme()
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    QWebEngineUrlScheme scheme(kScheme);
    // A host part makes relative addresses inside movies resolve like file paths.
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Host);
    scheme.setFlags(QWebEngineUrlScheme::SecureScheme | QWebEngineUrlScheme::LocalAccessAllowed | QWebEngineUrlScheme::CorsEnabled
        | QWebEngineUrlScheme::ContentSecurityPolicyIgnored);
    QWebEngineUrlScheme::registerScheme(scheme);
}

QUrl EngineSchemeHandler::UrlForPath(const QString& path, const QString& query)
{
    QUrl url;
    url.setScheme(QLatin1String(kScheme));
    url.setHost(QLatin1String(kHost));
    QString absolute = QDir::cleanPath(QDir::fromNativeSeparators(path));
    if (!absolute.startsWith(QLatin1Char('/')))
        absolute.prepend(QLatin1Char('/'));
    url.setPath(absolute, QUrl::DecodedMode);
    if (!query.isEmpty())
        url.setQuery(query);
    return url;
}

QString EngineSchemeHandler::PathForUrl(const QUrl& url)
{
    if (url.scheme() != QLatin1String(kScheme))
        return QString();
    return QDir::cleanPath(url.path(QUrl::FullyDecoded));
}

void EngineSchemeHandler::AllowFolder(const QString& folder)
{
    if (folder.isEmpty())
        return;
    QString clean = QDir::cleanPath(QDir::fromNativeSeparators(folder));
    if (!clean.endsWith(QLatin1Char('/')))
        clean += QLatin1Char('/');
    m_folders.insert(clean);
}

bool EngineSchemeHandler::IsAllowed(const QString& path) const
{
    const QString clean = QDir::cleanPath(path);
    if (m_held.contains(clean))
        return true;
    bool below = false;
    for (const QString& folder : m_folders)
        below = below || clean.startsWith(folder);
    if (!below)
        return false;
    // A link inside an allowed folder may lead out of it: what it leads to must lie in an
    // allowed folder too. A path that names nothing is answered as not found.
    const QFileInfo info(clean);
    if (!info.exists())
        return !info.isSymLink();
    const QString target = info.canonicalFilePath();
    for (const QString& folder : m_folders) {
        const QString real = QFileInfo(folder).canonicalFilePath();
        if (!real.isEmpty() && (target + QLatin1Char('/')).startsWith(real + QLatin1Char('/')))
            return true;
    }
    return false;
}

void EngineSchemeHandler::Hold(const QString& path, const QByteArray& bytes)
{
    Held& held = m_held[QDir::cleanPath(path)];
    held.bytes = bytes;
    ++held.count;
}

void EngineSchemeHandler::Release(const QString& path)
{
    const auto found = m_held.find(QDir::cleanPath(path));
    if (found != m_held.end() && --found->count <= 0)
        m_held.erase(found);
}

void EngineSchemeHandler::requestStarted(QWebEngineUrlRequestJob* job)
{
    const QString path = PathForUrl(job->requestUrl());
    if (path.isEmpty() || job->requestUrl().host() != QLatin1String(kHost) || !IsAllowed(path)) {
        ++m_refusals;
        job->fail(QWebEngineUrlRequestJob::RequestDenied);
        return;
    }
    const QByteArray mime = EngineMimeType(path);
    const auto held = m_held.constFind(path);
    if (held != m_held.constEnd()) {
        auto* buffer = new QBuffer(job);
        buffer->setData(held->bytes);
        job->reply(mime, buffer);
        return;
    }
    // The web channel's script ships inside Qt; the page asks for it beside its own files.
    if (path.endsWith(QLatin1String("/qwebchannel.js")) && !QFileInfo::exists(path)) {
        QFile resource(QStringLiteral(":/qtwebchannel/qwebchannel.js"));
        if (resource.open(QIODevice::ReadOnly)) {
            auto* buffer = new QBuffer(job);
            buffer->setData(resource.readAll());
            job->reply(mime, buffer);
            return;
        }
    }
    auto* file = new QFile(path, job);
    if (!QFileInfo(path).isFile() || !file->open(QIODevice::ReadOnly)) {
        job->fail(QWebEngineUrlRequestJob::UrlNotFound);
        return;
    }
    job->reply(mime, file);
}

QByteArray EngineMimeType(const QString& path)
{
    static const QHash<QString, QByteArray> types = {
        {QStringLiteral("html"), "text/html"},
        {QStringLiteral("htm"), "text/html"},
        {QStringLiteral("js"), "text/javascript"},
        {QStringLiteral("wasm"), "application/wasm"},
        {QStringLiteral("swf"), "application/x-shockwave-flash"},
        {QStringLiteral("xml"), "text/xml"},
        {QStringLiteral("txt"), "text/plain"},
        {QStringLiteral("json"), "application/json"},
        {QStringLiteral("jpg"), "image/jpeg"},
        {QStringLiteral("jpeg"), "image/jpeg"},
        {QStringLiteral("png"), "image/png"},
        {QStringLiteral("gif"), "image/gif"},
        {QStringLiteral("mp3"), "audio/mpeg"},
        {QStringLiteral("flv"), "video/x-flv"},
    };
    const QString extension = QFileInfo(path).suffix().toLower();
    return types.value(extension, QByteArrayLiteral("application/octet-stream"));
}

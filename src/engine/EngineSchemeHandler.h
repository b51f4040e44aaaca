#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QUrl>
#include <QWebEngineUrlSchemeHandler>

// Serves the engine page and the movies to the web view through the "vorlen:" scheme.
// URLs are vorlen://local + an absolute path (percent-encoded) + an optional query string.
// Only the engine folder, the application's Flash folder, the cache folder and the folders
// of movies the control loaded are answered; any other path is refused, and so is a link
// in an allowed folder that leads out of the allowed folders. Files can be
// replaced by bytes held in memory (a movie with the host loader inserted, the host movie,
// sound.swf): the file on disk is never changed.
class EngineSchemeHandler : public QWebEngineUrlSchemeHandler {
    Q_OBJECT
public:
    explicit EngineSchemeHandler(QObject* parent = nullptr);

    // Registers the scheme with the web engine; must run before the first web engine
    // object is made. Safe to call more than once.
    static void RegisterScheme();

    static constexpr const char* kScheme = "vorlen";
    static constexpr const char* kHost = "local";

    // The vorlen: address of a local path (query string kept apart).
    static QUrl UrlForPath(const QString& path, const QString& query = QString());
    // The local path of a vorlen: address ("" for another scheme).
    static QString PathForUrl(const QUrl& url);

    // Folders ("/"-terminated) below which files are answered.
    void AllowFolder(const QString& folder);
    bool IsAllowed(const QString& path) const;

    // Bytes served in place of the file at path; counted, so that two controls may hold the
    // same path. release undoes one hold.
    void Hold(const QString& path, const QByteArray& bytes);
    void Release(const QString& path);

    void requestStarted(QWebEngineUrlRequestJob* job) override;

    // Number of requests refused so far (for tests).
    int Refusals() const { return m_refusals; }

private:
    struct Held {
        QByteArray bytes;
        int count = 0;
    };
    QSet<QString> m_folders;
    QHash<QString, Held> m_held;
    int m_refusals = 0;
};

// The type a file is served with, from its extension.
QByteArray EngineMimeType(const QString& path);

#include "engine/RuffleFlashControl.h"

#include "base/FileNames.h"
#include "engine/EngineBridge.h"
#include "engine/EngineMovie.h"
#include "engine/EngineMovies.h"
#include "engine/EngineSchemeHandler.h"
#include "engine/SharedEngine.h"

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>
#include <QUrlQuery>
#include <QWebChannel>
#include <QWebEngineView>

#include <algorithm>

namespace {

// The Flash Player version Ruffle emulates.
constexpr int kEmulatedMajorVersion = 32;

// The scale modes by number, as the engine and ActionScript name them.
const char* const kScaleModes[] = {"showAll", "noBorder", "exactFit", "noScale"};

QString JsonArguments(const QJsonArray& arguments)
{
    QString text = QString::fromUtf8(QJsonDocument(arguments).toJson(QJsonDocument::Compact));
    return text.mid(1, text.size() - 2);
}

// Splits what LoadMovie gets into a local path and query, or a remote address.
struct MovieAddress {
    QString path;
    QString query;
    QString remote;
};

MovieAddress SplitAddress(const QString& url)
{
    MovieAddress address;
    const QUrl parsed(url);
    const QString scheme = parsed.scheme().toLower();
    if (scheme.size() > 1 && scheme != QLatin1String("file")) {
        if (scheme == QLatin1String(EngineSchemeHandler::kScheme)) {
            address.path = EngineSchemeHandler::PathForUrl(parsed);
            address.query = parsed.query(QUrl::FullyEncoded);
        } else {
            address.remote = url;
        }
        return address;
    }
    QString text = url;
    if (scheme == QLatin1String("file"))
        text = parsed.toLocalFile() + (parsed.hasQuery() ? QLatin1Char('?') + parsed.query(QUrl::FullyEncoded) : QString());
    const qsizetype mark = text.indexOf(QLatin1Char('?'));
    address.path = NormalizePath(mark < 0 ? text : text.left(mark));
    address.query = mark < 0 ? QString() : text.mid(mark + 1);
    if (!address.path.isEmpty() && QDir::isRelativePath(address.path))
        address.path = QDir::current().absoluteFilePath(address.path);
    address.path = QDir::cleanPath(address.path);
    return address;
}

QString EngineAddress(const MovieAddress& address)
{
    if (!address.remote.isEmpty())
        return address.remote;
    return QString::fromLatin1(EngineSchemeHandler::UrlForPath(address.path, address.query).toEncoded());
}

// The _quality value of a quality name.
QString ActionScriptQuality(const QString& name)
{
    switch (QualityNumber(name)) {
    case 0:
    case 2:
        return QStringLiteral("LOW");
    case 4:
        return QStringLiteral("MEDIUM");
    case 5:
        return QStringLiteral("BEST");
    default:
        return QStringLiteral("HIGH");
    }
}

}  // namespace

RuffleFlashControl::RuffleFlashControl(QWidget* parent)
    : FlashControl(parent)
{
    PrepareEngine();
    m_view = new QWebEngineView(parent);
    m_view->setContextMenuPolicy(Qt::NoContextMenu);
    // Files dropped on the movie are the window's (the page would open them itself).
    m_view->setAcceptDrops(false);
    m_view->resize(550, 400);

    m_bridge = new EngineBridge(this);
    m_channel = new QWebChannel(this);
    m_channel->registerObject(QStringLiteral("bridge"), m_bridge);

    connect(m_bridge, &EngineBridge::PageReady, this, &RuffleFlashControl::OnPageReady);
    connect(m_bridge, &EngineBridge::EngineReady, this, [this] { m_engineReady = true; });
    connect(m_bridge, &EngineBridge::Loaded, this, &RuffleFlashControl::OnLoaded);
    connect(m_bridge, &EngineBridge::Frame, this, &RuffleFlashControl::OnFrame);
    connect(m_bridge, &EngineBridge::HostReady, this, [this](int serial) {
        if (serial == m_serial)
            m_hostReady = true;
    });
    connect(m_bridge, &EngineBridge::Failed, this, [this](int serial, const QString& message, int kind) {
        if (kind == EngineBridge::kRefused) {
            Fail(serial, message);
            return;
        }
        // The page cannot be used again. The current movie goes on in a fresh page unless it
        // is the one that broke the engine; one that found the engine broken gets one retry.
        const bool current = serial == m_serial;
        const bool again = !current || (kind == EngineBridge::kEngineBroken && m_retriedSerial != m_serial);
        if (current && again)
            m_retriedSerial = m_serial;
        if (!again)
            Fail(serial, message);
        RestartEngine(again ? m_sinceLoad : QStringList());
    });
    connect(m_bridge, &EngineBridge::FSCommand, this, &RuffleFlashControl::FSCommand);
    connect(m_bridge, &EngineBridge::Painted, this, [this](int ticket) { m_paintedTicket = std::max(m_paintedTicket, ticket); });

    // The input widget of the view is made (and replaced) by the web engine.
    m_view->installEventFilter(this);
    StartPage();
}

RuffleFlashControl::~RuffleFlashControl()
{
    if (!m_heldPath.isEmpty())
        EngineOfProcess().handler->Release(m_heldPath);
    if (m_view && !m_view->parent())
        delete m_view;
}

int RuffleFlashControl::FlashVersion() const
{
    return kEmulatedMajorVersion << 16;
}

QWidget* RuffleFlashControl::widget()
{
    return m_view;
}

void RuffleFlashControl::RunScript(const QString& script)
{
    // Replayed only right after a load; a movie that plays on needs no record.
    if (m_sinceLoad.size() < 64)
        m_sinceLoad << script;
    if (!m_pageReady) {
        m_pendingScripts << script;
        return;
    }
    m_view->page()->runJavaScript(script);
}

void RuffleFlashControl::OnPageReady()
{
    m_pageReady = true;
    const QStringList pending = m_pendingScripts;
    m_pendingScripts.clear();
    for (const QString& script : pending)
        m_view->page()->runJavaScript(script);
}

void RuffleFlashControl::CallHost(const char* name, const QJsonArray& arguments)
{
    QJsonArray all{QString::fromLatin1(name)};
    for (const QJsonValue& value : arguments)
        all.append(value);
    RunScript(QStringLiteral("vorlen.host(%1)").arg(JsonArguments(all)));
}

void RuffleFlashControl::LoadMovie(int layer, const QString& url)
{
    if (layer == 0 && url.isEmpty()) {
        // Empties the control.
        if (!m_heldPath.isEmpty())
            EngineOfProcess().handler->Release(m_heldPath);
        m_heldPath.clear();
        m_lastError.clear();
        m_movieSize = QSize();
        Unload();
        return;
    }
    const MovieAddress address = SplitAddress(url);
    if (layer == 0)
        LoadRoot(address.path, address.query, address.remote);
    else
        LoadLevel(layer, address.path, address.query, address.remote);
}

void RuffleFlashControl::AllowFolder(const QString& folder)
{
    EngineOfProcess().handler->AllowFolder(folder);
}

void RuffleFlashControl::Unload()
{
    ++m_serial;
    m_loaded = false;
    m_hostReady = false;
    m_hostInserted = false;
    m_actionScript3 = false;
    m_currentFrame = 0;
    m_totalFrames = 0;
    m_playing = false;
    m_paintedTicket = m_paintTicket;  // nothing left to wait for
    m_sinceLoad.clear();
    RunScript(QStringLiteral("vorlen.unload()"));
}

void RuffleFlashControl::LoadRoot(const QString& path, const QString& query, const QString& remoteUrl)
{
    SharedEngine& engine = EngineOfProcess();
    if (!m_heldPath.isEmpty()) {
        engine.handler->Release(m_heldPath);
        m_heldPath.clear();
    }
    m_lastError.clear();
    m_movieSize = QSize();
    MovieAddress address{path, query, remoteUrl};
    EngineMovie movie;
    if (remoteUrl.isEmpty()) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            Unload();
            Fail(m_serial, QStringLiteral("cannot read %1").arg(path));
            return;
        }
        const QByteArray hostUrl = EngineSchemeHandler::UrlForPath(HostMoviePath()).toEncoded();
        movie = PrepareEngineMovie(file.readAll(), hostUrl, engine.frameHostAbc);
        if (!movie.error.isEmpty()) {
            Unload();
            Fail(m_serial, movie.error);
            return;
        }
        if (movie.width > 0 && movie.height > 0)
            m_movieSize = QSize(movie.width, movie.height);
        engine.handler->Hold(path, movie.bytes);
        m_heldPath = QDir::cleanPath(path);
        engine.handler->AllowFolder(FolderOf(path));
    }
    Unload();
    m_actionScript3 = movie.actionScript3 || !remoteUrl.isEmpty();
    m_hostInserted = movie.hostInserted;
    m_totalFrames = movie.frameCount;
    m_playing = true;

    QJsonObject options;
    options.insert(QStringLiteral("actionScript3"), m_actionScript3);
    const bool faster = m_minimumFrameRate > 0 && movie.frameRate < m_minimumFrameRate;
    options.insert(QStringLiteral("frameRate"), faster ? m_minimumFrameRate : movie.frameRate);
    if (faster)
        options.insert(QStringLiteral("forceFrameRate"), m_minimumFrameRate);
    options.insert(QStringLiteral("host"), m_hostInserted);
    options.insert(QStringLiteral("quality"), ActionScriptQuality(m_quality).toLower());
    options.insert(QStringLiteral("scale"), QLatin1String(kScaleModes[m_scaleMode]));
    if (m_scriptTimeLimit > 0)
        options.insert(QStringLiteral("maxExecutionDuration"), m_scriptTimeLimit);
    if (!m_bgColor.isEmpty())
        options.insert(QStringLiteral("backgroundColor"), QLatin1Char('#') + m_bgColor);
    // A shot right after the load waits for the movie's first frame to be painted.
    const QJsonArray arguments{EngineAddress(address), options, m_serial, ++m_paintTicket};
    RunScript(QStringLiteral("vorlen.load(%1)").arg(JsonArguments(arguments)));
    if (!m_loop && m_hostInserted)
        CallHost(HostCallback::kLoop, {false});
}

void RuffleFlashControl::LoadLevel(int layer, const QString& path, const QString& query, const QString& remoteUrl)
{
    if (remoteUrl.isEmpty())
        EngineOfProcess().handler->AllowFolder(FolderOf(path));
    const bool soundMovie = remoteUrl.isEmpty() && FileNameOf(path).compare(QLatin1String("sound.swf"), Qt::CaseInsensitive) == 0;
    if (!HasFrameControl() || m_actionScript3) {
        // Without the AVM1 host movie only the volume of sound.swf can be applied.
        if (soundMovie) {
            const QString volume = QUrlQuery(query).queryItemValue(QStringLiteral("volume"));
            bool ok = false;
            const double level = volume.toDouble(&ok);
            if (ok)
                RunScript(QStringLiteral("vorlen.volume(%1)").arg(std::clamp(level, 0.0, 100.0) / 100.0));
        }
        return;
    }
    const MovieAddress address{path, query, remoteUrl};
    CallHost(HostCallback::kLoad, {EngineAddress(address), QStringLiteral("_level%1").arg(layer)});
}

void RuffleFlashControl::OnLoaded(int serial, int frames, bool actionScript3, int width, int height)
{
    if (serial != m_serial)
        return;
    m_loaded = true;
    if (frames > 0)
        m_totalFrames = frames;
    Q_EMIT OnReadyStateChange(4);
}

void RuffleFlashControl::OnFrame(int serial, int frame, int total, bool playing)
{
    if (serial != m_serial)
        return;
    m_currentFrame = std::max(0, frame - 1);
    m_totalFrames = total;
    m_playing = playing;
}

void RuffleFlashControl::Play()
{
    m_playing = true;
    // An ActionScript 3 movie may have been suspended before its frame host answered.
    if (m_actionScript3 || !HasFrameControl())
        RunScript(QStringLiteral("vorlen.resume()"));
    if (HasFrameControl() && !WithoutAs3Host())
        CallHost(HostCallback::kPlay);
}

void RuffleFlashControl::Stop()
{
    m_playing = false;
    if (HasFrameControl() && !WithoutAs3Host())
        CallHost(HostCallback::kStop);
    else
        RunScript(QStringLiteral("vorlen.suspend()"));
}

void RuffleFlashControl::Back()
{
    if (!HasFrameControl())
        return;
    m_playing = false;
    m_currentFrame = std::max(0, m_currentFrame - 1);
    CallHost(HostCallback::kPrev);
    RunScript(QStringLiteral("vorlen.whenPainted(%1, false)").arg(++m_paintTicket));
}

void RuffleFlashControl::Forward()
{
    if (!HasFrameControl())
        return;
    m_playing = false;
    if (m_currentFrame + 1 < m_totalFrames)
        ++m_currentFrame;
    CallHost(HostCallback::kNext);
    RunScript(QStringLiteral("vorlen.whenPainted(%1, false)").arg(++m_paintTicket));
}

void RuffleFlashControl::Rewind()
{
    GotoFrame(0);
}

void RuffleFlashControl::GotoFrame(int frame)
{
    const int ticket = ++m_paintTicket;
    if (!HasFrameControl()) {
        RunScript(QStringLiteral("vorlen.whenPainted(%1)").arg(ticket));
        return;
    }
    m_playing = false;
    m_currentFrame = frame;
    RunScript(QStringLiteral("vorlen.gotoFrame(%1, false, %2)").arg(frame + 1).arg(ticket));
}

void RuffleFlashControl::SetPlaying(bool playing)
{
    if (playing)
        Play();
    else
        Stop();
}

void RuffleFlashControl::SetQuality2(const QString& quality)
{
    const int number = QualityNumber(quality);
    if (number < 0)
        return;
    m_quality = QualityName(number);
    if (HasFrameControl())
        CallHost(HostCallback::kQuality, {ActionScriptQuality(m_quality)});
}

int RuffleFlashControl::Quality() const
{
    return QualityNumber(m_quality);
}

void RuffleFlashControl::SetQuality(int quality)
{
    const QString name = QualityName(quality);
    if (!name.isEmpty())
        SetQuality2(name);
}

void RuffleFlashControl::SetScaleMode(int mode)
{
    if (mode < 0 || mode > 3)
        return;
    m_scaleMode = mode;
    if (HasFrameControl())
        CallHost(HostCallback::kScale, {QLatin1String(kScaleModes[mode])});
}

void RuffleFlashControl::SetLoop(bool loop)
{
    m_loop = loop;
    if (HasFrameControl())
        CallHost(HostCallback::kLoop, {loop});
}

void RuffleFlashControl::SetBGColor(const QString& color)
{
    const QString hex = BackgroundDigits(color);
    if (hex.isNull())
        return;
    m_bgColor = hex;
    // The page paints the background under the engine's transparent stage: this takes
    // effect at once, and "" brings back the movie's own colour.
    RunScript(QStringLiteral("vorlen.background(\"%1\")").arg(m_bgColor.isEmpty() ? QString() : QLatin1Char('#') + m_bgColor));
}

QString RuffleFlashControl::LevelZeroVariable(const QString& name)
{
    if (name.startsWith(QLatin1String("_level")))
        return name;
    if (name == QLatin1String("_root"))
        return QStringLiteral("_level0");
    if (name.startsWith(QLatin1String("_root.")) || name.startsWith(QLatin1String("_root:"))
        || name.startsWith(QLatin1String("_root/")))
        return QStringLiteral("_level0") + name.mid(5);
    if (name.startsWith(QLatin1Char('/'))) {
        // Slash syntax: "/:x" is x of the movie, "/clip:x" x of a clip.
        const QString rest = name.mid(1);
        return rest.startsWith(QLatin1Char(':')) ? QStringLiteral("_level0") + rest : QStringLiteral("_level0/") + rest;
    }
    return QStringLiteral("_level0.") + name;
}

QString RuffleFlashControl::LevelZeroTarget(const QString& target)
{
    if (target.isEmpty() || target == QLatin1String("/") || target == QLatin1String("_root"))
        return QStringLiteral("_level0");
    if (target.startsWith(QLatin1String("_level")))
        return target;
    if (target.startsWith(QLatin1String("_root.")) || target.startsWith(QLatin1String("_root/")))
        return QStringLiteral("_level0") + target.mid(5);
    if (target.startsWith(QLatin1Char('/')))
        return QStringLiteral("_level0") + target;
    return QStringLiteral("_level0/") + target;
}

void RuffleFlashControl::SetVariable(const QString& name, const QString& value)
{
    if (m_actionScript3) {
        // The movie's own callback, else the frame host.
        RunScript(QStringLiteral("vorlen.setVariable(%1)").arg(JsonArguments({name, LevelZeroVariable(name), value})));
        return;
    }
    if (HasFrameControl())
        CallHost(HostCallback::kSet, {LevelZeroVariable(name), value});
}

void RuffleFlashControl::TCallLabel(const QString& target, const QString& label)
{
    if (m_actionScript3) {
        RunScript(QStringLiteral("vorlen.callLabel(%1)").arg(JsonArguments({target, label})));
        return;
    }
    if (HasFrameControl())
        CallHost(HostCallback::kCall, {LevelZeroTarget(target) + QLatin1Char(':') + label});
}

void RuffleFlashControl::SetInputFilter(QObject* filter)
{
    if (m_filteredProxy && m_inputFilter)
        m_filteredProxy->removeEventFilter(m_inputFilter);
    m_inputFilter = filter;
    m_filteredProxy = nullptr;
    InstallInputFilter();
}

void RuffleFlashControl::InstallInputFilter()
{
    QWidget* proxy = m_view->focusProxy();
    if (!proxy || proxy == m_filteredProxy)
        return;
    if (m_filteredProxy && m_inputFilter)
        m_filteredProxy->removeEventFilter(m_inputFilter);
    m_filteredProxy = proxy;
    if (m_inputFilter)
        proxy->installEventFilter(m_inputFilter);
}

bool RuffleFlashControl::eventFilter(QObject* watched, QEvent* event)
{
    // The web engine makes its input widget after the page starts and may replace it.
    if (watched == m_view && (event->type() == QEvent::ChildAdded || event->type() == QEvent::ChildPolished))
        QTimer::singleShot(0, this, [this] { InstallInputFilter(); });
    return FlashControl::eventFilter(watched, event);
}

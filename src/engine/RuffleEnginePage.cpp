// The engine page's life in a Flash control: the web engine's process flags, the profile that
// every control shares, the page (made again when the engine broke, crashed or hangs), waiting
// for what the page reports, and the pictures taken from it.
#include "engine/RuffleFlashControl.h"

#include "base/AppFolders.h"
#include "engine/Avm2Host.h"
#include "engine/EngineMovies.h"
#include "engine/EngineSchemeHandler.h"
#include "engine/SharedEngine.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QTimer>
#include <QWebChannel>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include <algorithm>
#include <memory>

#include <unistd.h>

SharedEngine& EngineOfProcess()
{
    static SharedEngine engine;
    if (!engine.profile) {
        engine.profile = new QWebEngineProfile(qApp);  // off the record: nothing on disk
        engine.handler = new EngineSchemeHandler(qApp);
        engine.profile->installUrlSchemeHandler(EngineSchemeHandler::kScheme, engine.handler);
        engine.handler->AllowFolder(RuffleFlashControl::EngineFolder());
        engine.handler->AllowFolder(Folders().flash);
        engine.handler->AllowFolder(Folders().cache);
        engine.handler->Hold(RuffleFlashControl::HostMoviePath(), BuildHostMovie());
        engine.handler->Hold(RuffleFlashControl::EngineFolder() + QStringLiteral("blank.swf"), BuildBlankMovie());
        if (!QFileInfo::exists(RuffleFlashControl::SoundMoviePath()))
            engine.handler->Hold(RuffleFlashControl::SoundMoviePath(), BuildSoundMovie());
        QFile frameHost(RuffleFlashControl::EngineFolder() + QStringLiteral("as3host.swf"));
        if (frameHost.open(QIODevice::ReadOnly))
            engine.frameHostAbc = FrameHostAbcTag(frameHost.readAll());
    }
    return engine;
}

void RuffleFlashControl::PrepareEngine()
{
    static bool prepared = false;
    if (prepared)
        return;
    prepared = true;
    QStringList flags = QString::fromLocal8Bit(qgetenv("QTWEBENGINE_CHROMIUM_FLAGS")).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    auto add = [&flags](const char* flag) {
        if (!flags.contains(QLatin1String(flag)))
            flags << QLatin1String(flag);
    };
    // The web engine refuses to start its sandbox as root.
    if (geteuid() == 0) {
        add("--no-sandbox");
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    }
    // Without a render node there is no GPU: Ruffle's canvas renderer needs none.
    if (QDir(QStringLiteral("/dev/dri")).entryList({QStringLiteral("renderD*")}, QDir::System).isEmpty())
        add("--disable-gpu");
    // Shots are taken from views that are not on screen: keep them running.
    add("--disable-background-timer-throttling");
    add("--disable-renderer-backgrounding");
    add("--disable-backgrounding-occluded-windows");
    add("--autoplay-policy=no-user-gesture-required");
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags.join(QLatin1Char(' ')).toLocal8Bit());
    // The web engine lists its start-up parameters as information; keep the console quiet.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
    EngineSchemeHandler::RegisterScheme();
}

QString RuffleFlashControl::EngineFolder()
{
    return Folders().flash + QStringLiteral("engine/");
}

QString RuffleFlashControl::HostMoviePath()
{
    return EngineFolder() + QStringLiteral("host.swf");
}

QString RuffleFlashControl::SoundMoviePath()
{
    return Folders().flash + QStringLiteral("sound.swf");
}

void RuffleFlashControl::StartPage()
{
    auto* page = new QWebEnginePage(EngineOfProcess().profile, m_view);
    QWebEngineSettings* settings = page->settings();
    settings->setAttribute(QWebEngineSettings::PlaybackRequiresUserGesture, false);
    settings->setAttribute(QWebEngineSettings::ShowScrollBars, false);
    settings->setAttribute(QWebEngineSettings::JavascriptEnabled, true);
    settings->setAttribute(QWebEngineSettings::FocusOnNavigationEnabled, true);
    page->setBackgroundColor(Qt::black);
    page->setAudioMuted(m_muted);
    page->setWebChannel(m_channel);
    connect(page, &QWebEnginePage::renderProcessTerminated, this,
        [this](QWebEnginePage::RenderProcessTerminationStatus status, int) { OnRenderProcessTerminated(status); });
    QWebEnginePage* old = m_page;
    m_page = page;
    m_view->setPage(page);
    if (old) {
        // Its process ends with it, whether it crashed, broke or hangs.
        old->disconnect(this);
        old->setWebChannel(nullptr);
        old->deleteLater();
    }
    page->load(EngineSchemeHandler::UrlForPath(EngineFolder() + QStringLiteral("index.html")));
}

void RuffleFlashControl::SetMuted(bool muted)
{
    m_muted = muted;
    m_view->page()->setAudioMuted(muted);
}

void RuffleFlashControl::Repaint()
{
    RunScript(QStringLiteral("vorlen.whenPainted(%1, true, false)").arg(++m_paintTicket));
}

QImage RuffleFlashControl::Capture(int timeoutMs)
{
    // The engine's own canvas holds exactly the frame it painted; the view's copy of it may
    // still be on its way from the compositor.
    if (!m_pageReady)
        return QImage();
    // Shared with the callback, which may come after this call gave up waiting.
    auto answer = std::make_shared<std::pair<bool, QImage>>(false, QImage());
    m_view->page()->runJavaScript(QStringLiteral("vorlen.capture()"), [answer](const QVariant& result) {
        const QString text = result.toString();
        const qsizetype comma = text.indexOf(QLatin1Char(','));
        if (text.startsWith(QLatin1String("data:image/png;base64,")) && comma > 0)
            answer->second.loadFromData(QByteArray::fromBase64(text.mid(comma + 1).toLatin1()), "PNG");
        answer->first = true;
    });
    WaitFor([answer] { return answer->first; }, timeoutMs);
    return answer->second;
}

QImage RuffleFlashControl::AtViewSize(QImage image) const
{
    if (image.isNull())
        return image;
    if (image.size() != m_view->size() && !m_view->size().isEmpty())
        image = image.scaled(m_view->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return image.convertToFormat(QImage::Format_RGB888);
}

QImage RuffleFlashControl::GrabPaintedFrame(int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    if (!WaitFor([this] { return m_paintedTicket >= m_paintTicket; }, timeoutMs))
        return QImage();
    return AtViewSize(Capture(static_cast<int>(std::max<qint64>(1, timeoutMs - timer.elapsed()))));
}

QImage RuffleFlashControl::GrabFrame()
{
    WaitFor([this] { return m_paintedTicket >= m_paintTicket; }, 3000);
    QImage image = Capture(3000);
    if (image.isNull())
        image = m_view->grab().toImage();
    return AtViewSize(image);
}

bool RuffleFlashControl::WaitFor(const std::function<bool()>& condition, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        const qint64 left = timeoutMs - timer.elapsed();
        if (left <= 0)
            return false;
        QEventLoop loop;
        QTimer::singleShot(std::min<qint64>(left, 5), &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

bool RuffleFlashControl::WaitForPage(int timeoutMs)
{
    return WaitFor([this] { return m_pageReady; }, timeoutMs);
}

bool RuffleFlashControl::WaitForEngine(int timeoutMs)
{
    return WaitFor([this] { return m_engineReady; }, timeoutMs);
}

bool RuffleFlashControl::WaitForMovie(int timeoutMs)
{
    return WaitFor([this] { return m_loaded || !m_lastError.isEmpty(); }, timeoutMs) && m_loaded;
}

bool RuffleFlashControl::WaitForHost(int timeoutMs)
{
    return WaitFor([this] { return m_hostReady; }, timeoutMs);
}

bool RuffleFlashControl::Responsive(int timeoutMs)
{
    if (!m_pageReady)
        return false;
    auto answered = std::make_shared<bool>(false);
    m_view->page()->runJavaScript(QStringLiteral("1"), [answered](const QVariant&) { *answered = true; });
    return WaitFor([answered] { return *answered; }, timeoutMs);
}

void RuffleFlashControl::Fail(int serial, const QString& reason)
{
    if (serial != m_serial)
        return;
    m_lastError = reason;
    QTimer::singleShot(0, this, [this, serial, reason] {
        if (serial == m_serial && m_lastError == reason)
            Q_EMIT EngineFailed(reason);
    });
}

void RuffleFlashControl::RestartEngine(const QStringList& replay)
{
    m_pendingScripts = replay;
    m_pageReady = false;
    m_engineReady = false;
    m_loaded = false;
    m_hostReady = false;
    m_paintedTicket = m_paintTicket;
    StartPage();
}

void RuffleFlashControl::OnRenderProcessTerminated(int status)
{
    if (status == QWebEnginePage::NormalTerminationStatus)
        return;
    // The movie went with the page: report it and start a fresh page for the next load.
    const bool hadMovie = !m_heldPath.isEmpty() || m_loaded;
    RestartEngine();
    if (hadMovie)
        Fail(m_serial, QStringLiteral("the Flash engine stopped while playing the movie"));
}

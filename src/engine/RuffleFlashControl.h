#pragma once

#include "engine/FlashControl.h"

#include <QJsonArray>
#include <QPointer>
#include <QSize>
#include <QStringList>

#include <functional>

class EngineBridge;
class EngineSchemeHandler;
class QWebEnginePage;
class QWebEngineView;
class QWebChannel;

// The Flash control on Ruffle's web build, hosted in a web view with the engine page
// (Data/Flash/engine/index.html).
//
// Frame control works through a host inserted into the movie in memory: the AVM1 host movie
// for ActionScript 1/2 movies, the frame host class for ActionScript 3 movies (see
// EngineMovie.h and Avm2Host.h). Both register the same callbacks. In an ActionScript 3
// movie, SetVariable and TCallLabel go to the callbacks vorlenSetVariable(name, value) and
// vorlenCallLabel(target, label) when the movie registers them; otherwise SetVariable sets the
// variable on the root through the frame host and TCallLabel does nothing (ActionScript 3 has
// no frame actions to call). Until the frame host of an ActionScript 3 movie answers, and for
// movies it cannot join, Play and Stop suspend and resume the engine. The volume of sound.swf
// is applied to the engine for ActionScript 3 movies (pan is not available), loads into other
// layers do nothing there. Quality and scale mode of a movie without a host take effect at
// the next load, since the engine reads its configuration only then. A movie given as a web
// address is not read beforehand, so it gets no host and is handled like an ActionScript 3
// movie without one.
//
// Failures of the engine (a movie it refuses, a panic, a crash of the page's process) never
// show the engine's own error screen: the control hides it, sets LastError and emits
// EngineFailed. After a crash the page is loaded again, so the next load works.
class RuffleFlashControl : public FlashControl {
    Q_OBJECT
public:
    explicit RuffleFlashControl(QWidget* parent = nullptr);
    ~RuffleFlashControl() override;

    // Sets the web engine's process flags (no sandbox as root, software rendering without
    // a GPU, no throttling of hidden views, sound without a gesture) and registers the
    // scheme. Must run before the first web engine object; the constructor calls it too.
    static void PrepareEngine();

    int FlashVersion() const override;
    void LoadMovie(int layer, const QString& url) override;
    void AllowFolder(const QString& folder) override;
    void Play() override;
    void Stop() override;
    void Back() override;
    void Forward() override;
    void Rewind() override;
    void GotoFrame(int frame) override;
    int CurrentFrame() const override { return m_currentFrame; }
    int TotalFrames() const override { return m_totalFrames; }
    bool Playing() const override { return m_playing; }
    void SetPlaying(bool playing) override;
    QString Quality2() const override { return m_quality; }
    void SetQuality2(const QString& quality) override;
    int Quality() const override;
    void SetQuality(int quality) override;
    int ScaleMode() const override { return m_scaleMode; }
    void SetScaleMode(int mode) override;
    bool Loop() const override { return m_loop; }
    void SetLoop(bool loop) override;
    QString BGColor() const override { return m_bgColor; }
    void SetBGColor(const QString& color) override;
    void SetVariable(const QString& name, const QString& value) override;
    void TCallLabel(const QString& target, const QString& label) override;
    QWidget* widget() override;
    void SetInputFilter(QObject* filter) override;
    QImage GrabFrame() override;

    // Waiting helpers for programs without a player window (tools, tests, benchmarks):
    // each runs the event loop until its condition holds or timeoutMs passed.
    bool WaitForPage(int timeoutMs);
    bool WaitForEngine(int timeoutMs);  // the engine has started (its first load is quick)
    bool WaitForMovie(int timeoutMs);   // the movie of the last layer-0 load has loaded
    bool WaitForHost(int timeoutMs);    // the host movie answers (AVM1 movies only)
    bool WaitFor(const std::function<bool()>& condition, int timeoutMs);

    QString LastError() const override { return m_lastError; }
    bool ActionScript3() const { return m_actionScript3; }
    bool HostInserted() const { return m_hostInserted; }
    // The page and the engine in it have started.
    bool EngineStarted() const { return m_pageReady && m_engineReady; }
    // The movie of the last layer-0 load has loaded.
    bool Loaded() const { return m_loaded; }
    // The inserted host answers: frame members reach the movie.
    bool HostReady() const { return m_hostReady; }
    // The engine has painted what was last asked of it (a load, GotoFrame, Repaint).
    bool Painted() const { return m_paintedTicket >= m_paintTicket; }
    // The frame size of the movie of the last layer-0 load, from its header (empty when
    // unknown).
    QSize MovieSize() const { return m_movieSize; }

    // The frame shown now, once the engine has painted what was asked of it (the movie's
    // first frame, a GotoFrame, a Repaint); null when that does not happen within timeoutMs.
    QImage GrabPaintedFrame(int timeoutMs);
    // Asks the engine to tell when it has painted next (after a resize, for example).
    void Repaint();
    // The longest a movie's script may run at once before the engine stops it, in seconds
    // (the engine's default is 15); read at each load.
    void SetScriptTimeLimit(int seconds) { m_scriptTimeLimit = seconds; }
    // Movies slower than this many frames per second run at it (0: every movie at its own
    // rate); read at each load. Shots use it: a movie's first frame comes after one frame.
    void SetMinimumFrameRate(double framesPerSecond) { m_minimumFrameRate = framesPerSecond; }
    // The page answers a script within timeoutMs.
    bool Responsive(int timeoutMs);
    // Starts a fresh engine page, then runs the replay scripts in it. The old page goes with
    // its process, also when that process crashed, broke or hangs.
    void RestartEngine(const QStringList& replay = QStringList());
    // Sound of the movies off or on.
    void SetMuted(bool muted);

    // The path sound.swf and the host movie are served at.
    static QString SoundMoviePath();
    static QString HostMoviePath();
    static QString EngineFolder();

    // Maps a variable name or target seen from _level0 to a path the host movie can use.
    static QString LevelZeroVariable(const QString& name);
    static QString LevelZeroTarget(const QString& target);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnPageReady();
    void OnLoaded(int serial, int frames, bool actionScript3, int width, int height);
    void OnFrame(int serial, int frame, int total, bool playing);
    void RunScript(const QString& script);
    // Calls a callback of the host movie (queued by the page until the host is ready).
    void CallHost(const char* name, const QJsonArray& arguments = QJsonArray());
    bool HasFrameControl() const { return m_hostInserted; }
    void LoadRoot(const QString& path, const QString& query, const QString& remoteUrl);
    void LoadLevel(int layer, const QString& path, const QString& query, const QString& remoteUrl);
    void Unload();
    void InstallInputFilter();
    // Sets LastError for the load serial and emits EngineFailed once control returns to the
    // event loop, if that load is still the current one.
    void Fail(int serial, const QString& reason);
    void OnRenderProcessTerminated(int status);
    // Makes the page (settings, channel) and loads the engine page into it.
    void StartPage();
    // The engine's canvas as a picture (null when the page does not answer in time).
    QImage Capture(int timeoutMs);
    // image at the view's size, 24 bits per pixel.
    QImage AtViewSize(QImage image) const;
    // The frame host of an ActionScript 3 movie does not answer (yet).
    bool WithoutAs3Host() const { return m_actionScript3 && !m_hostReady; }

    QWebEngineView* m_view = nullptr;
    QWebEnginePage* m_page = nullptr;  // the view's page, made by StartPage
    QWebChannel* m_channel = nullptr;
    EngineBridge* m_bridge = nullptr;
    QPointer<QObject> m_inputFilter;
    QPointer<QWidget> m_filteredProxy;
    bool m_pageReady = false;
    bool m_engineReady = false;
    QStringList m_pendingScripts;
    // The scripts run since the last layer-0 load or unload: what a fresh page needs to show
    // the same movie.
    QStringList m_sinceLoad;
    int m_retriedSerial = -1;

    QString m_heldPath;  // the movie served from memory for this control
    int m_serial = 0;
    bool m_loaded = false;
    bool m_hostReady = false;
    bool m_actionScript3 = false;
    bool m_hostInserted = false;
    QString m_lastError;
    QSize m_movieSize;
    int m_scriptTimeLimit = 0;  // 0: the engine's default
    bool m_muted = false;
    double m_minimumFrameRate = 0;

    int m_currentFrame = 0;
    int m_totalFrames = 0;
    bool m_playing = false;
    QString m_quality = QStringLiteral("High");
    int m_scaleMode = 0;
    bool m_loop = true;
    QString m_bgColor;

    int m_paintTicket = 0;
    int m_paintedTicket = 0;
};

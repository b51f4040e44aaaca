#pragma once

#include "engine/FlashControl.h"

#include <QJsonArray>
#include <QPointer>
#include <QStringList>

#include <functional>

class EngineBridge;
class EngineSchemeHandler;
class QWebEngineView;
class QWebChannel;

// The Flash control on Ruffle's web build, hosted in a web view with the engine page
// (Data/Flash/engine/index.html).
//
// AVM1 movies get full frame control through the host movie (see EngineMovie.h). For
// ActionScript 3 movies Ruffle offers no frame members: Play/Stop suspend and resume the
// engine, TotalFrames is the header's count, CurrentFrame stays 0, GotoFrame, Back,
// Forward, SetVariable, TCallLabel and loads into other layers do nothing; the volume of
// sound.swf is applied to the engine (pan is not available); quality and scale mode take
// effect at the next load, since the engine reads its configuration only then. A movie given
// as a web address is not read beforehand, so it gets no host movie and is handled like an
// ActionScript 3 movie.
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
    void AllowFolder(const QString& folder) override;

    // Waiting helpers for programs without a player window (tools, tests, benchmarks):
    // each runs the event loop until its condition holds or timeoutMs passed.
    bool WaitForPage(int timeoutMs);
    bool WaitForEngine(int timeoutMs);  // the engine has started (its first load is quick)
    bool WaitForMovie(int timeoutMs);   // the movie of the last layer-0 load has loaded
    bool WaitForHost(int timeoutMs);    // the host movie answers (AVM1 movies only)
    bool WaitFor(const std::function<bool()>& condition, int timeoutMs);

    // The reason the last layer-0 load did not reach the engine ("" when it did).
    QString LastError() const { return m_lastError; }
    bool ActionScript3() const { return m_actionScript3; }
    bool HostInserted() const { return m_hostInserted; }

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

    QWebEngineView* m_view = nullptr;
    QWebChannel* m_channel = nullptr;
    EngineBridge* m_bridge = nullptr;
    QPointer<QObject> m_inputFilter;
    QPointer<QWidget> m_filteredProxy;
    bool m_pageReady = false;
    bool m_engineReady = false;
    QStringList m_pendingScripts;

    QString m_heldPath;  // the movie served from memory for this control
    int m_serial = 0;
    bool m_loaded = false;
    bool m_hostReady = false;
    bool m_actionScript3 = false;
    bool m_hostInserted = false;
    QString m_lastError;

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

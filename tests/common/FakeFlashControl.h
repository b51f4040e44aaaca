#pragma once

#include "engine/FlashControl.h"

#include <QStringList>

// A Flash control without an engine, for tests of the player's logic: it records every
// call as a line ("LoadMovie 0 path", "GotoFrame 5", ...) and keeps the state a movie of
// TotalFrames frames would have. Events are raised by the test.
class FakeFlashControl : public FlashControl {
    Q_OBJECT
public:
    using FlashControl::FlashControl;
    ~FakeFlashControl() override;

    int FlashVersion() const override { return m_version; }
    void LoadMovie(int layer, const QString& url) override;
    void AllowFolder(const QString& folder) override { calls << QStringLiteral("AllowFolder ") + folder; }
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
    int Quality() const override { return QualityNumber(m_quality); }
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
    // The filter sees the events of widget(), as on the real control.
    void SetInputFilter(QObject* filter) override;
    QImage GrabFrame() override;
    QString LastError() const override { return m_lastError; }

    // Test controls.
    QStringList calls;
    void SetFlashVersion(int version) { m_version = version; }
    void SetTotalFrames(int frames) { m_totalFrames = frames; }
    void SetCurrentFrame(int frame) { m_currentFrame = frame; }
    QObject* InputFilter() const { return m_inputFilter; }
    void RaiseFsCommand(const QString& command, const QString& args) { Q_EMIT FSCommand(command, args); }
    void RaiseReadyState(int state) { Q_EMIT OnReadyStateChange(state); }
    // The engine fails over the movie: LastError says why until the next layer-0 load.
    void RaiseEngineFailed(const QString& reason)
    {
        m_lastError = reason;
        Q_EMIT EngineFailed(reason);
    }

private:
    int m_version = 32 << 16;
    int m_currentFrame = 0;
    int m_totalFrames = 0;
    bool m_playing = false;
    QString m_quality = QStringLiteral("High");
    int m_scaleMode = 0;
    bool m_loop = true;
    QString m_bgColor;
    QWidget* m_widget = nullptr;
    QObject* m_inputFilter = nullptr;
    QString m_lastError;
};

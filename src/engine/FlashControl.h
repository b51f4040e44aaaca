#pragma once

#include <QImage>
#include <QObject>
#include <QString>

class QWidget;

// The Flash control: renders movies and answers the player's calls. The members keep the
// names and meanings the player relies on; frames are 0-based. Setters are fire-and-forget
// (a call the engine cannot carry out is ignored); frame and running state are a cache the
// engine keeps current.
class FlashControl : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~FlashControl() override = default;

    // Major version of the emulated player in the upper 16 bits.
    virtual int FlashVersion() const = 0;

    // Layer 0: the movie (a path or address, query string allowed); other layers: a movie
    // above it (6000: "sound.swf?volume=V&pan=P"). Returns before loading ends.
    virtual void LoadMovie(int layer, const QString& url) = 0;
    // Lets movies read the files below folder too (the folder of a video that the player's
    // wrapper movie plays); files are otherwise served only from the folders of loaded movies.
    virtual void AllowFolder(const QString& folder) { Q_UNUSED(folder); }

    virtual void Play() = 0;     // run
    virtual void Stop() = 0;     // halt in place
    virtual void Back() = 0;     // previous frame
    virtual void Forward() = 0;  // next frame
    virtual void Rewind() = 0;   // first frame
    // Goes to a frame and halts there; not clamped.
    virtual void GotoFrame(int frame) = 0;

    virtual int CurrentFrame() const = 0;
    virtual int FrameNum() const { return CurrentFrame(); }
    virtual void SetFrameNum(int frame) { GotoFrame(frame); }
    virtual int TotalFrames() const = 0;

    virtual bool Playing() const = 0;
    virtual void SetPlaying(bool playing) = 0;

    // "Low", "Medium", "High", "Best", "AutoLow", "AutoHigh".
    virtual QString Quality2() const = 0;
    virtual void SetQuality2(const QString& quality) = 0;
    // 0 Low, 1 High, 2 AutoLow, 3 AutoHigh, 4 Medium, 5 Best.
    virtual int Quality() const = 0;
    virtual void SetQuality(int quality) = 0;

    // 0 show all, 1 no border, 2 exact fit, 3 no scale.
    virtual int ScaleMode() const = 0;
    virtual void SetScaleMode(int mode) = 0;

    virtual bool Loop() const = 0;
    virtual void SetLoop(bool loop) = 0;

    // Six hexadecimal digits, "" for the movie's own background.
    virtual QString BGColor() const = 0;
    virtual void SetBGColor(const QString& color) = 0;

    // name as the movie sees it from _level0 ("_alpha", "_root.mwheel", "/:x").
    virtual void SetVariable(const QString& name, const QString& value) = 0;
    // Runs the actions of frame label of the clip target ("/" is the movie).
    virtual void TCallLabel(const QString& target, const QString& label) = 0;

    // The widget that shows the movie.
    virtual QWidget* widget() = 0;
    // filter sees the mouse buttons, wheel and keys that reach the movie (the player's
    // right-click, middle button, wheel and hot keys); nullptr removes it.
    virtual void SetInputFilter(QObject* filter) = 0;
    // The frame shown now, at the widget's size, 24 bits per pixel (null when nothing can
    // be grabbed). After GotoFrame it waits until the engine has painted that frame.
    virtual QImage GrabFrame() = 0;

    // Why the movie of the last layer-0 load is not shown ("" while nothing went wrong): it
    // could not be read or prepared, the engine refused it, or the engine failed while
    // playing it.
    virtual QString LastError() const { return QString(); }

Q_SIGNALS:
    // A command sent by a movie (fscommand).
    void FSCommand(const QString& command, const QString& args);
    // 4: the movie has loaded.
    void OnReadyStateChange(int state);
    // The movie of the last layer-0 load cannot be shown (LastError() says why). The control
    // shows nothing of the engine's own error screens; the player shows its own message.
    void EngineFailed(const QString& reason);
};

// The quality names and numbers of the control, in one table.
QString QualityName(int quality);
int QualityNumber(const QString& name);  // -1 for an unknown name
// A background colour as BGColor keeps it: six hexadecimal digits in upper case, a leading
// "#" allowed; "" for "", a null string for anything else.
QString BackgroundDigits(const QString& color);

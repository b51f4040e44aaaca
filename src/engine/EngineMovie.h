#pragma once

#include <QByteArray>
#include <QString>

// A movie made ready for the rendering engine. Frame control of AVM1 movies works through
// the host movie: before the first ShowFrame of the root timeline, a DoAction is inserted
// whose GetURL loads the host movie into _level9999 (once; a variable of _level0 remembers
// it, so that a movie looping back to its first frame does not load it again). ActionScript 3
// movies get the frame host instead (Avm2Host.h). The file on disk is never changed: the
// rewritten bytes are served from memory.
struct EngineMovie {
    QString error;               // empty when the data is a movie
    int version = 0;             // version byte of the header
    bool compressed = false;     // "CWS" or "ZWS"
    bool actionScript3 = false;  // FileAttributes with the ActionScript 3 flag
    bool hostInserted = false;   // the host loader (AVM1) or the frame host (AS3) was inserted
    int frameCount = 0;          // from the header
    double frameRate = 0;
    int width = 0;  // pixels, from the frame rectangle
    int height = 0;
    QByteArray bytes;  // what the engine gets
};

// Reads movie (the whole file), expanding a "CWS" or "ZWS" body in memory, and inserts the
// host loader when the movie is AVM1 (its FileAttributes tag lacks the ActionScript 3 flag),
// or the frame host (frameHostAbc, the DoABC tag of as3host.swf, see Avm2Host.h) when it is
// ActionScript 3 and frameHostAbc is given; a movie with a host reaches the engine plain
// ("FWS"), one without unchanged. A truncated compressed body keeps what could be expanded.
// An LZMA body that cannot be expanded at all is passed on unchanged for the engine to try;
// an LZMA header that cannot belong to a movie is refused.
EngineMovie PrepareEngineMovie(const QByteArray& movie, const QByteArray& hostUrl, const QByteArray& frameHostAbc = QByteArray());

// The actions inserted into the movie: load hostUrl into _level9999 once.
QByteArray HostLoaderTag(int version, const QByteArray& hostUrl);

// Expands a zlib stream; stops at the end of the stream or of the data, returning what was
// expanded so far (empty if nothing could be). At most limit bytes are produced.
QByteArray InflateLenient(const QByteArray& data, qsizetype limit);

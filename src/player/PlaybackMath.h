#pragma once

#include <QString>

// The arithmetic of the playback commands, free of any window.

// FFwd / Rwd: the frame one second of frames away from currentFrame (forward or back),
// rounded to the nearest integer, halves to even. Not clamped: a target before the first
// frame is passed on as it is.
int SeekTarget(int currentFrame, double frameRate, bool forward);

// MoviePercent: the position as a fraction 0..1, currentFrame / (totalFrames - 1); 0 when the
// movie has fewer than two frames.
float MoviePercent(int currentFrame, int totalFrames);

// SetSound's ranges: volume 0..100, pan -100..100.
int ClampVolume(int volume);
int ClampPan(int pan);

// The address of the sound movie that applies volume and pan to the movie beneath it:
// flashFolder + "sound.swf?volume=V&pan=P&x=W&y=H".
QString SoundMovieAddress(const QString& flashFolder, int volume, int pan, int movieWidth, int movieHeight);

// What the status timer does at the end of a movie.
enum class EndOfMovieAction {
    Continue,  // not at the end, or at the end with neither Loop nor Play Non Stop: the tick goes on
    Rewind,    // Loop: back to the first frame and play; the tick ends
    Stay,      // Loop on a movie of fewer than two frames: nothing happens; the tick ends
    PlayNext,  // Play Non Stop: the next playlist entry; the tick ends
};

struct EndOfMovieState {
    int frameNum = 0;
    int totalFrames = 0;
    int playlistLast = -1;  // PLLast: -1 for an empty playlist
    bool interfaceMovie = false;
    bool loop = false;
    bool nonStop = false;
    // A Flash Video: its wrapper counts the video's time as at least two frames, so one frame
    // is the wrapper itself before it has told the video's length.
    bool video = false;
};

// The movie is at its end when frameNum + 1 equals totalFrames, the playlist is not empty and a
// user movie (not one of the player's interface movies) is shown; a video once its wrapper has
// told its length.
bool AtEndOfMovie(const EndOfMovieState& state);
EndOfMovieAction EndOfMovieStep(const EndOfMovieState& state);

// The checked opacity item for an alpha value: 0 "Full" (100), 1 "Significant" (75),
// 2 "Medium" (50), 3 "Slight" (25); -1 for any other value.
int OpacityItem(int alpha);

#pragma once

#include <QString>

class ByteReader;
struct MediaFileInfo;

// Flash Video plays through the player's wrapper movie "video.swf": the frame size comes from
// the first video packet, a description "video.xml" is written to the Flash folder, and the
// record's working path becomes the wrapper's address.

// reader stands at offset 28 of the video (inside a Sorenson H.263 picture header that begins
// at offset 25). Fills info.Width and info.Height when the picture size code is known, writes
// video.xml naming info.WorkingPath and sets info.WorkingPath to the wrapper address.
void WrapFlashVideo(ByteReader& reader, MediaFileInfo& info);

// The frame size from the 6 bytes at offsets 28 to 33; false for a size code without an entry.
bool DecodeVideoFrameSize(const QByteArray& bits, int* width, int* height);

// The frame size of the first Sorenson H.263 picture among the first tags of a video whose
// start is head (files often begin with a metadata tag, where the fixed offsets of
// WrapFlashVideo read no picture); false when none is found there.
bool FindVideoFrameSize(const QByteArray& head, int* width, int* height);

// The description document for a video.
QString VideoDescription(const QString& videoPath, int width, int height);

// Flash folder + "video.swf?myXML=" + encoded path of video.xml + "&time=" + time of day.
QString VideoWrapperAddress();

// Percent-encoding of paths placed in query strings: codes 0 to 64 as "%XX", 65 to 127 as they
// are, code 185 dropped, every other character as the "%XX" of each of its UTF-8 bytes.
QString EncodeUrlText(const QString& text);

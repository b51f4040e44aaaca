#pragma once

#include <QByteArray>
#include <QString>

// The link between a running player and a second start of the program.
//
// The running player keeps its process id in "Window"/"hWnd" (decimal) and listens on the
// local socket InstanceServerName(pid), "vorlen-<pid>". A second start connects, sends one
// request and waits for the reply. Every message, both ways, is one frame:
//
//   byte 0       type (below)
//   bytes 1..4   payload length, unsigned 32-bit big-endian, at most kMaxFramePayload
//   bytes 5..    payload
//
//   'C'  caption request, empty payload
//        -> 'c' reply: the main window's caption, UTF-16LE, no terminator
//   'H'  hand-over of a command line, laid out like a WM_COPYDATA block:
//        dwData (32-bit big-endian, always 0), cbData (32-bit big-endian), then cbData bytes
//        of UTF-16LE text without terminator (cbData 0 for an empty command line)
//        -> 'A' acknowledgement, empty payload, sent only after the player has handled the
//        text, so the sender's wait is as synchronous as a window message
//
// A frame of unknown type, one longer than kMaxFramePayload, or a hand-over whose cbData does
// not match its frame closes the connection without a reply.

inline constexpr char kFrameCaptionRequest = 'C';
inline constexpr char kFrameCaptionReply = 'c';
inline constexpr char kFrameHandOver = 'H';
inline constexpr char kFrameAcknowledge = 'A';

inline constexpr int kFrameHeaderSize = 5;
inline constexpr quint32 kMaxFramePayload = 16 * 1024 * 1024;

// The local socket a player with process id pid listens on.
QString InstanceServerName(qint64 pid);

struct InstanceFrame {
    char type = 0;
    QByteArray payload;
};

QByteArray EncodeFrame(char type, const QByteArray& payload = QByteArray());

enum class FrameStatus { Incomplete, Complete, Invalid };

// Takes the first whole frame off the front of buffer. Incomplete leaves buffer as it is;
// Invalid means the stream cannot be read on (unknown type or oversized length).
FrameStatus TakeFrame(QByteArray& buffer, InstanceFrame& frame);

// Text as UTF-16LE bytes, and back (an odd last byte is dropped: cbData / 2 characters).
QByteArray Utf16Bytes(const QString& text);
QString TextOfUtf16(const QByteArray& bytes);

// The payload of a hand-over frame, and its reading (false when cbData does not match).
QByteArray HandOverPayload(const QString& text);
bool ReadHandOverPayload(const QByteArray& payload, QString& text);

#pragma once

#include <QString>

// The second-start side of the single-instance link (protocol in InstanceProtocol.h) and the
// running-instance state the start-up keeps.

// The running player named by "Window"/"hWnd": its process id when a player answers on that
// id's socket with a caption that begins with captionPrefix (exactly, letter case counted);
// 0 for no value, a process that is gone, a server that does not answer in time or one with
// another caption.
qint64 FindRunningInstance(const QString& captionPrefix);

// Sends text (an empty one too) to the player with process id pid and waits until that player
// has handled it. As with a window message there is no time-out once connected: the wait ends
// with the acknowledgement or with the connection. False when no acknowledgement came.
bool HandOverCommandLine(qint64 pid, const QString& text);

// The running player found at start (0 for none): fixed by the start-up, read by Quit.
qint64 RunningInstanceHandle();
void SetRunningInstanceHandle(qint64 handle);

// "Window"/"hWnd": the player's process id, written once its window exists.
void RegisterInstanceWindow(qint64 pid);
// On quitting: "0", but only when no running player was found at start; a second player
// (one-instance mode off) leaves the first player's entry to it.
void ReleaseInstanceWindow();

// How long a second start waits for a connection and for a caption reply, in milliseconds.
inline constexpr int kInstanceConnectTimeoutMs = 1000;
inline constexpr int kInstanceReplyTimeoutMs = 2000;

#include "app/RunningInstance.h"

#include "app/InstanceProtocol.h"
#include "options/RegistryStore.h"

#include <QDeadlineTimer>
#include <QLocalSocket>

namespace {

const QString kWindowSection = QStringLiteral("Window");
const QString kHandleValue = QStringLiteral("hWnd");

qint64 g_runningInstance = 0;

// Sends request and reads the first frame that comes back. replyTimeoutMs -1 waits for as
// long as the connection lasts.
bool Exchange(qint64 pid, const QByteArray& request, int replyTimeoutMs, InstanceFrame& reply)
{
    QLocalSocket socket;
    socket.connectToServer(InstanceServerName(pid));
    if (!socket.waitForConnected(kInstanceConnectTimeoutMs))
        return false;
    socket.write(request);
    if (!socket.waitForBytesWritten(kInstanceConnectTimeoutMs) && socket.bytesToWrite() > 0)
        return false;
    QDeadlineTimer deadline(replyTimeoutMs < 0 ? QDeadlineTimer::Forever : QDeadlineTimer(replyTimeoutMs));
    QByteArray buffer;
    for (;;) {
        buffer += socket.readAll();
        switch (TakeFrame(buffer, reply)) {
        case FrameStatus::Complete:
            socket.disconnectFromServer();
            return true;
        case FrameStatus::Invalid:
            return false;
        case FrameStatus::Incomplete:
            break;
        }
        if (socket.state() != QLocalSocket::ConnectedState || deadline.hasExpired())
            return false;
        const int wait = deadline.isForever() ? -1 : int(qMax<qint64>(1, deadline.remainingTime()));
        if (!socket.waitForReadyRead(wait) && socket.bytesAvailable() == 0)
            return false;
    }
}

}  // namespace

qint64 FindRunningInstance(const QString& captionPrefix)
{
    bool ok = false;
    const qint64 pid = ReadRegistryString(kWindowSection, kHandleValue, QStringLiteral("0")).trimmed().toLongLong(&ok);
    if (!ok || pid <= 0)
        return 0;
    InstanceFrame reply;
    if (!Exchange(pid, EncodeFrame(kFrameCaptionRequest), kInstanceReplyTimeoutMs, reply) || reply.type != kFrameCaptionReply)
        return 0;
    // Only as much of the caption as the prefix is long is compared, as a window text read
    // into a buffer of that size.
    const QString caption = TextOfUtf16(reply.payload);
    return caption.left(captionPrefix.size()) == captionPrefix ? pid : 0;
}

bool HandOverCommandLine(qint64 pid, const QString& text)
{
    if (pid <= 0)
        return false;
    InstanceFrame reply;
    return Exchange(pid, EncodeFrame(kFrameHandOver, HandOverPayload(text)), -1, reply) && reply.type == kFrameAcknowledge;
}

qint64 RunningInstanceHandle()
{
    return g_runningInstance;
}

void SetRunningInstanceHandle(qint64 handle)
{
    g_runningInstance = handle;
}

void RegisterInstanceWindow(qint64 pid)
{
    WriteRegistryString(kWindowSection, kHandleValue, QString::number(pid));
}

void ReleaseInstanceWindow()
{
    if (g_runningInstance == 0)
        WriteRegistryString(kWindowSection, kHandleValue, QStringLiteral("0"));
}

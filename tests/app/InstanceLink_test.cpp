#include "AppTestSupport.h"
#include "app/InstanceProtocol.h"
#include "app/InstanceServer.h"
#include "app/RunningInstance.h"
#include "common/TestSupport.h"
#include "options/RegistryStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>

#include <atomic>
#include <chrono>
#include <future>
#include <thread>

namespace {

// The local sockets need an event loop on the server side: the server runs on this thread,
// each client call on a thread of its own while this one processes events.
template <typename Call> auto RunClient(Call call)
{
    auto result = std::async(std::launch::async, std::move(call));
    while (result.wait_for(std::chrono::milliseconds(1)) != std::future_status::ready)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return result.get();
}

qint64 OwnPid()
{
    return QCoreApplication::applicationPid();
}

// A process id no process can have (Linux ids stay below 2^22), distinct per test process.
qint64 ForeignPid()
{
    return OwnPid() + 1'000'000'000;
}

const QString kPrefix = QStringLiteral("Vorlen - ");

class InstanceLinkTest : public ::testing::Test {
protected:
    void SetUp() override { EnsureCoreApplication(); }
    TempConfigDir store;
};

}  // namespace

TEST(InstanceProtocol, FramesAreTakenWholeAndBadStreamsRefused)
{
    QByteArray stream = EncodeFrame(kFrameCaptionReply, QByteArrayLiteral("ab")) + EncodeFrame(kFrameAcknowledge);
    ASSERT_EQ(stream.size(), 5 + 2 + 5);
    EXPECT_EQ(stream.left(5), QByteArray("c\0\0\0\x02", 5));

    InstanceFrame frame;
    QByteArray partial = stream.left(6);
    EXPECT_EQ(TakeFrame(partial, frame), FrameStatus::Incomplete);
    EXPECT_EQ(partial.size(), 6);
    ASSERT_EQ(TakeFrame(stream, frame), FrameStatus::Complete);
    EXPECT_EQ(frame.type, kFrameCaptionReply);
    EXPECT_EQ(frame.payload, QByteArrayLiteral("ab"));
    ASSERT_EQ(TakeFrame(stream, frame), FrameStatus::Complete);
    EXPECT_EQ(frame.type, kFrameAcknowledge);
    EXPECT_TRUE(frame.payload.isEmpty());
    EXPECT_EQ(TakeFrame(stream, frame), FrameStatus::Incomplete);

    QByteArray unknown("X\0\0\0\0", 5);
    EXPECT_EQ(TakeFrame(unknown, frame), FrameStatus::Invalid);
    QByteArray oversized("H\x7f\xff\xff\xff", 5);
    EXPECT_EQ(TakeFrame(oversized, frame), FrameStatus::Invalid);
}

TEST(InstanceProtocol, HandOverPayloadIsLaidOutLikeCopyData)
{
    const QString text = QStringLiteral("\"/m/\u00e9\u65e5.swf\"");
    const QByteArray payload = HandOverPayload(text);
    ASSERT_EQ(payload.size(), 8 + text.size() * 2);
    EXPECT_EQ(payload.left(4), QByteArray(4, '\0'));            // dwData
    EXPECT_EQ(payload.mid(4, 4), QByteArray("\0\0\0\x16", 4));  // cbData: 11 characters
    EXPECT_EQ(payload.mid(8, 4), QByteArray("\"\0/\0", 4));     // UTF-16LE
    EXPECT_EQ(payload.mid(16, 4), QByteArray("\xe9\0\xe5\x65", 4));
    QString back;
    ASSERT_TRUE(ReadHandOverPayload(payload, back));
    EXPECT_EQ(back, text);

    ASSERT_TRUE(ReadHandOverPayload(HandOverPayload(QString()), back));
    EXPECT_TRUE(back.isEmpty());
    EXPECT_FALSE(ReadHandOverPayload(payload.left(payload.size() - 1), back));  // cbData does not match
    EXPECT_FALSE(ReadHandOverPayload(QByteArray(7, '\0'), back));
    // An odd byte count reads cbData / 2 characters.
    EXPECT_EQ(TextOfUtf16(QByteArray("a\0b", 3)), QStringLiteral("a"));
}

TEST_F(InstanceLinkTest, NoRegisteredPlayerMeansNone)
{
    EXPECT_EQ(FindRunningInstance(kPrefix), 0);
    for (const char* value : {"0", "", "none", "-5"}) {
        WriteRegistryString(QStringLiteral("Window"), QStringLiteral("hWnd"), QLatin1String(value));
        EXPECT_EQ(RunClient([] { return FindRunningInstance(kPrefix); }), 0) << value;
    }
}

TEST_F(InstanceLinkTest, StalePidWithoutServerIsNone)
{
    RegisterInstanceWindow(ForeignPid());
    EXPECT_EQ(RunClient([] { return FindRunningInstance(kPrefix); }), 0);
    EXPECT_FALSE(RunClient([] { return HandOverCommandLine(ForeignPid(), QStringLiteral("x.swf")); }));
}

TEST_F(InstanceLinkTest, PlayerIsFoundOnlyByItsCaptionPrefix)
{
    QString caption;
    InstanceServer server;
    server.SetCaptionSource([&caption] { return caption; });
    ASSERT_TRUE(server.Listen(OwnPid()));
    EXPECT_EQ(server.ServerName(), QStringLiteral("vorlen-%1").arg(OwnPid()));
    RegisterInstanceWindow(OwnPid());
    EXPECT_EQ(ReadRegistryString(QStringLiteral("Window"), QStringLiteral("hWnd"), QString()), QString::number(OwnPid()));

    const struct {
        QString caption;
        bool found;
    } cases[] = {
        {QStringLiteral("Vorlen - Welcome"), true},
        {QStringLiteral("Vorlen - "), true},
        {QStringLiteral("vorlen - Welcome"), false},
        {QStringLiteral("Vorlen"), false},
        {QStringLiteral("Text Editor - Vorlen - x"), false},
        {QString(), false},
    };
    for (const auto& c : cases) {
        caption = c.caption;
        EXPECT_EQ(RunClient([] { return FindRunningInstance(kPrefix); }), c.found ? OwnPid() : 0) << c.caption.toStdString();
    }

    server.Close();
    caption = QStringLiteral("Vorlen - Welcome");
    EXPECT_EQ(RunClient([] { return FindRunningInstance(kPrefix); }), 0);
}

TEST_F(InstanceLinkTest, ForeignServersAreNotTakenForAPlayer)
{
    RegisterInstanceWindow(ForeignPid());
    QLocalServer foreign;
    ASSERT_TRUE(foreign.listen(InstanceServerName(ForeignPid())));
    QList<QLocalSocket*> held;
    bool answer = true;
    QObject::connect(&foreign, &QLocalServer::newConnection, [&] {
        while (QLocalSocket* socket = foreign.nextPendingConnection()) {
            held << socket;
            if (answer) {
                // Another protocol that answers at once with text of its own.
                socket->write("HTTP/1.0 400 Bad Request\r\n\r\n");
                socket->flush();
            }
        }
    });

    EXPECT_EQ(RunClient([] { return FindRunningInstance(kPrefix); }), 0);
    EXPECT_FALSE(RunClient([] { return HandOverCommandLine(ForeignPid(), QStringLiteral("x.swf")); }));

    // A server that never answers costs the reply time-out, not a hang.
    answer = false;
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(RunClient([] { return FindRunningInstance(kPrefix); }), 0);
    EXPECT_GE(clock.elapsed(), kInstanceReplyTimeoutMs - 100);
    EXPECT_LT(clock.elapsed(), kInstanceReplyTimeoutMs + 3000);
    qDeleteAll(held);
}

TEST_F(InstanceLinkTest, HandOverDeliversTheTextAndWaitsForTheReceiver)
{
    QStringList received;
    int activations = 0;
    std::atomic<bool> receiverDone = false;
    InstanceServer server;
    server.SetReceiver([&](const QString& text) {
        received << text;
        // Slow on purpose: the sender must still be waiting when this returns.
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        receiverDone = true;
    });
    server.SetActivator([&] { ++activations; });
    ASSERT_TRUE(server.Listen(OwnPid()));

    const QString text = QStringLiteral("\"/home/\u00fc/\u65e5\u672c \U0001F600.swf\" /b/c.flv");
    const bool doneWhenReturned = RunClient([&] { return HandOverCommandLine(OwnPid(), text) && receiverDone.load(); });
    EXPECT_TRUE(doneWhenReturned);
    EXPECT_EQ(received, QStringList{text});
    EXPECT_EQ(activations, 1);

    // An empty command line is handed over as well (and the player still comes to the front).
    receiverDone = false;
    EXPECT_TRUE(RunClient([&] { return HandOverCommandLine(OwnPid(), QString()) && receiverDone.load(); }));
    EXPECT_EQ(received, (QStringList{text, QString()}));
    EXPECT_EQ(activations, 2);
}

TEST_F(InstanceLinkTest, BrokenRequestsCloseTheConnectionAndTheServerGoesOn)
{
    QStringList received;
    InstanceServer server;
    server.SetCaptionSource([] { return QStringLiteral("Vorlen - Welcome"); });
    server.SetReceiver([&](const QString& text) { received << text; });
    ASSERT_TRUE(server.Listen(OwnPid()));

    // A hand-over whose cbData claims more than the frame holds, then an unknown frame type.
    QByteArray badPayload = HandOverPayload(QStringLiteral("abc"));
    badPayload[7] = 0x20;
    for (const QByteArray& request : {EncodeFrame(kFrameHandOver, badPayload), QByteArray("Z\0\0\0\0", 5)}) {
        const bool closedWithoutReply = RunClient([&] {
            QLocalSocket socket;
            socket.connectToServer(InstanceServerName(OwnPid()));
            if (!socket.waitForConnected(2000))
                return false;
            socket.write(request);
            socket.waitForBytesWritten(2000);
            while (socket.state() == QLocalSocket::ConnectedState && socket.waitForReadyRead(5000)) { }
            return socket.state() != QLocalSocket::ConnectedState && socket.readAll().isEmpty();
        });
        EXPECT_TRUE(closedWithoutReply);
    }
    EXPECT_TRUE(received.isEmpty());

    RegisterInstanceWindow(OwnPid());
    EXPECT_EQ(RunClient([] { return FindRunningInstance(kPrefix); }), OwnPid());
    EXPECT_TRUE(RunClient([] { return HandOverCommandLine(OwnPid(), QStringLiteral("ok.swf")); }));
    EXPECT_EQ(received, QStringList{QStringLiteral("ok.swf")});
}

TEST_F(InstanceLinkTest, ListenReplacesASocketLeftByAnEndedProcess)
{
    const QString leftover = QDir::tempPath() + QLatin1Char('/') + InstanceServerName(ForeignPid());
    ASSERT_TRUE(WriteAll(leftover, QByteArray()));
    InstanceServer server;
    server.SetCaptionSource([] { return QStringLiteral("Vorlen - Welcome"); });
    EXPECT_TRUE(server.Listen(ForeignPid()));
    RegisterInstanceWindow(ForeignPid());
    EXPECT_EQ(RunClient([] { return FindRunningInstance(kPrefix); }), ForeignPid());
    server.Close();
    QFile::remove(leftover);
}

TEST_F(InstanceLinkTest, QuittingResetsTheEntryOnlyWithoutARunningPlayerAtStart)
{
    const QString window = QStringLiteral("Window");
    const QString handle = QStringLiteral("hWnd");

    SetRunningInstanceHandle(0);
    RegisterInstanceWindow(4321);
    ReleaseInstanceWindow();
    EXPECT_EQ(ReadRegistryString(window, handle, QString()), QStringLiteral("0"));

    // A second player (one-instance mode off) overwrote the first player's entry and leaves it.
    SetRunningInstanceHandle(1234);
    RegisterInstanceWindow(4321);
    ReleaseInstanceWindow();
    EXPECT_EQ(ReadRegistryString(window, handle, QString()), QStringLiteral("4321"));
    SetRunningInstanceHandle(0);
}

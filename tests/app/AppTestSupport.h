#pragma once

#include "app/InstanceProtocol.h"
#include "common/TestSupport.h"
#include "options/RegistryStore.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <unistd.h>

// Local sockets and processes need an application object; the test programs have none of
// their own.
inline void EnsureCoreApplication()
{
    if (QCoreApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "test_app";
    static char* argv[] = {name, nullptr};
    new QCoreApplication(argc, argv);
}

// The option store in a fresh folder (VORLEN_CONFIG_DIR, inherited by started programs), so
// "Window"/"hWnd" starts out missing.
class TempConfigDir {
public:
    TempConfigDir()
        : m_old(qgetenv("VORLEN_CONFIG_DIR"))
    {
        qputenv("VORLEN_CONFIG_DIR", m_dir.path().toUtf8());
    }
    ~TempConfigDir()
    {
        if (m_old.isNull())
            qunsetenv("VORLEN_CONFIG_DIR");
        else
            qputenv("VORLEN_CONFIG_DIR", m_old);
    }
    TempConfigDir(const TempConfigDir&) = delete;
    TempConfigDir& operator=(const TempConfigDir&) = delete;
    QString Path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    QByteArray m_old;
};

// A private application folder beside the built one: the program linked (or copied) in, the
// rest of the tree linked, Data/ and Data/Flash/ folders of their own so that the log and the
// documents written there are this test's alone, whatever else runs the player meanwhile. The
// players started from it keep their cache and "Ve Zedaz" folder inside it too.
class PrivateAppTree {
public:
    PrivateAppTree()
        : m_dir(QFileInfo(AppTreeDir()).absolutePath() + QStringLiteral("/player-run-XXXXXX"))
    {
        const QDir built(AppTreeDir());
        const QString root = m_dir.path() + QLatin1Char('/');
        const QString program = built.filePath(QStringLiteral("vorlen"));
        if (::link(QFile::encodeName(program).constData(), QFile::encodeName(root + QStringLiteral("vorlen")).constData()) != 0)
            QFile::copy(program, root + QStringLiteral("vorlen"));
        for (const QFileInfo& item : built.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
            if (item.fileName() != QLatin1String("vorlen") && item.fileName() != QLatin1String("Data"))
                QFile::link(item.absoluteFilePath(), root + item.fileName());
        }
        LinkEntries(built.filePath(QStringLiteral("Data")), root + QStringLiteral("Data/"), QStringLiteral("Flash"));
        LinkEntries(built.filePath(QStringLiteral("Data/Flash")), root + QStringLiteral("Data/Flash/"), QString());
        QDir().mkpath(root + QStringLiteral("cache"));
        QDir().mkpath(XdgData());
        QDir().mkpath(XdgConfig());
        QDir().mkpath(MyFlash());
    }
    bool IsValid() const { return m_dir.isValid() && QFileInfo(Program()).isExecutable(); }
    QString Root() const { return m_dir.path() + QLatin1Char('/'); }
    QString Program() const { return Root() + QStringLiteral("vorlen"); }
    QString Log() const { return Root() + QStringLiteral("Data/Flash Player.Log.html"); }
    QString Flash() const { return Root() + QStringLiteral("Data/Flash/"); }
    QString MyFlash() const { return Root() + QStringLiteral("Ve Zedaz/"); }
    // The environment of a player started from the tree; the option store is the caller's. The
    // desktop it associates itself with is the tree's too (the generic desktop's mimeapps.list).
    QProcessEnvironment Environment() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CACHE_HOME"), Root() + QStringLiteral("cache"));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), XdgData());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), XdgConfig());
        environment.insert(QStringLiteral("XDG_CURRENT_DESKTOP"), QStringLiteral("X-Generic"));
        return environment;
    }
    QString XdgData() const { return Root() + QStringLiteral("xdg-data/"); }
    QString XdgConfig() const { return Root() + QStringLiteral("xdg-config/"); }
    // Keeps the "Ve Zedaz" folder of the players in the tree (the option store must be set).
    void KeepMyFlashInside() const { WriteRegistryString(QStringLiteral("Recent"), QStringLiteral("MyFlash"), MyFlash()); }

private:
    // Links every entry of from into the new folder to, except keep, which becomes a folder.
    static void LinkEntries(const QString& from, const QString& to, const QString& keep)
    {
        QDir().mkpath(to);
        for (const QFileInfo& item : QDir(from).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
            if (item.fileName() != keep)
                QFile::link(item.absoluteFilePath(), to + item.fileName());
        }
    }

    QTemporaryDir m_dir;
};

inline QString RegisteredHandle()
{
    return ReadRegistryString(QStringLiteral("Window"), QStringLiteral("hWnd"), QStringLiteral("0"));
}

// Waits until the player has registered itself (its link is listening by then) and, when
// asked, has also finished its start-up log.
inline bool WaitForRegistration(const QProcess& player, const QString& log = QString(), int timeoutMs = 20000)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired() && player.state() == QProcess::Running) {
        if (RegisteredHandle() == QString::number(player.processId())
            && (log.isEmpty() || ReadAll(log).contains("<B>Player Loaded</B>")))
            return true;
        QThread::msleep(20);
    }
    return false;
}

inline void Stop(QProcess& player)
{
    if (player.state() == QProcess::NotRunning)
        return;
    player.terminate();
    if (!player.waitForFinished(5000)) {
        player.kill();
        player.waitForFinished(5000);
    }
}

// The caption of the running player with process id pid, as a second start asks for it; a null
// string when it does not answer.
inline QString RunningCaption(qint64 pid)
{
    QLocalSocket socket;
    socket.connectToServer(InstanceServerName(pid));
    if (!socket.waitForConnected(2000))
        return QString();
    socket.write(EncodeFrame(kFrameCaptionRequest));
    socket.waitForBytesWritten(2000);
    QByteArray buffer;
    InstanceFrame frame;
    const QDeadlineTimer deadline(5000);
    while (!deadline.hasExpired()) {
        if (TakeFrame(buffer, frame) == FrameStatus::Complete)
            return frame.type == kFrameCaptionReply ? TextOfUtf16(frame.payload) : QString();
        if (!socket.waitForReadyRead(100) && socket.state() != QLocalSocket::ConnectedState)
            break;
        buffer += socket.readAll();
    }
    return QString();
}

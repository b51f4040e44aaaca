#include "BrowserTestSupport.h"

#include "base/AppFolders.h"
#include "browser/ShotJpeg.h"

#include <QDialog>
#include <QTest>

QString FakeShooter::TakeThumbnail(const QString& movie, const QString& jpegPath, int quality, bool show)
{
    shots << movie;
    qualities << quality;
    m_busy = true;
    m_cancelled = false;
    if (during)
        during(movie);
    m_busy = false;
    if (m_cancelled)
        return QLatin1String(kShotCancelled);
    QImage shot(120, 90, QImage::Format_RGB888);
    shot.fill(colour);
    if (show && m_preview)
        m_preview(shot);
    return WriteShotJpeg(shot, jpegPath, quality <= 100 ? quality : 90) ? QString() : QStringLiteral("cannot write");
}

void FakeShooter::CancelShot()
{
    if (m_busy)
        m_cancelled = true;
}

bool FakeBrowserDialogs::Confirm(QWidget*, const QString& question)
{
    questions << question;
    return confirmAnswer;
}

QString FakeBrowserDialogs::AskNewName(QWidget*, const QString& name)
{
    lastProposal = name;
    return nameAnswer;
}

void FakeBrowserDialogs::RunDialog(QDialog& dialog)
{
    dialogs << dialog.objectName();
    if (onDialog)
        onDialog(dialog);
}

BrowserPlayerTest::BrowserPlayerTest()
    : m_mediaBrowser(m_options, m_shooter)
    , m_tools({&m_options, &m_generator, &m_extractor, &m_shooter, &m_mediaBrowser, &m_browserDialogs})
{
    // The browser's interface movie.
    WriteAll(Folders().flash + QStringLiteral("browse.swf"), MovieBytes(TestMovie{640, 480, 30, 1}));
}

void BrowserPlayerTest::AddParts(PlayerParts& parts)
{
    parts.browser = &m_mediaBrowser;
    parts.extensions = &m_tools;
}

Player& BrowserPlayerTest::MakeBrowserPlayer()
{
    Player& window = MakePlayer();
    m_mediaBrowser.Attach(window, window);
    m_tools.Attach(window, window, m_dialogs);
    return window;
}

bool BrowserPlayerTest::WaitForShots(int timeoutMs)
{
    return QTest::qWaitFor(
        [this] { return m_mediaBrowser.PendingShots() == 0 && !m_mediaBrowser.IsShooting() && !m_mediaBrowser.ShotWindow(); },
        timeoutMs);
}

void BrowserPlayerTest::Command(const QString& command, const QString& args)
{
    swf().RaiseFsCommand(command, args);
}

QString BrowserPlayerTest::BrowseXml() const
{
    return QString::fromUtf8(ReadAll(MediaBrowser::DocumentPath()));
}

#include "browser/MediaBrowser.h"

#include "base/AppFolders.h"
#include "base/ExecutionLog.h"
#include "base/FileNames.h"
#include "base/XmlText.h"
#include "browser/BrowseDocument.h"
#include "browser/FrmShot.h"
#include "browser/ThumbnailNames.h"
#include "browser/ThumbnailShooter.h"
#include "engine/FlashControl.h"
#include "lang/Language.h"
#include "media/MediaFileInfo.h"
#include "options/OptionsModule.h"
#include "player/PlayerCommands.h"
#include "player/PlayerMedia.h"
#include "player/WelcomeDocument.h"

#include <QDir>
#include <QFileInfo>
#include <QTimer>
#include <QWidget>

namespace {

// How long the shots wait for a shot machine that another window uses.
constexpr int kBusyRetryMs = 250;

}  // namespace

MediaBrowser::MediaBrowser(OptionsModule& options, ThumbnailShooter& shooter, QObject* parent)
    : QObject(parent)
    , m_options(options)
    , m_shooter(shooter)
{
}

MediaBrowser::~MediaBrowser()
{
    delete m_frmShot;
}

void MediaBrowser::Attach(PlayerCommands& window, PlayerMedia& media)
{
    m_window = &window;
    m_media = &media;
}

QString MediaBrowser::MoviePath()
{
    return Folders().flash + QStringLiteral("browse.swf");
}

QString MediaBrowser::DocumentPath()
{
    return Folders().flash + QStringLiteral("browse.xml");
}

bool MediaBrowser::IsBrowsing() const
{
    if (!m_browsing || !Attached())
        return false;
    // A load that failed on its way leaves no movie record: the browser still shows then.
    const QString shown = m_media->MediaInfo().SourcePath;
    if (shown.isEmpty() || NormalizePath(shown).compare(NormalizePath(MoviePath()), Qt::CaseInsensitive) == 0)
        return true;
    m_browsing = false;
    return false;
}

QString MediaBrowser::CurrentFolder() const
{
    return m_options.lastMediaFolder;
}

BrowseRules MediaBrowser::Rules() const
{
    BrowseRules rules;
    rules.satellite = m_options.satellite;
    rules.genericProjectors = m_options.genericProjectors;
    return rules;
}

void MediaBrowser::BrowseMedia()
{
    LogEmptyLine();
    LogLine(QStringLiteral(" :: Media Browse"));
    if (m_options.browseDefault)
        m_options.lastMediaFolder = m_options.myFlash;
    BrowseFolder(CurrentFolder());
}

void MediaBrowser::BrowseFolder(const QString& path)
{
    LogEmptyLine();
    LogLine(QStringLiteral(" :: New Media Browse (") + path + QLatin1Char(')'));
    m_listing.entries.clear();
    m_hovered = 0;
    // The shots of the listing before are not taken any more.
    ++m_generation;
    m_queue.clear();
    if (m_shooting)
        m_shooter.CancelShot();

    QString current = CurrentFolder();
    if (current.isEmpty())
        current = m_options.myFlash.isEmpty() ? WithTrailingSlash(QDir::homePath()) : m_options.myFlash;
    m_listing = ListBrowseFolder(path, current, Rules());
    m_options.lastMediaFolder = m_listing.folder;

    const QString thumbnails = BrowserThumbnailFolder(m_listing.folder, m_options.satellite);
    for (int i = 0; i < m_listing.entries.size(); ++i) {
        const BrowseEntry& entry = m_listing.entries[i];
        if (entry.type != BrowseEntry::Folder && !QFileInfo::exists(thumbnails + entry.thumbnail))
            m_queue.append({i + 1, entry.target, thumbnails + entry.thumbnail});
    }
    Show(QString());
    StartShots();
}

void MediaBrowser::Refresh()
{
    BrowseFolder(CurrentFolder());
}

void MediaBrowser::ShowError(const QString& text)
{
    Show(text);
}

void MediaBrowser::Show(const QString& error)
{
    if (!Attached())
        return;
    const QString thumbnails = BrowserThumbnailFolder(m_listing.folder, m_options.satellite);
    SaveXML(DocumentPath(), BrowseDocumentText(CurrentBrowseTexts(), m_listing, m_scroll, thumbnails, error));
    // The engine serves the cache folder; thumbnails beside the movies need their folder.
    if (m_options.satellite)
        m_window->SWF().AllowFolder(thumbnails);
    m_browsing = true;
    const QString address = InterfaceMovieAddress(
        Folders().flash, QStringLiteral("browse.swf"), DocumentPath(), AddressTimeText(), m_options.noAnimation);
    m_media->LoadFlash(address, LangText(QStringLiteral("BrowseMedia/strBrowseMedia"), QStringLiteral("Browse Media")), true);
}

// ---- The shots

void MediaBrowser::StartShots()
{
    m_queueTotal = static_cast<int>(m_queue.size());
    if (m_queue.isEmpty()) {
        if (!m_shooting)
            FinishShots();
        return;
    }
    LogLine(QStringLiteral("Thumbnail Generation (") + QString::number(m_queueTotal) + QLatin1Char(')'));
    if (!m_frmShot && m_window) {
        m_frmShot = new FrmShot(m_window->Window());
        connect(m_frmShot, &FrmShot::Cancelled, this, &MediaBrowser::CancelShots);
        connect(m_frmShot, &QDialog::rejected, this, &MediaBrowser::CancelShots);
    }
    if (m_frmShot) {
        m_frmShot->ShowShot(0, m_queueTotal);
        m_frmShot->adjustSize();
        // Beside the grid: at the bottom of the window, where the browser shows its waiting text.
        const QWidget* window = m_window->Window();
        const QRect area = window->frameGeometry();
        m_frmShot->move(area.left() + (area.width() - m_frmShot->width()) / 2, area.bottom() - m_frmShot->height() - 48);
        m_frmShot->show();
    }
    QueueNextShot(0);
}

void MediaBrowser::NextShot()
{
    m_stepQueued = false;
    // The shot in progress asks for the next one when it returns.
    if (m_shooting)
        return;
    if (m_queue.isEmpty() || !IsBrowsing()) {
        FinishShots();
        return;
    }
    // A window that takes shots of its own goes first.
    if (m_shooter.IsHeld() || m_shooter.Busy()) {
        QueueNextShot(kBusyRetryMs);
        return;
    }
    const PendingShot shot = m_queue.takeFirst();
    if (m_frmShot)
        m_frmShot->ShowShot(m_queueTotal - static_cast<int>(m_queue.size()), m_queueTotal);
    const int generation = m_generation;
    m_shooting = true;
    const QString result = m_shooter.TakeThumbnail(shot.movie, shot.jpeg, m_options.shotJpeg, false);
    m_shooting = false;
    if (generation != m_generation) {
        QueueNextShot(0);
        return;
    }
    if (result == QLatin1String(kShotCancelled)) {
        // Another window needed the shot machine: this thumbnail is taken when it is free.
        m_queue.prepend(shot);
        QueueNextShot(kBusyRetryMs);
        return;
    }
    if (IsBrowsing() && QFileInfo::exists(shot.jpeg)) {
        // The grid loads the cell's picture again.
        m_window->SWF().SetVariable(QStringLiteral("_root.shot"), QString::number(shot.number));
        m_window->SWF().TCallLabel(QStringLiteral("vbCall"), QStringLiteral("SHOT"));
        Q_EMIT ThumbnailArrived(shot.number);
    }
    QueueNextShot(0);
}

void MediaBrowser::QueueNextShot(int delayMs)
{
    if (m_stepQueued)
        return;
    m_stepQueued = true;
    QTimer::singleShot(delayMs, this, &MediaBrowser::NextShot);
}

void MediaBrowser::FinishShots()
{
    m_queue.clear();
    if (m_frmShot) {
        m_frmShot->hide();
        m_frmShot->deleteLater();
        m_frmShot = nullptr;
    }
    Q_EMIT ShotsFinished();
}

void MediaBrowser::CancelShots()
{
    ++m_generation;
    m_queue.clear();
    if (m_shooting)
        m_shooter.CancelShot();
    else
        FinishShots();
}

// ---- The browser movie's commands

QString MediaBrowser::ItemPath(int number) const
{
    return number >= 1 && number <= ItemCount() ? m_listing.entries[number - 1].target : QString();
}

bool MediaBrowser::ItemIsFolder(int number) const
{
    return number >= 1 && number <= ItemCount() && m_listing.entries[number - 1].type == BrowseEntry::Folder;
}

QString MediaBrowser::SelectedItem() const
{
    if (m_hovered >= 1 && m_hovered <= ItemCount())
        return ItemPath(m_hovered);
    // Between the cells: the listing's parent entry, which stands for the folder itself.
    return m_listing.folder.isEmpty() || m_listing.folder == QLatin1String(kComputerFolder)
        ? QString()
        : m_listing.folder + QStringLiteral("..");
}

void MediaBrowser::SetHoveredItem(int number)
{
    if (number >= 0 && number <= ItemCount())
        m_hovered = number;
}

#pragma once

#include "browser/BrowseListing.h"
#include "browser/FrmShot.h"
#include "player/PlayerBrowser.h"

#include <QList>
#include <QObject>
#include <QPointer>

class PlayerCommands;
class PlayerMedia;
class ThumbnailShooter;
struct OptionsModule;

// The media browser: a folder's movies, videos, projectors and sub-folders as a grid of
// thumbnails in the player's interface movie "browse.swf", fed with "browse.xml". Listing a
// folder writes the document and shows the grid at once; the thumbnails that are missing are
// then taken one by one (window events are handled between and during shots) and each appears
// in the grid as it arrives. The movie's commands (scroll, hover, click, search, choose a
// folder) come back through the player's FSCommand table.
class MediaBrowser : public QObject, public PlayerBrowser {
    Q_OBJECT

public:
    MediaBrowser(OptionsModule& options, ThumbnailShooter& shooter, QObject* parent = nullptr);
    ~MediaBrowser() override;

    // The window it shows its movie in, and the player's movie and playlist.
    void Attach(PlayerCommands& window, PlayerMedia& media);

    // PlayerBrowser.
    bool IsAvailable() const override { return true; }
    bool IsBrowsing() const override;
    void BrowseMedia() override;
    void ShowFolder(const QString& folder) override { BrowseFolder(folder); }
    void ShowError(const QString& text) override;
    int ItemCount() const override { return static_cast<int>(m_listing.entries.size()); }
    QString ItemPath(int number) const override;
    bool ItemIsFolder(int number) const override;
    QString SelectedItem() const override;
    void SetScrollPosition(int position) override { m_scroll = position; }
    void SetHoveredItem(int number) override;

    // BrowseFolder: lists the folder path names ("" for the current one, "/../" for a parent)
    // and shows it.
    void BrowseFolder(const QString& path);
    // Lists the current folder again (after a file command changed it), keeping the scroll.
    void Refresh();

    QString CurrentFolder() const;
    const BrowseListing& Listing() const { return m_listing; }
    int Scroll() const { return m_scroll; }
    int Hovered() const { return m_hovered; }
    // The thumbnails still to take, and whether one is being taken now.
    int PendingShots() const { return static_cast<int>(m_queue.size()); }
    bool IsShooting() const { return m_shooting; }
    // The shot progress window (null while no shots run).
    FrmShot* ShotWindow() const { return m_frmShot; }
    // Stops the shots of the listing (the progress window's Cancel).
    void CancelShots();

    // The movie and document the browser shows.
    static QString MoviePath();
    static QString DocumentPath();

Q_SIGNALS:
    // The thumbnail of entry number (from 1) was taken and handed to the grid.
    void ThumbnailArrived(int number);
    // The listing's shots have ended (all taken or cancelled).
    void ShotsFinished();

private:
    struct PendingShot {
        int number = 0;
        QString movie;
        QString jpeg;
    };

    void Show(const QString& error);
    void StartShots();
    void NextShot();
    void QueueNextShot(int delayMs);
    void FinishShots();
    BrowseRules Rules() const;
    bool Attached() const { return m_window && m_media; }

    OptionsModule& m_options;
    ThumbnailShooter& m_shooter;
    PlayerCommands* m_window = nullptr;
    PlayerMedia* m_media = nullptr;

    BrowseListing m_listing;
    int m_scroll = 0;
    int m_hovered = 0;
    // Set when the browser movie was loaded; IsBrowsing clears it once another movie shows.
    mutable bool m_browsing = false;

    QList<PendingShot> m_queue;
    int m_queueTotal = 0;
    int m_generation = 0;  // counts listings: a shot of an older listing is not announced
    bool m_shooting = false;
    bool m_stepQueued = false;
    QPointer<FrmShot> m_frmShot;
};

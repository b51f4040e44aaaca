#pragma once

#include "player/RecentList.h"

#include <QAbstractListModel>
#include <QStringList>

#include <functional>

// What the recent-movies list needs from the main window, each with its default.
struct RecentServices {
    // The menu caption of a path (the main window's FitText at 150 units); the path itself
    // by default.
    std::function<QString(const QString& path)> fitCaption = [](const QString& path) { return path; };
    // Sets the media browser's current folder.
    std::function<void(const QString& folder)> setBrowserFolder;
    // Reports an opened movie to the desktop's recent documents; by default the freedesktop
    // recently-used list.
    std::function<void(const QString& path)> reportToDesktop;
};

// The "Recent" menu: the last five movies opened, newest first. Each item has a caption (the
// fitted path) and a tag (the full path, compared without regard to case). As a list model,
// row i is menu item i.
class RecentMovies : public QAbstractListModel, public RecentList {
    Q_OBJECT

public:
    static constexpr int kMaxItems = 5;

    enum Role {
        TagRole = Qt::UserRole + 1,  // the full path
    };

    explicit RecentMovies(RecentServices services = DefaultServices(), QObject* parent = nullptr);
    static RecentServices DefaultServices();

    // The automatic "Last Played" playlist, never listed.
    void SetLastPlayedPath(const QString& path) override { m_lastPlayed = path; }

    // A movie was opened: it becomes item 0, moving up when listed, the oldest dropping off.
    void AddRecent(const QString& path) override;
    // Builds the list from the option values "0" to "4" ("0" the newest) at start-up; paths
    // whose file is gone are left out. With history off the list stays empty.
    void LoadRecent(bool history, const QStringList& slotValues) override;
    // Saving goes through the option store ("Recent"/"0" to "4"), which reads the tags.
    // Whether the "Recent" menu is shown (set by LoadRecent).
    bool IsMenuVisible() const { return m_menuVisible; }

    // count: the highest item index in use, -1 when empty.
    int Count() const { return static_cast<int>(m_items.size()) - 1; }
    QString Tag(int index) const override;
    QString Caption(int index) const override;
    int RecentCount() const override { return Count() + 1; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

private:
    struct Item {
        QString caption;
        QString tag;
    };

    RecentServices m_services;
    QList<Item> m_items;
    QString m_lastPlayed;
    bool m_menuVisible = true;
};

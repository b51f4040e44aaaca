#pragma once

#include <QString>
#include <QStringList>

// The recent-movies list behind the "mnuMRU" menu items: newest first, each item a caption
// (the shortened path) and a tag (the full path).
class RecentList {
public:
    virtual ~RecentList() = default;

    virtual void AddRecent(const QString& path) = 0;
    // Builds the list from the stored values "Recent"/"0" to "4" ("0" the newest).
    virtual void LoadRecent(bool history, const QStringList& slotValues) = 0;
    // The kept playlist, which never appears in the list.
    virtual void SetLastPlayedPath(const QString& path) = 0;
    virtual int RecentCount() const = 0;
    virtual QString Tag(int index) const = 0;
    virtual QString Caption(int index) const = 0;
};

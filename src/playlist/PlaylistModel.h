#pragma once

#include <QAbstractListModel>
#include <QStringList>

// The playlist's state and the list box model over it: one row per entry, in playlist order,
// so that row i always stands for entry i. The indices are those of the player's 16-bit
// list, hence at most kMaxEntries entries.
class PlaylistModel : public QAbstractListModel {
    Q_OBJECT

public:
    // The highest count a signed 16-bit last index allows.
    static constexpr int kMaxEntries = 32767;

    enum Role {
        PathRole = Qt::UserRole + 1,  // the entry's full path
        CurrentRole,                  // true for the current (playing) entry
    };

    explicit PlaylistModel(QObject* parent = nullptr);

    // PLLast: index of the last entry, -1 when the playlist is empty.
    int PLLast() const { return static_cast<int>(m_entries.size()) - 1; }
    // PLCurrent: index of the current entry, -1 when none. It may lie past the last entry
    // after the current entry was removed.
    int PLCurrent() const { return m_current; }
    // PLEntries: the full paths, in order. An empty playlist holds one empty text at index 0.
    QStringList PLEntries() const;
    // Entry i, or "" outside 0..PLLast.
    QString Entry(int index) const;
    int Count() const { return static_cast<int>(m_entries.size()); }
    bool IsFull() const { return Count() >= kMaxEntries; }

    // Appends a path as the new last entry; false (nothing changes) when the list is full.
    bool Append(const QString& path);
    // Empties the list; no entry is current.
    void Clear();
    // Exchanges two entries (both within 0..PLLast).
    void Swap(int first, int second);
    // Removes entry index (within 0..PLLast); the entries after it move up one place.
    void RemoveAt(int index);
    // Sets PLCurrent (any signed 16-bit value) and repaints the rows concerned.
    void SetCurrent(int index);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

private:
    void RepaintRow(int row);

    QStringList m_entries;
    int m_current = -1;
};

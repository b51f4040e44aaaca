#pragma once

#include <QListView>

class PlaylistModel;

// The list box "Playlist": one line per entry (its file name), the current entry in bold,
// several entries selectable. A double click or Enter plays the entry.
class PlaylistPane : public QListView {
    Q_OBJECT

public:
    PlaylistPane(PlaylistModel& model, QWidget* parent = nullptr);

    // The selected rows, ascending.
    QList<int> SelectedRows() const;
    void SetRowSelected(int row, bool selected);
    // Selects one row (and makes it the focused one); a row outside the list clears the selection.
    void SelectRow(int row);
    int FocusedRow() const;

Q_SIGNALS:
    // The user asked to play a row (double click, Enter).
    void PlayRequested(int row);
    // The right button went down on a row (-1: below the entries), now selected: the item
    // pop-up menu is wanted.
    void ItemMenuRequested(int row);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};

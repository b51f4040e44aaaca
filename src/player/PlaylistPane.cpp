#include "player/PlaylistPane.h"

#include "playlist/PlaylistModel.h"

#include <QKeyEvent>
#include <QStyledItemDelegate>

#include <algorithm>

namespace {

// The current (playing) entry is drawn in bold.
class PlaylistDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (index.data(PlaylistModel::CurrentRole).toBool()) {
            option->font.setBold(true);
            option->text = QStringLiteral("\u25B6  ") + option->text;
        }
    }
};

}  // namespace

PlaylistPane::PlaylistPane(PlaylistModel& model, QWidget* parent)
    : QListView(parent)
{
    setObjectName(QStringLiteral("Playlist"));
    setModel(&model);
    setItemDelegate(new PlaylistDelegate(this));
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);
    setTextElideMode(Qt::ElideMiddle);
    setFrameShape(QFrame::NoFrame);
    setStyleSheet(QStringLiteral("PlaylistPane { background: #f4f5f7; border-left: 1px solid #c9cdd3; }"
                                 "PlaylistPane::item { padding: 3px 6px; }"));
    connect(this, &QListView::doubleClicked, this, [this](const QModelIndex& index) { Q_EMIT PlayRequested(index.row()); });
}

QList<int> PlaylistPane::SelectedRows() const
{
    QList<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedIndexes())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

void PlaylistPane::SetRowSelected(int row, bool selected)
{
    const QModelIndex index = model()->index(row, 0);
    if (index.isValid())
        selectionModel()->select(index, selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect);
}

void PlaylistPane::SelectRow(int row)
{
    const QModelIndex index = model()->index(row, 0);
    if (!index.isValid()) {
        selectionModel()->clearSelection();
        return;
    }
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    scrollTo(index);
}

int PlaylistPane::FocusedRow() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

void PlaylistPane::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        const int row = FocusedRow();
        if (row >= 0)
            Q_EMIT PlayRequested(row);
        return;
    }
    QListView::keyPressEvent(event);
}

void PlaylistPane::mousePressEvent(QMouseEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    QListView::mousePressEvent(event);
    if (event->button() == Qt::RightButton) {
        const QModelIndex index = indexAt(event->position().toPoint());
        if (!index.isValid())
            selectionModel()->clearSelection();
        Q_EMIT ItemMenuRequested(index.isValid() ? index.row() : -1);
    }
}

#include "playlist/PlaylistModel.h"

#include "base/FileNames.h"

PlaylistModel::PlaylistModel(QObject* parent)
    : QAbstractListModel(parent)
{
}

QStringList PlaylistModel::PLEntries() const
{
    return m_entries.isEmpty() ? QStringList{QString()} : m_entries;
}

QString PlaylistModel::Entry(int index) const
{
    return index >= 0 && index < m_entries.size() ? m_entries.at(index) : QString();
}

bool PlaylistModel::Append(const QString& path)
{
    if (IsFull())
        return false;
    const int row = Count();
    beginInsertRows(QModelIndex(), row, row);
    m_entries.append(path);
    endInsertRows();
    return true;
}

void PlaylistModel::Clear()
{
    beginResetModel();
    m_entries.clear();
    m_current = -1;
    endResetModel();
}

void PlaylistModel::Swap(int first, int second)
{
    if (first < 0 || second < 0 || first >= Count() || second >= Count() || first == second)
        return;
    m_entries.swapItemsAt(first, second);
    RepaintRow(first);
    RepaintRow(second);
}

void PlaylistModel::RemoveAt(int index)
{
    if (index < 0 || index >= Count())
        return;
    beginRemoveRows(QModelIndex(), index, index);
    m_entries.removeAt(index);
    endRemoveRows();
}

void PlaylistModel::SetCurrent(int index)
{
    const int previous = m_current;
    m_current = std::clamp(index, -32768, 32767);
    if (previous != m_current) {
        RepaintRow(previous);
        RepaintRow(m_current);
    }
}

int PlaylistModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : Count();
}

QVariant PlaylistModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= Count())
        return QVariant();
    const QString& path = m_entries.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return FileNameOf(path);
    case Qt::ToolTipRole:
    case PathRole:
        return path;
    case CurrentRole:
        return index.row() == m_current;
    default:
        return QVariant();
    }
}

QHash<int, QByteArray> PlaylistModel::roleNames() const
{
    QHash<int, QByteArray> names = QAbstractListModel::roleNames();
    names.insert(PathRole, "path");
    names.insert(CurrentRole, "current");
    return names;
}

void PlaylistModel::RepaintRow(int row)
{
    if (row < 0 || row >= Count())
        return;
    const QModelIndex changed = index(row);
    Q_EMIT dataChanged(changed, changed);
}

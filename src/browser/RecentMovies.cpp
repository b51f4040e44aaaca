#include "browser/RecentMovies.h"

#include "base/FileNames.h"
#include "browser/RecentlyUsedFile.h"

#include <QFileInfo>

namespace {

// Paths are the same entry when they differ only in letter case or separators.
bool SamePath(const QString& a, const QString& b)
{
    return NormalizePath(a).compare(NormalizePath(b), Qt::CaseInsensitive) == 0;
}

}  // namespace

RecentMovies::RecentMovies(RecentServices services, QObject* parent)
    : QAbstractListModel(parent)
    , m_services(std::move(services))
{
    if (!m_services.fitCaption)
        m_services.fitCaption = [](const QString& path) { return path; };
}

RecentServices RecentMovies::DefaultServices()
{
    RecentServices services;
    services.reportToDesktop = [](const QString& path) { AddToRecentlyUsed(path); };
    return services;
}

void RecentMovies::AddRecent(const QString& path)
{
    if (!m_lastPlayed.isEmpty() && SamePath(path, m_lastPlayed))
        return;
    if (m_services.setBrowserFolder)
        m_services.setBrowserFolder(FolderOf(path));

    beginResetModel();
    qsizetype found = -1;
    for (qsizetype i = 0; i < m_items.size(); ++i) {
        if (SamePath(m_items[i].tag, path)) {
            found = i;
            break;
        }
    }
    if (found >= 0)
        m_items.removeAt(found);
    else if (m_items.size() >= kMaxItems)
        m_items.removeLast();
    m_items.prepend(Item{m_services.fitCaption(path), path});
    endResetModel();

    if (m_services.reportToDesktop)
        m_services.reportToDesktop(path);
}

void RecentMovies::LoadRecent(bool history, const QStringList& slotValues)
{
    beginResetModel();
    m_items.clear();
    endResetModel();
    m_menuVisible = history;
    if (!history)
        return;
    // Oldest first, so that value "0" ends up on top.
    for (int i = kMaxItems - 1; i >= 0; --i) {
        const QString value = slotValues.value(i);
        if (!value.isEmpty() && QFileInfo::exists(NormalizePath(value)))
            AddRecent(value);
    }
}

QString RecentMovies::Tag(int index) const
{
    return index >= 0 && index < m_items.size() ? m_items[index].tag : QString();
}

QString RecentMovies::Caption(int index) const
{
    return index >= 0 && index < m_items.size() ? m_items[index].caption : QString();
}

int RecentMovies::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_items.size());
}

QVariant RecentMovies::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_items.size())
        return QVariant();
    const Item& item = m_items[index.row()];
    switch (role) {
    case Qt::DisplayRole:
        return item.caption;
    case Qt::ToolTipRole:
    case TagRole:
        return item.tag;
    default:
        return QVariant();
    }
}

QHash<int, QByteArray> RecentMovies::roleNames() const
{
    QHash<int, QByteArray> names = QAbstractListModel::roleNames();
    names.insert(TagRole, "tag");
    return names;
}

#include "player/MenuDecorations.h"

#include "image/ui/PngPainter.h"

#include <QFileInfo>
#include <QPixmap>

void MenuDecorations::Clear()
{
    m_entries.clear();
}

void MenuDecorations::Register(const QString& caption, const QString& iconPath, CommandKind kind)
{
    if (caption.isEmpty() || m_entries.contains(caption))
        return;
    m_entries.insert(caption, Entry{iconPath, kind});
}

const MenuDecorations::Entry* MenuDecorations::Find(const QString& caption) const
{
    const auto it = m_entries.constFind(caption);
    return it == m_entries.cend() ? nullptr : &*it;
}

QIcon MenuDecorations::IconFor(const QString& caption) const
{
    const Entry* entry = Find(caption);
    if (!entry || entry->iconPath.isEmpty())
        return QIcon();
    const auto cached = m_icons.constFind(entry->iconPath);
    if (cached != m_icons.cend())
        return *cached;
    // An icon set may leave icons out: a missing file means no icon, not a failure.
    QIcon icon;
    for (const QString& variant : {entry->iconPath, entry->iconPath + QStringLiteral("@2x")}) {
        if (!QFileInfo::exists(variant + QStringLiteral(".png")))
            continue;
        const QImage image = LoadPngImage(variant);
        if (!image.isNull())
            icon.addPixmap(QPixmap::fromImage(image));
    }
    m_icons.insert(entry->iconPath, icon);
    return icon;
}

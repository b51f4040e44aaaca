#include "desktop/FileAssociations.h"

#include "desktop/MimeDefaults.h"
#include "options/RegistryStore.h"

#include <array>

namespace {

const std::array<AssociatedType, 3> kTypes = {{
    {".swf", "PrevSWF", {QStringLiteral("application/vnd.adobe.flash.movie"), QStringLiteral("application/x-shockwave-flash")}},
    {".vorlen", "PrevPLext", {QLatin1String(kPlaylistMimeType)}},
    {".flv", "PrevFLV", {QStringLiteral("video/x-flv")}},
}};

const QString kSystem = QStringLiteral("System");

}  // namespace

std::span<const AssociatedType> AssociatedTypes()
{
    return kTypes;
}

FileAssociations::FileAssociations(DesktopInstall install, DesktopFilePaths paths)
    : m_install(std::move(install))
    , m_paths(std::move(paths))
{
}

QString FileAssociations::CurrentOwner(const AssociatedType& type) const
{
    // A default chosen under an alias counts too.
    for (const QString& mimeType : type.mimeTypes) {
        const QString owner = QueryDefaultApplication(mimeType);
        if (!owner.isEmpty())
            return owner;
    }
    return QString();
}

void FileAssociations::SetOwner(const AssociatedType& type, const QString& owner)
{
    for (const QString& mimeType : type.mimeTypes) {
        if (owner.isEmpty())
            RemoveDefaultApplication(mimeType, QLatin1String(kDesktopId));
        else if (UserDefaultApplication(mimeType) != owner)
            SetDefaultApplication(mimeType, owner);
    }
}

void FileAssociations::Apply(bool associate)
{
    const QString player = QLatin1String(kDesktopId);

    // 1-3. The owners before the player: what the desktop names now, unless that is the player
    // itself, whose predecessor the options already hold.
    std::array<QString, kTypes.size()> previous;
    bool ownedSwf = false;
    for (size_t i = 0; i < kTypes.size(); ++i) {
        const QString option = QLatin1String(kTypes[i].previousOption);
        previous[i] = CurrentOwner(kTypes[i]);
        if (previous[i] == player) {
            if (i == 0)
                ownedSwf = true;
            previous[i] = ReadRegistryString(kSystem, option, QString());
        }
        WriteRegistryString(kSystem, option, previous[i]);
    }

    // 4. The player's entry, icons and playlist type.
    if (associate)
        InstallDesktopFiles(m_install, m_paths);

    // 5. Each type to the player, or back to its previous owner.
    for (size_t i = 0; i < kTypes.size(); ++i)
        SetOwner(kTypes[i], associate ? player : previous[i]);

    // 6. The desktop's cache of who opens what follows a change of the movies' owner.
    if (ownedSwf != associate)
        RefreshApplicationsCache(m_paths);
}

void FileAssociations::RemoveFiles()
{
    RemoveDesktopFiles(m_paths);
    RefreshApplicationsCache(m_paths);
}

#include "desktop/DesktopIntegration.h"

#include "base/AppFolders.h"
#include "desktop/MyFlashFolderLook.h"
#include "lang/Language.h"

namespace {

FileAssociations Associations()
{
    DesktopInstall install;
    install.programFile = ProgramFilePath();
    install.imagesFolder = Folders().images;
    install.playlistComment = LangText(QStringLiteral("BrowseMedia/strPlaylist"), QStringLiteral("Flash Playlist"));
    return FileAssociations(install);
}

}  // namespace

QString ProgramFilePath()
{
    return Folders().app + QStringLiteral("vorlen");
}

DesktopIntegration::DesktopIntegration() = default;

bool DesktopIntegration::IsScreenSaverActive()
{
    return m_screenSaver.IsActive();
}

void DesktopIntegration::SetSSState(bool active)
{
    m_screenSaver.SetActive(active);
}

void DesktopIntegration::PrepareMyFlashFolder(const QString& folder)
{
    MyFlashFolderLook look;
    look.programFile = ProgramFilePath();
    look.folderIcon = Folders().images + QStringLiteral("vorlen-folder.svg");
    look.infoTip = MyFlashInfoTip();
    ::PrepareMyFlashFolder(folder, look);
}

void DesktopIntegration::ApplyAssociations(bool associate)
{
    Associations().Apply(associate);
}

void DesktopIntegration::RemoveInstalledFiles()
{
    Associations().RemoveFiles();
}

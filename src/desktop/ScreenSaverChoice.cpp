#include "desktop/ScreenSaverChoice.h"

#include "options/RegistryStore.h"

#include <QFileInfo>

namespace {

const QString kSection = QStringLiteral("ScreenSaver");
const QString kFileName = QStringLiteral("FileName");

}  // namespace

void RecordScreenSaverMovie(const QString& path, const QString& saverModule)
{
    WriteRegistryString(kSection, QStringLiteral("FileOld"), ReadRegistryString(kSection, kFileName, QString()));
    WriteRegistryString(kSection, kFileName, path);
    // The long path stands for the short one; a module that is not there leaves it empty.
    const QString module = QFileInfo::exists(saverModule) ? saverModule : QString();
    WriteRegistryString(QStringLiteral("Control Panel\\Desktop"), QStringLiteral("SCRNSAVE.EXE"), module, false);
}

QString ScreenSaverMovie()
{
    return ReadRegistryString(kSection, kFileName, QString());
}

#pragma once

#include "desktop/DesktopEntry.h"

#include <QString>
#include <QStringList>

#include <span>

// A file type the player takes over: its extension, the option remembering who opened it
// before ("System"/<previousOption>), and its MIME type names (the first is the one asked; the
// others are aliases set along with it).
struct AssociatedType {
    const char* extension;
    const char* previousOption;
    QStringList mimeTypes;
};

// Movies (".swf"), playlists (".vorlen") and Flash Video (".flv"), in this order.
std::span<const AssociatedType> AssociatedTypes();

// The player as the desktop's program for its file types. On: its desktop entry, icons and
// playlist type are installed and it becomes the default of every type; off: each type goes
// back to the application that was its default before, or to none. The previous owners are
// kept in the option store, so a second "on" never remembers the player itself.
class FileAssociations {
public:
    explicit FileAssociations(DesktopInstall install, DesktopFilePaths paths = UserDesktopFilePaths());

    // ApplyAssociations: every save of the options runs it with "System"/"Associate".
    void Apply(bool associate);

    // The desktop entry, icons and playlist type go (Uninstall, after Apply(false)).
    void RemoveFiles();

private:
    QString CurrentOwner(const AssociatedType& type) const;
    void SetOwner(const AssociatedType& type, const QString& owner);

    DesktopInstall m_install;
    DesktopFilePaths m_paths;
};

#pragma once

#include "browser/FileCommands.h"
#include "player/PlayerExtensions.h"

#include <QStringList>

#include <functional>

class BrowserDialogs;
class MediaBrowser;
class PlayerCommands;
class PlayerFileDialogs;
class PlayerMedia;
class QWidget;
class ThumbnailShooter;
struct DecompilerOptions;
struct GeneratorSettings;
struct MediaFileInfo;
struct OptionsModule;

// What the browser's commands work with.
struct BrowserToolParts {
    OptionsModule* options = nullptr;
    GeneratorSettings* generator = nullptr;
    DecompilerOptions* extractor = nullptr;
    ThumbnailShooter* shooter = nullptr;
    MediaBrowser* browser = nullptr;  // refreshed after a file command; may be null
    BrowserDialogs* dialogs = nullptr;
};

// The player's features that live in browser/: the movie information box, conversion, the
// resource extractor, the thumbnail generator, pictures and thumbnails of the movie shown,
// showing a file, and the item pop-up menu's commands (play, explore, cut, copy, paste,
// delete, rename). A command of the main menu acts on the movie shown; one of the item pop-up
// menu on its item.
class BrowserTools : public PlayerExtensions {
public:
    explicit BrowserTools(BrowserToolParts parts);
    ~BrowserTools() override;

    void Attach(PlayerCommands& window, PlayerMedia& media, PlayerFileDialogs& fileDialogs);

    bool Offers(PlayerFeature feature) const override;
    void Run(PlayerFeature feature, const QString& argument) override;
    void RunMenuItem(PlayerFeature feature, const QString& item, const QString& argument) override;
    bool RunOperation(PlayerFeature feature, const QString& name, const QStringList& arguments) override;

    FileClipboard& Clipboard() { return m_clipboard; }

    // The commands, by what they act on.
    void InfoOnMovie();
    void InfoOnItem(const QString& item);
    void ConvertShownMovie();
    void ConvertItem(const QString& item);
    void Extract(const QString& path);
    void ShowGenerator(const QString& source);
    void GeneratorForItem(const QString& item);
    void Generate(const QStringList& arguments);
    void TakePicture();
    void CreateThumbnail();
    void ShowFile(const QString& path);
    void Explore(const QString& item);
    void Copy(const QString& item);
    void Cut(const QString& item);
    void Paste(const QString& item);
    void Delete(const QString& item);
    void Rename(const QString& item);

private:
    void Convert(const MediaFileInfo& info);
    // Runs command later when feature takes shots and the shot machine is busy now; false when
    // it can run at once.
    bool DeferWhileShooting(PlayerFeature feature, std::function<void()> command);
    // After a file command: the browser lists its folder again.
    void Refresh();
    QWidget* Owner() const;

    BrowserToolParts m_parts;
    PlayerCommands* m_window = nullptr;
    PlayerMedia* m_media = nullptr;
    PlayerFileDialogs* m_fileDialogs = nullptr;
    FileClipboard m_clipboard;
};

#pragma once

#include "app/ProgramOptions.h"
#include "browser/DecompilerOptions.h"
#include "browser/GeneratorSettings.h"
#include "browser/RecentMovies.h"
#include "common/FakeFlashControl.h"
#include "common/TestSupport.h"
#include "lang/UIFont.h"
#include "options/OptionSet.h"
#include "options/OptionsModule.h"
#include "player/Player.h"
#include "player/PlayerBrowser.h"
#include "player/PlayerDesktop.h"
#include "player/PlayerExtensions.h"
#include "player/PlayerFileDialogs.h"
#include "player/PlayerSettings.h"
#include "update/UpdateSettings.h"

#include <QObject>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>

#include <memory>

// A small movie written by the project's SWF writer.
struct TestMovie {
    int width = 550;
    int height = 400;
    double frameRate = 12;
    int frames = 1;
    bool compressed = false;
};
QByteArray MovieBytes(const TestMovie& movie = {});

// The file dialogs answer what the test sets; the last title and filter are kept.
class FakeFileDialogs : public PlayerFileDialogs {
public:
    QStringList openAnswer;
    QString saveAnswer;
    QString folderAnswer;
    QString lastTitle;
    QString lastFilter;
    QString lastFolder;

    QStringList OpenFiles(QWidget*, const QString& title, const QString& folder, const QString& filter) override;
    QString SaveFile(QWidget*, const QString& title, const QString& folder, const QString&, const QString& filter) override;
    QString ChooseFolder(QWidget*, const QString& title, const QString& folder) override;
    QStringList messages;  // "<title>: <text>"
    void ShowMessage(QWidget*, const QString& title, const QString& text) override
    {
        messages << title + QStringLiteral(": ") + text;
    }
};

// A media browser whose items the test sets; it records what the player asks of it.
class FakeBrowser : public PlayerBrowser {
public:
    struct Item {
        QString path;
        bool folder = false;
    };
    bool available = false;
    bool browsing = false;  // the browse state, switched by the test
    QString hovered;        // the item under the pointer
    QList<Item> items;
    QStringList calls;  // "ShowFolder <folder>", "Scroll <n>", "Hover <n>"

    bool IsAvailable() const override { return available; }
    bool IsBrowsing() const override { return browsing; }
    QString SelectedItem() const override { return hovered; }
    void ShowFolder(const QString& folder) override { calls << QStringLiteral("ShowFolder ") + folder; }
    int ItemCount() const override { return int(items.size()); }
    QString ItemPath(int number) const override { return items.value(number - 1).path; }
    bool ItemIsFolder(int number) const override { return items.value(number - 1).folder; }
    void SetScrollPosition(int position) override { calls << QStringLiteral("Scroll ") + QString::number(position); }
    void SetHoveredItem(int number) override { calls << QStringLiteral("Hover ") + QString::number(number); }
};

// Catches what the player opens with the desktop's handlers (web and mail addresses, files)
// while it lives, so that no browser starts.
class OpenedUrls : public QObject {
    Q_OBJECT
public:
    OpenedUrls();
    ~OpenedUrls() override;
    QList<QUrl> urls;

public Q_SLOTS:
    void Open(const QUrl& url) { urls << url; }
};

// Offers the features the test names and records what runs.
class FakeExtensions : public PlayerExtensions {
public:
    QList<PlayerFeature> offered;
    QStringList runs;  // "<feature number> <argument>"

    bool Offers(PlayerFeature feature) const override { return offered.contains(feature); }
    void Run(PlayerFeature feature, const QString& argument) override;
};

// Records what the window asks of the desktop around it.
class FakeDesktop : public PlayerDesktop {
public:
    QStringList calls;
    void SetSSState(bool active) override { calls << QStringLiteral("SetSSState %1").arg(active); }
    void ApplyAssociations(bool associate) override { calls << QStringLiteral("ApplyAssociations %1").arg(associate); }
    void RemoveInstalledFiles() override { calls << QStringLiteral("RemoveInstalledFiles"); }
};

// A player window on the fake control, with an application folder, an option store, a
// "Ve Zedaz" folder and option holders of its own. Labelled ui: it needs a display.
class PlayerTest : public ::testing::Test {
protected:
    PlayerTest();
    ~PlayerTest() override;

    // Creates the window (LoadOpts runs in it); options written before are read. Without a skin
    // the window is the plain one.
    Player& MakePlayer(std::unique_ptr<PlayerSkin> skin = nullptr);
    // Fixtures that bring parts of their own (a browser, extensions) set them here.
    virtual void AddParts(PlayerParts& parts) { }
    Player& player() { return *m_player; }
    FakeFlashControl& Swf() { return *m_swf; }

    // Writes a file below the test's folder and gives its path.
    QString WriteFile(const QString& name, const QByteArray& bytes);
    QString WriteMovie(const QString& name, const TestMovie& movie = {});
    // The log lines after the header, and those written since the last Mark().
    QStringList LogBody() const { return m_app.LogBody(); }
    void Mark() { m_mark = m_app.LogBody().size(); }
    QStringList LogSinceMark() const { return m_app.LogBody().mid(m_mark); }
    // The welcome document the player wrote last.
    QString WelcomeXml() const;
    QString FolderPath() const { return m_dir.path() + QLatin1Char('/'); }
    QString MyFlash() const { return FolderPath() + QStringLiteral("Ve Zedaz/"); }

    TempAppFolder m_app;
    QTemporaryDir m_dir;
    QByteArray m_oldConfig;
    OptionsModule m_options;
    PlayerOptionState m_state;
    GeneratorSettings m_generator;
    DecompilerOptions m_extractor;
    UpdateSettings m_update;
    UIFontInfo m_font;
    std::unique_ptr<OptionSet> m_optionSet;
    RecentMovies m_recent;
    FakeFileDialogs m_dialogs;
    FakeExtensions m_extensions;
    FakeDesktop m_desktop;
    FakeBrowser m_browser;
    PlayerHooks* m_hooks = nullptr;  // set before MakePlayer to install them
    // Makes the about box's control; empty: the player offers no about box.
    std::function<std::unique_ptr<FlashControl>()> m_newControl;
    int m_released = 0;
    FakeFlashControl* m_swf = nullptr;
    std::unique_ptr<Player> m_player;
    int m_mark = 0;
};

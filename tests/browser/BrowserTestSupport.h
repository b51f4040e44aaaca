#pragma once

#include "browser/BrowserDialogs.h"
#include "browser/BrowserTools.h"
#include "browser/MediaBrowser.h"
#include "browser/ThumbnailShooter.h"
#include "player/PlayerTestSupport.h"

#include <QColor>
#include <QImage>

#include <functional>

// Writes a flat picture of its own colour for every movie and records what it was asked;
// during runs while the "shot" waits, as the real machine runs the event loop then.
class FakeShooter : public ThumbnailShooter {
public:
    QStringList shots;  // the movies, in order
    QList<int> qualities;
    std::function<void(const QString& movie)> during;
    QColor colour = QColor(0x33, 0x99, 0x66);

    QString TakeThumbnail(const QString& movie, const QString& jpegPath, int quality, bool show) override;
    void CancelShot() override;
    void SetPreview(std::function<void(const QImage& shot)> preview) override { m_preview = std::move(preview); }
    bool Busy() const override { return m_busy; }

private:
    std::function<void(const QImage&)> m_preview;
    bool m_busy = false;
    bool m_cancelled = false;
};

// Answers the questions as the test sets and records what was shown.
class FakeBrowserDialogs : public BrowserDialogs {
public:
    QStringList warnings;
    QStringList questions;
    bool confirmAnswer = true;
    QString nameAnswer;
    QString lastProposal;
    QStringList dialogs;  // object names of the dialogs run
    std::function<void(QDialog& dialog)> onDialog;
    QStringList openedFolders;
    QStringList shownItems;

    void Warn(QWidget*, const QString& text) override { warnings << text; }
    bool Confirm(QWidget*, const QString& question) override;
    QString AskNewName(QWidget*, const QString& name) override;
    void RunDialog(QDialog& dialog) override;
    void OpenFolder(const QString& folder) override { openedFolders << folder; }
    void ShowItem(const QString& path) override { shownItems << path; }
};

// The player window with the media browser and its tools on the fake control, a fake shooter
// and an interface movie "browse.swf" of its own.
class BrowserPlayerTest : public PlayerTest {
protected:
    BrowserPlayerTest();
    void AddParts(PlayerParts& parts) override;
    // Makes the window and attaches the browser and the tools.
    Player& MakeBrowserPlayer();
    // Runs the event loop until the browser's shots have ended.
    bool WaitForShots(int timeoutMs = 5000);
    QString BrowseXml() const;
    // A command of the browser movie, as the control reports it.
    void Command(const QString& command, const QString& args);
    // The calls the control got since the last clear, joined for messages.
    QString Calls() const { return swf().calls.join(QLatin1Char('\n')); }
    FakeFlashControl& swf() const { return *m_swf; }

    FakeShooter m_shooter;
    FakeBrowserDialogs m_browserDialogs;
    MediaBrowser m_mediaBrowser;
    BrowserTools m_tools;
};

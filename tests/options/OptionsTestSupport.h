#pragma once

#include "app/ProgramOptions.h"
#include "browser/DecompilerOptions.h"
#include "browser/GeneratorSettings.h"
#include "common/TestSupport.h"
#include "lang/UIFont.h"
#include "options/OptionSet.h"
#include "options/OptionsHost.h"
#include "options/OptionsModule.h"
#include "player/PlayerSettings.h"
#include "update/UpdateSettings.h"

#include <QStringList>
#include <QTemporaryDir>

// A fresh option store (VORLEN_CONFIG_DIR) and documents folder (HOME, XDG_CONFIG_HOME) in a
// temporary directory, restored when the scope ends.
class TempOptionStore {
public:
    TempOptionStore();
    ~TempOptionStore();
    QString Path() const { return m_dir.path() + QLatin1Char('/'); }
    QString Documents() const { return Path() + QStringLiteral("home/Documents/"); }

private:
    QTemporaryDir m_dir;
    QByteArray m_old[3];
};

// Records every apply step in order; the window state and geometry are set by the test.
class FakeOptionsHost : public OptionsHost {
public:
    QStringList calls;
    int16_t state = kWindowNormal;
    WindowGeometry geometry{100.0f, 200.0f, 6000.0f, 4500.0f};
    QString quality = QStringLiteral("High");
    uint8_t scaleMode = 0;
    bool screenSaverActive = true;
    QStringList recentFiles;

    void SetQuality(const QString& q) override { calls << QStringLiteral("SetQuality ") + q; }
    void SetScaleMode(uint8_t mode) override { calls << QStringLiteral("SetScaleMode %1").arg(mode); }
    void TogglePlaylist(int16_t mode) override { calls << QStringLiteral("TogglePlaylist %1").arg(mode); }
    void MuteSound(bool mute) override { calls << QStringLiteral("MuteSound %1").arg(mute); }
    void SetTopMost(bool topMost) override { calls << QStringLiteral("SetTopMost %1").arg(topMost); }
    void MoveWindow(const WindowGeometry& g) override
    {
        calls << QStringLiteral("MoveWindow %1 %2 %3 %4").arg(g.left).arg(g.top).arg(g.width).arg(g.height);
    }
    void Center() override { calls << QStringLiteral("Center"); }
    int16_t WindowState() const override { return state; }
    WindowGeometry CurrentGeometry() const override { return geometry; }
    QString CurrentQuality() const override { return quality; }
    uint8_t ScaleModeToSave() const override { return scaleMode; }
    bool IsScreenSaverActive() override { return screenSaverActive; }
    void SetSSState(bool active) override { calls << QStringLiteral("SetSSState %1").arg(active); }
    void PrepareMyFlashFolder(const QString& folder) override { calls << QStringLiteral("PrepareMyFlashFolder ") + folder; }
    void ApplyAssociations(bool associate) override { calls << QStringLiteral("ApplyAssociations %1").arg(associate); }
    void LoadRecentFiles() override { calls << QStringLiteral("LoadRecentFiles"); }
    QStringList RecentFiles() const override { return recentFiles; }
};

// Fresh holders of their own, so that tests do not share state.
struct TestHolders {
    OptionsModule options;
    PlayerOptionState player;
    GeneratorSettings generator;
    DecompilerOptions extractor;
    UpdateSettings update;
    UIFontInfo font;
    // The program's option table over these holders.
    OptionSet All()
    {
        OptionSet set(options);
        AddProgramOptionRows(set, ProgramOptionHolders{&player, &generator, &extractor, &update, &font});
        return set;
    }
};

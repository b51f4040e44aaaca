#pragma once

#include "player/PlayerSkin.h"

// The plain window without a skin: the menu bar across the top, the movie below it, and the
// playlist pane on the right of the movie.
class NoSkin : public PlayerSkin {
public:
    // The smallest movie area the plain window keeps, so that its menus stay usable.
    static constexpr int kMinimumViewWidth = 160;
    static constexpr int kMinimumViewHeight = 90;

    bool IsActive() const override { return false; }
    QString SkinName() const override { return QString(); }
    void LoadCurrentSkin(const QString&) override { }
    SkinLayout UpdateSkin(const SkinLayoutRequest& request) override;
    void RunViewEvent(SkinViewEvent) override { }
    void RunSkinEvent(const QString&) override { }
    void SwitchView(const QString&) override { }
    void UpdateRegion(bool) override { }
    void ShowFSControls(bool) override { }
};

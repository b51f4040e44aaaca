#pragma once

class PlayerInput;

// The input hooks around the player window: its window events, the movie's own input, the hot
// keys. The window installs them once it is made and releases them when it quits; without them
// (tests of the window alone) it runs with menus and scripts only.
class PlayerHooks {
public:
    virtual ~PlayerHooks() = default;

    virtual void Install(PlayerInput& player) = 0;
    virtual void Release() = 0;
};

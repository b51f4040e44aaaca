#pragma once

#include "player/PlayerFeature.h"

#include <QString>

#include <span>

class FlashControl;
class Player;
class QAction;
class QWidget;
class ScriptEngine;
class ScriptHostObject;

// One table of the player's commands (PlayerCommandTable.cpp): every menu of the menu bar and of
// the two pop-up menus, in order, and the hot keys. Menus, shortcuts, hot keys, the script host
// and outside controllers (media keys, the desktop's media controls) all find a command here,
// so each is wired once.

enum class CommandKind {
    Plain,
    Check,  // drawn with a check mark
    Radio,  // one of a choice group
    Separator,
    Menu,       // a menu or submenu; without a parent a menu of the menu bar
    PopupMenu,  // a pop-up menu of its own (PopUp, PupItem)
    HotKey,     // no menu item: a further hot key of the command named by its parent
};

// When a menu item follows the movie shown (the menus adapted by LoadFlash).
enum class MovieCondition {
    Always,
    NotInterface,  // a movie or video of the user, not one of the player's own screens
    FlashMovie,    // a movie of the user that is not a video
    ScreenSaver,   // NotInterface, and the player's screen-saver module exists
};

// Design states and the playlist menus.
enum CommandFlag : unsigned {
    kDesignChecked = 1,
    kDesignDisabled = 2,
    kDesignHidden = 4,
    kShowWithMovie = 8,     // the movie condition decides visibility, not the enabled state
    kNeedsOneEntry = 16,    // enabled while the playlist has an entry
    kNeedsTwoEntries = 32,  // enabled while the playlist has two entries
    // The item pop-up's entries, by what the pop-up is opened for.
    kForFolder = 64,  // a folder of the media browser
    kForMovie = 128,  // a file of the media browser
    kForEntry = 256,  // an entry of the playlist box
    kForList = 512,   // the playlist box where no entry is under the pointer
};

// A handler gets the player and the index of the item of a control array (-1 for others).
using CommandHandler = void (*)(Player& player, int index);

struct CommandRow {
    const char* name = nullptr;      // "mnuOpen"; the array's name for array items
    int index = -1;                  // the item of a control array ("mnuQLvl(2)"), else -1
    const char* parent = nullptr;    // the menu holding it; nullptr for the menu bar's menus
    const char* caption = "";        // the default caption
    const char* shortcut = nullptr;  // "Ctrl+O"
    CommandKind kind = CommandKind::Plain;
    unsigned flags = 0;
    const char* langKey = nullptr;         // nullptr: "Player/" + name (+ "_" + index), or the key a "!" tag names
    const char* icon = nullptr;            // menu icon name
    int hotKey = -1;                       // hot-key action id 0..23, -1 for none
    const char* hotKeySequence = nullptr;  // the hot key's keys when they differ from the shortcut; "" none
    PlayerFeature feature = PlayerFeature::None;
    MovieCondition condition = MovieCondition::Always;
    const char* tag = nullptr;  // the item's tag: a quality name, or "!" + the language key whose text it shares
    CommandHandler handler = nullptr;
};

std::span<const CommandRow> CommandTable();

// The row of a menu item: by name (letter case ignored) and, for arrays, index. A runtime
// item of an array (a recent movie, a language) is served by the array's row of index 0.
const CommandRow* FindCommand(const QString& name, int index = -1);
// The row a hot-key action id runs (a HotKey row's parent resolved), nullptr outside 0..23.
const CommandRow* FindHotKeyCommand(int id);
// The keys of a hot-key action ("" when it registers none).
QString HotKeySequence(int id);
// The language key of a row's caption.
QString CommandLanguageKey(const CommandRow& row);
// Whether a row is an item of a control array.
bool IsArrayRow(const CommandRow& row);
// Hot-key actions are numbered 0..kHotKeyCount - 1.
inline constexpr int kHotKeyCount = 24;

// When a handy key acts.
enum class HandyCondition {
    Always,
    MenuBarHidden,  // the menu bar is hidden (full screen or ShowMenuBar(false)): its shortcuts
    HandyKeys,      // "Handy Hot Keys" is checked and the media browser is not shown
};

// One handy key (HandyAction): a single key without modifiers (a Qt key code), its condition, and
// the menu item it runs or, for the keys that are no menu item, a handler of its own.
struct HandyKeyRow {
    int key = 0;
    HandyCondition condition = HandyCondition::Always;
    const char* item = nullptr;
    CommandHandler handler = nullptr;
};

// The handy keys in the order HandyAction tries them.
std::span<const HandyKeyRow> HandyKeyTable();

// Where a pop-up menu is asked for: the movie area (PopUp), an entry of the playlist box or an
// item of the media browser (PupItem).
enum class PopUpSource { Movie, Playlist, Browser };

// How the parts around the window reach the commands (hot keys, media keys, the console)
// without knowing the window class.
class PlayerCommands {
public:
    virtual ~PlayerCommands() = default;

    // Runs a menu item's handler as a click does; false when there is no such item, or it is
    // disabled because its feature is missing.
    virtual bool RunCommand(const QString& name, int index = -1) = 0;
    // HotKeyAction: runs action id 0..23; other ids do nothing.
    virtual void HotKeyAction(int id) = 0;
    virtual QAction* MenuItem(const QString& name, int index = -1) const = 0;
    virtual ScriptEngine& Script() = 0;
    virtual FlashControl& SWF() = 0;
    virtual QWidget* Window() = 0;
    // The picture box "View" that holds the Flash control.
    virtual QWidget* MovieArea() = 0;
    // ShowPopUp: the movie's pop-up menu PopUp, or the item pop-up PupItem for item (a full path;
    // "" for the playlist box where no entry is under the pointer), at the pointer.
    virtual void ShowPopUp(PopUpSource source, const QString& item = QString()) = 0;

    // What a skin needs of the window besides the above (defaults for windows without a skin).
    // ResetScriptEngine: the engine emptied, with the window added again as "Player".
    virtual void ResetScriptEngine() { }
    // The script object "Player", to which a skin adds its own members once.
    virtual ScriptHostObject* ScriptHost() { return nullptr; }
    // The items of a menu control array made at run time (the skins of mnuSkinList): item index
    // with its caption and tag (nullptr when the array does not exist), and removing the items
    // from index on.
    virtual QAction* AddMenuArrayItem(const QString& name, int index, const QString& caption, const QString& tag)
    {
        return nullptr;
    }
    virtual void RemoveMenuArrayItems(const QString& name, int fromIndex) { }
    // The window laid out again (UpdateSkin of the window).
    virtual void UpdateSkin() { }
};

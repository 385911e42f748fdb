#pragma once
// Every command of the main window in one table: the popup menu and the key
// map are built from it, and the shell maps WM_COMMAND ids straight onto it.
#include <cstdint>
#include <span>
#include <string_view>

#include "display/InputState.h"
#include "settings/SettingsData.h"

// Ids double as the menu item ids of the shell.
enum TCommandId : std::uint16_t {
    cmNone = 0,
    // popup menu items, in menu order
    cmIndex = 101,
    cmGoToPage = 102,
    cmSearch = 103,
    cmCopy = 104,
    cmCopyRange = 105,
    cmSettings = 106,
    cmHelp = 107,
    cmWebsite = 108,
    cmAbout = 109,
    cmExit = 110,
    // reached from the keyboard only
    cmSelectPageSora = 120,  // Ctrl+A
    cmClearSelection = 121,  // Ctrl+D
    cmNextPage = 122,        // Left arrow: the Mushaf reads right to left
    cmPreviousPage = 123,    // Right arrow
    cmEndRun = 124,          // Escape: ends the run at once
};

// A key binding: the key and whether Ctrl must be among the held modifiers
// (other modifiers never matter).
struct TKeyBinding {
    int Key;
    bool Ctrl;
    TCommandId Command;
};

struct TCommandInfo {
    TCommandId Id;
    const char* Name;            // the item's name in the menu, for tests and traces
    const char16_t* Arabic;      // popup menu captions; null for keyboard-only commands
    const char16_t* English;
};

// The commands, popup menu items first in menu order.
std::span<const TCommandInfo> CommandTable();
const TCommandInfo* FindCommand(TCommandId id);
std::u16string_view CommandCaption(TCommandId id, TAppLanguge language);

// The main window's key map, tried in this order.
std::span<const TKeyBinding> MainKeyMap();
// The command of a key-down, or cmNone for a key the main window ignores.
TCommandId TranslateMainKey(int key, TShiftState shift);

#pragma once
// Every command of the main window in one table, one row a command: its id,
// name, captions, shortcut and place in the popup menu. The popup menu, the
// key map and the lookups are all made from it, and the shell maps WM_COMMAND
// ids straight onto it.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "base/InputState.h"
#include "settings/AppLanguage.h"

// Ids double as the menu item ids of the shell.
enum TCommandId : std::uint16_t {
    cmNone = 0,
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
    cmSelectPageSura = 120,
    cmClearSelection = 121,
    cmNextPage = 122,
    cmPreviousPage = 123,
    cmEndRun = 124,
    // Shift+arrows: the selection grows by a word or a line (see TPageViewer).
    cmExtendToNextWord = 125,
    cmExtendToPreviousWord = 126,
    cmExtendToNextLine = 127,
    cmExtendToPreviousLine = 128,
};

// A key and the modifiers it needs. Ctrl: Ctrl must be among the held
// modifiers, whatever else is held. Shift: Shift must be held and Ctrl not,
// so that Ctrl+Shift with the key keeps meaning what Ctrl with it means.
// Alt never matters. Key 0: no shortcut.
struct TShortcut {
    int Key = 0;
    bool Ctrl = false;
    bool Shift = false;
    bool operator==(const TShortcut&) const = default;
};

struct TCommandInfo {
    TCommandId Id;
    const char* Name;        // the item's name, for tests and traces
    const char16_t* Arabic;  // popup menu captions; null for keyboard-only commands
    const char16_t* English;
    TShortcut Shortcut;
    // Popup menu group, 1 upwards in menu order, one separator between
    // neighbouring groups; 0: not in the menu.
    int MenuGroup;
};

// The commands, popup menu items first in menu order.
std::span<const TCommandInfo> CommandTable();
const TCommandInfo* FindCommand(TCommandId id);
std::u16string_view CommandCaption(TCommandId id, TAppLanguage language);

// The command of a key-down in the main window, or cmNone for a key it ignores.
TCommandId TranslateMainKey(int key, TShiftState shift);

// A shortcut as menus write it beside a caption ("Ctrl+F"), the same in both
// languages; empty for no shortcut.
std::u16string ShortcutText(const TShortcut& shortcut);

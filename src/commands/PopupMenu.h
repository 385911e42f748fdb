#pragma once
// The main window's one context menu: its items in order, their captions in
// the interface language, and the rules applied each time it opens.
#include <string>
#include <string_view>
#include <vector>

#include "settings/AppLanguage.h"
#include "commands/Commands.h"

// The entries as the menu holds them, made from the command table: its menu
// commands in table order, a separator (cmNone) where the group changes.
std::vector<TCommandId> PopupMenuLayout();

// One entry as the shell shows it.
struct TMenuItemView {
    TCommandId Id;  // cmNone: separator
    std::u16string_view Caption;
    bool Enabled = true;
    // The command's shortcut from the table ("Ctrl+C"), shown beside the
    // caption in both languages; empty when it has none.
    std::u16string Shortcut;
    bool operator==(const TMenuItemView&) const = default;
};

class TPopupMenuModel {
public:
    // As created: right to left, Arabic captions, the copy item enabled.
    TPopupMenuModel();

    // The menu is about to open. False (show nothing) during the splash;
    // otherwise applies the language and enables the copy item exactly when
    // the page shown has a selection.
    bool Popup(bool drawSplash, TAppLanguage language, bool pageSelected);

    // appArabic: right to left with Arabic captions; appEnglish: left to right
    // with English captions; any other value changes nothing.
    void LanguageChanged(TAppLanguage language);

    bool RightToLeft() const { return FRightToLeft; }
    // Visible entries, separators reduced: none at either end, never two in a row.
    std::vector<TMenuItemView> Items() const;

private:
    bool FRightToLeft = true;
    TAppLanguage FCaptions = appArabic;
    bool FCopyEnabled = true;
};

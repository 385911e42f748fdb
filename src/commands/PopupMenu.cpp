#include "commands/PopupMenu.h"

std::vector<TCommandId> PopupMenuLayout() {
    std::vector<TCommandId> layout;
    int group = 0;
    for (const TCommandInfo& c : CommandTable()) {
        if (c.MenuGroup == 0) continue;
        if (group != 0 && c.MenuGroup != group) layout.push_back(cmNone);
        group = c.MenuGroup;
        layout.push_back(c.Id);
    }
    return layout;
}

TPopupMenuModel::TPopupMenuModel() = default;

bool TPopupMenuModel::Popup(bool drawSplash, TAppLanguage language, bool pageSelected) {
    if (drawSplash) return false;
    LanguageChanged(language);
    FCopyEnabled = pageSelected;
    return true;
}

void TPopupMenuModel::LanguageChanged(TAppLanguage language) {
    if (language == appArabic) {
        FRightToLeft = true;
        FCaptions = appArabic;
    } else if (language == appEnglish) {
        FRightToLeft = false;
        FCaptions = appEnglish;
    }
}

std::vector<TMenuItemView> TPopupMenuModel::Items() const {
    std::vector<TMenuItemView> items;
    for (const TCommandId id : PopupMenuLayout()) {
        if (id == cmNone) {
            if (!items.empty() && items.back().Id != cmNone) items.push_back({cmNone, {}, true, {}});
            continue;
        }
        const TCommandInfo* command = FindCommand(id);
        items.push_back({id, CommandCaption(id, FCaptions), id != cmCopy || FCopyEnabled,
                         command ? ShortcutText(command->Shortcut) : std::u16string()});
    }
    if (!items.empty() && items.back().Id == cmNone) items.pop_back();
    return items;
}

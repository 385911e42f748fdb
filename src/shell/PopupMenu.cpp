#include "shell/PopupMenu.h"

#include <array>

namespace {
constexpr std::array<TMenuEntry, 14> Layout{{
    {cmIndex, "MenuItemIndex"},
    {cmGoToPage, "MenuItemGoToPage"},
    {cmSearch, "MenuItemSearch"},
    {cmNone, "N5"},
    {cmCopy, "MenuItemCopy"},
    {cmCopyRange, "copyRangeMenuItem"},
    {cmNone, "N1"},
    {cmSettings, "MenuItemSettings"},
    {cmNone, "N8"},
    {cmHelp, "MenuItemHelp"},
    {cmWebsite, "MenuItemOpenWebsite"},
    {cmAbout, "MenuItemAbout"},
    {cmNone, "N10"},
    {cmExit, "MenuItemExit"},
}};
}  // namespace

std::span<const TMenuEntry> PopupMenuLayout() { return Layout; }

TPopupMenuModel::TPopupMenuModel() = default;

bool TPopupMenuModel::Popup(bool drawSplash, TAppLanguge language, bool pageSelected) {
    if (drawSplash) return false;
    Languagechanged(language);
    FCopyEnabled = pageSelected;
    return true;
}

void TPopupMenuModel::Languagechanged(TAppLanguge language) {
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
    for (const TMenuEntry& e : Layout) {
        if (e.Id == cmNone) {
            if (!items.empty() && items.back().Id != cmNone) items.push_back({cmNone, {}, true});
            continue;
        }
        items.push_back({e.Id, CommandCaption(e.Id, FCaptions), e.Id != cmCopy || FCopyEnabled});
    }
    if (!items.empty() && items.back().Id == cmNone) items.pop_back();
    return items;
}

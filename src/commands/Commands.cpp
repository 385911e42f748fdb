#include "commands/Commands.h"

#include <array>

namespace {

constexpr std::array<TCommandInfo, 15> Commands{{
    {cmIndex, "MenuItemIndex", u"الفهرس", u"Index", {}, 1},
    {cmGoToPage, "MenuItemGoToPage", u"اذهب إلى صفحة", u"Go to page", {'G', true}, 1},
    {cmSearch, "MenuItemSearch", u"بحث", u"Search", {'F', true}, 1},
    {cmCopy, "MenuItemCopy", u"نسخ", u"Copy", {'C', true}, 2},
    {cmCopyRange, "copyRangeMenuItem", u"تحديد نطاق النسخ", u"Copy range", {}, 2},
    {cmSettings, "MenuItemSettings", u"الإعدادات", u"Settings", {}, 3},
    {cmHelp, "MenuItemHelp", u"المساعدة", u"Help", {}, 4},
    {cmWebsite, "MenuItemOpenWebsite", u"موقع الإنترنت", u"Website", {}, 4},
    {cmAbout, "MenuItemAbout", u"حول التطبيق", u"About", {}, 4},
    {cmExit, "MenuItemExit", u"خروج", u"Close", {}, 5},
    {cmSelectPageSura, "SelectPageSura", nullptr, nullptr, {'A', true}, 0},
    {cmClearSelection, "ClearSelection", nullptr, nullptr, {'D', true}, 0},
    {cmNextPage, "NextPage", nullptr, nullptr, {vkLeft, false}, 0},  // the Mushaf reads right to left
    {cmPreviousPage, "PreviousPage", nullptr, nullptr, {vkRight, false}, 0},
    {cmEndRun, "EndRun", nullptr, nullptr, {vkEscape, false}, 0},  // ends the run at once
}};

}  // namespace

std::span<const TCommandInfo> CommandTable() { return Commands; }

const TCommandInfo* FindCommand(TCommandId id) {
    for (const TCommandInfo& c : Commands)
        if (c.Id == id) return &c;
    return nullptr;
}

std::u16string_view CommandCaption(TCommandId id, TAppLanguage language) {
    const TCommandInfo* c = FindCommand(id);
    if (!c || !c->Arabic) return {};
    return language == appEnglish ? c->English : c->Arabic;
}

TCommandId TranslateMainKey(int key, TShiftState shift) {
    for (const TCommandInfo& c : Commands)
        if (c.Shortcut.Key != 0 && c.Shortcut.Key == key && (!c.Shortcut.Ctrl || (shift & ssCtrl))) return c.Id;
    return cmNone;
}

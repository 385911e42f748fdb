#include "shell/Commands.h"

#include <array>

namespace {

constexpr std::array<TCommandInfo, 15> Commands{{
    {cmIndex, "MenuItemIndex", u"الفهرس", u"Index"},
    {cmGoToPage, "MenuItemGoToPage", u"اذهب إلى صفحة", u"Go to page"},
    {cmSearch, "MenuItemSearch", u"بحث", u"Search"},
    {cmCopy, "MenuItemCopy", u"نسخ", u"Copy"},
    {cmCopyRange, "copyRangeMenuItem", u"تحديد نطاق النسخ", u"Copy range"},
    {cmSettings, "MenuItemSettings", u"الإعدادات", u"Settings"},
    {cmHelp, "MenuItemHelp", u"المساعدة", u"Help"},
    {cmWebsite, "MenuItemOpenWebsite", u"موقع الإنترنت", u"Website"},
    {cmAbout, "MenuItemAbout", u"حول التطبيق", u"About"},
    {cmExit, "MenuItemExit", u"خروج", u"Close"},
    {cmSelectPageSora, "SelectPageSora", nullptr, nullptr},
    {cmClearSelection, "ClearSelection", nullptr, nullptr},
    {cmNextPage, "NextPage", nullptr, nullptr},
    {cmPreviousPage, "PreviousPage", nullptr, nullptr},
    {cmEndRun, "EndRun", nullptr, nullptr},
}};

constexpr std::array<TKeyBinding, 8> KeyMap{{
    {vkEscape, false, cmEndRun},
    {'C', true, cmCopy},
    {'G', true, cmGoToPage},
    {'F', true, cmSearch},
    {'A', true, cmSelectPageSora},
    {'D', true, cmClearSelection},
    {vkLeft, false, cmNextPage},
    {vkRight, false, cmPreviousPage},
}};

}  // namespace

std::span<const TCommandInfo> CommandTable() { return Commands; }

const TCommandInfo* FindCommand(TCommandId id) {
    for (const TCommandInfo& c : Commands)
        if (c.Id == id) return &c;
    return nullptr;
}

std::u16string_view CommandCaption(TCommandId id, TAppLanguge language) {
    const TCommandInfo* c = FindCommand(id);
    if (!c || !c->Arabic) return {};
    return language == appEnglish ? c->English : c->Arabic;
}

std::span<const TKeyBinding> MainKeyMap() { return KeyMap; }

TCommandId TranslateMainKey(int key, TShiftState shift) {
    for (const TKeyBinding& b : KeyMap)
        if (b.Key == key && (!b.Ctrl || (shift & ssCtrl))) return b.Command;
    return cmNone;
}

#include "commands/Commands.h"

#include <array>

namespace {

constexpr std::array<TCommandInfo, 19> Commands{{
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
    // Before the page turns, which take the same keys with any modifiers.
    {cmExtendToNextWord, "ExtendToNextWord", nullptr, nullptr, {vkLeft, false, true}, 0},
    {cmExtendToPreviousWord, "ExtendToPreviousWord", nullptr, nullptr, {vkRight, false, true}, 0},
    {cmExtendToNextLine, "ExtendToNextLine", nullptr, nullptr, {vkDown, false, true}, 0},
    {cmExtendToPreviousLine, "ExtendToPreviousLine", nullptr, nullptr, {vkUp, false, true}, 0},
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

namespace {

bool Matches(const TShortcut& s, int key, TShiftState shift) {
    if (s.Key == 0 || s.Key != key) return false;
    if (s.Ctrl && !(shift & ssCtrl)) return false;
    return !s.Shift || ((shift & ssShift) && !(shift & ssCtrl));
}

std::u16string KeyName(int key) {
    switch (key) {
    case vkReturn: return u"Enter";
    case vkEscape: return u"Esc";
    case vkLeft: return u"Left";
    case vkUp: return u"Up";
    case vkRight: return u"Right";
    case vkDown: return u"Down";
    }
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return std::u16string(1, char16_t(key));
    return {};
}

}  // namespace

TCommandId TranslateMainKey(int key, TShiftState shift) {
    for (const TCommandInfo& c : Commands)
        if (Matches(c.Shortcut, key, shift)) return c.Id;
    return cmNone;
}

std::u16string ShortcutText(const TShortcut& shortcut) {
    const std::u16string key = KeyName(shortcut.Key);
    if (key.empty()) return {};
    std::u16string text;
    if (shortcut.Ctrl) text += u"Ctrl+";
    if (shortcut.Shift) text += u"Shift+";
    return text + key;
}

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>

#include "commands/Commands.h"
#include "commands/PopupMenu.h"

namespace {

TEST(Commands, IdsNamesAndShortcutsAreDistinct) {
    std::set<int> ids;
    std::set<std::string> names;
    std::set<std::tuple<int, bool, bool>> shortcuts;
    for (const TCommandInfo& c : CommandTable()) {
        EXPECT_NE(c.Id, cmNone) << c.Name;
        EXPECT_TRUE(ids.insert(c.Id).second) << "id used twice: " << c.Id;
        EXPECT_TRUE(names.insert(c.Name).second) << "name used twice: " << c.Name;
        if (c.Shortcut.Key != 0) {
            EXPECT_TRUE(shortcuts.insert({c.Shortcut.Key, c.Shortcut.Ctrl, c.Shortcut.Shift}).second)
                << "shortcut used twice: " << c.Name;
        }
    }
}

TEST(Commands, EveryMenuEntryNamesACommandWithBothCaptions) {
    for (const TCommandId id : PopupMenuLayout()) {
        if (id == cmNone) continue;
        const TCommandInfo* c = FindCommand(id);
        ASSERT_NE(c, nullptr) << id;
        EXPECT_NE(c->MenuGroup, 0) << c->Name;
        ASSERT_TRUE(c->Arabic && c->English) << c->Name;
        EXPECT_EQ(CommandCaption(id, appArabic), std::u16string_view(c->Arabic));
        EXPECT_EQ(CommandCaption(id, appEnglish), std::u16string_view(c->English));
    }
    // Keyboard-only commands have no caption and stay out of the menu.
    EXPECT_EQ(CommandCaption(cmNextPage, appEnglish), u"");
    EXPECT_EQ(FindCommand(TCommandId(999)), nullptr);
}

TEST(Commands, KeyMapNeedsCtrlOnlyForLettersAndShiftForTheSelection) {
    struct Case { int Key; TShiftState Shift; TCommandId Command; } cases[] = {
        {27, 0, cmEndRun},          {27, ssCtrl | ssShift, cmEndRun}, {'C', ssCtrl, cmCopy},
        {'C', ssShift, cmNone},     {'G', ssCtrl | ssAlt, cmGoToPage}, {'F', ssCtrl, cmSearch},
        {'A', ssCtrl, cmSelectPageSura}, {'D', ssCtrl, cmClearSelection}, {37, 0, cmNextPage},
        {37, ssCtrl, cmNextPage},   {39, ssAlt, cmPreviousPage},    {38, 0, cmNone}, {40, ssCtrl, cmNone},
        {'X', ssCtrl, cmNone},      {0, 0, cmNone},                   {'I', ssCtrl, cmNone},
        // Shift with an arrow selects; with Ctrl as well the arrows turn pages as Ctrl alone does.
        {37, ssShift, cmExtendToNextWord},     {39, ssShift | ssAlt, cmExtendToPreviousWord},
        {40, ssShift, cmExtendToNextLine},     {38, ssShift, cmExtendToPreviousLine},
        {37, ssShift | ssCtrl, cmNextPage},    {39, ssShift | ssCtrl, cmPreviousPage},
        {38, ssShift | ssCtrl, cmNone},
    };
    for (const Case& c : cases) EXPECT_EQ(TranslateMainKey(c.Key, c.Shift), c.Command) << c.Key << "/" << int(c.Shift);
}

TEST(Commands, ShortcutsAreWrittenAsMenusShowThem) {
    struct Case { TShortcut Shortcut; std::u16string_view Text; } cases[] = {
        {{'F', true}, u"Ctrl+F"}, {{'G', true}, u"Ctrl+G"}, {{vkLeft, false, true}, u"Shift+Left"},
        {{vkEscape}, u"Esc"},     {{}, u""},                {{0x70, true}, u""},  // a key without a name: none
    };
    for (const Case& c : cases) EXPECT_EQ(ShortcutText(c.Shortcut), c.Text);
}

}  // namespace

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

#include "commands/Commands.h"
#include "commands/PopupMenu.h"

namespace {

TEST(Commands, IdsNamesAndShortcutsAreDistinct) {
    std::set<int> ids;
    std::set<std::string> names;
    std::set<std::pair<int, bool>> shortcuts;
    for (const TCommandInfo& c : CommandTable()) {
        EXPECT_NE(c.Id, cmNone) << c.Name;
        EXPECT_TRUE(ids.insert(c.Id).second) << "id used twice: " << c.Id;
        EXPECT_TRUE(names.insert(c.Name).second) << "name used twice: " << c.Name;
        if (c.Shortcut.Key != 0) {
            EXPECT_TRUE(shortcuts.insert({c.Shortcut.Key, c.Shortcut.Ctrl}).second) << "shortcut used twice: " << c.Name;
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

TEST(Commands, KeyMapNeedsCtrlOnlyForLetters) {
    struct Case { int Key; TShiftState Shift; TCommandId Command; } cases[] = {
        {27, 0, cmEndRun},          {27, ssCtrl | ssShift, cmEndRun}, {'C', ssCtrl, cmCopy},
        {'C', ssShift, cmNone},     {'G', ssCtrl | ssAlt, cmGoToPage}, {'F', ssCtrl, cmSearch},
        {'A', ssCtrl, cmSelectPageSura}, {'D', ssCtrl, cmClearSelection}, {37, 0, cmNextPage},
        {37, ssCtrl, cmNextPage},   {39, ssShift, cmPreviousPage},  {38, 0, cmNone}, {40, ssCtrl, cmNone},
        {'X', ssCtrl, cmNone},      {0, 0, cmNone},                   {'I', ssCtrl, cmNone},
    };
    for (const Case& c : cases) EXPECT_EQ(TranslateMainKey(c.Key, c.Shift), c.Command) << c.Key << "/" << int(c.Shift);
}

}  // namespace

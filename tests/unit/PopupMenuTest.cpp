#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/PopupMenu.h"

namespace {

std::vector<std::u16string> Captions(const TPopupMenuModel& m) {
    std::vector<std::u16string> out;
    for (const TMenuItemView& i : m.Items()) out.emplace_back(i.Id == cmNone ? u"-" : std::u16string(i.Caption));
    return out;
}

TEST(PopupMenu, CaptionsInBothLanguagesWithOneSeparatorBetweenGroups) {
    TPopupMenuModel menu;
    EXPECT_TRUE(menu.RightToLeft());
    EXPECT_EQ(Captions(menu), (std::vector<std::u16string>{
                                  u"الفهرس", u"اذهب إلى صفحة", u"بحث", u"-", u"نسخ", u"تحديد نطاق النسخ", u"-",
                                  u"الإعدادات", u"-", u"المساعدة", u"موقع الإنترنت", u"حول التطبيق", u"-", u"خروج"}));
    ASSERT_TRUE(menu.Popup(false, appEnglish, false));
    EXPECT_FALSE(menu.RightToLeft());
    EXPECT_EQ(Captions(menu), (std::vector<std::u16string>{u"Index", u"Go to page", u"Search", u"-", u"Copy",
                                                           u"Copy range", u"-", u"Settings", u"-", u"Help",
                                                           u"Website", u"About", u"-", u"Close"}));
    for (const TMenuItemView& i : menu.Items()) EXPECT_EQ(i.Enabled, i.Id != cmCopy);
    // An unknown language value changes nothing; the splash shows nothing.
    menu.LanguageChanged(static_cast<TAppLanguage>(7));
    EXPECT_FALSE(menu.RightToLeft());
    EXPECT_FALSE(menu.Popup(true, appArabic, true));
    EXPECT_FALSE(menu.RightToLeft());
    ASSERT_TRUE(menu.Popup(false, appArabic, true));
    EXPECT_TRUE(menu.RightToLeft());
    EXPECT_EQ(menu.Items()[4], (TMenuItemView{cmCopy, u"نسخ", true, u"Ctrl+C"}));
}

TEST(PopupMenu, ShortcutsFromTheCommandTableInBothLanguages) {
    TPopupMenuModel menu;
    for (TAppLanguage language : {appArabic, appEnglish}) {
        ASSERT_TRUE(menu.Popup(false, language, true));
        std::vector<std::u16string> shortcuts;
        for (const TMenuItemView& i : menu.Items()) shortcuts.push_back(i.Shortcut);
        EXPECT_EQ(shortcuts, (std::vector<std::u16string>{u"", u"Ctrl+G", u"Ctrl+F", u"", u"Ctrl+C", u"", u"", u"",
                                                          u"", u"", u"", u"", u"", u""}))
            << language;
    }
}

TEST(PopupMenu, FiveGroupsWithOneSeparatorBetweenNeighbours) {
    EXPECT_EQ(PopupMenuLayout(), (std::vector<TCommandId>{cmIndex, cmGoToPage, cmSearch, cmNone, cmCopy, cmCopyRange,
                                                          cmNone, cmSettings, cmNone, cmHelp, cmWebsite, cmAbout,
                                                          cmNone, cmExit}));
}

}  // namespace

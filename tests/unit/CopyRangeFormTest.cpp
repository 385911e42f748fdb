#include <gtest/gtest.h>

#include "PageFixtures.h"
#include "text/CopyRangeForm.h"

TEST(CopyRangeForm, TextsInBothLanguages) {
    EXPECT_EQ(std::u16string(CopyRangeTexts(appArabic).Caption), u"تحديد نطاق النسخ");
    EXPECT_EQ(std::u16string(CopyRangeTexts(appEnglish).ToLabel), u"To ayah:");
}

TEST(CopyRangeForm, AyaListsFollowTheSura) {
    std::vector<std::u16string> baqara = CopyRangeAyaItems(1);
    ASSERT_EQ(baqara.size(), 286u);
    EXPECT_EQ(baqara.front(), u"1");
    EXPECT_EQ(baqara.back(), u"286");
    EXPECT_EQ(CopyRangeAyaItems(113).size(), 6u);
    EXPECT_TRUE(CopyRangeAyaItems(-1).empty());
}

TEST(CopyRangeForm, CopyReadsTheListsAsNumbers) {
    TCopyRangeChoice c = DecideCopyRange(111, u"4", u"1");
    EXPECT_EQ(c.Sura, 112);
    EXPECT_EQ(c.Aya1, 4);
    EXPECT_EQ(c.Aya2, 1);
    EXPECT_EQ(DecideCopyRange(0, u"", u"x").Aya1, 1);
    EXPECT_EQ(DecideCopyRange(0, u"", u"x").Aya2, 1);
}

class CopyRangePreselection : public PageScaleOne {};

TEST_F(CopyRangePreselection, FollowsTheSelectionOnlyFromTwoWords) {
    TPage page;
    page.PageNumber = 604;
    AddWord(page, {1, {500, 10, 560, 40}, 112, 4});
    AddWord(page, {1, {400, 10, 460, 40}, 112, 4, true});
    AddWord(page, {2, {500, 60, 560, 90}, 113, 1});
    AddWord(page, {2, {400, 60, 460, 90}, 113, 1, true});
    page.InitialLinesData();
    EXPECT_EQ(CopyRangePreselectedSura(page), 111);

    page.SelectAya(113, 1);  // two words of sura 113
    EXPECT_EQ(CopyRangePreselectedSura(page), 112);

    page.ClearSelect();
    page.SelectWordContainPoint({510, 70});  // one word: the page's first sura
    EXPECT_EQ(CopyRangePreselectedSura(page), 111);

    EXPECT_EQ(CopyRangePreselectedSura(TPage()), -1);
}

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pagemodel/Page.h"
#include "PageFixtures.h"

namespace {

// Page 50: lines 1 and 2 without words, then two text lines of sura 2,
// stored left to right so that initialisation has to put them in reading order.
//   line 3 (y 100-140), right to left: aya 5 word [500-560], aya 5 word [420-490],
//          mark 5 [380-410], aya 6 word [300-370]
//   line 4 (y 150-190): aya 6 word [480-560], mark 6 [440-470], aya 7 word
//          [350-430], mark 7 [300-340]
void BuildSmallPage(TPage& page) {
    page.PageNumber = 50;
    const TTestWord words[] = {
        {3, {300, 100, 370, 140}, 2, 6},        {3, {380, 100, 410, 140}, 2, 5, true},
        {3, {420, 100, 490, 140}, 2, 5},        {3, {500, 100, 560, 140}, 2, 5},
        {4, {300, 150, 340, 190}, 2, 7, true},  {4, {350, 150, 430, 190}, 2, 7},
        {4, {440, 150, 470, 190}, 2, 6, true},  {4, {480, 150, 560, 190}, 2, 6},
    };
    for (const TTestWord& t : words) AddWord(page, t).ObjectInayaNumber = 99;
    page.InitialLinesData();
}

class Page : public PageScaleOne {
protected:
    void SetUp() override {
        PageScaleOne::SetUp();
        BuildSmallPage(page);
        page.SetOnSelect([this](TPage& sender) {
            EXPECT_EQ(&sender, &page);
            ++notifications;
        });
    }
    TWordObject& Word(int index) { return *page.WordList.at(index); }
    std::vector<int> SelectedIndices() const {
        std::vector<int> v;
        for (std::size_t i = 0; i < page.WordList.size(); ++i)
            if (page.WordList[i]->Selected()) v.push_back(int(i));
        return v;
    }
    bool NothingSelected() const {
        for (int i = 1; i <= 15; ++i)
            if (page.Line(i).Selected()) return false;
        for (const TGlyphShape* s : page.ShapeList)
            if (s->Selected) return false;
        return SelectedIndices().empty() && !page.Selected();
    }

    TPage page;
    int notifications = 0;
};

std::string LineTypes(const TPage& page) {
    std::string s;
    for (int i = 1; i <= 15; ++i) s += "TSBE"[page.Line(i).LineType];
    return s;
}

}  // namespace

TEST(PageInitialisation, HeaderAndBasmalahLinesFollowFromTheEmptyLines) {
    struct Case {
        int PageNumber;
        std::vector<int> TextLines;
        const char* Types;  // T text, S sura header, B basmalah, E empty
    };
    const Case cases[] = {
        {50, {3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}, "SBTTTTTTTTTTTTT"},
        {187, {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}, "STTTTTTTTTTTTTT"},
        {1, {7, 8, 9, 10, 11, 12, 13}, "SEEEEETTTTTTTEE"},
        {2, {7, 8, 9, 10, 11, 12, 13}, "SEEEEETTTTTTTEE"},
        {604, {3, 4, 7, 8, 9, 12, 13, 14, 15}, "SBTTSBTTTSBTTTT"},
        // Line 15 is never a header.
        {50, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}, "TTTTTTTTTTTTTTE"},
        // The line after a header becomes the basmalah whatever it holds.
        {50, {1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}, "TSBTTTTTTTTTTTT"},
    };
    for (const Case& c : cases) {
        TPage page;
        page.PageNumber = c.PageNumber;
        for (int line : c.TextLines) AddWord(page, {line, {10, 10, 20, 20}, 1, 1});
        page.InitialLinesData();
        EXPECT_EQ(LineTypes(page), c.Types) << "page " << c.PageNumber;
        EXPECT_EQ(page.PageBottom, 943.12646484375f);
        // Words of lines that are no longer text lines leave the word list.
        int textLines = 0;
        for (int i = 1; i <= 15; ++i) textLines += page.Line(i).LineType == ltText;
        EXPECT_EQ(page.WordList.size(), std::size_t(textLines)) << "page " << c.PageNumber;
    }
}

TEST_F(Page, WordAndShapeListsFollowReadingOrder) {
    ASSERT_EQ(page.WordList.size(), 8u);
    const float rightEdges[] = {560, 490, 410, 370, 560, 470, 430, 340};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(Word(i).MaxX(), rightEdges[i]) << i;
    EXPECT_EQ(Word(4).LineNumber, 4);
    ASSERT_EQ(page.ShapeList.size(), 8u);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(page.ShapeList[i], Word(i).Glyphs[0].get());
}

TEST_F(Page, PlaceInAyaRestartsAfterEveryAyaMark) {
    const int places[] = {1, 2, 0, 1, 2, 0, 1, 0};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(Word(i).ObjectInayaNumber, places[i]) << i;
}

TEST_F(Page, ClickOnTheEdgeOfAWordBoxSelectsIt) {
    EXPECT_EQ(page.SelectWordContainPoint({500, 100}), 3);
    EXPECT_EQ(SelectedIndices(), std::vector<int>{0});
    EXPECT_TRUE(page.Line(3).Selected());
    EXPECT_TRUE(page.Selected());
    EXPECT_EQ(page.GetSelectedWord(), &Word(0));
    EXPECT_EQ(page.GetSelectCount(), 1);
    EXPECT_EQ(notifications, 1);

    page.ClearSelect();
    EXPECT_EQ(page.SelectWordContainPoint({560, 190}), 4);
    EXPECT_EQ(SelectedIndices(), std::vector<int>{4});
}

TEST_F(Page, ClickOutsideEveryWordChangesNothing) {
    EXPECT_EQ(page.SelectWordContainPoint({495, 120}), 0);
    EXPECT_EQ(page.SelectGlyphContainPoint({495, 120}), 0);
    EXPECT_EQ(page.GetGlyphContainPoint({495, 120}), nullptr);
    EXPECT_TRUE(NothingSelected());
    EXPECT_EQ(notifications, 0);
}

TEST_F(Page, HitTestsConvertPixelsWithPageScale) {
    PageScale = 0.5f;
    EXPECT_EQ(page.GetGlyphContainPoint({265, 85}), &Word(4));  // page point (530, 170)
    EXPECT_EQ(page.SelectWordContainPoint({265, 85}), 4);
}

TEST(PageHitTest, OverlappingBoxesGoToTheUpperLineAndTheRightHandWord) {
    PageScale = 1.0f;
    TPage page;
    page.PageNumber = 50;
    AddWord(page, {3, {50, 100, 120, 140}, 1, 1});   // left-hand word, stored first
    AddWord(page, {3, {100, 100, 200, 140}, 1, 1});  // right-hand word
    AddWord(page, {4, {100, 130, 200, 170}, 1, 1});  // reaches up into line 3
    page.InitialLinesData();

    EXPECT_EQ(page.SelectWordContainPoint({110, 120}), 3);
    EXPECT_EQ(page.GetSelectedWord(), page.WordList[0]);
    EXPECT_FALSE(page.WordList[1]->Selected());
    EXPECT_EQ(page.GetGlyphContainPoint({110, 120}), page.WordList[0]);

    page.ClearSelect();
    EXPECT_EQ(page.SelectWordContainPoint({150, 135}), 3);
    EXPECT_FALSE(page.WordList[2]->Selected());
}

TEST(PageHitTest, GlyphHitMissesTheGapInsideAWordBox) {
    PageScale = 1.0f;
    TPage page;
    page.PageNumber = 50;
    TWordObject& w = AddWord(page, {3, {100, 100, 120, 140}, 1, 1});
    w.Glyphs.push_back(BoxShape({150, 100, 200, 140}));
    page.InitialLinesData();

    EXPECT_EQ(page.SelectGlyphContainPoint({130, 120}), 0);
    EXPECT_FALSE(page.Selected());
    EXPECT_EQ(page.SelectGlyphContainPoint({160, 120}), 3);
    EXPECT_TRUE(w.Selected());
    EXPECT_TRUE(w.Glyphs[0]->Selected);  // the whole word
    EXPECT_TRUE(page.Line(3).Selected());
    EXPECT_TRUE(page.Selected());
}

TEST_F(Page, NearestWordIsChosenWhenNoBoxHoldsThePoint) {
    // Far right of the text block, level with line 4.
    EXPECT_EQ(page.SelectNearestWordContainPoint({700, 170}), 4);  // index in WordList
    EXPECT_EQ(SelectedIndices(), std::vector<int>{4});
    EXPECT_TRUE(page.Line(4).Selected());
    EXPECT_TRUE(page.Selected());

    // A point inside a box answers with the line number instead.
    page.ClearSelect();
    EXPECT_EQ(page.SelectNearestWordContainPoint({330, 170}), 4);
    EXPECT_EQ(SelectedIndices(), std::vector<int>{7});
}

TEST_F(Page, NearestWordTieGoesToTheEarlierWordInReadingOrder) {
    // 5 units right of both line ends, halfway between the lines.
    EXPECT_EQ(page.SelectNearestWordContainPoint({565, 145}), 0);
    EXPECT_EQ(SelectedIndices(), std::vector<int>{0});
    page.ClearSelect();
    EXPECT_EQ(page.SelectNearestWordContainPoint({565, 146}), 4);
}

TEST(PageEmpty, SelectionsOnAPageWithoutWordsSelectNothing) {
    TPage page;
    page.PageNumber = 50;
    page.InitialLinesData();
    int notifications = 0;
    page.SetOnSelect([&](TPage&) { ++notifications; });
    EXPECT_EQ(page.SelectNearestWordContainPoint({10, 10}), 0);
    EXPECT_FALSE(page.SelectWholeSura());
    EXPECT_FALSE(page.SelectAya(1, 1));
    EXPECT_FALSE(page.Selected());
    EXPECT_EQ(notifications, 0);
    EXPECT_EQ(page.GetSelectedWord(), nullptr);
    EXPECT_EQ(page.GetFirstSelectedWordIndex(), -1);
    EXPECT_EQ(page.GetSelectAyaCount(), 0);
    EXPECT_EQ(page.MaxX(), 1.1754944e-38f);
}

TEST_F(Page, SelectAyaSelectsItsWordsAndMarkAcrossLines) {
    EXPECT_TRUE(page.SelectAya(2, 6));
    EXPECT_EQ(SelectedIndices(), (std::vector<int>{3, 4, 5}));
    EXPECT_TRUE(page.Line(3).Selected());
    EXPECT_TRUE(page.Line(4).Selected());
    EXPECT_TRUE(page.Selected());
    EXPECT_EQ(notifications, 3);  // once per selected word
    EXPECT_EQ(page.GetFirstSelectedWordIndex(), 3);
    EXPECT_EQ(page.GetLastSelectedWordIndex(), 5);
    EXPECT_EQ(page.GetSelectCount(), 3);
    EXPECT_EQ(page.GetSelectedWord(), &Word(3));

    // Adds to the existing selection.
    EXPECT_TRUE(page.SelectAya(2, 7));
    EXPECT_EQ(SelectedIndices(), (std::vector<int>{3, 4, 5, 6, 7}));
}

TEST_F(Page, SelectAyaOfAnotherAyaReturnsFalseAndChangesNothing) {
    EXPECT_FALSE(page.SelectAya(2, 8));
    EXPECT_FALSE(page.SelectAya(3, 5));
    EXPECT_TRUE(NothingSelected());
    EXPECT_EQ(notifications, 0);
}

TEST(PageSura, SelectAllSingleSuraTakesTheSuraOfTheFirstWord) {
    TPage page;
    page.PageNumber = 50;
    AddWord(page, {3, {400, 100, 500, 140}, 2, 286, true});
    AddWord(page, {3, {500, 100, 560, 140}, 2, 286});
    AddWord(page, {6, {400, 250, 560, 290}, 3, 1});
    page.InitialLinesData();  // lines 4 and 5 become header and basmalah

    EXPECT_TRUE(page.SelectWholeSura());
    EXPECT_TRUE(page.WordList[0]->Selected());
    EXPECT_TRUE(page.WordList[1]->Selected());
    EXPECT_FALSE(page.WordList[2]->Selected());
    EXPECT_TRUE(page.Line(3).Selected());
    EXPECT_FALSE(page.Line(6).Selected());
    EXPECT_TRUE(page.Selected());
}

TEST_F(Page, SelectAyaCountCountsRunsOfAyaNumbers) {
    struct Case {
        std::vector<int> Selected;
        int Ayat;
    };
    const Case cases[] = {
        {{}, 0},
        {{1, 3}, 2},        // last word of aya 5 and first word of aya 6
        {{5}, 1},           // only aya 6's mark
        {{0, 1, 2}, 1},     // a whole aya
        {{0, 4}, 2},        // two ayat with a gap
        {{1, 3, 6}, 3},
    };
    for (const Case& c : cases) {
        page.ClearSelect();
        for (int i : c.Selected) Word(i).SetSelected(true);
        EXPECT_EQ(page.GetSelectAyaCount(), c.Ayat) << ::testing::PrintToString(c.Selected);
    }
}

TEST(PageSelectAyaCount, SuraIsNotCompared) {
    TPage page;
    page.PageNumber = 50;
    AddWord(page, {3, {500, 100, 560, 140}, 1, 7, true});
    AddWord(page, {6, {500, 250, 560, 290}, 2, 7});
    page.InitialLinesData();
    for (TWordObject* w : page.WordList) w->SetSelected(true);
    EXPECT_EQ(page.GetSelectAyaCount(), 1);
}

TEST_F(Page, SelectionQueriesLookOnlyAtFlaggedLines) {
    // A line flag set by hand while none of its words is selected.
    page.Line(3).SetSelected(true);
    Word(4).SetSelected(true);  // on line 4, whose flag stays clear
    EXPECT_EQ(page.GetSelectedWord(), nullptr);
    EXPECT_EQ(page.GetSelectCount(), 0);
    // The word list queries see the word all the same.
    EXPECT_EQ(page.GetFirstSelectedWordIndex(), 4);
    EXPECT_EQ(page.GetSelectAyaCount(), 1);
}

TEST_F(Page, ClearSelectClearsWordsLinesPageAndLoneGlyphs) {
    page.SelectAya(2, 5);
    page.ShapeList[7]->Selected = true;  // picked on its own
    page.SetSelected(true);
    notifications = 0;

    page.ClearSelect();
    EXPECT_TRUE(NothingSelected());
    EXPECT_EQ(notifications, 1);
}

TEST_F(Page, ExtentsSpanAllLines) {
    EXPECT_EQ(page.MinX(), 300);
    EXPECT_EQ(page.MaxX(), 560);
    EXPECT_EQ(page.MinY(), 100);
    EXPECT_EQ(page.MaxY(), 190);
}

TEST(PageLines, LineNumbersOutside1To15AreRefused) {
    TPage page;
    EXPECT_THROW(page.Line(0), std::out_of_range);
    EXPECT_THROW(page.Line(16), std::out_of_range);
    EXPECT_NO_THROW(page.Line(15));
}

TEST(PageScaleToFit, FitsTheViewUpToTheDisplaysScale) {
    struct TCase {
        float Largest;
        int Height;
        float Scale;
    } cases[] = {
        {1.0f, 600, 600 / 943.12646f},   // a small view: the page fits its height
        {1.0f, 1500, 1.0f},              // at 96 DPI the page stops at one pixel a unit
        {2.0f, 1500, 1500 / 943.12646f}, // at 192 DPI a tall view is filled
        {2.0f, 2400, 2.0f},              // up to two pixels a unit
        {1.5f, 600, 600 / 943.12646f},
    };
    for (const TCase& c : cases)
        EXPECT_FLOAT_EQ(TPage::ScaleToFit(943.12646f, c.Height, c.Largest), c.Scale) << c.Largest << " " << c.Height;
}

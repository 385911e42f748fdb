#include <gtest/gtest.h>

#include <vector>

#include "pagemodel/Line.h"
#include "PageFixtures.h"

namespace {

// Adds a word of one glyph spanning x from left to right, tagged by its aya number.
TWordObject& AddTagged(TLine& line, float left, float right, int tag) {
    TWordObject& w = line.Add();
    w.Glyphs.push_back(BoxShape({left, 0, right, 10}));
    w.AyaNumber = tag;
    return w;
}

std::vector<int> Tags(const TLine& line) {
    std::vector<int> tags;
    for (const auto& w : line.Words) tags.push_back(w->AyaNumber);
    return tags;
}

}  // namespace

TEST(Line, InitialLineDataPutsTheRightmostWordFirstAndKeepsTiesInOrder) {
    TLine line;
    line.LineType = ltText;
    AddTagged(line, 0, 100, 1);
    AddTagged(line, 150, 300, 2);
    AddTagged(line, 120, 200, 3);
    AddTagged(line, 250, 300, 4);  // same right edge as 2, stored after it
    AddTagged(line, 400, 500, 5);
    line.InitialLineData();
    EXPECT_EQ(Tags(line), (std::vector<int>{5, 2, 4, 3, 1}));
}

TEST(Line, OnlyTextLinesAreSorted) {
    for (TLineType type : {ltSuraName, ltBasmala, ltEmpty}) {
        TLine line;
        line.LineType = type;
        AddTagged(line, 0, 100, 1);
        AddTagged(line, 200, 300, 2);
        line.SortWordsRightToLeft();
        EXPECT_EQ(Tags(line), (std::vector<int>{1, 2})) << int(type);
    }
}

TEST(Line, OnlyTextLinesGiveTheirWordsAndShapesToTheLists) {
    TLine basmalah;
    basmalah.LineType = ltBasmala;
    AddTagged(basmalah, 0, 100, 1);
    std::vector<TWordObject*> words;
    std::vector<TGlyphShape*> shapes;
    basmalah.GetWordList(words);
    basmalah.GetShapeToList(shapes);
    EXPECT_TRUE(words.empty());
    EXPECT_TRUE(shapes.empty());

    TLine text;
    text.LineType = ltText;
    AddTagged(text, 0, 100, 1).Glyphs.push_back(BoxShape({0, 0, 5, 5}));
    AddTagged(text, 200, 300, 2);
    text.GetWordList(words);
    text.GetShapeToList(shapes);
    ASSERT_EQ(words.size(), 2u);
    EXPECT_EQ(words[0], text.Words[0].get());
    ASSERT_EQ(shapes.size(), 3u);
    EXPECT_EQ(shapes[1], text.Words[0]->Glyphs[1].get());
    EXPECT_EQ(shapes[2], text.Words[1]->Glyphs[0].get());
}

TEST(Line, SelectingTheLineLeavesItsWordsButDeselectingClearsThemAll) {
    TLine line;
    line.LineType = ltText;
    AddTagged(line, 0, 100, 1);
    AddTagged(line, 200, 300, 2).SetSelected(true);
    line.Words[0]->Glyphs[0]->Selected = true;  // a glyph picked on its own

    line.SetSelected(true);
    EXPECT_TRUE(line.Selected());
    EXPECT_FALSE(line.Words[0]->Selected());
    EXPECT_EQ(line.GetSelectedCount(), 1);
    EXPECT_EQ(line.GetSelectedWord(), line.Words[1].get());

    line.SetSelected(false);
    EXPECT_EQ(line.GetSelectedCount(), 0);
    EXPECT_EQ(line.GetSelectedWord(), nullptr);
    EXPECT_FALSE(line.Words[0]->Glyphs[0]->Selected);
    EXPECT_FALSE(line.Words[1]->Glyphs[0]->Selected);
}

TEST(Line, EmptyLineReportsTheStartExtents) {
    TLine line;
    EXPECT_EQ(line.LineType, ltEmpty);
    EXPECT_EQ(line.MinX(), 3.4028235e38f);
    EXPECT_EQ(line.MaxY(), 1.1754944e-38f);
}

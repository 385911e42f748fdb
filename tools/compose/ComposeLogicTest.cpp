// Tests of the composer's text logic: tokens to shaping units, the glue
// rules and optimal fit of line breaking, and the room left for headers.
#include <gtest/gtest.h>

#include "AyaUnits.h"
#include "LineBreaker.h"
#include "VerticalLayout.h"

using namespace compose;

namespace {

struct UnitCase {
    const char* name;
    std::u16string unicode, spaceEx;
    std::vector<std::u16string> units;          // unit texts, aya mark last
    std::vector<std::vector<int>> tokenBegins;  // per unit
};

TEST(AyaUnits, TokensFallInsideTheUnitsShapedTogether) {
    const UnitCase cases[] = {
        {"waqf sign stays with its word", u"فَوْقَهَاۚ فَأَمَّا\u00A0١", u"فَوْقَهَا ۚ فَأَمَّا\u00A0١",
         {u"فَوْقَهَاۚ", u"فَأَمَّا", u"\u06DD١"}, {{0, 9}, {0}, {}}},
        {"split conjunction", u"وَيُقِيمُونَ\u00A0١", u"وَ يُقِيمُونَ\u00A0١",
         {u"وَيُقِيمُونَ", u"\u06DD١"}, {{0, 2}, {}}},
        {"opening rub el hizb and byte-order mark", u"\u06DE\u00A0إِنَّ\u00A0١", u"\uFEFF\u06DE إِنَّ\u00A0١",
         {u"\u06DE", u"إِنَّ", u"\u06DD١"}, {{0}, {0}, {}}},
        {"a mark standing apart is never shaped alone", u"عَلِيمٌ ۖ\u00A0١", u"عَلِيمٌ ۖ\u00A0١",
         {u"عَلِيمٌۖ", u"\u06DD١"}, {{0, 7}, {}}},
    };
    for (const UnitCase& c : cases) {
        std::vector<ShapingUnit> units;
        std::string err;
        ASSERT_TRUE(BuildAyaUnits(c.unicode, c.spaceEx, 1, units, err)) << c.name << ": " << err;
        ASSERT_EQ(units.size(), c.units.size()) << c.name;
        int number = 0;
        for (size_t i = 0; i < units.size(); ++i) {
            EXPECT_EQ(units[i].text, c.units[i]) << c.name;
            ASSERT_EQ(units[i].tokens.size(), c.tokenBegins[i].size()) << c.name;
            for (size_t t = 0; t < units[i].tokens.size(); ++t) {
                EXPECT_EQ(units[i].tokens[t].begin, c.tokenBegins[i][t]) << c.name;
                EXPECT_EQ(units[i].tokens[t].number, ++number) << c.name;
            }
        }
        EXPECT_EQ(units.back().kind, UnitKind::AyaMark) << c.name;
        EXPECT_EQ(number, CountTokens(c.spaceEx)) << c.name;
    }
}

TEST(AyaUnits, TokensThatDoNotSpellTheTextAreRefused) {
    std::vector<ShapingUnit> units;
    std::string err;
    EXPECT_FALSE(BuildAyaUnits(u"قَالَ\u00A0١", u"قَا لَ لَ\u00A0١", 1, units, err));
    EXPECT_FALSE(err.empty());
}

std::vector<BreakItem> Items(std::initializer_list<double> widths) {
    std::vector<BreakItem> v;
    for (double w : widths) v.push_back({w, true});
    return v;
}

TEST(LineBreaker, EvensOutLinesWhereGreedyFillingWouldNot) {
    // Greedy filling sets 45 45 | 30 30 30 | 30 and leaves a lone word on the
    // last line; the best fit moves one item down: 45 45 | 30 30 | 30 30.
    std::vector<int> starts = BreakLines(Items({45, 45, 30, 30, 30, 30}), 3, {100, 5, 2});
    EXPECT_EQ(starts, (std::vector<int>{0, 2, 4}));
}

TEST(LineBreaker, NeverBreaksWhereAnItemIsGluedToItsNeighbour) {
    std::vector<BreakItem> items = Items({30, 30, 30, 30});
    items[2].breakBefore = false;  // an aya mark after the second word
    std::vector<int> starts = BreakLines(items, 2, {100, 5, 2});
    ASSERT_EQ(starts.size(), 2u);
    EXPECT_NE(starts[1], 2);
}

TEST(LineBreaker, ReportsTextThatCannotFitItsLines) {
    EXPECT_TRUE(BreakLines(Items({60, 60, 60}), 2, {100, 5, 2}).empty());
    EXPECT_TRUE(BreakLines(Items({10}), 2, {100, 5, 2}).empty());
    EXPECT_TRUE(FitsInLines(Items({60, 60, 60}), 3, {100, 5, 2}));
}

TEST(VerticalLayout, KeepsTheGridWithoutHeadersAndMakesRoomAroundThem) {
    const double pitch = 60;
    std::vector<TextLineInk> lines;
    for (int l = 1; l <= 15; ++l) lines.push_back({l, (l - 1) * pitch + 40, 30, 15});
    std::vector<double> y = PlaceBaselines(lines, {}, 900, pitch);
    for (size_t i = 0; i < y.size(); ++i) EXPECT_DOUBLE_EQ(y[i], lines[i].grid);

    // A header on line 6 with a basmalah on line 7: the text above and below
    // moves apart far enough for both pictures.
    std::vector<TextLineInk> text;
    for (const TextLineInk& t : lines)
        if (t.line != 6 && t.line != 7) text.push_back(t);
    PictureRoom room;
    y = PlaceBaselines(text, {{6, true}}, 900, pitch, room);
    double need = 15 + room.gap + room.frame + room.margin + room.gap + room.basmalah + room.margin + 30;
    EXPECT_GE(y[5] - y[4], need - 1e-9);
    EXPECT_LE(y.back() + 15, 900.0);
    EXPECT_GE(y.front() - 30, 0.0);
    for (size_t i = 0; i + 1 < y.size(); ++i) EXPECT_GE(y[i + 1] - y[i], 0.8 * pitch - 1e-9);
}

TEST(VerticalLayout, KeepsTheInkOfTheFirstAndLastLinesOnThePage) {
    const double pitch = 60, height = 900;
    struct Case { const char* name; double firstAscent, lastDescent; };
    const Case cases[] = {
        {"marks of the first line reach above its grid baseline", 52, 15},
        {"the last line reaches below the page", 30, 75},
        {"both at once", 52, 75},
    };
    for (const Case& c : cases) {
        std::vector<TextLineInk> lines;
        for (int l = 1; l <= 15; ++l)
            lines.push_back({l, (l - 1) * pitch + 40, l == 1 ? c.firstAscent : 30, l == 15 ? c.lastDescent : 15});
        std::vector<double> y = PlaceBaselines(lines, {}, height, pitch);
        EXPECT_GE(y.front() - c.firstAscent, 0.0) << c.name;
        EXPECT_LE(y.back() + c.lastDescent, height) << c.name;
        for (size_t i = 0; i + 1 < y.size(); ++i) EXPECT_GE(y[i + 1] - y[i], 0.8 * pitch - 1e-9) << c.name;
    }
}

} // namespace

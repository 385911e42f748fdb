// The index of suras: both views, where a double click leads, the button.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "base/OutsideNames.h"
#include "base/Utf.h"
#include "search/SuraIndexForm.h"
#include "text/AyaText.h"
#include "text/SuraTables.h"

namespace {

std::u16string U(const char* utf8) { return Utf8ToUtf16(utf8); }

TEST(SuraIndexForm, ShortIndexRunsDownEachColumnFromTheRight) {
    const TGridModel grid = ShortIndexGrid(SuraIndexPlaces({}).Client.Width, SuraIndexPlaces({}).Client.Height);
    EXPECT_EQ(grid.ColumnWidth(0), 82);
    // Column 0 at the right edge: x 420-501; column 1 x 337-418; row 16 y 480-508.
    const TGridCell yaSin = grid.HitTest(380, 490);
    EXPECT_EQ(yaSin, (TGridCell{1, 16}));
    EXPECT_EQ(ShortIndexSura(yaSin), 36);
    EXPECT_EQ(ShortIndexText(yaSin), U("يس"));
    EXPECT_EQ(ShortIndexTargetPage(yaSin), 440);

    struct Case {
        TGridCell cell;
        int sura;
    };
    const Case cases[] = {{{0, 0}, 1}, {{0, 18}, 19}, {{1, 0}, 20}, {{5, 18}, 114}, {{5, 19}, 0}, {{6, 0}, 0}};
    for (const Case& c : cases) EXPECT_EQ(ShortIndexSura(c.cell), c.sura) << c.cell.Col << "," << c.cell.Row;
    EXPECT_EQ(ShortIndexText({0, 0}), SuraNames[1]);  // trailing space kept
    EXPECT_EQ(ShortIndexTargetPage({6, 0}), std::nullopt);
    // All nineteen rows fit under the strip: no scrolling.
    EXPECT_EQ(grid.MaxTopRow(), 0);
    EXPECT_FALSE(grid.CellRect(5, 18).Empty());
}

TEST(SuraIndexForm, ShortIndexColumnWidthRoundsHalfToEven) {
    struct Case {
        int clientWidth, width;
    };
    // (w - 5) / 6: 497/6 = 82.83; 495/6 = 82.5 -> 82; 501/6 = 83.5 -> 84.
    const Case cases[] = {{502, 82}, {500, 81}, {506, 83}, {11, 0}};
    for (const Case& c : cases) EXPECT_EQ(ShortIndexColumnWidth(c.clientWidth, 1), c.width) << c.clientWidth;
}

TEST(SuraIndexForm, DetailedIndexRowsAndHeader) {
    const TGridModel grid = DetailedIndexGrid(SuraIndexPlaces({}).Client.Width, SuraIndexPlaces({}).Client.Height);
    EXPECT_EQ(grid.ColumnWidth(0), 172);  // 502 - 400 + 70
    EXPECT_EQ(grid.ColumnWidth(3), 100);
    EXPECT_TRUE(grid.RowSelect);
    EXPECT_GT(grid.MaxTopRow(), 0);  // 115 rows scroll

    EXPECT_EQ(DetailedIndexText({0, 0}, appArabic), U("اسم السورة"));
    EXPECT_EQ(DetailedIndexText({3, 0}, appArabic), U("البيان"));
    EXPECT_EQ(DetailedIndexText({1, 0}, appEnglish), u"No");
    EXPECT_EQ(DetailedIndexText({2, 0}, appEnglish), u"Page");
    EXPECT_EQ(DetailedIndexText({0, 36}, appEnglish), U("يس"));
    EXPECT_EQ(DetailedIndexText({1, 36}, appEnglish), u"36");
    EXPECT_EQ(DetailedIndexText({2, 36}, appEnglish), u"440");
    EXPECT_EQ(DetailedIndexText({3, 2}, appEnglish), U("مدنية"));
    EXPECT_EQ(DetailedIndexText({3, 1}, appEnglish), U("مكية"));
    EXPECT_EQ(DetailedIndexText({0, 115}, appEnglish), u"");

    // Number and page are drawn as aya digits: 114 from U+FD54 U+FD51 U+FD51.
    EXPECT_TRUE(DetailedIndexDrawsDigits({1, 114}));
    EXPECT_TRUE(DetailedIndexDrawsDigits({2, 1}));
    EXPECT_FALSE(DetailedIndexDrawsDigits({1, 0}));
    EXPECT_FALSE(DetailedIndexDrawsDigits({0, 114}));
    EXPECT_EQ(AyaNumberGlyphs(std::stoi(Utf16ToUtf8(DetailedIndexText({1, 114}, appArabic)))),
              u"\uFD54\uFD51\uFD51");
}

TEST(SuraIndexForm, DoubleClickLeadsToTheFirstPageOfTheSura) {
    struct Case {
        int row, page;
    };
    // The header row leads to entry 0, page 1.
    const Case cases[] = {{0, 1}, {1, 1}, {2, 2}, {36, 440}, {82, 587}, {83, 587},
                          {112, 604}, {113, 604}, {114, 604}};
    for (const Case& c : cases) EXPECT_EQ(DetailedIndexTargetPage({0, c.row}), c.page) << c.row;
    EXPECT_EQ(DetailedIndexTargetPage({0, 115}), std::nullopt);
}

TEST(SuraIndexForm, ButtonShowsTheOtherViewAndTogglesIt) {
    TSuraIndexForm form;  // a run starts short
    EXPECT_EQ(form.Mode(), SuraIndexShort);
    EXPECT_EQ(std::u16string(form.Button().Bitmap), SuraIndexListBitmap);
    EXPECT_EQ(std::u16string(form.Button().Hint), U("الفهرس المفصل"));
    form.ToggleMode();
    EXPECT_EQ(form.Mode(), SuraIndexDetailed);
    EXPECT_EQ(std::u16string(form.Button().Bitmap), SuraIndexGridBitmap);
    EXPECT_EQ(std::u16string(form.Button().Hint), U("الفهرس المختصر"));
    form.ToggleMode();
    EXPECT_EQ(form.Mode(), SuraIndexShort);
    EXPECT_EQ(std::u16string(SuraIndexTexts(appArabic).Caption), U("الفهرس"));
    EXPECT_EQ(std::u16string(SuraIndexTexts(appEnglish).Caption), u"Index");
    EXPECT_EQ(SuraIndexTexts(appArabic).HeaderPoints, 14);
    EXPECT_EQ(SuraIndexTexts(appEnglish).HeaderPoints, 10);
}

TEST(SuraIndexForm, CtrlTabSwitchesTheViewAndEachViewHasItsCellOfASura) {
    TSuraIndexForm form;
    EXPECT_EQ(form.SuraCell(36), (TGridCell{1, 16}));  // Ya-Sin, as a double click finds it
    EXPECT_EQ(form.SuraCell(114), (TGridCell{5, 18}));
    EXPECT_FALSE(form.SuraCell(0).Valid());
    EXPECT_FALSE(form.SuraCell(115).Valid());
    EXPECT_FALSE(form.KeyDown(vkTab, 0));
    EXPECT_FALSE(form.KeyDown('I', ssCtrl));
    EXPECT_FALSE(form.Detailed());
    EXPECT_TRUE(form.KeyDown(vkTab, ssCtrl));
    EXPECT_TRUE(form.Detailed());
    EXPECT_EQ(form.SuraCell(36), (TGridCell{0, 36}));
    EXPECT_EQ(DetailedIndexTargetPage(form.SuraCell(36)), 440);
    EXPECT_TRUE(form.KeyDown(vkTab, ssCtrl | ssShift));
    EXPECT_FALSE(form.Detailed());
    EXPECT_EQ(ShortIndexTargetPage(form.SuraCell(36)), 440);
}

TEST(SuraIndexForm, TypingANumberOrTheFirstLettersFindsTheSura) {
    // Each case types its characters 100 ms apart, from a fresh start.
    struct Case { const char* Typed; std::vector<int> Suras; } cases[] = {
        {"36", {3, 36}},
        {"114", {1, 11, 114}},
        {"115", {1, 11, 5}},          // past 114: anew from the last digit
        {"0", {0}},
        {"٣٦", {3, 36}},              // Arabic-Indic digits
        {"يس", {10, 36}},             // Yunus comes first, then Ya-Sin
        {"البقرة", {1, 1, 2, 2, 2, 2}},
        {"بقر", {2, 2, 2}},           // without the article
        {"اعراف", {1, 7, 7, 7, 7}},   // a plain alif for the hamza
        {"آل ع", {1, 1, 3, 3}},       // a space inside a name
        {"فاتحه", {1, 1, 1, 1, 1}},   // ta marbuta typed as ha
        {"س", {32}},                  // as-Sajda, without its article, before Saba
        {"سx", {32, 0}},              // nothing matches: no sura
        {"3ي", {3, 10}},              // a letter after digits starts anew
    };
    for (const Case& c : cases) {
        TSuraTypeAhead typing;
        std::vector<int> found;
        std::uint64_t t = 5000;
        for (char16_t ch : U(c.Typed)) found.push_back(typing.Type(ch, t += 100));
        EXPECT_EQ(found, c.Suras) << c.Typed;
    }
}

TEST(SuraIndexForm, APauseStartsTheTypingAnew) {
    TSuraTypeAhead typing;
    EXPECT_EQ(typing.Type(u'3', 10'000), 3);
    EXPECT_EQ(typing.Type(u'6', 10'000 + TSuraTypeAhead::PauseMilliseconds), 36);
    EXPECT_EQ(typing.Type(u'1', 12'001 + TSuraTypeAhead::PauseMilliseconds), 1);
    EXPECT_EQ(typing.Type(u'\r', 12'002 + TSuraTypeAhead::PauseMilliseconds), 0);  // not typed
    EXPECT_EQ(typing.Typed(), u"1");
    EXPECT_EQ(typing.Type(u' ', 20'000), 0);  // a space starts nothing
    EXPECT_EQ(typing.Typed(), u"");
    EXPECT_EQ(SuraByNamePrefix(u""), 0);
}

}  // namespace

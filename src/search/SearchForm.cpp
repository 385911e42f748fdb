#include "search/SearchForm.h"

#include <algorithm>

#include "base/Decimal.h"
#include "search/MushafNavigator.h"
#include "text/AyaText.h"
#include "text/SuraTables.h"

namespace {

constexpr TSearchFormTexts ArabicTexts{
    u"البحث",
    u"نطاق البحث:",
    {u"", u"اسم السورة", u"الآية الكريمة", u"رقم الصفحة"},
    u"عدد الآيات: 0   عدد السور: 0",
};
constexpr TSearchFormTexts EnglishTexts{
    u"Search",
    u"Search for",
    {u"", u"surah", u"Ayah", u"Page"},
    u"Surah count: 0    Ayah count: 0",
};

}  // namespace

TSearchFormTexts SearchFormTexts(TAppLanguage language) {
    return language == appArabic ? ArabicTexts : EnglishTexts;
}

std::u16string SearchCountsText(TAppLanguage language, int ayat, int suras) {
    if (language == appArabic) return u"عدد الآيات: " + Decimal(ayat) + u"   عدد السور: " + Decimal(suras);
    return u"Ayah count: " + Decimal(ayat) + u"   Surah count: " + Decimal(suras);
}

namespace {
constexpr int DefaultRowHeight = 24;  // design pixels
}  // namespace

TSizeI SearchClientSize(TScale scale) { return {scale(584), scale(582)}; }

TSizeI SearchMinWindowSize(TScale scale) { return {scale(600), scale(400)}; }

TSearchFonts SearchFontHeights(TScale scale) { return {scale(-13), scale(-15)}; }

TSearchFormPlaces SearchFormPlaces(int w, int h, TScale scale) {
    TSearchFormPlaces p;
    const int strip = scale(81);  // the strip above the grid
    p.Label = scale({16, 16, 96, 20});
    p.Combo = scale({116, 12, 0, 230});
    p.Combo.Width = std::max(w - p.Combo.Left - scale(16), scale(60));
    p.Counts = scale({16, 50, 0, 20});
    p.Counts.Width = std::max(w - 2 * p.Counts.Left, scale(60));
    p.Grid = {0, strip, w, std::max(h - strip, 0)};
    return p;
}

TSearchForm::TSearchForm(const TAyaStore& store, TAppLanguage language, TScale scale)
    : FIndex(std::make_unique<TSearchIndex>(store)),
      FLanguage(language),
      FScale(scale),
      FGrid(SearchGridColumns, 2, scale(DefaultRowHeight), 1),
      FCounts(SearchFormTexts(language).InitialCounts) {
    FGrid.RightToLeft = true;
    FGrid.RowSelect = true;
    FGrid.Selectable = false;
    FGrid.SetColumnWidth(0, scale(30));
}

void TSearchForm::SetScale(TScale scale) {
    FScale = scale;
    FGrid.SetDefaultRowHeight(scale(DefaultRowHeight));
}

bool TSearchForm::TextChanged(std::u16string_view text) {
    FGrid.ClearSelection();
    FOutcome = SearchForText(*FIndex, text);
    const int rows = int(FOutcome.Results.size());
    FGrid.Selectable = rows > 0;
    FGrid.SetRowCount(rows > 0 ? rows + 1 : 2);
    FGrid.ResetRowHeights();
    FGrid.SetTopRow(FGrid.FixedRows());
    FCounts = SearchCountsText(FLanguage, rows, FOutcome.SuraCount);
    return rows > 0;
}

void TSearchForm::SetColumnFullWidth(int gridWidth) {
    int sum = 0;
    for (int c = 0; c < SearchGridColumns; ++c) {
        FGrid.SetColumnWidth(c, FScale(c == 0 ? 30 : 100));
        sum += FGrid.ColumnWidth(c);
    }
    FGrid.SetColumnWidth(2, gridWidth - sum + FScale(90));
}

void TSearchForm::UpdateRowHeights(const TTextMeasure& measure) {
    if (!HasResults()) return;
    const int width = FGrid.ColumnWidth(2) - 2 * CellPadding();
    const int top = FGrid.TopRow();
    const int last = std::min(top + std::min(SearchMeasuredRows - 1, FGrid.RowCount() - 1), FGrid.RowCount() - 1);
    for (int row = top; row <= last; ++row) {
        const int measured = measure(FOutcome.Results[std::size_t(row - 1)].unicode, width);
        FGrid.SetRowHeight(row, 1 + std::max(measured, FGrid.DefaultRowHeight() - FScale(4)));
    }
    FGrid.SetTopRow(top);  // keeps the top row within the new heights
}

std::u16string_view TSearchForm::HeaderText(int col) const {
    if (col < 0 || col >= SearchGridColumns) return {};
    return SearchFormTexts(FLanguage).Headers[col];
}

const TSearchResult* TSearchForm::ResultAt(int row) const {
    if (row < 1 || row > int(FOutcome.Results.size())) return nullptr;
    return &FOutcome.Results[std::size_t(row - 1)];
}

const TSearchResult* TSearchForm::SelectedResult() const {
    return FGrid.HasSelection() ? ResultAt(FGrid.Selected().Row) : nullptr;
}

TSearchCell TSearchForm::Cell(int col, int row) const {
    const TSearchResult* r = ResultAt(row);
    if (!r) return {};
    switch (col) {
    case 0: return {AyaNumberGlyphs(row), caCentre};
    case 1: return {std::u16string(SuraNamesAlt[std::size_t(std::clamp(r->Sura, 0, 114))]), caRight};
    case 2: return {std::u16string(r->unicode), caRight};
    case 3: return {AyaNumberGlyphs(r->Page), caCentre};
    }
    return {};
}

void JumpToResult(TMushafNavigator& main, const TSearchResult& r) {
    if (r.Page != main.PageNumber()) {
        // A refused opening (another one is running) leaves the page number
        // of the page on screen, so the next turn starts from there.
        const std::int32_t before = main.PageNumber();
        main.SetPageNumber(r.Page);
        if (!main.OpenPage(r.Sura, r.Aya) && main.PageNumber() == r.Page) main.SetPageNumber(before);
    } else {
        main.SelectAya(r.Sura, r.Aya);
    }
}

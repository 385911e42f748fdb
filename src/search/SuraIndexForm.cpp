#include "search/SuraIndexForm.h"

#include <cmath>

#include "base/Decimal.h"
#include "base/OutsideNames.h"
#include "search/MushafNavigator.h"
#include "text/SuraTables.h"

namespace {

bool IsSuraRow(TGridCell cell) { return cell.Row >= 1 && cell.Row <= 114 && cell.Col >= 0; }

}  // namespace

TSuraIndexTexts SuraIndexTexts(TAppLanguage language) {
    if (language == appArabic) return {u"الفهرس", {u"اسم السورة", u"الرقم", u"رقم الصفحة", u"البيان"}, 14};
    return {u"Index", {u"Surah Name", u"No", u"Page", u"Provenance"}, 10};
}

TSuraIndexPlaces SuraIndexPlaces(TScale scale) {
    return {{scale(502), scale(598)}, scale(25), scale({5, 5, 18, 18}), scale(29), scale(-11), scale(-12), scale(-19)};
}

TSuraIndexButton SuraIndexButton(int mode) {
    if (mode == SuraIndexDetailed) return {SuraIndexGridBitmap, u"الفهرس المختصر"};
    return {SuraIndexListBitmap, u"الفهرس المفصل"};
}

int ShortIndexColumnWidth(int clientWidth, int lineWidth) {
    return int(std::nearbyint(double(clientWidth - 5 * lineWidth) / 6.0)) - 1;  // FE_TONEAREST: half to even
}

void SetColumnFullWidth(TGridModel& grid, int width, int col, TScale scale) {
    for (int c = 0; c < grid.ColumnCount(); ++c) grid.SetColumnWidth(c, scale(100));
    grid.SetColumnWidth(col, width - scale(100) * grid.ColumnCount() + scale(70));
}

TGridModel ShortIndexGrid(int clientWidth, int clientHeight, TScale scale) {
    const TSuraIndexPlaces places = SuraIndexPlaces(scale);
    TGridModel grid(ShortIndexColumns, ShortIndexRows, places.RowHeight, 0);
    grid.SetClientSize(clientWidth, clientHeight - places.StripHeight);
    for (int c = 0; c < ShortIndexColumns; ++c)
        grid.SetColumnWidth(c, ShortIndexColumnWidth(clientWidth, grid.LineWidth));
    return grid;
}

TGridModel DetailedIndexGrid(int clientWidth, int clientHeight, TScale scale) {
    const TSuraIndexPlaces places = SuraIndexPlaces(scale);
    TGridModel grid(DetailedIndexColumns, DetailedIndexRows, places.RowHeight, 0);
    grid.RowSelect = true;
    grid.SetClientSize(clientWidth, clientHeight - places.StripHeight);
    SetColumnFullWidth(grid, clientWidth, 0, scale);
    return grid;
}

int ShortIndexSura(TGridCell cell) {
    if (cell.Col < 0 || cell.Col >= ShortIndexColumns || cell.Row < 0 || cell.Row >= ShortIndexRows) return 0;
    const int sura = cell.Col * ShortIndexRows + cell.Row + 1;
    return sura <= 114 ? sura : 0;
}

std::u16string_view ShortIndexText(TGridCell cell) {
    const int sura = ShortIndexSura(cell);
    return sura ? SuraNames[std::size_t(sura)] : std::u16string_view{};
}

std::u16string DetailedIndexText(TGridCell cell, TAppLanguage language) {
    if (cell.Col < 0 || cell.Col >= DetailedIndexColumns) return {};
    if (cell.Row == 0) return SuraIndexTexts(language).Headers[cell.Col];
    if (!IsSuraRow(cell)) return {};
    const std::size_t s = std::size_t(cell.Row);
    switch (cell.Col) {
    case 0: return std::u16string(SuraNames[s]);
    case 1: return Decimal(cell.Row);
    case 2: return Decimal(SuraFirstPages[s]);
    default: return std::u16string(SuraProvenance[s]);
    }
}

bool DetailedIndexDrawsDigits(TGridCell cell) { return IsSuraRow(cell) && (cell.Col == 1 || cell.Col == 2); }

std::optional<int> ShortIndexTargetPage(TGridCell cell) {
    const int sura = ShortIndexSura(cell);
    if (!sura) return std::nullopt;
    return SuraFirstPages[std::size_t(sura)];
}

std::optional<int> DetailedIndexTargetPage(TGridCell cell) {
    if (cell.Row < 0 || cell.Row > 114) return std::nullopt;
    return SuraFirstPages[std::size_t(cell.Row)];
}

bool GoToIndexPage(TMushafNavigator& main, int page) {
    if (page == main.PageNumber()) return false;
    main.SetPageNumber(page);
    main.PostOpenPage();
    return true;
}

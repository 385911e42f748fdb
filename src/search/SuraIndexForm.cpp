#include "search/SuraIndexForm.h"

#include <algorithm>
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

bool TSuraIndexForm::KeyDown(int key, TShiftState shift) {
    if (key != vkTab || !(shift & ssCtrl)) return false;
    ToggleMode();
    return true;
}

TGridCell TSuraIndexForm::SuraCell(int sura) const {
    if (sura < 1 || sura > 114) return {};
    if (Detailed()) return {0, sura};
    return {(sura - 1) / ShortIndexRows, (sura - 1) % ShortIndexRows};
}

namespace {

// A digit's value, or -1.
int DigitValue(char16_t c) {
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= 0x0660 && c <= 0x0669) return c - 0x0660;  // Arabic-Indic
    if (c >= 0x06F0 && c <= 0x06F9) return c - 0x06F0;  // Extended Arabic-Indic
    return -1;
}

char16_t PlainLetter(char16_t c) {
    switch (c) {
    case u'أ': case u'إ': case u'آ': case u'ٱ': return u'ا';
    case u'ى': return u'ي';
    case u'ة': return u'ه';
    default: return c;
    }
}

std::u16string Plain(std::u16string_view text) {
    std::u16string out;
    for (char16_t c : text) out.push_back(PlainLetter(c));
    return out;
}

bool StartsWith(std::u16string_view text, std::u16string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

}  // namespace

int SuraByNamePrefix(std::u16string_view letters) {
    const std::u16string typed = Plain(letters);
    if (typed.empty()) return 0;
    constexpr std::u16string_view Article = u"ال";
    for (int sura = 1; sura <= 114; ++sura) {
        const std::u16string name = Plain(SuraNames[std::size_t(sura)]);
        if (StartsWith(name, typed)) return sura;
        if (StartsWith(name, Article) && StartsWith(std::u16string_view(name).substr(Article.size()), typed))
            return sura;
    }
    return 0;
}

int TSuraTypeAhead::Type(char16_t c, std::uint64_t milliseconds) {
    const int digit = DigitValue(c);
    if (digit < 0 && c < u' ') return 0;  // control characters type nothing
    const bool paused = milliseconds - FLast > PauseMilliseconds || milliseconds < FLast;
    FLast = milliseconds;
    if (paused || FDigits != (digit >= 0)) FTyped.clear();
    FDigits = digit >= 0;
    if (c == u' ' && FTyped.empty()) return 0;  // a space only inside a name
    if (FDigits) {
        FTyped.push_back(char16_t(u'0' + digit));
        int number = 0;
        for (char16_t d : FTyped) number = std::min(1000, number * 10 + (d - u'0'));
        if (number > 114) {
            FTyped.assign(1, char16_t(u'0' + digit));
            number = digit;
        }
        return number;  // 0 names no sura
    }
    FTyped.push_back(c);
    return SuraByNamePrefix(FTyped);
}

bool GoToIndexPage(TMushafNavigator& main, int page) {
    if (page == main.PageNumber()) return false;
    main.SetPageNumber(page);
    main.PostOpenPage();
    return true;
}

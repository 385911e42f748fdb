#pragma once
// The search window's logic: its texts in both languages, its layout, the
// search run on every change of the search text with the counts line, the
// results grid (what each cell shows, which rows get measured), the jump to
// a result and the history of search texts. The shell's window forwards
// its controls' events here and draws what this says.
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "base/ControlPlace.h"
#include "base/DisplayScale.h"
#include "search/AyaSearch.h"
#include "search/GridModel.h"
#include "search/SearchHistory.h"
#include "settings/Settings.h"

class TAyaStore;
class TMushafNavigator;

// Sizes of the 96-DPI design; the window takes them through the functions
// below, scaled for its DPI.
inline constexpr int SearchGridColumns = 4;
inline constexpr int SearchMeasuredRows = 21;  // from the top visible row
inline constexpr int SearchQuranFontPoints = 14;
inline constexpr std::uint32_t SearchSelectedColour = 0x00CFE9D6;  // 0x00BBGGRR, a light green
inline constexpr std::uint32_t SearchCellColour = 0x00FFFFFF;

struct TSearchFormTexts {
    const char16_t* Caption;
    const char16_t* Label;
    const char16_t* Headers[SearchGridColumns];
    // The counts line of a new window, before the first change of the text.
    const char16_t* InitialCounts;
};
TSearchFormTexts SearchFormTexts(TAppLanguage language);
// The counts line after a change of the search text.
std::u16string SearchCountsText(TAppLanguage language, int ayat, int suras);

// The first client size, and the smallest window (frame included), in device
// pixels at the scale given.
TSizeI SearchClientSize(TScale scale);
TSizeI SearchMinWindowSize(TScale scale);
// Character heights of the interface font and of the search box's Arabic
// font (negative, as fonts are created).
struct TSearchFonts {
    int Interface, Box;
};
TSearchFonts SearchFontHeights(TScale scale);

// Places of the strip's controls and the grid for a client size in device
// pixels (the combo box's height includes its list of ten lines).
struct TSearchFormPlaces {
    TControlPlace Label, Combo, Counts, Grid;
};
TSearchFormPlaces SearchFormPlaces(int clientWidth, int clientHeight, TScale scale);

enum TCellAlign : unsigned char { caCentre, caRight };
// What a data cell shows: a text in the Quran font, centred or right-aligned
// (wrapped in the aya column).
struct TSearchCell {
    std::u16string Text;
    TCellAlign Align = caRight;
};

// Measures the height of `text` wrapped in `width` pixels in the Quran font.
using TTextMeasure = std::function<int(std::u16string_view text, int width)>;

class TSearchForm {
public:
    // The store outlives the window; its texts are indexed once, here.
    // The grid's sizes follow `scale`, the window's.
    TSearchForm(const TAyaStore& store, TAppLanguage language, TScale scale = {});

    // The window's DPI changed: the grid's sizes follow, every row back to
    // the default height until measured again.
    void SetScale(TScale scale);
    TScale Scale() const { return FScale; }
    // Pixels between the aya column's edges and its wrapped text, on each side.
    int CellPadding() const { return FScale(2); }

    TAppLanguage Language() const { return FLanguage; }
    TGridModel& Grid() { return FGrid; }
    const TGridModel& Grid() const { return FGrid; }

    // A change of the search text: the selection goes, the grid shows the
    // results of the new text (header and one empty row when none) from the
    // top, and the counts line is set. True when there are results, whose
    // row heights the shell then measures.
    bool TextChanged(std::u16string_view text);
    const std::vector<TSearchResult>& Results() const { return FOutcome.Results; }
    bool HasResults() const { return !FOutcome.Results.empty(); }
    const std::u16string& CountsLine() const { return FCounts; }

    // Column 0 is 30 design pixels, columns 1 and 3 are 100, column 2 takes
    // the rest of `gridWidth` but 10 (design pixels, scaled).
    void SetColumnFullWidth(int gridWidth);
    // Gives the rows from the top visible one on (at most SearchMeasuredRows)
    // the height of their wrapped aya text, measured in the aya column less
    // its padding: 1 + the larger of the measured height and the default
    // height - 4 (scaled). Nothing while there are no results.
    void UpdateRowHeights(const TTextMeasure& measure);

    // The header text of a column (the grid draws the header row itself).
    std::u16string_view HeaderText(int col) const;
    // A data cell's content; empty while there are no results. Numbers
    // above 999 have no aya-digit glyphs and show empty.
    TSearchCell Cell(int col, int row) const;
    // The result of a data row, or null.
    const TSearchResult* ResultAt(int row) const;
    // The result of the selected row, or null.
    const TSearchResult* SelectedResult() const;

    // The history, loaded when the window opens.
    TSearchHistory& History() { return FHistory; }

private:
    std::unique_ptr<TSearchIndex> FIndex;
    TAppLanguage FLanguage;
    TScale FScale;
    TGridModel FGrid;
    TSearchOutcome FOutcome;
    std::u16string FCounts;
    TSearchHistory FHistory;
};

// A double click on a result: opens its page with the aya selected, or only
// selects the aya when its page is the one shown. The search window stays.
void JumpToResult(TMushafNavigator& main, const TSearchResult& result);

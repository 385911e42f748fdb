#pragma once
// The search window's logic: its texts in both languages, its layout, the
// search run on every change of the search text or of a choice (exact
// letters, whole words, one sura) with the counts line, the results grid
// (what each cell shows, which words of an aya are marked, which rows get
// measured), the jump to a result and the history of search texts. The shell's window forwards
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
// Plain digits of numbers past 999, small enough for four in the row-number column.
inline constexpr int SearchSmallDigitsPoints = 9;
inline constexpr std::uint32_t SearchSelectedColour = 0x00CFE9D6;  // 0x00BBGGRR, a light green
inline constexpr std::uint32_t SearchCellColour = 0x00FFFFFF;
// The words that hold a match, in the colour of a selection on the page.
inline constexpr std::uint32_t SearchMarkColour = 0x00008000;  // green
// The sura list: "all suras" first, then the 114 suras.
inline constexpr int SearchSuraChoices = 115;

struct TSearchFormTexts {
    const char16_t* Caption;
    const char16_t* Label;
    const char16_t* Headers[SearchGridColumns];
    // The counts line of a new window, before the first change of the text.
    const char16_t* InitialCounts;
    // The check boxes and the first item of the sura list.
    const char16_t* ExactLetters;
    const char16_t* WholeWords;
    const char16_t* AllSuras;
};
TSearchFormTexts SearchFormTexts(TAppLanguage language);
// The counts line after a change of the search text.
std::u16string SearchCountsText(TAppLanguage language, int ayat, int suras);
// Item `position` of the sura list: "all suras" at 0, else the sura of that
// number, its number before its name.
std::u16string SearchSuraChoiceText(TAppLanguage language, int position);
// A number cell: aya digits up to 999 (the Quran font draws them as its
// ornamental digits), plain digits above, which it has no aya digits for.
std::u16string SearchNumberText(int n);

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
// pixels (a combo box's height includes its list): the label and the search
// box, below them the two check boxes and the sura list, then the counts line.
struct TSearchFormPlaces {
    TControlPlace Label, Combo, ExactLetters, WholeWords, Sura, Counts, Grid;
};
TSearchFormPlaces SearchFormPlaces(int clientWidth, int clientHeight, TScale scale);

enum TCellAlign : unsigned char { caCentre, caRight };
// What a data cell shows: a text in the Quran font, centred or right-aligned
// (wrapped in the aya column).
struct TSearchCell {
    std::u16string Text;
    TCellAlign Align = caRight;
    bool Small = false;  // at SearchSmallDigitsPoints
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
    // A change of a choice searches the last text again, as TextChanged,
    // once a text has been typed.
    bool ChoicesChanged(const TSearchChoices& choices);
    const TSearchChoices& Choices() const { return FChoices; }
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
    // A data cell's content; empty while there are no results.
    TSearchCell Cell(int col, int row) const;
    // The words of a data row's aya (column 2) that hold the match: one
    // flag a word of its text, none marked for an aya-number search.
    std::vector<bool> MarkedWords(int row) const;
    // The result of a data row, or null.
    const TSearchResult* ResultAt(int row) const;
    // The result of the selected row, or null.
    const TSearchResult* SelectedResult() const;
    // The result Enter opens: the selected row's, or with no row selected the
    // first, as the box's text found it (null while there are no results).
    const TSearchResult* ResultToOpen() const;

    // The history, loaded when the window opens.
    TSearchHistory& History() { return FHistory; }

private:
    std::unique_ptr<TSearchIndex> FIndex;
    TAppLanguage FLanguage;
    TScale FScale;
    TGridModel FGrid;
    TSearchOutcome FOutcome;
    TSearchChoices FChoices;
    bool FSearched = false;  // a text has been typed
    std::u16string FText;   // the search text as last typed
    std::u16string FQuery;  // what it searches in the plain spelling, if anything
    std::u16string FCounts;
    TSearchHistory FHistory;
};

// A double click on a result: opens its page with the aya selected, or only
// selects the aya when its page is the one shown. The search window stays.
void JumpToResult(TMushafNavigator& main, const TSearchResult& result);

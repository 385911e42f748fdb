#pragma once
// The index of suras: its two views of the 114 suras (the short index, names
// only, six columns of nineteen running down and from right to left; the
// detailed index, one row a sura with number, first page and provenance
// under a header row), the picture button that switches them, and where a
// double click leads. The shell's window draws and forwards input.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/ControlPlace.h"
#include "base/DisplayScale.h"
#include "base/InputState.h"
#include "search/GridModel.h"
#include "settings/Settings.h"

class TMushafNavigator;

// The views of the index: 1 short, 2 detailed.
inline constexpr int SuraIndexShort = 1;
inline constexpr int SuraIndexDetailed = 2;

inline constexpr int ShortIndexColumns = 6;
inline constexpr int ShortIndexRows = 19;
inline constexpr int DetailedIndexColumns = 4;
inline constexpr int DetailedIndexRows = 115;  // the header row and 114 suras
inline constexpr std::uint32_t SuraIndexSelectedColour = 0x00CFE9D6;

struct TSuraIndexTexts {
    const char16_t* Caption;
    const char16_t* Headers[DetailedIndexColumns];
    int HeaderPoints;  // the header row's size in the Quran font
};
TSuraIndexTexts SuraIndexTexts(TAppLanguage language);

// The window's sizes in device pixels at the scale given: the client area,
// the strip over the grids with the picture button, the rows, and the
// character heights (negative, as fonts are created) of the interface font,
// the button's hint and the names in the Quran font.
struct TSuraIndexPlaces {
    TSizeI Client;
    int StripHeight;
    TControlPlace Button;
    int RowHeight;
    int FontHeight, HintFontHeight, NameFontHeight;
};
TSuraIndexPlaces SuraIndexPlaces(TScale scale);

// The picture button shows the view a click switches to.
struct TSuraIndexButton {
    const char16_t* Bitmap;  // bitmap resource
    const char16_t* Hint;    // the same in both languages
};
TSuraIndexButton SuraIndexButton(int mode);

// The index's state for the rest of the run: the view last chosen, which
// every index window opened later shows. A run starts short; it is not saved.
class TSuraIndexForm {
public:
    int Mode() const { return FMode; }
    bool Detailed() const { return FMode == SuraIndexDetailed; }
    TSuraIndexButton Button() const { return SuraIndexButton(FMode); }
    // The button's click: the other view.
    void ToggleMode() { FMode = Detailed() ? SuraIndexShort : SuraIndexDetailed; }
    // A key anywhere in the index: Ctrl+Tab (Shift or not) switches the view
    // as the button does. True when it did.
    bool KeyDown(int key, TShiftState shift);
    // The cell of the view shown that holds the sura: its name's cell in the
    // short index, its row in the detailed one.
    TGridCell SuraCell(int sura) const;

private:
    int FMode = SuraIndexShort;
};

// Grid models of the two views, filling the client area (device pixels)
// below the strip.
TGridModel ShortIndexGrid(int clientWidth, int clientHeight, TScale scale = {});
TGridModel DetailedIndexGrid(int clientWidth, int clientHeight, TScale scale = {});
// The short index's column width for a client width: (width - 5 grid lines)
// / 6, rounded half to even, less 1.
int ShortIndexColumnWidth(int clientWidth, int lineWidth);
// Every column 100 design pixels but `col`, which gets width - 100 × columns
// + 70 (design pixels, scaled).
void SetColumnFullWidth(TGridModel& grid, int width, int col, TScale scale = {});

// The sura of a cell of the short index, 0 outside the 114.
int ShortIndexSura(TGridCell cell);
// The text a cell of the short index shows: the sura's name as stored.
std::u16string_view ShortIndexText(TGridCell cell);
// The text of a cell of the detailed index; the header row speaks the language.
std::u16string DetailedIndexText(TGridCell cell, TAppLanguage language);
// Whether the detailed index draws the cell as ornamental aya digits (the
// number and page of a sura row).
bool DetailedIndexDrawsDigits(TGridCell cell);

// The page a double click leads to: the first page of the cell's sura. In
// the detailed index the row number is the sura, so the header row leads to
// page 1. Nothing for a cell outside the suras.
std::optional<int> ShortIndexTargetPage(TGridCell cell);
std::optional<int> DetailedIndexTargetPage(TGridCell cell);

// Typing in the index: a sura's number, or the first letters of its name.
// Each character extends what was typed unless more than PauseMilliseconds
// have passed, or it is a digit after letters or a letter after digits; then
// it starts anew. Digits (Western or Arabic-Indic) name the sura of that
// number, and a number past 114 starts anew from its last digit. Letters
// find the first sura whose name, or its name without the article "ال",
// begins with them; the forms of alif with hamza or madda, alif maqsura
// and ta marbuta match their plain letters.
class TSuraTypeAhead {
public:
    static constexpr std::uint64_t PauseMilliseconds = 1000;
    // A character typed at `milliseconds` (a clock that counts up): the sura
    // to select, or 0 when nothing matches (the selection stays).
    int Type(char16_t c, std::uint64_t milliseconds);
    const std::u16string& Typed() const { return FTyped; }

private:
    std::u16string FTyped;
    std::uint64_t FLast = 0;
    bool FDigits = false;
};
// The first sura whose name begins with `letters` as TSuraTypeAhead compares
// them; 0 for none.
int SuraByNamePrefix(std::u16string_view letters);

// Turns the main window to `page` unless it shows that page already: sets its
// page number and posts its open-page message; true when it did.
bool GoToIndexPage(TMushafNavigator& main, int page);

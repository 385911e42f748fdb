#pragma once
// The go-to-page dialog's rules: its texts in both languages, its layout,
// what the number box accepts, and what confirming decides. The shell builds
// the small tool window from these and asks the main window to open the page.
#include <string>
#include <string_view>

#include "base/ControlPlace.h"
#include "base/DisplayScale.h"
#include "app/MainWindowGeometry.h"
#include "settings/AppLanguage.h"

inline constexpr char16_t GoToPageFormName[] = u"GoToPageForm";  // at most one such window
inline constexpr int GoToPageMaxLength = 3;  // characters in the number box

struct TGoToPageTexts {
    const char16_t* Caption;
    const char16_t* Label;
    const char16_t* Ok;
    const char16_t* Cancel;
};
// Arabic texts come with a mirrored window layout its children do not inherit.
TGoToPageTexts GoToPageTexts(TAppLanguage language);

// The window's client size, its controls' places and the character height
// of its font, in device pixels at the scale given.
struct TGoToPagePlaces {
    TSizeI Client;
    TControlPlace Label, Box, Ok, Cancel;
    int FontHeight;  // negative, as fonts are created
};
TGoToPagePlaces GoToPagePlaces(TScale scale);

// Typed characters: digits only; control characters (Backspace and the like)
// keep their editing role.
bool GoToPageAcceptsChar(char16_t c);

struct TGoToPageDecision {
    enum TKind {
        gpStayOpen,  // blank box: nothing happens
        gpClose,     // the page is shown already: close without reopening
        gpOpen,      // open Page, then close
        gpInvalid,   // not a whole number (only by pasting): report Error, stay open
    };
    TKind Kind = gpStayOpen;
    int Page = 0;
    std::u16string Error;
};

// OK or Enter: the box's text without leading and trailing blanks, converted,
// clamped into 1 to 604 and compared with the page shown.
TGoToPageDecision DecideGoToPage(std::u16string_view boxText, int currentPage);

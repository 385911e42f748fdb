#pragma once
// The about window's content and layout: a column of pictures, texts and
// links 1500 design pixels tall in a window of 498 × 662 that scrolls over
// it; the window takes every size scaled for its DPI. The
// window is always mirrored (right to left) with children that keep their
// own layout, and is captioned in Arabic in both interface languages.
#include <span>
#include <string>
#include <string_view>

#include "base/ControlPlace.h"
#include "base/DisplayScale.h"

inline constexpr char16_t AboutCaption[] = u"حول التطبيق";
inline constexpr int AboutContentHeight = 1500;  // design pixels

// The window's sizes in device pixels at the scale given.
struct TAboutSizes {
    TSizeI Window;        // the outer window
    int ContentHeight;
    int LineStep;         // pixels a line of scrolling moves
    // Character heights (positive): rights and credits in bold Naskh, the
    // developer's heading and name, the links.
    int TextPixels, SmallTextPixels, LinkPixels;
};
TAboutSizes AboutSizes(TScale scale);
// Naskh faces for the rights and credits, the first one installed wins;
// without any, the interface font. The Quran font family (Amiri's) is not
// among them: its line height is over four times its character height, room
// made for stacked Quran marks that prose does not need.
inline constexpr const char16_t* AboutTextFaces[] = {u"Traditional Arabic", u"Simplified Arabic",
                                                     u"Arabic Typesetting"};

enum TAboutElementKind { akPicture, akText, akLink };

struct TAboutElement {
    TAboutElementKind Kind;
    int Top;     // design pixels from the top of the column
    int Height;
    // The picture's resource name, the text, or the link's address (which
    // the link also shows).
    const char16_t* Content;
};

// From top to bottom: basmala, maker's logo, product logo, rights text,
// credits, the maker's link, the developer's heading, logo, name and link.
// The elements neither overlap nor leave the column.
std::span<const TAboutElement> AboutElements();
// Index of the rights text in AboutElements(); its first "***" is the version.
inline constexpr std::size_t AboutRightsElement = 3;

// The rights text with its first "***" replaced by `versionText`.
std::u16string AboutRightsText(std::u16string_view versionText);

// Where an element sits in a client area `clientWidth` wide, the column
// scrolled up by `scroll` pixels: always the whole width (a mirrored window
// flips nothing then). Device pixels at the scale given.
TControlPlace AboutElementPlace(const TAboutElement& element, int clientWidth, int scroll, TScale scale = {});

// The furthest the column scrolls in a client area `clientHeight` tall.
int AboutScrollLimit(int clientHeight, TScale scale = {});
// `position` kept within 0 and the limit.
int ClampAboutScroll(int position, int clientHeight, TScale scale = {});

#pragma once
// The about window's content and layout: a column of pictures, texts and
// links 1500 pixels tall in a window of 498 × 662 that scrolls over it. The
// window is always mirrored (right to left) with children that keep their
// own layout, and is captioned in Arabic in both interface languages.
#include <span>
#include <string>
#include <string_view>

#include "base/ControlPlace.h"

inline constexpr char16_t AboutCaption[] = u"حول التطبيق";
inline constexpr int AboutWindowWidth = 498;  // the outer window
inline constexpr int AboutWindowHeight = 662;
inline constexpr int AboutContentHeight = 1500;
inline constexpr int AboutTextPixels = 19;     // rights and credits: bold Naskh
inline constexpr int AboutSmallTextPixels = 16;  // the developer's heading and name
inline constexpr int AboutLinkPixels = 17;
inline constexpr int AboutLineStep = 30;  // pixels a line of scrolling moves
// Naskh faces for the rights and credits, the first one installed wins;
// without any, the interface font. The Quran font family (Amiri's) is not
// among them: its line height is over four times its character height, room
// made for stacked Quran marks that prose does not need.
inline constexpr const char16_t* AboutTextFaces[] = {u"Traditional Arabic", u"Simplified Arabic",
                                                     u"Arabic Typesetting"};

enum TAboutElementKind { akPicture, akText, akLink };

struct TAboutElement {
    TAboutElementKind Kind;
    int Top;     // content pixels from the top of the column
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
// flips nothing then).
TControlPlace AboutElementPlace(const TAboutElement& element, int clientWidth, int scroll);

// The furthest the column scrolls in a client area `clientHeight` tall.
int AboutScrollLimit(int clientHeight);
// `position` kept within 0 and the limit.
int ClampAboutScroll(int position, int clientHeight);

#pragma once
// The dialog that tells a failed font installation: its texts and layout.
#include "base/ControlPlace.h"
#include "base/DisplayScale.h"

inline constexpr char16_t FontErrorCaption[] = u"Font Installation Error";
inline constexpr char16_t FontErrorEnglish[] =
    u"Unable to Install fonts, Please download fonts files from website and install manually.";
inline constexpr char16_t FontErrorArabic[] =
    u"تعذر تنصيب خطوط الرسم العثماني، الرجاء تحميل الخطوط من الموقع وتنصيبها ليعمل التطبيق بنجاح.";
inline constexpr char16_t FontErrorCancel[] = u"Cancel";

// The client size, places and the labels' character height (negative, as
// fonts are created) in device pixels at the scale given.
struct TFontErrorPlaces {
    TSizeI Client;
    TControlPlace English, Arabic, Link, Cancel;
    int FontHeight;
};
inline TFontErrorPlaces FontErrorPlaces(TScale scale) {
    return {{scale(383), scale(253)},
            scale({16, 16, 351, 56}),
            scale({16, 80, 351, 56}),
            scale({16, 148, 351, 22}),
            scale({146, 200, 91, 30}),
            scale(-16)};
}

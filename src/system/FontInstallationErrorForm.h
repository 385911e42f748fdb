#pragma once
// The dialog that tells a failed font installation: its texts and layout.
#include "base/ControlPlace.h"

inline constexpr int FontErrorClientWidth = 383;
inline constexpr int FontErrorClientHeight = 253;
inline constexpr char16_t FontErrorCaption[] = u"Font Installation Error";
inline constexpr char16_t FontErrorEnglish[] =
    u"Unable to Install fonts, Please download fonts files from website and install manually.";
inline constexpr char16_t FontErrorArabic[] =
    u"تعذر تنصيب خطوط الرسم العثماني، الرجاء تحميل الخطوط من الموقع وتنصيبها ليعمل التطبيق بنجاح.";
inline constexpr char16_t FontErrorCancel[] = u"Cancel";
inline constexpr int FontErrorTextHeight = 16;  // pixels of the labels' characters

inline constexpr TControlPlace FontErrorEnglishPlace{16, 16, 351, 56};
inline constexpr TControlPlace FontErrorArabicPlace{16, 80, 351, 56};
inline constexpr TControlPlace FontErrorLinkPlace{16, 148, 351, 22};
inline constexpr TControlPlace FontErrorCancelPlace{146, 200, 91, 30};

#pragma once
// The update notice: its texts in both languages and its layout. The shell
// builds the small fixed window from these when the server's version is
// newer; the link shows and opens the product site.
#include "base/ControlPlace.h"
#include "settings/Settings.h"

inline constexpr int UpdateNoticeClientWidth = 393;
inline constexpr int UpdateNoticeClientHeight = 201;
inline constexpr int UpdateNoticeMessagePixels = 16;  // character heights
inline constexpr int UpdateNoticeLinkPixels = 19;

struct TUpdateNoticeTexts {
    const char16_t* Caption;
    const char16_t* Message;  // word-wrapped
    const char16_t* Cancel;
};
// Arabic texts come with a mirrored window layout its children do not inherit.
TUpdateNoticeTexts UpdateNoticeTexts(TAppLanguage language);
// What the link shows: the product site's address.
const char16_t* UpdateNoticeLinkText();

inline constexpr TControlPlace UpdateNoticeMessagePlace{16, 14, 361, 84};
inline constexpr TControlPlace UpdateNoticeLinkPlace{16, 106, 361, 28};
inline constexpr TControlPlace UpdateNoticeCancelPlace{159, 154, 75, 28};

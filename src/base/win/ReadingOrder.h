#pragma once
// Message boxes that carry Arabic read right to left.
#include <windows.h>

#include <string_view>

inline bool HasArabic(std::u16string_view text) {
    for (char16_t c : text)
        if (c >= 0x0600 && c <= 0x06FF) return true;
    return false;
}

// The flags that lay a message box of this text out in its reading order.
inline UINT ReadingOrder(std::u16string_view text) { return HasArabic(text) ? MB_RTLREADING | MB_RIGHT : 0; }

#pragma once
// The Windows API's wide strings and the core's UTF-16 text are the same code
// units; these convert at the API boundary.
#include <windows.h>

#include <string>
#include <string_view>

inline std::wstring ToWide(std::u16string_view s) { return std::wstring(s.begin(), s.end()); }
inline std::u16string FromWide(std::wstring_view s) { return std::u16string(s.begin(), s.end()); }
// A NUL-terminated core string handed to the API without a copy.
inline const wchar_t* WidePtr(const char16_t* s) { return reinterpret_cast<const wchar_t*>(s); }

// The text of a window or control.
inline std::u16string WindowText(HWND hwnd) {
    const int length = GetWindowTextLengthW(hwnd);
    std::wstring text(std::size_t(length) + 1, L'\0');
    text.resize(std::size_t(GetWindowTextW(hwnd, text.data(), length + 1)));
    return FromWide(text);
}

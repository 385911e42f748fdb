#include "base/win/ComboBox.h"

#include "base/win/WideText.h"

std::u16string ComboItemText(HWND combo, int item) {
    if (item < 0) return {};
    const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, WPARAM(item), 0);
    if (length == CB_ERR) return {};
    std::wstring text(std::size_t(length) + 1, L'\0');
    const LRESULT copied = SendMessageW(combo, CB_GETLBTEXT, WPARAM(item), LPARAM(text.data()));
    text.resize(copied > 0 ? std::size_t(copied) : 0);
    return FromWide(text);
}

std::u16string ComboSelectedText(HWND combo) {
    return ComboItemText(combo, int(SendMessageW(combo, CB_GETCURSEL, 0, 0)));
}

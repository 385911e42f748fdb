#include "system/win/WebAddress.h"

#include <shellapi.h>

#include "base/win/WideText.h"

void OpenWebAddress(HWND owner, std::u16string_view address) {
    const std::wstring wide = ToWide(address);
    ShellExecuteW(owner, L"open", wide.c_str(), nullptr, nullptr, SW_SHOW);
}

#include "text/win/RtfClipboard.h"

#include <cstring>

#include "base/win/WideText.h"

void PutRtfOnClipboard(HWND owner, UINT format, const std::string& rtf) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_DDESHARE, rtf.size() + 1);
    if (!block) return;
    void* p = GlobalLock(block);
    if (!p) {
        GlobalFree(block);
        return;
    }
    std::memcpy(p, rtf.c_str(), rtf.size() + 1);
    GlobalUnlock(block);
    if (!OpenClipboard(owner)) {
        GlobalFree(block);
        return;
    }
    EmptyClipboard();
    if (!SetClipboardData(format, block)) GlobalFree(block);  // otherwise the clipboard owns it
    CloseClipboard();
}

std::string RtfToAnsi(const std::u16string& document) {
    const std::wstring wide = ToWide(document);
    const int n = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), int(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string out(std::size_t(n > 0 ? n : 0), '\0');
    if (n > 0) WideCharToMultiByte(CP_ACP, 0, wide.c_str(), int(wide.size()), out.data(), n, nullptr, nullptr);
    return out;
}

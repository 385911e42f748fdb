#include "text/win/RtfClipboard.h"

#include <cstring>

UINT RegisterRtfClipboardFormat() { return RegisterClipboardFormatW(L"Rich Text Format"); }

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
    const auto* wide = reinterpret_cast<const wchar_t*>(document.c_str());
    const int n = WideCharToMultiByte(CP_ACP, 0, wide, int(document.size()), nullptr, 0, nullptr, nullptr);
    std::string out(std::size_t(n > 0 ? n : 0), '\0');
    if (n > 0) WideCharToMultiByte(CP_ACP, 0, wide, int(document.size()), out.data(), n, nullptr, nullptr);
    return out;
}

#include "text/win/RtfClipboard.h"

#include <cstring>

#include "base/win/WideText.h"

namespace {

bool OpenClipboardSoon(HWND owner) {
    for (int attempt = 1;; ++attempt) {
        if (OpenClipboard(owner)) return true;
        if (attempt == ClipboardOpenAttempts) return false;
        Sleep(ClipboardRetryMilliseconds);
    }
}

std::string ToCodePage(UINT codePage, const std::u16string& document) {
    const std::wstring wide = ToWide(document);
    if (wide.empty()) return {};
    const int n = WideCharToMultiByte(codePage, 0, wide.c_str(), int(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string out(std::size_t(n > 0 ? n : 0), '\0');
    if (n > 0) WideCharToMultiByte(codePage, 0, wide.c_str(), int(wide.size()), out.data(), n, nullptr, nullptr);
    return out;
}

}  // namespace

bool PutRtfOnClipboard(HWND owner, UINT format, const std::string& rtf) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_DDESHARE, rtf.size() + 1);
    if (!block) return false;
    void* p = GlobalLock(block);
    if (!p) {
        GlobalFree(block);
        return false;
    }
    std::memcpy(p, rtf.c_str(), rtf.size() + 1);
    GlobalUnlock(block);
    if (!OpenClipboardSoon(owner)) {
        GlobalFree(block);
        return false;
    }
    EmptyClipboard();
    const bool placed = SetClipboardData(format, block) != nullptr;
    if (!placed) GlobalFree(block);  // otherwise the clipboard owns it
    CloseClipboard();
    return placed;
}

std::string RtfToAnsi(const std::u16string& document) { return ToCodePage(CP_ACP, document); }

std::string RtfToOem(const std::u16string& document) { return ToCodePage(CP_OEMCP, document); }

#include "text/win/RtfClipboard.h"

#include <cstring>

#include "base/OutsideNames.h"
#include "base/win/WideText.h"
#include "text/ClipboardDocument.h"

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

HGLOBAL GlobalCopy(const std::vector<std::uint8_t>& bytes) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_DDESHARE, bytes.size());
    if (!block) return nullptr;
    void* p = GlobalLock(block);
    if (!p) {
        GlobalFree(block);
        return nullptr;
    }
    std::memcpy(p, bytes.data(), bytes.size());
    GlobalUnlock(block);
    return block;
}

}  // namespace

bool PutBlocksOnClipboard(HWND owner, const std::vector<TClipboardBlock>& blocks) {
    std::vector<HGLOBAL> memory;
    auto freeRest = [&](std::size_t from) {
        for (std::size_t i = from; i < memory.size(); ++i) GlobalFree(memory[i]);
    };
    for (const TClipboardBlock& b : blocks) {
        HGLOBAL h = GlobalCopy(b.Bytes);
        if (!h) {
            freeRest(0);
            return false;
        }
        memory.push_back(h);
    }
    if (!OpenClipboardSoon(owner)) {
        freeRest(0);
        return false;
    }
    EmptyClipboard();
    bool placed = true;
    std::size_t i = 0;
    for (; i < blocks.size() && placed; ++i) {
        placed = SetClipboardData(blocks[i].Format, memory[i]) != nullptr;
        if (!placed) GlobalFree(memory[i]);  // otherwise the clipboard owns it
    }
    freeRest(i);
    // A copy is whole or not at all: a block refused leaves no part of it.
    if (!placed) EmptyClipboard();
    CloseClipboard();
    return placed;
}

bool PutRtfOnClipboard(HWND owner, UINT format, const std::string& rtf) {
    return PutBlocksOnClipboard(owner, {{format, TerminatedBytes(rtf)}});
}

UINT HtmlClipboardFormat() {
    static const UINT format = RegisterClipboardFormatW(WidePtr(HtmlFormatName));
    return format;
}

std::vector<TClipboardBlock> ClipboardBlocks(const TClipboardDocument& document, UINT rtfFormat) {
    std::vector<TClipboardBlock> blocks{{rtfFormat, TerminatedBytes(RtfToAnsi(document.Rtf))}};
    if (document.Html && HtmlClipboardFormat()) blocks.push_back({HtmlClipboardFormat(), TerminatedBytes(*document.Html)});
    if (document.Text) blocks.push_back({CF_UNICODETEXT, TerminatedBytes(*document.Text)});
    return blocks;
}

std::string RtfToAnsi(const std::u16string& document) { return ToCodePage(CP_ACP, document); }

std::string RtfToOem(const std::u16string& document) { return ToCodePage(CP_OEMCP, document); }

std::vector<std::uint8_t> TerminatedBytes(const std::string& text) {
    std::vector<std::uint8_t> bytes(text.begin(), text.end());
    bytes.push_back(0);
    return bytes;
}

std::vector<std::uint8_t> TerminatedBytes(const std::u16string& text) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(2 * text.size() + 2);
    for (char16_t c : text) {
        bytes.push_back(std::uint8_t(c & 0xFF));
        bytes.push_back(std::uint8_t(c >> 8));
    }
    bytes.push_back(0);
    bytes.push_back(0);
    return bytes;
}

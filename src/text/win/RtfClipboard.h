#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

struct TClipboardDocument;

// One format's bytes as the clipboard or a drag hands them over, the
// terminating NUL (of its character size) included.
struct TClipboardBlock {
    UINT Format;
    std::vector<std::uint8_t> Bytes;
};

// Replaces the whole clipboard content with these blocks, in this order. Another
// program may hold the clipboard open for a moment, so opening it is tried
// again for about a third of a second. False when the clipboard could not be
// opened or would not take a block: the caller tells the user that nothing
// was copied.
bool PutBlocksOnClipboard(HWND owner, const std::vector<TClipboardBlock>& blocks);
// The one block holding `rtf` and a NUL, under `format`.
bool PutRtfOnClipboard(HWND owner, UINT format, const std::string& rtf);

// How often and how far apart the clipboard is tried.
inline constexpr int ClipboardOpenAttempts = 15;
inline constexpr DWORD ClipboardRetryMilliseconds = 20;

// The registered "HTML Format"; 0 when the system refuses it, and then no
// HTML is offered.
UINT HtmlClipboardFormat();

// The clipboard's blocks of a copy: the Rich Text under `rtfFormat` in the
// system's 8-bit code page, then, when the document has them, the HTML and the
// plain text (CF_UNICODETEXT); the system derives the 8-bit text formats.
std::vector<TClipboardBlock> ClipboardBlocks(const TClipboardDocument& document, UINT rtfFormat);

// The finished document in the system's 8-bit code page, and in the OEM code
// page (for the drag's CF_OEMTEXT); each conversion is sized by its own code
// page, whatever the document holds.
std::string RtfToAnsi(const std::u16string& document);
std::string RtfToOem(const std::u16string& document);

// Text with its NUL: 8-bit text as bytes, UTF-16 as little-endian units.
std::vector<std::uint8_t> TerminatedBytes(const std::string& text);
std::vector<std::uint8_t> TerminatedBytes(const std::u16string& text);

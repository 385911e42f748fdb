#pragma once
// Everything one copy puts on the clipboard or offers in a drag: always the
// Rich Text, and the HTML and the plain text when the user chose so. All
// three are renderings of the same composed copy.
#include <optional>
#include <string>

#include "settings/CopyOptions.h"

struct TCopiedText;

struct TClipboardDocument {
    std::u16string Rtf;                 // UTF-16; the shell writes it as 8-bit text
    std::optional<std::string> Html;    // the "HTML Format" document, UTF-8
    std::optional<std::u16string> Text; // for CF_UNICODETEXT
};

TClipboardDocument ClipboardDocument(const TCopiedText& copy, const TCopyOptions& options);

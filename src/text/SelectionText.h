#pragma once
// From the words selected on a page to the Quran text they stand for, and
// from there to the copied document.
#include <optional>
#include <string>

#include "settings/CopyOptions.h"
#include "text/CopiedText.h"

class TAyaStore;
class TPage;
class TSettings;

// The selection taken as one run from its first to its last selected word:
// the first and the last aya cut at their tokens, the ayat between whole, in
// `spelling`. Nothing when nothing is selected.
std::optional<TCopiedText> SelectionCopy(const TPage& page, const TAyaStore& store, const TSettings& settings,
                                         TSpelling spelling);

// The Rich Text of the selection in the Uthmani spelling (UTF-16), or ""
// when nothing is selected.
std::u16string GetSelectionRTF(const TPage& page, const TAyaStore& store, const TSettings& settings);

#pragma once
// The document of a copy range: whole ayat aya1 … aya2 of one sura.
#include <string>

class TAyaStore;
class TSettings;

// Exchanges the bounds when aya2 < aya1; each aya comes in its `unicodeex`
// form after one space (so the text begins with a space). Only ayat of the
// sura are looked up (a range past its last aya stops there); ayat the store
// lacks contribute empty text; the citation still names the numbers asked.
std::u16string ComposeCopyRange(const TAyaStore& store, const TSettings& settings, int sura, int aya1,
                                int aya2);

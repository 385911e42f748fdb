#pragma once
// Constant tables of the 114 suras, indexed by the sura number 1 to 114
// (index 0 is an unused filler). A 0-based position p in a list of the suras
// reads entry p + 1.
#include <array>
#include <string_view>

#include "pagemodel/SuraAyaCounts.h"  // SuraAyaCounts, the number of ayat of each sura

// Sura name, plain spelling without vowel marks (index of suras). Some
// names end in one space, sura 41 in two, exactly as the lists show them.
extern const std::array<std::u16string_view, 115> SuraNames;
// Second plain spelling (search results); equals SuraNames except for
// suras 3, 7, 34, 78 and 82.
extern const std::array<std::u16string_view, 115> SuraNamesAlt;
// Sura name with vowel marks (copy range dialog, citation of copied text).
extern const std::array<std::u16string_view, 115> SuraNamesTashkeel;
// Place of revelation: "مكية" (Meccan) or "مدنية" (Medinan).
extern const std::array<std::u16string_view, 115> SuraProvenance;
// First Mushaf page of the sura, 1 to 604; index 0 holds 1.
extern const std::array<int, 115> SuraFirstPages;

#pragma once
// How many ayat each of the 114 suras has. The page loader checks every word
// record against it; the sura tables of the text layer hand it on.
#include <array>

inline constexpr int SuraCount = 114;

// Indexed by the sura number 1 to 114; index 0 holds 0. They sum to 6236.
extern const std::array<int, SuraCount + 1> SuraAyaCounts;

// True when (sura, aya) names an aya of the Quran.
inline bool IsAyaOfQuran(int sura, int aya) {
    return sura >= 1 && sura <= SuraCount && aya >= 1 && aya <= SuraAyaCounts[sura];
}

#pragma once
// The words the pictures carry: juz names, sura titles and page numbers.
#include <string>

namespace pictures {

// "الجزء الأول" … "الجزء الثلاثون" for juz 1 to 30.
std::u16string JuzName(int juz);
// "سورة" and the sura's name with its vowels, from the sura tables.
std::u16string SuraTitle(int sura);
// The number in Arabic-Indic digits, most significant first.
std::u16string ArabicIndicNumber(int n);

} // namespace pictures

#pragma once
// The copy range dialog's rules: texts in both languages, which sura it
// preselects, the aya lists of a sura and what the Copy button copies. The
// shell builds the tool window from these.
#include <string>
#include <string_view>
#include <vector>

#include "base/ControlPlace.h"
#include "base/DisplayScale.h"
#include "settings/AppLanguage.h"

class TPage;

inline constexpr char16_t CopyRangeFormName[] = u"CopyRangeForm";  // at most one such window
// The client size and places in device pixels at the scale given, of the
// left-to-right design; a combo box's height includes its dropped-down list.
// The sura list is set in the Quran font, in items of a fixed height.
struct TCopyRangePlaces {
    TSizeI Client;
    TControlPlace SuraLabel, Sura, FromLabel, Aya1, ToLabel, Aya2, Copy, Cancel;
    int SuraItemHeight;
    int FontHeight, QuranFontHeight;  // negative, as fonts are created
};
TCopyRangePlaces CopyRangePlaces(TScale scale);

struct TCopyRangeTexts {
    const char16_t* Caption;
    const char16_t* SuraLabel;
    const char16_t* FromLabel;
    const char16_t* ToLabel;
    const char16_t* Copy;
    const char16_t* Cancel;
};
// Arabic texts come with a mirrored layout its children do not inherit.
TCopyRangeTexts CopyRangeTexts(TAppLanguage language);

// 0-based sura item to preselect, -1 for none: the sura of the selected word
// when at least two words are selected, otherwise of the page's first word.
int CopyRangePreselectedSura(const TPage& page);

// The items of both aya lists for sura item `suraItem` (0-based): "1" to the
// sura's aya count; a new sura resets the range to aya 1 to aya 1.
std::vector<std::u16string> CopyRangeAyaItems(int suraItem);

struct TCopyRangeChoice {
    int Sura;  // 1 to 114
    int Aya1;
    int Aya2;
};
// The Copy button: the list texts as decimal numbers, 1 where one is not.
TCopyRangeChoice DecideCopyRange(int suraItem, std::u16string_view aya1Text, std::u16string_view aya2Text);

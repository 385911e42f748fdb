#pragma once
// The Rich Text document that every copy hands to other programs: the Quran
// text in the Quran font with the user's colours, brackets, opening formulas
// and citation. Every character is written as an RTF Unicode escape, the
// citation font's name too, so the document is 7-bit text.
#include <cstdint>
#include <string>
#include <string_view>

class TSettings;
struct TCopiedText;

// The font sizes the document asks for, in points: the record keeps any
// number, the document one within these bounds.
inline constexpr std::int32_t MinCopiedFontSize = 1;
inline constexpr std::int32_t MaxCopiedFontSize = 1638;

// "\uc1\u" + code unit in decimal + "*" for every UTF-16 code unit.
std::u16string EscapeRtfUnicode(std::u16string_view text);

// "{\colortbl ;" + one "\redR\greenG\blue0B;" per colour (0x00BBGGRR) + "}".
// The blue value keeps the literal 0 in front of its digits.
std::u16string BuildRtfColorTable(std::uint32_t bracket, std::uint32_t text, std::uint32_t sajda,
                                  std::uint32_t hizb, std::uint32_t waqf, std::uint32_t citation);

// The whole document for `aya`, citing sura `sura`, ayat aya1 … aya1 + ayaCount − 1,
// formatted by `settings`. `aya2` and `fullAya` are accepted for the callers'
// sake and do not change the document. A sura outside 1 to 114 is cited
// without a name, aya numbers outside 1 to 999 without digits.
std::u16string SelectionRtf(const TSettings& settings, std::u16string_view aya, int sura, int aya1,
                            int aya2, int ayaCount, bool fullAya);

// The Rich Text rendering of a composed copy (CopiedText.h).
std::u16string CopiedRtf(const TCopiedText& copy);

// The finished document as 8-bit text: 7-bit code units pass unchanged, any
// other becomes '?', as a code page without that character would give it.
std::string RtfToEightBit(std::u16string_view document);

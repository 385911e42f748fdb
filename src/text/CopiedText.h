#pragma once
// What a copy hands to other programs, composed once and before any format:
// the opening formulas, the brackets, the Quran text in runs of text and of
// coloured signs, and the citation, with the sizes, colours and fonts of the
// copy settings. The Rich Text (RtfComposition.h), the HTML
// (HtmlComposition.h) and the plain text (PlainTextComposition.h) are
// renderings of it, so the three cannot disagree.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TSettings;

// A run of the Quran text: plain text, or one sign in a colour of its own.
enum class TRunKind : std::uint8_t { rkText, rkSajda, rkHizb, rkWaqf };
struct TTextRun {
    TRunKind Kind = TRunKind::rkText;
    std::u16string Text;
    bool operator==(const TTextRun&) const = default;
};

// The colours of a copy, in the order of the Rich Text's colour table.
enum TCopyColour : int { ccBracket, ccText, ccSajda, ccHizb, ccWaqf, ccCitation, ccColourCount };

// A coloured waqf sign is written after a zero-width non-joiner, inside its
// colour run, wherever colours are written.
inline constexpr char16_t ColouredWaqfJoiner = u'\u200C';
// The citation's own bracket pair, in the Quran font.
inline constexpr char16_t CitationOpenBracket = u'\uFD5D';
inline constexpr char16_t CitationCloseBracket = u'\uFD5C';

struct TCopiedText {
    // Formatting: sizes in points as the record holds them, colours 0x00BBGGRR.
    std::int32_t QuranFontSize = 0;
    std::int32_t CitationFontSize = 0;
    bool Bold = false;
    std::array<std::uint32_t, ccColourCount> Colours{};
    std::u16string CitationFontName;

    // In reading order. Each opening line ends with a line break; the lead-in
    // is followed by a space. Opening lines and lead-in take the reader's
    // default colour, in the Quran font at the Quran size.
    std::vector<std::u16string_view> OpeningLines;
    std::u16string_view LeadIn;
    bool HasBrackets = false;
    char16_t OpenBracket = 0, CloseBracket = 0;  // before and after the text
    std::vector<TTextRun> Runs;
    // The citation, at the citation size and colour: after a line break or a
    // space, the open bracket, the sura name and ": " in the citation font,
    // the first (and, for several ayat, " - " and the last) aya number and the
    // close bracket in the Quran font.
    bool HasCitation = false;
    bool CitationOnNewLine = false;
    std::u16string_view SuraName;  // empty for a sura outside 1 to 114
    std::int64_t FirstAya = 0, LastAya = 0;
    bool SeveralAyat = false;
};

// The copy of `aya` (already cut and joined), citing sura `sura`, ayat aya1 …
// aya1 + ayaCount − 1, formatted by `settings`.
TCopiedText ComposeCopiedText(const TSettings& settings, std::u16string_view aya, int sura, int aya1,
                              int ayaCount);


// Splits an aya into shaping units: runs of text shaped together (a word
// with the marks the vowelled text attaches to it), each holding one or more
// word tokens as character ranges, plus the closing aya mark.
#pragma once
#include <string>
#include <vector>

namespace compose {

struct TokenRange {
    int begin = 0, end = 0;   // UTF-16 offsets inside the unit text
    int number = 0;           // 1-based token number in the aya
};

enum class UnitKind { Word, OpeningSign, AyaMark };

struct ShapingUnit {
    UnitKind kind = UnitKind::Word;
    std::u16string text;
    std::vector<TokenRange> tokens;  // empty for the aya mark
};

// Builds the units of one aya from its `unicode` and `UnicodeSpaceex` forms.
// False (with a message) when the tokens do not spell the vowelled text.
bool BuildAyaUnits(const std::u16string& unicode, const std::u16string& spaceEx, int ayaNumber,
                   std::vector<ShapingUnit>& units, std::string& error);

// Number of word tokens of `UnicodeSpaceex` (the aya mark not counted).
int CountTokens(const std::u16string& spaceEx);

bool IsCombiningMark(char16_t c);

} // namespace compose

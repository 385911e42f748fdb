#pragma once
// A text of few distinct characters held one byte a character: the aya
// store's texts use some 80 characters, two bytes each in UTF-8 for the
// Arabic ones, so they take half the memory so.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct TCondensedText {
    std::string Bytes;                    // byte b stands for Characters[b]
    std::array<char16_t, 256> Characters{};
};

// `utf8` condensed, and `boundaries` (ascending byte offsets into it, each at
// the start of a character or at its end) moved to the same places in the
// condensed text. Nothing, and `boundaries` unchanged, when the text has
// more than 256 distinct characters, one outside the Basic Multilingual
// Plane, an offset inside a character, or is not well-formed UTF-8.
std::optional<TCondensedText> CondenseText(std::string_view utf8, std::vector<std::uint32_t>& boundaries);

// A part of a condensed text as UTF-16.
std::u16string ExpandText(std::string_view condensed, const std::array<char16_t, 256>& characters);

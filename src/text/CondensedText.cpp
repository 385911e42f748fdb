#include "text/CondensedText.h"

#include <algorithm>

namespace {

// The character at `at` (advanced past it), or nothing when the bytes there
// are no well-formed UTF-8 of a character in the Basic Multilingual Plane.
std::optional<char16_t> NextCharacter(std::string_view s, std::size_t& at) {
    const auto byte = [&](std::size_t i) { return std::uint8_t(s[i]); };
    const std::uint8_t lead = byte(at);
    if (lead < 0x80) return char16_t(s[at++]);
    const std::size_t length = lead >= 0xC2 && lead < 0xE0 ? 2 : lead >= 0xE0 && lead < 0xF0 ? 3 : 0;
    if (length == 0 || at + length > s.size()) return std::nullopt;
    std::uint32_t c = lead & (length == 2 ? 0x1F : 0x0F);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) return std::nullopt;
        c = c << 6 | (byte(at + i) & 0x3F);
    }
    // Overlong forms and surrogates are not characters.
    if ((length == 3 && c < 0x800) || (c >= 0xD800 && c < 0xE000)) return std::nullopt;
    at += length;
    return char16_t(c);
}

}  // namespace

std::optional<TCondensedText> CondenseText(std::string_view utf8, std::vector<std::uint32_t>& boundaries) {
    TCondensedText text;
    std::vector<std::int16_t> code(0x10000, -1);  // of each character met, -1 before
    int characters = 0;
    std::vector<std::uint32_t> moved(boundaries.size());
    std::size_t next = 0;  // the first boundary not yet passed
    text.Bytes.reserve(utf8.size());
    for (std::size_t at = 0;;) {
        for (; next < boundaries.size() && boundaries[next] <= at; ++next) {
            if (boundaries[next] != at) return std::nullopt;  // inside the character before
            moved[next] = std::uint32_t(text.Bytes.size());
        }
        if (at >= utf8.size()) break;
        const std::optional<char16_t> c = NextCharacter(utf8, at);
        if (!c) return std::nullopt;
        if (code[*c] < 0) {
            if (characters == 256) return std::nullopt;
            text.Characters[std::size_t(characters)] = *c;
            code[*c] = std::int16_t(characters++);
        }
        text.Bytes.push_back(char(std::uint8_t(code[*c])));
    }
    if (next < boundaries.size()) return std::nullopt;  // past the end
    text.Bytes.shrink_to_fit();
    boundaries = std::move(moved);
    return text;
}

std::u16string ExpandText(std::string_view condensed, const std::array<char16_t, 256>& characters) {
    std::u16string text(condensed.size(), u'\0');
    for (std::size_t i = 0; i < condensed.size(); ++i) text[i] = characters[std::uint8_t(condensed[i])];
    return text;
}

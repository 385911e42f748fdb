#include "text/AyaText.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

constexpr char16_t kSpace = u' ';

bool IsBlank(char16_t c) { return c <= kSpace; }

bool IsTokenSeparator(char16_t c) { return c == kSpace || c == u'\r' || c == u'\n'; }

// Replaces every occurrence of `from` by `to`, scanning left to right without
// overlap and without rescanning what was written.
std::u16string ReplaceAll(std::u16string_view text, std::u16string_view from,
                          std::u16string_view to) {
    std::u16string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    for (std::size_t hit; (hit = text.find(from, pos)) != std::u16string_view::npos;
         pos = hit + from.size()) {
        out.append(text.substr(pos, hit - pos));
        out.append(to);
    }
    out.append(text.substr(pos));
    return out;
}

// A token is a run between separators that holds more than blanks.
std::vector<std::u16string_view> Tokens(std::u16string_view text) {
    std::vector<std::u16string_view> tokens;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !IsTokenSeparator(text[i])) continue;
        std::u16string_view token = text.substr(start, i - start);
        if (std::any_of(token.begin(), token.end(), [](char16_t c) { return !IsBlank(c); }))
            tokens.push_back(token);
        start = i + 1;
    }
    return tokens;
}

}  // namespace

int WordCount(std::u16string_view text) { return int(Tokens(text).size()); }

std::u16string TakeWords(std::u16string_view text, int first, int count) {
    const std::vector<std::u16string_view> tokens = Tokens(text);
    if (count == 0) count = 1000;
    // Token numbers first .. first + count - 1, clipped to the tokens there are.
    const std::int64_t from = std::max<std::int64_t>(first, 1);
    const std::int64_t to =
        std::min<std::int64_t>(std::int64_t(first) + count - 1, std::int64_t(tokens.size()));

    std::u16string result;
    for (std::int64_t i = from; i <= to; ++i) {
        result.push_back(kSpace);
        result.append(tokens[std::size_t(i - 1)]);
    }
    const auto b = std::find_if(result.begin(), result.end(), [](char16_t c) { return !IsBlank(c); });
    const auto e =
        std::find_if(result.rbegin(), result.rend(), [](char16_t c) { return !IsBlank(c); }).base();
    return b < e ? std::u16string(b, e) : std::u16string();
}

std::u16string JoinWaqfSigns(std::u16string_view text) {
    std::u16string out(text);
    for (char16_t sign : {u'\u06D6', u'\u06D7', u'\u06D8', u'\u06DA'}) {
        const char16_t spaced[] = {kSpace, sign};
        out = ReplaceAll(out, std::u16string_view(spaced, 2), std::u16string_view(&sign, 1));
    }
    return out;
}

std::u16string JoinWawConjunction(std::u16string_view text) {
    std::u16string out = ReplaceAll(text, u" \u0648\u064E ", u" \u0648\u064E");
    if (out.size() > 2 && out.compare(0, 3, u"\u0648\u064E ") == 0) out.erase(2, 1);
    return out;
}

std::u16string ToNumericEntities(std::u16string_view text) {
    std::u16string out;
    out.reserve(text.size() * 8);
    for (char16_t unit : text) {
        out += u"&#";
        for (char c : std::to_string(unsigned(unit))) out.push_back(char16_t(c));
        out.push_back(u';');
    }
    return out;
}

std::u16string AyaNumberGlyphs(int n) {
    std::u16string out;
    if (n < 1 || n > 999) return out;
    for (; n > 0; n /= 10) out.push_back(char16_t(0xFD50 + n % 10));
    return out;
}

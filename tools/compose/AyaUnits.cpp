#include "AyaUnits.h"

namespace compose {

namespace {

constexpr char16_t kSpace = 0x0020, kNoBreakSpace = 0x00A0, kByteOrderMark = 0xFEFF;
constexpr char16_t kRubElHizb = 0x06DE, kEndOfAya = 0x06DD;

bool IsArabicIndicDigit(char16_t c) { return c >= 0x0660 && c <= 0x0669; }

// Drops the trailing no-break space and aya number that close the text.
std::u16string WithoutAyaNumber(std::u16string s) {
    size_t n = s.size();
    while (n > 0 && IsArabicIndicDigit(s[n - 1])) --n;
    if (n < s.size() && n > 0 && s[n - 1] == kNoBreakSpace) s.resize(n - 1);
    return s;
}

std::vector<std::u16string> Split(const std::u16string& s, bool breakAfterOpeningSign) {
    std::vector<std::u16string> parts;
    std::u16string cur;
    for (size_t i = 0; i < s.size(); ++i) {
        char16_t c = s[i];
        bool sep = c == kSpace || (breakAfterOpeningSign && c == kNoBreakSpace && i > 0 && s[i - 1] == kRubElHizb);
        if (sep) {
            if (!cur.empty()) parts.push_back(cur);
            cur.clear();
        } else if (c != kByteOrderMark) {
            cur += c;
        }
    }
    if (!cur.empty()) parts.push_back(cur);
    return parts;
}

std::string Narrow(const std::u16string& s) {
    std::string out;
    for (char16_t c : s) {
        if (c < 0x80) { out += char(c); continue; }
        if (c < 0x800) { out += char(0xC0 | (c >> 6)); }
        else { out += char(0xE0 | (c >> 12)); out += char(0x80 | ((c >> 6) & 0x3F)); }
        out += char(0x80 | (c & 0x3F));
    }
    return out;
}

} // namespace

bool IsCombiningMark(char16_t c) {
    return (c >= 0x064B && c <= 0x065F) || c == 0x0670 || (c >= 0x06D6 && c <= 0x06DC) ||
           (c >= 0x06DF && c <= 0x06E4) || c == 0x06E7 || c == 0x06E8 || (c >= 0x06EA && c <= 0x06ED);
}

int CountTokens(const std::u16string& spaceEx) {
    return int(Split(WithoutAyaNumber(spaceEx), false).size());
}

bool BuildAyaUnits(const std::u16string& unicode, const std::u16string& spaceEx, int ayaNumber,
                   std::vector<ShapingUnit>& units, std::string& error) {
    units.clear();
    // A piece of text that starts with a combining mark is shaped with the
    // word before it, never alone.
    for (const std::u16string& part : Split(WithoutAyaNumber(unicode), true)) {
        if (!units.empty() && IsCombiningMark(part[0])) {
            units.back().text += part;
            continue;
        }
        ShapingUnit u;
        u.kind = part == std::u16string(1, kRubElHizb) ? UnitKind::OpeningSign : UnitKind::Word;
        u.text = part;
        units.push_back(std::move(u));
    }
    std::vector<std::u16string> tokens = Split(WithoutAyaNumber(spaceEx), false);
    size_t t = 0;
    for (ShapingUnit& u : units) {
        int at = 0;
        while (at < int(u.text.size())) {
            if (t == tokens.size() || u.text.compare(at, tokens[t].size(), tokens[t]) != 0) {
                error = "aya " + std::to_string(ayaNumber) + ": token " + std::to_string(t + 1) +
                        " does not match the text at \"" + Narrow(u.text) + "\"";
                return false;
            }
            int len = int(tokens[t].size());
            u.tokens.push_back({at, at + len, int(t + 1)});
            at += len;
            ++t;
        }
    }
    if (t != tokens.size()) {
        error = "aya " + std::to_string(ayaNumber) + ": tokens left over";
        return false;
    }
    ShapingUnit mark;
    mark.kind = UnitKind::AyaMark;
    mark.text = std::u16string(1, kEndOfAya);
    for (char c : std::to_string(ayaNumber)) mark.text += char16_t(0x0660 + (c - '0'));
    units.push_back(std::move(mark));
    return true;
}

} // namespace compose

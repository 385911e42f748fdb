#include "system/VersionNumbers.h"

#include <charconv>
#include <cmath>
#include <limits>

TVersionPair VersionFromFileInfo(std::uint32_t fileVersionMS, std::uint32_t fileVersionLS) {
    return {std::int32_t(fileVersionMS >> 16), std::int32_t(fileVersionLS)};
}

std::u16string VersionText(std::uint32_t fileVersionMS, std::uint32_t fileVersionLS) {
    const std::string text = std::to_string(fileVersionMS >> 16) + "." + std::to_string(fileVersionLS);
    return std::u16string(text.begin(), text.end());
}

namespace {

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }

std::u16string_view Trimmed(std::u16string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// The whole text as one decimal number: an optional sign, digits with at
// most one ".", at least one digit, an optional exponent. Anything else,
// and a value beyond the range of a double, is no number.
bool ReadDecimal(std::u16string_view s, double& value) {
    std::string ascii;
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) negative = s[i++] == u'-';
    std::size_t digits = 0;
    bool point = false;
    for (; i < s.size(); ++i) {
        if (IsDigit(s[i])) {
            ++digits;
        } else if (s[i] == u'.' && !point) {
            point = true;
        } else {
            break;
        }
        ascii += char(s[i]);
    }
    if (digits == 0) return false;
    if (i < s.size() && (s[i] == u'e' || s[i] == u'E')) {
        ascii += 'e';
        ++i;
        if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) ascii += char(s[i++]);
        const std::size_t start = i;
        for (; i < s.size() && IsDigit(s[i]); ++i) ascii += char(s[i]);
        if (i == start) return false;
    }
    if (i != s.size()) return false;
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (error != std::errc() || end != ascii.data() + ascii.size() || !std::isfinite(value)) return false;
    if (negative) value = -value;
    return true;
}

// Digits only, within a 32-bit signed number; -1 otherwise.
std::int32_t ReadMinor(std::u16string_view s) {
    if (s.empty()) return -1;
    std::int64_t value = 0;
    for (char16_t c : s) {
        if (!IsDigit(c)) return -1;
        value = value * 10 + (c - u'0');
        if (value > std::numeric_limits<std::int32_t>::max()) return -1;
    }
    return std::int32_t(value);
}

}  // namespace

TParsedVersion ParseVersion(std::u16string_view text) {
    text = Trimmed(text);
    const std::size_t lastPoint = text.rfind(u'.');
    if (lastPoint == std::u16string_view::npos) return {};
    double x = 0;
    if (!ReadDecimal(text, x) || x == 0) return {};
    double major = std::trunc(x);
    // Without an exponent the whole part is the digits before the point: a
    // double would round "1000000000.99999999" up to the next major.
    if (text.find_first_of(u"eE") == std::u16string_view::npos) {
        const std::size_t point = text.find(u'.');
        const bool sign = text.front() == u'+' || text.front() == u'-';
        const std::u16string_view whole = text.substr(sign ? 1 : 0, point - (sign ? 1 : 0));
        const std::int32_t digits = whole.empty() ? 0 : ReadMinor(whole);
        if (digits == -1) return {};
        major = text.front() == u'-' ? -double(digits) : double(digits);
    }
    // A major number a 32-bit integer cannot hold is no version of ours.
    if (major > std::numeric_limits<std::int32_t>::max() || major < std::numeric_limits<std::int32_t>::min())
        return {};
    const std::int32_t minor = ReadMinor(text.substr(lastPoint + 1));
    if (minor == -1) return {{0, 0}, true};
    return {{std::int32_t(major), minor}, true};
}

bool IsNewerVersion(TVersionPair server, TVersionPair own) {
    return server.Major > own.Major || (server.Major == own.Major && server.Minor > own.Minor);
}

bool UpdateNoticeWanted(TVersionPair posted, TVersionPair own) {
    return posted.Major != 0 && IsNewerVersion(posted, own);
}

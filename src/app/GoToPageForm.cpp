#include "app/GoToPageForm.h"

#include <algorithm>
#include <cstdint>

TGoToPageTexts GoToPageTexts(TAppLanguage language) {
    if (language == appArabic)
        return {u"اذهب إلى صفحة", u"أدخل رقم الصفحة:", u"اذهب", u"إلغاء"};
    return {u"Go to Page", u"Enter Page Number", u"OK", u"Cancel"};
}

TGoToPagePlaces GoToPagePlaces(TScale scale) {
    return {{scale(260), scale(122)},
            scale({16, 34, 122, 16}),
            scale({142, 32, 73, 21}),
            scale({43, 72, 75, 25}),
            scale({142, 72, 75, 25}),
            scale(-12)};
}

bool GoToPageAcceptsChar(char16_t c) { return (c >= u'0' && c <= u'9') || c < 0x20; }

namespace {
// A decimal whole number with an optional sign, as a 32-bit signed value.
bool ParseWholeNumber(std::u16string_view s, std::int64_t& value) {
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) negative = s[i++] == u'-';
    if (i == s.size()) return false;
    value = 0;
    for (; i < s.size(); ++i) {
        if (s[i] < u'0' || s[i] > u'9') return false;
        value = value * 10 + (s[i] - u'0');
        if (value > 2147483648LL) return false;
    }
    if (negative) value = -value;
    return value >= INT32_MIN && value <= INT32_MAX;
}
}  // namespace

TGoToPageDecision DecideGoToPage(std::u16string_view text, int currentPage) {
    // Blanks are every code unit up to the space, as the box's trimming counts them.
    while (!text.empty() && text.front() <= u' ') text.remove_prefix(1);
    while (!text.empty() && text.back() <= u' ') text.remove_suffix(1);
    TGoToPageDecision d;
    if (text.empty()) return d;
    std::int64_t n = 0;
    if (!ParseWholeNumber(text, n)) {
        d.Kind = TGoToPageDecision::gpInvalid;
        d.Error.push_back(u'\'');
        d.Error += text;
        d.Error += std::u16string_view(u"' is not a valid integer value");
        return d;
    }
    d.Page = static_cast<int>(std::clamp<std::int64_t>(n, 1, 604));
    d.Kind = d.Page == currentPage ? TGoToPageDecision::gpClose : TGoToPageDecision::gpOpen;
    return d;
}

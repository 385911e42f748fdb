#include "ArabicWording.h"

#include <array>
#include <stdexcept>

#include "text/SuraTables.h"

namespace pictures {

namespace {
// Ordinals 1 to 10, masculine, as they follow "الجزء".
const std::array<std::u16string_view, 11> kOrdinal = {
    u"", u"الأول", u"الثاني", u"الثالث", u"الرابع", u"الخامس",
    u"السادس", u"السابع", u"الثامن", u"التاسع", u"العاشر"};
}  // namespace

std::u16string JuzName(int juz) {
    if (juz < 1 || juz > 30) throw std::out_of_range("juz number");
    std::u16string name = u"الجزء ";
    if (juz <= 10) return name + std::u16string(kOrdinal[std::size_t(juz)]);
    if (juz == 20) return name + u"العشرون";
    if (juz == 30) return name + u"الثلاثون";
    const int units = juz % 10;
    // 11 is "الحادي", not "الأول", in compound ordinals.
    const std::u16string unit = units == 1 ? std::u16string(u"الحادي") : std::u16string(kOrdinal[std::size_t(units)]);
    return name + unit + (juz < 20 ? u" عشر" : u" والعشرون");
}

std::u16string SuraTitle(int sura) {
    if (sura < 1 || sura > 114) throw std::out_of_range("sura number");
    std::u16string_view n = SuraNamesTashkeel[std::size_t(sura)];
    while (!n.empty() && n.back() == u' ') n.remove_suffix(1);
    return u"سُورَةُ " + std::u16string(n);
}

std::u16string ArabicIndicNumber(int n) {
    std::u16string digits;
    do {
        digits.insert(digits.begin(), char16_t(u'\u0660' + n % 10));
        n /= 10;
    } while (n > 0);
    return digits;
}

} // namespace pictures

#include "settings/ColorBoxItems.h"

#include <array>

namespace {

constexpr std::array<TStandardColor, 16> Colors{{
    {0x000000, u"Black", u"أسود"},
    {0x000080, u"Maroon", u"كستنائي"},
    {0x008000, u"Green", u"أخضر"},
    {0x008080, u"Olive", u"زيتوني"},
    {0x800000, u"Navy", u"كحلي"},
    {0x800080, u"Purple", u"أرجواني"},
    {0x808000, u"Teal", u"أزرق مخضر"},
    {0x808080, u"Gray", u"رمادي"},
    {0xC0C0C0, u"Silver", u"فضي"},
    {0x0000FF, u"Red", u"أحمر"},
    {0x00FF00, u"Lime", u"ليموني"},
    {0x00FFFF, u"Yellow", u"أصفر"},
    {0xFF0000, u"Blue", u"أزرق"},
    {0xFF00FF, u"Fuchsia", u"فوشيا"},
    {0xFFFF00, u"Aqua", u"سماوي"},
    {0xFFFFFF, u"White", u"أبيض"},
}};

}  // namespace

std::span<const TStandardColor> StandardColors() { return Colors; }

std::uint32_t PlainRgb(std::uint32_t colour) { return colour & 0x00FFFFFF; }

int ColorBoxItemOf(std::uint32_t colour) {
    for (std::size_t i = 0; i < Colors.size(); ++i)
        if (Colors[i].Value == colour) return int(i) + 1;
    return CustomColorItem;
}

const char16_t* ColorItemName(int item, TAppLanguage language) {
    const bool arabic = language == appArabic;
    if (item <= CustomColorItem || item > int(Colors.size())) return arabic ? u"مخصص..." : u"Custom...";
    const TStandardColor& c = Colors[std::size_t(item - 1)];
    return arabic ? c.Arabic : c.English;
}

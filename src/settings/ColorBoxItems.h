#pragma once
// The items of a colour box: first the custom colour (chosen in the system's
// colour dialog), then the sixteen standard colours, listed by their names.
// Values are plain RGB (0x00BBGGRR); a colour box never yields a
// system-colour constant.
#include <cstdint>
#include <span>

#include "settings/Settings.h"

struct TStandardColor {
    std::uint32_t Value;
    const char16_t* English;
    const char16_t* Arabic;
};

inline constexpr int CustomColorItem = 0;  // the standard colours follow as items 1 to 16

std::span<const TStandardColor> StandardColors();
// The item that shows `colour`: its standard colour, else the custom item.
int ColorBoxItemOf(std::uint32_t colour);
// The value a colour box holds for `colour`: its RGB bytes only.
std::uint32_t PlainRgb(std::uint32_t colour);
// The name shown for an item; the custom item is "Custom..." / "مخصص...".
const char16_t* ColorItemName(int item, TAppLanguage language);

#pragma once
// The colours of the Mushaf pictures: deep green, gold and ivory, as
// 0x00BBGGRR values like every colour of the system.
#include <cstdint>

namespace pictures {

using TColour = std::uint32_t;

constexpr TColour Rgb(unsigned r, unsigned g, unsigned b) { return r | (g << 8) | (b << 16); }

namespace palette {
constexpr TColour kGreenDeep = Rgb(0x0E, 0x48, 0x37);
constexpr TColour kGreen = Rgb(0x1E, 0x6A, 0x4E);
constexpr TColour kGreenSoft = Rgb(0x6F, 0xA3, 0x84);
constexpr TColour kGreenTint = Rgb(0xDC, 0xEB, 0xDA);
constexpr TColour kGold = Rgb(0xC4, 0x9B, 0x3C);
constexpr TColour kGoldDark = Rgb(0x8A, 0x66, 0x1E);
constexpr TColour kGoldLight = Rgb(0xEC, 0xD6, 0x92);
constexpr TColour kIvory = Rgb(0xFB, 0xF6, 0xE6);
constexpr TColour kCream = Rgb(0xF3, 0xE8, 0xC8);
constexpr TColour kInk = Rgb(0x12, 0x2A, 0x20);
constexpr TColour kWhite = Rgb(0xFF, 0xFF, 0xFF);
constexpr TColour kBlack = Rgb(0, 0, 0);
// The pale box behind the page number in the window frame (and the ground
// of the page-number strip, so that a copied cell matches it).
constexpr TColour kNumberBox = 0x00B4DCC0;
} // namespace palette

} // namespace pictures

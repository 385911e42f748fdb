#pragma once
// What the pictures need to know of the Mushaf, read from the generated aya
// store, the juz list of quran-meta and the composed opening pages.
#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "VectorPath.h"

class TPage;

namespace pictures {

constexpr int kPages = 604;

struct TMushafFacts {
    // Suras whose first aya is on the page, in reading order (index = page).
    std::array<std::vector<int>, kPages + 1> suraStarts;
    // Sura and juz of the first aya of the page.
    std::array<int, kPages + 1> firstSura{};
    std::array<int, kPages + 1> juz{};
    // The basmalah as the store writes it (sura 1, aya 1 without its number).
    std::u16string basmalah;
    // Ink of the text of pages 1 and 2 in page units (index = page).
    std::array<TBox, 3> openingText;
};

// `store` is HAFSUNICODE, `quranMeta` the hafs.js bundle of quran-meta,
// `pages` the folder holding SVG_1 and SVG_2. Raises std::runtime_error when
// an input is missing or does not hold what it should.
TMushafFacts ReadMushafFacts(const std::filesystem::path& store, const std::filesystem::path& quranMeta,
                             const std::filesystem::path& pages);

// The first aya of each of the 30 juz as its number counted over the whole
// Quran (1 to 6236), from the JuzList of a quran-meta bundle.
std::vector<int> ReadJuzStarts(const std::string& bundleText);

// Ink box (page units) of every glyph shape of a page.
TBox PageInk(const TPage& page);

} // namespace pictures

#pragma once
// A small page for testing the renderer: page 3 with a sura header on line 1,
// the basmalah on line 2, a text word and an aya mark (a square ring) on line
// 3, a word of the next aya on line 4, small filler words of that aya on
// lines 5 to 14 and its mark on line 15. Its pictures are a solid frame and a
// half-transparent black basmalah. The pixel probes name the colours a 600 x
// 975 view of it must show with aya 2:2 selected.
#include <cstdint>
#include <filesystem>
#include <vector>

#include "render/Bitmap24.h"

class TPage;

constexpr int FixturePageNumber = 3;
constexpr TColor FixtureFrameColor = 0x2878C8;  // R 200, G 120, B 40

// Fills a new page with the fixture's word objects (before InitialLinesData).
void BuildFixturePage(TPage& page);
// Writes SVG_3, AYAFRAME0031 and BASMALAH1 into the folder, and SVG_5, a page
// whose frame picture is missing.
void WriteFixtureFolder(const std::filesystem::path& folder);

struct TPixelProbe {
    int X, Y;
    TColor Expected;
    int Tolerance;  // per channel; the frame is a lossy JPEG
    const char* What;
};
std::vector<TPixelProbe> FixtureProbes();

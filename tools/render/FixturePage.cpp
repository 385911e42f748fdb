#include "FixturePage.h"

#include <fstream>
#include <memory>
#include <stdexcept>


#include "base/PictureEncoding.h"
#include "pagemodel/PageDataWriter.h"
#include "pagemodel/Page.h"

namespace {
void AddSquareContour(TGlyphShape& shape, float left, float top, float size, bool first) {
    const TXYPoint corners[4] = {{left, top}, {left + size, top}, {left + size, top + size}, {left, top + size}};
    if (first) shape.MoveToPoint = corners[0];
    TLineCurve move;
    move.Kind = lcMove;
    move.A = corners[0];
    shape.CounterData.push_back(move);
    for (int i = 1; i <= 4; ++i) {
        TLineCurve curve;  // straight pieces are stored as curves
        curve.Kind = lcCurve;
        curve.A = curve.B = curve.C = corners[i % 4];
        shape.CounterData.push_back(curve);
    }
}

TWordObject& AddWord(TPage& page, int line, int sura, int aya, bool mark, float left, float top, float size) {
    TWordObject& word = page.Line(line).Add();
    page.Line(line).LineType = ltText;
    static int nextId = 1;
    word.ObjectID = nextId++;
    word.LineNumber = line;
    word.PageNumber = page.PageNumber;
    word.SuraNumber = sura;
    word.AyaNumber = aya;
    word.AyaMark = mark;
    word.ObjectType = mark ? otAyaMark : otText;
    auto shape = std::make_unique<TGlyphShape>();
    AddSquareContour(*shape, left, top, size, true);
    if (mark) AddSquareContour(*shape, left + size / 4, top + size / 4, size / 2, false);
    shape->AyaMark = mark;
    shape->ObjectID = word.ObjectID;
    shape->LineNumber = line;
    shape->PageNumber = page.PageNumber;
    word.Glyphs.push_back(std::move(shape));
    return word;
}

void WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

std::vector<std::uint8_t> SolidJpeg(int w, int h, TColor color) {
    std::vector<std::uint8_t> pixels;
    for (int i = 0; i < w * h; ++i)
        pixels.insert(pixels.end(), {std::uint8_t(color), std::uint8_t(color >> 8), std::uint8_t(color >> 16)});
    return EncodeJpeg(w, h, pixels, TPixelOrder::Rgb, 95);
}

std::vector<std::uint8_t> TranslucentBlackPng(int w, int h, std::uint8_t alpha) {
    std::vector<std::uint8_t> pixels(std::size_t(w) * h * 4, 0);
    for (std::size_t i = 3; i < pixels.size(); i += 4) pixels[i] = alpha;
    return EncodePng(w, h, pixels, TPixelOrder::Bgra);
}
}  // namespace

void BuildFixturePage(TPage& page) {
    page.PageNumber = FixturePageNumber;
    AddWord(page, 3, 2, 1, false, 400, 150, 40);
    AddWord(page, 3, 2, 1, true, 300, 150, 40);
    AddWord(page, 4, 2, 2, false, 400, 220, 40);
    for (int line = 5; line <= 14; ++line) AddWord(page, line, 2, 2, false, 10, 60.0f * line - 10, 4);
    AddWord(page, 15, 2, 2, true, 300, 880, 40);
}

void WriteFixtureFolder(const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder);
    {
        TPage page;
        BuildFixturePage(page);
        WriteFile(folder / "SVG_3", WritePageData(page));
    }
    {
        TPage page;
        page.PageNumber = 5;
        AddWord(page, 3, 2, 30, false, 400, 150, 40);
        AddWord(page, 15, 2, 30, true, 300, 880, 40);
        WriteFile(folder / "SVG_5", WritePageData(page));
    }
    WriteFile(folder / "AYAFRAME0031", SolidJpeg(749, 90, FixtureFrameColor));
    WriteFile(folder / "BASMALAH1", TranslucentBlackPng(749, 57, 128));
}

std::vector<TPixelProbe> FixtureProbes() {
    // The view is taller than the page: PageScale = 1, work scale s = 3.
    return {
        {300, 36, FixtureFrameColor, 4, "header frame on line 1 (view rows 0 to 71)"},
        {300, 80, 0xFFFFFF, 0, "gap between frame and basmalah"},
        {300, 110, 0x7F7F7F, 0, "half-transparent basmalah over white (view rows 90 to 135)"},
        {420, 170, 0x000000, 0, "word of aya 1, not selected"},
        {305, 170, 0x000000, 0, "ring of the aya 1 mark"},
        {320, 170, 0xCFE9D6, 0, "inside the aya 1 mark"},
        {420, 240, 0x008000, 0, "selected word of aya 2"},
        {305, 900, 0x008000, 0, "ring of the selected aya 2 mark"},
        {320, 900, 0xCFE9D6, 0, "inside the selected aya 2 mark"},
        {500, 500, 0xFFFFFF, 0, "blank page"},
        {300, 960, 0xFFFFFF, 0, "below the page"},
    };
}

// Checks of the generated pictures: every picture the viewer loads exists,
// decodes and has its size; the sura header frames match the header lines
// the composed pages derive when the page model loads them; the window frame is see-through outside and
// shows the page number where the main window paints it; the cursors and
// index bitmaps are well-formed files of their kind. Sizes and places are
// design pixels; every picture but the cursors is drawn S times as large.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <queue>
#include <string>
#include <vector>

#include "app/HeaderStrip.h"
#include "app/WindowPainting.h"
#include "base/OutsideNames.h"
#include "base/ResourceFolder.h"
#include "base/Utf.h"
#include "base/Picture.h"
#include "base/PictureSourceScale.h"
#include "pagemodel/PageResource.h"
#include "pagemodel/PagePictures.h"
#include "pagemodel/Page.h"

namespace {

const std::filesystem::path kDir = TIRAVEL_RESOURCES_DIR;

// A resource's file name: the resource name in UTF-8.
std::string N(const char16_t* name) { return Utf16ToUtf8(name); }
// Every picture but the cursors is drawn this many times its design size.
constexpr int S = PictureSourceScale;
std::string Juz(int page) { return Utf16ToUtf8(JuzNamePictureName(page)); }
std::string Sura(int page) { return Utf16ToUtf8(SuraNamePictureName(page)); }

std::vector<std::uint8_t> Read(const std::string& name) {
    std::ifstream f(kDir / name, std::ios::binary);
    if (!f) return {};
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(f), {});
}

std::unique_ptr<TPicture> Load(const std::string& name, TPicture::TKind kind) {
    const std::vector<std::uint8_t> bytes = Read(name);
    if (bytes.empty()) return nullptr;
    try {
        return kind == TPicture::TKind::Png ? TPicture::LoadPng(bytes) : TPicture::LoadJpeg(bytes);
    } catch (...) {
        return nullptr;
    }
}

std::uint32_t U32(const std::vector<std::uint8_t>& d, std::size_t at) {
    std::uint32_t v = 0;
    std::memcpy(&v, &d[at], 4);
    return v;
}
std::uint16_t U16(const std::vector<std::uint8_t>& d, std::size_t at) {
    return std::uint16_t(d[at] | d[at + 1] << 8);
}

// Loads a page through the page model, as page opening does, and returns
// its numbers of sura header and basmalah lines.
std::pair<int, int> LoadAndCountPictureLines(TPage& page, int number) {
    ReadPageResource(page, number, TResourceFolder(kDir));
    int headers = 0, basmalah = 0;
    for (int line = 1; line <= 15; ++line) {
        headers += page.Line(line).LineType == ltSuraName;
        basmalah += page.Line(line).LineType == ltBasmala;
    }
    return {headers, basmalah};
}

TEST(Pictures, EveryPageGetsTheFramesAndBasmalahOfItsHeaderLines) {
    const TResourceFolder folder(kDir);
    int frames = 0;
    for (int number = 1; number <= 604; ++number) {
        TPage page;
        const auto [headers, basmalah] = LoadAndCountPictureLines(page, number);
        frames += headers;
        for (int k = 1; k <= headers; ++k) {
            const std::u16string name16 = FramePictureName(number, k);
            const std::string name(name16.begin(), name16.end());
            auto picture = Load(name, TPicture::TKind::Jpeg);
            ASSERT_TRUE(picture) << name << " is missing or not a JPEG";
            EXPECT_EQ(picture->Width, (number <= 2 ? 817 : 749) * S) << name;
            EXPECT_EQ(picture->Height, (number <= 2 ? 1148 : 90) * S) << name;
        }
        const std::u16string extra = FramePictureName(number, headers + 1);
        EXPECT_FALSE(std::filesystem::exists(kDir / std::string(extra.begin(), extra.end())))
            << "page " << number << " has a frame for a header it does not have";
        // The viewer's own attaching of the pictures finds and decodes them all.
        ASSERT_NO_THROW(AttachPagePictures(page, folder)) << "page " << number;
        for (int line = 1; line <= 15; ++line) {
            const TLine& l = page.Line(line);
            if (l.LineType == ltSuraName) { EXPECT_TRUE(l.FramePicture) << "page " << number << " line " << line; }
            if (l.LineType == ltBasmala) { EXPECT_TRUE(l.BasmalahPng) << "page " << number << " line " << line; }
        }
    }
    EXPECT_EQ(frames, 114);
}

TEST(Pictures, BasmalahPicturesHaveTheirSizeAndSeeThroughGround) {
    for (const char* name : {"BASMALAH1", "BASMALAH2"}) {
        auto picture = Load(name, TPicture::TKind::Png);
        ASSERT_TRUE(picture) << name;
        EXPECT_EQ(picture->Width, 749 * S) << name;
        EXPECT_EQ(picture->Height, 57 * S) << name;
        EXPECT_EQ(picture->Pixels[3], 0) << name << ": the corner must be see-through";
        int drawn = 0;
        for (std::size_t i = 3; i < picture->Pixels.size(); i += 4) drawn += picture->Pixels[i] >= 128;
        EXPECT_GT(drawn, 500 * S * S) << name << " draws too little";
    }
    // The second design is the more compact one.
    auto inkWidth = [](const TPicture& p) {
        int left = p.Width, right = -1;
        for (int y = 0; y < p.Height; ++y)
            for (int x = 0; x < p.Width; ++x)
                if (p.Pixels[(std::size_t(y) * p.Width + x) * 4 + 3]) left = std::min(left, x), right = std::max(right, x);
        return right - left;
    };
    EXPECT_LT(inkWidth(*Load("BASMALAH2", TPicture::TKind::Png)), inkWidth(*Load("BASMALAH1", TPicture::TKind::Png)));
}

TEST(Pictures, JuzAndSuraNamesExistForPages3To604Only) {
    for (int page = 1; page <= 604; ++page)
        for (auto pictureName : {JuzNamePictureName, SuraNamePictureName}) {
            const std::string name = Utf16ToUtf8(pictureName(page));
            if (page <= 2) {
                EXPECT_FALSE(std::filesystem::exists(kDir / name)) << name;
                continue;
            }
            auto picture = Load(name, TPicture::TKind::Png);
            ASSERT_TRUE(picture) << name;
            EXPECT_EQ(picture->Height, 66 * S) << name;
            EXPECT_GE(picture->Width, 106 * S) << name;
            EXPECT_LE(picture->Width, 610 * S) << name;
        }
}

TEST(Pictures, PagesInOneJuzShareTheirJuzPicture) {
    // Pages 3 and 21 both lie in the first juz, 22 begins the second.
    EXPECT_EQ(Read(Juz(3)), Read(Juz(21)));
    EXPECT_NE(Read(Juz(21)), Read(Juz(22)));
    // Pages 50 and 51 both open in sura 3.
    EXPECT_EQ(Read(Sura(50)), Read(Sura(51)));
    EXPECT_NE(Read(Sura(49)), Read(Sura(50)));
}

TEST(Pictures, WindowPicturesAndPageNumberStripHaveTheirSizes) {
    struct TCase { std::string name; int w, h; };
    for (const TCase& c : {TCase{N(WindowFramePictureName), 960, 1415}, TCase{N(SplashPictureName), 960, 1415},
                           TCase{N(PageNumbersPictureName), 49, 36240}, TCase{N(AboutBasmalaPicture), 0, 49},
                           TCase{N(AboutMakerLogoPicture), 0, 129}, TCase{N(AboutProductLogoPicture), 0, 129},
                           TCase{N(AboutDeveloperLogoPicture), 0, 169}}) {
        auto picture = Load(c.name, TPicture::TKind::Png);
        ASSERT_TRUE(picture) << c.name;
        if (c.w) { EXPECT_EQ(picture->Width, c.w * S) << c.name; }
        EXPECT_EQ(picture->Height, c.h * S) << c.name;
    }
}

// The main window's composite of the frame over its page-number box, as the
// main window paints it, read in design pixels: (x, y) is the frame's pixel
// (S x, S y).
struct TComposite {
    TBitmap24 Pixels;
    int W() const { return Pixels.Width() / S; }
    int H() const { return Pixels.Height() / S; }
    TColor At(int x, int y) const { return Pixels.Pixel(S * x, S * y); }
};

std::uint32_t PixelOf(const TPicture& p, int x, int y) {
    const std::uint8_t* s = &p.Pixels[(std::size_t(y) * p.Width + x) * 4];
    return std::uint32_t(s[2]) | std::uint32_t(s[1]) << 8 | std::uint32_t(s[0]) << 16;
}

class WindowFrame : public ::testing::Test {
protected:
    void SetUp() override {
        // As the main window holds them.
        frame_ = TIndexedPicture::LoadPng(Read(N(WindowFramePictureName)));
        numbers_ = TIndexedPicture::LoadPng(Read(N(PageNumbersPictureName)));
        ASSERT_TRUE(frame_);
        ASSERT_EQ(frame_->Width, 960 * S);
        ASSERT_EQ(frame_->Height, 1415 * S);
    }
    TComposite Compose(int page) const { return {ComposeFrame(*frame_, numbers_.get(), page)}; }
    std::unique_ptr<TIndexedPicture> frame_, numbers_;
};

TEST_F(WindowFrame, OutsideIsPureWhiteAndTheBandIsNever) {
    const TComposite c = Compose(1);
    for (int x = 0; x < c.W(); ++x)
        for (int y : {0, 5, 10, c.H() - 1, c.H() - 5})
            ASSERT_EQ(c.At(x, y), 0xFFFFFFu) << "(" << x << ", " << y << ")";
    for (int y = 0; y < c.H(); ++y)
        for (int x : {0, 5, 10, c.W() - 1, c.W() - 6})
            ASSERT_EQ(c.At(x, y), 0xFFFFFFu) << "(" << x << ", " << y << ")";
    // Across the band on every side, nothing is see-through.
    for (int d = 30; d < 92; ++d) {
        ASSERT_NE(c.At(c.W() / 3, d), 0xFFFFFFu) << "top band at " << d;
        ASSERT_NE(c.At(d, c.H() / 3), 0xFFFFFFu) << "left band at " << d;
        ASSERT_NE(c.At(c.W() - 1 - d, c.H() / 3), 0xFFFFFFu) << "right band at " << d;
        ASSERT_NE(c.At(c.W() / 3, c.H() - 23 - d * 3 / 4), 0xFFFFFFu) << "bottom band at " << d;
    }
}

TEST_F(WindowFrame, PageNumberShowsThroughInItsBox) {
    for (int page : {1, 88, 604}) {
        const TComposite c = Compose(page);
        // The number cell (456, 1350)-(505, 1395) is not covered by the frame:
        // every pixel of it is the strip's.
        const auto cell = numbers_->Rows((page - 1) * 60 * S, 45 * S);
        for (int y = 1350 * S; y < 1395 * S; ++y)
            for (int x = 456 * S; x < 505 * S; ++x)
                ASSERT_EQ(c.Pixels.Pixel(x, y), PixelOf(*cell, x - 456 * S, y - 1350 * S))
                    << "page " << page << " at (" << x << ", " << y << ")";
        // The frame's window stays inside the pale box: no see-through white in it.
        for (int y = 1350 * S; y < 1395 * S; ++y)
            for (int x = 426 * S; x < 535 * S; ++x)
                ASSERT_NE(c.Pixels.Pixel(x, y), 0xFFFFFFu) << "(" << x << ", " << y << ")";
    }
}

TEST_F(WindowFrame, InsideIsOneWhiteRegionApartFromTheOutside) {
    // The opening pages flood-fill the white inside from (100, 100): it must
    // cover the page rectangle and must not leak to the see-through outside.
    // Composed for page 3, which is not filled, in the frame's own pixels.
    const TBitmap24 c = Compose(3).Pixels;
    const int w = c.Width(), h = c.Height();
    ASSERT_EQ(c.Pixel(100 * S, 100 * S), 0xFFFFFFu);
    std::vector<bool> seen(std::size_t(w) * std::size_t(h), false);
    std::queue<std::pair<int, int>> todo;
    todo.push({100 * S, 100 * S});
    seen[std::size_t(100 * S) * std::size_t(w) + std::size_t(100 * S)] = true;
    while (!todo.empty()) {
        auto [x, y] = todo.front();
        todo.pop();
        ASSERT_TRUE(x > 0 && y > 0 && x < w - 1 && y < h - 1) << "the inside reaches the edge at " << x << ", " << y;
        for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
            const std::size_t i = std::size_t(y + dy) * std::size_t(w) + std::size_t(x + dx);
            if (!seen[i] && c.Pixel(x + dx, y + dy) == 0xFFFFFFu) seen[i] = true, todo.push({x + dx, y + dy});
        }
    }
    // The page view's rectangle (106, 106)-(854, 1309) lies inside.
    for (auto [x, y] : {std::pair{106, 106}, {853, 106}, {106, 1308}, {853, 1308}, {480, 700}})
        EXPECT_TRUE(seen[std::size_t(y * S) * std::size_t(w) + std::size_t(x * S)]) << "(" << x << ", " << y << ")";
    // Page 1 fills it pale green, and nothing outside.
    const TComposite one = Compose(1);
    EXPECT_EQ(one.At(480, 700), 0x00BBDFC5u);
    EXPECT_EQ(one.At(2, 2), 0xFFFFFFu);
}

TEST(Pictures, SplashIsSeeThroughOnlyOutside) {
    auto splash = Load("PngImage_1", TPicture::TKind::Png);
    ASSERT_TRUE(splash);
    auto alpha = [&](int x, int y) { return splash->Pixels[(std::size_t(y) * splash->Width + x) * 4 + 3]; };
    EXPECT_EQ(alpha(0, 0), 0);
    EXPECT_EQ(alpha(960 * S - 1, 1415 * S - 1), 0);
    for (int y = 100 * S; y < 1300 * S; y += 37)
        for (int x = 100 * S; x < 860 * S; x += 41) ASSERT_EQ(alpha(x, y), 255) << "(" << x << ", " << y << ")";
}

TEST(Pictures, PageNumberCellsUseTheirUpperRowsOnTheBoxColour) {
    auto strip = Load("PageNumbersPNG", TPicture::TKind::Png);
    ASSERT_TRUE(strip);
    for (int page : {1, 10, 100, 604}) {
        int ink = 0;
        for (int y = 0; y < 60 * S; ++y)
            for (int x = 0; x < 49 * S; ++x) {
                const std::uint32_t p = PixelOf(*strip, x, (page - 1) * 60 * S + y);
                if (y >= 45 * S) { ASSERT_EQ(p, 0x00B4DCC0u) << "page " << page << " row " << y; }
                ink += p != 0x00B4DCC0u;
            }
        EXPECT_GT(ink, 40 * S * S) << "page " << page << " has no number";
    }
    // Different pages show different numbers.
    const auto indexed = TIndexedPicture::LoadPng(Read("PageNumbersPNG"));
    EXPECT_NE(indexed->Rows(15 * 60 * S, 60 * S)->Pixels, indexed->Rows(60 * 60 * S, 60 * S)->Pixels);
}

// Page numbers read left to right, as printed numbers do, and stand plain,
// without the ornament the Quran faces put around aya numbers: in the cell
// of page 10 the tall stroke of the one stands left of the small zero, and
// the cell of page 1 holds little more than that stroke.
TEST(Pictures, PageNumbersReadLeftToRightAndStandPlain) {
    const auto strip = TIndexedPicture::LoadPng(Read("PageNumbersPNG"));
    // Rows of ink in each column of a cell's upper 45 design rows.
    auto columns = [&](int page) {
        const auto cell = strip->Rows((page - 1) * 60 * S, 45 * S);
        std::vector<int> ink(std::size_t(49 * S), 0);
        for (int y = 0; y < cell->Height; ++y)
            for (int x = 0; x < cell->Width; ++x) ink[std::size_t(x)] += PixelOf(*cell, x, y) != 0x00B4DCC0u;
        return ink;
    };
    auto spread = [](const std::vector<int>& ink) {
        int first = -1, last = -1;
        for (int x = 0; x < int(ink.size()); ++x)
            if (ink[std::size_t(x)]) last = x, first = first < 0 ? x : first;
        return std::pair{first, last};
    };
    const std::vector<int> ten = columns(10);
    const auto [left, right] = spread(ten);
    ASSERT_GE(left, 0) << "page 10 has no number";
    const int stroke = int(std::max_element(ten.begin(), ten.end()) - ten.begin());
    EXPECT_LT(2 * stroke, left + right) << "page 10 reads right to left";
    const std::vector<int> one = columns(1);
    const auto [oneLeft, oneRight] = spread(one);
    EXPECT_LT(oneRight - oneLeft + 1, *std::max_element(one.begin(), one.end()) / 2)
        << "page 1's number is wider than its stroke allows";
}

TEST(Pictures, CursorsAreCursorFiles) {
    for (const char* name : {"HANDFULL", "HANDHOLD", "HANDPOINT", "ZOOMINCU", "ZOOMOUTCU", "SELECTRECT",
                             "SELECTPOINT", "DRAGZOOM"}) {
        const std::vector<std::uint8_t> d = Read(name);
        ASSERT_GE(d.size(), 22u + 40u) << name;
        EXPECT_EQ(U16(d, 0), 0) << name;
        EXPECT_EQ(U16(d, 2), 2) << name << " is not a cursor";
        ASSERT_EQ(U16(d, 4), 1) << name;
        const int w = d[6] ? d[6] : 256, h = d[7] ? d[7] : 256;
        EXPECT_LT(U16(d, 10), w) << name << ": hot spot outside";
        EXPECT_LT(U16(d, 12), h) << name << ": hot spot outside";
        const std::uint32_t size = U32(d, 14), offset = U32(d, 18);
        ASSERT_EQ(std::size_t(offset) + size, d.size()) << name;
        EXPECT_EQ(U32(d, offset), 40u) << name;
        EXPECT_EQ(std::int32_t(U32(d, offset + 4)), w) << name;
        EXPECT_EQ(std::int32_t(U32(d, offset + 8)), 2 * h) << name;
        const unsigned bits = U16(d, offset + 14);
        EXPECT_EQ(size, 40 + w * h * bits / 8 + ((w + 31) / 32) * 4 * h) << name << ": colour rows and mask";
    }
}

TEST(Pictures, IndexButtonsAreBitmapsOf18By18DesignPixels) {
    for (const std::string& name : {N(SuraIndexListBitmap), N(SuraIndexGridBitmap)}) {
        const std::vector<std::uint8_t> d = Read(name);
        ASSERT_GE(d.size(), 54u) << name;
        EXPECT_EQ(d[0], 'B');
        EXPECT_EQ(d[1], 'M');
        EXPECT_EQ(U32(d, 2), d.size()) << name;
        EXPECT_EQ(U16(d, 28), 24) << name;
        const auto picture = TPicture::LoadBmp(d);  // as the index window reads it
        EXPECT_EQ(picture->Width, 18 * S) << name;
        EXPECT_EQ(picture->Height, 18 * S) << name;
    }
    EXPECT_NE(Read(N(SuraIndexListBitmap)), Read(N(SuraIndexGridBitmap)));
}

}  // namespace

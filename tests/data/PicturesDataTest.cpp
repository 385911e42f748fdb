// Checks of the generated pictures: every picture the viewer loads exists,
// decodes and has its size; the sura header frames match the header lines
// the composed pages derive when the page model loads them; the window frame is see-through outside and
// shows the page number where the main window paints it; the cursors and
// index bitmaps are well-formed files of their kind.
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
#include "base/OutsideNames.h"
#include "base/ResourceFolder.h"
#include "base/Utf.h"
#include "base/Picture.h"
#include "pagemodel/PageResource.h"
#include "pagemodel/PagePictures.h"
#include "pagemodel/Page.h"

namespace {

const std::filesystem::path kDir = TIRAVEL_RESOURCES_DIR;

// A resource's file name: the resource name in UTF-8.
std::string N(const char16_t* name) { return Utf16ToUtf8(name); }
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
            EXPECT_EQ(picture->Width, number <= 2 ? 817 : 749) << name;
            EXPECT_EQ(picture->Height, number <= 2 ? 1148 : 90) << name;
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
        EXPECT_EQ(picture->Width, 749) << name;
        EXPECT_EQ(picture->Height, 57) << name;
        EXPECT_EQ(picture->Pixels[3], 0) << name << ": the corner must be see-through";
        int drawn = 0;
        for (std::size_t i = 3; i < picture->Pixels.size(); i += 4) drawn += picture->Pixels[i] >= 128;
        EXPECT_GT(drawn, 500) << name << " draws too little";
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
            EXPECT_EQ(picture->Height, 66) << name;
            EXPECT_GE(picture->Width, 106) << name;
            EXPECT_LE(picture->Width, 610) << name;
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
        if (c.w) { EXPECT_EQ(picture->Width, c.w) << c.name; }
        EXPECT_EQ(picture->Height, c.h) << c.name;
    }
}

// The main window's composite of the frame over its page-number box, as it
// paints it: white, the pale box, the number cell copied, the frame blended.
struct TComposite {
    int w = 0, h = 0;
    std::vector<std::uint32_t> rgb;  // 0x00BBGGRR
    std::uint32_t At(int x, int y) const { return rgb[std::size_t(y) * w + x]; }
};

std::uint32_t PixelOf(const TPicture& p, int x, int y) {
    const std::uint8_t* s = &p.Pixels[(std::size_t(y) * p.Width + x) * 4];
    return std::uint32_t(s[2]) | std::uint32_t(s[1]) << 8 | std::uint32_t(s[0]) << 16;
}

TComposite ComposeFrame(const TPicture& frame, const TPicture& numbers, int page) {
    TComposite c{frame.Width, frame.Height, std::vector<std::uint32_t>(std::size_t(frame.Width) * frame.Height, 0xFFFFFF)};
    const int t = frame.Width / 2 - 24;
    for (int y = frame.Height - 65; y < frame.Height - 20; ++y)
        for (int x = t - 30; x < t + 79; ++x) c.rgb[std::size_t(y) * c.w + x] = 0x00B4DCC0;
    for (int y = 0; y < 45; ++y)
        for (int x = 0; x < 49; ++x)
            c.rgb[std::size_t(frame.Height - 65 + y) * c.w + t + x] = PixelOf(numbers, x, (page - 1) * 60 + y);
    for (int y = 0; y < c.h; ++y)
        for (int x = 0; x < c.w; ++x) {
            const std::uint8_t* s = &frame.Pixels[(std::size_t(y) * frame.Width + x) * 4];
            const unsigned a = s[3];
            std::uint32_t& d = c.rgb[std::size_t(y) * c.w + x];
            std::uint32_t out = 0;
            const unsigned src[3] = {s[2], s[1], s[0]};
            for (int k = 0; k < 3; ++k) {
                const unsigned below = (d >> (8 * k)) & 0xFF;
                out |= ((src[k] * a + below * (255 - a) + 127) / 255) << (8 * k);
            }
            d = out;
        }
    return c;
}

class WindowFrame : public ::testing::Test {
protected:
    void SetUp() override {
        frame_ = Load(N(WindowFramePictureName), TPicture::TKind::Png);
        numbers_ = Load("PageNumbersPNG", TPicture::TKind::Png);
        ASSERT_TRUE(frame_ && numbers_);
        ASSERT_EQ(frame_->Width, 960);
        ASSERT_EQ(frame_->Height, 1415);
    }
    std::unique_ptr<TPicture> frame_, numbers_;
};

TEST_F(WindowFrame, OutsideIsPureWhiteAndTheBandIsNever) {
    const TComposite c = ComposeFrame(*frame_, *numbers_, 1);
    for (int x = 0; x < c.w; ++x)
        for (int y : {0, 5, 10, c.h - 1, c.h - 5})
            ASSERT_EQ(c.At(x, y), 0xFFFFFFu) << "(" << x << ", " << y << ")";
    for (int y = 0; y < c.h; ++y)
        for (int x : {0, 5, 10, c.w - 1, c.w - 6})
            ASSERT_EQ(c.At(x, y), 0xFFFFFFu) << "(" << x << ", " << y << ")";
    // Across the band on every side, nothing is see-through.
    for (int d = 30; d < 92; ++d) {
        ASSERT_NE(c.At(c.w / 3, d), 0xFFFFFFu) << "top band at " << d;
        ASSERT_NE(c.At(d, c.h / 3), 0xFFFFFFu) << "left band at " << d;
        ASSERT_NE(c.At(c.w - 1 - d, c.h / 3), 0xFFFFFFu) << "right band at " << d;
        ASSERT_NE(c.At(c.w / 3, c.h - 23 - d * 3 / 4), 0xFFFFFFu) << "bottom band at " << d;
    }
}

TEST_F(WindowFrame, PageNumberShowsThroughInItsBox) {
    for (int page : {1, 88, 604}) {
        const TComposite c = ComposeFrame(*frame_, *numbers_, page);
        // The number cell (456, 1350)-(505, 1395) is not covered by the frame.
        for (int y = 1350; y < 1395; ++y)
            for (int x = 456; x < 505; ++x)
                ASSERT_EQ(c.At(x, y), PixelOf(*numbers_, x - 456, (page - 1) * 60 + y - 1350))
                    << "page " << page << " at (" << x << ", " << y << ")";
        // The frame's window stays inside the pale box: no see-through white in it.
        for (int y = 1350; y < 1395; ++y)
            for (int x = 426; x < 535; ++x) ASSERT_NE(c.At(x, y), 0xFFFFFFu) << "(" << x << ", " << y << ")";
    }
}

TEST_F(WindowFrame, InsideIsOneWhiteRegionApartFromTheOutside) {
    // The opening pages flood-fill the white inside from (100, 100): it must
    // cover the page rectangle and must not leak to the see-through outside.
    const TComposite c = ComposeFrame(*frame_, *numbers_, 1);
    ASSERT_EQ(c.At(100, 100), 0xFFFFFFu);
    std::vector<bool> seen(c.rgb.size(), false);
    std::queue<std::pair<int, int>> todo;
    todo.push({100, 100});
    seen[100 * std::size_t(c.w) + 100] = true;
    int reached = 0;
    while (!todo.empty()) {
        auto [x, y] = todo.front();
        todo.pop();
        ++reached;
        ASSERT_TRUE(x > 0 && y > 0 && x < c.w - 1 && y < c.h - 1) << "the inside reaches the edge at " << x << ", " << y;
        for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
            const std::size_t i = std::size_t(y + dy) * c.w + std::size_t(x + dx);
            if (!seen[i] && c.rgb[i] == 0xFFFFFF) seen[i] = true, todo.push({x + dx, y + dy});
        }
    }
    // The page view's rectangle (106, 106)-(854, 1309) lies inside.
    for (auto [x, y] : {std::pair{106, 106}, {853, 106}, {106, 1308}, {853, 1308}, {480, 700}})
        EXPECT_TRUE(seen[std::size_t(y) * c.w + x]) << "(" << x << ", " << y << ")";
}

TEST(Pictures, SplashIsSeeThroughOnlyOutside) {
    auto splash = Load("PngImage_1", TPicture::TKind::Png);
    ASSERT_TRUE(splash);
    auto alpha = [&](int x, int y) { return splash->Pixels[(std::size_t(y) * splash->Width + x) * 4 + 3]; };
    EXPECT_EQ(alpha(0, 0), 0);
    EXPECT_EQ(alpha(959, 1414), 0);
    for (int y = 100; y < 1300; y += 37)
        for (int x = 100; x < 860; x += 41) ASSERT_EQ(alpha(x, y), 255) << "(" << x << ", " << y << ")";
}

TEST(Pictures, PageNumberCellsUseTheirUpperRowsOnTheBoxColour) {
    auto strip = Load("PageNumbersPNG", TPicture::TKind::Png);
    ASSERT_TRUE(strip);
    for (int page : {1, 10, 100, 604}) {
        int ink = 0;
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 49; ++x) {
                const std::uint32_t p = PixelOf(*strip, x, (page - 1) * 60 + y);
                if (y >= 45) { ASSERT_EQ(p, 0x00B4DCC0u) << "page " << page << " row " << y; }
                ink += p != 0x00B4DCC0u;
            }
        EXPECT_GT(ink, 40) << "page " << page << " has no number";
    }
    // Different pages show different numbers.
    auto cell = [&](int page) {
        return std::vector<std::uint8_t>(strip->Pixels.begin() + std::ptrdiff_t((page - 1) * 60 * 49 * 4),
                                         strip->Pixels.begin() + std::ptrdiff_t(page * 60 * 49 * 4));
    };
    EXPECT_NE(cell(16), cell(61));
}

// Page numbers read left to right, as printed numbers do, and stand plain,
// without the ornament the Quran faces put around aya numbers: in the cell
// of page 10 the tall stroke of the one stands left of the small zero, and
// the cell of page 1 holds little more than that stroke.
TEST(Pictures, PageNumbersReadLeftToRightAndStandPlain) {
    auto strip = Load("PageNumbersPNG", TPicture::TKind::Png);
    ASSERT_TRUE(strip);
    // Rows of ink in each column of a cell's upper 45 rows.
    auto columns = [&](int page) {
        std::vector<int> ink(49, 0);
        for (int y = 0; y < 45; ++y)
            for (int x = 0; x < 49; ++x) ink[std::size_t(x)] += PixelOf(*strip, x, (page - 1) * 60 + y) != 0x00B4DCC0u;
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

TEST(Pictures, IndexButtonsAreBitmaps18By18) {
    for (const std::string& name : {N(SuraIndexListBitmap), N(SuraIndexGridBitmap)}) {
        const std::vector<std::uint8_t> d = Read(name);
        ASSERT_GE(d.size(), 54u) << name;
        EXPECT_EQ(d[0], 'B');
        EXPECT_EQ(d[1], 'M');
        EXPECT_EQ(U32(d, 2), d.size()) << name;
        EXPECT_EQ(std::int32_t(U32(d, 18)), 18) << name;
        EXPECT_EQ(std::int32_t(U32(d, 22)), 18) << name;
        EXPECT_EQ(U16(d, 28), 24) << name;
        EXPECT_EQ(d.size(), 54u + 18 * 56) << name;  // rows padded to 56 bytes
    }
    EXPECT_NE(Read(N(SuraIndexListBitmap)), Read(N(SuraIndexGridBitmap)));
}

}  // namespace

#include <gtest/gtest.h>

#include <vector>

#include "app/MainWindowGeometry.h"

TEST(MainWindowGeometry, CentresInWorkArea) {
    TRectI r = CentredRect({0, 0, 1024, 768}, 271, 400);
    EXPECT_EQ(r, (TRectI{376, 184, 647, 584}));
}

TEST(MainWindowGeometry, InitialSizeFromScreenHeight) {
    struct Case { int Screen; TSizeI Size; } cases[] = {
        {1080, {585, 864}},   // 864 × 0.6775 = 585.36
        {768, {416, 614}},    // 614.4 → 614; 415.985 → 416
        {1000, {542, 800}},
        {1025, {556, 820}},
    };
    for (const Case& c : cases) EXPECT_EQ(InitialWindowSize(c.Screen), c.Size) << c.Screen;
}

TEST(MainWindowGeometry, ARememberedSizeKeepsTheAspectWithinTheWorkArea) {
    struct Case { int Height; TSizeI Work; int Dpi; TSizeI Opens; } cases[] = {
        {864, {1920, 1040}, 96, {585, 864}},   // as it was
        {1200, {1920, 1040}, 96, {705, 1040}}, // taller than the work area: its height
        {300, {1920, 1040}, 96, {271, 400}},   // below the minimum (a damaged entry): the minimum
        {600, {1920, 1040}, 192, {542, 800}},  // the minimum grows with the DPI
        {864, {500, 1040}, 96, {500, 738}},    // too wide for a narrow area: its width, the aspect kept
        {600, {1000, 350}, 96, {237, 350}},    // an area lower than the minimum: the area wins
    };
    for (const Case& c : cases) EXPECT_EQ(RememberedWindowSize(c.Height, c.Work, c.Dpi), c.Opens) << c.Height;
}

TEST(MainWindowGeometry, RoundsHalfToEven) {
    EXPECT_EQ(RoundPixel(2.5), 2);
    EXPECT_EQ(RoundPixel(3.5), 4);
    EXPECT_EQ(RoundPixel(-2.5), -2);
}

TEST(MainWindowGeometry, SizingKeepsAspectByEdge) {
    const TRectI proposed{100, 100, 642, 500};  // 542 wide, 400 high
    const TRectI widthLeads{100, 100, 642, 900};   // B = T + Round(542 / 0.6775) = T + 800
    const TRectI heightLeads{100, 100, 371, 500};  // R = L + Round(400 × 0.6775) = L + 271
    const TRectI topFollows{100, -300, 642, 500};  // T = B − 800
    struct Case { int Edge; TRectI Result; } cases[] = {
        {1, widthLeads}, {2, widthLeads}, {7, widthLeads},
        {3, heightLeads}, {5, heightLeads}, {6, heightLeads}, {8, heightLeads},
        {4, topFollows},
        {0, proposed}, {9, proposed},
    };
    for (const Case& c : cases) {
        TRectI r = proposed;
        KeepWindowAspect(c.Edge, r);
        EXPECT_EQ(r, c.Result) << "edge " << c.Edge;
    }
}

TEST(MainWindowGeometry, MushafRectKeepsDesignProportions) {
    EXPECT_EQ(MushafRect(271, 400), (TRectI{30, 30, 241, 370}));
    EXPECT_EQ(MushafRect(542, 800), (TRectI{60, 60, 482, 740}));
    // 585 / 271 × 30 = 64.76, × 241 = 520.26; 864 / 400 × 30 = 64.8, × 370 = 799.2
    EXPECT_EQ(MushafRect(585, 864), (TRectI{65, 65, 520, 799}));
}

TEST(MainWindowGeometry, HeaderPanelKeepsRatioOfCreation) {
    // 585 × 864: g = Round(38.856) = 39, ratio = (585 − 44) / 40 = 13.525
    const double ratio = HeaderPanelAspectRatio(585, 864);
    EXPECT_NEAR(ratio, 541.0 / 40.0, 1e-9);
    EXPECT_EQ(HeaderPanelRect(585, 864, ratio), (TRectI{44, 40, 541, 80}));
    // A bigger window later: the height follows the width at that ratio.
    // 677 × 1000: g = Round(44.966) = 45, top Round(45) + 1, height Round(627 / 13.525) = 46
    EXPECT_EQ(HeaderPanelRect(677, 1000, ratio), (TRectI{50, 46, 627, 92}));
}

TEST(MainWindowGeometry, FramePlanOfTheDeliveredFrame) {
    const TFramePaintPlan p = FramePaintPlan(960, 1415, 1);
    EXPECT_EQ(p.NumberLeft, 456);
    EXPECT_EQ(p.PaleBox, (TRectI{426, 1350, 535, 1395}));
    EXPECT_EQ(p.PaleBoxColour, 0x00B4DCC0u);
    EXPECT_EQ(p.NumberTarget, (TRectI{456, 1350, 505, 1395}));
    EXPECT_EQ(p.NumberSource, (TRectI{0, 0, 49, 45}));  // rows 0 to 44
    EXPECT_TRUE(p.FloodFill);
    EXPECT_EQ(p.FloodColour, 0x00BBDFC5u);
    EXPECT_EQ(p.FloodX, 100);
    EXPECT_EQ(p.FloodY, 100);

    EXPECT_EQ(FramePaintPlan(960, 1415, 604).NumberSource, (TRectI{0, 36180, 49, 36225}));
    EXPECT_TRUE(FramePaintPlan(960, 1415, 2).FloodFill);
    EXPECT_FALSE(FramePaintPlan(960, 1415, 3).FloodFill);
    EXPECT_EQ(FramePaintPlan(961, 100, 3).NumberLeft, 456);  // integer division
}

namespace {
// A 24-bit image from rows of characters: '.' white, '#' black.
struct TImage {
    int W, H;
    std::size_t Stride;
    std::vector<std::uint8_t> Bytes;
    explicit TImage(std::vector<const char*> rows)
        : W(int(std::char_traits<char>::length(rows[0]))), H(int(rows.size())),
          Stride((std::size_t(W) * 3 + 3) & ~std::size_t(3)), Bytes(Stride * H, 0xAA) {
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x) {
                const std::uint8_t v = rows[y][x] == '.' ? 0xFF : 0x00;
                for (int c = 0; c < 3; ++c) Bytes[y * Stride + x * 3 + c] = v;
            }
    }
    std::uint32_t Pixel(int x, int y) const {
        const std::uint8_t* p = &Bytes[y * Stride + x * 3];
        return p[0] << 16 | p[1] << 8 | p[2];
    }
};
}  // namespace

TEST(MainWindowGeometry, FloodFillTakesOnlyTheConnectedWhite) {
    TImage img({
        "..#...",
        "..#.#.",
        "###.#.",
        "...#..",
    });
    FloodFillWhite(img.Bytes.data(), img.W, img.H, img.Stride, 0, 0, 0x00BBDFC5);
    const char* expected[] = {
        "ff#...",
        "ff#.#.",
        "###.#.",
        "...#..",
    };
    for (int y = 0; y < img.H; ++y)
        for (int x = 0; x < img.W; ++x) {
            const std::uint32_t want = expected[y][x] == 'f' ? 0x00BBDFC5 : expected[y][x] == '.' ? 0xFFFFFF : 0;
            EXPECT_EQ(img.Pixel(x, y), want) << x << "," << y;
        }
    // Diagonal neighbours do not connect: (2,3) stays apart from (3,2).
    FloodFillWhite(img.Bytes.data(), img.W, img.H, img.Stride, 3, 0, 0x0000FF);
    EXPECT_EQ(img.Pixel(3, 2), 0x0000FFu);
    EXPECT_EQ(img.Pixel(5, 3), 0x0000FFu);   // around the right column
    EXPECT_EQ(img.Pixel(0, 3), 0xFFFFFFu);   // cut off by the black row and the diagonal
    // A black seed or one outside the image changes nothing.
    const auto before = img.Bytes;
    FloodFillWhite(img.Bytes.data(), img.W, img.H, img.Stride, 2, 0, 0x123456);
    FloodFillWhite(img.Bytes.data(), img.W, img.H, img.Stride, 100, 100, 0x123456);
    EXPECT_EQ(img.Bytes, before);
}

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "render/PathRasterizer.h"

namespace {
struct TMask {
    int Width, Height;
    std::vector<char> Cells;
    TMask(int w, int h) : Width(w), Height(h), Cells(std::size_t(w) * h, 0) {}
    char& At(int x, int y) { return Cells[std::size_t(y) * Width + x]; }
};

TMask Sweep(TPathRasterizer& path, TFillRule rule, int width, int height, int top = 0) {
    TMask mask(width, height);
    int lastRow = -1;
    path.Fill(rule, width, top, height, [&](int y, int x0, int x1) {
        EXPECT_GE(y, lastRow);  // rows arrive in order
        lastRow = y;
        for (int x = x0; x < x1; ++x) {
            EXPECT_EQ(mask.At(x, y), 0) << "pixel painted twice at " << x << ',' << y;
            mask.At(x, y) = 1;
        }
    });
    return mask;
}

void AddSquare(TPathRasterizer& path, int left, int top, int size, bool clockwise) {
    path.MoveTo({left, top});
    if (clockwise) {
        path.LineTo({left + size, top});
        path.LineTo({left + size, top + size});
        path.LineTo({left, top + size});
    } else {
        path.LineTo({left, top + size});
        path.LineTo({left + size, top + size});
        path.LineTo({left + size, top});
    }
}
}  // namespace

TEST(PathRasterizer, RectangleCoversExactlyItsPixels) {
    TPathRasterizer path;
    AddSquare(path, 2, 3, 4, true);
    TMask mask = Sweep(path, TFillRule::Alternate, 10, 10);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            EXPECT_EQ(mask.At(x, y), (x >= 2 && x < 6 && y >= 3 && y < 7)) << x << ',' << y;
}

// A ring of two squares: with both drawn the same way round, the alternate
// rule leaves the hole and the winding rule fills it; drawn in opposite
// directions both rules leave the hole.
TEST(PathRasterizer, RingUnderBothFillRules) {
    struct TCase { bool innerClockwise; TFillRule rule; bool holeFilled; };
    const TCase cases[] = {
        {true, TFillRule::Alternate, false},
        {true, TFillRule::Winding, true},
        {false, TFillRule::Alternate, false},
        {false, TFillRule::Winding, false},
    };
    for (const TCase& c : cases) {
        TPathRasterizer path;
        AddSquare(path, 0, 0, 12, true);
        AddSquare(path, 4, 4, 4, c.innerClockwise);
        TMask mask = Sweep(path, c.rule, 12, 12);
        EXPECT_EQ(mask.At(1, 1), 1);
        EXPECT_EQ(mask.At(10, 6), 1);
        EXPECT_EQ(mask.At(5, 5), c.holeFilled) << int(c.rule) << c.innerClockwise;
        EXPECT_EQ(mask.At(7, 7), c.holeFilled);
        EXPECT_EQ(mask.At(3, 5), 1);  // the ring itself
        EXPECT_EQ(mask.At(8, 5), 1);
    }
}

TEST(PathRasterizer, FigureIsClosedAndStartsAtCurrentPoint) {
    TPathRasterizer path;
    path.MoveTo({0, 0});
    path.Clear();                  // the current point (0, 0) stays
    path.LineTo({8, 0});           // figure starts implicitly at (0, 0)
    path.LineTo({8, 8});           // left open: the fill closes it
    TMask mask = Sweep(path, TFillRule::Alternate, 8, 8);
    EXPECT_EQ(mask.At(6, 1), 1);   // above the diagonal
    EXPECT_EQ(mask.At(1, 6), 0);   // below it
}

TEST(PathRasterizer, CurveBulgesTowardsItsControlPoints) {
    TPathRasterizer path;
    path.MoveTo({0, 20});
    path.BezierTo({0, 0}, {40, 0}, {40, 20});
    TMask mask = Sweep(path, TFillRule::Alternate, 40, 20);
    EXPECT_EQ(mask.At(20, 6), 1);   // apex at y = 5
    EXPECT_EQ(mask.At(20, 4), 0);
    EXPECT_EQ(mask.At(1, 5), 0);    // outside near the corner
}

TEST(PathRasterizer, ClippedRowsAndColumnsMatchTheFullFill) {
    TPathRasterizer path;
    path.MoveTo({-5, -5});
    path.BezierTo({30, -10}, {40, 50}, {15, 35});
    path.LineTo({-3, 20});
    TMask full = Sweep(path, TFillRule::Winding, 30, 30);
    TMask part(30, 30);
    path.Fill(TFillRule::Winding, 30, 9, 17, [&](int y, int x0, int x1) {
        EXPECT_GE(y, 9);
        EXPECT_LT(y, 17);
        for (int x = x0; x < x1; ++x) part.At(x, y) = 1;
    });
    for (int y = 9; y < 17; ++y)
        for (int x = 0; x < 30; ++x) EXPECT_EQ(part.At(x, y), full.At(x, y));
}

// The incremental sweep against the direct per-pixel test, on random
// self-intersecting paths of lines and curves under both rules.
TEST(PathRasterizer, SweepEqualsPerPixelReference) {
    std::mt19937 random(4);
    std::uniform_int_distribution<int> coordinate(-8, 72);
    for (int trial = 0; trial < 60; ++trial) {
        TPathRasterizer path;
        const int figures = 1 + trial % 3;
        for (int f = 0; f < figures; ++f) {
            path.MoveTo({coordinate(random), coordinate(random)});
            for (int s = 0; s < 4 + trial % 5; ++s) {
                if (random() % 2)
                    path.LineTo({coordinate(random), coordinate(random)});
                else
                    path.BezierTo({coordinate(random), coordinate(random)},
                                  {coordinate(random), coordinate(random)},
                                  {coordinate(random), coordinate(random)});
            }
        }
        for (TFillRule rule : {TFillRule::Alternate, TFillRule::Winding}) {
            TMask mask = Sweep(path, rule, 64, 64);
            for (int y = 0; y < 64; ++y)
                for (int x = 0; x < 64; ++x)
                    ASSERT_EQ(mask.At(x, y), path.Inside(rule, x, y))
                        << "trial " << trial << " rule " << int(rule) << " at " << x << ',' << y
                        << '\n' << path.Dump();
        }
    }
}

TEST(PathRasterizer, HugeCoordinatesAreClampedNotOverflowed) {
    TPathRasterizer path;
    path.MoveTo({-2000000000, -2000000000});
    path.BezierTo({2000000000, -2000000000}, {2000000000, 2000000000}, {-2000000000, 2000000000});
    TMask mask = Sweep(path, TFillRule::Alternate, 16, 16);
    EXPECT_EQ(mask.At(8, 8), 1);
}

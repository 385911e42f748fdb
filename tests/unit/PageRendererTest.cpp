#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <vector>
#include <memory>
#include <random>

#include "render/Canvas.h"
#include "render/PageRenderer.h"
#include "base/Picture.h"
#include "pagemodel/PageScale.h"
#include "pagemodel/Page.h"

namespace {
// A glyph shape of square contours, each given as left, top, size (page units).
std::unique_ptr<TGlyphShape> Squares(std::initializer_list<std::array<float, 3>> squares) {
    auto shape = std::make_unique<TGlyphShape>();
    bool first = true;
    for (const auto& [left, top, size] : squares) {
        const TXYPoint c[4] = {{left, top}, {left + size, top}, {left + size, top + size}, {left, top + size}};
        if (first) shape->MoveToPoint = c[0];
        first = false;
        TLineCurve move;
        move.Kind = lcMove;
        move.A = c[0];
        shape->CounterData.push_back(move);
        for (int i = 1; i <= 4; ++i) {
            TLineCurve line;
            line.Kind = lcLine;
            line.A = c[i % 4];
            shape->CounterData.push_back(line);
        }
    }
    return shape;
}

TWordObject& AddWord(TPage& page, int line, int aya, std::unique_ptr<TGlyphShape> shape, bool mark = false) {
    TLine& l = page.Line(line);
    l.LineType = ltText;
    TWordObject& word = l.Add();
    word.LineNumber = line;
    word.SuraNumber = 2;
    word.AyaNumber = aya;
    word.AyaMark = mark;
    word.ObjectType = mark ? otAyaMark : otText;
    shape->AyaMark = mark;
    shape->LineNumber = line;
    word.Glyphs.push_back(std::move(shape));
    return word;
}

std::unique_ptr<TPicture> Solid(TPicture::TKind kind, int w, int h, TColor color, std::uint8_t alpha = 255) {
    auto p = std::make_unique<TPicture>();
    p->Kind = kind;
    p->Width = w;
    p->Height = h;
    p->Pixels.resize(std::size_t(w) * h * 4);
    for (std::size_t i = 0; i < p->Pixels.size(); i += 4) {
        p->Pixels[i] = std::uint8_t(color >> 16);
        p->Pixels[i + 1] = std::uint8_t(color >> 8);
        p->Pixels[i + 2] = std::uint8_t(color);
        p->Pixels[i + 3] = alpha;
    }
    return p;
}

// The plain procedure: a new white work bitmap, painted whole, reduced by
// summing every 3 x 3 block, copied.
TBitmap24 ReferenceAntiAlias(TPage& page, int width, int height) {
    TBitmap24 work(3 * width, 3 * height);
    work.Fill(0xFFFFFF);
    TBitmapTarget target(work);
    TCanvas canvas(target);
    DrawPageLayers(canvas, page);
    TBitmap24 result(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < 3; ++c) {
                int sum = 0;
                for (int dy = 0; dy < 3; ++dy)
                    for (int dx = 0; dx < 3; ++dx) sum += work.Row(3 * y + dy)[(3 * x + dx) * 3 + c];
                result.Row(y)[x * 3 + c] = std::uint8_t(sum / 9);
            }
    return result;
}

TBitmap24 AntiAlias(TPage& page, int width, int height) {
    TBitmap24 view(width, height);
    view.Fill(0xFFFFFF);
    TBitmapTarget target(view);
    TCanvas canvas(target);
    DrawAntiAlias(canvas, page);
    return view;
}

class PageRendererTest : public ::testing::Test {
protected:
    TPageScaleGuard FScaleGuard;
};
}  // namespace

TEST_F(PageRendererTest, AyaMarkHolesShowThePaleBackground) {
    PageScale = 1.0f;
    TBitmap24 bitmap(40, 40);
    bitmap.Fill(0xFFFFFF);
    TBitmapTarget target(bitmap);
    TCanvas canvas(target);
    auto mark = Squares({{5, 5, 30}, {15, 15, 10}});
    mark->AyaMark = true;
    Draw(canvas, *mark);
    EXPECT_EQ(bitmap.Pixel(20, 20), AyaMarkBackground);  // the hole
    EXPECT_EQ(bitmap.Pixel(8, 20), 0x000000u);           // the ring
    EXPECT_EQ(bitmap.Pixel(2, 2), 0xFFFFFFu);            // outside the outline
    mark->Selected = true;
    Draw(canvas, *mark);
    EXPECT_EQ(bitmap.Pixel(8, 20), SelectionColor);
    EXPECT_EQ(bitmap.Pixel(20, 20), AyaMarkBackground);
}

TEST_F(PageRendererTest, InvisibleAndEmptyShapesLeaveWhite) {
    PageScale = 1.0f;
    TBitmap24 bitmap(30, 30);
    bitmap.Fill(0xFFFFFF);
    TBitmapTarget target(bitmap);
    TCanvas canvas(target);
    auto hidden = Squares({{0, 0, 30}});
    hidden->visible = false;
    hidden->AyaMark = true;
    Draw(canvas, *hidden);
    TGlyphShape empty;
    empty.AyaMark = true;
    empty.MoveToPoint = {10, 10};
    Draw(canvas, empty);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 30; ++x) ASSERT_EQ(bitmap.Pixel(x, y), 0xFFFFFFu) << x << ',' << y;
}

TEST_F(PageRendererTest, SelectedWordIsGreenAndBlackAgainAfterClearing) {
    TPage page;
    page.PageNumber = 50;
    for (int line = 1; line <= 15; ++line) AddWord(page, line, line, Squares({{100, 60.0f * line, 30}}));
    page.InitialLinesData();
    page.FitToView(300, 900);
    const int x = int(115 * PageScale), y = int((60 * 4 + 15) * PageScale);
    ASSERT_TRUE(page.SelectAya(2, 4));
    EXPECT_EQ(AntiAlias(page, 300, 900).Pixel(x, y), SelectionColor);
    page.ClearSelect();
    EXPECT_EQ(AntiAlias(page, 300, 900).Pixel(x, y), 0x000000u);
}

TEST_F(PageRendererTest, PageScaleIsRestoredExactly) {
    TPage page;
    page.PageNumber = 50;
    AddWord(page, 3, 1, Squares({{10, 10, 10}}));
    page.InitialLinesData();
    page.FitToView(200, 900);
    EXPECT_FLOAT_EQ(PageScale, 0.954273f);
    const float before = PageScale;
    AntiAlias(page, 200, 900);
    EXPECT_EQ(std::memcmp(&before, &PageScale, sizeof before), 0);
}

// Where the frames and basmalah pictures land in the work bitmap.
TEST_F(PageRendererTest, FrameAndBasmalahRectangles) {
    struct TCase {
        int pageNumber;
        std::vector<int> emptyLines;
    };
    constexpr TColor frameColor = 0x0000FF, basmalahColor = 0xFF0000;
    const TCase cases[] = {{3, {1, 2}}, {249, {1, 2}}, {50, {6, 7}}, {1, {1}}, {2, {1}}};
    for (const TCase& c : cases) {
        TPage page;
        page.PageNumber = c.pageNumber;
        for (int line = 1; line <= 15; ++line)
            if (std::find(c.emptyLines.begin(), c.emptyLines.end(), line) == c.emptyLines.end())
                AddWord(page, line, line, Squares({{560, 60.0f * line, 10}}));
        page.InitialLinesData();
        const bool wholePage = c.pageNumber <= 2;
        for (int line = 1; line <= 15; ++line) {
            if (page.Line(line).LineType == ltSuraName)
                page.Line(line).FramePicture =
                    wholePage ? Solid(TPicture::TKind::Jpeg, 817, 1148, frameColor)
                              : Solid(TPicture::TKind::Jpeg, 749, 90, frameColor);
            if (page.Line(line).LineType == ltBasmala)
                page.Line(line).BasmalahPng = Solid(TPicture::TKind::Png, 749, 57, basmalahColor);
        }
        page.FitToView(600, 975);
        const float s = PageScale * 3;
        TBitmap24 work(1800, 2925);
        work.Fill(0xFFFFFF);
        TBitmapTarget target(work);
        TCanvas canvas(target);
        DrawPageLayers(canvas, page);

        auto rowsOf = [&](TColor color) {
            std::pair<int, int> rows{-1, -1};
            for (int y = 0; y < work.Height(); ++y)
                if (work.Pixel(900, y) == color) {
                    if (rows.first < 0) rows.first = y;
                    rows.second = y + 1;
                }
            return rows;
        };
        const auto frame = rowsOf(frameColor);
        const auto basmalah = rowsOf(basmalahColor);
        const int r3 = int(std::nearbyint(3.0 * s));
        SCOPED_TRACE(c.pageNumber);
        if (wholePage) {
            EXPECT_EQ(frame, std::make_pair(0, 2925));
            EXPECT_EQ(work.Pixel(0, 0), frameColor);
            EXPECT_EQ(work.Pixel(1799, 2924), frameColor);
            EXPECT_EQ(work.Pixel(1800 * 56 / 60, int(60 * 7 * s) + 10), 0x000000u);  // text over it
            EXPECT_EQ(basmalah.first, -1);
        } else if (c.emptyLines[0] == 1) {
            EXPECT_EQ(frame, std::make_pair(0, 216));  // Round(1800 x 90 / 749)
            EXPECT_EQ(page.Line(1).FrameTop, 0.0f);
            int top = 216 + int(std::nearbyint(15.0 * s)) + r3;
            if (c.pageNumber == 249) top -= int(std::nearbyint(12.0 * s));
            EXPECT_EQ(basmalah, std::make_pair(top, top + 137));  // Round(1800 x 57 / 749)
            EXPECT_EQ(page.Line(2).BasmalahTop, 216.0f);
        } else {
            const float frameTop = float(double(page.Line(5).MaxY()) * double(s));
            EXPECT_EQ(page.Line(6).FrameTop, frameTop);
            const int top = int(std::nearbyint(frameTop)) + r3;
            EXPECT_EQ(frame, std::make_pair(top, top + 216));
            EXPECT_EQ(basmalah, std::make_pair(top + 216 + r3, top + 216 + r3 + 137));
        }
    }
}

// The banded drawing against the plain procedure, pixel for pixel, on a page
// with pictures, random curved glyphs, aya marks and a selection, at view
// sizes that do and do not fill the last band, drawn twice to catch reuse.
TEST_F(PageRendererTest, FastDrawingEqualsThePlainProcedure) {
    std::mt19937 random(7);
    std::uniform_real_distribution<float> offset(-6, 6);
    TPage page;
    page.PageNumber = 40;
    for (int line = 3; line <= 15; ++line) {
        if (line == 8 || line == 9) continue;  // a header and basmalah pair
        for (int w = 0; w < 6; ++w) {
            const float x = 20 + 95.0f * w, y = 60.0f * line + 5;
            auto shape = std::make_unique<TGlyphShape>();
            shape->MoveToPoint = {x, y};
            for (int contour = 0; contour < 2; ++contour) {
                TLineCurve move;
                move.Kind = lcMove;
                move.A = {x + 10 * contour, y + 5 * contour};
                shape->CounterData.push_back(move);
                for (int k = 0; k < 5; ++k) {
                    TLineCurve curve;
                    curve.Kind = lcCurve;
                    curve.A = {x + 20 + offset(random), y + offset(random) + 20};
                    curve.B = {x + 40 + offset(random), y + offset(random) + 40};
                    curve.C = {x + 30 + offset(random) * 3, y + 30 + offset(random) * 3};
                    shape->CounterData.push_back(curve);
                }
            }
            shape->PolyFillMode = (w % 3 == 2) ? 2 : 1;
            AddWord(page, line, w == 5 ? line : line * 10 + w, std::move(shape), w == 5);
        }
    }
    page.InitialLinesData();
    ASSERT_EQ(page.Line(1).LineType, ltSuraName);
    ASSERT_EQ(page.Line(8).LineType, ltSuraName);
    for (int line : {1, 8}) {
        page.Line(line).FramePicture = Solid(TPicture::TKind::Jpeg, 7, 3, 0x3080C0);
        page.Line(line).FramePicture->Pixels[4 * 5] = 0;  // some texture
        page.Line(line + 1).BasmalahPng = Solid(TPicture::TKind::Png, 5, 2, 0x102030, 100);
        page.Line(line + 1).BasmalahPng->Pixels[3] = 0;
        page.Line(line + 1).BasmalahPng->Pixels[7] = 255;
    }
    page.SelectAya(2, 70);
    page.SelectAya(2, 11);
    for (auto [width, height] : {std::pair{600, 975}, {301, 487}, {640, 1000}, {50, 17}}) {
        SCOPED_TRACE(testing::Message() << width << " x " << height);
        page.FitToView(width, height);
        const TBitmap24 expected = ReferenceAntiAlias(page, width, height);
        for (int pass = 0; pass < 2; ++pass) {
            const TBitmap24 fast = AntiAlias(page, width, height);
            for (int y = 0; y < height; ++y)
                ASSERT_EQ(std::memcmp(fast.Row(y), expected.Row(y), std::size_t(width) * 3), 0) << "row " << y;
        }
    }
}

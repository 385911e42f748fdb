#include <gtest/gtest.h>

#include <vector>

#include "render/PaintedPage.h"
#include "render/PageRenderer.h"
#include "WholeDrawing.h"
#include "ViewerFixtures.h"

namespace {

// The first pixel where the two differ, as "x,y", or "" when none does.
std::string FirstDifference(const TBitmap24& a, const TBitmap24& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height()) return "size";
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.Pixel(x, y) != b.Pixel(x, y)) return std::to_string(x) + "," + std::to_string(y);
    return "";
}

long long Area(const std::vector<TPixelRect>& rects) {
    long long area = 0;
    for (const TPixelRect& r : rects) area += (long long)(r.Right - r.Left) * (r.Bottom - r.Top);
    return area;
}

struct TPoint {
    int X, Y;
};

class PaintedPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        BuildTwoSuraPage(viewer.Page());
        // Lower than the page: a scale below one, whose rounding the strips must cover.
        viewer.Resize(430, 660);
    }
    // A point in view pixels from page units.
    TPoint At(float x, float y) { return {int(x * PageScale), int(y * PageScale)}; }

    TPageScaleGuard scaleGuard;
    TPageViewer viewer{nullptr};
    TPaintedPage painted;
};

TEST_F(PaintedPageTest, EveryDragStepGivesTheWholeDrawingsPixels) {
    // Pointer positions in page units after the press (the first move anchors
    // at the press). Word boxes: see BuildTwoSuraPage.
    struct Case {
        const char* Name;
        TPoint Press;
        std::vector<TPoint> Moves;
    } cases[] = {
        {"within a line", {530, 170}, {{435, 170}, {375, 170}, {300, 170}, {255, 170}}},
        {"across lines", {530, 120}, {{450, 120}, {530, 170}, {300, 170}}},
        {"shrinking back", {530, 170}, {{255, 170}, {375, 170}, {530, 170}}},
        {"stopping at the sura's end", {450, 120}, {{395, 120}, {435, 170}, {255, 170}, {500, 120}}},
        {"backwards over the sura's end", {255, 170}, {{435, 170}, {500, 120}, {300, 170}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const TPoint press = At(float(c.Press.X), float(c.Press.Y));
        viewer.MouseDown(mbLeft, 0, press.X, press.Y);
        viewer.MouseMove(ssLeft, press.X, press.Y);
        painted.Update(viewer.Page());
        for (const TPoint& m : c.Moves) {
            const TPoint p = At(float(m.X), float(m.Y));
            viewer.MouseMove(ssLeft, p.X, p.Y);
            const std::vector<TPixelRect> changed = painted.Update(viewer.Page());
            EXPECT_EQ(FirstDifference(painted.Bitmap(), WholeDrawing(viewer.Page())), "")
                << "after the move to " << m.X << "," << m.Y;
            // Only strips around the words were drawn again, never the whole view.
            EXPECT_LT(Area(changed), (long long)viewer.ClientWidth() * viewer.ClientHeight() / 4);
        }
        viewer.MouseUp(mbLeft, 0, 0, 0);
    }
}

TEST_F(PaintedPageTest, ReleaseOnAnAyaMarkAndClearingRepaintOnlyWhatChanged) {
    painted.Update(viewer.Page());
    const TPoint mark = At(395, 120);
    viewer.MouseDown(mbLeft, 0, mark.X, mark.Y);
    viewer.MouseUp(mbLeft, 0, mark.X, mark.Y);  // the whole aya 1:7
    EXPECT_FALSE(painted.Update(viewer.Page()).empty());
    EXPECT_EQ(FirstDifference(painted.Bitmap(), WholeDrawing(viewer.Page())), "");

    viewer.Page().ClearSelect();
    EXPECT_FALSE(painted.Update(viewer.Page()).empty());
    EXPECT_EQ(FirstDifference(painted.Bitmap(), WholeDrawing(viewer.Page())), "");
    // Nothing changed since: nothing is drawn.
    EXPECT_TRUE(painted.Update(viewer.Page()).empty());
}

TEST_F(PaintedPageTest, ANewSizeOrInvalidateDrawsTheWholeView) {
    painted.Update(viewer.Page());
    viewer.Resize(300, 500);
    std::vector<TPixelRect> changed = painted.Update(viewer.Page());
    ASSERT_EQ(changed.size(), 1u);
    EXPECT_EQ(Area(changed), 300 * 500);
    EXPECT_EQ(FirstDifference(painted.Bitmap(), WholeDrawing(viewer.Page())), "");

    painted.Invalidate();
    EXPECT_EQ(Area(painted.Update(viewer.Page())), 300 * 500);
}

TEST_F(PaintedPageTest, AnotherPageIsDrawnWhole) {
    const TPoint word = At(530, 120);
    viewer.MouseDown(mbLeft, 0, word.X, word.Y);
    painted.Update(viewer.Page());
    // A fresh control with the same page, at the same size: nothing selected.
    TPageViewer other(nullptr);
    BuildTwoSuraPage(other.Page(), 51);
    other.Resize(430, 660);
    EXPECT_EQ(Area(painted.Update(other.Page())), 430 * 660);
    EXPECT_EQ(FirstDifference(painted.Bitmap(), WholeDrawing(other.Page())), "");
}

}  // namespace

// A composed page drawn again in parts gives the pixels of a whole drawing:
// the view rectangles the renderer is asked for, and the strips the page
// view draws again at each step of a drag, over frames, basmalah pictures,
// aya marks and the end of a sura.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/MainWindowGeometry.h"
#include "app/PageViewer.h"
#include "base/ResourceFolder.h"
#include "pagemodel/PageResource.h"
#include "pagemodel/PageScale.h"
#include "render/PaintedPage.h"
#include "render/PageRenderer.h"
#include "../unit/WholeDrawing.h"

namespace {

bool Inside(const std::vector<TPixelRect>& rects, int x, int y) {
    for (const TPixelRect& r : rects)
        if (x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom) return true;
    return false;
}

// The first pixel where `painted` is not `whole` inside the rectangles, or
// not `outside` elsewhere; "" when none.
std::string FirstDifference(const TBitmap24& painted, const TBitmap24& whole, const std::vector<TPixelRect>& rects,
                            TColor outside) {
    for (int y = 0; y < painted.Height(); ++y)
        for (int x = 0; x < painted.Width(); ++x) {
            const TColor want = Inside(rects, x, y) ? whole.Pixel(x, y) : outside;
            if (painted.Pixel(x, y) != want) return std::to_string(x) + "," + std::to_string(y);
        }
    return "";
}

// The first page whose sura header sits inside the page, between the text
// of two suras, opened into a view of the main window on a 1080-pixel screen.
class PartialRepaint : public ::testing::Test {
protected:
    void SetUp() override {
        const TResourceFolder resources(TIRAVEL_RESOURCES_DIR);
        const TSizeI window = InitialWindowSize(1080);
        const TRectI view = MushafRect(window.Width, window.Height);
        for (int n = 3; n <= LastPageNumber && header == 0; ++n) {
            viewer = std::make_unique<TPageViewer>(nullptr);
            viewer->Resize(view.Width(), view.Height());
            OpenPageResource(viewer->Page(), n, resources);
            viewer->Resize(view.Width(), view.Height());
            for (int i = 4; i <= 12 && header == 0; ++i)
                if (viewer->Page().Line(i).LineType == ltSuraName && viewer->Page().Line(i).FramePicture) header = i;
        }
        ASSERT_NE(header, 0);
    }
    TPage& page() { return viewer->Page(); }
    // The centre of the first (or last) word of a line, in view pixels.
    std::pair<int, int> WordOf(int line, bool last = false) {
        const TLine& l = page().Line(line);
        const TWordObject& w = last ? *l.Words.back() : *l.Words.front();
        return {int((w.MinX() + w.MaxX()) / 2 * PageScale), int((w.MinY() + w.MaxY()) / 2 * PageScale)};
    }

    TPageScaleGuard scaleGuard;
    std::unique_ptr<TPageViewer> viewer;
    int header = 0;
};

TEST_F(PartialRepaint, RectanglesOfTheViewGetTheWholeDrawingsPixels) {
    const TBitmap24 whole = WholeDrawing(page());
    const int w = page().ClientWidth, h = page().ClientHeight;
    const int frameY = int(page().Line(header).MinY() * PageScale);
    const std::vector<std::vector<TPixelRect>> cases = {
        {{17, 23, 61, 94}},                                   // a small piece of text
        {{0, frameY - 40, w, frameY + 40}},                   // across the header frame and the basmalah
        {{w / 3, h / 3, w / 2 + 1, h / 2 + 7}, {w / 2 - 5, h / 2, w / 2 + 50, h / 2 + 9}},  // two that overlap
        {{-20, h - 30, 40, h + 30}, {w - 3, -4, w + 9, 5}},  // partly outside the view
        {{0, 0, w, h}},
    };
    for (const auto& rects : cases) {
        TBitmap24 painted(w, h);
        constexpr TColor Untouched = 0x123456;
        painted.Fill(Untouched);
        DrawAntiAliasRects(painted, page(), rects);
        EXPECT_EQ(FirstDifference(painted, whole, rects, Untouched), "") << rects.size() << " rectangles";
    }
}

TEST_F(PartialRepaint, EveryDragStepGivesTheWholeDrawingsPixels) {
    // From the line above the header (the end of the sura) and back, and
    // beyond it into the next sura, where the selection stops.
    const int above = header - 1;
    struct Step {
        const char* Name;
        std::pair<int, int> Pointer;
    };
    const std::pair<int, int> press = WordOf(above - 2);
    const Step steps[] = {
        {"within a line", WordOf(above - 2, true)},
        {"across lines", WordOf(above, true)},
        {"into the next sura", WordOf(header + 2)},
        {"shrinking back", WordOf(above - 1)},
        {"back to the pressed word", press},
        {"backwards", WordOf(above - 3)},
    };
    TPaintedPage painted;
    viewer->MouseDown(mbLeft, 0, press.first, press.second);
    viewer->MouseMove(ssLeft, press.first, press.second);
    painted.Update(page());
    const long long viewArea = (long long)page().ClientWidth * page().ClientHeight;
    for (const Step& step : steps) {
        viewer->MouseMove(ssLeft, step.Pointer.first, step.Pointer.second);
        const std::vector<TPixelRect> changed = painted.Update(page());
        EXPECT_EQ(FirstDifference(painted.Bitmap(), WholeDrawing(page()), {{0, 0, page().ClientWidth, page().ClientHeight}}, 0), "")
            << step.Name;
        long long area = 0;
        for (const TPixelRect& r : changed) area += (long long)(r.Right - r.Left) * (r.Bottom - r.Top);
        EXPECT_LT(area, viewArea / 2) << step.Name;
    }
}

}  // namespace

#include "render/PageRenderer.h"

#include <algorithm>
#include <cmath>

#include "render/Downsample3x.h"
#include "render/SupersampledSurface.h"
#include "pagemodel/PageScale.h"
#include "pagemodel/Page.h"

namespace {
// Pixel positions are kept within +-2^28 so that sums of a few never overflow.
constexpr double PixelLimit = double(1 << 28);

// Round to nearest, ties to even (the default rounding mode), clamped.
int RoundToInt(double v) {
    if (std::isnan(v)) return 0;
    return int(std::nearbyint(std::clamp(v, -PixelLimit, PixelLimit)));
}

// Round down and up, clamped like RoundToInt.
int FloorToInt(double v) {
    if (std::isnan(v)) return 0;
    return int(std::floor(std::clamp(v, -PixelLimit, PixelLimit)));
}
int CeilToInt(double v) {
    if (std::isnan(v)) return 0;
    return int(std::ceil(std::clamp(v, -PixelLimit, PixelLimit)));
}

bool DrawsSomething(const TGlyphShape& shape) { return shape.visible && !shape.CounterData.empty(); }

// The pixels a shape drawn at s pixels per page unit may fill: its points
// are rounded to the nearest pixel and its curves flattened within their
// control points, so one pixel of margin holds all of it.
TPixelRect PaintedBox(const TGlyphShape& shape, double s) {
    const TExtents e = shape.Extents();
    return {FloorToInt(double(e.MinX) * s) - 1, FloorToInt(double(e.MinY) * s) - 1,
            CeilToInt(double(e.MaxX) * s) + 2, CeilToInt(double(e.MaxY) * s) + 2};
}

bool Meet(const TPixelRect& a, const TPixelRect& b) {
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

// The work surface shared by whole and partial drawings (user-interface
// thread only); the output does not depend on what it held before.
TSupersampledSurface& WorkSurface() {
    thread_local TSupersampledSurface surface;
    return surface;
}

constexpr int MaxClient = 1 << 15;

bool Drawable(const std::unique_ptr<TPicture>& picture) {
    return picture && picture->Width > 0 && picture->Height > 0;
}

// Full width of the work surface at the picture's aspect ratio.
TPixelRect FullWidthRect(int workWidth, const TPicture& picture) {
    const double ratio = double(picture.Height) / double(picture.Width);
    return {0, 0, workWidth, RoundToInt(double(workWidth) * ratio)};
}

void AddSegments(TCanvas& canvas, const TGlyphShape& shape, bool fillEachContour) {
    canvas.BeginPath();
    canvas.MoveTo(ToPixel(shape.MoveToPoint));
    for (const TLineCurve& segment : shape.CounterData) {
        switch (segment.Kind) {
            case lcMove:
                canvas.MoveTo(ToPixel(segment.A));
                if (fillEachContour) {
                    canvas.EndPath();
                    canvas.FillPath();
                    canvas.BeginPath();
                }
                break;
            case lcLine:
                canvas.LineTo(ToPixel(segment.A));
                break;
            case lcCurve:
                canvas.PolyBezierTo(ToPixel(segment.A), ToPixel(segment.B), ToPixel(segment.C));
                break;
            default:
                break;  // unknown kinds are skipped
        }
    }
    canvas.EndPath();
}
}  // namespace

TIntPoint ToPixel(TXYPoint p) {
    // The product of two floats is exact in double precision.
    return {RoundToInt(double(p.x) * double(PageScale)), RoundToInt(double(p.y) * double(PageScale))};
}

void Draw(TCanvas& canvas, const TGlyphShape& shape) {
    if (!shape.visible || shape.CounterData.empty()) return;
    if (shape.AyaMark) {
        // Each contour alone under the current fill rule: the whole area
        // inside the mark's outline, holes included, turns pale green.
        canvas.SetBrushColor(AyaMarkBackground);
        AddSegments(canvas, shape, true);
        canvas.FillPath();
    }
    canvas.SetBrushColor(shape.Selected ? SelectionColor : shape.Color);
    AddSegments(canvas, shape, false);
    canvas.SetPolyFillMode(shape.PolyFillMode);
    canvas.FillPath();
}

void Draw(TCanvas& canvas, const TWordObject& word) {
    for (const auto& glyph : word.Glyphs) Draw(canvas, *glyph);
}

void Draw(TCanvas& canvas, const TLine& line) {
    for (const auto& word : line.Words) Draw(canvas, *word);
}

void Draw(TCanvas& canvas, const TPage& page) {
    for (int i = 1; i <= TPage::LineCount; ++i) Draw(canvas, page.Line(i));
}

std::vector<TPagePicturePlace> PlacePagePictures(const TPage& page, int workWidth, int workHeight, float s) {
    std::vector<TPagePicturePlace> places;
    TPixelRect lastFrame;
    const TLine& first = page.Line(1);
    if (first.LineType == ltSuraName && Drawable(first.FramePicture)) {
        // Pages 1 and 2: one picture framing the whole page, whatever its aspect.
        const TPixelRect rect = (page.PageNumber == 1 || page.PageNumber == 2)
                                    ? TPixelRect{0, 0, workWidth, workHeight}
                                    : FullWidthRect(workWidth, *first.FramePicture);
        places.push_back({1, false, rect, 0});
        lastFrame = rect;
    }
    const int threeUnits = RoundToInt(3.0 * s);
    for (int i = 2; i < TPage::LineCount; ++i) {
        const TLine& line = page.Line(i);
        if (line.LineType == ltSuraName && Drawable(line.FramePicture)) {
            // Three page units below the bottom of the line above.
            const float top = float(double(page.Line(i - 1).MaxY()) * double(s));
            TPixelRect rect = FullWidthRect(workWidth, *line.FramePicture);
            rect.Offset(0, RoundToInt(top));
            rect.Offset(0, threeUnits);
            places.push_back({i, false, rect, top});
            lastFrame = rect;
        }
        if (line.LineType == ltBasmala && Drawable(line.BasmalahPng)) {
            // Below the frame just above it; on line 2 lower still, less so on page 249.
            TPixelRect rect = FullWidthRect(workWidth, *line.BasmalahPng);
            const float top = float(lastFrame.Bottom);
            if (i == 2) {
                rect.Offset(0, RoundToInt(15.0 * s));
                if (page.PageNumber == 249) rect.Offset(0, -RoundToInt(12.0 * s));
            }
            rect.Offset(0, threeUnits);
            rect.Offset(0, RoundToInt(top));
            places.push_back({i, true, rect, top});
        }
    }
    return places;
}

void DrawPageLayers(TCanvas& work, TPage& page) {
    TPageScaleGuard guard;
    PageScale = PageScale * 3;
    for (const TPagePicturePlace& place : PlacePagePictures(page, work.Width(), work.Height(), PageScale)) {
        TLine& line = page.Line(place.Line);
        if (place.Basmalah) {
            line.BasmalahTop = place.Top;
            work.DrawPicture(*line.BasmalahPng, place.Rect);
        } else {
            line.FrameTop = place.Top;
            work.DrawPicture(*line.FramePicture, place.Rect);
        }
    }
    Draw(work, page);
}

void DrawAntiAlias(TCanvas& canvas, TPage& page) {
    // Kept between paints (user-interface thread only); the output does not
    // depend on what they held before.
    TSupersampledSurface& surface = WorkSurface();
    thread_local TBitmap24 result;

    const int width = std::clamp(page.ClientWidth, 0, MaxClient);
    const int height = std::clamp(page.ClientHeight, 0, MaxClient);
    result.Resize(width, height);
    if (3 * width <= TSupersampledSurface::MaxWidth) {
        surface.Reset(3 * width, 3 * height);
        TCanvas work(surface);
        DrawPageLayers(work, page);
        surface.Reduce(result);
    } else {
        TBitmap24 workBitmap(3 * width, 3 * height);
        workBitmap.Fill(PageBackground);
        TBitmapTarget target(workBitmap);
        TCanvas work(target);
        DrawPageLayers(work, page);
        Downsample3x(workBitmap, result);
    }
    canvas.CopyBitmap(result, 0, 0);
}

TPixelRect ShapeViewBox(const TGlyphShape& shape) {
    if (!DrawsSomething(shape)) return {};
    return PaintedBox(shape, double(PageScale));
}

std::vector<TPixelRect> ShapeWorkBoxes(const TPage& page) {
    const double s = double(PageScale * 3);
    std::vector<TPixelRect> boxes;
    boxes.reserve(page.ShapeList.size());
    for (int i = 1; i <= TPage::LineCount; ++i)
        for (const auto& word : page.Line(i).Words)
            for (const auto& glyph : word->Glyphs)
                boxes.push_back(DrawsSomething(*glyph) ? PaintedBox(*glyph, s) : TPixelRect{});
    return boxes;
}

void DrawAntiAliasRects(TBitmap24& view, TPage& page, const std::vector<TPixelRect>& rects,
                        const std::vector<TPixelRect>* knownBoxes) {
    const int width = std::clamp(page.ClientWidth, 0, MaxClient);
    const int height = std::clamp(page.ClientHeight, 0, MaxClient);
    if (view.Width() != width || view.Height() != height || 3 * width > TSupersampledSurface::MaxWidth) {
        // Not the page's own view bitmap, or too wide for the banded surface: the whole page.
        view.Resize(width, height);
        TBitmapTarget target(view);
        TCanvas canvas(target);
        DrawAntiAlias(canvas, page);
        return;
    }
    TSupersampledSurface& surface = WorkSurface();
    // The boxes of the glyph shapes in drawing order, found once for every rectangle.
    std::vector<TPixelRect> foundBoxes;
    if (!knownBoxes) foundBoxes = ShapeWorkBoxes(page);
    const std::vector<TPixelRect>& boxes = knownBoxes ? *knownBoxes : foundBoxes;
    TPageScaleGuard guard;
    PageScale = PageScale * 3;
    const std::vector<TPagePicturePlace> places = PlacePagePictures(page, 3 * width, 3 * height, PageScale);
    for (const TPagePicturePlace& place : places) {
        TLine& line = page.Line(place.Line);
        (place.Basmalah ? line.BasmalahTop : line.FrameTop) = place.Top;
    }

    for (const TPixelRect& rect : rects) {
        const TPixelRect clip{3 * std::clamp(rect.Left, 0, width), 3 * std::clamp(rect.Top, 0, height),
                              3 * std::clamp(rect.Right, 0, width), 3 * std::clamp(rect.Bottom, 0, height)};
        if (clip.Left >= clip.Right || clip.Top >= clip.Bottom) continue;
        surface.Reset(3 * width, 3 * height, clip);
        TCanvas work(surface);
        for (const TPagePicturePlace& place : places) {
            const TLine& line = page.Line(place.Line);
            if (Meet(place.Rect, clip))
                work.DrawPicture(place.Basmalah ? *line.BasmalahPng : *line.FramePicture, place.Rect);
        }
        std::size_t next = 0;
        for (int i = 1; i <= TPage::LineCount; ++i)
            for (const auto& word : page.Line(i).Words)
                for (const auto& glyph : word->Glyphs) {
                    // A shape without a box (boxes of another page) is drawn.
                    const bool meets = next >= boxes.size() || Meet(boxes[next], clip);
                    ++next;
                    if (meets)
                        Draw(work, *glyph);
                    else if (DrawsSomething(*glyph))
                        work.SetPolyFillMode(glyph->PolyFillMode);  // as its drawing leaves it, for the next aya mark
                }
        surface.Reduce(view);
    }
}

#include "render/PaintedPage.h"

#include <algorithm>

#include "pagemodel/Page.h"
#include "pagemodel/PageScale.h"
#include "render/PageRenderer.h"

namespace {
void Include(TPixelRect& into, const TPixelRect& r) {
    if (into.Left >= into.Right || into.Top >= into.Bottom) {
        into = r;
        return;
    }
    into.Left = std::min(into.Left, r.Left);
    into.Top = std::min(into.Top, r.Top);
    into.Right = std::max(into.Right, r.Right);
    into.Bottom = std::max(into.Bottom, r.Bottom);
}
TPixelRect Union(TPixelRect a, const TPixelRect& b) {
    Include(a, b);
    return a;
}

long long Area(const TPixelRect& r) { return (long long)(r.Right - r.Left) * (r.Bottom - r.Top); }
}  // namespace

void TPaintedPage::PaintWhole(TPage& page) {
    // The whole view as one rectangle: reduced straight into the bitmap, with
    // the pixels of DrawAntiAlias and no intermediate picture to copy.
    FBitmap.Resize(page.ClientWidth, page.ClientHeight);
    FShapeBoxes = ShapeWorkBoxes(page);
    FChanged.assign(1, {0, 0, FBitmap.Width(), FBitmap.Height()});
    DrawAntiAliasRects(FBitmap, page, FChanged, &FShapeBoxes);
}

const std::vector<TPixelRect>& TPaintedPage::Update(TPage& page) {
    const std::vector<TGlyphShape*>& shapes = page.ShapeList;
    const bool whole = FWhole || FPage != &page || FPageNumber != page.PageNumber || FScale != PageScale || FBitmap.Width() != page.ClientWidth ||
                       FBitmap.Height() != page.ClientHeight || FShapeSelected.size() != shapes.size();
    if (whole) {
        PaintWhole(page);
    } else {
        // One rectangle a line around its shapes that changed colour.
        TPixelRect strips[TPage::LineCount + 1];
        for (std::size_t i = 0; i < shapes.size(); ++i) {
            if (bool(FShapeSelected[i]) == shapes[i]->Selected) continue;
            const TPixelRect box = ShapeViewBox(*shapes[i]);
            if (box.Left >= box.Right) continue;  // draws nothing
            const int line = shapes[i]->LineNumber;
            Include(strips[(line >= 1 && line <= TPage::LineCount) ? line : 0], box);
        }
        FChanged.clear();
        for (TPixelRect& strip : strips) {
            strip.Left = std::max(strip.Left, 0);
            strip.Top = std::max(strip.Top, 0);
            strip.Right = std::min(strip.Right, FBitmap.Width());
            strip.Bottom = std::min(strip.Bottom, FBitmap.Height());
            if (strip.Left >= strip.Right || strip.Top >= strip.Bottom) continue;
            // Overlapping strips of whole lines become one, so that the shapes
            // where they meet are drawn once; a short strip stays on its own.
            if (!FChanged.empty() && Area(Union(FChanged.back(), strip)) <= Area(FChanged.back()) + Area(strip))
                FChanged.back() = Union(FChanged.back(), strip);
            else
                FChanged.push_back(strip);
        }
        if (!FChanged.empty()) DrawAntiAliasRects(FBitmap, page, FChanged, &FShapeBoxes);
    }
    FWhole = false;
    FPage = &page;
    FPageNumber = page.PageNumber;
    FScale = PageScale;
    FShapeSelected.resize(shapes.size());
    for (std::size_t i = 0; i < shapes.size(); ++i) FShapeSelected[i] = shapes[i]->Selected;
    return FChanged;
}

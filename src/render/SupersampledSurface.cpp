#include "render/SupersampledSurface.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "render/Downsample3x.h"

void TSupersampledSurface::Reset(int width, int height) {
    Reset(width, height, {0, 0, width, height});
}

void TSupersampledSurface::Reset(int width, int height, const TPixelRect& clip) {
    FWidth = std::clamp(width, 0, MaxWidth);
    FHeight = std::max(height, 0);
    FClip = {std::clamp(clip.Left, 0, FWidth), std::clamp(clip.Top, 0, FHeight), std::clamp(clip.Right, 0, FWidth),
             std::clamp(clip.Bottom, 0, FHeight)};
    if (FClip.Right < FClip.Left) FClip.Right = FClip.Left;
    if (FClip.Bottom < FClip.Top) FClip.Bottom = FClip.Top;
    const std::size_t bands = std::size_t((FHeight + BandRows - 1) / BandRows);
    if (FBands.size() < bands) FBands.resize(bands);
    for (auto& band : FBands) band.clear();
    FPictures.clear();
    if (FBuffer.Width() != FWidth) {
        FBuffer.Resize(FWidth, BandRows);
        FBuffer.Fill(0xFFFFFF);
    }
    FTouched.assign(std::size_t(FWidth / 3) * (BandRows / 3), 0);
}

void TSupersampledSurface::FillSpan(int y, int x0, int x1, TColor color) {
    if (y < FClip.Top || y >= FClip.Bottom) return;
    x0 = std::max(x0, FClip.Left);
    x1 = std::min(x1, FClip.Right);
    if (x0 >= x1) return;
    FBands[std::size_t(y / BandRows)].push_back(
        {std::uint16_t(x0), std::uint16_t(x1), std::uint8_t(y % BandRows), 0, color});
}

void TSupersampledSurface::DrawPicture(const TPicture& picture, const TPixelRect& rect) {
    const int top = std::max(rect.Top, FClip.Top), bottom = std::min(rect.Bottom, FClip.Bottom);
    if (top >= bottom || std::max(rect.Left, FClip.Left) >= std::min(rect.Right, FClip.Right) ||
        FPictures.size() >= 0xFFFF)
        return;
    FPictures.push_back({&picture, rect});
    const std::uint16_t index = std::uint16_t(FPictures.size() - 1);
    for (int band = top / BandRows; band <= (bottom - 1) / BandRows; ++band)
        FBands[std::size_t(band)].push_back({index, 0, 0, 1, 0});
}

void TSupersampledSurface::CopyBitmap(const TBitmap24&, int, int) {
    throw std::logic_error("bitmaps are not copied onto the work surface");
}

void TSupersampledSurface::Touch(int row, int x0, int x1) {
    const int columns = FWidth / 3;
    const int first = x0 / 3, last = std::min((x1 + 2) / 3, columns);
    // Spans are short: a plain loop beats a call to memset.
    std::uint8_t* touched = &FTouched[std::size_t(row / 3) * columns];
    for (int x = first; x < last; ++x) touched[x] = 1;
}

void TSupersampledSurface::Reduce(TBitmap24& target) {
    if (FClip.Left >= FClip.Right || FClip.Top >= FClip.Bottom) return;
    for (int band = FClip.Top / BandRows; band * BandRows < FClip.Bottom; ++band) ReduceBand(band, target);
}

void TSupersampledSurface::ReduceBand(int band, TBitmap24& target) {
    const int columns = FWidth / 3;
    const int bandTop = band * BandRows;
    const int bandRows = std::min(BandRows, FHeight - bandTop);
    const int targetTop = bandTop / 3;
    const int targetRows = std::min(bandRows / 3, target.Height() - targetTop);
    const int targetColumns = std::min(columns, target.Width());
    if (targetRows <= 0 || targetColumns <= 0) return;
    // The target rows and columns of the clip within this band.
    const int firstRow = std::max(FClip.Top / 3 - targetTop, 0);
    const int endRow = std::min(FClip.Bottom / 3 - targetTop, targetRows);
    const int firstColumn = FClip.Left / 3;
    const int endColumn = std::min(FClip.Right / 3, targetColumns);

    const auto& ops = FBands[std::size_t(band)];
    if (ops.empty()) {
        if (firstColumn < endColumn)
            for (int r = firstRow; r < endRow; ++r)
                std::memset(target.Row(targetTop + r) + std::size_t(firstColumn) * 3, 0xFF,
                            std::size_t(endColumn - firstColumn) * 3);
        return;
    }

    // Paint the band in recorded order, within the clip.
    const int clipTop = std::max(bandTop, FClip.Top), clipBottom = std::min(bandTop + bandRows, FClip.Bottom);
    for (const TOp& op : ops) {
        if (op.IsPicture) {
            const TPictureOp& p = FPictures[op.X0];
            const TPixelRect clip{FClip.Left, clipTop, FClip.Right, clipBottom};
            DrawPictureRows(FBuffer, bandTop, *p.Picture, p.Rect, clip);
            const int x0 = std::max(p.Rect.Left, FClip.Left), x1 = std::min(p.Rect.Right, FClip.Right);
            const int y0 = std::max(p.Rect.Top, clipTop) - bandTop;
            const int y1 = std::min(p.Rect.Bottom, clipBottom) - bandTop;
            if (x0 < x1)
                for (int y = y0; y < y1; y += 3 - (y % 3)) Touch(y, x0, x1);
        } else {
            FillRowSpan(FBuffer.Row(op.Row), op.X0, op.X1, op.Color);
            Touch(op.Row, op.X0, op.X1);
        }
    }

    // Reduce: untouched blocks are white; touched ones are summed, then made
    // white again for the next band. Nothing outside the clip was painted.
    for (int r = firstRow; r < endRow; ++r) {
        std::uint8_t* touched = &FTouched[std::size_t(r) * columns];
        std::uint8_t* out = target.Row(targetTop + r);
        std::uint8_t* rows[3] = {FBuffer.Row(3 * r), FBuffer.Row(3 * r + 1), FBuffer.Row(3 * r + 2)};
        int x = firstColumn;
        while (x < endColumn) {
            int end = x;
            const std::uint8_t state = touched[x];
            while (end < endColumn && touched[end] == state) ++end;
            if (state) {
                Downsample3xRow(rows[0], rows[1], rows[2], out, x, end);
                for (auto* row : rows) std::memset(row + std::size_t(x) * 9, 0xFF, std::size_t(end - x) * 9);
            } else {
                std::memset(out + std::size_t(x) * 3, 0xFF, std::size_t(end - x) * 3);
            }
            x = end;
        }
        std::memset(touched + firstColumn, 0, std::size_t(std::max(endColumn - firstColumn, 0)));
        // Columns of the clip beyond the target were painted too; whiten them as well.
        if (endColumn * 3 < FClip.Right) {
            for (auto* row : rows)
                std::memset(row + std::size_t(endColumn) * 9, 0xFF, std::size_t(FClip.Right - endColumn * 3) * 3);
            std::memset(touched + endColumn, 0, std::size_t(FClip.Right / 3 - endColumn));
        }
    }
    // Rows of the band below the target's last row were painted but not reduced.
    for (int r = std::max(endRow * 3, clipTop - bandTop); r < clipBottom - bandTop; ++r)
        std::memset(FBuffer.Row(r), 0xFF, std::size_t(FWidth) * 3);
    if (endRow < BandRows / 3)
        std::fill(FTouched.begin() + std::ptrdiff_t(std::max(endRow, 0)) * columns, FTouched.end(), 0);
}

#include "render/SupersampledSurface.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "render/Downsample3x.h"

void TSupersampledSurface::Reset(int width, int height) {
    FWidth = std::clamp(width, 0, MaxWidth);
    FHeight = std::max(height, 0);
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
    FBands[std::size_t(y / BandRows)].push_back(
        {std::uint16_t(x0), std::uint16_t(x1), std::uint8_t(y % BandRows), 0, color});
}

void TSupersampledSurface::DrawPicture(const TPicture& picture, const TPixelRect& rect) {
    const int top = std::max(rect.Top, 0), bottom = std::min(rect.Bottom, FHeight);
    if (top >= bottom || rect.Left >= rect.Right || FPictures.size() >= 0xFFFF) return;
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
    for (int band = 0; band * BandRows < FHeight; ++band) ReduceBand(band, target);
}

void TSupersampledSurface::ReduceBand(int band, TBitmap24& target) {
    const int columns = FWidth / 3;
    const int bandTop = band * BandRows;
    const int bandRows = std::min(BandRows, FHeight - bandTop);
    const int targetTop = bandTop / 3;
    const int targetRows = std::min(bandRows / 3, target.Height() - targetTop);
    const int targetColumns = std::min(columns, target.Width());
    if (targetRows <= 0 || targetColumns <= 0) return;

    const auto& ops = FBands[std::size_t(band)];
    if (ops.empty()) {
        for (int r = 0; r < targetRows; ++r)
            std::memset(target.Row(targetTop + r), 0xFF, std::size_t(targetColumns) * 3);
        return;
    }

    // Paint the band in recorded order.
    for (const TOp& op : ops) {
        if (op.IsPicture) {
            const TPictureOp& p = FPictures[op.X0];
            DrawPictureRows(FBuffer, bandTop, *p.Picture, p.Rect, bandTop, bandTop + bandRows);
            const int x0 = std::max(p.Rect.Left, 0), x1 = std::min(p.Rect.Right, FWidth);
            const int y0 = std::max(p.Rect.Top, bandTop) - bandTop;
            const int y1 = std::min(p.Rect.Bottom, bandTop + bandRows) - bandTop;
            if (x0 < x1)
                for (int y = y0; y < y1; y += 3 - (y % 3)) Touch(y, x0, x1);
        } else {
            FillRowSpan(FBuffer.Row(op.Row), op.X0, op.X1, op.Color);
            Touch(op.Row, op.X0, op.X1);
        }
    }

    // Reduce: untouched blocks are white; touched ones are summed, then made
    // white again for the next band.
    for (int r = 0; r < targetRows; ++r) {
        std::uint8_t* touched = &FTouched[std::size_t(r) * columns];
        std::uint8_t* out = target.Row(targetTop + r);
        std::uint8_t* rows[3] = {FBuffer.Row(3 * r), FBuffer.Row(3 * r + 1), FBuffer.Row(3 * r + 2)};
        int x = 0;
        while (x < targetColumns) {
            int end = x;
            const std::uint8_t state = touched[x];
            while (end < targetColumns && touched[end] == state) ++end;
            if (state) {
                Downsample3xRow(rows[0], rows[1], rows[2], out, x, end);
                for (auto* row : rows) std::memset(row + std::size_t(x) * 9, 0xFF, std::size_t(end - x) * 9);
            } else {
                std::memset(out + std::size_t(x) * 3, 0xFF, std::size_t(end - x) * 3);
            }
            x = end;
        }
        // Columns beyond the target were painted too; whiten them as well.
        if (targetColumns < columns)
            for (auto* row : rows)
                std::memset(row + std::size_t(targetColumns) * 9, 0xFF,
                            std::size_t(FWidth - targetColumns * 3) * 3);
        std::memset(touched, 0, std::size_t(columns));
    }
    // Rows of the band below the target's last row were painted but not reduced.
    for (int r = targetRows * 3; r < bandRows; ++r) std::memset(FBuffer.Row(r), 0xFF, std::size_t(FWidth) * 3);
    if (targetRows < BandRows / 3)
        std::fill(FTouched.begin() + std::ptrdiff_t(targetRows) * columns, FTouched.end(), 0);
}

#pragma once
// The work surface of anti-aliased drawing without the full work bitmap.
//
// Drawing at three times the size and reducing by 3 x 3 blocks needs, done
// plainly, a work bitmap of nine times the view's pixels that is filled white,
// painted and read back once per paint. This target instead records what is
// painted (spans of solid colour and pictures, in painting order) into bands
// of `BandRows` rows; `Reduce` then paints one band at a time into a small
// buffer that stays in the cache and reduces it straight into the result.
// Blocks that nothing touched are known to be white and are written without
// being summed. The pixels are exactly those of painting the full work bitmap
// and calling Downsample3x, which a test checks.
//
// The surface and its buffers are kept for reuse by the next paint; the
// buffer is white again after every band.
#include <cstdint>
#include <vector>

#include "render/Canvas.h"

class TSupersampledSurface final : public TPaintTarget {
public:
    static constexpr int BandRows = 48;  // a multiple of 3
    // Spans are recorded with 16-bit columns.
    static constexpr int MaxWidth = 65535;

    // Starts a new drawing on a work surface of width x height pixels, both
    // multiples of 3 and width at most MaxWidth; anything recorded is dropped.
    void Reset(int width, int height);
    // The same, but only the pixels inside `clip` (edges multiples of 3, so
    // that it holds whole blocks) are painted and reduced: a part of the view
    // is drawn again with the pixels a whole drawing gives it.
    void Reset(int width, int height, const TPixelRect& clip);
    const TPixelRect& Clip() const { return FClip; }

    int Width() const override { return FWidth; }
    int Height() const override { return FHeight; }
    void FillSpan(int y, int x0, int x1, TColor color) override;
    // The picture must stay alive until Reduce.
    void DrawPicture(const TPicture& picture, const TPixelRect& rect) override;
    // Not supported on the work surface; raises std::logic_error.
    void CopyBitmap(const TBitmap24& source, int x, int y) override;

    // Writes the reduced drawing into target rows and columns [0, Height/3)
    // x [0, Width/3), clipped to the target and to Clip() / 3; target pixels
    // outside the clip are left as they were.
    void Reduce(TBitmap24& target);

private:
    struct TOp {
        std::uint16_t X0, X1;   // columns, or the picture's index for a picture
        std::uint8_t Row;       // row within the band
        std::uint8_t IsPicture;
        TColor Color;
    };
    struct TPictureOp {
        const TPicture* Picture;
        TPixelRect Rect;
    };

    void ReduceBand(int band, TBitmap24& target);
    void Touch(int row, int x0, int x1);

    int FWidth = 0, FHeight = 0;
    TPixelRect FClip;  // within the surface; spans and pictures outside it are dropped
    std::vector<std::vector<TOp>> FBands;
    std::vector<TPictureOp> FPictures;
    TBitmap24 FBuffer;                  // one band of the work surface, white between bands
    std::vector<std::uint8_t> FTouched; // per target pixel of the band: painted over
};

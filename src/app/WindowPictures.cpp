#include "app/WindowPictures.h"

#include "app/MainWindowGeometry.h"
#include "base/OutsideNames.h"
#include "base/PictureResource.h"
#include "base/PictureSourceScale.h"
#include "render/PictureReduction.h"

TWindowPictures::TWindowPictures(std::unique_ptr<TIndexedPicture> frame, std::unique_ptr<TIndexedPicture> splash,
                                 std::unique_ptr<TIndexedPicture> numberStrip)
    : FFrame(std::move(frame)), FSplash(std::move(splash)), FNumbers(std::move(numberStrip)) {}

const TBitmap24& TWindowPictures::Splash(int width, int height) {
    if (FShown != TShown::Splash || FPainted.Width() != width || FPainted.Height() != height) {
        FPainted = PaintSplash(FSplash.get(), width, height);
        FShown = TShown::Splash;
    }
    return FPainted;
}

const TBitmap24& TWindowPictures::Frame(int pageNumber, int width, int height) {
    FSplash.reset();
    const auto filled = [this](int page) {
        return FramePaintPlan(FFrame->Width, FFrame->Height, page, PictureSourceScale).FloodFill;
    };
    const bool sameSize = FShown == TShown::Frame && FPainted.Width() == width && FPainted.Height() == height;
    if (sameSize && FPage == pageNumber) return FPainted;
    if (!FFrame || filled(pageNumber)) {
        FPainted = PaintFrame(FFrame.get(), FNumbers.get(), pageNumber, width, height);
    } else if (sameSize && !filled(FPage)) {
        // Two pages differ only in their number cell: rework the pixels that read it.
        const TFrameComposite composite(*FFrame, FNumbers.get(), pageNumber);
        const TRectI cell = composite.Plan().NumberTarget;
        const TPixelRect area =
            ReductionAreaOf(composite.Width(), composite.Height(), width, height, {cell.Left, cell.Top, cell.Right, cell.Bottom});
        ReduceArea(composite.Width(), composite.Height(), FPainted, area, composite);
        KeyOutWhite(FPainted, WindowKeyColour, {area.Left, area.Top, area.Right, area.Bottom});
    } else {
        const TFrameComposite composite(*FFrame, FNumbers.get(), pageNumber);
        FPainted = TBitmap24(width, height);
        ReduceArea(composite.Width(), composite.Height(), FPainted, {0, 0, width, height}, composite);
        KeyOutWhite(FPainted, WindowKeyColour);
    }
    FShown = TShown::Frame;
    FPage = pageNumber;
    return FPainted;
}

TWindowPictures LoadWindowPictures(const TResourceSource& resources) {
    return TWindowPictures(LoadIndexedPngResource(resources, WindowFramePictureName),
                           LoadIndexedPngResource(resources, SplashPictureName),
                           LoadIndexedPngResource(resources, PageNumbersPictureName));
}

// Bitmap files (the index window's buttons) through the core's reader: a
// picture read is whole and opaque.
#include "base/DataError.h"
#include "base/Picture.h"
#include "support/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::unique_ptr<TPicture> picture;
    try {
        picture = TPicture::LoadBmp({data, size});
    } catch (const TDataError&) {
        return 0;
    }
    FUZZ_REQUIRE(picture->Width > 0 && picture->Height > 0);
    FUZZ_REQUIRE(picture->Pixels.size() == std::size_t(picture->Width) * std::size_t(picture->Height) * 4);
    for (std::size_t i = 3; i < picture->Pixels.size(); i += 4) FUZZ_REQUIRE(picture->Pixels[i] == 255);
    return 0;
}

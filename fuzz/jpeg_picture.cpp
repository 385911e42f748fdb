// JPEG pictures (the sura header frames) through the core's decoder: a
// picture decoded is whole and opaque.
#include "support/FuzzSupport.h"
#include "base/DataError.h"
#include "base/Picture.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::unique_ptr<TPicture> picture;
    try {
        picture = TPicture::LoadJpeg({data, size});
    } catch (const TDataError&) {
        return 0;
    }
    FUZZ_REQUIRE(picture->Width > 0 && picture->Height > 0);
    FUZZ_REQUIRE(picture->Pixels.size() == std::size_t(picture->Width) * std::size_t(picture->Height) * 4);
    for (std::size_t i = 3; i < picture->Pixels.size(); i += 4) FUZZ_REQUIRE(picture->Pixels[i] == 255);
    return 0;
}

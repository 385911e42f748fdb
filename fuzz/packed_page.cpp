// A resource as the executable carries it: a packed page is unpacked against
// the generated outline dictionary, as the viewer does, then opened as page
// data; a dictionary is read and every outline placed.
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

#include "base/DataError.h"
#include "pagemodel/OutlineDictionary.h"
#include "pagemodel/PackedPage.h"
#include "support/FuzzSupport.h"

namespace {

const TOutlineDictionary& GeneratedOutlines() {
    static const std::unique_ptr<TOutlineDictionary> outlines = [] {
        std::ifstream in(std::filesystem::path(TIRAVEL_FUZZ_PACKED) / std::filesystem::path(OutlineDictionaryName),
                         std::ios::binary);
        const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        return std::make_unique<TOutlineDictionary>(bytes);
    }();
    return *outlines;
}

void PlaceEveryOutline(std::span<const std::uint8_t> stored) {
    const TOutlineDictionary outlines(stored);
    TGlyphShape shape;
    shape.MoveToPoint = {12.5f, 300.25f};
    for (std::size_t i = 0; i < outlines.Count(); ++i) {
        outlines.Place(i, shape);
        FUZZ_REQUIRE(shape.CounterData.size() == outlines.SegmentCount(i));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> stored(data, size);
    try {
        if (size >= 4 && std::memcmp(data, OutlineDictionaryMagic, 4) == 0) {
            PlaceEveryOutline(stored);
            return 0;
        }
        const std::vector<std::uint8_t> raw = UnpackResource(stored, &GeneratedOutlines());
        if (IsPackedPage(stored)) OpenAndSelectPage(raw);  // other packed resources are no page data
    } catch (const TDataError&) {
    }
    return 0;
}

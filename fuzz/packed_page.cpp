// A page as the executable carries it: unpacked by the core, then opened as
// page data.
#include <vector>

#include "base/DataError.h"
#include "pagemodel/PackedPage.h"
#include "support/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> stored(data, size);
    std::vector<std::uint8_t> raw;
    try {
        raw = UnpackResource(stored);
    } catch (const TDataError&) {
        return 0;
    }
    if (IsPackedPage(stored)) OpenAndSelectPage(raw);  // other packed resources are no page data
    return 0;
}

// Page data (resource SVG_n) through the viewer's page opening, a click and
// a drag selection.
#include "support/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    OpenAndSelectPage({data, size});
    return 0;
}

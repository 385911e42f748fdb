#pragma once
// The composed page with the most data (the heaviest to open and draw), by
// the size of its file among the generated resources; 0 when there are none.
#include <filesystem>
#include <string>

#include "pagemodel/PageResource.h"

inline int LargestPageNumber() {
    namespace fs = std::filesystem;
    int best = 0;
    std::uintmax_t bestSize = 0;
    std::error_code ec;
    for (int n = FirstPageNumber; n <= LastPageNumber; ++n) {
        const std::uintmax_t size = fs::file_size(fs::path(TIRAVEL_RESOURCES_DIR) / ("SVG_" + std::to_string(n)), ec);
        if (!ec && size > bestSize) {
            bestSize = size;
            best = n;
        }
    }
    return best;
}

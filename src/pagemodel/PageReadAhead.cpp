#include "pagemodel/PageReadAhead.h"

#include <exception>
#include <system_error>

#include "pagemodel/Page.h"
#include "pagemodel/PageResource.h"

// A future from std::async waits for its worker when it goes.
TPageReadAhead::~TPageReadAhead() = default;

void TPageReadAhead::Start(int pageNumber, const TResourceSource& resources) {
    FReading = {};
    FPageNumber = pageNumber;
    try {
        FReading = std::async(std::launch::async, [pageNumber, &resources] {
            auto page = std::make_unique<TPage>();
            ReadPageResource(*page, pageNumber, resources);
            return page;
        });
    } catch (const std::system_error&) {
        // No thread: the page is read when it is opened.
    }
}

std::unique_ptr<TPage> TPageReadAhead::Take(int pageNumber) {
    if (!FReading.valid()) return nullptr;
    auto reading = std::move(FReading);
    if (pageNumber != FPageNumber) return nullptr;
    try {
        return reading.get();
    } catch (const std::exception&) {
        return nullptr;
    }
}

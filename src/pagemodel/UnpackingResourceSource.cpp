#include "pagemodel/UnpackingResourceSource.h"

#include <vector>

#include "pagemodel/OutlineDictionary.h"
#include "pagemodel/PackedPage.h"

TUnpackingResourceSource::TUnpackingResourceSource(const TResourceSource& packed) : FPacked(packed) {}

TUnpackingResourceSource::~TUnpackingResourceSource() = default;

std::optional<TResourceBytes> TUnpackingResourceSource::Find(std::u16string_view name) const {
    std::optional<TResourceBytes> stored = FPacked.Find(name);
    if (!stored || !IsPacked(stored->Bytes)) return stored;
    const TOutlineDictionary* outlines = IsPackedPage(stored->Bytes) ? &Outlines() : nullptr;
    auto owner = std::make_shared<std::vector<std::uint8_t>>(UnpackResource(stored->Bytes, outlines));
    return TResourceBytes{std::span<const std::uint8_t>(*owner), owner};
}

const TOutlineDictionary& TUnpackingResourceSource::Outlines() const {
    std::lock_guard<std::mutex> lock(FOutlinesLock);
    if (!FOutlines) FOutlines = std::make_unique<const TOutlineDictionary>(RequireResource(FPacked, OutlineDictionaryName).Bytes);
    return *FOutlines;
}

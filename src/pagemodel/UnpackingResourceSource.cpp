#include "pagemodel/UnpackingResourceSource.h"

#include <system_error>
#include <vector>

#include "pagemodel/OutlineDictionary.h"
#include "pagemodel/PackedPage.h"
#include "pagemodel/PageData.h"

TUnpackingResourceSource::TUnpackingResourceSource(const TResourceSource& packed) : FPacked(packed) {}

TUnpackingResourceSource::~TUnpackingResourceSource() = default;

std::optional<TResourceBytes> TUnpackingResourceSource::Find(std::u16string_view name) const {
    std::optional<TResourceBytes> stored = FPacked.Find(name);
    if (!stored || !IsPacked(stored->Bytes)) return stored;
    const TOutlineDictionary* outlines = IsPackedPage(stored->Bytes) ? &Outlines() : nullptr;
    auto owner = std::make_shared<std::vector<std::uint8_t>>(UnpackResource(stored->Bytes, outlines));
    return TResourceBytes{std::span<const std::uint8_t>(*owner), owner};
}

std::optional<std::vector<TWordObject>> TUnpackingResourceSource::FindPageRecords(std::u16string_view name) const {
    const std::optional<TResourceBytes> stored = FPacked.Find(name);
    if (!stored) return std::nullopt;
    if (IsPackedPage(stored->Bytes)) return UnpackPageRecords(stored->Bytes, Outlines());
    if (IsPacked(stored->Bytes)) return ReadPageRecords(UnpackResource(stored->Bytes));
    return ReadPageRecords(stored->Bytes);
}

namespace {
std::unique_ptr<const TOutlineDictionary> ReadOutlines(const TResourceSource& packed) {
    return std::make_unique<const TOutlineDictionary>(RequireResource(packed, OutlineDictionaryName).Bytes);
}
}  // namespace

void TUnpackingResourceSource::StartReadingOutlines() const {
    std::lock_guard<std::mutex> lock(FOutlinesLock);
    if (FOutlines || FReading.valid()) return;
    try {
        FReading = std::async(std::launch::async, [&packed = FPacked] { return ReadOutlines(packed); });
    } catch (const std::system_error&) {
        // No thread to be had: the first page reads the dictionary itself.
    }
}

const TOutlineDictionary& TUnpackingResourceSource::Outlines() const {
    std::lock_guard<std::mutex> lock(FOutlinesLock);
    // A worker's error comes out here, once; a later page tries again itself.
    if (!FOutlines && FReading.valid()) FOutlines = FReading.get();
    if (!FOutlines) FOutlines = ReadOutlines(FPacked);
    return *FOutlines;
}

#include "pagemodel/UnpackingResourceSource.h"

#include <vector>

#include "pagemodel/PackedPage.h"

std::optional<TResourceBytes> TUnpackingResourceSource::Find(std::u16string_view name) const {
    std::optional<TResourceBytes> stored = FPacked.Find(name);
    if (!stored || !IsPacked(stored->Bytes)) return stored;
    auto owner = std::make_shared<std::vector<std::uint8_t>>(UnpackResource(stored->Bytes));
    return TResourceBytes{std::span<const std::uint8_t>(*owner), owner};
}

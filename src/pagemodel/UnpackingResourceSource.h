#pragma once
// Resources as the build produced them, from a source that holds them as the
// executable carries them: packed pages and packed resources are unpacked on
// each Find (callers keep what they need), anything else passes unchanged.
// Wraps the executable's resources in the shell and a folder of packed
// resources in the benchmarks.
#include "base/ResourceSource.h"

class TUnpackingResourceSource final : public TResourceSource {
public:
    // `packed` is not owned and outlives this source.
    explicit TUnpackingResourceSource(const TResourceSource& packed) : FPacked(packed) {}
    // A packed resource that cannot be unpacked raises TDataError.
    std::optional<TResourceBytes> Find(std::u16string_view name) const override;

private:
    const TResourceSource& FPacked;
};

#pragma once
#include "base/ResourceSource.h"

// The RCDATA resources of the running executable. Windows matches resource
// names without regard to case. Packed resources are unpacked on each Find,
// so callers keep what they need instead of asking twice.
class TExeResourceSource final : public TResourceSource {
public:
    std::optional<TResourceBytes> Find(std::u16string_view name) const override;
};

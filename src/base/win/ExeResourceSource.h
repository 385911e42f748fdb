#pragma once
#include "base/ResourceSource.h"

// The RCDATA resources of the running executable, as they are stored there
// (the shell reads them through TUnpackingResourceSource). Windows matches
// resource names without regard to case.
class TExeResourceSource final : public TResourceSource {
public:
    std::optional<TResourceBytes> Find(std::u16string_view name) const override;
};

#pragma once
// Resources as the files of one folder, each file named as its resource
// (host tools and tests). Names are matched without regard to ASCII case.
#include <filesystem>

#include "base/ResourceSource.h"

class TResourceFolder final : public TResourceSource {
public:
    explicit TResourceFolder(std::filesystem::path folder) : FFolder(std::move(folder)) {}
    // Reads the file; a file that exists but cannot be read counts as absent.
    std::optional<TResourceBytes> Find(std::u16string_view name) const override;

private:
    std::filesystem::path FFolder;
};

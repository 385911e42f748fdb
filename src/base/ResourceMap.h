#pragma once
// Resources held in memory under their names, for tests and tools; names
// match without regard to ASCII letter case, as everywhere.
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/ResourceSource.h"

// Resource names are ASCII; other code units compare as they are.
bool SameResourceName(std::u16string_view a, std::u16string_view b);

// Resources held in memory under their names.
class TResourceMap final : public TResourceSource {
public:
    void Add(std::u16string name, std::vector<std::uint8_t> bytes);
    void Remove(std::u16string_view name);
    std::optional<TResourceBytes> Find(std::u16string_view name) const override;

private:
    static std::u16string Key(std::u16string_view name);
    std::map<std::u16string, std::shared_ptr<const std::vector<std::uint8_t>>> FItems;
};

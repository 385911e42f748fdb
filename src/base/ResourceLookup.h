#pragma once
// Finding a data resource by name, without regard to ASCII letter case: the
// executable's RCDATA resources in the shell, a map built in code in tests.
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The bytes of one resource; Owner keeps them alive where the lookup had to
// make them (for example by inflating compressed data).
struct TLookupBytes {
    std::span<const std::uint8_t> Bytes;
    std::shared_ptr<const void> Owner;
};

class TResourceLookup {
public:
    virtual ~TResourceLookup() = default;
    // The resource of that name, or nothing when there is none.
    virtual std::optional<TLookupBytes> Find(std::u16string_view name) const = 0;
};

// Resource names are ASCII; other code units compare as they are.
bool SameResourceName(std::u16string_view a, std::u16string_view b);

// Resources held in memory under their names.
class TResourceMap final : public TResourceLookup {
public:
    void Add(std::u16string name, std::vector<std::uint8_t> bytes);
    void Remove(std::u16string_view name);
    std::optional<TLookupBytes> Find(std::u16string_view name) const override;

private:
    static std::u16string Key(std::u16string_view name);
    std::map<std::u16string, std::shared_ptr<const std::vector<std::uint8_t>>> FItems;
};

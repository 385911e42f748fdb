#include "base/ResourceMap.h"

namespace {
char16_t FoldAscii(char16_t c) { return (c >= u'a' && c <= u'z') ? char16_t(c - u'a' + u'A') : c; }
}  // namespace

bool SameResourceName(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
    return true;
}

std::u16string TResourceMap::Key(std::u16string_view name) {
    std::u16string key(name);
    for (char16_t& c : key) c = FoldAscii(c);
    return key;
}

void TResourceMap::Add(std::u16string name, std::vector<std::uint8_t> bytes) {
    FItems[Key(name)] = std::make_shared<const std::vector<std::uint8_t>>(std::move(bytes));
}

void TResourceMap::Remove(std::u16string_view name) { FItems.erase(Key(name)); }

std::optional<TResourceBytes> TResourceMap::Find(std::u16string_view name) const {
    auto it = FItems.find(Key(name));
    if (it == FItems.end()) return std::nullopt;
    return TResourceBytes{{it->second->data(), it->second->size()}, it->second};
}

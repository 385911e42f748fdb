#include "base/ResourceSource.h"

std::string ResourceNameToAscii(std::u16string_view name) {
    std::string out;
    out.reserve(name.size());
    for (char16_t c : name) out.push_back(c < 0x80 ? char(c) : '?');
    return out;
}

std::u16string AsciiToResourceName(std::string_view name) {
    return std::u16string(name.begin(), name.end());
}

TMissingResource::TMissingResource(std::u16string_view name)
    : std::runtime_error("resource " + ResourceNameToAscii(name) + " is missing"), FName(name) {}

TResourceBytes RequireResource(const TResourceSource& source, std::u16string_view name) {
    auto found = source.Find(name);
    if (!found) throw TMissingResource(name);
    return std::move(*found);
}

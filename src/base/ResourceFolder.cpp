#include "base/ResourceFolder.h"

#include <fstream>
#include <vector>

namespace {
char16_t Lower(char16_t c) { return (c >= u'A' && c <= u'Z') ? char16_t(c - u'A' + u'a') : c; }

bool SameName(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i])) return false;
    return true;
}

std::optional<TResourceBytes> ReadWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    auto bytes = std::make_shared<std::vector<std::uint8_t>>(
        (std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return TResourceBytes{std::span<const std::uint8_t>(*bytes), bytes};
}
}  // namespace

std::optional<TResourceBytes> TResourceFolder::Find(std::u16string_view name) const {
    // A name with a path separator or a dot-dot could leave the folder.
    if (name.empty() || name.find_first_of(u"/\\:") != std::u16string_view::npos || name == u"." ||
        name == u"..")
        return std::nullopt;
    std::error_code error;
    const std::filesystem::path exact = FFolder / std::filesystem::path(std::u16string(name));
    if (std::filesystem::is_regular_file(exact, error)) return ReadWholeFile(exact);
    for (const auto& entry : std::filesystem::directory_iterator(FFolder, error)) {
        if (!entry.is_regular_file(error)) continue;
        if (SameName(entry.path().filename().u16string(), name)) return ReadWholeFile(entry.path());
    }
    return std::nullopt;
}

#include "base/win/ExeResourceSource.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "base/win/ImageFileBytes.h"
#include "base/win/WideText.h"

std::optional<TResourceBytes> TExeResourceSource::Find(std::u16string_view name) const {
    const std::wstring wide = ToWide(name);
    HRSRC info = FindResourceW(nullptr, wide.c_str(), MAKEINTRESOURCEW(10) /* RT_RCDATA */);
    if (!info) return std::nullopt;
    HGLOBAL handle = LoadResource(nullptr, info);
    const void* data = handle ? LockResource(handle) : nullptr;
    if (!data) return std::nullopt;
    const std::size_t size = SizeofResource(nullptr, info);
    // Read from the file, the image's pages are not kept in memory. Should
    // that fail, the executable's memory serves for the whole run: no owner.
    if (auto read = ReadImageFileBytes(data, size)) {
        auto owner = std::make_shared<const std::vector<std::uint8_t>>(std::move(*read));
        return TResourceBytes{std::span<const std::uint8_t>(owner->data(), owner->size()), owner};
    }
    return TResourceBytes{std::span<const std::uint8_t>(static_cast<const std::uint8_t*>(data), size), nullptr};
}

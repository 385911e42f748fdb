#include "base/win/ExeResourceSource.h"

#include <windows.h>

#include <string>
#include <vector>

#include "base/win/WideText.h"
#include "pagemodel/PackedPage.h"

std::optional<TResourceBytes> TExeResourceSource::Find(std::u16string_view name) const {
    const std::wstring wide = ToWide(name);
    HRSRC info = FindResourceW(nullptr, wide.c_str(), MAKEINTRESOURCEW(10) /* RT_RCDATA */);
    if (!info) return std::nullopt;
    HGLOBAL handle = LoadResource(nullptr, info);
    const void* data = handle ? LockResource(handle) : nullptr;
    if (!data) return std::nullopt;
    std::span<const std::uint8_t> stored(static_cast<const std::uint8_t*>(data), SizeofResource(nullptr, info));
    if (!IsPacked(stored)) return TResourceBytes{stored, nullptr};  // the executable's memory serves
    auto owner = std::make_shared<std::vector<std::uint8_t>>(UnpackResource(stored));
    return TResourceBytes{std::span<const std::uint8_t>(*owner), owner};
}

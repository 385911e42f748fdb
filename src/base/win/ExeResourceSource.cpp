#include "base/win/ExeResourceSource.h"

#include <windows.h>

#include <string>

#include "base/win/WideText.h"

std::optional<TResourceBytes> TExeResourceSource::Find(std::u16string_view name) const {
    const std::wstring wide = ToWide(name);
    HRSRC info = FindResourceW(nullptr, wide.c_str(), MAKEINTRESOURCEW(10) /* RT_RCDATA */);
    if (!info) return std::nullopt;
    HGLOBAL handle = LoadResource(nullptr, info);
    const void* data = handle ? LockResource(handle) : nullptr;
    if (!data) return std::nullopt;
    // The executable's memory serves for the whole run: no owner needed.
    return TResourceBytes{std::span<const std::uint8_t>(static_cast<const std::uint8_t*>(data),
                                                        SizeofResource(nullptr, info)),
                          nullptr};
}

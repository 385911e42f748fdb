#include "system/win/OwnVersion.h"

#include <windows.h>

#include "system/VersionResource.h"

namespace {

// The version resource of the running executable, read in place.
std::optional<TFileVersion> OwnFileVersion() {
    HRSRC info = FindResourceW(nullptr, MAKEINTRESOURCEW(VS_VERSION_INFO), MAKEINTRESOURCEW(16) /* RT_VERSION */);
    if (!info) return std::nullopt;
    HGLOBAL handle = LoadResource(nullptr, info);
    const void* data = handle ? LockResource(handle) : nullptr;
    if (!data) return std::nullopt;
    return FixedFileVersion(
        std::span<const std::uint8_t>(static_cast<const std::uint8_t*>(data), SizeofResource(nullptr, info)));
}

}  // namespace

std::optional<TVersionPair> GetOwnFileVersion() {
    const auto version = OwnFileVersion();
    if (!version) return std::nullopt;
    return VersionFromFileInfo(version->MS, version->LS);
}

std::u16string GetOwnVersionText() {
    const auto version = OwnFileVersion();
    if (!version) return {};
    return VersionText(version->MS, version->LS);
}

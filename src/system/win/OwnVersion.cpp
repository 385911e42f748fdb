#include "system/win/OwnVersion.h"

#include <windows.h>

#include <vector>

namespace {

std::optional<VS_FIXEDFILEINFO> OwnFixedFileInfo() {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return std::nullopt;
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(path, &handle);
    if (size == 0) return std::nullopt;
    std::vector<std::uint8_t> block(size);
    if (!GetFileVersionInfoW(path, 0, size, block.data())) return std::nullopt;
    VS_FIXEDFILEINFO* info = nullptr;
    UINT infoSize = 0;
    if (!VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&info), &infoSize) || !info ||
        infoSize < sizeof(VS_FIXEDFILEINFO))
        return std::nullopt;
    return *info;
}

}  // namespace

std::optional<TVersionPair> GetOwnFileVersion() {
    const auto info = OwnFixedFileInfo();
    if (!info) return std::nullopt;
    return VersionFromFileInfo(info->dwFileVersionMS, info->dwFileVersionLS);
}

std::u16string GetOwnVersionText() {
    const auto info = OwnFixedFileInfo();
    if (!info) return {};
    return VersionText(info->dwFileVersionMS, info->dwFileVersionLS);
}

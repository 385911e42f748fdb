#include "base/win/ImageFileBytes.h"

#include <windows.h>

#include <string>

namespace {

// The file offset of the image's bytes [rva, rva + size), or -1.
long long FileOffset(const std::uint8_t* image, std::size_t rva, std::size_t size) {
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(image);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(image + dos->e_lfanew);
    const IMAGE_SECTION_HEADER* section = IMAGE_FIRST_SECTION(nt);
    for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i, ++section)
        if (rva >= section->VirtualAddress && rva - section->VirtualAddress <= section->SizeOfRawData &&
            size <= section->SizeOfRawData - (rva - section->VirtualAddress))
            return (long long)(section->PointerToRawData) + (long long)(rva - section->VirtualAddress);
    return -1;
}

std::wstring ExecutablePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);  // cut short: try a longer buffer
    }
}

}  // namespace

std::optional<std::vector<std::uint8_t>> ReadImageFileBytes(const void* data, std::size_t size) {
    const auto* image = reinterpret_cast<const std::uint8_t*>(GetModuleHandleW(nullptr));
    const auto* at = static_cast<const std::uint8_t*>(data);
    if (!image || at < image || size > 0xFFFFFFFFu) return std::nullopt;
    const long long offset = FileOffset(image, std::size_t(at - image), size);
    if (offset < 0) return std::nullopt;
    static const std::wstring path = ExecutablePath();
    if (path.empty()) return std::nullopt;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::vector<std::uint8_t> bytes(size);
    LARGE_INTEGER position;
    position.QuadPart = offset;
    DWORD read = 0;
    const bool ok = SetFilePointerEx(file, position, nullptr, FILE_BEGIN) &&
                    (size == 0 || ReadFile(file, bytes.data(), DWORD(size), &read, nullptr)) && read == size;
    CloseHandle(file);
    if (!ok) return std::nullopt;
    return bytes;
}

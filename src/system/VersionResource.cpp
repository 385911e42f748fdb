#include "system/VersionResource.h"

#include <string_view>

namespace {

// The root of the block: its length, the length of its value, its type, the
// key "VS_VERSION_INFO" with its NUL in UTF-16, padding to a 32-bit
// boundary, then the value, the fixed file information (VS_FIXEDFILEINFO,
// 13 32-bit fields of which the first is the signature, the third and fourth
// the file version).
constexpr std::u16string_view RootKey = u"VS_VERSION_INFO";
constexpr std::size_t KeyAt = 6;
constexpr std::size_t ValueAt = (KeyAt + (RootKey.size() + 1) * 2 + 3) / 4 * 4;
constexpr std::size_t FixedInfoBytes = 13 * 4;
constexpr std::uint32_t FixedInfoSignature = 0xFEEF04BD;

std::uint16_t U16(std::span<const std::uint8_t> b, std::size_t at) {
    return std::uint16_t(b[at] | b[at + 1] << 8);
}
std::uint32_t U32(std::span<const std::uint8_t> b, std::size_t at) {
    return std::uint32_t(U16(b, at)) | std::uint32_t(U16(b, at + 2)) << 16;
}

}  // namespace

std::optional<TFileVersion> FixedFileVersion(std::span<const std::uint8_t> block) {
    if (block.size() < ValueAt + FixedInfoBytes) return std::nullopt;
    const std::size_t length = U16(block, 0), valueLength = U16(block, 2);
    if (length < ValueAt + FixedInfoBytes || length > block.size()) return std::nullopt;
    if (valueLength < FixedInfoBytes) return std::nullopt;
    for (std::size_t i = 0; i <= RootKey.size(); ++i) {
        const char16_t expected = i < RootKey.size() ? RootKey[i] : u'\0';
        if (U16(block, KeyAt + 2 * i) != expected) return std::nullopt;
    }
    if (U32(block, ValueAt) != FixedInfoSignature) return std::nullopt;
    return TFileVersion{U32(block, ValueAt + 8), U32(block, ValueAt + 12)};
}

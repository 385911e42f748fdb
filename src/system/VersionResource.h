#pragma once
// The file version of a version resource (VS_VERSIONINFO) as the executable
// carries it, read from the resource's bytes alone: the system's version
// library is not one of the DLLs the program may import.
#include <cstdint>
#include <optional>
#include <span>

struct TFileVersion {
    std::uint32_t MS = 0;  // first part << 16 | second part
    std::uint32_t LS = 0;  // third part << 16 | fourth part
    bool operator==(const TFileVersion&) const = default;
};

// The file version of the block's fixed file information; nothing when the
// block is no version resource: too short for its own length or the fixed
// information, another key, no fixed information, or a wrong signature.
std::optional<TFileVersion> FixedFileVersion(std::span<const std::uint8_t> block);

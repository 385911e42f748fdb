#pragma once
// Little-endian, unaligned reads from an in-memory byte span. Every read is
// bounds-checked and a short read raises TDataError naming the record being
// read, so malformed data can never read outside the span.
#include <cstdint>
#include <cstring>
#include <span>

#include "base/DataError.h"

class TByteReader {
public:
    explicit TByteReader(std::span<const std::uint8_t> bytes) : FBytes(bytes) {}

    std::size_t Position() const { return FPos; }
    std::size_t Remaining() const { return FBytes.size() - FPos; }
    bool AtEnd() const { return FPos == FBytes.size(); }

    // The record name used in errors; callers set it as they descend.
    void SetRecord(const char* record) { FRecord = record; }
    const char* Record() const { return FRecord; }

    std::uint8_t ReadU8() {
        Need(1);
        return FBytes[FPos++];
    }
    bool ReadBool() { return ReadU8() != 0; }
    std::int32_t ReadI32() { return static_cast<std::int32_t>(ReadU32()); }
    std::uint32_t ReadU32() {
        Need(4);
        const std::uint8_t* p = FBytes.data() + FPos;
        FPos += 4;
        return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
               std::uint32_t(p[3]) << 24;
    }
    float ReadF32() {
        std::uint32_t bits = ReadU32();
        float f;
        std::memcpy(&f, &bits, 4);
        return f;
    }
    // Copies n raw bytes; the caller's layout must match the little-endian stream.
    void ReadBlock(void* dest, std::size_t n) {
        Need(n);
        if (n) std::memcpy(dest, FBytes.data() + FPos, n);
        FPos += n;
    }

    void Skip(std::size_t n) {
        Need(n);
        FPos += n;
    }

    // Raises unless `count` items of at least `minItemSize` bytes each can
    // still follow; guards allocations sized from untrusted counts.
    void CheckCount(std::int32_t count, std::size_t minItemSize, const char* what) const {
        if (count < 0)
            throw TDataError(FRecord, FPos, std::string("negative ") + what + " " + std::to_string(count));
        if (minItemSize && std::size_t(count) > Remaining() / minItemSize)
            throw TDataError(FRecord, FPos,
                             std::string(what) + " " + std::to_string(count) + " exceeds the " +
                                 std::to_string(Remaining()) + " bytes that remain");
    }

private:
    void Need(std::size_t n) const {
        if (Remaining() < n)
            throw TDataError(FRecord, FPos,
                             "the data ends early: " + std::to_string(n) + " bytes needed, " +
                                 std::to_string(Remaining()) + " remain");
    }

    std::span<const std::uint8_t> FBytes;
    std::size_t FPos = 0;
    const char* FRecord = "data";
};

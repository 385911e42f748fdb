// The file version read from the bytes of a version resource, as the
// resource compiler lays it out: the root block, the fixed file information,
// and the string and translation blocks after it.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "system/VersionResource.h"

namespace {

struct TBlockParts {
    std::u16string Key = u"VS_VERSION_INFO";
    std::uint16_t ValueLength = 52;
    std::uint32_t Signature = 0xFEEF04BD;
    std::size_t Tail = 300;  // the child blocks after the fixed information, here opaque
};

void Put16(std::vector<std::uint8_t>& b, std::size_t at, std::uint16_t v) {
    b[at] = std::uint8_t(v);
    b[at + 1] = std::uint8_t(v >> 8);
}
void Put32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
    Put16(b, at, std::uint16_t(v));
    Put16(b, at + 2, std::uint16_t(v >> 16));
}

// A version resource for the file version `ms`.`ls` (2.0.0.6 is 0x00020000, 6).
std::vector<std::uint8_t> Block(std::uint32_t ms, std::uint32_t ls, const TBlockParts& parts = {}) {
    const std::size_t keyEnd = 6 + (parts.Key.size() + 1) * 2;
    const std::size_t valueAt = (keyEnd + 3) / 4 * 4;
    std::vector<std::uint8_t> b(valueAt + 52 + parts.Tail, 0);
    Put16(b, 0, std::uint16_t(b.size()));
    Put16(b, 2, parts.ValueLength);
    for (std::size_t i = 0; i < parts.Key.size(); ++i) Put16(b, 6 + 2 * i, parts.Key[i]);
    Put32(b, valueAt, parts.Signature);
    Put32(b, valueAt + 4, 0x00010000);  // structure version 1.0
    Put32(b, valueAt + 8, ms);
    Put32(b, valueAt + 12, ls);
    Put32(b, valueAt + 16, ms);  // product version
    Put32(b, valueAt + 20, ls);
    return b;
}

}  // namespace

TEST(VersionResource, ReadsTheFileVersion) {
    EXPECT_EQ(FixedFileVersion(Block(0x00020000, 6)), (TFileVersion{0x00020000, 6}));
    EXPECT_EQ(FixedFileVersion(Block(0xFFFF0001, 0x00030004)), (TFileVersion{0xFFFF0001, 0x00030004}));
    // The resource section may round the block up: bytes after its length do not matter.
    std::vector<std::uint8_t> padded = Block(0x00020000, 6);
    padded.resize(padded.size() + 7, 0xCC);
    EXPECT_EQ(FixedFileVersion(padded), (TFileVersion{0x00020000, 6}));
}

TEST(VersionResource, RefusesWhatIsNoVersionResource) {
    struct {
        const char* What;
        TBlockParts Parts;
    } const cases[] = {
        {"another key", {.Key = u"VS_VERSION_INFX"}},
        {"a shorter key", {.Key = u"VS_VERSION"}},
        {"no fixed information", {.ValueLength = 0}},
        {"fixed information cut short", {.ValueLength = 48}},
        {"a wrong signature", {.Signature = 0xFEEF04BC}},
    };
    for (const auto& c : cases) EXPECT_FALSE(FixedFileVersion(Block(0x00020000, 6, c.Parts))) << c.What;
}

TEST(VersionResource, RefusesABlockCutShort) {
    const std::vector<std::uint8_t> whole = Block(0x00020000, 6, {.Tail = 0});
    for (std::size_t n = 0; n < whole.size(); ++n) {
        std::vector<std::uint8_t> cut(whole.begin(), whole.begin() + std::ptrdiff_t(n));
        EXPECT_FALSE(FixedFileVersion(cut)) << n << " bytes";
    }
    // Its own length longer than the bytes there are.
    std::vector<std::uint8_t> overlong = Block(0x00020000, 6);
    Put16(overlong, 0, std::uint16_t(overlong.size() + 1));
    EXPECT_FALSE(FixedFileVersion(overlong));
    // Its own length too short to hold the fixed information.
    std::vector<std::uint8_t> undersized = Block(0x00020000, 6);
    Put16(undersized, 0, 60);
    EXPECT_FALSE(FixedFileVersion(undersized));
}

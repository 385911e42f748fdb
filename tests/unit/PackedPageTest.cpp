#include <gtest/gtest.h>

#include "PageFixtures.h"
#include "base/DataError.h"
#include "pagemodel/PackedPage.h"
#include "pagemodel/PageDataWriter.h"

namespace {

std::vector<std::uint8_t> FixturePage() {
    TPageView page;
    page.PageNumber = 3;
    for (int line = 1; line <= 3; ++line)
        for (int w = 0; w < 4; ++w) {
            float right = 570.f - 45.f * w;
            TSimpleSVG& word = AddWord(page, {line, {right - 33.3f, line * 60.f, right, line * 60.f + 31.7f}, 2,
                                              line, w == 3});
            word.Glyphs.push_back(BoxShape({right - 10, line * 60.f + 2, right - 1, line * 60.f + 9}));
        }
    page.Line(2).Add();  // a word without glyphs
    return WritePageData(page);
}

}  // namespace

TEST(PackedPage, UnpacksToTheSameBytes) {
    const std::vector<std::uint8_t> raw = FixturePage();
    const std::vector<std::uint8_t> packed = PackPage(raw);
    EXPECT_TRUE(IsPackedPage(packed));
    EXPECT_FALSE(IsPackedPage(raw));
    EXPECT_EQ(UnpackPage(packed), raw);
}

TEST(PackedPage, DamageIsReportedNeverReadPast) {
    const std::vector<std::uint8_t> packed = PackPage(FixturePage());
    std::vector<std::vector<std::uint8_t>> damaged;
    for (std::size_t cut : {std::size_t(0), std::size_t(4), std::size_t(19), std::size_t(20), packed.size() / 2,
                            packed.size() - 1})
        damaged.emplace_back(packed.begin(), packed.begin() + cut);
    for (std::size_t field : {4u, 8u, 12u, 16u}) {  // each header number made wrong
        auto d = packed;
        d[field] ^= 0x05;
        damaged.push_back(d);
        d[field + 3] = 0x7F;
        damaged.push_back(d);
    }
    for (std::size_t at = 20; at < packed.size(); at += 7) {  // flipped stream bytes
        auto d = packed;
        d[at] ^= 0xFF;
        damaged.push_back(d);
    }
    for (const auto& d : damaged) {
        try {
            std::vector<std::uint8_t> out = UnpackPage(d);
            // A flip the zlib checksum lets through must still give page-sized data.
            EXPECT_EQ(out.size(), FixturePage().size());
        } catch (const TDataError&) {
        }
    }
}

TEST(PackedPage, RefusesToPackWhatIsNotPageData) {
    std::vector<std::uint8_t> raw = FixturePage();
    raw.push_back(0);
    EXPECT_THROW(PackPage(raw), TDataError);
    EXPECT_THROW(PackPage(std::vector<std::uint8_t>{1, 0, 0}), TDataError);
}

TEST(PackedResource, EachKindUnpacksToWhatWasPacked) {
    const std::vector<std::uint8_t> page = FixturePage();
    const std::vector<std::uint8_t> text(5000, 'x');
    const std::vector<std::uint8_t> picture = {0x89, 'P', 'N', 'G', 1, 2, 3};
    EXPECT_EQ(UnpackResource(PackPage(page)), page);
    EXPECT_EQ(UnpackResource(PackResource(text)), text);
    EXPECT_LT(PackResource(text).size(), 100u);
    EXPECT_EQ(UnpackResource(picture), picture);

    std::vector<std::uint8_t> damaged = PackResource(text);
    damaged[7] = 0x7F;  // a stated size the stream cannot hold
    EXPECT_THROW(UnpackResource(damaged), TDataError);
}

// Bytes of the image read from the executable's file are those its mapping
// holds: the tests' own version resource, whole and in part; what is not in
// a section's file data is refused.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "base/win/ImageFileBytes.h"

TEST(ImageFileBytes, AreThoseOfTheMappedImage) {
    HRSRC info = FindResourceW(nullptr, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(16) /* RT_VERSION */);
    ASSERT_NE(info, nullptr);
    const auto* mapped = static_cast<const std::uint8_t*>(LockResource(LoadResource(nullptr, info)));
    const std::size_t size = SizeofResource(nullptr, info);
    ASSERT_GT(size, 64u);
    for (auto [from, count] : {std::pair<std::size_t, std::size_t>{0, size}, {1, 7}, {size - 5, 5}, {17, 0}}) {
        const auto read = ReadImageFileBytes(mapped + from, count);
        ASSERT_TRUE(read) << from << " " << count;
        EXPECT_EQ(*read, std::vector<std::uint8_t>(mapped + from, mapped + from + count)) << from << " " << count;
    }
    const std::vector<std::uint8_t> elsewhere(16, 1);  // on the heap, not in the image
    EXPECT_FALSE(ReadImageFileBytes(elsewhere.data(), elsewhere.size()));
    EXPECT_FALSE(ReadImageFileBytes(mapped, std::size_t(1) << 30));  // past its section
}

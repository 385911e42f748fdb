#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/Utf.h"
#include "text/CondensedText.h"

// Condensed and expanded again, a text and every part of it between two
// boundaries come back as written, a byte a character.
TEST(CondensedText, PartsComeBackAsWritten) {
    const std::string text = "قُلۡ هُوَ ٱللَّهُ أَحَدٌ ١ abc " + std::string("\xEF\xBB\xBF") + "z";  // with a 3-byte character
    const std::vector<std::uint32_t> at = {0, 8, 9, std::uint32_t(text.size() - 1), std::uint32_t(text.size())};
    std::vector<std::uint32_t> moved = at;
    const auto condensed = CondenseText(text, moved);
    ASSERT_TRUE(condensed);
    const std::u16string wide = Utf8ToUtf16(text);
    EXPECT_EQ(condensed->Bytes.size(), wide.size());
    for (std::size_t i = 0; i + 1 < at.size(); ++i)
        EXPECT_EQ(ExpandText(std::string_view(condensed->Bytes).substr(moved[i], moved[i + 1] - moved[i]),
                             condensed->Characters),
                  Utf8ToUtf16(text.substr(at[i], at[i + 1] - at[i])))
            << i;
}

// What a byte a character cannot hold is refused, the boundaries untouched.
TEST(CondensedText, RefusesWhatItCannotHold) {
    std::string many;
    for (char16_t c = 0x4E00; c < 0x4E00 + 257; ++c) many += Utf16ToUtf8(std::u16string(1, c));
    std::string fits;
    for (char16_t c = 0x4E00; c < 0x4E00 + 256; ++c) fits += Utf16ToUtf8(std::u16string(1, c));
    struct TCase {
        std::string Text;
        std::vector<std::uint32_t> Boundaries;
        bool Condensed;
    } cases[] = {
        {fits, {0, 3}, true},
        {many, {0}, false},                        // 257 characters
        {"a\xF0\x9D\x84\x9E", {0}, false},         // beyond the plane
        {"a\xD9", {0}, false},                     // cut in a character
        {"a\xC0\x81", {0}, false},                 // overlong
        {"a\xED\xA0\x80", {0}, false},             // a surrogate
        {"\xD9\x8E", {1}, false},                  // a boundary inside a character
        {"ab", {0, 3}, false},                     // a boundary past the end
        {"", {0}, true},
    };
    for (const TCase& c : cases) {
        std::vector<std::uint32_t> boundaries = c.Boundaries;
        EXPECT_EQ(CondenseText(c.Text, boundaries).has_value(), c.Condensed) << testing::PrintToString(c.Text);
        if (!c.Condensed) EXPECT_EQ(boundaries, c.Boundaries);
    }
}

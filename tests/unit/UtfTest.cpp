#include <gtest/gtest.h>

#include <string>

#include "base/Utf.h"

namespace {

TEST(Utf, ConvertsEveryLength) {
    const std::string utf8 = "A\xD8\xA8\xEF\xB7\x90\xF0\x9F\x98\x80";  // A, U+0628, U+FDD0, U+1F600
    const std::u16string utf16 = u"A\u0628\uFDD0\U0001F600";
    EXPECT_EQ(Utf8ToUtf16(utf8), utf16);
    EXPECT_EQ(Utf16ToUtf8(utf16), utf8);
}

TEST(Utf, ReplacesIllFormedSequences) {
    struct TCase {
        std::string Input;
        std::u16string Expected;
    };
    const TCase cases[] = {
        {"a\xD8", u"a\uFFFD"},                        // cut short at the end
        {"\xD8" "b", u"\uFFFDb"},                     // cut short before ASCII
        {"\xC0\xAF", u"\uFFFD\uFFFD"},                // overlong
        {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},      // an encoded surrogate
        {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},  // beyond U+10FFFF
        {"\xE2\x82", u"\uFFFD"},                      // one replacement for the prefix
        {"\x80x", u"\uFFFDx"},                        // a stray continuation byte
    };
    for (const TCase& c : cases) EXPECT_EQ(Utf8ToUtf16(c.Input), c.Expected);
}

TEST(Utf, ReplacesLoneSurrogates) {
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t(0xD800)) + u"a"), "\xEF\xBF\xBD" "a");
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t(0xDC00))), "\xEF\xBF\xBD");
}

}  // namespace

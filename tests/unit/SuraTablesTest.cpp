#include <gtest/gtest.h>

#include <numeric>
#include <set>
#include <string>

#include "base/Utf.h"
#include "text/SuraTables.h"

namespace {

std::u16string U(const char* utf8) { return Utf8ToUtf16(utf8); }

TEST(SuraTables, NamesWithVowelMarks) {
    EXPECT_EQ(SuraNamesTashkeel[112], U("الإِخۡلَاص"));
    EXPECT_EQ(SuraNamesTashkeel[20], U("طه"));
    EXPECT_EQ(SuraNamesTashkeel[1], U("الفَاتِحَةِ"));
    // Shadda before the fatha, as the list writes it.
    EXPECT_EQ(SuraNamesTashkeel[114], u"\u0627\u0644\u0646\u0651\u064E\u0627\u0633");
    // Alef with a combining maddah, not U+0622; a tatweel in sura 5.
    EXPECT_EQ(SuraNamesTashkeel[3].substr(0, 2), u"\u0627\u0653");
    EXPECT_NE(SuraNamesTashkeel[5].find(u'\u0640'), std::u16string_view::npos);
    for (int s = 1; s <= 114; ++s) EXPECT_NE(SuraNamesTashkeel[s].back(), u' ') << s;
}

TEST(SuraTables, TrailingSpacesOfThePlainNames) {
    const std::set<int> oneSpace = {1,  2,  5,  8,  14, 16, 17, 18, 21, 23, 24, 25, 26, 27, 29, 32,
                                    43, 44, 45, 52, 55, 57, 58, 61, 68, 71, 73, 78, 81, 88, 90, 105};
    for (int s = 1; s <= 114; ++s) {
        const std::u16string_view name = SuraNames[s];
        const std::size_t kept = name.find_last_not_of(u' ');
        const std::size_t spaces = name.size() - kept - 1;
        EXPECT_EQ(spaces, s == 41 ? 2u : oneSpace.count(s) ? 1u : 0u) << s;
    }
    EXPECT_EQ(SuraNames[7], U("الأعراف"));
    EXPECT_EQ(SuraNamesAlt[7], U("الاعراف "));
}

TEST(SuraTables, SecondSpellingDiffersInFiveSuras) {
    std::set<int> differing;
    for (int s = 1; s <= 114; ++s)
        if (SuraNames[s] != SuraNamesAlt[s]) differing.insert(s);
    EXPECT_EQ(differing, (std::set<int>{3, 7, 34, 78, 82}));
    EXPECT_EQ(SuraNamesAlt[3], U("أل عمران"));
    EXPECT_EQ(SuraNamesAlt[34], U("سبأ"));
    EXPECT_EQ(SuraNames[78], U("النبإ "));
    EXPECT_EQ(SuraNamesAlt[78], U("النبأ "));
    EXPECT_EQ(SuraNamesAlt[82], U("الإنفطار"));
}

TEST(SuraTables, Provenance) {
    const std::set<int> medinan = {2,  3,  4,  5,  8,  9,  13, 22, 24, 33, 47, 48, 49, 55,
                                   57, 58, 59, 60, 61, 62, 63, 64, 65, 66, 76, 98, 99, 110};
    for (int s = 1; s <= 114; ++s)
        EXPECT_EQ(SuraProvenance[s], medinan.count(s) ? U("مدنية") : U("مكية")) << s;
}

TEST(SuraTables, FirstPagesAndAyaCounts) {
    const int firstPages[][2] = {{1, 1},    {2, 2},    {3, 50},   {4, 77},   {9, 187},
                                 {18, 293}, {36, 440}, {67, 562}, {78, 582}, {109, 603},
                                 {110, 603}, {111, 603}, {112, 604}, {113, 604}, {114, 604}};
    for (const auto& r : firstPages) EXPECT_EQ(SuraFirstPages[r[0]], r[1]) << r[0];
    const int counts[][2] = {{1, 7},    {2, 286}, {3, 200}, {9, 129}, {26, 227},
                             {103, 3},  {108, 3}, {110, 3}, {114, 6}};
    for (const auto& r : counts) EXPECT_EQ(SuraAyaCounts[r[0]], r[1]) << r[0];
    EXPECT_EQ(SuraFirstPages[0], 1);
    EXPECT_EQ(SuraAyaCounts[0], 0);
    EXPECT_EQ(std::accumulate(SuraAyaCounts.begin(), SuraAyaCounts.end(), 0), 6236);
    for (int s = 2; s <= 114; ++s) EXPECT_LE(SuraFirstPages[s - 1], SuraFirstPages[s]) << s;
}

}  // namespace

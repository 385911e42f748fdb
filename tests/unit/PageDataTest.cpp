#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "base/DataError.h"
#include "pagemodel/PageData.h"
#include "pagemodel/PageDataWriter.h"
#include "pagemodel/Page.h"
#include "PageFixtures.h"

namespace {

// Three word records in reading order: line 3 holds a word of two glyphs
// and an aya mark, line 4 one word.
std::vector<std::uint8_t> SmallPageData() {
    TPage page;
    page.PageNumber = 50;
    TWordObject& first = AddWord(page, {3, {500, 100, 560, 140}, 2, 5});
    first.Glyphs.push_back(BoxShape({505, 90, 520, 99}));
    first.Glyphs[1]->ObjectID = first.ObjectID;
    AddWord(page, {3, {450, 100, 490, 140}, 2, 5, true});
    AddWord(page, {4, {400, 150, 560, 190}, 2, 6});
    page.InitialLinesData();  // places in the aya, as the data compiler leaves them
    return WritePageData(page);
}

// Offsets into SmallPageData: the first word record begins after N and its
// line number; each box glyph has four segments.
constexpr std::size_t ShapeSize = 29 + 28 * 4;
constexpr std::size_t Word1Glyph1 = 12;
constexpr std::size_t Word1Glyph2 = Word1Glyph1 + ShapeSize;
constexpr std::size_t Word1Tail = Word1Glyph1 + 2 * ShapeSize;  // ObjectID, LineNumber, ...
constexpr std::size_t Word1End = Word1Tail + 26;
// The word's own fields from its tail on: ObjectID, LineNumber, PageNumber,
// AyaMark, then these.
constexpr std::size_t SuraField = 13, AyaField = 17, PlaceField = 21;
// The second record, the aya mark of one glyph.
constexpr std::size_t Word2Tail = Word1End + 8 + ShapeSize;
constexpr std::size_t Word2End = Word2Tail + 26;

void PutI32(std::vector<std::uint8_t>& bytes, std::size_t at, std::int32_t v) {
    std::memcpy(bytes.data() + at, &v, 4);
}

void PutF32(std::vector<std::uint8_t>& bytes, std::size_t at, float v) {
    std::memcpy(bytes.data() + at, &v, 4);
}

std::int32_t GetI32(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    std::int32_t v;
    std::memcpy(&v, bytes.data() + at, 4);
    return v;
}

bool IsCleared(const TPage& page) {
    for (int i = 1; i <= 15; ++i)
        if (page.Line(i).Count() != 0 || page.Line(i).LineType != ltEmpty) return false;
    return page.WordList.empty() && page.ShapeList.empty() && !page.Selected();
}

}  // namespace

TEST(PageData, RecordsStartWithTheirCountsAndLineNumbers) {
    const auto bytes = SmallPageData();
    ASSERT_EQ(bytes.size(), 4 + 3 * (4 + 30) + 4 * ShapeSize);
    EXPECT_EQ(GetI32(bytes, 0), 3);                 // N
    EXPECT_EQ(GetI32(bytes, 4), 3);                 // line of the first record
    EXPECT_EQ(GetI32(bytes, 8), 2);                 // its glyph count
    EXPECT_EQ(GetI32(bytes, Word1Glyph1 + 8), 4);   // segments of its first glyph
    EXPECT_EQ(GetI32(bytes, Word1Tail + 4), 3);     // the word's own line number
    EXPECT_EQ(GetI32(bytes, Word1End), 3);          // line of the second record
}

TEST(PageData, LoadsEveryWordIntoItsLineAndRoundTrips) {
    const auto bytes = SmallPageData();
    TPage page;
    page.PageNumber = 50;
    LoadPageData(page, bytes);
    LoadPageData(page, bytes);  // a second load replaces, never appends
    EXPECT_EQ(page.Line(3).LineType, ltText);
    EXPECT_EQ(page.Line(4).LineType, ltText);
    EXPECT_EQ(page.Line(1).LineType, ltEmpty);
    ASSERT_EQ(page.Line(3).Count(), 2);
    ASSERT_EQ(page.Line(4).Count(), 1);
    page.InitialLinesData();
    EXPECT_EQ(page.Line(1).LineType, ltSuraName);
    EXPECT_EQ(page.Line(2).LineType, ltBasmala);

    ASSERT_EQ(page.WordList.size(), 3u);
    const TWordObject& mark = *page.WordList[1];
    EXPECT_TRUE(mark.AyaMark);
    EXPECT_EQ(mark.ObjectType, otAyaMark);
    EXPECT_EQ(mark.SuraNumber, 2);
    EXPECT_EQ(mark.AyaNumber, 5);
    EXPECT_EQ(mark.PageNumber, 50);
    EXPECT_TRUE(mark.Glyphs[0]->AyaMark);
    EXPECT_EQ(page.WordList[0]->Count(), 2);
    EXPECT_EQ(page.ShapeList.size(), 4u);
    EXPECT_EQ(page.WordList[0]->MinY(), 90);

    // Written again, the loaded page gives the same bytes.
    EXPECT_EQ(WritePageData(page), bytes);
}

TEST(PageData, EveryTruncationRaisesADataErrorAndLeavesThePageCleared) {
    const auto bytes = SmallPageData();
    for (std::size_t n = 0; n < bytes.size(); ++n) {
        TPage page;
        page.PageNumber = 50;
        LoadPageData(page, bytes);
        try {
            LoadPageData(page, std::span(bytes.data(), n));
            ADD_FAILURE() << "no error for " << n << " bytes";
        } catch (const TDataError& e) {
            EXPECT_LE(e.Offset(), n);
        }
        EXPECT_TRUE(IsCleared(page)) << n << " bytes";
        EXPECT_EQ(page.PageNumber, 50);
    }
}

TEST(PageData, MalformedRecordsNameTheRecordAndOffset) {
    using Bytes = std::vector<std::uint8_t>;
    struct Case {
        const char* What;
        void (*Damage)(Bytes&);
        const char* Record;
        std::size_t Offset;
    };
    const std::size_t End = SmallPageData().size();  // where the intact data ends
    const Case cases[] = {
        {"no data at all", [](Bytes& b) { b.clear(); }, "page", 0},
        {"negative word count", [](Bytes& b) { PutI32(b, 0, -1); }, "page", 4},
        {"word count beyond the data", [](Bytes& b) { PutI32(b, 0, 0x7fffffff); }, "page", 4},
        {"one word record missing", [](Bytes& b) { PutI32(b, 0, 4); }, "word record 4", End},
        {"line number 0", [](Bytes& b) { PutI32(b, 4, 0); }, "word record 1", 4},
        {"line number 16", [](Bytes& b) { PutI32(b, 4, 16); }, "word record 1", 4},
        {"line number of the second record", [](Bytes& b) { PutI32(b, Word1End, -3); },
         "word record 2", Word1End},
        {"negative glyph count", [](Bytes& b) { PutI32(b, 8, -5); }, "word record 1", 12},
        {"glyph count beyond the data", [](Bytes& b) { PutI32(b, 8, 1 << 30); }, "word record 1", 12},
        {"negative segment count", [](Bytes& b) { PutI32(b, Word1Glyph1 + 8, -1); },
         "word record 1, glyph shape record 1", Word1Glyph1 + 12},
        {"segment count beyond the data", [](Bytes& b) { PutI32(b, Word1Glyph2 + 8, 100000); },
         "word record 1, glyph shape record 2", Word1Glyph2 + 12},
        {"data ends inside the segments",
         [](Bytes& b) {
             PutI32(b, 0, 1);  // so that the word and glyph counts still fit
             PutI32(b, 8, 1);
             b.resize(Word1Glyph1 + 30);
         },
         "word record 1, glyph shape record 1", Word1Glyph1 + 12},
        {"data ends inside the word's own fields", [](Bytes& b) { b.resize(Word1Tail + 10); },
         "word record 1", Word1Tail + 8},
        {"word's line number differs from the one before it",
         [](Bytes& b) { PutI32(b, Word1Tail + 4, 4); }, "word record 1", Word1End},
        {"bytes after the last record", [](Bytes& b) { b.push_back(0); }, "page", End},
        // A word that names no aya of the Quran, or a place no page holds.
        {"sura 0", [](Bytes& b) { PutI32(b, Word1Tail + SuraField, 0); }, "word record 1", Word1End},
        {"sura 115", [](Bytes& b) { PutI32(b, Word1Tail + SuraField, 115); }, "word record 1", Word1End},
        {"sura 31753", [](Bytes& b) { PutI32(b, Word1Tail + SuraField, 31753); }, "word record 1", Word1End},
        {"negative sura", [](Bytes& b) { PutI32(b, Word1Tail + SuraField, -2); }, "word record 1", Word1End},
        {"aya 0", [](Bytes& b) { PutI32(b, Word1Tail + AyaField, 0); }, "word record 1", Word1End},
        {"aya 287 of sura 2", [](Bytes& b) { PutI32(b, Word1Tail + AyaField, 287); }, "word record 1", Word1End},
        {"aya near the 32-bit limit", [](Bytes& b) { PutI32(b, Word2Tail + AyaField, 0x7fffffff); },
         "word record 2", Word2End},
        {"aya 8 of sura 1, which has 7",
         [](Bytes& b) {
             PutI32(b, Word1Tail + SuraField, 1);
             PutI32(b, Word1Tail + AyaField, 8);
         },
         "word record 1", Word1End},
        {"a word's place beyond the page's words", [](Bytes& b) { PutI32(b, Word1Tail + PlaceField, 4); },
         "word record 1", Word1End},
        {"a word's place near the 32-bit limit",
         [](Bytes& b) { PutI32(b, Word1Tail + PlaceField, -0x7fffffff - 1); }, "word record 1", Word1End},
        // Coordinates that are no finite numbers: the starting point, then a
        // point of the second segment (each segment is 28 bytes after the count).
        {"a starting point that is not a number",
         [](Bytes& b) { PutF32(b, Word1Glyph1, std::numeric_limits<float>::quiet_NaN()); },
         "word record 1, glyph shape record 1", Word1Glyph1},
        {"an infinite starting point of the aya mark",
         [](Bytes& b) { PutF32(b, Word1End + 8 + 4, -std::numeric_limits<float>::infinity()); },
         "word record 2, glyph shape record 1", Word1End + 8},
        {"a segment point that is not a number",
         [](Bytes& b) { PutF32(b, Word1Glyph2 + 12 + 28 + 4, std::numeric_limits<float>::quiet_NaN()); },
         "word record 1, glyph shape record 2", Word1Glyph2 + 12 + 28},
        {"an infinite segment point",
         [](Bytes& b) { PutF32(b, Word1Glyph1 + 12 + 3 * 28, std::numeric_limits<float>::infinity()); },
         "word record 1, glyph shape record 1", Word1Glyph1 + 12 + 3 * 28},
        {"more words than any page holds", [](Bytes& b) { PutI32(b, 0, MaxPageWords + 1); }, "page", 4},
        {"a place of the last record beyond the page's words", [](Bytes& b) { PutI32(b, Word2Tail + PlaceField, 4); },
         "word record 2", Word2End},
    };
    for (const Case& c : cases) {
        Bytes bytes = SmallPageData();
        c.Damage(bytes);
        const std::size_t offset = c.Offset;
        TPage page;
        page.PageNumber = 50;
        try {
            LoadPageData(page, bytes);
            ADD_FAILURE() << c.What << ": no error";
        } catch (const TDataError& e) {
            EXPECT_EQ(e.Record(), c.Record) << c.What;
            EXPECT_EQ(e.Offset(), offset) << c.What;
            const std::string message = e.what();
            EXPECT_NE(message.find(c.Record), std::string::npos) << message;
            EXPECT_NE(message.find("at byte " + std::to_string(offset)), std::string::npos) << message;
        }
        EXPECT_TRUE(IsCleared(page)) << c.What;
    }
}

TEST(PageData, EveryAyaOfTheQuranIsAccepted) {
    // The bounds of the sura and aya numbers, on the first word.
    const std::pair<int, int> ayat[] = {{1, 1}, {1, 7}, {2, 286}, {9, 129}, {114, 6}};
    for (auto [sura, aya] : ayat) {
        auto bytes = SmallPageData();
        PutI32(bytes, Word1Tail + SuraField, sura);
        PutI32(bytes, Word1Tail + AyaField, aya);
        TPage page;
        page.PageNumber = 50;
        EXPECT_NO_THROW(LoadPageData(page, bytes)) << sura << ":" << aya;
        EXPECT_EQ(page.Line(3).Words[0]->AyaNumber, aya);
    }
}

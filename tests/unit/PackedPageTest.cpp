#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <memory>
#include <string>

#include "PageFixtures.h"
#include "SamePage.h"
#include "base/Compression.h"
#include "base/DataError.h"
#include "base/ResourceMap.h"
#include "pagemodel/OutlineDictionary.h"
#include "pagemodel/PackedPage.h"
#include "pagemodel/PageData.h"
#include "pagemodel/PageDataWriter.h"
#include "pagemodel/PageResource.h"
#include "pagemodel/UnpackingResourceSource.h"

namespace {

// Words of box glyphs on a 1/256 grid: the same box recurs at other places,
// on this page and on the next, as glyphs of one face do.
std::vector<std::uint8_t> GridPage(int number, float shift) {
    TPage page;
    page.PageNumber = number;
    for (int line = 1; line <= 3; ++line)
        for (int w = 0; w < 4; ++w) {
            const float right = 570.25f - 45.5f * w - shift, top = line * 60.125f;
            TWordObject& word = AddWord(page, {line, {right - 33.75f, top, right, top + 31.5f}, 2, line, w == 3});
            word.Glyphs.push_back(BoxShape({right - 10, top + 2, right - 1, top + 9.5f}));
        }
    TWordObject& bare = page.Line(2).Add();  // a word without glyphs
    bare.LineNumber = 2;
    bare.SuraNumber = 2;
    bare.AyaNumber = 2;
    return WritePageData(page);
}

// Shapes that are no grid outline around their move: far from it (the points
// do not come back exactly), a step between two points too long to store, an
// unknown segment kind with a point set, a move whose unused points are set;
// and one without segments.
std::vector<std::uint8_t> IrregularPage() {
    TPage page;
    page.PageNumber = 9;
    TWordObject& word = AddWord(page, {4, {100, 100, 140, 130}, 3, 1});
    auto far = BoxShape({0.1f, 0.3f, 0.7f, 0.9f});
    far->MoveToPoint = {1e7f, -3e7f};
    word.Glyphs.push_back(std::move(far));
    word.Glyphs.push_back(BoxShape({0, 0, 300, 10}));
    auto odd = BoxShape({10, 10, 20, 20});
    odd->CounterData[1].Kind = TLineCurveKind(7);
    odd->CounterData[1].A = {0.123f, 4.56f};
    odd->CounterData[0].B = {0.3f, 0.7f};
    word.Glyphs.push_back(std::move(odd));
    word.Glyphs.push_back(std::make_unique<TGlyphShape>());
    return WritePageData(page);
}

struct TPackedSet {
    std::vector<std::uint8_t> Dictionary;
    std::vector<std::vector<std::uint8_t>> Pages;
    std::vector<std::vector<std::uint32_t>> References;
};

// The packing steps over pages in their order.
TPackedSet PackSet(const std::vector<std::vector<std::uint8_t>>& raws) {
    TOutlineDictionaryBuilder builder;
    std::vector<TSplitPage> split;
    TPackedSet set;
    for (const auto& raw : raws) {
        split.push_back(SplitPage(raw));
        set.References.push_back(EnterOutlines(split.back(), builder));
    }
    for (std::size_t i = 0; i < raws.size(); ++i)
        set.Pages.push_back(PackPage(split[i], set.References[i], builder.Key()));
    set.Dictionary = builder.Write();
    return set;
}

void PutU32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = std::uint8_t(v >> (8 * i));
}
std::uint32_t GetU32(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | std::uint32_t(bytes[at + 3]) << 24;
}

}  // namespace

TEST(PackedPage, PagesSharingOneDictionaryUnpackToTheirBytes) {
    const std::vector<std::vector<std::uint8_t>> raws = {GridPage(3, 0), GridPage(4, 3.5f), IrregularPage()};
    const TPackedSet set = PackSet(raws);
    const TOutlineDictionary dictionary(set.Dictionary);
    for (std::size_t i = 0; i < raws.size(); ++i) {
        EXPECT_TRUE(IsPackedPage(set.Pages[i]));
        EXPECT_EQ(UnpackPage(set.Pages[i], dictionary), raws[i]) << "page " << i;
    }
    EXPECT_FALSE(IsPackedPage(raws[0]));
    // The word boxes and the small boxes: one outline each, wherever they stand.
    EXPECT_EQ(set.References[0], set.References[1]);
    EXPECT_EQ(set.References[0][0], set.References[0][2]);
    EXPECT_NE(set.References[0][0], set.References[0][1]);
}

// Whatever page data the loader accepts the packer takes, and what it
// refuses the packer refuses with the same error.
TEST(PackedPage, PacksExactlyWhatTheLoaderAccepts) {
    auto glyphless = [](int words) {
        std::vector<TWordObject> list(words);
        for (TWordObject& w : list) w.LineNumber = 5;
        return WritePageData(list);
    };
    std::vector<std::uint8_t> trailing = GridPage(3, 0);
    trailing.push_back(0);
    std::vector<std::uint8_t> badLine = glyphless(2);
    PutU32(badLine, 4 + 34, 16);
    const struct {
        const char* Name;
        std::vector<std::uint8_t> Raw;
    } cases[] = {
        {"no words", glyphless(0)},
        {"one word without glyphs", glyphless(1)},
        {"three words without glyphs", glyphless(3)},
        {"a word count one too high", [&] {
             auto d = glyphless(3);
             PutU32(d, 0, 4);
             return d;
         }()},
        {"a byte after the last record", trailing},
        {"a line number outside 1 to 15", badLine},
        {"cut short", std::vector<std::uint8_t>(trailing.begin(), trailing.begin() + 60)},
    };
    for (const auto& c : cases) {
        std::string loaderError, packerError;
        TPage page;
        try {
            LoadPageData(page, c.Raw);
        } catch (const TDataError& e) {
            loaderError = e.what();
        }
        try {
            const TPackedSet set = PackSet({c.Raw});
            EXPECT_EQ(UnpackPage(set.Pages[0], TOutlineDictionary(set.Dictionary)), c.Raw) << c.Name;
        } catch (const TDataError& e) {
            packerError = e.what();
        }
        EXPECT_EQ(packerError, loaderError) << c.Name;
    }
}

TEST(PackedPage, BadReferencesAndCountsAreRefusedNamingRecordAndOffset) {
    const std::vector<std::uint8_t> raw = GridPage(3, 0);
    const TPackedSet set = PackSet({raw});
    const TOutlineDictionary dictionary(set.Dictionary);
    const std::vector<std::uint8_t>& good = set.Pages[0];
    const TSplitPage split = SplitPage(raw);
    const std::uint32_t shapes = GetU32(good, 12), structure = GetU32(good, 8);
    ASSERT_EQ(shapes, split.Shapes.size());

    auto repacked = [&](std::vector<std::uint32_t> refs, std::size_t dropShapes = 0) {
        TSplitPage s = split;
        s.Shapes.resize(s.Shapes.size() - dropShapes);
        refs.resize(refs.size() - dropShapes);
        return PackPage(s, refs, dictionary.Key());
    };
    auto header = [&](std::size_t at, std::uint32_t v) {
        auto d = good;
        PutU32(d, at, v);
        return d;
    };
    std::vector<std::uint32_t> outside = set.References[0];
    outside[1] = std::uint32_t(dictionary.Count());
    std::vector<std::uint32_t> far = set.References[0];
    far.back() = 0xFFFFFFFFu;

    const struct {
        const char* Name;
        std::vector<std::uint8_t> Packed;
        std::string Record;
        std::size_t Offset;
    } cases[] = {
        {"a reference one past the dictionary", repacked(outside), "packed page, glyph shape reference 2",
         structure + 1},
        {"the largest reference", repacked(far), "packed page, glyph shape reference " + std::to_string(shapes),
         structure + shapes - 1},
        {"fewer references than glyph shapes", repacked(set.References[0], 1), "packed page", 12},
        {"a raw size too small", header(4, GetU32(good, 4) - 28), "packed page", 4},
        {"a raw size too large", header(4, GetU32(good, 4) + 1), "packed page", 4},
        {"a glyph shape count the stream does not hold", header(12, shapes + 1), "packed page stream", 0},
        {"a structure size the stream does not hold", header(8, structure - 1), "packed page stream", 0},
        {"counts beyond what the stream can hold", header(12, 0x40000000u), "packed page", 8},
        {"another dictionary's key", header(16, dictionary.Key() ^ 1), "packed page", 16},
        {"cut inside the header", std::vector<std::uint8_t>(good.begin(), good.begin() + 10), "packed page", 8},
    };
    for (const auto& c : cases) {
        try {
            UnpackPage(c.Packed, dictionary);
            ADD_FAILURE() << c.Name << ": accepted";
        } catch (const TDataError& e) {
            EXPECT_EQ(e.Record(), c.Record) << c.Name << ": " << e.what();
            if (c.Record != "packed page stream") {  // zlib tells where it stopped
                EXPECT_EQ(e.Offset(), c.Offset) << c.Name << ": " << e.what();
            }
        }
    }
}

// A few kilobytes that would inflate to megabytes: refused from the header
// before anything is inflated, as is a raw size no page comes near.
TEST(PackedPage, PagesFarLargerThanAnyPageAreRefusedBeforeInflating) {
    const TPackedSet set = PackSet({GridPage(3, 0)});
    const TOutlineDictionary dictionary(set.Dictionary);
    std::vector<std::uint8_t> bomb(set.Pages[0].begin(), set.Pages[0].begin() + 20);
    const std::vector<std::uint8_t> zeros(5u << 20);
    PutU32(bomb, 8, std::uint32_t(zeros.size()));  // the structure
    PutU32(bomb, 12, 0);                           // no glyph shapes
    const std::vector<std::uint8_t> stream = DeflateBytes(zeros);
    ASSERT_LT(stream.size(), 10000u);
    bomb.insert(bomb.end(), stream.begin(), stream.end());

    std::vector<std::uint8_t> huge = set.Pages[0];
    PutU32(huge, 4, (4u << 20) + 1);

    const struct {
        const char* Name;
        const std::vector<std::uint8_t>& Packed;
        std::size_t Offset;
    } cases[] = {{"a structure of 5 MB", bomb, 8}, {"a raw size just over 4 MB", huge, 4}};
    for (const auto& c : cases) {
        try {
            UnpackPage(c.Packed, dictionary);
            ADD_FAILURE() << c.Name << ": accepted";
        } catch (const TDataError& e) {
            EXPECT_EQ(e.Record(), "packed page") << c.Name << ": " << e.what();
            EXPECT_EQ(e.Offset(), c.Offset) << c.Name << ": " << e.what();
        }
    }
}

TEST(PackedPage, AStructureThatIsNotPageDataIsRefusedAsThePackedPages) {
    TSplitPage split = SplitPage(GridPage(3, 0));
    PutU32(split.Structure, 4, 0);  // the first word's line number
    TOutlineDictionaryBuilder builder;
    const std::vector<std::uint32_t> refs = EnterOutlines(split, builder);
    try {
        UnpackPage(PackPage(split, refs, builder.Key()), TOutlineDictionary(builder.Write()));
        ADD_FAILURE() << "accepted";
    } catch (const TDataError& e) {
        EXPECT_EQ(e.Record(), "packed page structure, word record 1");
        EXPECT_EQ(e.Offset(), 4u);
    }
}

TEST(PackedPage, DamageIsReportedNeverReadPast) {
    const std::vector<std::uint8_t> raw = GridPage(3, 0);
    const TPackedSet set = PackSet({raw, IrregularPage()});
    const TOutlineDictionary dictionary(set.Dictionary);
    std::vector<std::vector<std::uint8_t>> pages, dictionaries;
    for (std::size_t at = 0; at < set.Pages[0].size(); at += 5) {
        pages.emplace_back(set.Pages[0].begin(), set.Pages[0].begin() + std::ptrdiff_t(at));
        pages.push_back(set.Pages[0]);
        pages.back()[at] ^= 0x5A;
    }
    for (std::size_t at = 0; at < set.Dictionary.size(); at += 3) {
        dictionaries.emplace_back(set.Dictionary.begin(), set.Dictionary.begin() + std::ptrdiff_t(at));
        dictionaries.push_back(set.Dictionary);
        dictionaries.back()[at] ^= 0x5A;
    }
    // Point and verbatim segment counts changed together so that the stream still fits.
    dictionaries.push_back(set.Dictionary);
    PutU32(dictionaries.back(), 16, GetU32(set.Dictionary, 16) - 7);
    PutU32(dictionaries.back(), 20, GetU32(set.Dictionary, 20) + 1);

    for (const auto& d : pages) {
        try {
            // What gets through (a byte the stream's checksum does not cover) is still page data.
            TPage page;
            LoadPageData(page, UnpackPage(d, dictionary));
        } catch (const TDataError&) {
        }
    }
    for (const auto& d : dictionaries) {
        try {
            const TOutlineDictionary damaged(d);
            UnpackPage(set.Pages[0], damaged);
        } catch (const TDataError&) {
        }
    }
    EXPECT_THROW(TOutlineDictionary{dictionaries.back()}, TDataError);
}

namespace {

// What reading a page gave: its records, or the error (record, offset and
// problem) it raised.
struct TReadOutcome {
    std::vector<TWordObject> Records;
    std::string Error;
};

template <class Read>
TReadOutcome Outcome(Read read) {
    TReadOutcome o;
    try {
        o.Records = read();
    } catch (const TDataError& e) {
        o.Error = e.Record() + " @" + std::to_string(e.Offset()) + ": " + e.Problem();
    }
    return o;
}

// The page packed with segment 2 of its first outline kept verbatim changed
// by `change`: a dictionary the packer never writes (a coordinate that is no
// number, padding that is not zero).
template <class Change>
TPackedSet PackedWithVerbatimChange(const std::vector<std::uint8_t>& raw, Change change) {
    TSplitPage split = SplitPage(raw);
    bool changed = false;
    for (TOutlineRecord& o : split.Outlines)
        if (!changed && (std::uint8_t(o[3]) & 0x80) && o.size() >= 4 + 2 * sizeof(TLineCurve)) {
            TLineCurve c;
            std::memcpy(&c, o.data() + 4 + sizeof(TLineCurve), sizeof c);
            change(c);
            std::memcpy(o.data() + 4 + sizeof(TLineCurve), &c, sizeof c);
            changed = true;
        }
    EXPECT_TRUE(changed) << "the page holds no verbatim outline to change";
    TOutlineDictionaryBuilder builder;
    TPackedSet set;
    set.References.push_back(EnterOutlines(split, builder));
    set.Pages.push_back(PackPage(split, set.References[0], builder.Key()));
    set.Dictionary = builder.Write();
    return set;
}

TPackedSet PackedWithNotANumber(const std::vector<std::uint8_t>& raw) {
    return PackedWithVerbatimChange(raw, [](TLineCurve& c) { c.A.x = std::numeric_limits<float>::quiet_NaN(); });
}

}  // namespace

// Opening a page takes its records straight from the packed page; they are
// those of the page data that UnpackPage writes, field for field.
TEST(PackedPage, RecordsUnpackedStraightAreThoseOfItsPageData) {
    const std::vector<std::vector<std::uint8_t>> raws = {GridPage(3, 0), GridPage(4, 3.5f), IrregularPage()};
    const TPackedSet set = PackSet(raws);
    const TOutlineDictionary dictionary(set.Dictionary);
    for (std::size_t i = 0; i < raws.size(); ++i) {
        const std::vector<TWordObject> straight = UnpackPageRecords(set.Pages[i], dictionary);
        EXPECT_TRUE(SameRecords(straight, ReadPageRecords(raws[i]))) << "page " << i;
        EXPECT_TRUE(SameRecords(straight, ReadPageRecords(UnpackPage(set.Pages[i], dictionary)))) << "page " << i;
    }
}

// A damaged packed page or dictionary fails the same way whether its page
// data is written and read or its records are taken straight: the same
// error, or the same records where the damage goes unseen.
TEST(PackedPage, DamageGivesTheSameErrorTakenStraightAsFromPageData) {
    const TPackedSet set = PackSet({GridPage(3, 0), IrregularPage()});
    const TPackedSet notANumber = PackedWithNotANumber(IrregularPage());
    struct TCase {
        std::vector<std::uint8_t> Page, Dictionary;
    };
    const TPackedSet padded = PackedWithVerbatimChange(IrregularPage(), [](TLineCurve& c) {
        c.Padding[0] = 1;
        c.Padding[2] = 0xFF;
    });
    std::vector<TCase> cases = {{notANumber.Pages[0], notANumber.Dictionary}, {padded.Pages[0], padded.Dictionary}};
    for (std::size_t page = 0; page < set.Pages.size(); ++page) {
        const std::vector<std::uint8_t>& good = set.Pages[page];
        for (std::size_t at = 0; at < good.size(); at += 3) {
            cases.push_back({{good.begin(), good.begin() + std::ptrdiff_t(at)}, set.Dictionary});
            cases.push_back({good, set.Dictionary});
            cases.back().Page[at] ^= 0x5A;
        }
        for (std::size_t at = 0; at < set.Dictionary.size(); at += 3) {
            cases.push_back({good, set.Dictionary});
            cases.back().Dictionary[at] ^= 0x5A;
        }
    }
    int refused = 0;
    for (std::size_t i = 0; i < cases.size(); ++i) {
        std::unique_ptr<TOutlineDictionary> dictionary;
        try {
            dictionary = std::make_unique<TOutlineDictionary>(cases[i].Dictionary);
        } catch (const TDataError&) {
            continue;
        }
        const TReadOutcome fromBytes = Outcome([&] { return ReadPageRecords(UnpackPage(cases[i].Page, *dictionary)); });
        const TReadOutcome straight = Outcome([&] { return UnpackPageRecords(cases[i].Page, *dictionary); });
        EXPECT_EQ(straight.Error, fromBytes.Error) << "case " << i;
        EXPECT_TRUE(SameRecords(straight.Records, fromBytes.Records)) << "case " << i;
        refused += fromBytes.Error.empty() ? 0 : 1;
    }
    EXPECT_GT(refused, 0);
    const TReadOutcome nan = Outcome([&] {
        return UnpackPageRecords(notANumber.Pages[0], TOutlineDictionary(notANumber.Dictionary));
    });
    EXPECT_EQ(nan.Error.rfind("word record 1, glyph shape record ", 0), 0u) << nan.Error;
    EXPECT_NE(nan.Error.find("segment 2 has a coordinate that is not a finite number"), std::string::npos)
        << nan.Error;
}

TEST(PackedResource, EachKindUnpacksToWhatWasPacked) {
    const std::vector<std::uint8_t> page = GridPage(3, 0);
    const TPackedSet set = PackSet({page});
    const TOutlineDictionary dictionary(set.Dictionary);
    const std::vector<std::uint8_t> text(5000, 'x');
    const std::vector<std::uint8_t> picture = {0x89, 'P', 'N', 'G', 1, 2, 3};
    EXPECT_EQ(UnpackResource(set.Pages[0], &dictionary), page);
    EXPECT_THROW(UnpackResource(set.Pages[0]), TDataError);
    EXPECT_EQ(UnpackResource(PackResource(text)), text);
    EXPECT_TRUE(UnpackResource(PackResource({})).empty());
    EXPECT_LT(PackResource(text).size(), 100u);
    EXPECT_EQ(UnpackResource(picture), picture);

    std::vector<std::uint8_t> damaged = PackResource(text);
    damaged[7] = 0x7F;  // a stated size the stream cannot hold
    EXPECT_THROW(UnpackResource(damaged), TDataError);
    EXPECT_THROW(UnpackResource(std::vector<std::uint8_t>{'T', 'Z', 'R', '1', 9}), TDataError);
}

TEST(UnpackingResourceSource, OpensPackedPagesWithTheDictionaryOfItsSource) {
    const std::vector<std::uint8_t> raw3 = GridPage(3, 0), raw4 = GridPage(4, 3.5f);
    const TPackedSet set = PackSet({raw3, raw4});
    TResourceMap stored;
    stored.Add(PageResourceName(3), set.Pages[0]);
    stored.Add(PageResourceName(4), set.Pages[1]);
    stored.Add(u"PngImage_1", {0x89, 'P', 'N', 'G'});
    const TUnpackingResourceSource withoutDictionary(stored);
    EXPECT_THROW(withoutDictionary.Find(PageResourceName(3)), TMissingResource);
    stored.Add(OutlineDictionaryName, set.Dictionary);

    const TUnpackingResourceSource resources(stored);
    const std::optional<TResourceBytes> page3 = resources.Find(PageResourceName(3));
    ASSERT_TRUE(page3);
    EXPECT_EQ(std::vector<std::uint8_t>(page3->Bytes.begin(), page3->Bytes.end()), raw3);
    // Read once: the pages that follow use the dictionary the first one read.
    stored.Remove(OutlineDictionaryName);
    const std::optional<TResourceBytes> page4 = resources.Find(PageResourceName(4));
    ASSERT_TRUE(page4);
    EXPECT_EQ(std::vector<std::uint8_t>(page4->Bytes.begin(), page4->Bytes.end()), raw4);
    EXPECT_EQ(resources.Find(u"PngImage_1")->Bytes.size(), 4u);
    EXPECT_FALSE(resources.Find(PageResourceName(5)));
}

TEST(UnpackingResourceSource, ReadsTheDictionaryAheadOnAWorkerThread) {
    const std::vector<std::uint8_t> raw3 = GridPage(3, 0);
    const TPackedSet set = PackSet({raw3});
    TResourceMap stored;
    stored.Add(PageResourceName(3), set.Pages[0]);

    // Without the dictionary the worker fails, and the first page reports it.
    const TUnpackingResourceSource withoutDictionary(stored);
    withoutDictionary.StartReadingOutlines();
    EXPECT_THROW(withoutDictionary.Find(PageResourceName(3)), TMissingResource);

    stored.Add(OutlineDictionaryName, set.Dictionary);
    const TUnpackingResourceSource resources(stored);
    resources.StartReadingOutlines();
    resources.StartReadingOutlines();  // a second start changes nothing
    const std::optional<TResourceBytes> page3 = resources.Find(PageResourceName(3));
    ASSERT_TRUE(page3);
    EXPECT_EQ(std::vector<std::uint8_t>(page3->Bytes.begin(), page3->Bytes.end()), raw3);
}

// The viewer's reading of a page through the unpacking source gives the page
// that its page data gives, and the same errors.
TEST(UnpackingResourceSource, OpensThePageItsPageDataGives) {
    const std::vector<std::uint8_t> raw3 = GridPage(3, 0), raw9 = IrregularPage();
    const TPackedSet set = PackSet({raw3, raw9});
    TResourceMap stored, plain;
    stored.Add(OutlineDictionaryName, set.Dictionary);
    stored.Add(PageResourceName(3), set.Pages[0]);
    stored.Add(PageResourceName(9), set.Pages[1]);
    stored.Add(PageResourceName(10), raw9);  // a page stored as it is
    plain.Add(PageResourceName(3), raw3);
    plain.Add(PageResourceName(9), raw9);
    plain.Add(PageResourceName(10), raw9);
    const TUnpackingResourceSource resources(stored);
    for (int n : {3, 9, 10}) {
        TPage straight, fromBytes;
        ReadPageResource(straight, n, resources);
        ReadPageResource(fromBytes, n, plain);
        int words = 0;
        for (int line = 1; line <= TPage::LineCount; ++line) words += straight.Line(line).Count();
        EXPECT_GT(words, 0) << "page " << n;
        EXPECT_TRUE(SamePage(straight, fromBytes)) << "page " << n;
    }
    TPage missing;
    EXPECT_THROW(ReadPageResource(missing, 4, resources), TMissingResource);

    const TPackedSet notANumber = PackedWithNotANumber(raw9);
    TResourceMap damaged;
    damaged.Add(OutlineDictionaryName, notANumber.Dictionary);
    damaged.Add(PageResourceName(9), notANumber.Pages[0]);
    const TUnpackingResourceSource damagedResources(damaged);
    std::string straightError, bytesError;
    try {
        TPage page;
        ReadPageResource(page, 9, damagedResources);
    } catch (const TDataError& e) {
        straightError = e.what();
    }
    try {
        TPage page;
        LoadPageData(page, RequireResource(damagedResources, PageResourceName(9)).Bytes);
    } catch (const TDataError& e) {
        bytesError = e.what();
    }
    EXPECT_FALSE(bytesError.empty());
    EXPECT_EQ(straightError, bytesError);
}

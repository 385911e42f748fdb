// Checks of the composed pages SVG_1..SVG_604 against the aya store, read
// the way the viewer reads them: the words of every aya, the aya marks, the
// lines the page model derives, the clear paper around the text, and room
// for the header and basmalah pictures where the renderer places them at the
// window sizes the viewer uses.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "base/ResourceFolder.h"
#include "render/PageRenderer.h"
#include "pagemodel/PageData.h"
#include "pagemodel/PagePictures.h"
#include "pagemodel/PageResource.h"
#include "pagemodel/PageScale.h"
#include "pagemodel/Page.h"
#include "text/AyaStore.h"

namespace {

const TResourceFolder& Resources() {
    static const TResourceFolder folder(TIRAVEL_RESOURCES_DIR);
    return folder;
}

// Every page opened as the viewer opens it (pictures included); a page that
// does not load is left null and reported by the first test.
class ComposedPages : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        store_ = LoadAyaStoreResource(Resources());
        pages_.resize(LastPageNumber + 1);
        for (int n = FirstPageNumber; n <= LastPageNumber; ++n) {
            auto page = std::make_unique<TPage>();
            try {
                OpenPageResource(*page, n, Resources());
                pages_[n] = std::move(page);
            } catch (const std::exception&) {
            }
        }
    }
    static void TearDownTestSuite() {
        pages_.clear();
        store_.reset();
    }
    static std::unique_ptr<TAyaStore> store_;
    static std::vector<std::unique_ptr<TPage>> pages_;
};
std::unique_ptr<TAyaStore> ComposedPages::store_;
std::vector<std::unique_ptr<TPage>> ComposedPages::pages_;

// The number of space-separated tokens of an aya's UnicodeSpaceex form, one
// word object each (the aya's number hangs on the last token by a no-break
// space and belongs to the mark).
int TokenCount(const std::u16string& text) {
    int tokens = 0;
    bool inToken = false;
    for (char16_t c : text) {
        if (c == u' ') {
            inToken = false;
        } else if (!inToken) {
            inToken = true;
            ++tokens;
        }
    }
    return tokens;
}

TEST_F(ComposedPages, EveryPageLoadsWithConsistentRecordsInReadingOrder) {
    for (int n = FirstPageNumber; n <= LastPageNumber; ++n) {
        // The stored order, before the page model sorts anything.
        TPage raw;
        raw.PageNumber = n;
        const TResourceBytes bytes = RequireResource(Resources(), PageResourceName(n));
        ASSERT_NO_THROW(LoadPageData(raw, bytes.Bytes)) << "page " << n;
        ASSERT_TRUE(pages_[n]) << "page " << n << " does not open";
        const TPage& page = *pages_[n];
        ASSERT_FALSE(page.WordList.empty()) << "page " << n;
        EXPECT_FALSE(page.WordList.front()->AyaMark) << "page " << n << " starts with an aya mark";
        EXPECT_EQ(page.WordList.front()->ObjectInayaNumber, 1) << "page " << n << " starts inside an aya";
        EXPECT_TRUE(page.WordList.back()->AyaMark) << "page " << n << " does not end with an aya mark";

        std::vector<int> stored;
        for (int line = 1; line <= TPage::LineCount; ++line)
            for (const auto& w : raw.Line(line).Words) stored.push_back(w->ObjectID);
        std::vector<int> read;
        for (const TWordObject* w : page.WordList) read.push_back(w->ObjectID);
        EXPECT_EQ(read, stored) << "page " << n << ": the viewer's reading order is not the stored order";

        for (const TWordObject* w : page.WordList) {
            EXPECT_EQ(w->PageNumber, n);
            EXPECT_EQ(w->AyaMark, w->ObjectType == otAyaMark) << "page " << n;
            if (!w->AyaMark) {
                EXPECT_EQ(w->ObjectType, otText) << "page " << n;
            }
            for (const auto& g : w->Glyphs) {
                const bool consistent = g->ObjectID == w->ObjectID && g->LineNumber == w->LineNumber &&
                                        g->PageNumber == n && g->AyaMark == w->AyaMark;
                EXPECT_TRUE(consistent) << "page " << n << " line " << w->LineNumber << ": a glyph of another word";
                ASSERT_FALSE(g->CounterData.empty()) << "page " << n << " line " << w->LineNumber;
                const TLineCurve& first = g->CounterData.front();
                EXPECT_TRUE(first.Kind == lcMove && first.A.x == g->MoveToPoint.x && first.A.y == g->MoveToPoint.y)
                    << "page " << n << " line " << w->LineNumber << ": a glyph that does not start at its move";
                for (const TLineCurve& c : g->CounterData)
                    EXPECT_TRUE(c.Kind == lcMove || c.Kind == lcCurve)
                        << "page " << n << " line " << w->LineNumber << ": straight pieces are stored as curves";
            }
        }
    }
}

// Every point and glyph origin on the 1/256-unit grid: then each glyph is
// one outline moved by whole grid steps, which the packed pages keep once.
TEST_F(ComposedPages, EveryPointLiesOnTheGrid) {
    auto onGrid = [](float v) { return std::nearbyint(double(v) * 256) == double(v) * 256; };
    for (int n = FirstPageNumber; n <= LastPageNumber; ++n) {
        ASSERT_TRUE(pages_[n]) << "page " << n;
        for (const TWordObject* w : pages_[n]->WordList)
            for (const auto& g : w->Glyphs) {
                bool all = onGrid(g->MoveToPoint.x) && onGrid(g->MoveToPoint.y);
                for (const TLineCurve& c : g->CounterData)
                    ForUsedPoints(c, [&](const TXYPoint& p) { all = all && onGrid(p.x) && onGrid(p.y); });
                ASSERT_TRUE(all) << "page " << n << " line " << w->LineNumber << ": a glyph off the grid";
            }
    }
}

TEST_F(ComposedPages, AyaMarksNameEveryAyaOnceInOrderWithOneWordPerToken) {
    ASSERT_EQ(store_->EntryCount(), 6236u);
    std::size_t next = 0;
    for (int n = FirstPageNumber; n <= LastPageNumber; ++n) {
        ASSERT_TRUE(pages_[n]) << "page " << n;
        std::vector<const TWordObject*> pending;
        for (const TWordObject* w : pages_[n]->WordList) {
            if (!w->AyaMark) {
                pending.push_back(w);
                continue;
            }
            ASSERT_LT(next, store_->EntryCount());
            const TAyaEntry& a = store_->Entry(next);
            const int tokens = TokenCount(store_->EntryText(next, TAyaForm::afUnicodeSpaceEx));
            ++next;
            ASSERT_EQ(w->SuraNumber, a.Sura) << "page " << n;
            ASSERT_EQ(w->AyaNumber, a.Aya) << "page " << n;
            EXPECT_EQ(a.Page, n) << "sura " << a.Sura << " aya " << a.Aya << " on the wrong page";
            EXPECT_EQ(w->ObjectInayaNumber, 0);
            EXPECT_EQ(int(pending.size()), tokens) << "sura " << a.Sura << " aya " << a.Aya;
            for (std::size_t i = 0; i < pending.size(); ++i) {
                EXPECT_EQ(pending[i]->ObjectInayaNumber, int(i + 1)) << "sura " << a.Sura << " aya " << a.Aya;
                EXPECT_EQ(pending[i]->SuraNumber, a.Sura);
                EXPECT_EQ(pending[i]->AyaNumber, a.Aya);
            }
            pending.clear();
        }
        EXPECT_TRUE(pending.empty()) << "page " << n << " ends inside an aya";
    }
    EXPECT_EQ(next, store_->EntryCount());
}

TEST_F(ComposedPages, HeaderAndBasmalahLinesMatchTheSurasOfEachPage) {
    int frames = 0, basmalahs = 0;
    for (int n = FirstPageNumber; n <= LastPageNumber; ++n) {
        ASSERT_TRUE(pages_[n]) << "page " << n;
        const TPage& page = *pages_[n];
        int headers = 0;
        for (int i = 1; i <= TPage::LineCount; ++i) {
            headers += page.Line(i).LineType == ltSuraName;
            basmalahs += page.Line(i).LineType == ltBasmala;
            // A header or basmalah line never swallows text.
            if (page.Line(i).Count() > 0) {
                EXPECT_EQ(page.Line(i).LineType, ltText) << "page " << n << " line " << i;
            }
        }
        frames += headers;
        EXPECT_NE(page.Line(15).LineType, ltSuraName) << "page " << n;
        int starting = 0;
        for (std::size_t e = 0; e < store_->EntryCount(); ++e)
            starting += store_->Entry(e).Page == n && store_->Entry(e).Aya == 1;
        if (n > 2) {
            EXPECT_EQ(headers, starting) << "page " << n;
            for (int i = 1; i <= TPage::LineCount; ++i)
                EXPECT_NE(page.Line(i).LineType, ltEmpty) << "page " << n << " line " << i;
        }
    }
    // 114 suras, each with its frame; no basmalah line for sura 1 (its first
    // aya), sura 9, and sura 2, whose basmalah is part of page 2's frame.
    EXPECT_EQ(frames, 114);
    EXPECT_EQ(basmalahs, 111);

    struct Case { int Page; std::vector<int> Headers, Basmalah, Text; };
    const Case cases[] = {
        {604, {1, 5, 10}, {2, 6, 11}, {3, 4, 7, 8, 9, 12, 13, 14, 15}},
        {187, {1}, {}, {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}},
        {1, {1}, {}, {7, 8, 9, 10, 11, 12, 13}},
    };
    for (const Case& c : cases) {
        const TPage& page = *pages_[c.Page];
        for (int l : c.Headers) EXPECT_EQ(page.Line(l).LineType, ltSuraName) << "page " << c.Page << " line " << l;
        for (int l : c.Basmalah) EXPECT_EQ(page.Line(l).LineType, ltBasmala) << "page " << c.Page << " line " << l;
        for (int l : c.Text) EXPECT_EQ(page.Line(l).LineType, ltText) << "page " << c.Page << " line " << l;
        int textLines = 0;
        for (int l = 1; l <= TPage::LineCount; ++l) textLines += page.Line(l).LineType == ltText;
        EXPECT_EQ(textLines, int(c.Text.size())) << "page " << c.Page;
    }
}

// Clear paper between the text and the frame, in page units.
constexpr float ClearBand = 6;
// The window sizes the viewer is laid out for: the design size and a large one.
constexpr int DesignSizes[][2] = {{211, 340}, {600, 975}};

// Pages 3 to 604 set every line in the text block less a clear band on both
// sides, justified: each line's ink runs from one band to the other. No ink
// of any page leaves the page at its top or bottom.
TEST_F(ComposedPages, LinesKeepAClearBandInsideTheTextBlockAndTheInkStaysOnThePage) {
    const float left = ClearBand, right = TPage::TextWidth - ClearBand;
    for (int n = FirstPageNumber; n <= LastPageNumber; ++n) {
        ASSERT_TRUE(pages_[n]) << "page " << n;
        for (int l = 1; l <= TPage::LineCount; ++l) {
            const TLine& line = pages_[n]->Line(l);
            if (line.Count() == 0) continue;
            const TExtents e = line.Extents();
            EXPECT_GE(e.MinY, 0.0f) << "page " << n << " line " << l << ": ink above the page";
            EXPECT_LE(e.MaxY, TPage::PageHeight) << "page " << n << " line " << l << ": ink below the page";
            if (n < 3) continue;
            EXPECT_GE(e.MinX, left) << "page " << n << " line " << l << ": ink in the left band";
            EXPECT_LE(e.MaxX, right) << "page " << n << " line " << l << ": ink in the right band";
            EXPECT_NEAR(e.MaxX - e.MinX, right - left, 0.5f)
                << "page " << n << " line " << l << ": the line is not justified to the band";
        }
    }
}

// The frames of pages 1 and 2 fill the whole view with a medallion whose clear
// paper holds the text: around every glyph, as far as the clear band, the
// frame picture shows nothing but that paper, at both design window sizes.
TEST_F(ComposedPages, OpeningPagesKeepTheirTextInsideTheClearPaperOfTheirFrame) {
    for (int n : {1, 2}) {
        ASSERT_TRUE(pages_[n]) << "page " << n;
        TPage& page = *pages_[n];
        const TPicture* frame = page.Line(1).FramePicture.get();
        ASSERT_TRUE(frame) << "page " << n;
        auto colour = [&](int x, int y) {
            const std::uint8_t* p = &frame->Pixels[(std::size_t(y) * frame->Width + x) * 4];
            return std::array<int, 3>{p[0], p[1], p[2]};
        };
        for (auto [width, height] : DesignSizes) {
            TPageScaleGuard guard;
            page.FitToView(width, height);
            const float s = 3 * PageScale;
            const std::vector<TPagePicturePlace> places = PlacePagePictures(page, 3 * width, 3 * height, s);
            ASSERT_FALSE(places.empty()) << "page " << n;
            const TPixelRect r = places.front().Rect;
            // Page units to the frame picture's pixels, as the picture is stretched over its place.
            auto px = [&](float x) { return int(std::floor((x * s - r.Left) * frame->Width / (r.Right - r.Left))); };
            auto py = [&](float y) { return int(std::floor((y * s - r.Top) * frame->Height / (r.Bottom - r.Top))); };
            const TExtents text = page.Extents();
            const std::array<int, 3> paper = colour(px((text.MinX + text.MaxX) / 2), py((text.MinY + text.MaxY) / 2));
            for (const TGlyphShape* g : page.ShapeList) {
                const TExtents e = g->Extents();
                const int x0 = std::max(0, px(e.MinX - ClearBand)), x1 = std::min(frame->Width - 1, px(e.MaxX + ClearBand));
                const int y0 = std::max(0, py(e.MinY - ClearBand)), y1 = std::min(frame->Height - 1, py(e.MaxY + ClearBand));
                bool clear = true;
                for (int y = y0; y <= y1 && clear; ++y)
                    for (int x = x0; x <= x1 && clear; ++x) {
                        const std::array<int, 3> c = colour(x, y);
                        // The medallion's rules, the lattice and the basmalah stand far
                        // off the paper; JPEG ringing beside a rule does not.
                        for (int k = 0; k < 3; ++k) clear = clear && std::abs(c[k] - paper[k]) <= 40;
                        if (!clear)
                            ADD_FAILURE() << "page " << n << " at " << width << "x" << height << ": the frame draws within "
                                          << ClearBand << " units of a glyph of line " << g->LineNumber
                                          << ", at picture pixel (" << x << ", " << y << ")";
                    }
            }
        }
    }
}

// The header frames and basmalah pictures where the renderer puts them on
// its three-times work surface, against every glyph box in the same pixels.
TEST_F(ComposedPages, PicturesCoverNoGlyphAtTheDesignWindowSizes) {
    for (auto [width, height] : DesignSizes) {
        for (int n = 3; n <= LastPageNumber; ++n) {
            ASSERT_TRUE(pages_[n]) << "page " << n;
            TPage& page = *pages_[n];
            TPageScaleGuard guard;
            page.FitToView(width, height);
            const float s = 3 * PageScale;
            const std::vector<TPagePicturePlace> places = PlacePagePictures(page, 3 * width, 3 * height, s);
            for (const TWordObject* w : page.WordList)
                for (const auto& g : w->Glyphs) {
                    const double top = std::nearbyint(g->MinY() * s), bottom = std::nearbyint(g->MaxY() * s);
                    for (const TPagePicturePlace& p : places)
                        EXPECT_TRUE(bottom < p.Rect.Top || top > p.Rect.Bottom)
                            << "page " << n << ": a glyph of line " << w->LineNumber << " under the "
                            << (p.Basmalah ? "basmalah" : "frame") << " of line " << p.Line << " at " << width << "x"
                            << height;
                }
        }
    }
}

}  // namespace

// Checks of the composed pages SVG_1..SVG_604 against the aya store: the
// words of every aya, the aya marks, the lines the viewer derives, and room
// for the header and basmalah pictures at the window sizes the viewer uses.
#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

const std::string kDir = TIRAVEL_RESOURCES_DIR;

struct Box { float minX = 3.4e38f, maxX = -3.4e38f, minY = 3.4e38f, maxY = -3.4e38f; };
struct Word {
    int recordLine = 0, line = 0, page = 0, sora = 0, aya = 0, inAya = 0;
    bool mark = false;
    uint8_t type = 3;
    Box box;
    std::vector<Box> glyphs;
    bool shapesConsistent = true;   // ids and points as the page format promises
};
struct Page { bool ok = false; std::vector<Word> words; };

template <class T> bool Get(const std::vector<uint8_t>& d, size_t& at, T& v) {
    if (at + sizeof(T) > d.size()) return false;
    std::memcpy(&v, &d[at], sizeof(T));
    at += sizeof(T);
    return true;
}

Page ReadPage(int n) {
    Page p;
    std::ifstream f(kDir + "/SVG_" + std::to_string(n), std::ios::binary);
    if (!f) return p;
    std::vector<uint8_t> d((std::istreambuf_iterator<char>(f)), {});
    size_t at = 0;
    int32_t count;
    if (!Get(d, at, count)) return p;
    for (int i = 0; i < count; ++i) {
        Word w;
        int32_t g, objectID;
        if (!Get(d, at, w.recordLine) || !Get(d, at, g)) return p;
        std::vector<int32_t> shapeIds;
        for (int k = 0; k < g; ++k) {
            float mx, my;
            int32_t m;
            if (!Get(d, at, mx) || !Get(d, at, my) || !Get(d, at, m) || at + 28ull * m > d.size()) return p;
            Box b{mx, mx, my, my};
            for (int s = 0; s < m; ++s, at += 28) {
                float v[6];
                std::memcpy(v, &d[at], 24);
                uint8_t kind = d[at + 24];
                if (s == 0 && (kind != 0 || v[0] != mx || v[1] != my)) w.shapesConsistent = false;
                if (kind == 1 || kind > 2) w.shapesConsistent = false;  // straight pieces are curves
                for (int q = 0; q < (kind == 2 ? 6 : 2); q += 2) {
                    b.minX = std::min(b.minX, v[q]); b.maxX = std::max(b.maxX, v[q]);
                    b.minY = std::min(b.minY, v[q + 1]); b.maxY = std::max(b.maxY, v[q + 1]);
                }
            }
            if (m == 0) w.shapesConsistent = false;
            uint8_t mark;
            int32_t id, shapeID, line, page;
            if (!Get(d, at, mark) || !Get(d, at, id) || !Get(d, at, shapeID) || !Get(d, at, line) || !Get(d, at, page))
                return p;
            shapeIds.insert(shapeIds.end(), {id, line, page, mark});
            w.glyphs.push_back(b);
            w.box.minX = std::min(w.box.minX, b.minX); w.box.maxX = std::max(w.box.maxX, b.maxX);
            w.box.minY = std::min(w.box.minY, b.minY); w.box.maxY = std::max(w.box.maxY, b.maxY);
        }
        uint8_t mark;
        if (!Get(d, at, objectID) || !Get(d, at, w.line) || !Get(d, at, w.page) || !Get(d, at, mark) ||
            !Get(d, at, w.sora) || !Get(d, at, w.aya) || !Get(d, at, w.inAya) || !Get(d, at, w.type))
            return p;
        w.mark = mark != 0;
        for (size_t k = 0; k < shapeIds.size(); k += 4)
            if (shapeIds[k] != objectID || shapeIds[k + 1] != w.line || shapeIds[k + 2] != w.page ||
                (shapeIds[k + 3] != 0) != w.mark)
                w.shapesConsistent = false;
        p.words.push_back(std::move(w));
    }
    p.ok = at == d.size();
    return p;
}

struct Aya { int sura, aya, page, tokens; };

std::vector<Aya> ReadStore() {
    std::vector<Aya> out;
    pugi::xml_document doc;
    if (!doc.load_file((kDir + "/HAFSUNICODE").c_str())) return out;
    for (pugi::xml_node e : doc.child("ayat").children("entry")) {
        std::string t = e.child_value("UnicodeSpaceex");
        int tokens = 0;
        bool in = false;
        for (char c : t) {
            if (c == ' ') in = false;
            else if (!in) { in = true; ++tokens; }
        }
        out.push_back({e.attribute("sura").as_int(), e.attribute("aya").as_int(), e.attribute("page").as_int(), tokens});
    }
    return out;
}

class ComposedPages : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        store_ = ReadStore();
        pages_.resize(605);
        for (int n = 1; n <= 604; ++n) pages_[n] = ReadPage(n);
    }
    static std::vector<Aya> store_;
    static std::vector<Page> pages_;
};
std::vector<Aya> ComposedPages::store_;
std::vector<Page> ComposedPages::pages_;

// Line types as the viewer derives them from which lines hold words.
enum LineType { ltText, ltSorahName, ltBasmalla, ltEmpty };
std::vector<LineType> DeriveLines(const Page& p, int page) {
    std::vector<LineType> t(16, ltEmpty);
    for (const Word& w : p.words) t[w.recordLine] = ltText;
    if (page <= 2) {
        if (t[1] == ltEmpty) t[1] = ltSorahName;
        return t;
    }
    for (int i = 1; i < 15;) {
        if (t[i] != ltEmpty) { ++i; continue; }
        t[i] = ltSorahName;
        if (page == 187) { ++i; continue; }
        t[i + 1] = ltBasmalla;
        i += 2;
    }
    return t;
}

TEST_F(ComposedPages, EveryPageParsesExactlyWithConsistentRecords) {
    for (int n = 1; n <= 604; ++n) {
        const Page& p = pages_[n];
        ASSERT_TRUE(p.ok) << "page " << n;
        ASSERT_FALSE(p.words.empty()) << "page " << n;
        EXPECT_FALSE(p.words.front().mark) << "page " << n << " starts with an aya mark";
        EXPECT_EQ(p.words.front().inAya, 1) << "page " << n << " does not start with the first word of an aya";
        EXPECT_TRUE(p.words.back().mark) << "page " << n << " does not end with an aya mark";
        int prevLine = 0;
        float prevRight = 0;
        for (const Word& w : p.words) {
            EXPECT_EQ(w.recordLine, w.line) << "page " << n;
            EXPECT_EQ(w.page, n);
            EXPECT_TRUE(w.shapesConsistent) << "page " << n << " line " << w.line;
            EXPECT_EQ(w.mark, w.type == 1) << "page " << n;
            if (!w.mark) {
                EXPECT_EQ(w.type, 0) << "page " << n;
            }
            ASSERT_GE(w.line, prevLine) << "page " << n << ": lines out of order";
            // Reading order right to left: the viewer's sort must keep the stored order.
            if (w.line == prevLine) {
                EXPECT_LE(w.box.maxX, prevRight) << "page " << n << " line " << w.line;
            }
            prevLine = w.line;
            prevRight = w.box.maxX;
        }
    }
}

TEST_F(ComposedPages, AyaMarksNameEveryAyaOnceInOrderWithOneWordPerToken) {
    ASSERT_EQ(store_.size(), 6236u);
    size_t next = 0;
    for (int n = 1; n <= 604; ++n) {
        std::vector<const Word*> pending;
        for (const Word& w : pages_[n].words) {
            if (!w.mark) { pending.push_back(&w); continue; }
            ASSERT_LT(next, store_.size());
            const Aya& a = store_[next++];
            ASSERT_EQ(w.sora, a.sura) << "page " << n;
            ASSERT_EQ(w.aya, a.aya) << "page " << n;
            EXPECT_EQ(a.page, n) << "sura " << a.sura << " aya " << a.aya << " on the wrong page";
            EXPECT_EQ(w.inAya, 0);
            EXPECT_EQ(int(pending.size()), a.tokens) << "sura " << a.sura << " aya " << a.aya;
            for (size_t i = 0; i < pending.size(); ++i) {
                EXPECT_EQ(pending[i]->inAya, int(i + 1)) << "sura " << a.sura << " aya " << a.aya;
                EXPECT_EQ(pending[i]->sora, a.sura);
                EXPECT_EQ(pending[i]->aya, a.aya);
            }
            pending.clear();
        }
        EXPECT_TRUE(pending.empty()) << "page " << n << " ends inside an aya";
    }
    EXPECT_EQ(next, store_.size());
}

TEST_F(ComposedPages, DerivedHeaderAndBasmalahLinesMatchTheSurasOfEachPage) {
    int frames = 0, basmalahs = 0;
    for (int n = 1; n <= 604; ++n) {
        std::vector<LineType> t = DeriveLines(pages_[n], n);
        std::vector<int> headers;
        for (int i = 1; i <= 15; ++i) {
            if (t[i] == ltSorahName) headers.push_back(i);
            basmalahs += t[i] == ltBasmalla;
        }
        frames += int(headers.size());
        EXPECT_NE(t[15], ltSorahName) << "page " << n;
        // A basmalah line never swallows text.
        for (const Word& w : pages_[n].words) EXPECT_EQ(t[w.recordLine], ltText) << "page " << n;
        std::vector<int> starting;
        for (const Aya& a : store_)
            if (a.page == n && a.aya == 1) starting.push_back(a.sura);
        if (n > 2) {
            EXPECT_EQ(headers.size(), starting.size()) << "page " << n;
            for (int i = 1; i <= 15; ++i) EXPECT_NE(t[i], ltEmpty) << "page " << n << " line " << i;
        }
    }
    // 114 suras, each with its frame; no basmalah line for sura 1 (its first
    // aya), sura 9, and sura 2, whose basmalah is part of page 2's frame.
    EXPECT_EQ(frames, 114);
    EXPECT_EQ(basmalahs, 111);

    struct Case { int page; std::vector<int> headers, basmalah, text; };
    const Case cases[] = {
        {604, {1, 5, 10}, {2, 6, 11}, {3, 4, 7, 8, 9, 12, 13, 14, 15}},
        {187, {1}, {}, {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}},
        {1, {1}, {}, {7, 8, 9, 10, 11, 12, 13}},
    };
    for (const Case& c : cases) {
        std::vector<LineType> t = DeriveLines(pages_[c.page], c.page);
        for (int l : c.headers) EXPECT_EQ(t[l], ltSorahName) << "page " << c.page << " line " << l;
        for (int l : c.basmalah) EXPECT_EQ(t[l], ltBasmalla) << "page " << c.page << " line " << l;
        for (int l : c.text) EXPECT_EQ(t[l], ltText) << "page " << c.page << " line " << l;
        int textLines = 0;
        for (int l = 1; l <= 15; ++l) textLines += t[l] == ltText;
        EXPECT_EQ(textLines, int(c.text.size())) << "page " << c.page;
    }
}

// The header frames (749 x 90) and basmalah pictures (749 x 57) placed as the
// viewer places them at 3x, against every glyph box in the same pixels.
TEST_F(ComposedPages, PicturesCoverNoGlyphAtTheDesignWindowSizes) {
    const int sizes[][2] = {{211, 340}, {600, 975}};
    for (auto [cw, ch] : sizes) {
        float pageScale = std::min(1.0f, float(ch) / 943.12646f);
        float s = 3 * pageScale;
        double width = 3.0 * cw;
        auto R = [](double v) { return std::nearbyint(v); };
        for (int n = 3; n <= 604; ++n) {
            const Page& p = pages_[n];
            std::vector<LineType> t = DeriveLines(p, n);
            std::vector<float> lineMaxY(16, 1.1754944e-38f);
            for (const Word& w : p.words) lineMaxY[w.line] = std::max(lineMaxY[w.line], w.box.maxY);
            struct Rect { double top, bottom; };
            std::vector<Rect> rects;
            Rect last{0, 0};
            for (int i = 1; i <= 14; ++i) {
                if (t[i] == ltSorahName) {
                    double top = i == 1 ? 0 : R(lineMaxY[i - 1] * s) + R(3 * s);
                    last = {top, top + R(width * 90.0 / 749.0)};
                    rects.push_back(last);
                } else if (t[i] == ltBasmalla) {
                    double top = last.bottom + (i == 2 ? R(15 * s) : 0) + R(3 * s);
                    rects.push_back({top, top + R(width * 57.0 / 749.0)});
                }
            }
            for (const Word& w : p.words)
                for (const Box& b : w.glyphs) {
                    double top = R(b.minY * s), bottom = R(b.maxY * s);
                    for (const Rect& r : rects)
                        EXPECT_TRUE(bottom < r.top || top > r.bottom)
                            << "page " << n << " line " << w.line << " at " << cw << "x" << ch;
                }
        }
    }
}

} // namespace

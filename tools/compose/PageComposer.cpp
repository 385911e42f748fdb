#include "PageComposer.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "AyaUnits.h"
#include "LineBreaker.h"
#include "VerticalLayout.h"

namespace compose {

struct Item {
    ShapingUnit unit;
    ShapedUnit shaped;
    int sura = 0, aya = 0;
    double inkLeft = 0, inkRight = 0;   // font units from the unit's left edge
};

// `dy` is a whole number of grid steps: the points stay on the grid.
static void ShiftY(TWordObject& w, float dy) {
    for (auto& g : w.Glyphs) {
        g->MoveToPoint.y += dy;
        for (TLineCurve& s : g->CounterData) ForUsedPoints(s, [dy](TXYPoint& p) { p.y += dy; });
    }
}

// The ayat of one sura on the page, with its header when the sura begins here.
struct Part {
    int sura = 0;
    bool header = false;
    bool basmalah = false;
    std::vector<Item> items;
    int lines = 0;        // text lines given to the part
    int firstLine = 0;    // first text line
    double naturalWidth = 0;  // font units, natural gaps
};

namespace {

constexpr double kMinGapRatio = 0.55;   // how far a gap may shrink on a full line

// Where the short text of the two opening pages goes, inside the page frame.
struct OpeningLayout { int firstLine, lastLine; };
OpeningLayout OpeningPageLines(int page) { return page == 1 ? OpeningLayout{7, 13} : OpeningLayout{8, 13}; }

std::vector<BreakItem> BreakItems(const Part& part, double k) {
    std::vector<BreakItem> out;
    for (size_t i = 0; i < part.items.size(); ++i) {
        BreakItem b;
        b.width = part.items[i].shaped.advance * k;
        // An aya mark stays with the word it ends; an opening sign with the word it opens.
        b.breakBefore = part.items[i].unit.kind != UnitKind::AyaMark &&
                        !(i > 0 && part.items[i - 1].unit.kind == UnitKind::OpeningSign);
        out.push_back(b);
    }
    return out;
}

BreakParams Params(double lineWidth, double space, double k) {
    return {lineWidth, space * k, space * k * kMinGapRatio};
}

// The largest scale (page units per font unit) at which the part fits its lines.
double FitScale(const Part& part, double lineWidth, double space, double kMax) {
    auto fits = [&](double k) { return FitsInLines(BreakItems(part, k), part.lines, Params(lineWidth, space, k)); };
    if (fits(kMax)) return kMax;
    double lo = kMax * 0.3, hi = kMax;
    for (int i = 0; i < 22; ++i) {
        double mid = (lo + hi) / 2;
        (fits(mid) ? lo : hi) = mid;
    }
    return lo;
}

// Gives the text lines of a page to its sura parts by the width of their text.
void AllocateLines(std::vector<Part>& parts, int textLines, double lineWidth, double kMax) {
    int m = int(parts.size());
    std::vector<int> cur(m, 1), bestAlloc;
    double bestScore = 1e300;
    std::function<void(int, int)> walk = [&](int i, int left) {
        if (i == m - 1) {
            cur[i] = left;
            double k = kMax;
            for (int p = 0; p < m; ++p)
                k = std::min(k, cur[p] * lineWidth / parts[p].naturalWidth);
            double score = 60.0 * (1.0 - k / kMax);
            for (int p = 0; p < m; ++p) {
                double fill = k * parts[p].naturalWidth / (cur[p] * lineWidth);
                score += cur[p] * (1 - fill) * (1 - fill);
            }
            if (score < bestScore) { bestScore = score; bestAlloc = cur; }
            return;
        }
        for (int l = 1; l <= left - (m - 1 - i); ++l) {
            cur[i] = l;
            walk(i + 1, left - l);
        }
    };
    walk(0, textLines);
    for (int p = 0; p < m; ++p) parts[p].lines = bestAlloc[p];
}

} // namespace

std::vector<int> FixedHeaderLines(int page) {
    switch (page) {
        case 187: return {1};
        case 604: return {1, 5, 10};
        default: return {};
    }
}

ComposedPage PageComposer::Compose(int page, const std::vector<const AyaEntry*>& ayat) const {
    ComposedPage out;
    out.page = page;
    const double upem = outlines_.UnitsPerEm();
    const double space = shaper_.SpaceAdvance();

    std::vector<Part> parts;
    for (const AyaEntry* a : ayat) {
        if (parts.empty() || parts.back().sura != a->sura) {
            Part p;
            p.sura = a->sura;
            p.header = a->aya == 1 && page > 2;
            p.basmalah = p.header && a->sura != 9;
            parts.push_back(std::move(p));
        }
        std::vector<ShapingUnit> units;
        std::string err;
        if (!BuildAyaUnits(a->unicode, a->spaceEx, a->aya, units, err)) {
            out.error = "sura " + std::to_string(a->sura) + " " + err;
            return out;
        }
        for (ShapingUnit& u : units) {
            Item it;
            it.shaped = shaper_.Shape(u.text, u.kind == UnitKind::AyaMark);
            it.inkLeft = 1e9;
            it.inkRight = -1e9;
            for (const PlacedGlyph& g : it.shaped.glyphs) {
                const GlyphOutline& o = outlines_.Of(g.glyph);
                if (o.pieces.empty()) continue;
                it.inkLeft = std::min(it.inkLeft, g.x + o.xMin);
                it.inkRight = std::max(it.inkRight, g.x + o.xMax);
            }
            if (it.inkLeft > it.inkRight) it.inkLeft = it.inkRight = 0;
            it.unit = std::move(u);
            it.sura = a->sura;
            it.aya = a->aya;
            parts.back().naturalWidth += it.shaped.advance + space;
            parts.back().items.push_back(std::move(it));
        }
    }
    if (parts.empty()) { out.error = "no ayat"; return out; }

    double lineWidth = PageGeometry::kTextWidth - 2 * PageGeometry::kSideBand, x0 = PageGeometry::kSideBand;
    const double kMax = geometry_.fontSize / upem;
    if (page <= 2) {
        OpeningLayout o = OpeningPageLines(page);
        parts[0].lines = o.lastLine - o.firstLine + 1;
        parts[0].firstLine = o.firstLine;
        // A narrower measure, centred, so that the short text keeps the size of the other pages.
        lineWidth = std::min(400.0, parts[0].naturalWidth * kMax / parts[0].lines * 1.04);
        x0 = (PageGeometry::kTextWidth - lineWidth) / 2;
    } else {
        int headerLines = 0, headers = 0;
        for (const Part& p : parts) {
            headerLines += p.header + p.basmalah;
            headers += p.header;
        }
        std::vector<int> fixed = FixedHeaderLines(page);
        if (!fixed.empty()) {
            if (int(fixed.size()) != headers) { out.error = "fixed header lines do not match the suras"; return out; }
            // Text lines run from after each header (and its basmalah) to the next header.
            int line = 1, h = 0;
            for (size_t i = 0; i < parts.size(); ++i) {
                if (parts[i].header) line = fixed[h++] + (parts[i].basmalah ? 2 : 1);
                int end = h < int(fixed.size()) ? fixed[h] : PageGeometry::kLines + 1;
                parts[i].firstLine = line;
                parts[i].lines = end - line;
                line = end;
            }
        } else {
            AllocateLines(parts, PageGeometry::kLines - headerLines, lineWidth, kMax);
            int line = 1;
            for (Part& p : parts) {
                if (p.header) line += p.basmalah ? 2 : 1;
                p.firstLine = line;
                line += p.lines;
            }
        }
    }
    for (const Part& p : parts)
        if (p.lines <= 0 || int(p.items.size()) < p.lines) { out.error = "a sura part has no room"; return out; }
    for (const Part& p : parts)
        if (p.header) out.headerLines.push_back(p.firstLine - (p.basmalah ? 2 : 1));

    double k = kMax;
    for (const Part& p : parts) k = std::min(k, FitScale(p, lineWidth, space, kMax));
    out.fontSize = k * upem;

    int objectID = 0;
    std::vector<std::pair<int, size_t>> lineStarts;  // line, first word index
    for (const Part& p : parts) {
        std::vector<BreakItem> items = BreakItems(p, k);
        std::vector<int> starts = BreakLines(items, p.lines, Params(lineWidth, space, k));
        if (starts.empty()) { out.error = "the text does not fit its lines"; return out; }
        for (int l = 0; l < p.lines; ++l) {
            int line = p.firstLine + l;
            int from = starts[l], to = l + 1 < p.lines ? starts[l + 1] : int(p.items.size());
            double ink = 0;
            for (int i = from; i < to; ++i) ink += items[i].width;
            int gaps = to - from - 1;
            // The ink, not the advance boxes, runs from edge to edge of the measure.
            double overRight = (p.items[from].inkRight - p.items[from].shaped.advance) * k;
            double overLeft = -p.items[to - 1].inkLeft * k;
            double room = lineWidth - overRight - overLeft;
            double gap = gaps > 0 ? (room - ink) / gaps : 0;
            // Rightmost word first; a lone word is centred.
            double right = x0 + lineWidth - overRight - (gaps > 0 ? 0 : (room - ink) / 2);
            double baseline = GridBaseline(line);
            lineStarts.push_back({line, out.words.size()});
            float lastRight = 3.4e38f;
            for (int i = from; i < to; ++i) {
                const Item& it = p.items[i];
                double left = right - items[i].width;
                auto place = [&](const PlacedGlyph& g, TWordObject& w) {
                    auto s = std::make_unique<TGlyphShape>(
                        outlines_.Place(g.glyph, left + g.x * k, baseline - g.y * k, k));
                    if (s->CounterData.empty()) return;
                    s->AyaMark = w.AyaMark;
                    s->ObjectID = w.ObjectID;
                    s->LineNumber = w.LineNumber;
                    s->PageNumber = w.PageNumber;
                    w.Glyphs.push_back(std::move(s));
                };
                auto start = [&](int number, bool mark) {
                    TWordObject w;
                    w.ObjectID = ++objectID;
                    w.LineNumber = line;
                    w.PageNumber = page;
                    w.AyaMark = mark;
                    w.SuraNumber = it.sura;
                    w.AyaNumber = it.aya;
                    w.ObjectInayaNumber = number;
                    w.ObjectType = mark ? otAyaMark : otText;
                    return w;
                };
                std::vector<TWordObject> made;
                if (it.unit.kind == UnitKind::AyaMark) {
                    TWordObject w = start(0, true);
                    for (const PlacedGlyph& g : it.shaped.glyphs) place(g, w);
                    made.push_back(std::move(w));
                } else {
                    for (const TokenRange& t : it.unit.tokens) {
                        TWordObject w = start(t.number, false);
                        for (const PlacedGlyph& g : it.shaped.glyphs)
                            if (int(g.cluster) >= t.begin && int(g.cluster) < t.end) place(g, w);
                        made.push_back(std::move(w));
                    }
                }
                for (TWordObject& w : made) {
                    if (w.Glyphs.empty()) {
                        out.error = "sura " + std::to_string(it.sura) + " aya " + std::to_string(it.aya) +
                                    ": token " + std::to_string(w.ObjectInayaNumber) + " has no glyphs";
                        return out;
                    }
                    float r = w.MaxX();
                    if (r > lastRight) ++out.misorderedWords;
                    lastRight = r;
                    out.words.push_back(std::move(w));
                }
                right = left - gap;
            }
        }
    }
    SettleLines(out, lineStarts, parts);
    return out;
}

double PageComposer::GridBaseline(int line) const {
    return (line - 1) * PageGeometry::kLinePitch + geometry_.baseline;
}

// Moves the lines off the even grid where a header picture needs the room.
void PageComposer::SettleLines(ComposedPage& out, const std::vector<std::pair<int, size_t>>& starts,
                               const std::vector<Part>& parts) const {
    if (out.page <= 2) return;  // the opening pages keep their frame's clear centre
    std::vector<std::pair<int, bool>> headers;
    for (const Part& p : parts)
        if (p.header) headers.push_back({p.firstLine - (p.basmalah ? 2 : 1), p.basmalah});
    std::vector<TextLineInk> ink;
    for (size_t i = 0; i < starts.size(); ++i) {
        size_t end = i + 1 < starts.size() ? starts[i + 1].second : out.words.size();
        TextLineInk t;
        t.line = starts[i].first;
        t.grid = GridBaseline(t.line);
        double top = 1e9, bottom = -1e9;
        for (size_t w = starts[i].second; w < end; ++w) {
            top = std::min(top, double(out.words[w].MinY()));
            bottom = std::max(bottom, double(out.words[w].MaxY()));
        }
        t.ascent = t.grid - top;
        t.descent = bottom - t.grid;
        ink.push_back(t);
    }
    std::vector<double> y = PlaceBaselines(ink, headers, PageGeometry::kPageHeight, PageGeometry::kLinePitch);
    for (size_t i = 0; i < starts.size(); ++i) {
        size_t end = i + 1 < starts.size() ? starts[i + 1].second : out.words.size();
        float dy = float(OnGrid(y[i] - ink[i].grid));
        if (dy != 0)
            for (size_t w = starts[i].second; w < end; ++w) ShiftY(out.words[w], dy);
    }
}

} // namespace compose

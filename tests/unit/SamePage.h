#pragma once
// Whether two pages (or two lists of word records) hold the same page model,
// field by field, down to every segment's bytes; the first difference is
// named. For pages read two ways that must agree.
#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "pagemodel/Page.h"

namespace SamePageDetail {

inline std::string ShapeDifference(const TGlyphShape& a, const TGlyphShape& b) {
    auto bits = [](float v) {
        std::uint32_t u;
        std::memcpy(&u, &v, 4);
        return u;
    };
    if (bits(a.MoveToPoint.x) != bits(b.MoveToPoint.x) || bits(a.MoveToPoint.y) != bits(b.MoveToPoint.y))
        return "MoveToPoint";
    if (a.CounterData.size() != b.CounterData.size())
        return "segment count " + std::to_string(a.CounterData.size()) + " vs " + std::to_string(b.CounterData.size());
    for (std::size_t k = 0; k < a.CounterData.size(); ++k)
        if (std::memcmp(&a.CounterData[k], &b.CounterData[k], sizeof(TLineCurve)) != 0)
            return "segment " + std::to_string(k + 1);
    if (a.PolyFillMode != b.PolyFillMode) return "PolyFillMode";
    if (a.Color != b.Color) return "Color";
    if (a.AyaMark != b.AyaMark) return "AyaMark";
    if (a.ObjectID != b.ObjectID) return "ObjectID";
    if (a.ShapeID != b.ShapeID) return "ShapeID";
    if (a.LineNumber != b.LineNumber) return "LineNumber";
    if (a.PageNumber != b.PageNumber) return "PageNumber";
    if (a.Selected != b.Selected) return "Selected";
    if (a.visible != b.visible) return "visible";
    return {};
}

inline std::string WordDifference(const TWordObject& a, const TWordObject& b) {
    if (a.ObjectID != b.ObjectID) return "ObjectID";
    if (a.LineNumber != b.LineNumber) return "LineNumber";
    if (a.PageNumber != b.PageNumber) return "PageNumber";
    if (a.AyaMark != b.AyaMark) return "AyaMark";
    if (a.SuraNumber != b.SuraNumber) return "SuraNumber";
    if (a.AyaNumber != b.AyaNumber) return "AyaNumber";
    if (a.ObjectInayaNumber != b.ObjectInayaNumber) return "ObjectInayaNumber";
    if (a.ObjectType != b.ObjectType) return "ObjectType";
    if (a.Color() != b.Color()) return "Color";
    if (a.Selected() != b.Selected()) return "Selected";
    if (a.Glyphs.size() != b.Glyphs.size())
        return "glyph count " + std::to_string(a.Glyphs.size()) + " vs " + std::to_string(b.Glyphs.size());
    for (std::size_t j = 0; j < a.Glyphs.size(); ++j)
        if (std::string d = ShapeDifference(*a.Glyphs[j], *b.Glyphs[j]); !d.empty())
            return "glyph shape " + std::to_string(j + 1) + ": " + d;
    return {};
}

template <class List, class Describe>
std::string ListDifference(const char* what, const List& a, const List& b, Describe describe) {
    if (a.size() != b.size())
        return std::string(what) + " count " + std::to_string(a.size()) + " vs " + std::to_string(b.size());
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::string d = describe(*a[i], *b[i]); !d.empty())
            return std::string(what) + " " + std::to_string(i + 1) + ": " + d;
    return {};
}

inline std::string PageDifference(const TPage& a, const TPage& b) {
    if (a.PageNumber != b.PageNumber) return "PageNumber";
    if (a.PageBottom != b.PageBottom) return "PageBottom";
    for (int n = 1; n <= TPage::LineCount; ++n) {
        const TLine &la = a.Line(n), &lb = b.Line(n);
        const std::string line = "line " + std::to_string(n) + ": ";
        if (la.LineType != lb.LineType) return line + "LineType";
        if (bool(la.FramePicture) != bool(lb.FramePicture) || bool(la.BasmalahPng) != bool(lb.BasmalahPng))
            return line + "pictures";
        if (std::string d = ListDifference("word", la.Words, lb.Words, WordDifference); !d.empty()) return line + d;
    }
    if (std::string d = ListDifference("WordList entry", a.WordList, b.WordList, WordDifference); !d.empty())
        return d;
    return ListDifference("ShapeList entry", a.ShapeList, b.ShapeList, ShapeDifference);
}

}  // namespace SamePageDetail

inline ::testing::AssertionResult SamePage(const TPage& a, const TPage& b) {
    const std::string d = SamePageDetail::PageDifference(a, b);
    if (d.empty()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the pages differ at " << d;
}

inline ::testing::AssertionResult SameRecords(const std::vector<TWordObject>& a, const std::vector<TWordObject>& b) {
    std::vector<const TWordObject*> pa, pb;
    for (const TWordObject& w : a) pa.push_back(&w);
    for (const TWordObject& w : b) pb.push_back(&w);
    const std::string d = SamePageDetail::ListDifference("word record", pa, pb, SamePageDetail::WordDifference);
    if (d.empty()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the records differ at " << d;
}

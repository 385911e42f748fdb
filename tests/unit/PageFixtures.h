#pragma once
// Small pages built in code for the page model tests.
#include <gtest/gtest.h>

#include <memory>

#include "pagemodel/PageScale.h"
#include "pagemodel/Page.h"

struct TBox {
    float Left, Top, Right, Bottom;
};

// A closed box outline: a move to the top-left corner and three straight
// pieces stored as curves whose control points lie on the corners.
inline std::unique_ptr<TGlyphShape> BoxShape(TBox b) {
    auto s = std::make_unique<TGlyphShape>();
    s->MoveToPoint = {b.Left, b.Top};
    auto curve = [](float x, float y) {
        TLineCurve c;
        c.A = c.B = c.C = {x, y};
        c.Kind = lcCurve;
        return c;
    };
    TLineCurve move;
    move.A = {b.Left, b.Top};
    move.Kind = lcMove;
    s->CounterData = {move, curve(b.Right, b.Top), curve(b.Right, b.Bottom), curve(b.Left, b.Bottom)};
    return s;
}

struct TTestWord {
    int Line;
    TBox Box;
    int Sura;
    int Aya;
    bool Mark = false;
};

// Appends a word object of one box glyph to its line and makes the line a text line.
inline TWordObject& AddWord(TPage& page, const TTestWord& t) {
    TLine& line = page.Line(t.Line);
    line.LineType = ltText;
    TWordObject& w = line.Add();
    w.Glyphs.push_back(BoxShape(t.Box));
    w.LineNumber = t.Line;
    w.PageNumber = page.PageNumber;
    w.SuraNumber = t.Sura;
    w.AyaNumber = t.Aya;
    w.AyaMark = t.Mark;
    w.ObjectType = t.Mark ? otAyaMark : otText;
    w.ObjectID = page.Line(t.Line).Count() + 100 * t.Line;
    for (auto& g : w.Glyphs) {
        g->AyaMark = t.Mark;
        g->ObjectID = w.ObjectID;
        g->LineNumber = t.Line;
        g->PageNumber = page.PageNumber;
    }
    return w;
}

// Hit tests convert pixels with the process-wide PageScale; these tests work
// at one pixel per unit unless they say otherwise.
class PageScaleOne : public ::testing::Test {
protected:
    void SetUp() override { PageScale = 1.0f; }

private:
    TPageScaleGuard FScaleGuard;  // whatever a test does, later tests see the scale it found
};

#pragma once
// One Mushaf page in memory: fifteen lines with their word objects and glyph
// shapes, the flat word and shape lists in reading order, and the selection.
// Selection lives on three levels (word, line, page); every operation that
// selects a word also flags its line and the page, and the queries that go
// through lines look only at flagged lines.
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "pagemodel/Line.h"
#include "pagemodel/PageGeometry.h"

class TPage {
public:
    static constexpr int LineCount = 15;                 // lines are numbered 1 to 15
    static constexpr float PageHeight = 943.12646f;      // page units, every page
    static constexpr float TextWidth = 578.2f;           // page units: the text block the lines are set in

    TPage() = default;
    TPage(const TPage&) = delete;  // WordList and ShapeList point into the lines
    TPage& operator=(const TPage&) = delete;

    // number 1 to 15; anything else raises std::out_of_range.
    TLine& Line(int number);
    const TLine& Line(int number) const;

    // Non-owning views of the ltText lines' word objects and their glyph
    // shapes, lines 1 to 15, each line in reading order; built by InitialLinesData.
    std::vector<TWordObject*> WordList;
    std::vector<TGlyphShape*> ShapeList;
    std::int32_t PageNumber = 0;  // 1 to 604, set before the data is read
    std::int32_t ClientWidth = 0;   // drawing surface in pixels, set by the view
    std::int32_t ClientHeight = 0;
    float PageBottom = 0;  // PageHeight once initialised

    // The page shown in a view of width x height pixels: PageScale fits the
    // page height into the view's height, never more than `largest` pixels
    // per unit (one on a 96-DPI display, as many as its scale on others).
    void FitToView(std::int32_t width, std::int32_t height, float largest = 1.0f);
    // The PageScale that FitToView sets for a page `pageHeight` units high.
    static float ScaleToFit(float pageHeight, std::int32_t height, float largest = 1.0f);

    // Once all word objects are in their lines (each line that received one
    // set to ltText): reading order, sura header and basmalah lines, the word
    // and shape lists, and every word's place in its aya.
    void InitialLinesData();

    // Back to a new page's state (fifteen empty lines, empty lists, nothing
    // selected); PageNumber and the client size stay.
    void Clear();

    TExtents Extents() const;
    float MinX() const { return Extents().MinX; }
    float MaxX() const { return Extents().MaxX; }
    float MinY() const { return Extents().MinY; }
    float MaxY() const { return Extents().MaxY; }

    // Hit tests take view pixels. Lines are scanned 1 to 15 and each line in
    // Words order, so where boxes overlap the upper line and, on one line, the
    // word further right wins.
    // The first word whose box holds the point is selected with its line and
    // the page; returns the line number, or 0 changing nothing.
    std::int32_t SelectWordContainPoint(TPixelPoint p);
    // As above, but a word counts only when one of its glyph boxes holds the point.
    std::int32_t SelectGlyphContainPoint(TPixelPoint p);
    // The word under the point (returns its line number), else the nearest
    // word of WordList, the first of equally near ones (returns its WordList
    // index). A page without words selects nothing and returns 0.
    std::int32_t SelectNearestWordContainPoint(TPixelPoint p);
    // The word whose box holds the point, or nullptr; selects nothing.
    TWordObject* GetGlyphContainPoint(TPixelPoint p) const;

    // Adds every word object of that aya (its words and its mark) to the
    // selection; false when none is on the page.
    bool SelectAya(std::int32_t sura, std::int32_t aya);
    // Selects every word of the sura of the page's first word; false, selecting
    // nothing, on a page without words.
    bool SelectWholeSura();
    // Deselects every line, word and glyph shape, then the page.
    void ClearSelect();

    bool Selected() const { return FSelected; }
    void SetSelected(bool selected);  // then notifies OnSelect, if attached
    void SetOnSelect(std::function<void(TPage& sender)> handler) { FOnSelect = std::move(handler); }

    // Positions in WordList, -1 for none.
    std::int32_t GetFirstSelectedWordIndex() const;
    std::int32_t GetLastSelectedWordIndex() const;
    // The first selected word of the first flagged line, or nullptr (also when
    // that line is flagged but none of its words is selected).
    TWordObject* GetSelectedWord() const;
    // Selected words of the flagged lines.
    std::int32_t GetSelectCount() const;
    // Runs of equal aya numbers among the selected words in reading order
    // (suras are not compared).
    std::int32_t GetSelectAyaCount() const;

    void GetWordList(std::vector<TWordObject*>& list) const;

private:
    void SelectWordAndLine(TWordObject& word);

    // Index 0 is unused so that lines keep their numbers.
    std::array<TLine, LineCount + 1> FLines;
    bool FSelected = false;
    std::function<void(TPage&)> FOnSelect;
};

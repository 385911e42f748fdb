#pragma once
// One of the fifteen lines of a page. A text line holds its word objects in
// reading order (rightmost first); a line without words becomes a sura header
// or basmalah line when the page is initialised and then shows a picture.
#include <cstdint>
#include <memory>
#include <vector>

#include "base/Picture.h"
#include "pagemodel/PageGeometry.h"
#include "pagemodel/SimpleSVG.h"

// Stored in one byte.
enum TLineType : std::uint8_t {
    ltText = 0,
    ltSorahName = 1,  // sura header, shows FreamJpg
    ltBasmalla = 2,   // shows BasmalahPng
    ltEmpty = 3,      // no words and no picture; a new line
};

class TLine {
public:
    // Owned; each word keeps its address for WordList of the page.
    std::vector<std::unique_ptr<TSimpleSVG>> Words;
    TLineType LineType = ltEmpty;
    std::unique_ptr<TPicture> FreamJpg;     // frame of an ltSorahName line, or none
    float FreamTop = 0;                     // pixel position, set while drawing
    std::unique_ptr<TPicture> BasmalahPng;  // picture of an ltBasmalla line, or none
    float BasmalahTop = 0;                  // pixel position, set while drawing

    std::int32_t Count() const { return static_cast<std::int32_t>(Words.size()); }

    // Appends a new, empty word object for the caller to fill.
    TSimpleSVG& Add();

    bool Selected() const { return FSelected; }
    // false also deselects every word object; true leaves them as they are.
    void SetSelected(bool selected);

    TSimpleSVG* GetSelectedWord() const;  // first selected word object, or nullptr
    std::int32_t GetSelectedCount() const;

    // Text lines only: orders Words by descending right edge; words with equal
    // right edges keep their order.
    void SortWordsRightToLeft();
    void InitialLineData();

    // Over the word objects, from the start values of PageGeometry.h.
    TExtents Extents() const;
    float MinX() const { return Extents().MinX; }
    float MaxX() const { return Extents().MaxX; }
    float MinY() const { return Extents().MinY; }
    float MaxY() const { return Extents().MaxY; }

    // Text lines only; other line types add nothing.
    void GetWordList(std::vector<TSimpleSVG*>& list) const;
    void GetShapeToList(std::vector<TSimpleShapeSVG*>& list) const;

private:
    bool FSelected = false;
};

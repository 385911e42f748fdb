#pragma once
// One of the fifteen lines of a page. A text line holds its word objects in
// reading order (rightmost first); a line without words becomes a sura header
// or basmalah line when the page is initialised and then shows a picture.
#include <cstdint>
#include <memory>
#include <vector>

#include "base/Picture.h"
#include "pagemodel/PageGeometry.h"
#include "pagemodel/WordObject.h"

// Stored in one byte.
enum TLineType : std::uint8_t {
    ltText = 0,
    ltSuraName = 1,  // sura header, shows FramePicture
    ltBasmala = 2,   // shows BasmalahPng
    ltEmpty = 3,      // no words and no picture; a new line
};

class TLine {
public:
    // Owned; each word keeps its address for WordList of the page.
    std::vector<std::unique_ptr<TWordObject>> Words;
    TLineType LineType = ltEmpty;
    std::unique_ptr<TPicture> FramePicture;     // frame of an ltSuraName line, or none
    float FrameTop = 0;                     // pixel position, set while drawing
    std::unique_ptr<TPicture> BasmalahPng;  // picture of an ltBasmala line, or none
    float BasmalahTop = 0;                  // pixel position, set while drawing

    std::int32_t Count() const { return static_cast<std::int32_t>(Words.size()); }

    // Appends a new, empty word object for the caller to fill.
    TWordObject& Add();

    bool Selected() const { return FSelected; }
    // false also deselects every word object; true leaves them as they are.
    void SetSelected(bool selected);

    TWordObject* GetSelectedWord() const;  // first selected word object, or nullptr
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
    void GetWordList(std::vector<TWordObject*>& list) const;
    void GetShapeToList(std::vector<TGlyphShape*>& list) const;

private:
    bool FSelected = false;
};

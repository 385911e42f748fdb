#pragma once
// Recording hosts and a two-sura page for the viewer logic tests.
#include <string>
#include <vector>

#include "app/PageViewer.h"
#include "PageFixtures.h"

struct TRecordingViewEvents : TPageViewEvents {
    int Paints = 0, Invalidates = 0, Focus = 0, Drags = 0, EndRuns = 0;
    std::vector<int> Cursors;
    bool White = false;  // what every pixel of the view bitmap reads as
    void PaintNow() override { ++Paints; }
    void InvalidateView() override { ++Invalidates; }
    void CursorChanged(int c) override { Cursors.push_back(c); }
    void TakeFocus() override { ++Focus; }
    void DragRequested() override { ++Drags; }
    void EndRun() override { ++EndRuns; }
    bool IsCanvasPixelWhite(int, int) override { return White; }
};

// Two text lines at one unit a pixel, the end of sura 1 and the start of sura 2.
// WordList index: word box (x range; y 100-140 on line 3, 150-190 on line 4)
//   0 [500-560] 1:7   1 [420-490] 1:7   2 mark [380-410] 1:7
//   3 [480-560] 2:1   4 [400-470] 2:1   5 mark [360-390] 2:1
//   6 [280-350] 2:2   7 mark [240-270] 2:2
inline void BuildTwoSuraPage(TPage& page, int pageNumber = 50) {
    page.PageNumber = pageNumber;
    const TTestWord words[] = {
        {3, {500, 100, 560, 140}, 1, 7},       {3, {420, 100, 490, 140}, 1, 7},
        {3, {380, 100, 410, 140}, 1, 7, true}, {4, {480, 150, 560, 190}, 2, 1},
        {4, {400, 150, 470, 190}, 2, 1},       {4, {360, 150, 390, 190}, 2, 1, true},
        {4, {280, 150, 350, 190}, 2, 2},       {4, {240, 150, 270, 190}, 2, 2, true},
    };
    for (const TTestWord& t : words) AddWord(page, t);
    page.InitialLinesData();
}

inline std::vector<int> SelectedIndices(const TPage& page) {
    std::vector<int> out;
    for (std::size_t i = 0; i < page.WordList.size(); ++i)
        if (page.WordList[i]->Selected()) out.push_back(int(i));
    return out;
}

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/PageViewer.h"
#include "ViewerFixtures.h"

namespace {

using V = std::vector<int>;

// Three lines of sura 5 and the start of sura 6, at one unit a pixel; line
// L spans y 50·L to 50·L + 40; lines 6 and 7 hold sura 6's header and
// basmala (as lines 1 and 2 hold nothing). WordList index:
//   line 3:  0 [500-560] 5:1   1 [420-480] 5:1   2 [340-400] 5:1   3 mark [300-330] 5:1
//   line 4:  4 [460-560] 5:2   5 [330-450] 5:2   6 mark [290-320] 5:2
//   line 5:  7 [480-560] 5:3   8 mark [440-470] 5:3   9 [330-420] 6:1   10 mark [290-320] 6:1
//   line 8: 11 [400-560] 6:2  12 mark [360-390] 6:2
void BuildLinesPage(TPage& page) {
    page.PageNumber = 106;
    auto box = [](int line, float left, float right) { return TBox{left, 50.0f * line, right, 50.0f * line + 40}; };
    const TTestWord words[] = {
        {3, box(3, 500, 560), 5, 1}, {3, box(3, 420, 480), 5, 1}, {3, box(3, 340, 400), 5, 1},
        {3, box(3, 300, 330), 5, 1, true},
        {4, box(4, 460, 560), 5, 2}, {4, box(4, 330, 450), 5, 2}, {4, box(4, 290, 320), 5, 2, true},
        {5, box(5, 480, 560), 5, 3}, {5, box(5, 440, 470), 5, 3, true},
        {5, box(5, 330, 420), 6, 1}, {5, box(5, 290, 320), 6, 1, true},
        {8, box(8, 400, 560), 6, 2}, {8, box(8, 360, 390), 6, 2, true},
    };
    for (const TTestWord& t : words) AddWord(page, t);
    page.InitialLinesData();
}

class KeySelectionTest : public ::testing::Test {
protected:
    void SetUp() override {
        viewer = std::make_unique<TPageViewer>(&events);
        BuildLinesPage(viewer->Page());
        viewer->Resize(600, 1000);  // one pixel a unit
    }
    TPage& page() { return viewer->Page(); }
    // A click in the middle of word `index`.
    void ClickWord(int index) {
        const TExtents e = page().WordList[std::size_t(index)]->Extents();
        const int x = int((e.MinX + e.MaxX) / 2), y = int((e.MinY + e.MaxY) / 2);
        viewer->MouseDown(mbLeft, 0, x, y);
        viewer->MouseUp(mbLeft, 0, x, y);
    }
    // Shift+arrows as the main window passes them on: L (Left, the next
    // word), R, D (Down, the next line), U.
    void Keys(const std::string& keys) {
        for (char k : keys)
            viewer->ExtendSelection(k == 'L' ? stNextWord : k == 'R' ? stPreviousWord : k == 'D' ? stNextLine
                                                                                                  : stPreviousLine);
    }

    TPageScaleGuard scaleGuard;
    TRecordingViewEvents events;
    std::unique_ptr<TPageViewer> viewer;
};

TEST_F(KeySelectionTest, StepsByWordAndLineWithinOneSuraAndThePage) {
    enum TStart { Nothing, Click, ClickThenClear };
    struct Case { TStart Start; int Word; const char* Keys; V Selected; } cases[] = {
        {Nothing, 0, "L", {0}},                 // the first step only starts, at the first word
        {Nothing, 0, "LLL", {0, 1, 2}},         // three words
        {Nothing, 0, "LLLR", {0, 1}},           // back again at the moving end
        {Nothing, 0, "R", {0}},                 // nothing before the page's first word
        {Click, 5, "LL", {5, 6, 7}},            // over the end of a line
        {Click, 5, "RR", {3, 4, 5}},            // backwards over the start of a line
        {Click, 5, "RRRRRRR", {0, 1, 2, 3, 4, 5}},  // stops at the page's first word
        {Click, 7, "LLL", {7, 8}},              // stops at the end of sura 5
        {Click, 9, "R", {9}},                   // and at the start of sura 6
        {Click, 9, "LLLLL", {9, 10, 11, 12}},   // over the header, to the page's last word
        {Click, 4, "D", {4, 5, 6, 7}},          // the word below: nearest centre on line 5
        {Click, 1, "D", {1, 2, 3, 4}},          // equally near words: the first in reading order
        {Click, 5, "D", {5, 6, 7, 8}},          // the word below is of sura 6: the end of sura 5
        {Click, 11, "U", {9, 10, 11}},          // upwards over the header, stopping at sura 6's start
        {Click, 11, "D", {11, 12}},             // no line below: the page's last word
        {Click, 2, "U", {0, 1, 2}},             // no line above: the page's first word
        {Click, 4, "DU", {4}},                  // down and up again
        {Click, 7, "RRL", {6, 7}},              // a step back shrinks the run at its moving end
        {ClickThenClear, 5, "L", {5}},          // the word clicked last is the start
        {ClickThenClear, 5, "LL", {5, 6}},
    };
    for (const Case& c : cases) {
        SetUp();
        if (c.Start != Nothing) ClickWord(c.Word);
        if (c.Start == ClickThenClear) page().ClearSelect();
        Keys(c.Keys);
        EXPECT_EQ(SelectedIndices(page()), c.Selected) << "start " << c.Word << ", keys " << c.Keys;
        // Every selected word's line is flagged, so the copy finds them all.
        EXPECT_EQ(page().GetSelectCount(), int(c.Selected.size())) << c.Keys;
        EXPECT_TRUE(page().Selected());
    }
}

TEST_F(KeySelectionTest, GrowsWhatTheMouseSelected) {
    struct Case { int From, To; bool Aya; const char* Keys; V Selected; } cases[] = {
        {1, 5, false, "L", {1, 2, 3, 4, 5, 6}},  // a drag's pointer word is the moving end
        {1, 5, false, "R", {1, 2, 3, 4}},
        {5, 1, false, "R", {0, 1, 2, 3, 4, 5}},  // dragged backwards: the anchor stays at 5
        {9, 7, false, "L", {7, 8}},              // a drag from sura 6 back into sura 5 keeps sura 5's part
        {6, 6, true, "L", {4, 5, 6, 7}},         // a click on a mark selects its aya: it grows forwards
        {6, 6, true, "R", {3, 4, 5, 6}},         // and backwards from its first word
    };
    for (const Case& c : cases) {
        SetUp();
        auto centre = [&](int i) {
            const TExtents e = page().WordList[std::size_t(i)]->Extents();
            return std::pair<int, int>{int((e.MinX + e.MaxX) / 2), int((e.MinY + e.MaxY) / 2)};
        };
        const auto [x0, y0] = centre(c.From);
        const auto [x1, y1] = centre(c.To);
        viewer->MouseDown(mbLeft, 0, x0, y0);
        viewer->MouseMove(ssLeft, x0, y0);
        viewer->MouseMove(ssLeft, x1, y1);
        viewer->MouseUp(mbLeft, 0, x1, y1);
        if (c.Aya) {
            ASSERT_EQ(SelectedIndices(page()), (V{4, 5, 6}));
        }
        Keys(c.Keys);
        EXPECT_EQ(SelectedIndices(page()), c.Selected) << c.From << " to " << c.To << ", keys " << c.Keys;
    }
}

TEST_F(KeySelectionTest, AStepThatChangesNothingPaintsNothing) {
    ClickWord(9);
    const int paints = events.Paints;
    EXPECT_FALSE(viewer->ExtendSelection(stPreviousWord));  // sura 5 lies before
    EXPECT_EQ(events.Paints, paints);
    EXPECT_TRUE(viewer->ExtendSelection(stNextWord));
    EXPECT_EQ(events.Paints, paints + 1);
    EXPECT_EQ(viewer->RunAnchor(), 9);
    EXPECT_EQ(viewer->RunEnd(), 10);

    TPageViewer empty(&events);
    EXPECT_FALSE(empty.ExtendSelection(stNextWord));
    EXPECT_FALSE(empty.Page().Selected());
}

TEST_F(KeySelectionTest, AGlyphPickIsNoRunAndTheKeysStartAfresh) {
    ClickWord(5);
    events.White = false;
    const TExtents e = page().WordList[1]->Extents();
    viewer->MouseDown(mbLeft, ssCtrl, int((e.MinX + e.MaxX) / 2), int((e.MinY + e.MaxY) / 2));
    ASSERT_EQ(SelectedIndices(page()), V{});
    Keys("L");
    EXPECT_EQ(SelectedIndices(page()), V{5});
    for (const TGlyphShape* s : page().ShapeList) {
        if (s->ObjectID == page().WordList[1]->ObjectID) {
            EXPECT_FALSE(s->Selected);
        }
    }
}

}  // namespace

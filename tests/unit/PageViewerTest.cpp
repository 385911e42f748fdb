#include <gtest/gtest.h>

#include <cmath>

#include "app/PageViewer.h"
#include "commands/CursorTable.h"
#include "ViewerFixtures.h"

namespace {

using V = std::vector<int>;

class PanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        panel = std::make_unique<TPageViewer>(&events);
        BuildTwoSuraPage(page());
        panel->Resize(600, 1000);  // taller than the page: one pixel a unit
    }
    TPageScaleGuard scaleGuard;  // the scale found before SetUp made the panel
    TPage& page() { return panel->Page(); }
    void Press(int x, int y, TShiftState s = 0) { panel->MouseDown(mbLeft, s, x, y); }
    void Move(int x, int y, TShiftState s = ssLeft) { panel->MouseMove(s, x, y); }
    void Release(int x, int y) { panel->MouseUp(mbLeft, 0, x, y); }
    void Click(int x, int y) { Press(x, y); Release(x, y); }
    void Drag(int x0, int y0, int x1, int y1) {
        Press(x0, y0);
        Move(x0, y0);  // the first move anchors
        Move(x1, y1);
    }

    TRecordingViewEvents events;
    std::unique_ptr<TPageViewer> panel;
};

TEST(PanelCreate, StartsInRectangleSelectionWithThePointCursor) {
    PageScale = 2.0f;
    TRecordingViewEvents events;
    TPageViewer panel(&events);
    EXPECT_EQ(PageScale, 0.5f);
    EXPECT_EQ(panel.Mode(), mSelectRect);
    EXPECT_EQ(panel.Cursor(), crSelectPoint);
    EXPECT_EQ(events.Cursors, V{crSelectPoint});
    EXPECT_FALSE(panel.BeginMove());
    EXPECT_EQ(panel.Page().WordList.size(), 0u);
    // Before the page is initialised the page height is 0: scale 1.
    panel.Resize(300, 400);
    EXPECT_EQ(PageScale, 1.0f);
    EXPECT_EQ(panel.Page().ClientWidth, 300);
    EXPECT_EQ(panel.Page().ClientHeight, 400);
}

TEST_F(PanelTest, ResizeFitsThePageHeight) {
    // The page is 943.12646 units high: a view at least that many pixels high
    // shows it at one pixel a unit, a lower one shrinks it to fill the height.
    struct Case { int Height; float Scale; } cases[] = {
        {1000, 1.0f}, {944, 1.0f}, {943, 0.9998659f}, {900, 0.9542729f}, {471, 0.4994028f},
    };
    for (const Case& c : cases) {
        panel->Resize(123, c.Height);
        EXPECT_NEAR(PageScale, c.Scale, 1e-6) << c.Height;
        EXPECT_EQ(page().ClientHeight, c.Height);
        EXPECT_EQ(page().ClientWidth, 123);
        // The whole page fits and fills a view lower than the page.
        if (c.Height < 943) {
            EXPECT_EQ(std::lround(943.12646 * PageScale), c.Height);
        }
    }
}

TEST_F(PanelTest, ModeOperationsSetModeAndCursor) {
    struct Case { void (TPageViewer::*Op)(); TMode Mode; int Cursor; } cases[] = {
        {&TPageViewer::ZoomModeIn, mZoomIn, 13},     {&TPageViewer::ZoomModeOut, mZoomOut, 14},
        {&TPageViewer::MyDragMode, mDrag, 10},       {&TPageViewer::SelectRectMode, mSelectRect, 15},
        {&TPageViewer::SelectPointMode, mSelectPoint, 16}, {&TPageViewer::DragZoomMode, mDragZoom, 17},
    };
    for (const Case& c : cases) {
        (panel.get()->*c.Op)();
        EXPECT_EQ(panel->Mode(), c.Mode);
        EXPECT_EQ(panel->Cursor(), c.Cursor);
        EXPECT_EQ(events.Cursors.back(), c.Cursor);
    }
}

TEST_F(PanelTest, ClickSelectsTheWordOrTheNearestOne) {
    struct Case { int X, Y; V Selected; } cases[] = {
        {435, 170, {4}},   // on a word
        {400, 150, {4}},   // on the corner of its box
        {590, 170, {3}},   // right of line 4: the nearest box
        {300, 600, {6}},   // below the text
    };
    for (const Case& c : cases) {
        page().ClearSelect();  // a press on a selected word would ask for a drag
        const int paints = events.Paints;
        Click(c.X, c.Y);
        EXPECT_EQ(SelectedIndices(page()), c.Selected) << c.X << "," << c.Y;
        EXPECT_EQ(page().GetSelectCount(), 1);
        EXPECT_EQ(events.Paints, paints + 1);
    }
    EXPECT_GT(events.Focus, 0);
}

TEST_F(PanelTest, TheFirstMoveOnlyAnchors) {
    Press(435, 170);
    const int paints = events.Paints;
    Move(300, 170);
    EXPECT_EQ(SelectedIndices(page()), V{4});
    EXPECT_EQ(events.Paints, paints);
    EXPECT_EQ(panel->SelectRect(), (TRectI{300, 170, 0, 0}));
    EXPECT_TRUE(panel->BeginMove());
    EXPECT_FALSE(panel->FirstTimeMove());
}

TEST_F(PanelTest, DragSelectsARunThatStaysInOneSura) {
    struct Case { int X0, Y0, X1, Y1; V Selected; int Count; } cases[] = {
        {500, 170, 300, 170, {3, 4, 5, 6}, 4},  // within sura 2
        {450, 120, 300, 170, {1, 2}, 2},        // forward from sura 1 into sura 2: stops at its end
        {300, 170, 450, 120, {1, 2}, 2},        // backward from sura 2 into sura 1: sura 1's part only
        {530, 120, 530, 170, {0, 1, 2}, 3},     // onto the first word of sura 2
    };
    for (const Case& c : cases) {
        Drag(c.X0, c.Y0, c.X1, c.Y1);
        EXPECT_EQ(SelectedIndices(page()), c.Selected) << c.X0 << "," << c.Y0 << " to " << c.X1 << "," << c.Y1;
        EXPECT_EQ(page().GetSelectCount(), c.Count);
        EXPECT_TRUE(page().Selected());
        Release(c.X1, c.Y1);
        EXPECT_FALSE(panel->BeginMove());
    }
}

TEST_F(PanelTest, EveryMoveRebuildsTheRange) {
    Drag(500, 170, 250, 170);
    EXPECT_EQ(SelectedIndices(page()), (V{3, 4, 5, 6, 7}));
    Move(435, 170);
    EXPECT_EQ(SelectedIndices(page()), (V{3, 4}));
    EXPECT_EQ(panel->SelectRect(), (TRectI{500, 170, 435, 170}));
}

TEST_F(PanelTest, ReleaseOnALoneAyaMarkSelectsTheAya) {
    Click(375, 170);
    EXPECT_EQ(SelectedIndices(page()), (V{3, 4, 5}));
    // A drag that stays nearest one mark ends the same way.
    Drag(395, 120, 396, 121);
    EXPECT_EQ(SelectedIndices(page()), V{2});
    Release(396, 121);
    EXPECT_EQ(SelectedIndices(page()), (V{0, 1, 2}));
    // A lone word stays a word.
    Click(435, 170);
    EXPECT_EQ(SelectedIndices(page()), V{4});
}

TEST_F(PanelTest, PressOnASelectedWordAsksForADragAndKeepsTheSelection) {
    Drag(500, 170, 300, 170);
    Release(300, 170);
    Press(435, 170, ssDouble);
    EXPECT_EQ(events.Drags, 1);
    EXPECT_EQ(SelectedIndices(page()), (V{3, 4, 5, 6}));
    EXPECT_FALSE(panel->BeginMove());
    Move(100, 100);
    EXPECT_EQ(SelectedIndices(page()), (V{3, 4, 5, 6}));
    // Without a host nothing happens either.
    TPageViewer bare(nullptr);
    BuildTwoSuraPage(bare.Page());
    bare.Resize(600, 1000);
    bare.MouseDown(mbLeft, 0, 435, 170);
    bare.MouseUp(mbLeft, 0, 435, 170);
    bare.MouseDown(mbLeft, 0, 435, 170);
    EXPECT_EQ(SelectedIndices(bare.Page()), V{4});
}

TEST_F(PanelTest, CtrlPickSelectsOneGlyphShapeOrClears) {
    Click(435, 170);
    events.White = true;
    Press(435, 170, ssCtrl);
    EXPECT_FALSE(page().Selected());
    EXPECT_EQ(SelectedIndices(page()), V{});
    EXPECT_FALSE(panel->BeginMove());

    events.White = false;
    Press(435, 170, ssCtrl | ssShift);
    EXPECT_TRUE(page().ShapeList[4]->Selected);
    EXPECT_FALSE(page().WordList[4]->Selected());  // the shape, not its word
    EXPECT_TRUE(page().Selected());
    EXPECT_FALSE(panel->BeginMove());

    // Ink inside no shape's outline: as a plain press.
    Press(100, 500, ssCtrl);
    EXPECT_EQ(SelectedIndices(page()), V{7});
    EXPECT_TRUE(panel->BeginMove());
}

TEST_F(PanelTest, MovesWithoutTheLeftButtonEndTheDrag) {
    Press(500, 170);
    Move(500, 170, 0);
    EXPECT_FALSE(panel->BeginMove());
    Move(300, 170);
    EXPECT_EQ(SelectedIndices(page()), V{3});
}

TEST_F(PanelTest, OtherButtonsAndModesLeaveTheSelection) {
    Click(435, 170);
    panel->MouseDown(mbRight, ssRight, 300, 170);
    EXPECT_EQ(SelectedIndices(page()), V{4});
    panel->MyDragMode();
    Click(300, 170);
    EXPECT_EQ(SelectedIndices(page()), V{4});
}

TEST_F(PanelTest, PointModeSelectsByGlyph) {
    panel->SelectPointMode();
    Click(300, 170);
    EXPECT_EQ(SelectedIndices(page()), V{6});
    EXPECT_FALSE(panel->BeginMove());
    Click(100, 500);  // in no glyph: nothing, not the nearest
    EXPECT_EQ(SelectedIndices(page()), V{});
}

TEST(PanelEmptyPage, APressSelectsNothingAndStartsNoDrag) {
    TRecordingViewEvents events;
    TPageViewer panel(&events);
    panel.Resize(600, 1000);
    panel.MouseDown(mbLeft, 0, 10, 10);
    EXPECT_FALSE(panel.BeginMove());
    EXPECT_FALSE(panel.FirstTimeMove());
    panel.MouseMove(ssLeft, 20, 20);
    panel.MouseMove(ssLeft, 30, 30);
    panel.MouseUp(mbLeft, 0, 30, 30);
    EXPECT_FALSE(panel.Page().Selected());
}

TEST_F(PanelTest, EscapeEndsTheRun) {
    EXPECT_TRUE(panel->KeyDown(vkEscape, ssCtrl));
    EXPECT_EQ(events.EndRuns, 1);
    EXPECT_FALSE(panel->KeyDown(vkLeft, 0));
    EXPECT_EQ(events.EndRuns, 1);
}

}  // namespace

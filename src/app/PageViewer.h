#pragma once
// The page view control's logic: it owns the page shown and turns mouse
// gestures and Shift+arrows into a selection of words, by the same rules. The shell's child window forwards its
// size, mouse and key messages here and draws on request; it keeps the
// off-screen bitmap (white, then the page drawn anti-aliased).
//
// Points are view pixels (client coordinates of the control).
#include <cstdint>
#include <memory>

#include "base/InputState.h"
#include "app/MainWindowGeometry.h"
#include "app/WordRun.h"
#include "pagemodel/Page.h"

enum TMode : std::uint8_t {
    mDrag = 0,
    mZoomIn = 1,
    mZoomOut = 2,
    mDragZoom = 3,
    mSelectRect = 4,   // the normal mode
    mSelectPoint = 5,
};

// What the control asks of its window. Every call is optional for a host
// that does not need it.
class TPageViewEvents {
public:
    virtual ~TPageViewEvents() = default;
    // Paint now, before the handler returns: fill the bitmap white, draw the
    // page anti-aliased, copy it to the window.
    virtual void PaintNow() = 0;
    // Paint at the next opportunity (invalidate without erasing).
    virtual void InvalidateView() = 0;
    virtual void CursorChanged(int cursorNumber) = 0;
    virtual void TakeFocus() = 0;
    // A press landed on a word that is already selected; the receiver decides
    // whether a drag of the selection begins.
    virtual void DragRequested() = 0;
    // Escape: end the run at once.
    virtual void EndRun() = 0;
    // Whether the pixel (x, y) of the view's off-screen bitmap is exactly white.
    virtual bool IsCanvasPixelWhite(int x, int y) = 0;
};

class TPageViewer {
public:
    // A new control with a new empty page: PageScale 0.5, cursor 16, mode
    // mSelectRect, no drag. `events` is not owned and may be null.
    explicit TPageViewer(TPageViewEvents* events);
    // The same, over a page already read.
    TPageViewer(TPageViewEvents* events, std::unique_ptr<TPage> page);
    TPageViewer(const TPageViewer&) = delete;
    TPageViewer& operator=(const TPageViewer&) = delete;

    TPage& Page() { return *FPage; }
    const TPage& Page() const { return *FPage; }

    TMode Mode() const { return FMode; }
    int Cursor() const { return FCursor; }
    bool BeginMove() const { return FBeginMove; }
    bool FirstTimeMove() const { return FFirstTimeMove; }
    // Left, top: the drag anchor; right, bottom: the latest pointer position.
    const TRectI& SelectRect() const { return FSelectRect; }

    // The control's new size: PageScale = min(largest, height / page height),
    // and the page's client size. `largest` is 1 on a 96-DPI display and the
    // display's scale on others.
    void Resize(int width, int height, float largest = 1.0f);
    int ClientWidth() const { return FWidth; }
    int ClientHeight() const { return FHeight; }

    void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    void MouseMove(TShiftState shift, int x, int y);
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    // True when the key was consumed; Escape ends the run, and every key then
    // still gets the window's default handling.
    bool KeyDown(int key, TShiftState shift);

    // Shift+arrow: one step of the selection's moving end (WordRun.h), its
    // anchor staying; a drag's anchor and pointer words are these two ends.
    // With no run of words selected, the first step selects the word clicked
    // last on this page, or else its first word; another selection (a whole
    // aya, a whole sura) grows from its last word forwards or its first word
    // backwards. Repaints and answers true when the selection changed.
    bool ExtendSelection(TSelectionStep step);
    // The ends of the run the keys or the mouse made last, -1 for none.
    int RunAnchor() const { return FRunAnchor; }
    int RunEnd() const { return FRunEnd; }

    // Background erase: answer 1, erase nothing. Dialog code: arrows and Tab.
    static constexpr int EraseBackgroundResult = 1;
    static constexpr int DialogCodeResult = 3;

    // Mode operations: each sets the cursor and the mode.
    void ZoomModeIn();
    void ZoomModeOut();
    void MyDragMode();
    void SelectRectMode();
    void SelectPointMode();
    void DragZoomMode();
    // The page is never magnified or scrolled: these do nothing.
    void ZoomIn() {}
    void ZoomOut() {}
    void Zoom100() {}

private:
    void SetMode(TMode mode, int cursor);
    void PaintNow();
    // A press selected a word (or none): the start of the keys' next run.
    void NoteClickedWord();
    void RebuildRange(TPixelPoint anchor, TPixelPoint pointer);

    TPageViewEvents* FEvents;
    std::unique_ptr<TPage> FPage;
    TMode FMode = mSelectRect;
    int FCursor;
    bool FBeginMove = false;
    bool FFirstTimeMove = false;
    TRectI FSelectRect;
    int FRunAnchor = -1, FRunEnd = -1;  // WordList indices
    int FClickedWord = -1;
    int FWidth = 0;
    int FHeight = 0;
};

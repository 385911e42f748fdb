#include "app/PageViewer.h"

#include "pagemodel/PageScale.h"
#include "commands/CursorTable.h"

TPageViewer::TPageViewer(TPageViewEvents* events) : TPageViewer(events, std::make_unique<TPage>()) {}

TPageViewer::TPageViewer(TPageViewEvents* events, std::unique_ptr<TPage> page)
    : FEvents(events), FPage(std::move(page)), FCursor(crSelectPoint) {
    PageScale = 0.5f;
    if (FEvents) FEvents->CursorChanged(FCursor);
}

void TPageViewer::Resize(int width, int height, float largest) {
    FWidth = width;
    FHeight = height;
    FPage->FitToView(width, height, largest);
}

void TPageViewer::PaintNow() {
    if (FEvents) FEvents->PaintNow();
}

void TPageViewer::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (FEvents) FEvents->TakeFocus();
    TPage& page = *FPage;
    const TPixelPoint p{x, y};
    if (button != mbLeft) return;  // the right button's press belongs to the main window's menu

    if (FMode == mSelectRect && (shift & ssCtrl)) {
        // Shape pick: the glyph shape under ink, not its word.
        page.ClearSelect();
        if (!FEvents || FEvents->IsCanvasPixelWhite(x, y)) {
            PaintNow();
            return;
        }
        const TXYPoint q = ToPageUnits(p);
        for (TGlyphShape* shape : page.ShapeList) {
            if (shape->PointIn(q)) {
                shape->Selected = true;
                page.SetSelected(true);
                PaintNow();
                return;
            }
        }
        // Ink inside no shape's outline: as a plain press.
    }

    if (FMode == mSelectRect) {
        TWordObject* word = page.GetGlyphContainPoint(p);
        if (page.Selected() && word && word->Selected()) {
            if (FEvents) FEvents->DragRequested();
            return;
        }
        FBeginMove = FFirstTimeMove = true;
        FSelectRect = {};
        page.ClearSelect();
        page.SelectNearestWordContainPoint(p);
        if (!page.Selected()) FBeginMove = FFirstTimeMove = false;
        NoteClickedWord();
        PaintNow();
    } else if (FMode == mSelectPoint) {
        page.ClearSelect();
        page.SelectGlyphContainPoint(p);
        NoteClickedWord();
        PaintNow();
    }
}

void TPageViewer::MouseMove(TShiftState shift, int x, int y) {
    const bool leftHeld = (shift & ssLeft) != 0;
    if (FMode == mSelectRect) {
        if (!FBeginMove || !leftHeld) {
            FBeginMove = false;
            return;
        }
        if (FFirstTimeMove) {
            // The first move only anchors; the press's selection stays.
            FFirstTimeMove = false;
            FSelectRect = {x, y, 0, 0};
            return;
        }
        FSelectRect.Right = x;
        FSelectRect.Bottom = y;
        RebuildRange({FSelectRect.Left, FSelectRect.Top}, {x, y});
    } else if (FMode == mSelectPoint) {
        if (!FBeginMove || !leftHeld) FBeginMove = false;
    }
}

void TPageViewer::NoteClickedWord() {
    FClickedWord = FRunAnchor = FRunEnd = FPage->GetFirstSelectedWordIndex();
}

// The run of words from the one nearest the anchor to the one nearest the
// pointer, in page order, kept within the sura of the earlier of the two.
void TPageViewer::RebuildRange(TPixelPoint anchor, TPixelPoint pointer) {
    TPage& page = *FPage;
    page.ClearSelect();
    page.SelectNearestWordContainPoint(anchor);
    const int anchorWord = page.GetFirstSelectedWordIndex();
    page.SelectNearestWordContainPoint(pointer);
    if (anchorWord < 0) return;
    const int first = page.GetFirstSelectedWordIndex();
    const int pointerWord = first == anchorWord ? page.GetLastSelectedWordIndex() : first;
    FRunAnchor = anchorWord;
    FRunEnd = pointerWord;
    page.ClearSelect();
    SelectWordRun(page, anchorWord, pointerWord);
    PaintNow();
}

bool TPageViewer::ExtendSelection(TSelectionStep step) {
    TPage& page = *FPage;
    const int count = int(page.WordList.size());
    if (count == 0) return false;
    if (!IsWordRunSelected(page, FRunAnchor, FRunEnd)) {
        const int first = page.GetFirstSelectedWordIndex();
        if (first < 0) {
            // Nothing selected: the first step only sets the start.
            const int start = FClickedWord >= 0 && FClickedWord < count ? FClickedWord : 0;
            FRunAnchor = FRunEnd = start;
            page.ClearSelect();
            SelectWordRun(page, start, start);
            PaintNow();
            return true;
        }
        const int last = page.GetLastSelectedWordIndex();
        const bool forwards = step == stNextWord || step == stNextLine;
        FRunAnchor = forwards ? first : last;
        FRunEnd = forwards ? last : first;
    }
    const int target = StepWordRun(page, FRunAnchor, FRunEnd, step);
    const bool shown = IsWordRunSelected(page, FRunAnchor, target);
    FRunEnd = target;
    if (shown) return false;
    page.ClearSelect();
    SelectWordRun(page, FRunAnchor, FRunEnd);
    PaintNow();
    return true;
}

void TPageViewer::MouseUp(TMouseButton /*button*/, TShiftState /*shift*/, int /*x*/, int /*y*/) {
    FBeginMove = false;
    if (FMode == mSelectRect) {
        FFirstTimeMove = false;
        TPage& page = *FPage;
        if (page.Selected() && page.GetSelectCount() == 1) {
            TWordObject* word = page.GetSelectedWord();
            if (word && word->AyaMark) {
                page.SelectAya(word->SuraNumber, word->AyaNumber);
                PaintNow();
            }
        }
    } else if (FMode == mSelectPoint) {
        FFirstTimeMove = false;
    }
}

bool TPageViewer::KeyDown(int key, TShiftState /*shift*/) {
    if (key != vkEscape) return false;
    if (FEvents) FEvents->EndRun();
    return true;
}

void TPageViewer::SetMode(TMode mode, int cursor) {
    FMode = mode;
    FCursor = cursor;
    if (FEvents) FEvents->CursorChanged(cursor);
}

void TPageViewer::ZoomModeIn() { SetMode(mZoomIn, crZoomIn); }
void TPageViewer::ZoomModeOut() { SetMode(mZoomOut, crZoomOut); }
void TPageViewer::MyDragMode() { SetMode(mDrag, crHandFull); }
void TPageViewer::SelectRectMode() { SetMode(mSelectRect, crSelectRect); }
void TPageViewer::SelectPointMode() { SetMode(mSelectPoint, crSelectPoint); }
void TPageViewer::DragZoomMode() { SetMode(mDragZoom, crDragZoom); }

#pragma once
// The child window on MushafRect that shows the page: it forwards its mouse
// messages to the page view control of the core (capturing the mouse while
// the left button is down) and draws the page on request through an
// off-screen bitmap of its size.
#include "base/OutsideNames.h"
#include "base/win/Window.h"
#include "render/PaintedPage.h"
#include "app/PageViewer.h"

class TMainForm;

class TPageViewWindow final : public TWindow, public TPageViewEvents {
public:
    static constexpr const char16_t* ClassName = PageViewClassName;
    // The pointer moved over the window (the main window shows the header strip).
    struct THost {
        virtual ~THost() = default;
        virtual void PointerMovedOver(HWND window) = 0;
        virtual void PointerLeft() = 0;
        // A press landed on a selected word: a drag of the selection may begin.
        virtual void DragFromSelection() = 0;
    };

    bool Create(HWND parent, THost& host);
    // The core exists after this window's events object: set before any message that paints.
    void SetForm(TMainForm* core) { FForm = core; }

    // TPageViewEvents
    void PaintNow() override;
    void InvalidateView() override;
    void CursorChanged(int cursorNumber) override;
    void TakeFocus() override;
    void EndRun() override;
    bool IsCanvasPixelWhite(int x, int y) override;
    void DragRequested() override;

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Brings the off-screen picture up to date; returns the view rectangles that changed.
    const std::vector<TPixelRect>& Render();
    TPageViewer* Control();

    TMainForm* FForm = nullptr;
    THost* FHost = nullptr;
    TPaintedPage FCanvas;
    HCURSOR FCursor = nullptr;
};

#pragma once
// The string grid of the search results and of both index views: a child
// window over a TGridModel that paints the grid lines and asks its host to
// draw each visible cell, scrolls by whole rows (scroll bar, wheel, keys),
// and turns clicks, double clicks and keys into selections and events.
#include <string_view>
#include <vector>

#include "base/OutsideNames.h"
#include "base/win/Window.h"
#include "search/GridModel.h"

enum class TCellTextAlign { Right, Centre };
// One line of right-to-left text in a cell, vertically centred. Placed by
// the width of the shaped text, so joined Arabic letters line up exactly.
// `centreVertically` false: at the top of the cell.
void DrawCellLine(HDC dc, std::u16string_view text, const RECT& cell, TCellTextAlign align, int inset = 2,
                  bool centreVertically = true);
// Right-to-left text wrapped at spaces into lines no wider than the cell,
// each line placed at the cell's right edge by its shaped width; answers the
// height the lines take. `draw` false only measures. The words (between
// spaces, in text order) whose flag in `marked` is set are drawn in
// `markColour`; a word's part after a no-break space (an aya number) keeps
// the text colour.
int DrawWrappedRightToLeft(HDC dc, std::u16string_view text, const RECT& cell, bool draw = true,
                           const std::vector<bool>& marked = {}, COLORREF markColour = 0);

class TGridControl final : public TWindow {
public:
    static constexpr const char16_t* ClassName = GridClassName;

    class THost {
    public:
        virtual ~THost() = default;
        // Draws one cell into `rect` (the clip is set to it).
        virtual void PaintCell(TGridControl& grid, HDC dc, TGridCell cell, const RECT& rect, bool selected) = 0;
        virtual void CellDoubleClicked(TGridControl& /*grid*/, TGridCell /*cell*/) {}
        // The top row changed (scroll bar, wheel, keys).
        virtual void GridScrolled(TGridControl& /*grid*/) {}
        // A key reached the grid; true when the host used it.
        virtual bool GridKeyDown(TGridControl& /*grid*/, int /*key*/) { return false; }
    };

    // `model` and `host` outlive the control. Without a scroll bar the rows
    // are expected to fit.
    bool Create(HWND parent, const TControlPlace& place, TGridModel& model, THost& host, bool scrollBar);
    void Place(const TControlPlace& place);
    // The model changed: scroll bar and picture follow it.
    void Refresh();
    TGridModel& Model() { return *FModel; }

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnPaint(HDC dc, const RECT& dirty) override;
    void OnSize(int width, int height) override;
    bool OnKeyDown(int key) override;
    void Scroll(int code);
    void ScrollTo(int topRow);
    void UpdateScrollBar();
    TGridCell CellAt(LPARAM lParam) const;
    void DrawFocusMark(HDC dc, const RECT& client) const;

    TGridModel* FModel = nullptr;
    THost* FHost = nullptr;
    bool FScrollBar = false;
    int FWheelRest = 0;  // wheel distance not yet turned into rows
};

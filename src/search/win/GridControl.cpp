#include "search/win/GridControl.h"

#include <windowsx.h>

#include <algorithm>

#include "base/win/SystemLibraries.h"

namespace {

constexpr int WheelRows = 3;

void Fill(HDC dc, const RECT& r, COLORREF colour) {
    SetBkColor(dc, colour);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
}

// The width of a line as it is drawn: joined letters and marks placed by the
// font's shaping (Uniscribe, loaded from System32), where
// GetTextExtentPoint32 may add the marks' own advances.
int ShapedWidth(HDC dc, std::u16string_view line) {
    if (line.empty()) return 0;
    const std::wstring wide = ToWide(line);
    SCRIPT_STRING_ANALYSIS analysis = nullptr;
    const TUniscribeCalls* shaping = UniscribeCalls();
    if (shaping && SUCCEEDED(shaping->ScriptStringAnalyse(dc, wide.c_str(), int(wide.size()),
                                                          int(wide.size() * 3 / 2 + 16), -1, SSA_GLYPHS | SSA_RTL,
                                                          0, nullptr, nullptr, nullptr, nullptr, nullptr,
                                                          &analysis))) {
        const SIZE* size = shaping->ScriptString_pSize(analysis);
        const int width = size ? int(size->cx) : 0;
        shaping->ScriptStringFree(&analysis);
        if (width > 0) return width;
    }
    SIZE size{};
    GetTextExtentPoint32W(dc, wide.c_str(), int(wide.size()), &size);
    return int(size.cx);
}

}  // namespace

void DrawCellLine(HDC dc, std::u16string_view text, const RECT& cell, TCellTextAlign align, int inset,
                  bool centreVertically) {
    if (text.empty()) return;
    const std::wstring wide = ToWide(text);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const int y = centreVertically ? (cell.top + cell.bottom - metrics.tmHeight) / 2 : cell.top;
    // TA_CENTER and TA_RIGHT measure the shaped glyphs, as DrawText does not.
    const UINT previous = SetTextAlign(dc, (align == TCellTextAlign::Centre ? TA_CENTER : TA_RIGHT) | TA_TOP |
                                               TA_RTLREADING | TA_NOUPDATECP);
    const int x = align == TCellTextAlign::Centre ? (cell.left + cell.right) / 2 : cell.right - inset;
    ExtTextOutW(dc, x, y, ETO_CLIPPED | ETO_RTLREADING, &cell, wide.c_str(), UINT(wide.size()), nullptr);
    SetTextAlign(dc, previous);
}

namespace {

// Draws the marked words of a line drawn at `line`'s right edge once more in
// `colour`, each clipped to its own place: the line's glyphs stay exactly
// where the whole line put them. `word` is the number of the line's first
// word in the text.
void DrawMarkedWords(HDC dc, std::u16string_view text, const RECT& line, std::size_t word,
                     const std::vector<bool>& marked, COLORREF colour) {
    const int gap = ShapedWidth(dc, u" ");
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(u' ', start);
        if (end == text.npos) end = text.size();
        if (end > start) {
            if (word < marked.size() && marked[word]) {
                // The aya number after a no-break space is no part of the word.
                const std::size_t nbsp = text.substr(start, end - start).find(u'\u00A0');
                const std::size_t wordEnd = nbsp == text.npos ? end : start + nbsp;
                const int right = line.right - (start ? ShapedWidth(dc, text.substr(0, start)) : 0);
                const int left = right - ShapedWidth(dc, text.substr(start, wordEnd - start));
                const int saved = SaveDC(dc);
                IntersectClipRect(dc, left - gap / 2, line.top, right + gap / 2, line.bottom);
                const COLORREF previous = SetTextColor(dc, colour);
                DrawCellLine(dc, text, line, TCellTextAlign::Right, 0, false);
                SetTextColor(dc, previous);
                RestoreDC(dc, saved);
            }
            ++word;
        }
        start = end + 1;
    }
}

std::size_t WordCount(std::u16string_view text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] != u' ' && (i == 0 || text[i - 1] == u' ')) ++count;
    return count;
}

}  // namespace

int DrawWrappedRightToLeft(HDC dc, std::u16string_view text, const RECT& cell, bool draw,
                           const std::vector<bool>& marked, COLORREF markColour) {
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const int width = cell.right - cell.left;
    auto widthOf = [dc](std::u16string_view line) { return ShapedWidth(dc, line); };
    int y = cell.top, lines = 0;
    std::size_t start = 0, word = 0;
    while (start < text.size()) {
        // Greedy: as many words as fit, at least one.
        std::size_t end = text.find(u' ', start);
        if (end == text.npos) end = text.size();
        for (;;) {
            if (end >= text.size()) break;
            std::size_t next = text.find(u' ', end + 1);
            if (next == text.npos) next = text.size();
            if (widthOf(text.substr(start, next - start)) > width) break;
            end = next;
        }
        const std::u16string_view shown = text.substr(start, end - start);
        if (draw) {
            const RECT line{cell.left, y, cell.right, y + metrics.tmHeight};
            DrawCellLine(dc, shown, line, TCellTextAlign::Right, 0, false);
            if (std::find(marked.begin() + std::ptrdiff_t(std::min(word, marked.size())), marked.end(), true) !=
                marked.end())
                DrawMarkedWords(dc, shown, line, word, marked, markColour);
        }
        word += WordCount(shown);
        y += metrics.tmHeight;
        ++lines;
        start = end + 1;
        while (start < text.size() && text[start] == u' ') ++start;
    }
    return lines * metrics.tmHeight;
}

bool TGridControl::Create(HWND parent, const TControlPlace& place, TGridModel& model, THost& host, bool scrollBar) {
    FModel = &model;
    FHost = &host;
    FScrollBar = scrollBar;
    TCreateArgs a;
    a.ClassName = ClassName;
    a.Style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | (scrollBar ? WS_VSCROLL : 0);
    // A right-to-left grid keeps its scroll bar on the left, by its first column's far side.
    a.ExStyle = WS_EX_CLIENTEDGE | (model.RightToLeft ? WS_EX_LEFTSCROLLBAR : 0);
    a.X = place.Left;
    a.Y = place.Top;
    a.Width = place.Width;
    a.Height = place.Height;
    a.Parent = parent;
    a.ClassStyle = CS_DBLCLKS;
    if (!CreateWindowFrom(a)) return false;
    RECT client{};
    GetClientRect(Handle(), &client);
    FModel->SetClientSize(client.right, client.bottom);
    UpdateScrollBar();
    return true;
}

void TGridControl::Place(const TControlPlace& p) {
    SetWindowPos(Handle(), nullptr, p.Left, p.Top, p.Width, p.Height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TGridControl::Refresh() {
    UpdateScrollBar();
    InvalidateRect(Handle(), nullptr, FALSE);
}

void TGridControl::UpdateScrollBar() {
    if (!FScrollBar || !Handle()) return;
    const TGridScrollBar bar = FModel->ScrollBar();
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    si.nMax = bar.Needed ? bar.Max : 0;
    si.nPage = bar.Needed ? UINT(bar.Page) : 1;
    si.nPos = bar.Needed ? bar.Position : 0;
    SetScrollInfo(Handle(), SB_VERT, &si, TRUE);
}

void TGridControl::ScrollTo(int topRow) {
    if (!FModel->SetTopRow(topRow)) return;
    FHost->GridScrolled(*this);
    Refresh();
}

void TGridControl::Scroll(int code) {
    const int top = FModel->TopRow();
    const int page = FModel->FullyVisibleRows();
    switch (code) {
    case SB_LINEUP: ScrollTo(top - 1); break;
    case SB_LINEDOWN: ScrollTo(top + 1); break;
    case SB_PAGEUP: ScrollTo(top - page); break;
    case SB_PAGEDOWN: ScrollTo(top + page); break;
    case SB_TOP: ScrollTo(FModel->FixedRows()); break;
    case SB_BOTTOM: ScrollTo(FModel->MaxTopRow()); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        SCROLLINFO si{};
        si.cbSize = sizeof si;
        si.fMask = SIF_TRACKPOS;
        GetScrollInfo(Handle(), SB_VERT, &si);
        ScrollTo(FModel->FixedRows() + si.nTrackPos);
        break;
    }
    }
}

TGridCell TGridControl::CellAt(LPARAM lParam) const { return FModel->HitTest(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); }

LRESULT TGridControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_VSCROLL:
        Scroll(LOWORD(wParam));
        return 0;
    case WM_MOUSEWHEEL: {
        FWheelRest += GET_WHEEL_DELTA_WPARAM(wParam);
        const int notches = FWheelRest / WHEEL_DELTA;
        FWheelRest -= notches * WHEEL_DELTA;
        if (notches) ScrollTo(FModel->TopRow() - notches * WheelRows);
        return 0;
    }
    case WM_LBUTTONDOWN: {
        SetFocus(Handle());
        if (FModel->Select(CellAt(lParam))) InvalidateRect(Handle(), nullptr, FALSE);
        return 0;
    }
    case WM_LBUTTONDBLCLK: {
        const TGridCell cell = CellAt(lParam);
        if (FModel->Select(cell)) InvalidateRect(Handle(), nullptr, FALSE);
        if (cell.Valid()) FHost->CellDoubleClicked(*this, cell);
        return 0;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        InvalidateRect(Handle(), nullptr, FALSE);
        break;
    }
    return TWindow::HandleMessage(message, wParam, lParam);
}

bool TGridControl::OnKeyDown(int key) {
    if (FHost->GridKeyDown(*this, key)) return true;
    const int page = FModel->FullyVisibleRows();
    const int toLeft = FModel->RightToLeft ? 1 : -1;  // columns that stand further left
    int rows = 0, cols = 0;
    switch (key) {
    case VK_UP: rows = -1; break;
    case VK_DOWN: rows = 1; break;
    case VK_PRIOR: rows = -page; break;
    case VK_NEXT: rows = page; break;
    case VK_HOME: rows = -FModel->RowCount(); break;
    case VK_END: rows = FModel->RowCount(); break;
    case VK_LEFT: cols = toLeft; break;
    case VK_RIGHT: cols = -toLeft; break;
    default: return false;
    }
    const int top = FModel->TopRow();
    if (FModel->MoveSelection(rows, cols) || FModel->TopRow() != top) {
        if (FModel->TopRow() != top) FHost->GridScrolled(*this);
        Refresh();
    }
    return true;
}

void TGridControl::OnSize(int width, int height) {
    const int top = FModel->TopRow();
    FModel->SetClientSize(width, height);
    if (FModel->TopRow() != top) FHost->GridScrolled(*this);
    Refresh();
}

void TGridControl::DrawFocusMark(HDC dc, const RECT& client) const {
    // Around the selected cell (its row when whole rows are selected), or
    // inside the grid's edge when no selected cell is in sight.
    RECT mark{1, 1, client.right - 1, client.bottom - 1};
    const TGridModel& m = *FModel;
    if (m.HasSelection()) {
        const TGridCell s = m.Selected();
        TGridRect r = m.CellRect(s.Col, s.Row);
        if (m.RowSelect)
            for (int col = 0; col < m.ColumnCount(); ++col) {
                const TGridRect c = m.CellRect(col, s.Row);
                if (c.Empty()) continue;
                if (r.Empty()) r = c;
                r = {std::min(r.Left, c.Left), r.Top, std::max(r.Right, c.Right), r.Bottom};
            }
        if (!r.Empty()) mark = {std::max(r.Left, 0), r.Top, std::min<int>(r.Right, client.right), r.Bottom};
    }
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    DrawFocusRect(dc, &mark);
}

void TGridControl::OnPaint(HDC target, const RECT&) {
    RECT client{};
    GetClientRect(Handle(), &client);
    if (client.right <= 0 || client.bottom <= 0) return;
    // Drawn off screen and copied at once, so scrolling never flickers.
    HDC dc = CreateCompatibleDC(target);
    HBITMAP bitmap = CreateCompatibleBitmap(target, client.right, client.bottom);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    HGDIOBJ oldFont = SelectObject(dc, WindowFont() ? WindowFont() : GetStockObject(DEFAULT_GUI_FONT));
    Fill(dc, client, GetSysColor(COLOR_WINDOW));
    const COLORREF line = GetSysColor(COLOR_BTNFACE);
    const TGridModel& m = *FModel;
    auto paintRow = [&](int row) {
        for (int col = 0; col < m.ColumnCount(); ++col) {
            const TGridRect r = m.CellRect(col, row);
            if (r.Empty()) continue;
            // The cell's grid lines: below it and on its far side.
            RECT withLines{m.RightToLeft ? r.Left - m.LineWidth : r.Left, r.Top,
                           m.RightToLeft ? r.Right : r.Right + m.LineWidth, r.Bottom + m.LineWidth};
            Fill(dc, withLines, line);
            const RECT cell{r.Left, r.Top, r.Right, r.Bottom};
            const int saved = SaveDC(dc);
            IntersectClipRect(dc, cell.left, cell.top, cell.right, cell.bottom);
            FHost->PaintCell(*this, dc, {col, row}, cell, m.IsSelected(col, row));
            RestoreDC(dc, saved);
        }
    };
    for (int row = 0; row < std::min(m.FixedRows(), m.RowCount()); ++row) paintRow(row);
    if (m.TopRow() < m.RowCount())
        for (int row = m.TopRow(); row <= m.LastVisibleRow(); ++row) paintRow(row);
    if (GetFocus() == Handle()) DrawFocusMark(dc, client);
    BitBlt(target, 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
    SelectObject(dc, oldFont);
    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

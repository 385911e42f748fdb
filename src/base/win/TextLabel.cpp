#include "base/win/TextLabel.h"

namespace {
constexpr COLORREF LinkColour = RGB(0, 102, 204);
}  // namespace

bool TTextLabel::Create(HWND parent, std::u16string_view text, const TControlPlace& place, int id, HFONT font,
                        const TTextLabelStyle& style) {
    FFontUsed = font;
    FStyle = style;
    TCreateArgs a;
    a.ClassName = ClassName;
    a.Title = text;
    a.Style = WS_CHILD | WS_VISIBLE | (style.Link ? WS_TABSTOP : 0);
    // Right-to-left text is drawn in a mirrored label, where the leading
    // edge is the label's left: the line's start is put there exactly and
    // only its far end depends on how the text was measured.
    a.ExStyle = style.RightToLeft ? WS_EX_LAYOUTRTL : 0;
    a.X = place.Left;
    a.Y = place.Top;
    a.Width = place.Width;
    a.Height = place.Height;
    a.Parent = parent;
    if (!CreateWindowFrom(a)) return false;
    SetWindowLongPtrW(Handle(), GWLP_ID, id);
    return true;
}

void TTextLabel::Paint(HDC dc) {
    RECT r;
    GetClientRect(Handle(), &r);
    HBRUSH background = CreateSolidBrush(FStyle.Background);
    FillRect(dc, &r, background);
    DeleteObject(background);
    const std::wstring text = ToWide(WindowText(Handle()));
    HGDIOBJ oldFont = FFontUsed ? SelectObject(dc, FFontUsed) : nullptr;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, FStyle.Link ? LinkColour : GetSysColor(COLOR_WINDOWTEXT));
    UINT format = DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS;
    format |= FStyle.Align == TTextLabelStyle::laCentre ? DT_CENTER : DT_LEFT;
    if (FStyle.RightToLeft) format |= DT_RTLREADING;
    DrawTextW(dc, text.c_str(), int(text.size()), &r, format);
    if (GetFocus() == Handle()) {
        // Around the text as drawn, not the whole label.
        RECT drawn = r;
        DrawTextW(dc, text.c_str(), int(text.size()), &drawn, format | DT_CALCRECT);
        if (FStyle.Align == TTextLabelStyle::laCentre) OffsetRect(&drawn, (r.right - drawn.right) / 2, 0);
        InflateRect(&drawn, 1, 0);
        IntersectRect(&drawn, &drawn, &r);
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        DrawFocusRect(dc, &drawn);
    }
    if (oldFont) SelectObject(dc, oldFont);
}

void TTextLabel::Activate() {
    SendMessageW(GetParent(Handle()), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(Handle()), STN_CLICKED), LPARAM(Handle()));
}

LRESULT TTextLabel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(Handle(), &ps);
        Paint(dc);
        EndPaint(Handle(), &ps);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;  // every pixel is painted
    case WM_SETFONT:  // a font for the window's new DPI
        FFontUsed = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam)) InvalidateRect(Handle(), nullptr, FALSE);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(FFontUsed);
    case WM_SETTEXT: {
        const LRESULT result = TWindow::HandleMessage(message, wParam, lParam);
        InvalidateRect(Handle(), nullptr, FALSE);
        return result;
    }
    case WM_NCHITTEST:
        // Plain text lets clicks and the wheel through to the window behind.
        if (!FStyle.Link) return HTTRANSPARENT;
        break;
    case WM_SETCURSOR:
        if (FStyle.Link && LOWORD(lParam) == HTCLIENT) {
            SetCursor(LoadCursorW(nullptr, IDC_HAND));
            return TRUE;
        }
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        InvalidateRect(Handle(), nullptr, FALSE);
        return 0;
    case WM_GETDLGCODE: {
        // Enter opens the link rather than the dialog keys' default button.
        const auto* msg = reinterpret_cast<const MSG*>(lParam);
        if (FStyle.Link && msg && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN) return DLGC_WANTMESSAGE;
        break;
    }
    case WM_KEYDOWN:
        // A key held down opens the link once.
        if (FStyle.Link && (wParam == VK_RETURN || wParam == VK_SPACE) && !(lParam & (1 << 30))) {
            Activate();
            return 0;
        }
        break;
    case WM_LBUTTONDOWN:
        if (FStyle.Link) SetFocus(Handle());
        FPressed = true;
        SetCapture(Handle());
        return 0;
    case WM_LBUTTONUP: {
        if (!FPressed) return 0;
        FPressed = false;
        ReleaseCapture();
        RECT r;
        GetClientRect(Handle(), &r);
        const POINT p{short(LOWORD(lParam)), short(HIWORD(lParam))};
        // A press that ends outside the link is taken back.
        if (PtInRect(&r, p)) Activate();
        return 0;
    }
    case WM_CAPTURECHANGED:
        FPressed = false;
        return 0;
    }
    return TWindow::HandleMessage(message, wParam, lParam);
}



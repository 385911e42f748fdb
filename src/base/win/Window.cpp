#include "base/win/Window.h"

#include <utility>

#include "base/win/Dpi.h"
#include "base/win/WindowPlacement.h"

TWindow::~TWindow() {
    if (FHandle) {
        SetWindowLongPtrW(FHandle, GWLP_USERDATA, 0);  // no more messages reach this object
        HWND h = FHandle;
        FHandle = nullptr;
        RememberWindowPlace(h);  // no WM_DESTROY reaches this object now
        DestroyWindow(h);
    }
}

TWindow* TWindow::FromHandle(HWND hwnd) {
    // Only windows whose procedure is ours keep a TWindow in GWLP_USERDATA.
    if (!hwnd || reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_WNDPROC)) != &WindowProc) return nullptr;
    return reinterpret_cast<TWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

void TWindow::BringToFront() {
    if (!FHandle) return;
    if (IsIconic(FHandle)) ShowWindow(FHandle, SW_RESTORE);
    ShowWindow(FHandle, SW_SHOW);
    SetForegroundWindow(FHandle);
    BringWindowToTop(FHandle);
}

bool TWindow::CreateWindowFrom(const TCreateArgs& a) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = a.ClassStyle;
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = a.Cursor ? a.Cursor : LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = a.Background;
    wc.lpszClassName = WidePtr(a.ClassName);
    if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;
    const std::wstring title = ToWide(a.Title);
    HWND h = CreateWindowExW(a.ExStyle, WidePtr(a.ClassName), title.c_str(), a.Style, a.X, a.Y, a.Width, a.Height, a.Parent,
                             nullptr, GetModuleHandleW(nullptr), this);
    if (h) NoteWindowCreated(h, a.ClassName);
    return h != nullptr;
}

void TWindow::OnClose() { DestroyWindow(FHandle); }

void TWindow::SetWindowFont(TFontHandle font) {
    const HFONT old = FFont;
    FFont = std::move(font);
    if (!FHandle || old == FFont.Get()) return;
    // The controls still showing the old font (freed now), or none yet, get
    // the new one.
    struct TSwap { HFONT Old, New; } swap{old, FFont.Get()};
    EnumChildWindows(FHandle, [](HWND child, LPARAM p) -> BOOL {
        const auto* s = reinterpret_cast<const TSwap*>(p);
        if (reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0)) == s->Old)
            SendMessageW(child, WM_SETFONT, WPARAM(s->New), TRUE);
        return TRUE;
    }, LPARAM(&swap));
}

HWND TWindow::AddControl(const wchar_t* className, std::u16string_view text, DWORD style, const TControlPlace& place,
                         int id, HFONT font, DWORD exStyle) {
    const std::wstring wide = ToWide(text);
    const bool mirrored = (GetWindowLongW(FHandle, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0;
    const DWORD alignment = style & SS_TYPEMASK;
    const bool rightToLeft = mirrored || (exStyle & WS_EX_RTLREADING);
    if (rightToLeft && lstrcmpiW(className, L"STATIC") == 0 && (alignment == SS_LEFT || alignment == SS_RIGHT)) {
        // A mirrored label starts at its right edge without measuring the
        // text, which keeps shaped Arabic flush with it.
        style = (style & ~SS_TYPEMASK) | SS_OWNERDRAW;
        exStyle |= WS_EX_LAYOUTRTL;
    }
    HWND h = CreateWindowExW(exStyle, className, wide.c_str(), WS_CHILD | WS_VISIBLE | style, place.Left, place.Top,
                             place.Width, place.Height, FHandle, reinterpret_cast<HMENU>(INT_PTR(id)),
                             GetModuleHandleW(nullptr), nullptr);
    if (h && (font || FFont)) SendMessageW(h, WM_SETFONT, WPARAM(font ? font : FFont), FALSE);
    return h;
}

LRESULT TWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return OnCreate() ? 0 : -1;
    case WM_SIZE:
        OnSize(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(FHandle, &ps);
        OnPaint(dc, ps.rcPaint);
        EndPaint(FHandle, &ps);
        return 0;
    }
    case WM_KEYDOWN:
        if (OnKeyDown(int(wParam))) return 0;
        break;
    case WM_COMMAND:
        if (OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam))) return 0;
        if (LOWORD(wParam) == IDCANCEL) {
            OnClose();
            return 0;
        }
        break;
    case WM_CLOSE:
        OnClose();
        return 0;
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item.CtlType != ODT_STATIC) break;
        DrawRightToLeftLabel(item);
        return TRUE;
    }
    case WM_ACTIVATE:
        // Like a dialog, a tool window gives the focus back to the control
        // that had it when it was last active.
        if (!WantsDialogKeys()) break;
        if (LOWORD(wParam) == WA_INACTIVE) {
            const HWND focus = GetFocus();
            if (focus && IsChild(FHandle, focus)) FLastFocus = focus;
        } else if (FLastFocus && IsWindow(FLastFocus) && IsChild(FHandle, FLastFocus)) {
            SetFocus(FLastFocus);
            return 0;
        }
        break;
    case WM_DPICHANGED: {
        FDpi = HIWORD(wParam);
        const RECT& r = *reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(FHandle, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        OnDpiChanged();
        RedrawWindow(FHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
        return 0;
    }
    case WM_DESTROY:
        OnDestroy();
        return 0;
    }
    return DefWindowProcW(FHandle, message, wParam, lParam);
}

void TWindow::DrawRightToLeftLabel(const DRAWITEMSTRUCT& item) {
    const std::u16string text = WindowText(item.hwndItem);
    const std::wstring wide = ToWide(text);
    HDC dc = item.hDC;
    FillRect(dc, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0)));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(IsWindowEnabled(item.hwndItem) ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    RECT r = item.rcItem;
    // The label's own layout is mirrored: its left is the right edge.
    DrawTextW(dc, wide.c_str(), int(wide.size()), &r, DT_LEFT | DT_RTLREADING | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, oldFont);
}

LRESULT CALLBACK TWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    TWindow* self = nullptr;
    if (message == WM_NCCREATE) {
        self = static_cast<TWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->FHandle = hwnd;
        self->FDpi = WindowDpi(hwnd);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<TWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_DESTROY) RememberWindowPlace(hwnd);  // whatever the window's own handler does
    const LRESULT result = self->HandleMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->FHandle = nullptr;
        self->Destroyed();
    }
    return result;
}

TWindow::TCreateArgs ToolWindowArgs(const char16_t* className, std::u16string_view title, HWND owner,
                                    int clientWidth, int clientHeight, bool arabic, DWORD extraStyle,
                                    TPlacement placement) {
    TWindow::TCreateArgs a;
    a.ClassName = className;
    a.Title = title;
    a.Style = WS_POPUP | WS_CAPTION | WS_SYSMENU | extraStyle;
    a.ExStyle = WS_EX_TOOLWINDOW | (arabic ? WS_EX_LAYOUTRTL | WS_EX_NOINHERITLAYOUT : 0);
    a.Background = GetSysColorBrush(COLOR_BTNFACE);
    RECT frame{0, 0, clientWidth, clientHeight};
    AdjustWindowRectForDpi(frame, a.Style, a.ExStyle, CreationDpi(owner));
    a.Width = frame.right - frame.left;
    a.Height = frame.bottom - frame.top;
    a.Parent = owner;
    PlaceWindowArgs(a, placement);
    return a;
}

void PlaceWindowArgs(TWindow::TCreateArgs& a, TPlacement placement) {
    RECT around{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (placement == TPlacement::OnOwner && a.Parent) GetWindowRect(a.Parent, &around);
    a.X = (around.left + around.right - a.Width) / 2;
    a.Y = (around.top + around.bottom - a.Height) / 2;
    PlaceRemembered(a);
}

void PlaceControl(HWND control, const TControlPlace& p) {
    if (control) SetWindowPos(control, nullptr, p.Left, p.Top, p.Width, p.Height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void SetControlText(HWND control, std::u16string_view text) {
    const std::wstring wide = ToWide(text);
    SetWindowTextW(control, wide.c_str());
    InvalidateRect(control, nullptr, TRUE);
}



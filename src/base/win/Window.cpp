#include "base/win/Window.h"

TWindow::~TWindow() {
    if (FHandle) {
        SetWindowLongPtrW(FHandle, GWLP_USERDATA, 0);  // no more messages reach this object
        HWND h = FHandle;
        FHandle = nullptr;
        DestroyWindow(h);
    }
}

bool TWindow::RegisterWindowClass(const wchar_t* className, UINT style, HCURSOR cursor, HBRUSH background) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = style;
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = cursor;
    wc.hbrBackground = background;
    wc.lpszClassName = className;
    return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

bool TWindow::CreateWindowFrom(const TCreateArgs& a) {
    HWND h = CreateWindowExW(a.ExStyle, a.ClassName, a.Title, a.Style, a.X, a.Y, a.Width, a.Height, a.Parent,
                             nullptr, GetModuleHandleW(nullptr), this);
    return h != nullptr;
}

LRESULT TWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(FHandle, message, wParam, lParam);
}

LRESULT CALLBACK TWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    TWindow* self = nullptr;
    if (message == WM_NCCREATE) {
        self = static_cast<TWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->FHandle = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<TWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    const LRESULT result = self->HandleMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->FHandle = nullptr;
        self->Destroyed();
    }
    return result;
}

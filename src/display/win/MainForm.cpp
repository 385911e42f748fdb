#include "display/win/MainForm.h"

#include "display/MainWindowGeometry.h"

namespace {

LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_KEYDOWN:
        if (wp == VK_ESCAPE) {
            DestroyWindow(hwnd);
            return 0;
        }
        break;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace

bool MainForm::Register(HINSTANCE instance) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = ClassName;
    return RegisterClassExW(&wc) != 0;
}

HWND MainForm::Create(HINSTANCE instance, int showCommand) {
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    TRectI r = CentredRect({work.left, work.top, work.right, work.bottom}, MainWindowDesignWidth,
                           MainWindowDesignHeight);
    HWND hwnd = CreateWindowExW(0, ClassName, Title, WS_POPUP | WS_CLIPCHILDREN, r.Left, r.Top,
                                r.Width(), r.Height(), nullptr, nullptr, instance, nullptr);
    if (hwnd) {
        ShowWindow(hwnd, showCommand);
        UpdateWindow(hwnd);
    }
    return hwnd;
}

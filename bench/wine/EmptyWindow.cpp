// Wine's own share of the program's resident memory: a window of the main
// window's size with a message loop and nothing else, built by the same
// toolchain with the same imports, which it calls once each so that the
// same DLLs load, WinInet included (the update check loads it at start).
// bench/exe_memory.sh measures it beside Tiravel.exe. Closes on Escape.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>
#include <shlobj.h>

namespace {

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE) DestroyWindow(window);
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        FillRect(dc, &ps.rcPaint, HBRUSH(GetStockObject(WHITE_BRUSH)));
        EndPaint(window, &ps);
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    OleInitialize(nullptr);
    wchar_t folder[MAX_PATH];
    SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, 0, folder);
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software", 0, KEY_READ, &key) == ERROR_SUCCESS) RegCloseKey(key);
    LoadLibraryExW(L"wininet.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);

    WNDCLASSW c{};
    c.lpfnWndProc = Procedure;
    c.hInstance = instance;
    c.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    c.lpszClassName = L"TiravelEmptyWindow";
    RegisterClassW(&c);
    HWND window = CreateWindowExW(0, c.lpszClassName, L"Empty window", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, 0, 416,
                                  614, nullptr, nullptr, instance, nullptr);
    ShowWindow(window, show);
    MSG m;
    while (GetMessageW(&m, nullptr, 0, 0) > 0) {
        TranslateMessage(&m);
        DispatchMessageW(&m);
    }
    OleUninitialize();
    return 0;
}

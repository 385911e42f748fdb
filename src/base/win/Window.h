#pragma once
// One base for every window of the shell: a static window procedure finds the
// object from the pointer passed as lpCreateParams at WM_NCCREATE, keeps it in
// GWLP_USERDATA and forwards every message to the virtual HandleMessage.
#include <windows.h>
// The core has operations of these names; the shell calls the W functions by name.
#undef LoadCursor
#undef RegisterClipboardFormat

class TWindow {
public:
    struct TCreateArgs {
        const wchar_t* ClassName = nullptr;
        const wchar_t* Title = L"";
        DWORD Style = WS_OVERLAPPEDWINDOW;
        DWORD ExStyle = 0;
        int X = CW_USEDEFAULT, Y = CW_USEDEFAULT, Width = CW_USEDEFAULT, Height = CW_USEDEFAULT;
        HWND Parent = nullptr;
    };

    TWindow() = default;
    TWindow(const TWindow&) = delete;
    TWindow& operator=(const TWindow&) = delete;
    // Destroys the window if it still exists.
    virtual ~TWindow();

    HWND Handle() const { return FHandle; }

    // A class whose procedure is the shared one; false when registration failed
    // for another reason than an earlier registration.
    static bool RegisterWindowClass(const wchar_t* className, UINT style, HCURSOR cursor, HBRUSH background = nullptr);

protected:
    bool CreateWindowFrom(const TCreateArgs& args);
    // Every message; the default is DefWindowProcW.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // The window is gone (after WM_NCDESTROY); Handle() is null again.
    virtual void Destroyed() {}

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND FHandle = nullptr;
};

// Wide strings of the Windows API from the core's UTF-16 text (same code units).
#include <string>
#include <string_view>
inline std::wstring ToWide(std::u16string_view s) { return std::wstring(s.begin(), s.end()); }
inline std::u16string FromWide(std::wstring_view s) { return std::u16string(s.begin(), s.end()); }

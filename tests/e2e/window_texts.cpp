// Test helper run under Wine beside Tiravel.exe: prints the child controls of
// the visible top-level windows of one window class, one line each:
//   <window number> <control id> <left> <top> <right> <bottom> <text>
// screen coordinates, the text in UTF-8 with line breaks written as \n. With
// no visible window of the class it prints nothing and exits with 1.
// With --foreground it prints the class of the foreground window instead.
// With --focus it prints the foreground window's control that has the keys
// (a combo box for its edit field): <control id> <left> <top> <right>
// <bottom>, screen coordinates; nothing and 1 when no control has them.
// With --places CLASS it prints each visible window of the class instead,
// one line each, newest on top first: <left> <top> <right> <bottom>.
// With --post CLASS MESSAGE [WPARAM [LPARAM]] it posts MESSAGE (numbers;
// WParam and LParam 0 unless given) to the first window of the class
// instead, as another window, a thread or a menu would. With --size CLASS it
// prints the first visible window's size and its client area's: <width>
// <height> <client width> <client height>. The helper is aware of the
// display's DPI, so that it reads device pixels as the program lays them out.
#include <windows.h>

#include <string>
#include <vector>

namespace {

std::string Utf8(const std::wstring& s) {
    if (s.empty()) return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, s.data(), int(s.size()), nullptr, 0, nullptr, nullptr);
    std::string out(std::size_t(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, s.data(), int(s.size()), out.data(), n, nullptr, nullptr);
    return out;
}

std::string Escaped(const std::wstring& text) {
    std::string out;
    for (char c : Utf8(text)) {
        if (c == '\r') continue;
        if (c == '\n') out += "\\n";
        else out += c;
    }
    return out;
}

void Write(const std::string& s) {
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), s.data(), DWORD(s.size()), &written, nullptr);
}

struct TSearch {
    std::wstring ClassName;
    std::vector<HWND> Windows;
};

BOOL CALLBACK NoteWindow(HWND hwnd, LPARAM param) {
    auto& search = *reinterpret_cast<TSearch*>(param);
    wchar_t cls[256];
    if (IsWindowVisible(hwnd) && GetClassNameW(hwnd, cls, 256) && search.ClassName == cls)
        search.Windows.push_back(hwnd);
    return TRUE;
}

struct TChildren {
    int Window;
    std::string Lines;
};

BOOL CALLBACK NoteChild(HWND hwnd, LPARAM param) {
    auto& children = *reinterpret_cast<TChildren*>(param);
    wchar_t buffer[4096];
    const int length = int(SendMessageW(hwnd, WM_GETTEXT, std::size(buffer), LPARAM(buffer)));
    RECT r{};
    GetWindowRect(hwnd, &r);
    children.Lines += std::to_string(children.Window) + ' ' + std::to_string(GetDlgCtrlID(hwnd)) + ' ' +
                      std::to_string(r.left) + ' ' + std::to_string(r.top) + ' ' + std::to_string(r.right) + ' ' +
                      std::to_string(r.bottom) + ' ' + Escaped(std::wstring(buffer, std::size_t(length))) + '\n';
    return TRUE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    SetProcessDPIAware();
    if (argc == 3 && std::wstring(argv[1]) == L"--size") {
        TSearch search{argv[2], {}};
        EnumWindows(&NoteWindow, LPARAM(&search));
        if (search.Windows.empty()) return 1;
        RECT w{}, c{};
        GetWindowRect(search.Windows[0], &w);
        GetClientRect(search.Windows[0], &c);
        Write(std::to_string(w.right - w.left) + ' ' + std::to_string(w.bottom - w.top) + ' ' +
              std::to_string(c.right) + ' ' + std::to_string(c.bottom) + '\n');
        return 0;
    }
    if (argc == 2 && std::wstring(argv[1]) == L"--focus") {
        const HWND window = GetForegroundWindow();
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        if (!window || !GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return 1;
        HWND control = info.hwndFocus;
        while (control && GetParent(control) && GetParent(control) != window) control = GetParent(control);
        if (!control || control == window) return 1;
        RECT r{};
        GetWindowRect(control, &r);
        Write(std::to_string(GetDlgCtrlID(control)) + ' ' + std::to_string(r.left) + ' ' + std::to_string(r.top) +
              ' ' + std::to_string(r.right) + ' ' + std::to_string(r.bottom) + '\n');
        return 0;
    }
    if (argc == 2 && std::wstring(argv[1]) == L"--foreground") {
        wchar_t cls[256] = L"";
        if (HWND h = GetForegroundWindow()) GetClassNameW(h, cls, 256);
        Write(Utf8(cls) + "\n");
        return 0;
    }
    const bool post = argc >= 4 && argc <= 6 && std::wstring(argv[1]) == L"--post";
    const bool places = argc == 3 && std::wstring(argv[1]) == L"--places";
    if (argc != 2 && !post && !places) {
        Write("usage: tiravel-wintext CLASSNAME | --foreground | --size CLASSNAME | --places CLASSNAME | --post CLASSNAME MESSAGE [WPARAM [LPARAM]]\n");
        return 2;
    }
    TSearch search{argv[post || places ? 2 : 1], {}};
    EnumWindows(&NoteWindow, LPARAM(&search));
    if (places) {
        for (HWND h : search.Windows) {
            RECT r{};
            GetWindowRect(h, &r);
            Write(std::to_string(r.left) + ' ' + std::to_string(r.top) + ' ' + std::to_string(r.right) + ' ' +
                  std::to_string(r.bottom) + '\n');
        }
        return search.Windows.empty() ? 1 : 0;
    }
    if (post) {
        const WPARAM w = argc >= 5 ? WPARAM(_wtoi(argv[4])) : 0;
        const LPARAM l = argc == 6 ? LPARAM(_wtoi(argv[5])) : 0;
        return !search.Windows.empty() && PostMessageW(search.Windows[0], UINT(_wtoi(argv[3])), w, l) ? 0 : 1;
    }
    for (std::size_t i = 0; i < search.Windows.size(); ++i) {
        TChildren children{int(i), {}};
        EnumChildWindows(search.Windows[i], &NoteChild, LPARAM(&children));
        Write(children.Lines.empty() ? std::to_string(i) + " -1 0 0 0 0 \n" : children.Lines);
    }
    return search.Windows.empty() ? 1 : 0;
}

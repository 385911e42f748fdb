#include "text/win/CopyRangeWindow.h"

#include <string>
#include <vector>

#include "text/SuraTables.h"

namespace {

constexpr wchar_t ClassName[] = L"TCopyRangeForm";
enum : int { idSura = 10, idAya1, idAya2, idCopy = IDOK, idCancel = IDCANCEL };

struct TState {
    std::function<void(TCopyRangeChoice)> OnCopy;
    HFONT QuranFont = nullptr;
    HFONT UiFont = nullptr;
};

const wchar_t* Wide(const char16_t* s) { return reinterpret_cast<const wchar_t*>(s); }

std::wstring WideText(std::u16string_view s) { return std::wstring(s.begin(), s.end()); }

void FillAyaList(HWND list, int suraItem) {
    SendMessageW(list, CB_RESETCONTENT, 0, 0);
    for (const std::u16string& item : CopyRangeAyaItems(suraItem))
        SendMessageW(list, CB_ADDSTRING, 0, LPARAM(WideText(item).c_str()));
    SendMessageW(list, CB_SETCURSEL, 0, 0);
}

void SuraChanged(HWND dlg) {
    int item = int(SendDlgItemMessageW(dlg, idSura, CB_GETCURSEL, 0, 0));
    FillAyaList(GetDlgItem(dlg, idAya1), item);
    FillAyaList(GetDlgItem(dlg, idAya2), item);
}

std::u16string ListText(HWND dlg, int id) {
    HWND list = GetDlgItem(dlg, id);
    int sel = int(SendMessageW(list, CB_GETCURSEL, 0, 0));
    if (sel < 0) return {};
    std::wstring text(std::size_t(SendMessageW(list, CB_GETLBTEXTLEN, sel, 0)) + 1, L'\0');
    SendMessageW(list, CB_GETLBTEXT, sel, LPARAM(text.data()));
    text.resize(wcslen(text.c_str()));
    return std::u16string(text.begin(), text.end());
}

HWND Child(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, int id, RECT r, HFONT font) {
    HWND h = CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.right - r.left,
                             r.bottom - r.top, parent, HMENU(INT_PTR(id)), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(h, WM_SETFONT, WPARAM(font), FALSE);
    return h;
}

LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* state = reinterpret_cast<TState*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    switch (msg) {
    case WM_NCCREATE:
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, LONG_PTR(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams));
        break;
    case WM_COMMAND:
        if (LOWORD(wp) == idSura && HIWORD(wp) == CBN_SELCHANGE) SuraChanged(hwnd);
        if (LOWORD(wp) == idCopy) {
            int suraItem = int(SendDlgItemMessageW(hwnd, idSura, CB_GETCURSEL, 0, 0));
            TCopyRangeChoice choice = DecideCopyRange(suraItem, ListText(hwnd, idAya1), ListText(hwnd, idAya2));
            if (state && state->OnCopy && suraItem >= 0) state->OnCopy(choice);
            DestroyWindow(hwnd);
        }
        if (LOWORD(wp) == idCancel) DestroyWindow(hwnd);
        return 0;
    case WM_CLOSE:
        DestroyWindow(hwnd);
        return 0;
    case WM_NCDESTROY:
        if (state) {
            DeleteObject(state->QuranFont);
            DeleteObject(state->UiFont);
            delete state;
        }
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        break;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

void Register() {
    static bool done = false;
    if (done) return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = HBRUSH(COLOR_BTNFACE + 1);
    wc.lpszClassName = ClassName;
    RegisterClassExW(&wc);
    done = true;
}

}  // namespace

HWND CopyRangeWindow::Find() { return FindWindowW(ClassName, nullptr); }

void CopyRangeWindow::Show(HWND owner, TAppLanguge language, int preselectedSuraItem,
                           std::function<void(TCopyRangeChoice)> onCopy) {
    // The class is the form's own, so it finds the one window whatever its caption.
    HWND dlg = Find();
    if (!dlg) {
        Register();
        const TCopyRangeTexts texts = CopyRangeTexts(language);
        auto* state = new TState{std::move(onCopy)};
        state->QuranFont = CreateFontW(-20, 0, 0, 0, FW_NORMAL, 0, 0, 0, ARABIC_CHARSET, 0, 0, CLEARTYPE_QUALITY, 0,
                                       L"Harvik HAFS Uthmanic Script");
        // In Arabic the font mapper is asked for a face with Arabic letters.
        state->UiFont = CreateFontW(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0,
                                    language == appArabic ? ARABIC_CHARSET : DEFAULT_CHARSET, 0, 0,
                                    CLEARTYPE_QUALITY, 0, L"Tahoma");
        const DWORD exStyle = WS_EX_TOOLWINDOW | (language == appArabic ? WS_EX_LAYOUTRTL | WS_EX_NOINHERITLAYOUT : 0);
        const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
        RECT frame{0, 0, CopyRangeClientWidth, CopyRangeClientHeight};
        AdjustWindowRectEx(&frame, style, FALSE, exStyle);
        RECT ownerRect{};
        GetWindowRect(owner, &ownerRect);
        const int w = frame.right - frame.left, h = frame.bottom - frame.top;
        const int x = (ownerRect.left + ownerRect.right - w) / 2, y = (ownerRect.top + ownerRect.bottom - h) / 2;
        dlg = CreateWindowExW(exStyle, ClassName, Wide(texts.Caption), style, x, y, w, h, owner, nullptr,
                              GetModuleHandleW(nullptr), state);
        HFONT ui = state->UiFont;
        Child(dlg, L"STATIC", Wide(texts.SuraLabel), 0, -1, {12, 16, 100, 34}, ui);
        HWND suras = Child(dlg, L"COMBOBOX", L"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, idSura,
                           {104, 10, 260, 300}, state->QuranFont);
        Child(dlg, L"STATIC", Wide(texts.FromLabel), 0, -1, {12, 60, 100, 78}, ui);
        Child(dlg, L"COMBOBOX", L"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, idAya1, {104, 56, 260, 300}, ui);
        Child(dlg, L"STATIC", Wide(texts.ToLabel), 0, -1, {12, 100, 100, 118}, ui);
        Child(dlg, L"COMBOBOX", L"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, idAya2, {104, 96, 260, 300}, ui);
        Child(dlg, L"BUTTON", Wide(texts.Copy), BS_DEFPUSHBUTTON | WS_TABSTOP, idCopy, {40, 148, 130, 178}, ui);
        Child(dlg, L"BUTTON", Wide(texts.Cancel), BS_PUSHBUTTON | WS_TABSTOP, idCancel, {142, 148, 232, 178}, ui);
        for (int s = 1; s <= 114; ++s)
            SendMessageW(suras, CB_ADDSTRING, 0, LPARAM(WideText(SuraNamesTashkeel[std::size_t(s)]).c_str()));
    } else if (auto* state = reinterpret_cast<TState*>(GetWindowLongPtrW(dlg, GWLP_USERDATA))) {
        state->OnCopy = std::move(onCopy);
    }
    SendDlgItemMessageW(dlg, idSura, CB_SETCURSEL, WPARAM(preselectedSuraItem < 0 ? 0 : preselectedSuraItem), 0);
    SuraChanged(dlg);
    ShowWindow(dlg, SW_SHOW);
    SetForegroundWindow(dlg);
    SetFocus(GetDlgItem(dlg, idSura));
}

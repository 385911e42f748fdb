#include "display/win/GoToPageDialog.h"

#include <string>

#include "display/GoToPageForm.h"
#include "display/MainFormCore.h"

namespace {

constexpr int BoxId = 100;

HWND AddControl(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, const TControlPlace& place,
                int id, HFONT font) {
    HWND h = CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, place.Left, place.Top, place.Width,
                             place.Height, parent, reinterpret_cast<HMENU>(INT_PTR(id)), GetModuleHandleW(nullptr),
                             nullptr);
    if (h && font) SendMessageW(h, WM_SETFONT, WPARAM(font), FALSE);
    return h;
}

}  // namespace

bool TGoToPageDialog::Create(HWND owner, TAppLanguge language, TMainFormCore& core, THost& host) {
    FCore = &core;
    FHost = &host;
    if (!RegisterWindowClass(ClassName, 0, LoadCursorW(nullptr, IDC_ARROW), GetSysColorBrush(COLOR_BTNFACE)))
        return false;
    const TGoToPageTexts texts = GoToPageTexts(language);
    const bool arabic = language == appArabic;
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    const DWORD exStyle = WS_EX_TOOLWINDOW | (arabic ? WS_EX_LAYOUTRTL | WS_EX_NOINHERITLAYOUT : 0);
    RECT r{0, 0, GoToPageClientWidth, GoToPageClientHeight};
    AdjustWindowRectEx(&r, style, FALSE, exStyle);
    const int w = r.right - r.left, h = r.bottom - r.top;
    RECT ownerRect{};
    GetWindowRect(owner, &ownerRect);
    TCreateArgs a;
    a.ClassName = ClassName;
    a.Title = reinterpret_cast<const wchar_t*>(texts.Caption);
    a.Style = style;
    a.ExStyle = exStyle;
    a.X = (ownerRect.left + ownerRect.right - w) / 2;
    a.Y = (ownerRect.top + ownerRect.bottom - h) / 2;
    a.Width = w;
    a.Height = h;
    a.Parent = owner;
    if (!CreateWindowFrom(a)) return false;

    // In Arabic, the font mapper is asked for a face with Arabic letters; the
    // default GUI font may have none.
    FFont = CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, arabic ? ARABIC_CHARSET : DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"Tahoma");
    AddControl(Handle(), L"STATIC", reinterpret_cast<const wchar_t*>(texts.Label), SS_LEFT, GoToPageLabelPlace, -1,
               FFont);
    FBox = AddControl(Handle(), L"EDIT", L"", WS_BORDER | WS_TABSTOP | ES_CENTER | ES_NUMBER | ES_AUTOHSCROLL,
                      GoToPageBoxPlace, BoxId, FFont);
    SendMessageW(FBox, EM_LIMITTEXT, GoToPageMaxLength, 0);
    AddControl(Handle(), L"BUTTON", reinterpret_cast<const wchar_t*>(texts.Ok), WS_TABSTOP | BS_DEFPUSHBUTTON,
               GoToPageOkPlace, IDOK, FFont);
    AddControl(Handle(), L"BUTTON", reinterpret_cast<const wchar_t*>(texts.Cancel), WS_TABSTOP | BS_PUSHBUTTON,
               GoToPageCancelPlace, IDCANCEL, FFont);
    ShowWindow(Handle(), SW_SHOW);
    SetFocus(FBox);
    return true;
}

void TGoToPageDialog::BringToFront() {
    if (!Handle()) return;
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
    SetFocus(FBox);
}

void TGoToPageDialog::Confirm() {
    wchar_t text[16] = {};
    GetWindowTextW(FBox, text, 16);
    const TGoToPageDecision d = FCore->ConfirmGoToPage(FromWide(text));
    switch (d.Kind) {
    case TGoToPageDecision::gpStayOpen:
        break;
    case TGoToPageDecision::gpInvalid:
        FHost->ShowError(d.Error);
        break;
    case TGoToPageDecision::gpClose:
    case TGoToPageDecision::gpOpen:
        SetWindowTextW(FBox, L"");
        DestroyWindow(Handle());
        break;
    }
}

LRESULT TGoToPageDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            Confirm();
            return 0;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            DestroyWindow(Handle());
            return 0;
        }
        break;
    case WM_CLOSE:
        DestroyWindow(Handle());
        return 0;
    }
    return TWindow::HandleMessage(message, wParam, lParam);
}

void TGoToPageDialog::Destroyed() {
    if (FFont) DeleteObject(FFont);
    FFont = nullptr;
    FHost->GoToPageClosed();
}

#include "system/win/FontInstallationErrorWindow.h"

#include "system/Addresses.h"
#include "system/FontInstallationErrorForm.h"
#include "system/win/WebAddress.h"

namespace {
constexpr int LinkId = 10;
}  // namespace

void TFontInstallationErrorWindow::ShowModal() {
    TCreateArgs a = ToolWindowArgs(ClassName, FontErrorCaption, nullptr, FontErrorClientWidth,
                                   FontErrorClientHeight, false);
    a.ExStyle = WS_EX_DLGMODALFRAME | WS_EX_TOPMOST;
    if (!CreateWindowFrom(a)) return;
    SetWindowFont(CreateInterfaceFont(true, -FontErrorTextHeight));
    AddControl(L"STATIC", FontErrorEnglish, SS_LEFT, FontErrorEnglishPlace);
    AddControl(L"STATIC", FontErrorArabic, SS_RIGHT, FontErrorArabicPlace, -1, nullptr, WS_EX_RTLREADING);
    FLinkFont = CreateLinkFont(-FontErrorTextHeight);
    FLink = AddControl(L"STATIC", FontDownloadAddress(), SS_CENTER | SS_NOTIFY, FontErrorLinkPlace, LinkId, FLinkFont);
    AddControl(L"BUTTON", FontErrorCancel, BS_DEFPUSHBUTTON | WS_TABSTOP, FontErrorCancelPlace, IDCANCEL);
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
    MSG msg;
    while (Handle() && GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (Handle() && IsDialogMessageW(Handle(), &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

bool TFontInstallationErrorWindow::OnCommand(int id, int code, HWND) {
    if (id != LinkId || code != STN_CLICKED) return false;
    // The address the link shows, the font page: never another one.
    OpenWebAddress(Handle(), FontDownloadAddress());
    return true;
}

LRESULT TFontInstallationErrorWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CTLCOLORSTATIC:
        if (reinterpret_cast<HWND>(lParam) == FLink) {  // a link reads as one
            HDC dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, RGB(0, 0, 238));
            SetBkMode(dc, TRANSPARENT);
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        }
        break;
    case WM_SETCURSOR:
        if (reinterpret_cast<HWND>(wParam) == FLink) {
            SetCursor(LoadCursorW(nullptr, IDC_HAND));
            return TRUE;
        }
        break;
    }
    return TWindow::HandleMessage(message, wParam, lParam);
}

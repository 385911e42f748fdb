#include "system/win/FontInstallationErrorWindow.h"

#include "base/win/Dpi.h"
#include "system/Addresses.h"
#include "system/FontInstallationErrorForm.h"
#include "system/win/WebAddress.h"

namespace {
constexpr int LinkId = 10;
}  // namespace

void TFontInstallationErrorWindow::ShowModal() {
    const TSizeI client = FontErrorPlaces({CreationDpi(nullptr)}).Client;
    TCreateArgs a = ToolWindowArgs(ClassName, FontErrorCaption, nullptr, client.Width, client.Height, false);
    a.ExStyle = WS_EX_DLGMODALFRAME | WS_EX_TOPMOST;
    // The frame of the extended style the window really has.
    RECT frame{0, 0, client.Width, client.Height};
    AdjustWindowRectForDpi(frame, a.Style, a.ExStyle, CreationDpi(nullptr));
    a.Width = frame.right - frame.left;
    a.Height = frame.bottom - frame.top;
    PlaceWindowArgs(a, TPlacement::OnScreen);
    if (!CreateWindowFrom(a)) return;
    const TFontErrorPlaces p = FontErrorPlaces(Scale());
    SetWindowFont(CreateInterfaceFont(true, p.FontHeight));
    FEnglish = AddControl(L"STATIC", FontErrorEnglish, SS_LEFT, p.English);
    FArabic = AddControl(L"STATIC", FontErrorArabic, SS_RIGHT, p.Arabic, -1, nullptr, WS_EX_RTLREADING);
    FLinkFont = CreateLinkFont(p.FontHeight);
    FLink = AddControl(L"STATIC", FontDownloadAddress(), SS_CENTER | SS_NOTIFY, p.Link, LinkId, FLinkFont);
    FCancel = AddControl(L"BUTTON", FontErrorCancel, BS_DEFPUSHBUTTON | WS_TABSTOP, p.Cancel, IDCANCEL);
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
    MSG msg;
    while (Handle() && GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (Handle() && IsDialogMessageW(Handle(), &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void TFontInstallationErrorWindow::OnDpiChanged() {
    const TFontErrorPlaces p = FontErrorPlaces(Scale());
    SetWindowFont(CreateInterfaceFont(true, p.FontHeight));
    FLinkFont = CreateLinkFont(p.FontHeight);
    SendMessageW(FLink, WM_SETFONT, WPARAM(FLinkFont.Get()), TRUE);
    PlaceControl(FEnglish, p.English);
    PlaceControl(FArabic, p.Arabic);
    PlaceControl(FLink, p.Link);
    PlaceControl(FCancel, p.Cancel);
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

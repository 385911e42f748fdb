#include "system/win/FontInstallationErrorWindow.h"

#include <shellapi.h>

#include "base/win/FocusMarks.h"
#include "system/Addresses.h"
#include "system/FontInstallationErrorForm.h"

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
    TTextLabelStyle link;
    link.Align = TTextLabelStyle::laCentre;
    link.Link = true;
    link.Background = GetSysColor(COLOR_BTNFACE);
    FLink.Create(Handle(), FontDownloadAddress(), FontErrorLinkPlace, LinkId, FLinkFont, link);
    HWND cancel = AddControl(L"BUTTON", FontErrorCancel, BS_DEFPUSHBUTTON | WS_TABSTOP, FontErrorCancelPlace, IDCANCEL);
    ShowWindow(Handle(), SW_SHOW);
    SetFocus(cancel);
    SetForegroundWindow(Handle());
    MSG msg;
    while (Handle() && GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (Handle() && msg.message == WM_KEYDOWN) ShowFocusMarks(Handle());
        if (Handle() && IsDialogMessageW(Handle(), &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

bool TFontInstallationErrorWindow::OnCommand(int id, int code, HWND) {
    if (id != LinkId || code != STN_CLICKED) return false;
    const std::wstring site = ToWide(ProductSiteAddress());
    ShellExecuteW(Handle(), L"open", site.c_str(), nullptr, nullptr, SW_SHOW);
    return true;
}

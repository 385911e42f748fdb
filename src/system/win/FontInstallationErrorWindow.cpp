#include "system/win/FontInstallationErrorWindow.h"

#include "base/win/Dpi.h"
#include "base/win/FocusMarks.h"
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
    TTextLabelStyle link;
    link.Align = TTextLabelStyle::laCentre;
    link.Link = true;
    link.Background = GetSysColor(COLOR_BTNFACE);
    FLink.Create(Handle(), FontDownloadAddress(), p.Link, LinkId, FLinkFont, link);
    FCancel = AddControl(L"BUTTON", FontErrorCancel, BS_DEFPUSHBUTTON | WS_TABSTOP, p.Cancel, IDCANCEL);
    ShowWindow(Handle(), SW_SHOW);
    SetFocus(FCancel);
    SetForegroundWindow(Handle());
    MSG msg;
    while (Handle() && GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (Handle() && msg.message == WM_KEYDOWN) ShowFocusMarks(Handle());
        if (Handle() && IsDialogMessageW(Handle(), &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void TFontInstallationErrorWindow::OnDpiChanged() {
    const TFontErrorPlaces p = FontErrorPlaces(Scale());
    SetWindowFont(CreateInterfaceFont(true, p.FontHeight));
    FLinkFont = CreateLinkFont(p.FontHeight);
    SendMessageW(FLink.Handle(), WM_SETFONT, WPARAM(FLinkFont.Get()), TRUE);
    PlaceControl(FEnglish, p.English);
    PlaceControl(FArabic, p.Arabic);
    PlaceControl(FLink.Handle(), p.Link);
    PlaceControl(FCancel, p.Cancel);
}

bool TFontInstallationErrorWindow::OnCommand(int id, int code, HWND) {
    if (id != LinkId || code != STN_CLICKED) return false;
    // The address the link shows, the font page: never another one.
    OpenWebAddress(Handle(), FontDownloadAddress());
    return true;
}

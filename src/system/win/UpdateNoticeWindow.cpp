#include "system/win/UpdateNoticeWindow.h"

#include "system/UpdateNoticeForm.h"
#include "base/win/Dpi.h"
#include "system/win/WebAddress.h"

bool TUpdateNoticeWindow::Create(HWND owner, TAppLanguage language) {
    const TUpdateNoticeTexts texts = UpdateNoticeTexts(language);
    const bool arabic = language == appArabic;
    FArabic = arabic;
    const TSizeI client = UpdateNoticePlaces({CreationDpi(owner)}).Client;
    if (!CreateWindowFrom(ToolWindowArgs(ClassName, texts.Caption, owner, client.Width, client.Height, arabic)))
        return false;
    const TUpdateNoticePlaces p = UpdateNoticePlaces(Scale());
    SetWindowFont(CreateInterfaceFont(arabic, p.MessageFontHeight));
    FLinkFont = CreateLinkFont(p.LinkFontHeight);
    TTextLabelStyle message;
    message.RightToLeft = arabic;
    message.Background = GetSysColor(COLOR_BTNFACE);
    FMessage.Create(Handle(), texts.Message, p.Message, MessageId, WindowFont(), message);
    TTextLabelStyle link;
    link.Align = TTextLabelStyle::laCentre;
    link.Link = true;
    link.Background = message.Background;
    FLink.Create(Handle(), UpdateNoticeLinkText(), p.Link, LinkId, FLinkFont, link);
    HWND cancel = AddControl(L"BUTTON", texts.Cancel, WS_TABSTOP | BS_DEFPUSHBUTTON, p.Cancel, IDCANCEL);
    FCancel = cancel;
    ShowWindow(Handle(), SW_SHOW);
    SetFocus(cancel);
    return true;
}

void TUpdateNoticeWindow::OnDpiChanged() {
    const TUpdateNoticePlaces p = UpdateNoticePlaces(Scale());
    SetWindowFont(CreateInterfaceFont(FArabic, p.MessageFontHeight));
    FLinkFont = CreateLinkFont(p.LinkFontHeight);
    SendMessageW(FLink.Handle(), WM_SETFONT, WPARAM(FLinkFont.Get()), TRUE);
    PlaceControl(FMessage.Handle(), p.Message);
    PlaceControl(FLink.Handle(), p.Link);
    PlaceControl(FCancel, p.Cancel);
}

bool TUpdateNoticeWindow::OnCommand(int id, int code, HWND) {
    if (id == IDOK) {  // Enter: the only button is Cancel
        OnClose();
        return true;
    }
    if (id != LinkId || code != STN_CLICKED) return false;
    OpenWebAddress(Handle(), UpdateNoticeLinkText());
    return true;
}

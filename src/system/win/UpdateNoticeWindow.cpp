#include "system/win/UpdateNoticeWindow.h"

#include "system/UpdateNoticeForm.h"
#include "system/win/WebAddress.h"

bool TUpdateNoticeWindow::Create(HWND owner, TAppLanguage language) {
    const TUpdateNoticeTexts texts = UpdateNoticeTexts(language);
    const bool arabic = language == appArabic;
    if (!CreateWindowFrom(ToolWindowArgs(ClassName, texts.Caption, owner, UpdateNoticeClientWidth,
                                         UpdateNoticeClientHeight, arabic)))
        return false;
    SetWindowFont(CreateInterfaceFont(arabic, -UpdateNoticeMessagePixels));
    FLinkFont = CreateLinkFont(-UpdateNoticeLinkPixels);
    TTextLabelStyle message;
    message.RightToLeft = arabic;
    message.Background = GetSysColor(COLOR_BTNFACE);
    FMessage.Create(Handle(), texts.Message, UpdateNoticeMessagePlace, MessageId, WindowFont(), message);
    TTextLabelStyle link;
    link.Align = TTextLabelStyle::laCentre;
    link.Link = true;
    link.Background = message.Background;
    FLink.Create(Handle(), UpdateNoticeLinkText(), UpdateNoticeLinkPlace, LinkId, FLinkFont, link);
    HWND cancel = AddControl(L"BUTTON", texts.Cancel, WS_TABSTOP | BS_DEFPUSHBUTTON, UpdateNoticeCancelPlace, IDCANCEL);
    ShowWindow(Handle(), SW_SHOW);
    SetFocus(cancel);
    return true;
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

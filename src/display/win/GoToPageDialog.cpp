#include "display/win/GoToPageDialog.h"

#include "display/GoToPageForm.h"
#include "display/MainFormCore.h"

namespace {
constexpr int BoxId = 100;
}  // namespace

bool TGoToPageDialog::Create(HWND owner, TAppLanguge language, TMainFormCore& core, THost& host) {
    FCore = &core;
    FHost = &host;
    const TGoToPageTexts texts = GoToPageTexts(language);
    const bool arabic = language == appArabic;
    if (!CreateWindowFrom(
            ToolWindowArgs(ClassName, texts.Caption, owner, GoToPageClientWidth, GoToPageClientHeight, arabic)))
        return false;
    SetWindowFont(CreateInterfaceFont(arabic));
    AddControl(L"STATIC", texts.Label, SS_LEFT, GoToPageLabelPlace);
    FBox = AddControl(L"EDIT", u"", WS_BORDER | WS_TABSTOP | ES_CENTER | ES_NUMBER | ES_AUTOHSCROLL,
                      GoToPageBoxPlace, BoxId);
    SendMessageW(FBox, EM_LIMITTEXT, GoToPageMaxLength, 0);
    AddControl(L"BUTTON", texts.Ok, WS_TABSTOP | BS_DEFPUSHBUTTON, GoToPageOkPlace, IDOK);
    AddControl(L"BUTTON", texts.Cancel, WS_TABSTOP | BS_PUSHBUTTON, GoToPageCancelPlace, IDCANCEL);
    ShowWindow(Handle(), SW_SHOW);
    SetFocus(FBox);
    return true;
}

void TGoToPageDialog::BringToFront() {
    TWindow::BringToFront();
    SetFocus(FBox);
}

void TGoToPageDialog::Confirm() {
    const TGoToPageDecision d = FCore->ConfirmGoToPage(WindowText(FBox));
    switch (d.Kind) {
    case TGoToPageDecision::gpStayOpen:
        break;
    case TGoToPageDecision::gpInvalid:
        FHost->ShowError(d.Error);
        break;
    case TGoToPageDecision::gpClose:
    case TGoToPageDecision::gpOpen:
        if (Handle()) {
            SetWindowTextW(FBox, L"");
            DestroyWindow(Handle());
        }
        break;
    }
}

bool TGoToPageDialog::OnCommand(int id, int, HWND) {
    if (id != IDOK) return false;
    Confirm();
    return true;
}

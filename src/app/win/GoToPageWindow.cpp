#include "app/win/GoToPageWindow.h"

#include "app/GoToPageForm.h"
#include "app/MainForm.h"

namespace {
constexpr int BoxId = 100;
}  // namespace

bool TGoToPageWindow::Create(HWND owner, TAppLanguage language, TMainForm& core, THost& host) {
    FForm = &core;
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

void TGoToPageWindow::BringToFront() {
    TWindow::BringToFront();
    SetFocus(FBox);
}

void TGoToPageWindow::Confirm() {
    const TGoToPageDecision d = FForm->ConfirmGoToPage(WindowText(FBox));
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

bool TGoToPageWindow::OnCommand(int id, int, HWND) {
    if (id != IDOK) return false;
    Confirm();
    return true;
}

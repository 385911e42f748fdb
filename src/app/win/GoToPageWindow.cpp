#include "app/win/GoToPageWindow.h"

#include "app/GoToPageForm.h"
#include "app/MainForm.h"
#include "base/win/Dpi.h"

namespace {
constexpr int BoxId = 100;
}  // namespace

bool TGoToPageWindow::Create(HWND owner, TAppLanguage language, TMainForm& core, THost& host) {
    FForm = &core;
    FHost = &host;
    const TGoToPageTexts texts = GoToPageTexts(language);
    const bool arabic = language == appArabic;
    FArabic = arabic;
    const TSizeI client = GoToPagePlaces({CreationDpi(owner)}).Client;
    if (!CreateWindowFrom(ToolWindowArgs(ClassName, texts.Caption, owner, client.Width, client.Height, arabic)))
        return false;
    const TGoToPagePlaces p = GoToPagePlaces(Scale());
    SetWindowFont(CreateInterfaceFont(arabic, p.FontHeight));
    FLabel = AddControl(L"STATIC", texts.Label, SS_LEFT, p.Label);
    FBox = AddControl(L"EDIT", u"", WS_BORDER | WS_TABSTOP | ES_CENTER | ES_NUMBER | ES_AUTOHSCROLL, p.Box, BoxId);
    SendMessageW(FBox, EM_LIMITTEXT, GoToPageMaxLength, 0);
    FOk = AddControl(L"BUTTON", texts.Ok, WS_TABSTOP | BS_DEFPUSHBUTTON, p.Ok, IDOK);
    FCancel = AddControl(L"BUTTON", texts.Cancel, WS_TABSTOP | BS_PUSHBUTTON, p.Cancel, IDCANCEL);
    ShowWindow(Handle(), SW_SHOW);
    SetFocus(FBox);
    return true;
}

void TGoToPageWindow::OnDpiChanged() {
    const TGoToPagePlaces p = GoToPagePlaces(Scale());
    SetWindowFont(CreateInterfaceFont(FArabic, p.FontHeight));
    PlaceControl(FLabel, p.Label);
    PlaceControl(FBox, p.Box);
    PlaceControl(FOk, p.Ok);
    PlaceControl(FCancel, p.Cancel);
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

#pragma once
// The go-to-page tool window, built in code from the core's texts and places:
// a label, a three-digit number box and OK / Cancel. Not modal. In Arabic the
// window is mirrored and its controls do not inherit the mirroring.
#include "base/OutsideNames.h"
#include "base/win/Window.h"
#include "settings/AppLanguage.h"

class TMainForm;

class TGoToPageWindow final : public TWindow {
public:
    static constexpr const char16_t* ClassName = GoToPageClassName;
    struct THost {
        virtual ~THost() = default;
        virtual void ShowError(std::u16string_view message) = 0;
    };

    // Centred on the owner; the number box empty and focused.
    bool Create(HWND owner, TAppLanguage language, TMainForm& core, THost& host);
    void BringToFront() override;
    bool WantsDialogKeys() const override { return true; }

private:
    bool OnCommand(int id, int code, HWND control) override;
    void OnDpiChanged() override;
    void Confirm();

    TMainForm* FForm = nullptr;
    THost* FHost = nullptr;
    bool FArabic = false;
    HWND FLabel = nullptr, FBox = nullptr, FOk = nullptr, FCancel = nullptr;
};

#pragma once
// The go-to-page tool window, built in code from the core's texts and places:
// a label, a three-digit number box and OK / Cancel. Not modal. In Arabic the
// window is mirrored and its controls do not inherit the mirroring.
#include "base/win/Window.h"
#include "settings/AppLanguage.h"

class TMainFormCore;

class TGoToPageDialog final : public TWindow {
public:
    static constexpr wchar_t ClassName[] = L"TGoToPageForm";
    struct THost {
        virtual ~THost() = default;
        virtual void ShowError(std::u16string_view message) = 0;
    };

    // Centred on the owner; the number box empty and focused.
    bool Create(HWND owner, TAppLanguge language, TMainFormCore& core, THost& host);
    void BringToFront() override;
    bool WantsDialogKeys() const override { return true; }

private:
    bool OnCommand(int id, int code, HWND control) override;
    void Confirm();

    TMainFormCore* FCore = nullptr;
    THost* FHost = nullptr;
    HWND FBox = nullptr;
};

#pragma once
// The go-to-page tool window, built in code from the core's texts and places:
// a label, a three-digit number box and OK / Cancel. Not modal. In Arabic the
// window is mirrored and its controls do not inherit the mirroring. Enter
// and Escape reach it through IsDialogMessage in the message loop.
#include "base/win/Window.h"
#include "settings/SettingsData.h"

class TMainFormCore;

class TGoToPageDialog final : public TWindow {
public:
    static constexpr wchar_t ClassName[] = L"TGoToPageForm";
    // `closed` runs after the window is gone; the owner may then free this object.
    struct THost {
        virtual ~THost() = default;
        virtual void GoToPageClosed() = 0;
        virtual void ShowError(std::u16string_view message) = 0;
    };

    // Centred on the owner; the number box empty and focused.
    bool Create(HWND owner, TAppLanguge language, TMainFormCore& core, THost& host);
    void BringToFront();

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Destroyed() override;
    void Confirm();

    TMainFormCore* FCore = nullptr;
    THost* FHost = nullptr;
    HWND FBox = nullptr;
    HFONT FFont = nullptr;
};

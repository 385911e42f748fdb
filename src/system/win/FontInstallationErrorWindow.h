#pragma once
// The font installation error dialog, shown modally by the installation run:
// both texts, the font download address as a link that opens the product
// site, and Cancel.
#include "base/win/Window.h"

class TFontInstallationErrorForm final : public TWindow {
public:
    static constexpr wchar_t ClassName[] = L"TFontInstallationErrorForm";
    // Shows the dialog centred on the desktop and returns once it is closed.
    void ShowModal();
    bool WantsDialogKeys() const override { return true; }

private:
    bool OnCommand(int id, int code, HWND control) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    HFONT FLinkFont = nullptr;
    HWND FLink = nullptr;
};

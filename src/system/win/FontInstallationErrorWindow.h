#pragma once
// The font installation error dialog, shown modally by the installation run:
// both texts, the font download address as a link that opens it, and Cancel.
#include "base/OutsideNames.h"
#include "base/win/TextLabel.h"
#include "base/win/Window.h"

class TFontInstallationErrorWindow final : public TWindow {
public:
    static constexpr const char16_t* ClassName = FontErrorClassName;
    // Shows the dialog centred on the desktop and returns once it is closed.
    void ShowModal();
    bool WantsDialogKeys() const override { return true; }

private:
    bool OnCommand(int id, int code, HWND control) override;
    void OnDpiChanged() override;
    TFontHandle FLinkFont;
    TTextLabel FLink;
    HWND FEnglish = nullptr, FArabic = nullptr, FCancel = nullptr;
};

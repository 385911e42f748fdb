#pragma once
// The update notice: a small fixed window, centred on the main window, that
// tells of a newer version and links to the product site. Not modal;
// Cancel and Escape close it.
#include "base/OutsideNames.h"
#include "base/win/TextLabel.h"
#include "base/win/Window.h"
#include "settings/Settings.h"

class TUpdateNoticeWindow final : public TWindow {
public:
    static constexpr const char16_t* ClassName = UpdateNoticeClassName;
    static constexpr int MessageId = 100, LinkId = 101;

    bool Create(HWND owner, TAppLanguage language);
    bool WantsDialogKeys() const override { return true; }

private:
    bool OnCommand(int id, int code, HWND control) override;
    void OnDpiChanged() override;

    bool FArabic = false;
    HWND FCancel = nullptr;
    TTextLabel FMessage, FLink;
    TFontHandle FLinkFont;
};

#pragma once
// The copy range tool window: the sura list in the Quran font, the two aya
// lists, Copy and Cancel. One at a time, owned by the main window. Enter
// copies, Escape closes.
#include <functional>

#include "base/OutsideNames.h"
#include "base/win/Window.h"
#include "settings/AppLanguage.h"
#include "text/CopyRangeForm.h"

class TCopyRangeWindow final : public TWindow {
public:
    static constexpr const char16_t* ClassName = CopyRangeClassName;

    // Centred on the owner. `onCopy` runs when Copy is pressed, before the window closes.
    bool Create(HWND owner, TAppLanguage language, std::function<void(TCopyRangeChoice)> onCopy);
    // Selects sura item `suraItem` (0-based; -1: the first) with the range 1 to 1,
    // and brings the window forward.
    void Preset(int suraItem);
    bool WantsDialogKeys() const override { return true; }

private:
    bool OnCommand(int id, int code, HWND control) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Fonts, item heights and places for the window's DPI.
    void OnDpiChanged() override;
    void DrawSuraItem(const DRAWITEMSTRUCT& item);
    void SuraChanged();
    std::u16string ListText(HWND list) const;

    std::function<void(TCopyRangeChoice)> FOnCopy;
    TFontHandle FQuranFont;
    bool FArabic = false;
    int FSuraItemHeight = 0;
    HWND FSura = nullptr, FAya1 = nullptr, FAya2 = nullptr;
    HWND FSuraLabel = nullptr, FFromLabel = nullptr, FToLabel = nullptr, FCopy = nullptr, FCancel = nullptr;
};

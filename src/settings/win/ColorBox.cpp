#include "settings/win/ColorBox.h"

#include <string>

#include <commdlg.h>

#include "base/win/SystemLibraries.h"
#include "base/win/WideText.h"
#include "settings/ColorBoxItems.h"

namespace {

// The colour dialog's sixteen custom colours, kept for the run.
COLORREF CustomColours[16] = {};

std::uint32_t ItemColour(HWND combo, int item) {
    return std::uint32_t(SendMessageW(combo, CB_GETITEMDATA, WPARAM(item), 0));
}

}  // namespace

void TColorBox::Attach(HWND combo) {
    FCombo = combo;
    SendMessageW(FCombo, CB_ADDSTRING, 0, LPARAM(0));  // the custom item
    for (const TStandardColor& c : StandardColors()) SendMessageW(FCombo, CB_ADDSTRING, 0, LPARAM(c.Value));
}

void TColorBox::Select(std::uint32_t colour) {
    colour = PlainRgb(colour);
    FItem = ColorBoxItemOf(colour);
    if (FItem == CustomColorItem) SendMessageW(FCombo, CB_SETITEMDATA, CustomColorItem, LPARAM(colour));
    SendMessageW(FCombo, CB_SETCURSEL, WPARAM(FItem), 0);
}

std::uint32_t TColorBox::Colour() const {
    const int item = int(SendMessageW(FCombo, CB_GETCURSEL, 0, 0));
    return PlainRgb(ItemColour(FCombo, item < 0 ? FItem : item));
}

bool TColorBox::Notified(int code, HWND dialogOwner) {
    switch (code) {
    case CBN_SELCHANGE:
        if (SendMessageW(FCombo, CB_GETDROPPEDSTATE, 0, 0)) return false;
        return Take(false, dialogOwner);
    case CBN_SELENDOK:
        FChosenInList = true;
        return false;
    case CBN_CLOSEUP:
        if (!FChosenInList) return false;
        FChosenInList = false;
        return Take(true, dialogOwner);
    default:
        return false;
    }
}

bool TColorBox::Take(bool chosenInList, HWND dialogOwner) {
    const int item = int(SendMessageW(FCombo, CB_GETCURSEL, 0, 0));
    if (item < 0) return false;
    if (item != CustomColorItem) {
        if (item == FItem) return false;
        FItem = item;
        return true;
    }
    // The custom item chosen again from the list asks for another colour.
    if (item == FItem && !chosenInList) return false;
    CHOOSECOLORW cc{};
    cc.lStructSize = sizeof cc;
    cc.hwndOwner = dialogOwner;
    cc.rgbResult = ItemColour(FCombo, FItem);
    cc.lpCustColors = CustomColours;
    cc.Flags = CC_RGBINIT | CC_FULLOPEN | CC_ANYCOLOR;
    const TCommonDialogCalls* dialogs = CommonDialogCalls();
    const BOOL chosen = dialogs && dialogs->ChooseColorW(&cc);
    // The dialog runs its own message loop: the box may be gone when it
    // returns (the settings window closed with its owner). Nothing is taken then.
    if (!IsWindow(FCombo)) return false;
    if (!chosen) {
        SendMessageW(FCombo, CB_SETCURSEL, WPARAM(FItem), 0);
        return false;
    }
    SendMessageW(FCombo, CB_SETITEMDATA, CustomColorItem, LPARAM(PlainRgb(cc.rgbResult)));
    InvalidateRect(FCombo, nullptr, TRUE);
    FItem = item;
    return true;
}

void TColorBox::Draw(const DRAWITEMSTRUCT& d, TAppLanguage language, TScale scale) const {
    HDC dc = d.hDC;
    const bool selected = (d.itemState & ODS_SELECTED) != 0;
    FillRect(dc, &d.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    if (int(d.itemID) >= 0) {
        const bool arabic = language == appArabic;
        const int swatchWidth = scale(26), margin = scale(3), gap = scale(6);
        RECT swatch = d.rcItem;
        InflateRect(&swatch, 0, -scale(2));
        if (arabic) {
            swatch.right -= margin;
            swatch.left = swatch.right - swatchWidth;
        } else {
            swatch.left += margin;
            swatch.right = swatch.left + swatchWidth;
        }
        HBRUSH fill = CreateSolidBrush(COLORREF(ItemColour(d.hwndItem, int(d.itemID))));
        FillRect(dc, &swatch, fill);
        DeleteObject(fill);
        FrameRect(dc, &swatch, GetSysColorBrush(COLOR_WINDOWTEXT));

        RECT text = d.rcItem;
        if (arabic)
            text.right = swatch.left - gap;
        else
            text.left = swatch.right + gap;
        const std::wstring name = ToWide(ColorItemName(int(d.itemID), language));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        DrawTextW(dc, name.c_str(), int(name.size()), &text,
                  DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | (arabic ? DT_RIGHT | DT_RTLREADING : DT_LEFT));
    }
    if (d.itemState & ODS_FOCUS) DrawFocusRect(dc, &d.rcItem);
}

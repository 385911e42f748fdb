#pragma once
// A colour box: an owner-drawn drop-down list of the custom colour and the
// sixteen standard colours, each drawn as a swatch and its name. Choosing
// the custom item opens the system colour dialog. The box holds plain RGB
// values only. The parent window forwards WM_MEASUREITEM and WM_DRAWITEM.
#include <windows.h>

#include <cstdint>

#include "settings/SettingsData.h"

class TColorBox {
public:
    // Style bits for AddControl.
    static constexpr DWORD Style = CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | WS_VSCROLL | WS_TABSTOP;

    // Fills the combo box `combo`, made with Style.
    void Attach(HWND combo);
    HWND Handle() const { return FCombo; }
    // Shows `colour`: its standard item, else the custom item holding it.
    void Select(std::uint32_t colour);
    std::uint32_t Colour() const;
    // CBN_SELCHANGE: true when the box holds a new choice. The custom item
    // asks the colour dialog; cancelling it restores the previous item.
    bool SelectionChanged(HWND dialogOwner);

    static void Measure(MEASUREITEMSTRUCT& m);
    void Draw(const DRAWITEMSTRUCT& d, TAppLanguge language) const;

private:
    HWND FCombo = nullptr;
    int FItem = 1;  // the item selected before the current change
};

#pragma once
// A colour box: an owner-drawn drop-down list of the custom colour and the
// sixteen standard colours, each drawn as a swatch and its name. Choosing
// the custom item opens the system colour dialog. The box holds plain RGB
// values only. The parent window forwards WM_MEASUREITEM and WM_DRAWITEM.
#include <windows.h>

#include <cstdint>

#include "base/DisplayScale.h"
#include "settings/Settings.h"

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
    // A notification of the box (CBN_…): true when it now holds a new choice.
    // Moving through the open list chooses nothing; the item is taken when
    // the list closes on it, or at once when the closed box is stepped with
    // the keyboard. The custom item asks the colour dialog; cancelling it
    // restores the previous item.
    bool Notified(int code, HWND dialogOwner);

    // An item: the colour's swatch and name, sized for the window's scale.
    void Draw(const DRAWITEMSTRUCT& d, TAppLanguage language, TScale scale) const;

private:
    bool Take(bool chosenInList, HWND dialogOwner);

    HWND FCombo = nullptr;
    bool FChosenInList = false;  // the open list was closed on an item
    int FItem = 1;  // the item selected before the current change
};

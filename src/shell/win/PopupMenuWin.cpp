#include "shell/win/PopupMenuWin.h"

#include <string>

#include "shell/PopupMenu.h"

UINT TrackPopupMenuModel(HWND owner, const TPopupMenuModel& model, int screenX, int screenY) {
    HMENU menu = CreatePopupMenu();
    if (!menu) return 0;
    const bool rtl = model.RightToLeft();
    UINT position = 0;
    for (const TMenuItemView& item : model.Items()) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_STRING;
        std::wstring caption(item.Caption.begin(), item.Caption.end());
        if (item.Id == cmNone) {
            info.fMask = MIIM_FTYPE;
            info.fType = MFT_SEPARATOR;
        } else {
            info.fType = MFT_STRING | (rtl ? MFT_RIGHTORDER : 0);
            info.wID = item.Id;
            info.fState = item.Enabled ? MFS_ENABLED : MFS_GRAYED;
            info.dwTypeData = caption.data();
        }
        InsertMenuItemW(menu, position++, TRUE, &info);
    }
    const UINT flags = TPM_RETURNCMD | TPM_RIGHTBUTTON | (rtl ? TPM_RIGHTALIGN | TPM_LAYOUTRTL : TPM_LEFTALIGN);
    // The menu closes when the user clicks elsewhere only if its owner is in front.
    SetForegroundWindow(owner);
    const UINT command = UINT(TrackPopupMenu(menu, flags, screenX, screenY, 0, owner, nullptr));
    PostMessageW(owner, WM_NULL, 0, 0);
    DestroyMenu(menu);
    return command;
}

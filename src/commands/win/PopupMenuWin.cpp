#include "commands/win/PopupMenuWin.h"

#include <string>

#include "base/win/WideText.h"
#include "commands/PopupMenu.h"

UINT TrackPopupMenuModel(HWND owner, const TPopupMenuModel& model, int screenX, int screenY) {
    HMENU menu = CreatePopupMenu();
    if (!menu) return 0;
    const bool rtl = model.RightToLeft();
    for (const TMenuItemView& item : model.Items()) {
        if (item.Id == cmNone) {
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        // After a tab the menu sets the shortcut in a column of its own, on
        // the far side of the caption in either direction.
        std::u16string text(item.Caption);
        if (!item.Shortcut.empty()) text += u"\t" + item.Shortcut;
        const std::wstring caption = ToWide(text);
        // The right-to-left reading order comes from the mirrored menu window
        // (TPM_LAYOUTRTL); MFT_RIGHTORDER on top makes Wine measure Arabic
        // captions as empty.
        const UINT flags = MF_STRING | (item.Enabled ? MF_ENABLED : MF_GRAYED);
        AppendMenuW(menu, flags, item.Id, caption.c_str());
    }
    // A mirrored menu mirrors its alignment too: TPM_LAYOUTRTL alone hangs it
    // to the left of the pointer, and adding TPM_RIGHTALIGN would flip it back.
    const UINT flags = TPM_RETURNCMD | TPM_RIGHTBUTTON | (rtl ? TPM_LAYOUTRTL : TPM_LEFTALIGN);
    // The menu closes when the user clicks elsewhere only if its owner is in front.
    SetForegroundWindow(owner);
    const UINT command = UINT(TrackPopupMenu(menu, flags, screenX, screenY, 0, owner, nullptr));
    PostMessageW(owner, WM_NULL, 0, 0);
    DestroyMenu(menu);
    return command;
}

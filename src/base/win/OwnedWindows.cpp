#include "base/win/OwnedWindows.h"

#include <algorithm>

#include "base/win/FocusMarks.h"

bool TOwnedWindows::PreTranslate(MSG& msg) const {
    if (!msg.hwnd) return false;
    const HWND root = GetAncestor(msg.hwnd, GA_ROOT);
    for (const auto& w : FWindows)
        if (w->Handle() && w->Handle() == root) {
            if (!w->WantsDialogKeys()) return w->PreviewMessage(msg);
            const bool key = msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN;
            if (key) ShowFocusMarks(root);
            if (w->PreviewMessage(msg)) return true;
            if (!IsDialogMessageW(root, &msg)) return false;
            // The key may have closed the window; its object stays until ReapClosed.
            if (key && w->Handle()) w->DialogKeyHandled();
            return true;
        }
    return false;
}

void TOwnedWindows::ReapClosed() {
    std::erase_if(FWindows, [](const std::unique_ptr<TWindow>& w) { return !w->Handle(); });
}

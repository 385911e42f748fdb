#include "base/win/OwnedWindows.h"

#include <algorithm>

bool TOwnedWindows::PreTranslate(MSG& msg) const {
    if (!msg.hwnd) return false;
    const HWND root = GetAncestor(msg.hwnd, GA_ROOT);
    for (const auto& w : FWindows)
        if (w->Handle() && w->Handle() == root) {
            if (w->PreviewMessage(msg)) return true;
            return w->WantsDialogKeys() && IsDialogMessageW(root, &msg) != 0;
        }
    return false;
}

void TOwnedWindows::ReapClosed() {
    std::erase_if(FWindows, [](const std::unique_ptr<TWindow>& w) { return !w->Handle(); });
}

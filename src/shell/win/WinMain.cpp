// Entry point of Tiravel.exe.
#include <windows.h>

#include "display/win/MainForm.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    if (!MainForm::Register(instance)) return 1;
    HWND main = MainForm::Create(instance, showCommand);
    if (!main) return 1;
    SetForegroundWindow(main);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

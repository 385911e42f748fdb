#pragma once
// The update check: one thread per run asks the update address for the
// newest version and reports only by posting the main window's update
// message (major, minor). It shares nothing with the rest of the program:
// it owns a copy of the address, the window handle and the message number,
// and frees itself when its request ends. Nobody waits for it; a run that
// ends first simply takes it down with the process.
#include <windows.h>

#include <string>

class TUpdateAnswer;

class TUpdateCheck {
public:
    // A suspended thread for `address`, or null when none can be made. The
    // object frees itself once started and finished; before Start it is the
    // caller's to set MainFormHandle.
    static TUpdateCheck* Create(std::wstring address);
    // Runs the thread. `this` may be gone as soon as Start returns.
    void Start();

    HWND MainFormHandle = nullptr;  // the window that receives the answer
    UINT AnswerMessage = 0;         // posted with WParam = major, LParam = minor

private:
    explicit TUpdateCheck(std::wstring address) : FAddress(std::move(address)) {}
    static DWORD WINAPI ThreadMain(void* self);
    void Execute();

    std::wstring FAddress;
    HANDLE FThread = nullptr;
};

// Reads the whole body behind `url` into `buffer` with WinInet; false when
// WinInet cannot be loaded from System32, the request fails, a read fails,
// or the body is longer than the answer may be. The system's own time-outs
// apply.
bool FetchText(const std::wstring& url, TUpdateAnswer& buffer);

// The address to ask: the environment variable TIRAVEL_UPDATE_URL when set,
// otherwise the update server's.
std::wstring ConfiguredUpdateAddress();

#include "system/win/UpdateCheckThread.h"

#include <cstdint>

#include "base/win/SystemLibraries.h"
#include "base/win/WideText.h"
#include "system/Addresses.h"
#include "system/UpdateAnswer.h"

TUpdateCheck* TUpdateCheck::Create(std::wstring address) {
    auto* self = new TUpdateCheck(std::move(address));
    self->FThread = CreateThread(nullptr, 0, &ThreadMain, self, CREATE_SUSPENDED, nullptr);
    if (!self->FThread) {
        delete self;
        return nullptr;
    }
    return self;
}

void TUpdateCheck::Start() {
    // Once resumed the thread may end and free this object at any moment.
    const HANDLE thread = FThread;
    ResumeThread(thread);
    CloseHandle(thread);
}

DWORD WINAPI TUpdateCheck::ThreadMain(void* self) {
    auto* check = static_cast<TUpdateCheck*>(self);
    check->Execute();
    delete check;
    return 0;
}

void TUpdateCheck::Execute() {
    TUpdateAnswer buffer;
    if (!FetchText(FAddress, buffer)) return;
    const TVersionPair version = PostedVersion(buffer.Bytes());
    // Posted even when the answer held no version (both numbers 0); a main
    // window that is gone makes the post fail, which is fine.
    PostMessageW(MainFormHandle, AnswerMessage, WPARAM(std::uintptr_t(std::intptr_t(version.Major))),
                 LPARAM(version.Minor));
}

bool FetchText(const std::wstring& url, TUpdateAnswer& buffer) {
    // WinInet is no known DLL: loaded from System32, and without it no check.
    const TWinInetCalls* net = WinInetCalls();
    if (!net) return false;
    HINTERNET session = net->InternetOpenW(L"", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
    if (!session) return false;
    HINTERNET request = net->InternetOpenUrlW(session, url.c_str(), nullptr, 0,
                                              INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE, 0);
    if (!request) {
        net->InternetCloseHandle(session);
        return false;
    }
    std::uint8_t piece[UpdateReadBytes];
    bool complete = false;
    for (;;) {
        DWORD read = 0;
        if (!net->InternetReadFile(request, piece, sizeof piece, &read)) break;
        if (!buffer.Append(std::span<const std::uint8_t>(piece, read))) break;  // over the limit
        if (read == 0) {
            complete = true;
            break;
        }
    }
    net->InternetCloseHandle(request);
    net->InternetCloseHandle(session);
    return complete;
}

std::wstring ConfiguredUpdateAddress() {
    const wchar_t* name = WidePtr(UpdateAddressVariable);
    std::wstring value(GetEnvironmentVariableW(name, nullptr, 0), L'\0');  // with room for the NUL
    if (!value.empty()) value.resize(GetEnvironmentVariableW(name, value.data(), DWORD(value.size())));
    return ToWide(UpdateAddress(FromWide(value)));
}

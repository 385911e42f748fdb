#include "base/win/SystemLibraries.h"

#include <optional>
#include <string>

namespace {

template <class TFunction>
bool Bind(HMODULE module, const char* name, TFunction& slot) {
    slot = reinterpret_cast<TFunction>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    return slot != nullptr;
}

std::wstring SystemFolder() {
    std::wstring folder(MAX_PATH, L'\0');
    for (;;) {
        const UINT length = GetSystemDirectoryW(folder.data(), UINT(folder.size()));
        if (length == 0) return {};
        if (length < folder.size()) {
            folder.resize(length);
            return folder;
        }
        folder.resize(length);  // too small: `length` holds the size needed
    }
}

}  // namespace

void RestrictDllSearchToSystem32() {
    // Looked up, not imported: a Windows 7 without its loader update
    // (KB2533623) lacks the call, and the program must still start there.
    using TSetDefaultDllDirectories = BOOL(WINAPI*)(DWORD);
    TSetDefaultDllDirectories restrict = nullptr;
    if (HMODULE kernel = GetModuleHandleW(L"kernel32.dll")) Bind(kernel, "SetDefaultDllDirectories", restrict);
    if (restrict && restrict(LOAD_LIBRARY_SEARCH_SYSTEM32)) return;
    SetDllDirectoryW(L"");  // at least the current folder leaves the search
}

HMODULE LoadSystemLibrary(const wchar_t* name) {
    if (HMODULE module = LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) return module;
    // A loader without the flag refuses it as invalid; the full path of the
    // System32 copy, whose own imports are then looked for beside it, does
    // the same there.
    if (GetLastError() != ERROR_INVALID_PARAMETER) return nullptr;
    const std::wstring folder = SystemFolder();
    if (folder.empty()) return nullptr;
    return LoadLibraryExW((folder + L"\\" + name).c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

// The table of calls of `dll`, bound on first use by `bindAll` (which says
// whether every call was found); null when the DLL or a call is missing.
template <class TCalls>
const TCalls* BoundCalls(const wchar_t* dll, bool (*bindAll)(HMODULE, TCalls&)) {
    static const std::optional<TCalls> table = [&]() -> std::optional<TCalls> {
        HMODULE module = LoadSystemLibrary(dll);
        TCalls calls;
        return module && bindAll(module, calls) ? std::optional(calls) : std::nullopt;
    }();
    return table ? &*table : nullptr;
}

#define TIRAVEL_BIND_CALL(name) bound = Bind(module, #name, calls.name) && bound;
#define TIRAVEL_BIND_ALL(LIST) [](HMODULE module, auto& calls) { bool bound = true; LIST(TIRAVEL_BIND_CALL) return bound; }

const TWinInetCalls* WinInetCalls() {
    return BoundCalls<TWinInetCalls>(L"wininet.dll", TIRAVEL_BIND_ALL(TIRAVEL_WININET_CALLS));
}

const TUniscribeCalls* UniscribeCalls() {
    return BoundCalls<TUniscribeCalls>(L"usp10.dll", TIRAVEL_BIND_ALL(TIRAVEL_USP10_CALLS));
}

const TCommonDialogCalls* CommonDialogCalls() {
    return BoundCalls<TCommonDialogCalls>(L"comdlg32.dll", TIRAVEL_BIND_ALL(TIRAVEL_COMDLG32_CALLS));
}

#undef TIRAVEL_BIND_ALL
#undef TIRAVEL_BIND_CALL

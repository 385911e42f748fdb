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

#define TIRAVEL_BIND_CALL(name) bound = Bind(module, #name, calls.name) && bound;

const TWinInetCalls* WinInetCalls() {
    static const std::optional<TWinInetCalls> table = []() -> std::optional<TWinInetCalls> {
        HMODULE module = LoadSystemLibrary(L"wininet.dll");
        if (!module) return std::nullopt;
        TWinInetCalls calls;
        bool bound = true;
        TIRAVEL_WININET_CALLS(TIRAVEL_BIND_CALL)
        return bound ? std::optional(calls) : std::nullopt;
    }();
    return table ? &*table : nullptr;
}

const TUniscribeCalls* UniscribeCalls() {
    static const std::optional<TUniscribeCalls> table = []() -> std::optional<TUniscribeCalls> {
        HMODULE module = LoadSystemLibrary(L"usp10.dll");
        if (!module) return std::nullopt;
        TUniscribeCalls calls;
        bool bound = true;
        TIRAVEL_USP10_CALLS(TIRAVEL_BIND_CALL)
        return bound ? std::optional(calls) : std::nullopt;
    }();
    return table ? &*table : nullptr;
}

const TCommonDialogCalls* CommonDialogCalls() {
    static const std::optional<TCommonDialogCalls> table = []() -> std::optional<TCommonDialogCalls> {
        HMODULE module = LoadSystemLibrary(L"comdlg32.dll");
        if (!module) return std::nullopt;
        TCommonDialogCalls calls;
        bool bound = true;
        TIRAVEL_COMDLG32_CALLS(TIRAVEL_BIND_CALL)
        return bound ? std::optional(calls) : std::nullopt;
    }();
    return table ? &*table : nullptr;
}

#undef TIRAVEL_BIND_CALL

#pragma once
// Windows DLLs that the program does not import, and the one place that
// loads them. The loader looks for a DLL named in the import table in the
// executable's own folder before System32, unless it is a known DLL; a file
// planted beside the program (in Downloads, say) would run inside it, as
// administrator in the font installation run. So DLLs that are not known
// DLLs are never imported: they are loaded here at run time, from System32
// alone, and a caller that gets no table goes without (the update check is
// skipped, the grid measures its lines unshaped).
// The common dialogs are a known DLL, but one that brings the printing
// system in with it (under Wine, CUPS and a TLS library: 6 MB resident), for
// dialogs that most runs never open: it is loaded here on first use too.
#include <windows.h>
#include <commdlg.h>
#include <usp10.h>
#include <wininet.h>

// From now on every DLL this process loads by name comes from System32.
// The first thing wWinMain does.
void RestrictDllSearchToSystem32();

// The module `name` (a bare file name such as L"wininet.dll") from System32,
// or null when it cannot be loaded. It stays loaded for the whole run.
HMODULE LoadSystemLibrary(const wchar_t* name);

// The functions the program calls in each such DLL, one list each.
#define TIRAVEL_WININET_CALLS(X) X(InternetOpenW) X(InternetOpenUrlW) X(InternetReadFile) X(InternetCloseHandle)
#define TIRAVEL_USP10_CALLS(X) X(ScriptStringAnalyse) X(ScriptString_pSize) X(ScriptStringFree)
#define TIRAVEL_COMDLG32_CALLS(X) X(ChooseColorW) X(GetOpenFileNameW) X(GetSaveFileNameW)

#define TIRAVEL_CALL_MEMBER(name) decltype(&::name) name = nullptr;
struct TWinInetCalls {
    TIRAVEL_WININET_CALLS(TIRAVEL_CALL_MEMBER)
};
struct TUniscribeCalls {
    TIRAVEL_USP10_CALLS(TIRAVEL_CALL_MEMBER)
};
struct TCommonDialogCalls {
    TIRAVEL_COMDLG32_CALLS(TIRAVEL_CALL_MEMBER)
};
#undef TIRAVEL_CALL_MEMBER

// The bound functions of wininet.dll, usp10.dll and comdlg32.dll, loaded on
// first use (from any thread); null when the DLL or one of its functions is
// missing.
const TWinInetCalls* WinInetCalls();
const TUniscribeCalls* UniscribeCalls();
const TCommonDialogCalls* CommonDialogCalls();

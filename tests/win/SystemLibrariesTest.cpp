// The DLLs that are no known DLLs of Windows: loaded from System32 alone,
// never from the program's folder, against Wine's real loader.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "base/win/SystemLibraries.h"

namespace {

constexpr wchar_t PlantedName[] = L"tiravel_planted.dll";

std::wstring OwnFolder() {
    std::wstring path(32768, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), DWORD(path.size())));
    return path.substr(0, path.find_last_of(L'\\') + 1);
}

}  // namespace

TEST(SystemLibraries, NothingIsLoadedFromTheProgramsFolder) {
    const std::wstring planted = OwnFolder() + PlantedName;
    ASSERT_NE(GetFileAttributesW(planted.c_str()), INVALID_FILE_ATTRIBUTES) << "the build puts it beside the tests";
    RestrictDllSearchToSystem32();
    EXPECT_EQ(GetModuleHandleW(PlantedName), nullptr);
    EXPECT_EQ(LoadLibraryW(PlantedName), nullptr) << "the search still looks in the program's folder";
    EXPECT_EQ(LoadSystemLibrary(PlantedName), nullptr);
    // By its whole path the same file loads: it is a DLL the loader would take.
    HMODULE direct = LoadLibraryW(planted.c_str());
    ASSERT_NE(direct, nullptr);
    EXPECT_NE(GetProcAddress(direct, "PlantedLibraryAnswer"), nullptr);
    FreeLibrary(direct);
}

TEST(SystemLibraries, BindsTheFunctionsOfWinInetAndUniscribe) {
    const TWinInetCalls* net = WinInetCalls();
    ASSERT_NE(net, nullptr);
    EXPECT_EQ(WinInetCalls(), net);  // loaded once
    HINTERNET session = net->InternetOpenW(L"", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
    ASSERT_NE(session, nullptr);
    EXPECT_TRUE(net->InternetCloseHandle(session));

    const TUniscribeCalls* shaping = UniscribeCalls();
    ASSERT_NE(shaping, nullptr);
    HDC dc = CreateCompatibleDC(nullptr);
    SCRIPT_STRING_ANALYSIS analysis = nullptr;
    const wchar_t text[] = L"\x0628\x0633\x0645";  // three joined Arabic letters
    ASSERT_TRUE(SUCCEEDED(shaping->ScriptStringAnalyse(dc, text, 3, 16, -1, SSA_GLYPHS | SSA_RTL, 0, nullptr,
                                                       nullptr, nullptr, nullptr, nullptr, &analysis)));
    const SIZE* size = shaping->ScriptString_pSize(analysis);
    ASSERT_NE(size, nullptr);
    EXPECT_GT(size->cx, 0);
    shaping->ScriptStringFree(&analysis);
    DeleteDC(dc);
}

TEST(SystemLibraries, AMissingLibraryIsNoneAtAll) {
    EXPECT_EQ(LoadSystemLibrary(L"tiravel_no_such_library.dll"), nullptr);
}

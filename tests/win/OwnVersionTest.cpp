// The program's own version, read in place from its version resource, is
// what the system's version library reads from the file, and it is the
// project's version. The tests carry the same version resource as Tiravel.exe.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "system/win/OwnVersion.h"

TEST(OwnVersion, IsWhatTheVersionLibraryReads) {
    std::wstring path(32768, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), DWORD(path.size())));
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &handle);
    ASSERT_GT(size, 0u);
    std::vector<std::uint8_t> block(size);
    ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, block.data()));
    VS_FIXEDFILEINFO* info = nullptr;
    UINT infoSize = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&info), &infoSize));
    ASSERT_GE(infoSize, sizeof(VS_FIXEDFILEINFO));

    const auto own = GetOwnFileVersion();
    ASSERT_TRUE(own);
    EXPECT_EQ(*own, VersionFromFileInfo(info->dwFileVersionMS, info->dwFileVersionLS));
    EXPECT_EQ(GetOwnVersionText(), VersionText(info->dwFileVersionMS, info->dwFileVersionLS));
}

TEST(OwnVersion, IsTheProjectsVersion) {
    unsigned a = 0, b = 0, c = 0, d = 0;
    ASSERT_EQ(std::sscanf(TIRAVEL_PROJECT_VERSION, "%u.%u.%u.%u", &a, &b, &c, &d), 4);
    const std::string text = std::to_string(a) + "." + std::to_string(c << 16 | d);
    EXPECT_EQ(GetOwnVersionText(), std::u16string(text.begin(), text.end()));
}

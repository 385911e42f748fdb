// Entry point of Tiravel.exe: the entry sequence over the Windows API.
#include <windows.h>
#include <ole2.h>
#include <shellapi.h>
#include <shlobj.h>
#include <versionhelpers.h>

#include <string>
#include <vector>

#include "base/OutsideNames.h"
#include "base/Utf.h"
#include "base/win/ExeResourceSource.h"
#include "base/win/SystemLibraries.h"
#include "pagemodel/UnpackingResourceSource.h"
#include "base/win/WideText.h"
#include "app/EntrySequence.h"
#include "commands/win/Cursors.h"
#include "app/win/MainWindow.h"
#include "system/win/FontsApi.h"

namespace {

class TWinEntryPlatform final : public TEntryPlatform {
public:
    TWinEntryPlatform(const TUnpackingResourceSource& resources, TRunValues& run, int showCommand)
        : FResources(resources), FRun(run), FShowCommand(showCommand) {}

    bool WindowsVersionAtLeast(int major, int minor) override {
        return IsWindowsVersionOrGreater(WORD(major), WORD(minor), 0);
    }
    void ShowMessage(std::u16string_view text) override {
        const std::wstring wide = ToWide(text);
        MessageBoxW(nullptr, wide.c_str(), L"", MB_OK);
    }
    void LoadTableCursor(int number, std::u16string_view name) override {
        SetTableCursor(number, LoadCursorResource(FResources, name));
    }
    std::u16string RoamingAppDataFolder() override {
        wchar_t path[MAX_PATH] = {};
        if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path))) return {};
        return FromWide(path);
    }
    void CreateFolders(std::u16string_view path) override {
        const std::wstring wide = ToWide(path);
        SHCreateDirectoryExW(nullptr, wide.c_str(), nullptr);  // an existing folder is no error worth telling
    }
    int InstallFonts() override {
        TWinFontPlatform fonts(FResources);
        return ::InstallFonts(fonts);
    }
    int CheckFonts() override {
        TWinFontPlatform fonts(FResources);
        return ::CheckFonts(fonts, FRun.InstallFontsMode);
    }
    bool ActivateExistingInstance(std::u16string_view className, std::u16string_view title) override {
        const std::wstring cls = ToWide(className), caption = ToWide(title);
        HWND existing = FindWindowW(cls.c_str(), caption.c_str());
        if (!existing) return false;
        if (IsIconic(existing)) ShowWindow(existing, SW_RESTORE);
        SetForegroundWindow(existing);
        return true;
    }
    std::uint16_t RegisterClipboardFormatName(std::u16string_view name) override {
        const std::wstring wide = ToWide(name);
        return std::uint16_t(RegisterClipboardFormatW(wide.c_str()));
    }
    void SetApplicationTitle(std::u16string_view) override {
        // The task bar shows the main window's caption, which is this title.
    }
    int RunMainWindow() override {
        // Read while the splash shows, so that the first page does not wait for it.
        FResources.StartReadingOutlines();
        return ::RunMainWindow(FResources, FRun, FShowCommand);
    }

private:
    const TUnpackingResourceSource& FResources;
    TRunValues& FRun;
    int FShowCommand;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
    // Before anything can load a DLL by name: none comes from the program's
    // folder or the current one, where a planted file would run with the
    // program's rights (an administrator's in the font installation run).
    RestrictDllSearchToSystem32();
    std::vector<std::u16string> arguments;
    int count = 0;
    if (LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count)) {
        for (int i = 1; i < count; ++i) arguments.push_back(FromWide(argv[i]));
        LocalFree(argv);
    }
    // OLE for dragging copied text out; the clipboard needs nothing more.
    const bool ole = SUCCEEDED(OleInitialize(nullptr));
    struct TOleEnd {
        bool Active;
        ~TOleEnd() {
            if (Active) OleUninitialize();
        }
    } oleEnd{ole};
    TExeResourceSource stored;
    TUnpackingResourceSource resources(stored);
    TRunValues run;
    TWinEntryPlatform platform(resources, run, showCommand);
    try {
        return RunEntrySequence(platform, arguments, run);
    } catch (const std::exception& e) {
        // The general error report: an error nothing else handled ends the run.
        const std::wstring text = ToWide(Utf8ToUtf16(e.what()));
        MessageBoxW(nullptr, text.c_str(), WidePtr(ApplicationTitle), MB_OK | MB_ICONERROR);
        return 1;
    }
}

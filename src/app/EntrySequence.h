#pragma once
// The start of a run, from process start to the message loop, over the few
// platform services it needs; the shell implements them with the Windows API.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "base/OutsideNames.h"
#include "settings/Settings.h"

inline constexpr char16_t OldWindowsWarning[] =
    u"هذا التطبيق يتطلب نظام تشغيل وندوز 7 او اعلى.\r\nThis application required Windows 7 or above.";
inline constexpr char16_t RichTextFormatFailed[] = u"Unable to register the Rich Text clipboard format!";

// The roaming application-data folder (empty when the shell has none), a
// path delimiter unless it already ends in one, then "CorvaneSchool".
std::u16string FormDataFolder(std::u16string_view appDataFolder);

// True when the first argument, in any letter case, is "\installfonts".
// `arguments` excludes the program name.
bool IsInstallFontsRun(std::span<const std::u16string> arguments);

// CheckFonts answers 0 (declined or failed) or 3: the run ends quietly.
bool FontCheckEndsRun(int checkFontsResult);

class TEntryPlatform {
public:
    virtual ~TEntryPlatform() = default;
    virtual bool WindowsVersionAtLeast(int major, int minor) = 0;
    // A modal message box with an empty caption and an OK button.
    virtual void ShowMessage(std::u16string_view text) = 0;
    virtual void LoadTableCursor(int number, std::u16string_view resourceName) = 0;
    virtual std::u16string RoamingAppDataFolder() = 0;
    // The folder and its missing parents; may throw, every error is ignored.
    virtual void CreateFolders(std::u16string_view path) = 0;
    // The font-installation run; answers the process exit code.
    virtual int InstallFonts() = 0;
    virtual int CheckFonts() = 0;
    // Brings a top-level window of that class and title to the foreground;
    // false when there is none.
    virtual bool ActivateExistingInstance(std::u16string_view className, std::u16string_view title) = 0;
    virtual std::uint16_t RegisterClipboardFormatName(std::u16string_view name) = 0;
    virtual void SetApplicationTitle(std::u16string_view title) = 0;
    // Creates the main window, runs the message loop; answers the exit code.
    virtual int RunMainWindow() = 0;
};

// The run-wide values the entry sequence makes.
struct TRunValues {
    std::u16string DataFolder;
    bool InstallFontsMode = false;
    std::uint16_t RtfClipboardFormat = 0;
    TSettings CurrentSettings;  // the defaults until the start-up timer reads the file
    TSettings DefaultSettings;  // never changed
};

// Runs the entry sequence and answers the process exit code.
int RunEntrySequence(TEntryPlatform& platform, std::span<const std::u16string> arguments, TRunValues& values);

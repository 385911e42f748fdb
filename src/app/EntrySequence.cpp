#include "app/EntrySequence.h"

#include <exception>

#include "commands/CursorTable.h"

std::u16string FormDataFolder(std::u16string_view appData) {
    std::u16string folder(appData);
    if (folder.empty() || (folder.back() != u'\\' && folder.back() != u'/')) folder.push_back(u'\\');
    return folder + DataFolderName;
}

bool IsInstallFontsRun(std::span<const std::u16string> arguments) {
    if (arguments.empty()) return false;
    std::u16string first = arguments.front();
    for (char16_t& c : first)
        if (c >= u'A' && c <= u'Z') c = char16_t(c - u'A' + u'a');
    return first == InstallFontsSwitch;
}

bool FontCheckEndsRun(int result) { return result == 0 || result == 3; }

int RunEntrySequence(TEntryPlatform& p, std::span<const std::u16string> arguments, TRunValues& values) {
    if (!p.WindowsVersionAtLeast(6, 1)) p.ShowMessage(OldWindowsWarning);  // a warning only
    for (const TCursorEntry& c : CursorTable) p.LoadTableCursor(c.Number, c.ResourceName);

    values.InstallFontsMode = false;
    values.DataFolder = FormDataFolder(p.RoamingAppDataFolder());
    try {
        p.CreateFolders(values.DataFolder);
    } catch (const std::exception&) {
        // Later reads find nothing; writes report their own failure.
    }

    if (IsInstallFontsRun(arguments)) {
        values.InstallFontsMode = true;
        return p.InstallFonts();
    }
    if (FontCheckEndsRun(p.CheckFonts())) return 0;
    // After the font check, so a second start with missing fonts still asks.
    if (p.ActivateExistingInstance(MainWindowClassName, MainWindowCaption)) return 0;

    values.RtfClipboardFormat = p.RegisterClipboardFormatName(RichTextFormatName);
    if (values.RtfClipboardFormat == 0) {
        p.ShowMessage(RichTextFormatFailed);
        return 0;
    }
    values.CurrentSettings = TSettings();
    values.DefaultSettings = TSettings();
    p.SetApplicationTitle(ApplicationTitle);
    return p.RunMainWindow();
}

#pragma once
// The font installation platform over the Windows API: the system Fonts
// folder and registry key, the font families GDI lists, the elevated second
// run and the messages.
#include "system/FontInstallation.h"

class TResourceSource;

class TWinFontPlatform final : public TFontPlatform {
public:
    // `resources` holds the embedded font files; not owned.
    explicit TWinFontPlatform(const TResourceSource& resources);

    bool FamilyListed(std::u16string_view family) override;
    std::optional<std::u16string> RegistryValue(std::u16string_view valueName) override;
    bool FontFileExists(std::u16string_view fileName) override;
    bool CopyFontFile(std::u16string_view resource, std::u16string_view fileName) override;
    bool AddFontToRegistry(std::u16string_view valueName, std::u16string_view data) override;
    bool IsUserAdmin() override;
    int RunElevatedInstallation() override;
    void LoadFontsNow() override;
    void NotifyFontChange() override;
    void ShowMessage(std::u16string_view text, std::u16string_view caption) override;
    bool AskYesNo(std::u16string_view text, std::u16string_view caption) override;
    void ShowInstallationError() override;
    void RequestTermination() override;

private:
    const TResourceSource& FResources;
    std::wstring FFontsFolder;  // with a trailing delimiter; empty when the shell gives none
};

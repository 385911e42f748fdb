#pragma once
// The settings tool window over TSettingsForm: a menu bar, the language
// choice and the three option groups, scrolled vertically over their content.
// Every change goes straight into the current settings; there is no OK.
// Mirrored when created in Arabic; its controls are arranged again whenever
// the interface language changes. One at a time, owned by the main window.
#include <array>
#include <filesystem>
#include <functional>
#include <memory>

#include "base/OutsideNames.h"
#include "base/win/Window.h"
#include "settings/SettingsForm.h"
#include "settings/SettingsFormLayout.h"
#include "settings/SettingsFormTexts.h"
#include "settings/win/ColorBox.h"

class TSettingsWindow final : public TWindow, private TSettingsView {
public:
    static constexpr const char16_t* ClassName = SettingsClassName;

    // Centred on the desktop, in the language of `current`. Neither record is
    // owned, nor the copy options, nor `saving`; all outlive the window.
    // `requestHelp` runs for Help, Help.
    bool Create(HWND owner, TSettings& current, const TSettings& defaults, TCopyOptions& copyOptions,
                const std::filesystem::path& dataFolder, TSettingsSaving& saving,
                std::function<void()> requestHelp);
    bool WantsDialogKeys() const override { return true; }
    bool PreviewMessage(MSG& msg) override;
    // Tab and the arrows scroll the control they focus into view.
    void DialogKeyHandled() override;

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnSize(int width, int height) override;
    void OnDestroy() override;

    // TSettingsView
    void ShowControls(const TSettingsControls& c, bool withLanguage) override;
    void ShowAdditions(bool isteada, bool basmala, bool qalaTaallah) override;
    TSettingsControls ReadControls() const override;
    void ShowLanguage(TAppLanguage language) override;
    void ShowCaption(std::u16string_view caption) override;
    void ReportError(std::u16string_view message) override;
    std::optional<std::u16string> ChooseProfileToOpen() override;
    std::optional<std::u16string> ChooseProfileToSave() override;
    void RequestHelp() override;
    void CloseForm() override;
    void StartSaveTimer() override;

    void BuildMenu();
    void BuildControls();
    void FillFontList();
    void PlaceControls();
    // The fonts and the owner-drawn items' heights for the window's DPI.
    void CreateFonts();
    void OnDpiChanged() override;
    void SetCaptions(TAppLanguage language);
    void SetAlignment(TAppLanguage language);
    void UpdateScrollBar();
    // Clamps and takes the new first row; the controls move when `showNow`.
    void ScrollTo(int position, bool showNow);
    void OnVScroll(int request, bool fromScrollBar);
    void CloseDropDowns();
    void DrawBracketItem(const DRAWITEMSTRUCT& d) const;
    std::optional<std::u16string> ChooseProfile(bool save);

    HWND Part(TSettingsPart p) const { return FParts[std::size_t(p)]; }
    bool Checked(TSettingsPart p) const;
    void Check(TSettingsPart p, bool on);
    TColorBox* ColorBoxOf(HWND control);
    const TColorBox* ColorBoxById(int id) const;

    // Kept until the window object goes, not freed when the window is: Exit
    // destroys the window from inside one of the form's own handlers.
    std::unique_ptr<TSettingsForm> FForm;
    std::function<void()> FRequestHelp;
    bool FMirrored = false;  // decided at creation
    TAppLanguage FLanguage = TAppLanguage(255);
    std::array<HWND, spPartCount> FParts{};
    // Text, waqf, hizb, sajda, brackets, citation.
    std::array<TColorBox, 6> FColorBoxes;
    HMENU FMenu = nullptr;
    std::array<HMENU, smMenuCount> FMenus{};
    TFontHandle FQuranFont;
    HWND FScrollBar = nullptr;
    int FScrollY = 0;  // the first content row shown
    bool FScrollShown = true;  // the controls stand where FScrollY puts them
};

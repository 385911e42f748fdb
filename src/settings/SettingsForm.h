#pragma once
// The settings dialog's rules: what each control shows of the settings
// record, how the controls are read back into it (every change rewrites the
// whole record and saves it at once), the additions rule, the size boxes,
// the bracket list, the profile commands and the window caption. The shell's
// window implements TSettingsView with real controls and standard dialogs.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/OutsideNames.h"
#include "settings/Settings.h"
#include "settings/SettingsSaving.h"

inline constexpr char16_t SettingsFormName[] = u"SettingsForm";  // at most one such window

enum TCitationChoice : std::uint8_t { ccNoInfo = 0, ccSameLine = 1, ccNewLine = 2 };

// What the controls show, as the controls hold it: the boxes as text.
struct TSettingsControls {
    int LanguageItem = 0;  // 0 "عربي", 1 "English"
    std::u16string QuranFontSize;
    bool QuranFontBold = false;
    std::uint32_t QuranTextColor = 0, WaqfSignColor = 0, HizbSignColor = 0, SajdaSignColor = 0;
    bool UseBrackets = true;
    std::u16string Brackets;  // the bracket list's text: the selected item, empty when none
    std::uint32_t BracketColor = 0;
    TCitationChoice Citation = ccSameLine;
    std::u16string CitationFontName;
    std::u16string CitationFontSize;
    std::uint32_t CitationFontColor = 0;
    bool AdditionIsteada = false, AdditionBasmala = false, AdditionQalaTaallah = false;
    bool operator==(const TSettingsControls&) const = default;
};

// The controls showing record `sd`.
TSettingsControls ControlsFromSettings(const TSettings& sd);
// A change of any control: every field the controls show, read back into
// `into`; sizes and brackets that the boxes do not hold come from `defaults`.
// The additions are taken as they stand (see ApplyAdditionsRule).
void ReadControlsInto(const TSettingsControls& c, const TSettings& defaults, TSettings& into);

// "قال تعالى" excludes both opening formulas: while it is checked, the
// other two are cleared. True when a box had to be cleared.
bool ApplyAdditionsRule(TSettingsControls& c);

// A size box's text as a decimal number of points, or `fallback` when it is
// not one (empty, signs, letters, too large). No range is enforced.
std::int32_t ParseSizeText(std::u16string_view text, std::int32_t fallback);
// Characters typed into a size box: the digits and backspace, nothing else.
bool SizeBoxAcceptsChar(char16_t c);
// The size boxes' list.
const std::vector<std::u16string>& FontSizeItems();

// The citation font box's list from the families the system enumerates:
// sorted, each once, without the vertical-writing "@" faces.
std::vector<std::u16string> FontFamilyItems(std::vector<std::u16string> families);

// The bracket list: 18 items, item k is BracketB + BracketA with
// BracketA = U+FD5A + 2k and BracketB = BracketA + 1.
const std::vector<std::u16string>& BracketItems();
// The item showing the pair of the record, -1 when the pair is not offered.
int BracketItemIndex(char16_t bracketA, char16_t bracketB);

// Window captions.
std::u16string SettingsPlainTitle(TAppLanguage language);
// "الإعدادات - " and the file name without folder and extension, in both languages.
std::u16string SettingsProfileCaption(std::u16string_view profilePath);
std::u16string SettingsDefaultsCaption();
// On opening: the profile's caption when one is recorded, else the plain title.
std::u16string SettingsOpeningCaption(const TSettings& sd);

// What the dialog asks of its window.
class TSettingsView {
public:
    virtual ~TSettingsView() = default;
    // Shows `c` in the controls, the language choice too when `withLanguage`;
    // control events raised meanwhile are ignored (ExitChange is set).
    virtual void ShowControls(const TSettingsControls& c, bool withLanguage) = 0;
    // Only the three addition check boxes (the additions rule).
    virtual void ShowAdditions(bool isteada, bool basmala, bool qalaTaallah) = 0;
    virtual TSettingsControls ReadControls() const = 0;
    // Every caption and the arrangement of the controls for `language`.
    virtual void ShowLanguage(TAppLanguage language) = 0;
    virtual void ShowCaption(std::u16string_view caption) = 0;
    virtual void ReportError(std::u16string_view message) = 0;
    // The standard open and save dialogs: the chosen path, nothing when cancelled.
    virtual std::optional<std::u16string> ChooseProfileToOpen() = 0;
    virtual std::optional<std::u16string> ChooseProfileToSave() = 0;
    // Posts the help message (0x0427) to the main window.
    virtual void RequestHelp() = 0;
    virtual void CloseForm() = 0;
    // (Re)starts the one-shot wait after which the window calls SavePending
    // (SettingsTypingSaveMilliseconds).
    virtual void StartSaveTimer() = 0;
};

// How long typing in a size or font box must pause before the file is written.
inline constexpr unsigned SettingsTypingSaveMilliseconds = 700;

// The messages of the profile commands, in the interface language.
std::u16string ProfileMissingMessage(TAppLanguage language);
std::u16string ProfileDamagedMessage(TAppLanguage language);
std::u16string ProfileNotSavedMessage(TAppLanguage language, const std::string& reason);

class TSettingsForm {
public:
    // None of the references is owned; all outlive the form. `saving` is the
    // run's one writer of the settings file.
    TSettingsForm(TSettings& current, const TSettings& defaults, std::filesystem::path dataFolder,
                  TSettingsView& view, TSettingsSaving& saving);

    // The window and its controls exist: fill them from the current record,
    // apply its language and set the opening caption.
    void Create();
    // Fills every control but the language choice from `sd`.
    void UpdateControls(const TSettings& sd);
    // Any click or change of a control: the whole record is rewritten from
    // all controls, the profile name emptied and the settings file saved.
    // Typing in a size or font box (`typing`) takes effect at once too, but
    // the file is written once the typing pauses (StartSaveTimer), not at
    // every key.
    void OnControlsChange(bool typing = false);
    // The typing wait ended, or the window is closing: writes what typing
    // left unsaved.
    void SavePending();

    // File, Open: a profile. One that cannot be read whole is reported and
    // changes nothing, neither the record nor the settings file.
    void OpenProfile();
    void SaveProfileAs();                       // File, Save As: a profile
    void RestoreDefaults();  // File, Default settings
    void CloseDialog();                       // File, Exit
    void ShowHelp();                       // Help, Help

    bool ExitChange() const { return FExitChange; }
    const std::u16string& Caption() const { return FCaption; }

private:
    void FillControls(const TSettings& sd, bool withLanguage);
    void SetCaption(std::u16string caption);
    // Saves the settings file; a failure is reported, the record stays.
    void SaveSettings();

    TSettings& FCurrent;
    const TSettings& FDefaults;
    std::filesystem::path FDataFolder;
    TSettingsView& FView;
    TSettingsSaving& FSaving;
    bool FExitChange = true;  // until the controls are filled
    bool FSavePending = false;  // typing changed the record since the last save
    std::u16string FCaption;
};

#include "settings/SettingsForm.h"

#include <algorithm>
#include <exception>

#include "base/Utf.h"

namespace {

std::u16string DecimalText(std::int32_t n) {
    const std::string digits = std::to_string(n);
    return std::u16string(digits.begin(), digits.end());
}

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }

}  // namespace

TSettingsControls ControlsFromSettings(const TSettings& sd) {
    TSettingsControls c;
    c.LanguageItem = sd.Language == appArabic ? 0 : 1;
    c.QuranFontSize = DecimalText(sd.QuranFontSize);
    c.QuranFontBold = sd.QuranFontBold;
    c.QuranTextColor = sd.QuranTextColor;
    c.WaqfSignColor = sd.WaqfSignColor;
    c.HizbSignColor = sd.HizbSignColor;
    c.SajdaSignColor = sd.SajdaSignColor;
    c.UseBrackets = sd.UseBrackets;
    const int bracket = BracketItemIndex(sd.BracketA, sd.BracketB);
    if (bracket >= 0) c.Brackets = BracketItems()[std::size_t(bracket)];
    c.BracketColor = sd.BracketColor;
    c.Citation = !sd.UseCitation ? ccNoInfo : sd.CitationOnNewLine ? ccNewLine : ccSameLine;
    c.CitationFontName = sd.CitationFontName;
    c.CitationFontSize = DecimalText(sd.CitationFontSize);
    c.CitationFontColor = sd.CitationFontColor;
    c.AdditionIsteada = sd.AdditionIsteada;
    c.AdditionBasmala = sd.AdditionBasmala;
    c.AdditionQalaTaallah = sd.AdditionQalaTaallah;
    return c;
}

void ReadControlsInto(const TSettingsControls& c, const TSettings& defaults, TSettings& into) {
    into.Language = c.LanguageItem == 0 ? appArabic : appEnglish;
    into.QuranFontSize = ParseSizeText(c.QuranFontSize, defaults.QuranFontSize);
    into.QuranFontBold = c.QuranFontBold;
    into.QuranTextColor = c.QuranTextColor;
    into.WaqfSignColor = c.WaqfSignColor;
    into.HizbSignColor = c.HizbSignColor;
    into.SajdaSignColor = c.SajdaSignColor;
    into.UseBrackets = c.UseBrackets;
    if (c.Brackets.size() >= 2) {
        into.BracketA = c.Brackets[1];
        into.BracketB = c.Brackets[0];
    } else {
        into.BracketA = defaults.BracketA;
        into.BracketB = defaults.BracketB;
    }
    into.BracketColor = c.BracketColor;
    into.UseCitation = c.Citation != ccNoInfo;
    into.CitationOnNewLine = c.Citation == ccNewLine;
    into.CitationFontName = c.CitationFontName;
    into.CitationFontSize = ParseSizeText(c.CitationFontSize, defaults.CitationFontSize);
    into.CitationFontColor = c.CitationFontColor;
    into.AdditionIsteada = c.AdditionIsteada;
    into.AdditionBasmala = c.AdditionBasmala;
    into.AdditionQalaTaallah = c.AdditionQalaTaallah;
}

bool ApplyAdditionsRule(TSettingsControls& c) {
    if (!c.AdditionQalaTaallah || (!c.AdditionIsteada && !c.AdditionBasmala)) return false;
    c.AdditionIsteada = false;
    c.AdditionBasmala = false;
    return true;
}

std::int32_t ParseSizeText(std::u16string_view text, std::int32_t fallback) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    if (text.empty()) return fallback;
    std::int64_t v = 0;
    for (char16_t ch : text) {
        if (ch < u'0' || ch > u'9') return fallback;
        v = v * 10 + (ch - u'0');
        if (v > INT32_MAX) return fallback;
    }
    return std::int32_t(v);
}

bool SizeBoxAcceptsChar(char16_t c) { return (c >= u'0' && c <= u'9') || c == 8; }

const std::vector<std::u16string>& FontSizeItems() {
    static const std::vector<std::u16string> items{u"14", u"16", u"18", u"20", u"22", u"24", u"26", u"28"};
    return items;
}

std::vector<std::u16string> FontFamilyItems(std::vector<std::u16string> families) {
    std::erase_if(families, [](const std::u16string& f) { return f.empty() || f.front() == u'@'; });
    std::sort(families.begin(), families.end());
    families.erase(std::unique(families.begin(), families.end()), families.end());
    return families;
}

const std::vector<std::u16string>& BracketItems() {
    static const std::vector<std::u16string> items = [] {
        std::vector<std::u16string> list;
        for (int k = 0; k < 18; ++k) {
            const char16_t a = char16_t(0xFD5A + 2 * k);
            list.push_back({char16_t(a + 1), a});
        }
        return list;
    }();
    return items;
}

int BracketItemIndex(char16_t bracketA, char16_t bracketB) {
    const std::u16string text{bracketB, bracketA};
    const auto& items = BracketItems();
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i] == text) return int(i);
    return -1;
}

std::u16string SettingsPlainTitle(TAppLanguage language) {
    return language == appArabic ? u"الإعدادات" : u"Settings";
}

std::u16string SettingsProfileCaption(std::u16string_view profilePath) {
    // Either separator: the path may come from Windows or from a test.
    const std::size_t slash = profilePath.find_last_of(u"\\/");
    std::u16string_view name = slash == std::u16string_view::npos ? profilePath : profilePath.substr(slash + 1);
    const std::size_t dot = name.find_last_of(u'.');
    if (dot != std::u16string_view::npos && dot > 0) name = name.substr(0, dot);
    return u"الإعدادات - " + std::u16string(name);
}

std::u16string SettingsDefaultsCaption() { return u"الإعدادات - الوضع الافتراضي"; }

std::u16string SettingsOpeningCaption(const TSettings& sd) {
    if (!sd.CurrentProfileFullFileName.empty()) return SettingsProfileCaption(sd.CurrentProfileFullFileName);
    return SettingsPlainTitle(sd.Language);
}

std::u16string ProfileMissingMessage(TAppLanguage language) {
    return language == appArabic ? u"لم يُفتح ملف الإعدادات: الملف غير موجود."
                                 : u"The profile was not opened: the file is missing.";
}

std::u16string ProfileDamagedMessage(TAppLanguage language) {
    return language == appArabic ? u"لم يُفتح ملف الإعدادات: الملف تالف أو ليس ملف إعدادات."
                                 : u"The profile was not opened: the file is damaged or no profile.";
}

std::u16string ProfileNotSavedMessage(TAppLanguage language, const std::string& reason) {
    return (language == appArabic ? u"لم يُحفظ ملف الإعدادات:\n" : u"The profile was not saved: ") +
           Utf8ToUtf16(reason);
}

TSettingsForm::TSettingsForm(TSettings& current, const TSettings& defaults,
                             std::filesystem::path dataFolder, TSettingsView& view, TSettingsSaving& saving)
    : FCurrent(current), FDefaults(defaults), FDataFolder(std::move(dataFolder)), FView(view), FSaving(saving) {}

void TSettingsForm::Create() {
    FillControls(FCurrent, true);
    FView.ShowLanguage(FCurrent.Language);
    SetCaption(SettingsOpeningCaption(FCurrent));
}

void TSettingsForm::FillControls(const TSettings& sd, bool withLanguage) {
    FExitChange = true;
    FView.ShowControls(ControlsFromSettings(sd), withLanguage);
    FExitChange = false;
}

void TSettingsForm::UpdateControls(const TSettings& sd) { FillControls(sd, false); }

void TSettingsForm::OnControlsChange(bool typing) {
    if (FExitChange) return;
    TSettingsControls c = FView.ReadControls();
    if (ApplyAdditionsRule(c)) {
        FExitChange = true;
        FView.ShowAdditions(c.AdditionIsteada, c.AdditionBasmala, c.AdditionQalaTaallah);
        FExitChange = false;
    }
    ReadControlsInto(c, FDefaults, FCurrent);
    FCurrent.CurrentProfileFullFileName.clear();
    if (typing) {
        FSavePending = true;
        FView.StartSaveTimer();
    } else {
        SaveSettings();
    }
    FView.ShowLanguage(FCurrent.Language);
    SetCaption(SettingsPlainTitle(FCurrent.Language));
}

void TSettingsForm::OpenProfile() {
    const std::optional<std::u16string> path = FView.ChooseProfileToOpen();
    if (!path) return;
    // A profile carries a page too; the page on screen is the one to remember.
    const std::int32_t page = FCurrent.PageNumber;
    TSettingsFileRead read = TSettingsFileRead::Missing;
    try {
        read = FCurrent.ReadFromFile(std::filesystem::path(*path));
    } catch (const std::exception&) {
        // A name that is no usable path reads as a missing profile.
    }
    if (read != TSettingsFileRead::Loaded) {
        // Nothing of it is taken: the settings in effect and on disk stay.
        FView.ReportError(read == TSettingsFileRead::Missing ? ProfileMissingMessage(FCurrent.Language)
                                                             : ProfileDamagedMessage(FCurrent.Language));
        return;
    }
    FCurrent.PageNumber = page;
    FCurrent.CurrentProfileFullFileName = *path;
    SaveSettings();
    SetCaption(SettingsProfileCaption(*path));
    // The profile's language is shown too, so that the next change does not
    // write the old language back into the record.
    FillControls(FCurrent, true);
    FView.ShowLanguage(FCurrent.Language);
}

void TSettingsForm::SaveProfileAs() {
    const std::optional<std::u16string> path = FView.ChooseProfileToSave();
    if (!path) return;
    try {
        FCurrent.SaveToFile(std::filesystem::path(*path));
    } catch (const std::exception& e) {
        // The file is written whole or not at all: a previous profile stays as it was.
        FView.ReportError(ProfileNotSavedMessage(FCurrent.Language, e.what()));
        return;
    }
    FCurrent.CurrentProfileFullFileName = *path;
    SaveSettings();
    SetCaption(SettingsProfileCaption(*path));
}

void TSettingsForm::RestoreDefaults() {
    FCurrent.Assign(FDefaults);
    // Saved at once like every other change, and no longer the profile's
    // settings: otherwise the next start would read the profile again and
    // silently undo the reset.
    FCurrent.CurrentProfileFullFileName.clear();
    SaveSettings();
    UpdateControls(FCurrent);
    SetCaption(SettingsDefaultsCaption());
}

void TSettingsForm::CloseDialog() { FView.CloseForm(); }

void TSettingsForm::ShowHelp() { FView.RequestHelp(); }

void TSettingsForm::SetCaption(std::u16string caption) {
    FCaption = std::move(caption);
    FView.ShowCaption(FCaption);
}

void TSettingsForm::SavePending() {
    if (FSavePending) SaveSettings();
}

void TSettingsForm::SaveSettings() {
    FSavePending = false;  // this save writes the whole record
    FSaving.Save(FCurrent, FDataFolder);
    if (auto report = FSaving.TakeReport()) FView.ReportError(*report);
}

#pragma once
// Every caption of the settings dialog in both interface languages. The two
// language items ("عربي", "English") are never translated.
#include "settings/SettingsData.h"

struct TSettingsFormTexts {
    const char16_t* FileMenu;         // N1
    const char16_t* OpenItem;         // N3
    const char16_t* DefaultsItem;     // DefaultSettingsMneuItem
    const char16_t* SaveAsItem;       // N6
    const char16_t* ExitItem;         // N9
    const char16_t* HelpMenu;         // N2
    const char16_t* HelpItem;         // N5
    const char16_t* LanguageGroup;    // LangugeRadioGroup
    const char16_t* QuranGroup;       // GroupBox1
    const char16_t* FontSize;         // Label1
    const char16_t* FontStyle;        // Label2
    const char16_t* Normal;
    const char16_t* Bold;
    const char16_t* TextColor;        // Label3
    const char16_t* WaqfColor;        // Label4
    const char16_t* HizbColor;        // Label5
    const char16_t* SajdaColor;       // Label6
    const char16_t* Brackets;         // Label7
    const char16_t* NoBrackets;
    const char16_t* AddBrackets;
    const char16_t* BracketColor;     // Label8
    const char16_t* CitationGroup;    // GroupBox2
    const char16_t* NoCitation;
    const char16_t* SameLine;
    const char16_t* NewLine;
    const char16_t* CitationFont;     // Label9
    const char16_t* CitationSize;     // Label10
    const char16_t* CitationColor;    // Label11
    const char16_t* AdditionsGroup;   // GroupBox3
    const char16_t* Isteada;
    const char16_t* Basmalla;
    const char16_t* QalaTaallah;
};

// Arabic for appArabic, English for any other value.
const TSettingsFormTexts& SettingsFormTexts(TAppLanguge language);

inline constexpr char16_t LanguageItemArabic[] = u"عربي";
inline constexpr char16_t LanguageItemEnglish[] = u"English";

#pragma once
// Every caption of the settings dialog in both interface languages: its menu
// bar, from one table, and the caption of each part of the dialog, from one
// array. The two language items ("عربي", "English") are never translated.
#include <array>

#include "settings/Settings.h"
#include "settings/SettingsFormLayout.h"

// The menu bar: File (Open, Default settings, Save As, Exit) and Help (Help).
enum TSettingsMenu : int { smFile, smHelp, smMenuCount };
enum TSettingsCommand : int { scOpen, scDefaults, scSaveAs, scExit, scHelp, scCommandCount };
struct TSettingsMenuItem {
    TSettingsCommand Command;
    TSettingsMenu Menu;
    bool SeparatorBefore;
};
inline constexpr std::array<TSettingsMenuItem, scCommandCount> SettingsMenuItems{{
    {scOpen, smFile, false},
    {scDefaults, smFile, false},
    {scSaveAs, smFile, true},
    {scExit, smFile, true},
    {scHelp, smHelp, false},
}};

struct TSettingsFormTexts {
    std::array<const char16_t*, smMenuCount> Menus;
    std::array<const char16_t*, scCommandCount> Commands;
    // The caption of each part; null for the boxes and lists.
    std::array<const char16_t*, spPartCount> Parts;
};

// Arabic for appArabic, English for any other value.
const TSettingsFormTexts& SettingsFormTexts(TAppLanguage language);

inline constexpr char16_t LanguageItemArabic[] = u"عربي";
inline constexpr char16_t LanguageItemEnglish[] = u"English";

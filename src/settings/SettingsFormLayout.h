#pragma once
// Where the settings dialog's controls stand, by interface language: in
// English each label at the left edge of its group with its box to the
// right; in Arabic the same arrangement mirrored inside each group, the label
// at the right edge. Places are what the user sees, in client pixels of the
// content before scrolling; PlaceInWindow turns them into the coordinates of
// a window that may itself be mirrored (created in Arabic). Every size is in
// device pixels at the scale given.
#include <array>

#include "base/ControlPlace.h"
#include "base/DisplayScale.h"
#include "settings/Settings.h"

struct TSettingsSizes {
    TSizeI Window;         // the whole window: fixed width, first height
    int MinWindowHeight;
    int ContentHeight;     // over which the window scrolls vertically
    int GroupWidth;
    int ScrollLine;        // pixels a scroll-bar arrow moves
    // The scroll bar stands at the language's far edge: right in English, left in Arabic.
    int ScrollBarWidth;
    int ColorItemHeight, BracketItemHeight;  // items of the owner-drawn lists
    int FontHeight, QuranFontHeight;         // negative, as fonts are created
};
TSettingsSizes SettingsSizes(TScale scale);

enum TSettingsPart : int {
    spLanguageGroup, spArabicItem, spEnglishItem,
    spQuranGroup, spFontSizeLabel, spFontSizeBox, spFontStyleLabel, spNormal, spBold,
    spTextColorLabel, spTextColorBox, spWaqfLabel, spWaqfBox, spHizbLabel, spHizbBox,
    spSajdaLabel, spSajdaBox, spBracketsLabel, spNoBrackets, spAddBrackets, spBracketList,
    spBracketColorLabel, spBracketColorBox,
    spCitationGroup, spNoCitation, spSameLine, spNewLine, spCitationFontLabel, spCitationFontBox,
    spCitationSizeLabel, spCitationSizeBox, spCitationColorLabel, spCitationColorBox,
    spAdditionsGroup, spIsteada, spBasmala, spQalaTaallah,
    spCopyGroup, spUthmani, spImlai, spHtmlAndText,
    spPartCount
};

// Combo boxes' heights include their dropped-down lists.
using TSettingsPlaces = std::array<TControlPlace, spPartCount>;

// The places seen in a client area `clientWidth` wide, the groups centred
// beside the scroll bar.
TSettingsPlaces SettingsFormLayout(TAppLanguage language, int clientWidth, TScale scale = {});
// The scroll bar, the whole client height; it does not scroll.
TControlPlace SettingsScrollBarPlace(TAppLanguage language, int clientWidth, int clientHeight, TScale scale = {});

// `visual` as the coordinates of a window that is mirrored or not.
TControlPlace PlaceInWindow(const TControlPlace& visual, bool mirroredWindow, int clientWidth);

// The first content row shown when the client area is `clientHeight` high:
// within 0 and the content height less the client height.
int ClampScrollPosition(int position, int clientHeight, TScale scale = {});

// The group box that frames a part (the part itself for a group box).
TSettingsPart SettingsGroupOf(TSettingsPart part);
// The first content row to show once `part` has the focus: its whole group
// when the group fits the client area, else the part itself (a closed list
// box, not its list), `position` moved as little as possible and clamped.
// `places` are those of SettingsFormLayout at the same scale.
int ScrollToShowPart(TSettingsPart part, const TSettingsPlaces& places, int position, int clientHeight,
                     TScale scale = {});

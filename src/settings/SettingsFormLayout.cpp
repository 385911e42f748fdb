#include "settings/SettingsFormLayout.h"

#include <algorithm>

#include "base/ScrollToShow.h"

namespace {

// The English design at 96 DPI, groups from x = 0.
constexpr int GroupWidth = 509, ContentHeight = 820, ScrollBarWidth = 17;
constexpr int LabelLeft = 15, LabelWidth = 165, BoxLeft = 185;
constexpr int RowPitch = 38, GroupHead = 24;
constexpr int LanguageTop = 6, QuranTop = 62;
constexpr int BracketRowExtra = 12;  // the bracket list's items are drawn in the larger Quran font
// The tallest a closed box stands: a row, the bracket list's included.
constexpr int ClosedBoxHeight = RowPitch + BracketRowExtra;

TControlPlace Label(int y) { return {LabelLeft, y + 4, LabelWidth, 18}; }
TControlPlace Box(int y, int width, int listHeight) { return {BoxLeft, y, width, listHeight}; }

TSettingsPlaces EnglishDesign() {
    TSettingsPlaces p{};
    p[spLanguageGroup] = {0, LanguageTop, GroupWidth, 48};
    p[spArabicItem] = {LabelLeft, LanguageTop + 22, 110, 20};
    p[spEnglishItem] = {LabelLeft + 130, LanguageTop + 22, 110, 20};

    int y = QuranTop + GroupHead;
    auto row = [&] {
        const int top = y;
        y += RowPitch;
        return top;
    };
    int r = row();
    p[spFontSizeLabel] = Label(r);
    p[spFontSizeBox] = Box(r, 80, 220);
    r = row();
    p[spFontStyleLabel] = Label(r);
    p[spNormal] = {BoxLeft, r + 3, 110, 20};
    p[spBold] = {BoxLeft + 120, r + 3, 110, 20};
    const TSettingsPart colourRows[][2] = {{spTextColorLabel, spTextColorBox},
                                           {spWaqfLabel, spWaqfBox},
                                           {spHizbLabel, spHizbBox},
                                           {spSajdaLabel, spSajdaBox}};
    for (const auto& pair : colourRows) {
        r = row();
        p[pair[0]] = Label(r);
        p[pair[1]] = Box(r, 180, 340);
    }
    r = row();
    p[spBracketsLabel] = Label(r);
    p[spNoBrackets] = {BoxLeft, r + 3, 180, 20};
    r = row();
    p[spAddBrackets] = {BoxLeft, r + 9, 120, 20};
    p[spBracketList] = {BoxLeft + 130, r, 120, 420};
    y += BracketRowExtra;
    r = row();
    p[spBracketColorLabel] = Label(r);
    p[spBracketColorBox] = Box(r, 180, 340);
    p[spQuranGroup] = {0, QuranTop, GroupWidth, y - QuranTop};

    const int citationTop = y + 8;
    y = citationTop + GroupHead;
    r = row();
    p[spNoCitation] = {LabelLeft, r + 3, 130, 20};
    p[spSameLine] = {LabelLeft + 145, r + 3, 150, 20};
    p[spNewLine] = {LabelLeft + 310, r + 3, 160, 20};
    r = row();
    p[spCitationFontLabel] = Label(r);
    p[spCitationFontBox] = Box(r, 240, 300);
    r = row();
    p[spCitationSizeLabel] = Label(r);
    p[spCitationSizeBox] = Box(r, 80, 220);
    r = row();
    p[spCitationColorLabel] = Label(r);
    p[spCitationColorBox] = Box(r, 180, 340);
    p[spCitationGroup] = {0, citationTop, GroupWidth, y - citationTop};

    const int additionsTop = y + 8;
    y = additionsTop + GroupHead;
    r = row();
    p[spIsteada] = {LabelLeft, r + 3, 100, 20};
    p[spBasmala] = {LabelLeft + 110, r + 3, 95, 20};
    p[spQalaTaallah] = {LabelLeft + 215, r + 3, 275, 20};
    p[spAdditionsGroup] = {0, additionsTop, GroupWidth, y - additionsTop};

    const int copyTop = y + 8;
    y = copyTop + GroupHead;
    r = row();
    p[spUthmani] = {LabelLeft, r + 3, 150, 20};
    p[spImlai] = {LabelLeft + 165, r + 3, 300, 20};
    r = row();
    p[spHtmlAndText] = {LabelLeft, r + 3, 400, 20};
    p[spCopyGroup] = {0, copyTop, GroupWidth, y - copyTop};
    return p;
}

}  // namespace

TSettingsSizes SettingsSizes(TScale scale) {
    TSettingsSizes s;
    s.Window = {scale(556), scale(457)};
    s.MinWindowHeight = scale(150);
    s.ContentHeight = scale(ContentHeight);
    s.GroupWidth = scale(GroupWidth);
    s.ScrollLine = scale(16);
    s.ScrollBarWidth = scale(ScrollBarWidth);
    s.ColorItemHeight = scale(18);
    s.BracketItemHeight = scale(34);
    s.FontHeight = scale(-12);
    s.QuranFontHeight = scale(-24);
    return s;
}

TSettingsPlaces SettingsFormLayout(TAppLanguage language, int clientWidth, TScale scale) {
    const TSettingsSizes sizes = SettingsSizes(scale);
    const int contentWidth = clientWidth - sizes.ScrollBarWidth;
    const int contentLeft = language == appArabic ? sizes.ScrollBarWidth : 0;
    const int groupLeft =
        contentLeft + (contentWidth > sizes.GroupWidth ? (contentWidth - sizes.GroupWidth) / 2 : 0);
    TSettingsPlaces p = EnglishDesign();
    for (TControlPlace& place : p) {
        place = scale(place);
        // Arabic: mirrored inside the group, so labels stand at its right edge.
        if (language == appArabic) place.Left = sizes.GroupWidth - place.Left - place.Width;
        place.Left += groupLeft;
    }
    return p;
}

TControlPlace SettingsScrollBarPlace(TAppLanguage language, int clientWidth, int clientHeight, TScale scale) {
    const int width = SettingsSizes(scale).ScrollBarWidth;
    const int left = language == appArabic ? 0 : clientWidth - width;
    return {left, 0, width, clientHeight};
}

TControlPlace PlaceInWindow(const TControlPlace& visual, bool mirroredWindow, int clientWidth) {
    if (!mirroredWindow) return visual;
    TControlPlace p = visual;
    p.Left = clientWidth - visual.Left - visual.Width;
    return p;
}

int ClampScrollPosition(int position, int clientHeight, TScale scale) {
    const int last = SettingsSizes(scale).ContentHeight - clientHeight;
    if (position > last) position = last;
    return position < 0 ? 0 : position;
}

TSettingsPart SettingsGroupOf(TSettingsPart part) {
    if (part <= spEnglishItem) return spLanguageGroup;
    if (part <= spBracketColorBox) return spQuranGroup;
    if (part <= spCitationColorBox) return spCitationGroup;
    if (part <= spQalaTaallah) return spAdditionsGroup;
    return spCopyGroup;
}

int ScrollToShowPart(TSettingsPart part, const TSettingsPlaces& places, int position, int clientHeight,
                     TScale scale) {
    const TControlPlace& group = places[std::size_t(SettingsGroupOf(part))];
    const TControlPlace& p = places[std::size_t(part)];
    const int partBottom = p.Top + std::min(p.Height, scale(ClosedBoxHeight));
    int top = p.Top, bottom = partBottom;
    if (group.Height <= clientHeight) top = group.Top, bottom = group.Top + group.Height;
    return ClampScrollPosition(ScrollToShow(position, clientHeight, top, bottom), clientHeight, scale);
}

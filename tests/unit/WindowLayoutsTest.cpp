// The tool windows' layouts at the display scales people use (100 %, 125 %,
// 150 %, 200 %): each window and control grows with the DPI, no two
// controls overlap, every control stays inside its window, and each caption
// fits its control by an estimate of the text's width from the font's height.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/GoToPageForm.h"
#include "base/DisplayScale.h"
#include "search/SearchForm.h"
#include "search/SuraIndexForm.h"
#include "system/AboutForm.h"
#include "system/FontInstallationErrorForm.h"
#include "system/UpdateNoticeForm.h"
#include "text/CopyRangeForm.h"

namespace {

constexpr int Dpis[] = {96, 120, 144, 192};

// A control of a layout: its place, and the caption it shows in one line
// (null: none or word-wrapped). A button's caption needs room for its edges.
struct TControl {
    const char* Name;
    TControlPlace Place;
    const char16_t* Caption = nullptr;
    bool Button = false;
};

struct TLayout {
    TSizeI Client;
    std::vector<TControl> Controls;
    int FontHeight;  // negative, as the window creates its font
};

// A generous estimate of a one-line text's width: every character as wide as
// 0.6 of the character height (Tahoma's widest lower-case letters are about
// that; Arabic letters joined are narrower).
int EstimatedWidth(std::u16string_view text, int fontHeight) {
    const int height = fontHeight < 0 ? -fontHeight : fontHeight;
    return int(text.size()) * height * 6 / 10;
}

bool Overlap(const TControlPlace& a, const TControlPlace& b) {
    return a.Left < b.Right() && b.Left < a.Right() && a.Top < b.Bottom() && b.Top < a.Bottom();
}

// Combo boxes' places include their dropped-down lists; closed, they are one
// line of the font high with their edges.
TControlPlace Closed(TControlPlace combo, int lineHeight) {
    combo.Height = lineHeight;
    return combo;
}

TLayout GoToPage(TScale scale, TAppLanguage language) {
    const TGoToPagePlaces p = GoToPagePlaces(scale);
    const TGoToPageTexts t = GoToPageTexts(language);
    return {p.Client,
            {{"label", p.Label, t.Label}, {"box", p.Box}, {"ok", p.Ok, t.Ok, true}, {"cancel", p.Cancel, t.Cancel, true}},
            p.FontHeight};
}

TLayout CopyRange(TScale scale, TAppLanguage language) {
    const TCopyRangePlaces p = CopyRangePlaces(scale);
    const TCopyRangeTexts t = CopyRangeTexts(language);
    const int line = -p.FontHeight + scale(8);
    return {p.Client,
            {{"sura label", p.SuraLabel, t.SuraLabel},
             {"sura", Closed(p.Sura, p.SuraItemHeight + scale(6))},
             {"from label", p.FromLabel, t.FromLabel},
             {"aya 1", Closed(p.Aya1, line)},
             {"to label", p.ToLabel, t.ToLabel},
             {"aya 2", Closed(p.Aya2, line)},
             {"copy", p.Copy, t.Copy, true},
             {"cancel", p.Cancel, t.Cancel, true}},
            p.FontHeight};
}

TLayout UpdateNotice(TScale scale, TAppLanguage language) {
    const TUpdateNoticePlaces p = UpdateNoticePlaces(scale);
    return {p.Client,
            {{"message", p.Message}, {"link", p.Link}, {"cancel", p.Cancel, UpdateNoticeTexts(language).Cancel, true}},
            p.MessageFontHeight};
}

TLayout FontError(TScale scale, TAppLanguage) {
    const TFontErrorPlaces p = FontErrorPlaces(scale);
    return {p.Client,
            {{"english", p.English}, {"arabic", p.Arabic}, {"link", p.Link}, {"cancel", p.Cancel, FontErrorCancel, true}},
            p.FontHeight};
}

TLayout Search(TScale scale, TAppLanguage language) {
    const TSizeI client = SearchClientSize(scale);
    const TSearchFormPlaces p = SearchFormPlaces(client.Width, client.Height, scale);
    const TSearchFonts fonts = SearchFontHeights(scale);
    return {client,
            {{"label", p.Label, SearchFormTexts(language).Label},
             {"box", Closed(p.Combo, -fonts.Box + scale(8))},
             {"counts", p.Counts},
             {"grid", p.Grid}},
            fonts.Interface};
}

TLayout SuraIndex(TScale scale, TAppLanguage) {
    const TSuraIndexPlaces p = SuraIndexPlaces(scale);
    return {p.Client,
            {{"button", p.Button}, {"grid", {0, p.StripHeight, p.Client.Width, p.Client.Height - p.StripHeight}}},
            p.FontHeight};
}

using TLayoutOf = TLayout (*)(TScale, TAppLanguage);
struct TWindowCase {
    const char* Name;
    TLayoutOf Layout;
};
constexpr TWindowCase Windows[] = {{"go to page", GoToPage}, {"copy range", CopyRange},
                                   {"update notice", UpdateNotice}, {"font error", FontError},
                                   {"search", Search}, {"index", SuraIndex}};

// Within a pixel of the 96-DPI value times the scale, as rounding allows.
void ExpectScaled(int at96, int scaled, int dpi, const std::string& what) {
    const double expected = at96 * dpi / 96.0;
    EXPECT_NEAR(scaled, expected, 1.0) << what;
}

}  // namespace

TEST(WindowLayouts, SizesGrowWithTheDisplayScale) {
    for (const TWindowCase& w : Windows)
        for (const int dpi : Dpis) {
            const TLayout base = w.Layout({}, appEnglish), at = w.Layout({dpi}, appEnglish);
            const std::string name = std::string(w.Name) + " at " + std::to_string(dpi);
            ExpectScaled(base.Client.Width, at.Client.Width, dpi, name + ": width");
            ExpectScaled(base.Client.Height, at.Client.Height, dpi, name + ": height");
            ExpectScaled(base.FontHeight, at.FontHeight, dpi, name + ": font");
            ASSERT_EQ(base.Controls.size(), at.Controls.size());
            for (std::size_t i = 0; i < at.Controls.size(); ++i) {
                const std::string control = name + ": " + at.Controls[i].Name;
                ExpectScaled(base.Controls[i].Place.Width, at.Controls[i].Place.Width, dpi, control);
                ExpectScaled(base.Controls[i].Place.Height, at.Controls[i].Place.Height, dpi, control);
                ExpectScaled(base.Controls[i].Place.Top, at.Controls[i].Place.Top, dpi, control);
            }
        }
}

TEST(WindowLayouts, ControlsStayInsideTheirWindowApart) {
    for (const TWindowCase& w : Windows)
        for (const int dpi : Dpis) {
            const TLayout l = w.Layout({dpi}, appArabic);
            for (std::size_t i = 0; i < l.Controls.size(); ++i) {
                const TControl& c = l.Controls[i];
                const std::string name = std::string(w.Name) + " at " + std::to_string(dpi) + ": " + c.Name;
                EXPECT_GE(c.Place.Left, 0) << name;
                EXPECT_GE(c.Place.Top, 0) << name;
                EXPECT_LE(c.Place.Right(), l.Client.Width) << name;
                EXPECT_LE(c.Place.Bottom(), l.Client.Height) << name;
                EXPECT_GT(c.Place.Width, 0) << name;
                EXPECT_GT(c.Place.Height, 0) << name;
                for (std::size_t j = i + 1; j < l.Controls.size(); ++j)
                    EXPECT_FALSE(Overlap(c.Place, l.Controls[j].Place)) << name << " and " << l.Controls[j].Name;
            }
        }
}

TEST(WindowLayouts, CaptionsFitTheirControlsInBothLanguages) {
    for (const TWindowCase& w : Windows)
        for (const int dpi : Dpis)
            for (const TAppLanguage language : {appArabic, appEnglish}) {
                const TLayout l = w.Layout({dpi}, language);
                for (const TControl& c : l.Controls) {
                    if (!c.Caption) continue;
                    const std::string name = std::string(w.Name) + " at " + std::to_string(dpi) + ": " + c.Name;
                    const int edges = c.Button ? TScale{dpi}(12) : 0;
                    EXPECT_LE(EstimatedWidth(c.Caption, l.FontHeight) + edges, c.Place.Width) << name;
                    EXPECT_GE(c.Place.Height, -l.FontHeight) << name << ": one line of the font";
                }
            }
}

TEST(WindowLayouts, TheAboutColumnScalesWithoutOverlapping) {
    for (const int dpi : Dpis) {
        const TScale scale{dpi};
        const TAboutSizes sizes = AboutSizes(scale);
        ExpectScaled(AboutSizes({}).Window.Width, sizes.Window.Width, dpi, "about width");
        int bottom = 0;
        for (const TAboutElement& e : AboutElements()) {
            const TControlPlace p = AboutElementPlace(e, sizes.Window.Width, 0, scale);
            EXPECT_GE(p.Top, bottom) << dpi;
            ExpectScaled(e.Height, p.Height, dpi, "about element");
            bottom = p.Bottom();
        }
        EXPECT_LE(bottom, sizes.ContentHeight) << dpi;
        EXPECT_EQ(AboutScrollLimit(sizes.Window.Height, scale), sizes.ContentHeight - sizes.Window.Height);
    }
}

TEST(DisplayScale, RoundsEdgesSoThatNeighboursStayApart) {
    struct TCase {
        int Dpi, Design, Device;
    } cases[] = {{96, 75, 75}, {120, 75, 94}, {144, 75, 113}, {192, 75, 150}, {120, -13, -16}, {144, 1, 2}, {120, 2, 3}};
    for (const TCase& c : cases) EXPECT_EQ(TScale{c.Dpi}(c.Design), c.Device) << c.Dpi << " " << c.Design;
    // Two places that touch in the design touch at every scale.
    for (const int dpi : Dpis) {
        const TControlPlace a = TScale{dpi}(TControlPlace{43, 72, 75, 25}), b = TScale{dpi}(TControlPlace{118, 72, 75, 25});
        EXPECT_EQ(a.Right(), b.Left) << dpi;
    }
    EXPECT_EQ(PointsToPixels(14, 96), -19);
    EXPECT_EQ(PointsToPixels(14, 192), -37);
    EXPECT_EQ(PointsToPixels(10, 120), -17);
}

#include "app/HeaderStrip.h"
#include "base/OutsideNames.h"

namespace {
std::u16string Numbered(const char16_t* prefix, int n) {
    std::u16string name = prefix;
    for (char c : std::to_string(n)) name.push_back(char16_t(c));
    return name;
}
int ScaledWidth(int height, int iw, int ih) { return ih > 0 ? RoundPixel(double(height) * iw / ih) : 0; }
}  // namespace

bool HasHeaderPictures(int pageNumber) { return pageNumber > 2 && pageNumber < 605; }
std::u16string JuzNamePictureName(int pageNumber) { return Numbered(JuzNamePicturePrefix, pageNumber); }
std::u16string SuraNamePictureName(int pageNumber) { return Numbered(SuraNamePicturePrefix, pageNumber); }

bool THeaderStrip::ShowPage(int pageNumber) {
    if (!HasHeaderPictures(pageNumber)) return false;
    FPicturesPage = pageNumber;
    return true;
}

bool THeaderStrip::MouseEnteredWindow(bool pageOpening, bool drawSplash, int pageNumber) {
    if (pageOpening || drawSplash || pageNumber <= 2 || FVisible) return false;
    FVisible = true;
    return true;
}

bool THeaderStrip::MouseLeft(bool pointerInsideStrip) {
    if (pointerInsideStrip || !FVisible) return false;
    FVisible = false;
    return true;
}

THeaderStripPlan HeaderStripPlan(int w, int h, int juzW, int juzH, int suraW, int suraH) {
    THeaderStripPlan plan;
    const int jw = ScaledWidth(h, juzW, juzH);
    const int sw = ScaledWidth(h, suraW, suraH);
    plan.JuzTarget = {10, 0, 10 + 3 * jw, 3 * h};
    plan.SuraTarget = {3 * w - 3 * sw, 0, 3 * w, 3 * h};
    plan.LineY = h - 1;
    plan.LineEndX = w - 1;
    return plan;
}

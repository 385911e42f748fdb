#include "system/AboutForm.h"

#include <algorithm>
#include <array>

#include "base/OutsideNames.h"
#include "system/Addresses.h"

namespace {

constexpr char16_t RightsText[] =
    u"تيرافيل، الإصدار ***\r\n"
    u"جميع الحقوق محفوظة لمدرسة كورفان.\r\n"
    u"يُوزَّع هذا التطبيق مجانًا، ويجوز نسخه وتوزيعه كما هو دون مقابل.";

constexpr char16_t CreditsText[] =
    u"شكر وتقدير\r\n"
    u"نص القرآن الكريم بالرسم العثماني وبالرسم الإملائي من مشروع تنزيل "
    u"(Tanzil Project)، منقول كما هو دون أي تغيير، وحقوقه محفوظة لمشروع تنزيل 2007–2021 "
    u"برخصة المشاع الإبداعي CC\u00A0BY\u00A03.0 وبشروط استخدامه المنشورة على tanzil.net.\r\n"
    u"خطّا المصحف مبنيّان على خط أميري لخالد حسني، ويُوزَّعان برخصة الخطوط المفتوحة "
    u"SIL\u00A0Open\u00A0Font\u00A0License\u00A01.1.\r\n"
    u"أرقام الصفحات وحدود الأجزاء والأحزاب ومواضع السجود من حزمة quran-meta برخصة MIT.\r\n"
    u"جزى الله خيرًا كل من أسهم في هذه المصادر المفتوحة.";

constexpr std::array<TAboutElement, 10> Elements{{
    {akPicture, 0, 49, AboutBasmalaPicture},
    {akPicture, 55, 129, AboutMakerLogoPicture},
    {akPicture, 190, 129, AboutProductLogoPicture},
    {akText, 359, 236, RightsText},
    {akText, 599, 535, CreditsText},
    {akLink, 1138, 29, MakerSite},
    {akText, 1206, 20, u"برمجة وتطوير"},
    {akPicture, 1238, 169, AboutDeveloperLogoPicture},
    {akText, 1413, 19, u"فريق تيرافيل"},
    {akLink, 1459, 29, DeveloperSite},
}};

}  // namespace

std::span<const TAboutElement> AboutElements() { return Elements; }

std::u16string AboutRightsText(std::u16string_view versionText) {
    std::u16string text = Elements[AboutRightsElement].Content;
    if (const auto at = text.find(u"***"); at != std::u16string::npos) text.replace(at, 3, versionText);
    return text;
}

TAboutSizes AboutSizes(TScale scale) {
    return {{scale(498), scale(662)}, scale(AboutContentHeight), scale(30), scale(19), scale(16), scale(17)};
}

TControlPlace AboutElementPlace(const TAboutElement& element, int clientWidth, int scroll, TScale scale) {
    TControlPlace p = scale(TControlPlace{0, element.Top, 0, element.Height});
    p.Top -= scroll;
    p.Width = std::max(0, clientWidth);
    return p;
}

int AboutScrollLimit(int clientHeight, TScale scale) {
    return std::max(0, scale(AboutContentHeight) - clientHeight);
}

int ClampAboutScroll(int position, int clientHeight, TScale scale) {
    return std::clamp(position, 0, AboutScrollLimit(clientHeight, scale));
}

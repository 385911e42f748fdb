#include "settings/SettingsFormTexts.h"

#include <utility>

namespace {

struct TPartCaption {
    TSettingsPart Part;
    const char16_t* Caption;
};

// The captions by part; parts left out have none.
template <std::size_t N>
constexpr std::array<const char16_t*, spPartCount> PartCaptions(const TPartCaption (&captions)[N]) {
    std::array<const char16_t*, spPartCount> parts{};
    parts[spArabicItem] = LanguageItemArabic;
    parts[spEnglishItem] = LanguageItemEnglish;
    for (const TPartCaption& c : captions) parts[c.Part] = c.Caption;
    return parts;
}

constexpr TPartCaption ArabicCaptions[] = {
    {spLanguageGroup, u"لغة الواجهة"},
    {spQuranGroup, u"خيارات نسخ النص القرآني"},
    {spFontSizeLabel, u"حجم الخط:"},
    {spFontStyleLabel, u"نوع الخط:"},
    {spNormal, u"عادي"},
    {spBold, u"سميك"},
    {spTextColorLabel, u"لون خط النص القرآني:"},
    {spWaqfLabel, u"لون علامات الوقف:"},
    {spHizbLabel, u"لون علامة الحزب:"},
    {spSajdaLabel, u"لون علامة السجدة:"},
    {spBracketsLabel, u"الأقواس:"},
    {spNoBrackets, u"بدون أقواس"},
    {spAddBrackets, u"إضافة أقواس:"},
    {spBracketColorLabel, u"لون الأقواس:"},
    {spCitationGroup, u"خيارات العزو"},
    {spNoCitation, u"بدون عزو"},
    {spSameLine, u"في  السطر"},
    {spNewLine, u"في سطر جديد"},
    {spCitationFontLabel, u"خط العزو:"},
    {spCitationSizeLabel, u"حجم الخط:"},
    {spCitationColorLabel, u"لون العزو:"},
    {spAdditionsGroup, u"الإضافات"},
    {spIsteada, u"الاستعاذة"},
    {spBasmala, u"البسملة"},
    {spQalaTaallah, u"قال تعالى"},
    {spCopyGroup, u"الرسم وصيغ النسخ"},
    {spUthmani, u"الرسم العثماني"},
    {spImlai, u"الرسم الإملائي"},
    {spHtmlAndText, u"نسخ أيضاً بصيغة HTML ونص عادي"},
};

constexpr TPartCaption EnglishCaptions[] = {
    {spLanguageGroup, u"Interface language"},
    {spQuranGroup, u"Qur'an text options"},
    {spFontSizeLabel, u"font size:"},
    {spFontStyleLabel, u"font style:"},
    {spNormal, u"Normal"},
    {spBold, u"Bold"},
    {spTextColorLabel, u"font color:"},
    {spWaqfLabel, u"Waqf color:"},
    {spHizbLabel, u"hizb color:"},
    {spSajdaLabel, u"Sajdah color:"},
    {spBracketsLabel, u"Brackets:"},
    {spNoBrackets, u"No brackets"},
    {spAddBrackets, u"Add brackets:"},
    {spBracketColorLabel, u"Brackets color:"},
    {spCitationGroup, u"Info Options"},
    {spNoCitation, u"No Info"},
    {spSameLine, u"In same line"},
    {spNewLine, u"In new Line"},
    {spCitationFontLabel, u"Info font:"},
    {spCitationSizeLabel, u"Font size:"},
    {spCitationColorLabel, u"Font color:"},
    {spAdditionsGroup, u"Additions"},
    {spIsteada, u"Isti'adhah"},
    {spBasmala, u"Basmalla"},
    {spQalaTaallah, u"قَالَ تَعالَى (Allah the Exalted says)"},
    {spCopyGroup, u"Spelling and formats"},
    {spUthmani, u"Uthmani"},
    {spImlai, u"plain spelling with vowel marks"},
    {spHtmlAndText, u"also copy as HTML and plain text"},
};

constexpr TSettingsFormTexts ArabicTexts{
    {u"ملف", u"مساعدة"},
    {u"فتح", u"الوضع الافتراضي", u"حفظ باسم", u"خروج", u"مساعدة"},
    PartCaptions(ArabicCaptions),
};

constexpr TSettingsFormTexts EnglishTexts{
    {u"File", u"Help"},
    {u"Open", u"Default settings", u"Save As", u"Exit", u"Help"},
    PartCaptions(EnglishCaptions),
};

}  // namespace

const TSettingsFormTexts& SettingsFormTexts(TAppLanguage language) {
    return language == appArabic ? ArabicTexts : EnglishTexts;
}

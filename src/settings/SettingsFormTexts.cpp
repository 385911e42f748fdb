#include "settings/SettingsFormTexts.h"

namespace {

constexpr TSettingsFormTexts ArabicTexts{
    u"ملف", u"فتح", u"الوضع الافتراضي", u"حفظ باسم", u"خروج", u"مساعدة", u"مساعدة",
    u"لغة الواجهة",
    u"خيارات نسخ النص القرآني", u"حجم الخط:", u"نوع الخط:", u"عادي", u"سميك", u"لون خط النص القرآني:",
    u"لون علامات الوقف:", u"لون علامة الحزب:", u"لون علامة السجدة:", u"الأقواس:", u"بدون أقواس",
    u"إضافة أقواس:", u"لون الأقواس:",
    u"خيارات العزو", u"بدون عزو", u"في  السطر", u"في سطر جديد", u"خط العزو:", u"حجم الخط:", u"لون العزو:",
    u"الإضافات", u"الاستعاذة", u"البسملة", u"قال تعالى",
};

constexpr TSettingsFormTexts EnglishTexts{
    u"File", u"Open", u"Default settings", u"Save As", u"Exit", u"Help", u"Help",
    u"Interface language",
    u"Qur'an text options", u"font size:", u"font style:", u"Normal", u"Bold", u"font color:",
    u"Waqf color:", u"hizb color:", u"Sajdah color:", u"Brackets:", u"No brackets",
    u"Add brackets:", u"Brackets color:",
    u"Info Options", u"No Info", u"In same line", u"In new Line", u"Info font:", u"Font size:", u"Font color:",
    u"Additions", u"Isti'adhah", u"Basmalla", u"قَالَ تَعالَى (Allah the Exalted says)",
};

}  // namespace

const TSettingsFormTexts& SettingsFormTexts(TAppLanguge language) {
    return language == appArabic ? ArabicTexts : EnglishTexts;
}

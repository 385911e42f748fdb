#include "system/UpdateNoticeForm.h"

#include "system/Addresses.h"

TUpdateNoticeTexts UpdateNoticeTexts(TAppLanguage language) {
    if (language == appArabic)
        return {u"يوجد تحديث للتطبيق",
                u"يوجد إصدار جديد لهذا التطبيق، ننصح بتحديث النسخة الآن. يمكن تحميل النسخة الجديدة من موقعنا على "
                u"الشبكة.",
                u"إلغاء"};
    return {u"Update Notice", u"There is new version available for download, we highly recommend you to upgrade now. ",
            u"Cancel"};
}

const char16_t* UpdateNoticeLinkText() { return ProductSite; }

TUpdateNoticePlaces UpdateNoticePlaces(TScale scale) {
    return {{scale(393), scale(201)},
            scale({16, 14, 361, 84}),
            scale({16, 106, 361, 28}),
            scale({159, 154, 75, 28}),
            scale(-16),
            scale(-19)};
}

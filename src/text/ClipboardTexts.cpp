#include "text/ClipboardTexts.h"

std::u16string_view ClipboardBusyMessage(TAppLanguage language) {
    if (language == appArabic) return u"لم يُنسخ النص: الحافظة مشغولة ببرنامج آخر. أعد المحاولة بعد قليل.";
    return u"The text was not copied: another program is using the clipboard. Try again in a moment.";
}

#include <gtest/gtest.h>

#include <string>

#include "app/GoToPageForm.h"

TEST(GoToPage, BoxAndTexts) {
    for (char16_t c : std::u16string(u"0123456789\b")) EXPECT_TRUE(GoToPageAcceptsChar(c)) << int(c);
    for (char16_t c : std::u16string(u"a-+ .٣")) EXPECT_FALSE(GoToPageAcceptsChar(c)) << int(c);
    EXPECT_EQ(std::u16string(GoToPageTexts(appArabic).Ok), u"اذهب");
    EXPECT_EQ(std::u16string(GoToPageTexts(appArabic).Label), u"أدخل رقم الصفحة:");
    EXPECT_EQ(std::u16string(GoToPageTexts(appEnglish).Caption), u"Go to Page");
    EXPECT_EQ(DecideGoToPage(u"-5", 10).Page, 1);
    EXPECT_EQ(DecideGoToPage(u"99999999999", 10).Kind, TGoToPageDecision::gpInvalid);
    EXPECT_EQ(DecideGoToPage(u"1 2", 10).Error, u"'1 2' is not a valid integer value");
}

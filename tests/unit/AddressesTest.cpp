// The table of addresses: help and the font page below the product site, and
// the update address that the environment variable replaces whole.
#include <gtest/gtest.h>

#include "system/Addresses.h"

TEST(Addresses, HelpAndFontPageAreBelowTheProductSite) {
    EXPECT_EQ(HelpAddress(), u"https://tiravel.app/app/");
    EXPECT_EQ(FontDownloadAddress(), u"https://tiravel.app/fonts/");
}

TEST(Addresses, UpdateAddressDefaultsToTheServerAndIsReplacedWhole) {
    EXPECT_EQ(UpdateAddress(), u"https://update.tiravel.app/appversion/getappvr.php");
    EXPECT_EQ(UpdateAddress(u""), UpdateAddress());
    // The configured value is taken as it is: no path is added, http stays http.
    EXPECT_EQ(UpdateAddress(u"http://127.0.0.1:8123/v.txt"), u"http://127.0.0.1:8123/v.txt");
}

TEST(Addresses, EveryAddressIsHttps) {
    for (const char16_t* a : {ProductSite, MakerSite, DeveloperSite, UpdateServer})
        EXPECT_EQ(std::u16string_view(a).substr(0, 8), u"https://");
}

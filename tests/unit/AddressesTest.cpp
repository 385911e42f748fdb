// The table of addresses: help below the product site, and the update
// address that the environment variable replaces whole.
#include <gtest/gtest.h>

#include "system/Addresses.h"

TEST(Addresses, HelpIsTheProductSiteFollowedByItsPath) {
    EXPECT_EQ(HelpAddress(), u"https://www.tiravel.app/app/");
}

TEST(Addresses, UpdateAddressDefaultsToTheServerAndIsReplacedWhole) {
    EXPECT_EQ(UpdateAddress(), u"https://update.tiravel.app/appversion/getappvr.php");
    EXPECT_EQ(UpdateAddress(u""), UpdateAddress());
    // The configured value is taken as it is: no path is added, http stays http.
    EXPECT_EQ(UpdateAddress(u"http://127.0.0.1:8123/v.txt"), u"http://127.0.0.1:8123/v.txt");
}

TEST(Addresses, EveryAddressIsHttps) {
    for (const char16_t* a :
         {ProductSiteAddress, FontDownloadAddress, MakerSiteAddress, DeveloperSiteAddress, UpdateServerAddress})
        EXPECT_EQ(std::u16string_view(a).substr(0, 8), u"https://");
}

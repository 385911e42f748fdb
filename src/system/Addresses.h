#pragma once
// The maker's web addresses, in one place for every window that opens or
// shows one.
#include <string>

// The product's web site.
std::u16string ProductSiteAddress();
// The page where the Quran fonts can be downloaded by hand.
std::u16string FontDownloadAddress();

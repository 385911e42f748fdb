#include "system/Addresses.h"

std::u16string ProductSiteAddress() { return ProductSite; }
std::u16string FontDownloadAddress() { return std::u16string(ProductSite) + FontDownloadPath; }
std::u16string HelpAddress() { return std::u16string(ProductSite) + HelpPath; }

std::u16string UpdateAddress(std::u16string_view configured) {
    if (!configured.empty()) return std::u16string(configured);
    return std::u16string(UpdateServer) + UpdatePath;
}

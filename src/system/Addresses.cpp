#include "system/Addresses.h"

namespace {
constexpr char16_t ProductSite[] = u"https://tiravel.app";
}  // namespace

std::u16string ProductSiteAddress() { return ProductSite; }
std::u16string FontDownloadAddress() { return std::u16string(ProductSite) + u"/fonts/"; }

#include "base/Decimal.h"

std::u16string Decimal(std::int64_t n) {
    const std::string digits = std::to_string(n);
    return std::u16string(digits.begin(), digits.end());
}
